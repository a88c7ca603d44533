// ViewCheck.cpp
#include "ViewCheck.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr uint64_t kBudgetRatio = 64;
constexpr uint64_t kBudgetFloor = 1 << 20;
// Small enough that the reads of a short view cross block edges, as the
// scanner's 64 KB blocks do in a long one.
constexpr size_t kReadBlock = 4096;

[[noreturn]] void Mismatch(uint64_t from, size_t firstSize, size_t againSize) {
    std::fprintf(stderr,
                 "A view read again from %llu gave %zu bytes other than the %zu of its first "
                 "read\n",
                 static_cast<unsigned long long>(from), againSize, firstSize);
    std::abort();
}

}  // namespace

ReadBudget::ReadBudget(size_t inputSize) : m_left(inputSize * kBudgetRatio + kBudgetFloor) {}

void CheckView(ByteSource& view, ReadBudget& budget) {
    std::vector<uint8_t> first;
    uint8_t block[kReadBlock];
    while (budget.Left() > 0) {
        size_t wanted = static_cast<size_t>(std::min<uint64_t>(sizeof block, budget.Left()));
        size_t got = view.ReadAt(first.size(), block, wanted);
        budget.Spend(got);
        first.insert(first.end(), block, block + got);
        if (got < wanted) break;
    }
    // The scanner asks only where a byte it read lies.
    if (!first.empty()) {
        view.Place(0);
        view.Place(first.size() - 1);
    }
    view.Rest();

    // Later points first: each read before the last one makes an inflated
    // entry start over.
    for (uint64_t from : {first.size() / 2, first.size() / 3, size_t{0}}) {
        size_t wanted = std::min<size_t>(first.size() - from, 16 * kReadBlock);
        if (wanted == 0) continue;
        std::vector<uint8_t> again(wanted);
        size_t got = view.ReadAt(from, again.data(), wanted);
        if (got != wanted || std::memcmp(again.data(), first.data() + from, wanted) != 0)
            Mismatch(from, wanted, got);
        view.Place(from);
    }
}
