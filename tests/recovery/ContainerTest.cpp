// ContainerTest.cpp: crafted and damaged containers: pictures whole, each
// once, numbered by place, and never fewer than the plain bytes give.
#include "CompoundFileBuilder.h"
#include "ContainerBytes.h"
#include "PictureBytes.h"
#include "ScanTestSupport.h"
#include "ZipBuilder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// What the plain byte scan alone finds in the same bytes: the first byte
// spoilt, no container is recognised. Scanned into the folder's output
// directory, which is emptied before and after.
ScanOutcome PlainScan(const TestFolder& folder, const std::string& bytes) {
    fs::remove_all(OutputDirectory(folder));
    std::string plain = bytes;
    plain[0] = static_cast<char>(plain[0] ^ 0x20);
    ScanOutcome outcome = ScanBytes(folder, plain);
    fs::remove_all(OutputDirectory(folder));
    return outcome;
}

int PlainScanCount(const TestFolder& folder, const std::string& bytes) {
    return PlainScan(folder, bytes).result.pictureCount;
}

uint32_t Le32At(const std::string& bytes, size_t at) {
    return static_cast<uint8_t>(bytes[at]) | (static_cast<uint8_t>(bytes[at + 1]) << 8) |
           (static_cast<uint8_t>(bytes[at + 2]) << 16) |
           (uint32_t{static_cast<uint8_t>(bytes[at + 3])} << 24);
}

// --- ZIP packages ---------------------------------------------------------

TEST(ZipPackage, StoredAndDeflatedEntriesOnceEachInTheOrderOfTheirPlaces) {
    // The stored JPEG is also seen by the plain scan; the JPEG behind the
    // archive only by it.
    TestFolder folder;
    std::string archive =
        ZipBuilder()
            .Deflated("word/document.xml", "<w:document>" + Filler(3000) + "</w:document>")
            .Deflated("word/media/image1.png", Fixture("text-chunk.png"))
            .Stored("word/media/image2.jpeg", Fixture("jfif-baseline.jpg"))
            .Deflated("word/media/image3.jpeg", Fixture("exif-thumbnail.jpg"))
            .Deflated("word/media/image4.jpeg", Fixture("app1-first.jpg"))
            .Bytes();

    ScanOutcome outcome =
        ScanBytes(folder, archive + Filler(100) + Fixture("small.jpg") + Filler(10, 2));

    EXPECT_EQ(outcome.files, (Files{{"1.gif", Fixture("text-chunk.png")},
                                    {"1.jpg", Fixture("jfif-baseline.jpg")},
                                    {"2.jpg", Fixture("exif-thumbnail.jpg")},
                                    {"3.jpg", Fixture("app1-first.jpg")},
                                    {"4.jpg", Fixture("small.jpg")}}));
    EXPECT_EQ(outcome.result.pictureCount, 5);
}

TEST(ZipPackage, DataDescriptorsAndZip64SizesWithOrWithoutTheCentralDirectory) {
    Files expected{{"1.jpg", Fixture("jfif-progressive.jpg")}, {"1.gif", Fixture("small.png")}};
    for (bool zip64 : {false, true}) {
        ZipBuilder builder(zip64);
        builder.Deflated("a.jpeg", Fixture("jfif-progressive.jpg"), true)
            .Deflated("b.png", Fixture("small.png"), true);
        for (bool cut : {false, true}) {
            SCOPED_TRACE(std::string(zip64 ? "ZIP64" : "ZIP") +
                         (cut ? ", cut before the directory" : ""));
            TestFolder folder;
            ScanOutcome outcome = ScanBytes(folder, cut ? builder.LocalEntries() : builder.Bytes());
            EXPECT_EQ(outcome.files, expected);
        }
    }
}

TEST(ZipPackage, DamagedCentralDirectoryFallsBackToTheLocalHeaders) {
    TestFolder folder;
    ZipBuilder builder;
    builder.Deflated("1.png", Fixture("text-chunk.png")).Deflated("2.jpeg", Fixture("small.jpg"));
    std::string archive = builder.Bytes();
    archive[builder.CentralDirectoryOffset() + 2] = 'X';

    ScanOutcome outcome = ScanBytes(folder, archive);

    EXPECT_EQ(outcome.files,
              (Files{{"1.gif", Fixture("text-chunk.png")}, {"1.jpg", Fixture("small.jpg")}}));
}

