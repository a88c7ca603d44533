// PictureKindWalkTest.cpp: GIF, BMP and EMF pictures in plain documents,
// written only when their structure proves them whole.
#include "PictureBytes.h"
#include "ScanTestSupport.h"

#include "recovery/pictures/PictureContent.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct PictureCase {
    const char* name;
    std::string picture;
    const char* file;  // its name when it is the first of its extension
};

std::vector<PictureCase> WholePictures() {
    BmpShape palette{5, 3, 8, 40, ""};
    BmpShape oldHeader{9, 4, 1, 12, ""};
    BmpShape topDown{3, -2, 32, 124, ""};
    return {{"gif", GifPicture(), "1.gif"},
            {"gif with long comment", GifPicture(Filler(700, 9)), "1.gif"},
            {"gif with a local colour table", GifPicture("local", true), "1.gif"},
            {"bmp", BmpPicture(), "1.bmp"},
            {"bmp with palette", BmpPicture(palette), "1.bmp"},
            {"bmp with old header", BmpPicture(oldHeader), "1.bmp"},
            {"bmp top down", BmpPicture(topDown), "1.bmp"},
            {"emf", EmfPicture(EmfComment(Filler(90, 8))), "1.emf"},
            {"emf with a header of 108 bytes", EmfPicture(EmfComment("abc"), 108), "1.emf"}};
}

std::string With32(std::string bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
    return bytes;
}

