// ConsoleStream.cpp
#include "console/ConsoleStream.h"

ConsoleStream::ConsoleStream(StandardStream stream) : std::ostream(nullptr), m_buffer(stream) {
    rdbuf(&m_buffer);
}

ConsoleStream::~ConsoleStream() { flush(); }

int ConsoleStream::Buffer::sync() {
    WriteText(m_stream, str());
    str(std::string());
    return 0;
}