TEST(ZipPackage, ArchiveCutInsideAnEntryKeepsTheEntriesBeforeIt) {
    TestFolder folder;
    std::string archive = ZipBuilder()
                              .Deflated("1.jpeg", Fixture("jfif-baseline.jpg"))
                              .Stored("2.png", Fixture("text-chunk.png"))
                              .Deflated("3.jpeg", Fixture("jfif-progressive.jpg"))
                              .LocalEntries();
    std::string cut = archive.substr(0, archive.size() - 1000);

    ScanOutcome outcome = ScanBytes(folder, cut);

    EXPECT_EQ(outcome.files.at("1.jpg"), Fixture("jfif-baseline.jpg"));
    EXPECT_EQ(outcome.files.at("1.gif"), Fixture("text-chunk.png"));
    EXPECT_GE(outcome.result.pictureCount, PlainScanCount(folder, cut));
}

TEST(ZipPackage, AnEntryInflatingFarBeyondItsSizeIsSearchedNoFurtherThanPlausible) {
    // A picture at its start is found; one behind tens of megabytes of
    // zeros is not looked for.
    TestFolder folder;
    std::string bomb = Fixture("small.jpg") + std::string(40 << 20, '\0') + Fixture("small.png");
    std::string archive = ZipBuilder()
                              .Deflated("bomb.bin", bomb)
                              .Stored("after.png", Fixture("text-chunk.png"))
                              .Bytes();
    ASSERT_LT(archive.size(), 200000u);

    ScanOutcome outcome = ScanBytes(folder, archive);

    EXPECT_EQ(outcome.files,
              (Files{{"1.jpg", Fixture("small.jpg")}, {"1.gif", Fixture("text-chunk.png")}}));
}

// Packages stored and deflated in turn, the picture deflated in the innermost.
std::string NestedArchive(int levels, const std::string& picture) {
    std::string inner = ZipBuilder().Deflated("picture.jpeg", picture).Bytes();
    for (int level = 1; level < levels; ++level) {
        std::string name = "embeddings/package" + std::to_string(level) + ".zip";
        inner = level % 2 == 1 ? ZipBuilder().Deflated(name, inner).Bytes()
                               : ZipBuilder().Stored(name, inner).Bytes();
    }
    return inner;
}

TEST(ZipPackage, PackagesInsidePackagesAreOpenedToAFixedDepth) {
    std::string picture = Fixture("jfif-baseline.jpg");
    for (int levels = 1; levels <= 3; ++levels) {
        SCOPED_TRACE(std::to_string(levels) + " levels");
        TestFolder folder;
        EXPECT_EQ(ScanBytes(folder, NestedArchive(levels, picture)).files,
                  (Files{{"1.jpg", picture}}));
    }
    TestFolder folder;
    EXPECT_EQ(ScanBytes(folder, NestedArchive(6, picture)).result.pictureCount, 0);
}

// --- RTF ------------------------------------------------------------------

TEST(RtfDocument, HexadecimalAndBinaryPictureDataWithoutTheNestedGroups) {
    TestFolder folder;
    std::string jpeg = Fixture("small.jpg");
    std::string png = Fixture("small.png");
    std::string hex = RtfHex(jpeg);
    // The picture's unique id is hexadecimal too, in a group of its own.
    std::string rtf =
        "{\\rtf1\\ansi Text before {\\*\\shppict{\\pict{\\*\\picprop{\\sp{\\sn wzName}{\\sv "
        "ffd8ffe000}}}\\picw10\\pich-5\\jpegblip\\bliptag-42{\\*\\blipuid "
        "ffd8ffe0001a2b3c4d5e6f708192a3b4}\r\n" +
        hex + "}}\\par more text {\\pict\\pngblip\\bin" + std::to_string(png.size()) + " " + png +
        "}\\par}";

    ScanOutcome outcome = ScanBytes(folder, rtf);

    EXPECT_EQ(outcome.files, (Files{{"1.jpg", jpeg}, {"1.gif", png}}));
}

TEST(RtfDocument, AnEmbeddedObjectsPackageBehindItsObjectHeader) {
    TestFolder folder;
    std::string picture = Fixture("jfif-progressive.jpg");
    std::string package = ZipBuilder().Deflated("xl/media/image1.jpeg", picture).Bytes();
    std::string rtf = RtfPackageObject(package);

    ScanOutcome outcome = ScanBytes(folder, rtf);

    EXPECT_EQ(outcome.files, (Files{{"1.jpg", picture}}));
}

// --- Compound files -------------------------------------------------------