uint32_t Read32(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

// The first file name of the picture's kind, told by its first bytes.
std::string FileName(const std::string& picture) {
    return picture[0] == 'G' ? "1.gif" : picture[0] == 'B' ? "1.bmp" : "1.emf";
}

std::string Cut(const std::string& bytes, size_t drop) { return bytes.substr(0, bytes.size() - drop); }

std::vector<PictureCase> DamagedPictures() {
    std::string gif = GifPicture();
    std::string bmp = BmpPicture();
    uint32_t bmpSize = Read32(bmp, 2);
    std::string emf = EmfPicture(EmfComment("abc"));
    uint32_t emfSize = Read32(emf, 48);
    uint32_t emfRecords = Read32(emf, 52);
    std::string emfNoEnd = With32(emf, emf.size() - 20, 70);  // the end record made a comment
    return {{"gif without trailer", Cut(gif, 1) + "\x21", nullptr},
            {"gif with a broken block", gif.substr(0, 19) + "\x2B" + gif.substr(20), nullptr},
            {"gif without an image", gif.substr(0, 19) + "\x3B", nullptr},
            {"bmp file size short of its pixels", With32(bmp, 2, bmpSize - 4), nullptr},
            {"bmp pixels behind the file's end", With32(bmp, 10, bmpSize + 1), nullptr},
            {"bmp pixels inside the headers", With32(bmp, 10, 40), nullptr},
            {"emf size beyond its records", With32(emf, 48, emfSize + 4) + "\0\0\0\0", nullptr},
            {"emf size short of its records", With32(emf, 48, emfSize - 20), nullptr},
            {"emf record count wrong", With32(emf, 52, emfRecords + 1), nullptr},
            {"emf without end record", emfNoEnd, nullptr}};
}

// --- Whole pictures, wherever the reads cut them ---------------------------

TEST(PictureKindWalk, WholePicturesAreWrittenWhereverTheReadsCutThem) {
    TestFolder folder;
    std::string jpeg = Fixture("small.jpg");
    for (const PictureCase& whole : WholePictures()) {
        for (size_t blockSize : {size_t{16}, size_t{23}, size_t{1024}}) {
            std::vector<size_t> offsets;
            if (blockSize < 100) {
                for (size_t offset = 0; offset < 2 * blockSize + 6; ++offset) offsets.push_back(offset);
            } else {
                for (size_t offset = blockSize - 50; offset <= blockSize + 2; ++offset)
                    offsets.push_back(offset);
            }
            for (size_t offset : offsets) {
                SCOPED_TRACE(std::string(whole.name) + " at " + std::to_string(offset) +
                             " in blocks of " + std::to_string(blockSize));
                fs::remove_all(OutputDirectory(folder));
                std::string document = DocumentBuilder()
                                           .FillTo(offset)
                                           .Add(whole.picture)
                                           .AddFiller(3, 2)
                                           .Add(jpeg)
                                           .AddFiller(9, 3)
                                           .Bytes();

                ScanOutcome outcome = ScanBytes(folder, document, blockSize);

                ASSERT_EQ(outcome.files, (Files{{whole.file, whole.picture}, {"1.jpg", jpeg}}));
            }
        }
    }
}

TEST(PictureKindWalk, EachExtensionNumberedOnItsOwnAndGifSharesPngNumbers) {
    TestFolder folder;
    std::string png = Fixture("small.png");
    std::string jpeg = Fixture("small.jpg");
    std::string gif = GifPicture();
    std::string otherGif = GifPicture("another");
    std::string bmp = BmpPicture();
    std::string emf = EmfPicture("");
    std::string document = DocumentBuilder()
                               .Add(png)
                               .AddFiller(30)
                               .Add(gif)
                               .Add(bmp)
                               .AddFiller(20, 2)
                               .Add(emf)
                               .Add(jpeg)
                               .Add(otherGif)
                               .Add(bmp)
                               .AddFiller(7, 3)
                               .Bytes();

    ScanOutcome outcome = ScanBytes(folder, document);

    EXPECT_EQ(outcome.files, (Files{{"1.gif", png},
                                    {"2.gif", gif},
                                    {"1.bmp", bmp},
                                    {"1.emf", emf},
                                    {"1.jpg", jpeg},
                                    {"3.gif", otherGif},
                                    {"2.bmp", bmp}}));
    EXPECT_EQ(outcome.result.pictureCount, 7);
}

// --- Damaged pictures are not written ---------------------------------------

TEST(PictureKindWalk, DamagedPicturesAreNotWrittenAndTheScanGoesOn) {
    TestFolder folder;
    std::string jpeg = Fixture("small.jpg");
    for (const PictureCase& damaged : DamagedPictures()) {
        for (size_t blockSize : {size_t{16}, PictureScanner::kDefaultBlockSize}) {
            SCOPED_TRACE(std::string(damaged.name) + " in blocks of " + std::to_string(blockSize));
            fs::remove_all(OutputDirectory(folder));
            std::string document = Filler(100) + damaged.picture + Filler(40, 2) + jpeg;

            ScanOutcome outcome = ScanBytes(folder, document, blockSize);

            EXPECT_EQ(outcome.files, (Files{{"1.jpg", jpeg}}));
            EXPECT_TRUE(outcome.result.completed);
        }
    }
}

TEST(PictureKindWalk, APictureThatEndsTheDocumentIsWrittenOnlyWhole) {
    // Within a document a picture cut short runs on over the bytes after it;
    // only at the document's end is it surely short.
    TestFolder folder;
    for (const PictureCase& whole : WholePictures()) {
        for (size_t cut : {size_t{0}, size_t{1}, size_t{4}, whole.picture.size() / 2}) {
            SCOPED_TRACE(std::string(whole.name) + " without its last " + std::to_string(cut));
            fs::remove_all(OutputDirectory(folder));

            ScanOutcome outcome = ScanBytes(folder, Filler(100) + Cut(whole.picture, cut), 16);

            Files expected;
            if (cut == 0) expected[whole.file] = whole.picture;
            EXPECT_EQ(outcome.files, expected);
            EXPECT_TRUE(outcome.result.completed);
        }
    }
}

// --- A picture inside another stays inside it --------------------------------

TEST(PictureKindWalk, APictureInsideAWholeOneStaysInsideIt) {
    TestFolder folder;
    std::string jpeg = Fixture("small.jpg");
    std::string png = Fixture("small.png");
    BmpShape jpegPixels;
    jpegPixels.width = 40;
    jpegPixels.height = 4;
    jpegPixels.pixels = jpeg;
    std::string emf = EmfPicture(EmfComment(jpeg));
    std::string damagedEmf = With32(emf, 52, Read32(emf, 52) + 1);
    struct Nesting {
        const char* name;
        std::string outer;
        Files written;
    } nestings[] = {
        {"jpeg in an emf comment", EmfPicture(EmfComment(jpeg) + EmfComment(png)), {}},
        {"png in a gif comment", GifPicture(png), {}},
        {"jpeg in bmp pixels", BmpPicture(jpegPixels), {}},
        {"gif in an emf comment", EmfPicture(EmfComment(GifPicture())), {}},
        // A damaged picture is none: what it holds is found on its own.
        {"jpeg in a damaged emf", damagedEmf, {{"1.jpg", jpeg}}},
    };
    for (const Nesting& nesting : nestings) {
        SCOPED_TRACE(nesting.name);
        fs::remove_all(OutputDirectory(folder));
        Files expected = nesting.written;
        if (expected.empty()) expected[FileName(nesting.outer)] = nesting.outer;

        ScanOutcome outcome = ScanBytes(folder, Filler(60) + nesting.outer + Filler(60, 2), 64);

        EXPECT_EQ(outcome.files, expected);
    }
}

TEST(PictureKindWalk, AnEmfSignatureWhoseStartLiesBeforeTheDocumentIsNoPicture) {
    // The signature 40 bytes in: the header would start before the first byte.
    TestFolder folder;
    std::string emf = EmfPicture("");

    ScanOutcome outcome = ScanBytes(folder, emf.substr(10) + Filler(30), 16);

    EXPECT_TRUE(outcome.files.empty());
    EXPECT_TRUE(outcome.result.completed);
}

// --- The walks inside a record that pads the picture ---------------------------

TEST(PictureKindWalk, ARecordsPictureEndsWhereItsWalkEndsOrAtTheRecordsEnd) {
    struct WalkCase {
        PictureKind kind;
        std::string whole;
    } walks[] = {{PictureKind::Gif, GifPicture()},
                 {PictureKind::Bmp, BmpPicture()},
                 {PictureKind::Emf, EmfPicture(EmfComment("x"))}};
    for (const WalkCase& walk : walks) {
        SCOPED_TRACE(KindName(walk.kind));
        const uint64_t at = 37;
        const uint64_t size = walk.whole.size();
        MemorySource padded(Filler(at) + walk.whole + walk.whole);
        MemorySource cut(Filler(at) + walk.whole.substr(0, size - 1));
        bool whole = false;

        EXPECT_EQ(PictureEndInRecord(padded, walk.kind, at, at + 2 * size, &whole), at + size);
        EXPECT_TRUE(whole);
        EXPECT_EQ(PictureEndInRecord(padded, walk.kind, at + 1, at + 2 * size, &whole), at + 2 * size);
        EXPECT_FALSE(whole);
        EXPECT_EQ(PictureEndInRecord(cut, walk.kind, at, at + size - 1, &whole), at + size - 1);
        EXPECT_FALSE(whole);
    }
}

}  // namespace
