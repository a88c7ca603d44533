// PlaceSet.cpp
#include "recovery/candidates/PlaceSet.h"

#include <algorithm>

void PlaceSet::Add(FilePlace from, FilePlace to) {
    if (!(from < to)) return;
    auto next = m_stretches.upper_bound(from);
    if (next != m_stretches.begin()) {
        auto before = std::prev(next);
        if (!(before->second < from)) {
            from = before->first;
            to = std::max(to, before->second);
            next = m_stretches.erase(before);
        }
    }
    while (next != m_stretches.end() && !(to < next->first)) {
        to = std::max(to, next->second);
        next = m_stretches.erase(next);
    }
    m_stretches.emplace(from, to);
}

void PlaceSet::AddView(ByteSource& view, uint64_t from, uint64_t to) {
    while (from < to) {
        uint64_t run = std::min(view.PlaceRun(from), to - from);
        if (run == 0) break;  // the view holds no more bytes
        // The first byte's place first: a view read forward stays cheap.
        FilePlace first = view.Place(from);
        FilePlace last = view.Place(from + run - 1);
        Add(first, last.After());
        from += run;
    }
}

bool PlaceSet::Contains(const FilePlace& place) const {
    auto next = m_stretches.upper_bound(place);
    if (next == m_stretches.begin()) return false;
    return place < std::prev(next)->second;
}
