// PlaceSet.h: stretches of places in the document file, such as the bytes a
// picture or a container's record takes.
#pragma once

#include "recovery/bytes/ByteSource.h"

#include <map>

class PlaceSet {
public:
    // Adds [from, to); stretches that meet or overlap become one.
    void Add(FilePlace from, FilePlace to);
    // Adds the places of the view's bytes [from, to).
    void AddView(ByteSource& view, uint64_t from, uint64_t to);
    bool Contains(const FilePlace& place) const;

private:
    std::map<FilePlace, FilePlace> m_stretches;  // from, to; never overlapping
};
