// PictureScannerTest.cpp: pictures found in crafted documents, checked on disk.
#include "ScanTestSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const std::string kJpegEnd = "\xFF\xD9";
const std::string kPngEnd = "IEND";

bool IsPng(const std::string& picture) { return picture.compare(0, 4, "\x89PNG") == 0; }

// --- What is found and how it is named ------------------------------------

TEST(PictureScannerFinds, NothingInADocumentWithoutAPicture) {
    // A JPEG without APP0 whose structure breaks off is not a picture.
    TestFolder folder;
    std::string cut = Fixture("app1-first.jpg");
    cut.resize(cut.size() / 2);
    ScanOutcome outcome = ScanBytes(folder, Filler(300000) + cut + Filler(50));

    EXPECT_EQ(outcome.result.pictureCount, 0);
    EXPECT_EQ(outcome.result.outputDirectory, "");
    EXPECT_TRUE(outcome.result.completed);
    EXPECT_FALSE(outcome.result.runAborted);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_FALSE(outcome.directoryExists) << "the directory is created at the first picture only";
}

TEST(PictureScannerFinds, EachKindNumberedFromOneWithItsOwnExtension) {
    TestFolder folder;
    std::string first = Fixture("jfif-baseline.jpg");
    std::string second = Fixture("jfif-progressive.jpg");
    std::string png = Fixture("text-chunk.png");
    std::string smallPng = Fixture("small.png");
    std::string document = DocumentBuilder()
                               .AddFiller(3000)
                               .Add(smallPng)
                               .AddFiller(2000, 2)
                               .Add(first)
                               .AddFiller(1500, 3)
                               .Add(second)
                               .AddFiller(1700, 4)
                               .Add(png)
                               .AddFiller(900, 5)
                               .Bytes();

    ScanOutcome outcome = ScanBytes(folder, document);

    EXPECT_EQ(outcome.files,
              (Files{{"1.gif", smallPng}, {"1.jpg", first}, {"2.jpg", second}, {"2.gif", png}}));
    EXPECT_EQ(outcome.result.pictureCount, 4);
    EXPECT_EQ(outcome.result.outputDirectory, OutputDirectory(folder).string());
    EXPECT_TRUE(outcome.result.completed);
    EXPECT_TRUE(outcome.messages.empty());
}

TEST(PictureScannerFinds, JpegsOpeningWithOtherSegmentsWhenTheirStructureHolds) {
    TestFolder folder;
    std::string app1 = Fixture("app1-first.jpg");
    std::string longApp0 = Fixture("small.jpg");
    longApp0[4] = '\x01';  // APP0 length 0x0110, then the rest of the picture after it
    longApp0.insert(20, std::string(0x110 - 0x10, 'a'));
    // No frame header before the scan, a length running into the next
    // segment, and no end: each breaks the structure.
    std::string noFrame = std::string(
                              "\xFF\xD8\xFF\xE1\x00\x04"
                              "ab\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00",
                              18) +
                          "data\xFF\xD9";
    std::string badLength = app1;
    badLength[5] = static_cast<char>(badLength[5] + 1);
    std::string noEnd = app1.substr(0, app1.size() - 2);
    std::string document = DocumentBuilder()
                               .AddFiller(100)
                               .Add(noFrame)
                               .AddFiller(100, 2)
                               .Add(app1)
                               .AddFiller(100, 3)
                               .Add(badLength)
                               .AddFiller(100, 4)
                               .Add(longApp0)
                               .AddFiller(100, 5)
                               .Add(noEnd)
                               .AddFiller(100, 6)
                               .Bytes();

    ScanOutcome outcome = ScanBytes(folder, document, 64);

    EXPECT_EQ(outcome.files, (Files{{"1.jpg", app1}, {"2.jpg", longApp0}}));
}

TEST(PictureScannerFinds, PngByItsFiveFirstSignatureBytes) {
    // Bytes 6 to 8 of the signature are not part of the start signature; such a
    // picture cannot be walked and ends at the first "IEND" and four bytes, here
    // the one inside its text chunk.
    TestFolder folder;
    std::string picture = Fixture("text-chunk.png");
    picture[5] = '\x00';
    std::string expected = picture.substr(0, picture.find(kPngEnd) + 8);
    ASSERT_LT(expected.size(), picture.size());

    ScanOutcome outcome = ScanBytes(folder, Filler(10) + picture + Filler(10, 2));

    EXPECT_EQ(outcome.files, (Files{{"1.gif", expected}}));
}

