// BrokenPictureTest.cpp: pictures cut short or damaged never take the whole
// pictures behind them along.
#include "ScanTestSupport.h"

#include <gtest/gtest.h>

#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

enum class Kind { Jpeg, Png };

const char* Extension(Kind kind) { return kind == Kind::Jpeg ? ".jpg" : ".gif"; }

// Cut inside the entropy-coded data, or inside the image data chunk: what a
// failing disk leaves of a picture.
std::string CutPicture(Kind kind) {
    std::string whole = Fixture(kind == Kind::Jpeg ? "jfif-baseline.jpg" : "text-chunk.png");
    return whole.substr(0, whole.size() * 3 / 5);
}

std::string WholePicture(Kind kind) {
    return Fixture(kind == Kind::Jpeg ? "jfif-progressive.jpg" : "small.png");
}

// Filler in which no end marker of either kind lies, so that the cut picture
// can end nowhere before the next picture.
std::string FillerWithoutEnds(size_t size, unsigned seed) {
    std::string bytes = Filler(size, seed);
    for (size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == '\xFF' && bytes[i + 1] == '\xD9') bytes[i + 1] = 'y';
        if (bytes.compare(i, 4, "IEND") == 0) bytes[i] = 'i';
    }
    return bytes;
}

struct CutCase {
    size_t blockSize;
    Kind cut;
    Kind next;
};

std::string CaseName(const ::testing::TestParamInfo<CutCase>& info) {
    auto name = [](Kind kind) {
        return kind == Kind::Jpeg ? std::string("Jpeg") : std::string("Png");
    };
    return "Cut" + name(info.param.cut) + "Before" + name(info.param.next) + "InBlocksOf" +
           std::to_string(info.param.blockSize);
}

class CutPictures : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutPictures, EndWhereTheNextWholePictureStarts) {
    const size_t block = GetParam().blockSize;
    const Kind cutKind = GetParam().cut;
    const Kind nextKind = GetParam().next;
    const Kind lastKind = nextKind == Kind::Jpeg ? Kind::Png : Kind::Jpeg;
    const std::string cut = CutPicture(cutKind);
    const std::string next = WholePicture(nextKind);
    const std::string last = WholePicture(lastKind);
    const size_t cutStart = 100;
    // The next picture on either side of a read boundary, and in mid-block.
    const size_t boundary = (cutStart + cut.size() + 40 + block - 1) / block * block;
    TestFolder folder;

    for (size_t nextStart : {boundary - 1, boundary, boundary + 1, boundary + block / 2}) {
        SCOPED_TRACE("next picture at offset " + std::to_string(nextStart));
        fs::remove_all(OutputDirectory(folder));
        std::string document = DocumentBuilder()
                                   .AddFiller(cutStart)
                                   .Add(cut)
                                   .Add(FillerWithoutEnds(nextStart - cutStart - cut.size(), 2))
                                   .Add(next)
                                   .AddFiller(7, 3)
                                   .Add(last)
                                   .AddFiller(300, 4)
                                   .Bytes();

        ScanOutcome outcome = ScanBytes(folder, document, block);

        Files expected;
        expected[std::string("1") + Extension(cutKind)] =
            document.substr(cutStart, nextStart - cutStart);
        expected[std::string(cutKind == nextKind ? "2" : "1") + Extension(nextKind)] = next;
        expected[std::string(cutKind == lastKind ? "2" : "1") + Extension(lastKind)] = last;
        ASSERT_EQ(outcome.files, expected);
        EXPECT_EQ(outcome.result.pictureCount, 3);
        EXPECT_TRUE(outcome.result.completed);
    }
}

// Small blocks make the scan take back bytes already written; the default
// block holds the whole document.
INSTANTIATE_TEST_SUITE_P(
    AnyBlockSize, CutPictures,
    ::testing::Values(CutCase{64, Kind::Jpeg, Kind::Png}, CutCase{64, Kind::Png, Kind::Jpeg},
                      CutCase{1024, Kind::Jpeg, Kind::Jpeg}, CutCase{1024, Kind::Png, Kind::Png},
                      CutCase{PictureScanner::kDefaultBlockSize, Kind::Jpeg, Kind::Png},
                      CutCase{PictureScanner::kDefaultBlockSize, Kind::Png, Kind::Jpeg}),
    CaseName);

TEST(CutPictures, AThumbnailInsideACutPictureStaysInIt) {
    // The picture is cut in its scan data, after the segment that holds the
    // thumbnail: the thumbnail is its own, and the picture runs on to the next.
    TestFolder folder;
    std::string picture = Fixture("exif-thumbnail.jpg");
    std::string cut = picture.substr(0, picture.size() - 200);
    std::string png = WholePicture(Kind::Png);
    std::string document = Filler(30) + cut + FillerWithoutEnds(90, 2) + png + Filler(20, 3);

    ScanOutcome outcome = ScanBytes(folder, document, 1024);

    EXPECT_EQ(outcome.files,
              (Files{{"1.jpg", document.substr(30, cut.size() + 90)}, {"1.gif", png}}));
}

