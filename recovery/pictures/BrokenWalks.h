// BrokenWalks.h: structure walks that broke, remembered by the marks they passed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <vector>

// Checking whether a picture starts at a candidate walks its structure, and
// in a document built of segments inside segments every candidate's walk may
// run along the same chain to its end: the checks alone would take time in
// the square of the document's size. A walk's course from a mark (a JPEG
// marker in a given state of the walk, a PNG chunk) depends on the mark
// alone, so a walk that reaches a mark of a walk that broke breaks there too.
// Candidates come in the order of the document, so marks behind them are
// dropped, and at most kMostMarks are kept.
class BrokenWalks {
public:
    static constexpr size_t kMostMarks = 1 << 16;
    static constexpr unsigned kStates = 4;
    static constexpr size_t kWorthRemembering = 16;

    // Marks before this position can no longer be reached.
    void Forget(uint64_t before);
    // True when a walk that broke passed the mark (a position, in one of up
    // to kStates states of the walk); otherwise the mark is noted for the
    // walk under way.
    bool Known(uint64_t position, unsigned state = 0);
    // The walk under way broke: its marks are kept. Held: they are not.
    void Broke();
    void Held() { m_passed.clear(); }
    void Ended(bool held) { held ? Held() : Broke(); }

private:
    std::set<uint64_t> m_marks;
    std::vector<uint64_t> m_passed;
};
