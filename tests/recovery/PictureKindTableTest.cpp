// PictureKindTableTest.cpp: each kind's row agrees with itself: a picture of
// the kind is told by its start, walked whole and found by the search as a
// picture of that kind.
#include "PictureBytes.h"
#include "ScanTestSupport.h"

#include "recovery/pictures/PictureContent.h"
#include "recovery/pictures/PictureKindTable.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A picture of every kind told by its start.
std::map<PictureKind, std::string> Samples() {
    return {{PictureKind::Jpeg, Fixture("small.jpg")},
            {PictureKind::Png, Fixture("small.png")},
            {PictureKind::Gif, GifPicture()},
            {PictureKind::Bmp, BmpPicture()},
            {PictureKind::Tiff, TiffPicture()},
            {PictureKind::Emf, EmfPicture(EmfComment("abc"))},
            {PictureKind::Wmf, WmfPicture()},
            {PictureKind::Wdp, std::string("II\xBC\x01", 4) + Filler(60)},
            {PictureKind::Svg, "<?xml version=\"1.0\"?>\n<svg width=\"4\" height=\"4\"></svg>"}};
}

TEST(PictureKindTable, EachKindsPictureIsToldWalkedAndFoundAsThatKind) {
    std::map<PictureKind, std::string> samples = Samples();
    TestFolder folder;
    for (const PictureKindInfo& info : kPictureKindTable) {
        if (info.startsAt == nullptr) continue;
        SCOPED_TRACE(info.name);
        ASSERT_EQ(samples.count(info.kind), 1u) << "a kind told by its start needs a sample here";
        const std::string& picture = samples[info.kind];
        MemorySource twice(picture + picture);
        bool whole = false;

        EXPECT_EQ(PictureKindAt(twice, 0), info.kind);
        if (info.walk != nullptr) {
            EXPECT_EQ(PictureEndInRecord(twice, info.kind, 0, twice.Size(), &whole),
                      picture.size());
            EXPECT_TRUE(whole);
        }
        if (info.search.Searched()) {
            fs::remove_all(OutputDirectory(folder));
            ScanOutcome outcome = ScanBytes(folder, Filler(100) + picture + Filler(50, 2), 64);
            EXPECT_EQ(outcome.files, (Files{{std::string("1") + info.extension, picture}}));
        }
    }
}

}  // namespace