TEST(CutPictures, ScanDataRunningOnDoesNotJumpIntoALaterPicture) {
    // Behind the cut, FF DA looks like the start of a scan whose length lands
    // on the next picture's own scan; but its component count does not fit
    // that length, so the cut picture does not run on to the next one's end.
    TestFolder folder;
    std::string cut = CutPicture(Kind::Jpeg);
    std::string next = WholePicture(Kind::Jpeg);
    size_t nextScan = next.find("\xFF\xDA");
    ASSERT_NE(nextScan, std::string::npos);
    std::string gap = FillerWithoutEnds(60, 2);
    size_t length = gap.size() - 2 + nextScan;
    gap.replace(0, 5,
                std::string{'\xFF', '\xDA', static_cast<char>(length >> 8),
                            static_cast<char>(length & 0xFF), '\x77'});
    std::string document = Filler(10) + cut + gap + next + Filler(10, 3);

    ScanOutcome outcome = ScanBytes(folder, document, 1024);

    EXPECT_EQ(outcome.files, (Files{{"1.jpg", cut + gap}, {"2.jpg", next}}));
}

// --- Restart markers ----------------------------------------------------

TEST(RestartMarkers, EachOfTheEightBelongsToTheScanData) {
    // A comment after the scan holds an end marker: a restart marker taken
    // for anything else breaks the walk, and the picture would end there.
    std::string head = Fixture("small.jpg").substr(0, 20) +
                       std::string("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10);
    std::string tail = std::string(
        "\x34\x56\xFF\xFE\x00\x06"
        "a\xFF\xD9"
        "b\xFF\xD9",
        12);
    std::string png = WholePicture(Kind::Png);

    for (int restart = 0; restart < 8; ++restart) {
        SCOPED_TRACE("restart marker " + std::to_string(restart));
        TestFolder folder;
        std::string marker = {'\xFF', static_cast<char>(0xD0 + restart)};
        std::string picture = head + "\x12" + marker + tail;

        ScanOutcome outcome = ScanBytes(folder, Filler(20) + picture + Filler(40, 2) + png, 16);

        EXPECT_EQ(outcome.files, (Files{{"1.jpg", picture}, {"1.gif", png}}));
    }
}

// --- A pipe gives what a file gives -------------------------------------

#ifndef _WIN32
Files ScanFromPipe(const TestFolder& folder, const std::string& document) {
    fs::path pipe = folder / "document.pipe";
    if (mkfifo(pipe.c_str(), 0600) != 0) throw std::runtime_error("cannot make a pipe");
    std::thread writer([&] { WriteBytes(pipe, document); });
    RecordingReporter reporter;
    ScanResult result = ScanDocument(pipe.string(), (folder / "from-pipe").string(), reporter);
    writer.join();
    EXPECT_TRUE(result.completed);
    EXPECT_TRUE(reporter.messages.empty());
    return FilesIn(folder / "from-pipe");
}

TEST(StreamOfUnknownLength, GivesThePicturesOfTheSameBytesInAFile) {
    // A segment length past the document's end, a JPEG opening with another
    // segment (checked by reading ahead), and cut pictures of both kinds.
    std::string badLength = Fixture("small.jpg").substr(0, 20) +
                            std::string("\xFF\xE1\xFF\xF0", 4) + "exif data\xFF\xD9";
    std::string document = DocumentBuilder()
                               .AddFiller(50)
                               .Add(badLength)
                               .AddFiller(9, 2)
                               .Add(WholePicture(Kind::Png))
                               .AddFiller(700, 3)
                               .Add(Fixture("app1-first.jpg"))
                               .Add(CutPicture(Kind::Png))
                               .Add(FillerWithoutEnds(30, 4))
                               .Add(WholePicture(Kind::Jpeg))
                               .Add(CutPicture(Kind::Jpeg))
                               .Bytes();
    TestFolder folder;

    Files fromPipe = ScanFromPipe(folder, document);
    ScanOutcome fromFile = ScanBytes(folder, document);

    EXPECT_EQ(fromPipe, fromFile.files);
    EXPECT_EQ(fromFile.files.size(), 6u);
    EXPECT_EQ(fromFile.files["1.jpg"], badLength);
    EXPECT_EQ(fromFile.files["1.gif"], WholePicture(Kind::Png));
}
#endif

}  // namespace
