// PictureChooserTest.cpp: the names pictures read from a container get, and
// the candidates kept per place when they are too many to hold in memory.
#include "recovery/candidates/CandidateStore.h"
#include "recovery/candidates/PictureChooser.h"

#include "ScanTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

// A picture as read, in one of two views; its name, or "" where it is not written.
struct Read {
    PictureKind kind;
    int view;
    bool fromRecord;
    uint64_t length;
    uint32_t checksum;
    const char* name;
};

TEST(PictureChooser, NumbersGoUpPerExtensionAndSkipRepeatsAndEmptyPictures) {
    const std::vector<Read> reads = {
        {PictureKind::Jpeg, 0, false, 100, 1, "1.jpg"},
        {PictureKind::Jpeg, 1, false, 100, 1, ""},  // another view showed it
        {PictureKind::Png, 0, false, 100, 2, "1.gif"},
        {PictureKind::Gif, 0, false, 50, 3, "2.gif"},    // shares the extension's numbers
        {PictureKind::Jpeg, 0, false, 100, 1, "2.jpg"},  // again in one view: used twice
        {PictureKind::Jpeg, 0, true, 100, 1, ""},        // a record's copy of one written
        {PictureKind::Bmp, 0, true, 14, 4, ""},          // its header alone
        {PictureKind::Jpeg, 1, false, 100, 5, "3.jpg"},
        {PictureKind::Bmp, 1, true, 15, 4, "1.bmp"},
    };
    const MemorySource views[2] = {MemorySource(""), MemorySource("")};
    PictureChooser chooser;
    for (size_t i = 0; i < reads.size(); ++i) {
        const Read& read = reads[i];
        const uint64_t header = read.kind == PictureKind::Bmp ? 14 : 0;
        std::string name;
        if (chooser.Keeps(ReadPicture{read.kind, &views[read.view], read.fromRecord, read.length,
                                      header, read.checksum}))
            name = chooser.NextName(read.kind);
        EXPECT_EQ(name, read.name) << "read " << i;
    }
}

Candidate At(uint64_t offset, Evidence evidence, int rank, uint64_t marker) {
    Candidate candidate;
    candidate.place = FilePlace::InFile(offset);
    candidate.start = marker;
    candidate.end = marker + 1;
    candidate.evidence = static_cast<uint32_t>(evidence);
    candidate.rank = static_cast<uint32_t>(rank);
    return candidate;
}

// Each place's holder: its offset and the marker of the candidate holding it.
std::vector<std::tuple<uint64_t, uint64_t, Evidence>> Holders(CandidateStore& store) {
    std::vector<std::tuple<uint64_t, uint64_t, Evidence>> holders;
    store.ForEachHolder([&](const Candidate& candidate) {
        holders.emplace_back(candidate.place.offset, candidate.start, candidate.Told());
        return true;
    });
    return holders;
}

// Places seen backwards then forwards, from views of every rank, told by a
// record between: whether they stay in memory or go to the file in runs of
// a few, each place keeps its best told candidate, the first at a tie.
TEST(CandidateStore, KeepsEachPlacesBestToldWhereverItsCandidatesLie) {
    for (size_t mostInMemory : {size_t{1000}, size_t{3}, size_t{1}}) {
        CandidateStore store(mostInMemory);
        for (uint64_t offset = 10; offset-- > 0;)
            store.Add(At(offset, Evidence::Whole, 0, 100 + offset));
        for (uint64_t offset = 0; offset < 10; offset += 2)
            store.Add(At(offset, Evidence::Whole, 2, 200 + offset));
        for (uint64_t offset = 1; offset < 10; offset += 2)
            store.Add(At(offset, Evidence::Whole, 0, 300 + offset));
        EXPECT_TRUE(store.ChangeHolder(FilePlace::InFile(4), [](Candidate& holder) {
            holder.evidence = static_cast<uint32_t>(Evidence::Record);
            return true;
        }));
        EXPECT_FALSE(store.ChangeHolder(FilePlace::InFile(10), [](Candidate&) { return true; }));
        // A record's picture outranks any view's walk found after it.
        store.Add(At(4, Evidence::Whole, 4, 404));
        store.Add(At(6, Evidence::Broken, 4, 406));
        store.Add(At(8, Evidence::Record, 1, 408));
        store.Add(At(8, Evidence::Record, 1, 409));

        std::vector<std::tuple<uint64_t, uint64_t, Evidence>> expected;
        for (uint64_t offset = 0; offset < 10; ++offset) {
            uint64_t marker = offset % 2 == 0 ? 200 + offset : 100 + offset;
            Evidence told = offset == 4 ? Evidence::Record : Evidence::Whole;
            if (offset == 8) std::tie(marker, told) = std::make_tuple(408, Evidence::Record);
            expected.emplace_back(offset, marker, told);
        }
        EXPECT_EQ(Holders(store), expected) << "at most " << mostInMemory << " in memory";
    }
}

}  // namespace