TEST(CompoundFile, StreamsAndTheMiniStreamFollowedAlongTheirChainsNumberedByPlace) {
    // Sectors stored back to front: the second JPEG of the stream starts
    // earlier in the file than the first, and no picture lies in one piece.
    TestFolder folder;
    std::string first = Fixture("jfif-baseline.jpg");
    std::string second = Fixture("jfif-progressive.jpg");
    std::string file =
        CompoundFileBuilder()
            .Stream("Data", Filler(700) + first + Filler(300, 2) + second + Filler(100, 3))
            .Stream("Small", Fixture("small.jpg") + Filler(50, 4) + Fixture("small.png"))
            .Bytes();
    Files expected{{"1.jpg", second},
                   {"2.jpg", first},
                   {"3.jpg", Fixture("small.jpg")},
                   {"1.gif", Fixture("small.png")}};
    for (const auto& [name, picture] : PlainScan(folder, file).files) {
        for (const auto& [expectedName, whole] : expected)
            ASSERT_NE(picture, whole) << "the plain bytes hold " << expectedName << " whole";
    }

    ScanOutcome outcome = ScanBytes(folder, file);

    EXPECT_EQ(outcome.files, expected);
}

TEST(CompoundFile, ATableBeyondTheHeaderIsFoundThroughTheDifatChain) {
    TestFolder folder;
    std::string picture = Fixture("jfif-progressive.jpg");
    std::string file =
        CompoundFileBuilder().Stream("Big", Filler(8 << 20) + picture + Filler(900, 2)).Bytes();
    ASSERT_GT(Le32At(file, 72), 0u) << "the file must need DIFAT sectors";

    ScanOutcome outcome = ScanBytes(folder, file);

    EXPECT_EQ(outcome.files, (Files{{"1.jpg", picture}}));
}

TEST(CompoundFile, ALoopingOrSpoiltAllocationTableGivesNoFewerThanThePlainBytes) {
    std::string word = Document("word97.doc");
    size_t fatSector = (Le32At(word, 76) + 1) * 512;

    std::string spoilt = word;
    spoilt.replace(fatSector, 512, std::string(512, '\xFF'));
    std::string looping = word;
    for (size_t entry = 0; entry < 128; ++entry) {
        uint32_t self = static_cast<uint32_t>(entry);
        for (int i = 0; i < 4; ++i)
            looping[fatSector + 4 * entry + i] = static_cast<char>(self >> (8 * i));
    }
    for (const std::string* document : {&spoilt, &looping}) {
        TestFolder folder;
        ScanOutcome outcome = ScanBytes(folder, *document);
        EXPECT_GE(outcome.result.pictureCount, PlainScanCount(folder, *document));
        EXPECT_TRUE(outcome.result.completed);
    }
}

// --- Damaged compound files ------------------------------------------------

// A Word-like file: a JPEG's picture record and a deflated metafile's in
// a big stream, and a PNG in the mini stream. Laid out in order, the JPEG
// lies whole in the file; laid out back to front, only the tables join it.
// The metafile only its record tells.
std::string DamageableEmf() { return EmfPicture(EmfComment(std::string(3000, 'm'))); }

std::string DamageableFile(bool inOrder) {
    CompoundFileBuilder builder;
    if (inOrder) builder.InOrder();
    return builder.Stream("WordDocument", Filler(2000))
        .Stream("Data", Filler(1500) + BlipRecord({BlipKind::Jpeg, Fixture("jfif-progressive.jpg")}) +
                            BlipRecord({BlipKind::Emf, DamageableEmf(), true}) + Filler(700, 2))
        .Stream("Small", Fixture("small.png") + Filler(200, 3))
        .Bytes();
}

size_t SectorOffset(uint32_t sector) { return (size_t{sector} + 1) * 512; }

void Put32(std::string& bytes, size_t at, uint32_t value) { bytes.replace(at, 4, Le(value, 4)); }

// The Data stream's directory entry: root, WordDocument, then Data.
size_t DataEntry(const std::string& file) { return SectorOffset(Le32At(file, 48)) + 2 * 128; }

// Sets the allocation table's link from the Data stream's sector in the
// middle of its JPEG.
void SetDataLink(std::string& file, uint32_t value) {
    const size_t table = SectorOffset(Le32At(file, 76));
    uint32_t sector = Le32At(file, DataEntry(file) + 116);
    for (int step = 0; step < 6; ++step) sector = Le32At(file, table + 4 * sector);
    Put32(file, table + 4 * sector, value);
}

struct Damage {
    const char* name;
    bool inOrder;
    void (*apply)(std::string& file);
};

void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.name; }