// --- Read boundaries never matter ----------------------------------------

struct BoundaryCase {
    size_t blockSize;
    const char* picture;
};

void PrintTo(const BoundaryCase& boundaryCase, std::ostream* out) {
    *out << boundaryCase.picture << " in blocks of " << boundaryCase.blockSize;
}

std::string CaseName(const ::testing::TestParamInfo<BoundaryCase>& info) {
    std::string name = std::to_string(info.param.blockSize) + "_" + info.param.picture;
    for (char& c : name) {
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

class ReadBoundaries : public ::testing::TestWithParam<BoundaryCase> {
protected:
    // Offsets that put the picture's signature, then its end, across the
    // first read boundary, or every offset when blocks are small.
    std::set<size_t> Offsets(size_t pictureSize) const {
        size_t block = GetParam().blockSize;
        std::set<size_t> offsets;
        if (block < 100) {
            for (size_t offset = 0; offset < 2 * block + 6; ++offset) offsets.insert(offset);
            return offsets;
        }
        for (size_t offset = block - 6; offset <= block + 1; ++offset) offsets.insert(offset);
        if (pictureSize < block) {
            for (size_t end = block - 5; end <= block + 5; ++end) offsets.insert(end - pictureSize);
        }
        return offsets;
    }
};

TEST_P(ReadBoundaries, NeitherSignatureNorEndIsMissedOrCut) {
    TestFolder folder;
    std::string picture = Fixture(GetParam().picture);
    // A picture of the other kind right behind it must be found on its own.
    std::string other = IsPng(picture) ? Fixture("small.jpg") : Fixture("small.png");
    Files expected = IsPng(picture) ? Files{{"1.gif", picture}, {"1.jpg", other}}
                                    : Files{{"1.jpg", picture}, {"1.gif", other}};

    for (size_t offset : Offsets(picture.size())) {
        SCOPED_TRACE("picture at offset " + std::to_string(offset));
        fs::remove_all(OutputDirectory(folder));
        std::string document = DocumentBuilder()
                                   .FillTo(offset)
                                   .Add(picture)
                                   .AddFiller(3, 2)
                                   .Add(other)
                                   .AddFiller(9, 3)
                                   .Bytes();

        ScanOutcome outcome = ScanBytes(folder, document, GetParam().blockSize);

        ASSERT_EQ(outcome.files, expected);
        ASSERT_EQ(outcome.result.pictureCount, 2);
    }
}

INSTANTIATE_TEST_SUITE_P(SmallBlocks, ReadBoundaries,
                         ::testing::Values(BoundaryCase{16, "jfif-baseline.jpg"},
                                           BoundaryCase{16, "jfif-progressive.jpg"},
                                           BoundaryCase{16, "exif-thumbnail.jpg"},
                                           BoundaryCase{16, "text-chunk.png"},
                                           BoundaryCase{23, "small.jpg"},
                                           BoundaryCase{23, "small.png"}),
                         CaseName);

INSTANTIATE_TEST_SUITE_P(
    LargeBlocks, ReadBoundaries,
    ::testing::Values(BoundaryCase{1024, "small.jpg"}, BoundaryCase{1024, "small.png"},
                      BoundaryCase{1024, "exif-thumbnail.jpg"},
                      BoundaryCase{1024, "text-chunk.png"},
                      BoundaryCase{PictureScanner::kDefaultBlockSize, "small.jpg"},
                      BoundaryCase{PictureScanner::kDefaultBlockSize, "small.png"}),
    CaseName);

// --- The end is looked for from the signature on -------------------------

TEST(PictureEnds, SmallPicturesInOneBlockGetNoTrailingBytesAndAreAllFound) {
    TestFolder folder;
    std::string jpeg = Fixture("small.jpg");
    std::string png = Fixture("small.png");
    std::string document = DocumentBuilder()
                               .AddFiller(40)
                               .Add(jpeg)
                               .Add(png)  // right behind the JPEG's end
                               .Add(jpeg)
                               .AddFiller(2, 2)
                               .Add(png)
                               .AddFiller(500, 3)
                               .Bytes();

    ScanOutcome outcome = ScanBytes(folder, document, 1024);

    EXPECT_EQ(outcome.files,
              (Files{{"1.jpg", jpeg}, {"1.gif", png}, {"2.jpg", jpeg}, {"2.gif", png}}));
}

// --- The JPEG end follows the picture's structure ------------------------

TEST(JpegEnd, AThumbnailInsideApp1NeitherEndsThePictureNorIsFoundApart) {
    TestFolder folder;
    std::string picture = Fixture("exif-thumbnail.jpg");
    std::string thumbnailStart = "\xFF\xD8\xFF\xE0";
    size_t innerStart = picture.find(thumbnailStart, 2);
    ASSERT_NE(innerStart, std::string::npos) << "the fixture's thumbnail must be a JFIF picture";
    ASSERT_LT(picture.find(kJpegEnd, innerStart), picture.size() - 2);

    ScanOutcome outcome = ScanBytes(folder, Filler(700) + picture + Filler(700, 2), 1024);

    EXPECT_EQ(outcome.files, (Files{{"1.jpg", picture}}));
}

TEST(JpegEnd, ProgressiveScansAreFollowedToTheEnd) {
    TestFolder folder;
    std::string picture = Fixture("jfif-progressive.jpg");

    ScanOutcome outcome = ScanBytes(folder, Filler(100) + picture + Filler(100, 2));

    EXPECT_EQ(outcome.files, (Files{{"1.jpg", picture}}));
}

TEST(JpegEnd, GuardBytesNearTheEndDoNotMatter) {
    // "8B" and 00 38 right behind the end marker, in the same block.
    TestFolder folder;
    std::string picture = Fixture("small.jpg");
    std::string document =
        Filler(10) + picture + "8B\x00\x38" + Filler(30, 2) + picture + Filler(5, 3);

    ScanOutcome outcome = ScanBytes(folder, document, 1024);

    EXPECT_EQ(outcome.files, (Files{{"1.jpg", picture}, {"2.jpg", picture}}));
}

TEST(JpegEnd, StuffingRestartsFillBytesAndLaterSegmentsBelongToThePicture) {
    TestFolder folder;
    std::string picture = Fixture("small.jpg").substr(0, 20)            // start of image, APP0
                          + std::string("\xFF\xDD\x00\x04\x00\x01", 6)  // restart interval
                          + std::string("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10) +
                          std::string("\x12\xFF\x00\x34\xFF\xD0\x56\xFF\xFF\xD1\x78\xFF\x00", 13) +
                          std::string("\xFF\xDC\x00\x04\x00\x10", 6)  // number of lines
                          + std::string(
                                "\xFF\xFE\x00\x06"
                                "a\xFF\xD9"
                                "b",
                                8)  // comment holding an end marker
                          + std::string("\xFF\xFF\xFF\xD9", 4);

    ScanOutcome outcome = ScanBytes(folder, Filler(33) + picture + Filler(60, 2), 16);

    EXPECT_EQ(outcome.files, (Files{{"1.jpg", picture}}));
}

TEST(JpegEnd, ABrokenSegmentFallsBackToTheNextEndMarkerAfterIt) {
    // The comment's end marker lies before the point where the walk stops
    // (the byte 42 that cannot start a marker): the picture ends at the one after.
    TestFolder folder;
    std::string head = Fixture("small.jpg").substr(0, 20) +
                       std::string(
                           "\xFF\xFE\x00\x06"
                           "a\xFF\xD9"
                           "b",
                           8) +
                       "\x42";
    std::string tail = "no marker here" + kJpegEnd;
    std::string png = Fixture("small.png");

    ScanOutcome outcome = ScanBytes(folder, Filler(50) + head + tail + "after" + png, 16);

    EXPECT_EQ(outcome.files, (Files{{"1.jpg", head + tail}, {"1.gif", png}}));
}

TEST(JpegEnd, ASegmentLengthPastTheDocumentEndFallsBackToTheNextEndMarker) {
    TestFolder folder;
    std::string picture = Fixture("small.jpg").substr(0, 20) + std::string("\xFF\xE1\xFF\xF0", 4) +
                          "exif data" + kJpegEnd;
    std::string png = Fixture("small.png");

    ScanOutcome outcome = ScanBytes(folder, Filler(50) + picture + "\x01\x02" + png + "end", 16);

    EXPECT_EQ(outcome.files, (Files{{"1.jpg", picture}, {"1.gif", png}}));
}

// --- The PNG end follows the chunks --------------------------------------

TEST(PngEnd, IendInsideATextChunkDoesNotEndThePicture) {
    TestFolder folder;
    std::string picture = Fixture("text-chunk.png");
    ASSERT_LT(picture.find(kPngEnd), picture.size() - 12) << "the fixture's text must hold IEND";

    ScanOutcome outcome = ScanBytes(folder, Filler(1000) + picture + Filler(1000, 2), 1024);

    EXPECT_EQ(outcome.files, (Files{{"1.gif", picture}}));
}

TEST(PngEnd, ABrokenChunkFallsBackToTheNextIendAndFourBytes) {
    TestFolder folder;
    std::string png = Fixture("small.png");
    size_t afterHeader = 8 + 25;  // signature and IHDR chunk
    std::string broken = png.substr(0, afterHeader) + std::string(
                                                          "\x00\x00\x00\x0C"
                                                          "t?Xt"
                                                          "IEND1234"
                                                          "abcd",
                                                          20);  // not a chunk type
    std::string expected = broken.substr(0, broken.size() - 4);

    ScanOutcome outcome =
        ScanBytes(folder, Filler(20) + broken + png.substr(afterHeader) + "\x01", 16);

    EXPECT_EQ(outcome.files, (Files{{"1.gif", expected}}));
}

TEST(PngEnd, AChunkLengthPastTheDocumentEndFallsBackToTheNextIend) {
    TestFolder folder;
    std::string png = Fixture("small.png");
    std::string picture = png.substr(0, 33) +
                          std::string(
                              "\x00\x10\x00\x00"
                              "zTXt",
                              8) +
                          "IEND" + "CRC!";

    ScanOutcome outcome = ScanBytes(folder, Filler(20) + picture + "\x01\x02" + png + "\x03", 16);

    EXPECT_EQ(outcome.files, (Files{{"1.gif", picture}, {"2.gif", png}}));
}

// --- Documents that end inside a picture ---------------------------------

TEST(DocumentEnd, APictureCutShortHoldsTheRestAndEndsTheScan) {
    // The picture never ends, and nothing whole follows it: a PNG cut short
    // inside what follows it is not extracted on its own.
    TestFolder folder;
    std::string jpeg = Fixture("small.jpg");
    std::string cut = jpeg.substr(0, jpeg.size() - 40);
    std::string png = Fixture("small.png");
    std::string rest = Filler(30, 2) + png.substr(0, png.size() - 30) + Filler(30, 3);
    ASSERT_EQ(rest.find(kJpegEnd), std::string::npos);

    ScanOutcome outcome = ScanBytes(folder, Filler(10) + cut + rest, 1024);

    EXPECT_EQ(outcome.files, (Files{{"1.jpg", cut + rest}}));
    EXPECT_EQ(outcome.result.pictureCount, 1);
    EXPECT_TRUE(outcome.result.completed);
}

TEST(DocumentEnd, APngWhoseChecksumIsCutHoldsTheRest) {
    TestFolder folder;
    std::string png = Fixture("small.png");
    std::string cut = png.substr(0, png.size() - 2);

    for (size_t blockSize : {size_t{16}, PictureScanner::kDefaultBlockSize}) {
        SCOPED_TRACE("block size " + std::to_string(blockSize));
        fs::remove_all(OutputDirectory(folder));
        ScanOutcome outcome = ScanBytes(folder, Filler(10) + cut, blockSize);

        EXPECT_EQ(outcome.files, (Files{{"1.gif", cut}}));
        EXPECT_EQ(outcome.result.pictureCount, 1);
    }
}

}  // namespace
