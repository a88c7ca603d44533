// ConsoleStream.h: an output stream whose text reaches a standard stream
// through WriteText each time it is flushed, so that a batch's lines and
// progress show while it runs, in any script (Windows only).
#pragma once

#include "console/ConsoleText.h"

#include <ostream>
#include <sstream>

class ConsoleStream : public std::ostream {
public:
    explicit ConsoleStream(StandardStream stream);
    ~ConsoleStream() override;

private:
    class Buffer : public std::stringbuf {
    public:
        explicit Buffer(StandardStream stream) : m_stream(stream) {}

    protected:
        int sync() override;

    private:
        StandardStream m_stream;
    };

    Buffer m_buffer;
};
