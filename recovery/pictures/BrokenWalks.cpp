// BrokenWalks.cpp
#include "recovery/pictures/BrokenWalks.h"

#include <iterator>

void BrokenWalks::Forget(uint64_t before) {
    m_marks.erase(m_marks.begin(), m_marks.lower_bound(before * kStates));
}

bool BrokenWalks::Known(uint64_t position, unsigned state) {
    uint64_t mark = position * kStates + state;
    if (m_marks.count(mark) != 0) return true;
    if (m_passed.size() < kMostMarks) m_passed.push_back(mark);
    return false;
}

// A short walk costs less to repeat than to remember. Of the marks, those
// nearest the search are the ones the next candidates reach first.
void BrokenWalks::Broke() {
    if (m_passed.size() < kWorthRemembering) {
        m_passed.clear();
        return;
    }
    for (uint64_t mark : m_passed) m_marks.insert(mark);
    m_passed.clear();
    while (m_marks.size() > kMostMarks) m_marks.erase(std::prev(m_marks.end()));
}