const Damage kTableDamages[] = {
    {"LinkFree", true, [](std::string& f) { SetDataLink(f, kCompoundFree); }},
    {"LinkEndsEarly", true, [](std::string& f) { SetDataLink(f, kCompoundEndOfChain); }},
    {"LinkLoopsBack", true, [](std::string& f) { SetDataLink(f, Le32At(f, DataEntry(f) + 116) + 1); }},
    {"LinkOutsideTheFile", true, [](std::string& f) { SetDataLink(f, 0x00FFFF00); }},
    {"DifatNamesTheDirectory", false, [](std::string& f) { Put32(f, 76, Le32At(f, 48)); }},
    {"SignatureSpoilt", false, [](std::string& f) { f[0] = 'x'; }},
    {"HeaderFieldsSpoilt", false, [](std::string& f) { f.replace(28, 8, std::string(8, '\xFF')); }},
    {"HeaderZeroed", false, [](std::string& f) { f.replace(0, 512, std::string(512, '\0')); }},
    {"DirectoryFirstSectorZeroed", true,
     [](std::string& f) { f.replace(SectorOffset(Le32At(f, 48)), 512, std::string(512, '\0')); }},
    {"EntryStartsMidChain", false,
     [](std::string& f) { Put32(f, DataEntry(f) + 116, Le32At(f, DataEntry(f) + 116) - 3); }},
    {"EntrySizeTooSmall", false, [](std::string& f) { Put32(f, DataEntry(f) + 120, 100); }},
    {"EntrySizeTooLarge", false, [](std::string& f) { Put32(f, DataEntry(f) + 120, 60000); }},
    {"CutBeforeItsDirectoryAndTable", true, [](std::string& f) { f.resize(SectorOffset(Le32At(f, 48))); }},
    {"MiniTableZeroed", true,
     [](std::string& f) { f.replace(SectorOffset(Le32At(f, 60)), 512, std::string(512, '\0')); }},
};

class DamagedTables : public ::testing::TestWithParam<Damage> {};

// Damage to the tables alone leaves every byte of every picture in the
// file: each comes out whole, and nothing else does.
TEST_P(DamagedTables, GiveEveryPictureWholeAndNoPieces) {
    TestFolder folder;
    std::string file = DamageableFile(GetParam().inOrder);
    GetParam().apply(file);

    ScanOutcome outcome = ScanBytes(folder, file);

    EXPECT_EQ(outcome.files, (Files{{"1.jpg", Fixture("jfif-progressive.jpg")},
                                    {"1.emf", DamageableEmf()},
                                    {"1.gif", Fixture("small.png")}}));
}

INSTANTIATE_TEST_SUITE_P(CompoundFile, DamagedTables, ::testing::ValuesIn(kTableDamages),
                         [](const ::testing::TestParamInfo<Damage>& info) { return info.param.name; });

// Laid out back to front, a broken link leaves no sure way on: the JPEG
// ends at the break, a cut, and no foreign sector is joined to it.
TEST(DamagedTables, APictureAcrossABrokenLinkIsCutThereNotJoinedToForeignBytes) {
    TestFolder folder;
    std::string file = DamageableFile(false);
    SetDataLink(file, kCompoundFree);
    const std::string jpeg = Fixture("jfif-progressive.jpg");

    ScanOutcome outcome = ScanBytes(folder, file);

    ASSERT_EQ(outcome.files.count("1.jpg"), 1u);
    const std::string& cut = outcome.files["1.jpg"];
    EXPECT_LT(cut.size(), jpeg.size());
    EXPECT_EQ(cut, jpeg.substr(0, cut.size()));
    EXPECT_EQ(outcome.result.cutCount, 1);
    EXPECT_EQ(outcome.files.count("2.jpg"), 0u);
}

// Documents cut short or with bytes overwritten anywhere: the scan ends and
// gives at least what the plain bytes give.
TEST(DamagedDocuments, NeverGiveFewerPicturesThanThePlainBytes) {
    for (const char* name :
         {"word97.doc", "excel97.xls", "word.docx", "writer.odt", "rtf-named.doc"}) {
        std::string original = Document(name);
        std::mt19937 random(7);
        for (int round = 0; round < 6; ++round) {
            std::string damaged = original;
            if (round % 2 == 0) {
                damaged.resize(random() % original.size() + 1);
            } else {
                for (int i = 0; i < 40; ++i)
                    damaged[random() % damaged.size()] = static_cast<char>(random());
            }
            damaged[0] = original[0];
            SCOPED_TRACE(std::string(name) + " round " + std::to_string(round));
            TestFolder folder;
            ScanOutcome outcome = ScanBytes(folder, damaged);
            EXPECT_GE(outcome.result.pictureCount, PlainScanCount(folder, damaged));
        }
    }
}

}  // namespace
