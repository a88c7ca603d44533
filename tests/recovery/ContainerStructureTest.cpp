// ContainerStructureTest.cpp: the structures that office suites write into
// real documents and small crafted ones lack: 4096-byte sectors, streams on
// either side of the mini stream's cutoff, a second DIFAT sector, a drawing
// group in two records, ZIP64 sizes in the local headers, and entries holding
// more than one picture.
#include "CompoundFileBuilder.h"
#include "ContainerBytes.h"
#include "ScanTestSupport.h"
#include "ZipBuilder.h"

#include <gtest/gtest.h>

namespace {

struct StructureCase {
    std::string structure;
    std::string document;
    Files expected;
};

// Every picture whole and nothing else written. None of them lies whole in
// the plain bytes, so only the container's reading can give it.
void ExpectEveryPicture(const StructureCase& structureCase) {
    SCOPED_TRACE(structureCase.structure);
    for (const auto& [name, picture] : structureCase.expected)
        ASSERT_EQ(structureCase.document.find(picture), std::string::npos) << name;
    TestFolder folder;
    ScanOutcome outcome = ScanBytes(folder, structureCase.document);
    EXPECT_EQ(outcome.files, structureCase.expected);
    EXPECT_EQ(outcome.result.pictureCount, static_cast<int>(structureCase.expected.size()));
    EXPECT_TRUE(outcome.messages.empty());
}

// The bytes with filler behind them up to the size.
std::string FilledTo(const std::string& bytes, size_t size) {
    return bytes + Filler(size - bytes.size(), 9);
}

uint32_t DifatSectors(const std::string& file) {
    uint32_t count = 0;
    for (int i = 3; i >= 0; --i) count = (count << 8) | static_cast<uint8_t>(file[72 + i]);
    return count;
}

TEST(ContainerStructure, CompoundFilesAsOfficeSuitesWriteThem) {
    std::string baseline = Fixture("jfif-baseline.jpg");
    std::string progressive = Fixture("jfif-progressive.jpg");
    std::string png = Fixture("text-chunk.png");
    std::string small = Fixture("small.jpg");
    std::string smallPng = Fixture("small.png");

    // Over 236 table sectors: the header lists 109, each DIFAT sector 127 more.
    // Zeros cost the scan little; only the stream's ends hold pictures.
    std::string big(16 << 20, '\0');
    big.replace(0, progressive.size(), progressive);
    big.replace(big.size() - png.size(), png.size(), png);
    std::string twoDifats = CompoundFileBuilder().Stream("Big", big).Bytes();
    ASSERT_EQ(DifatSectors(twoDifats), 2u);

    // The drawing group goes on in a second group record in the middle of the
    // PNG, whose start lies in a continuation record of the first.
    std::string drawing = Filler(7000) + png + Filler(500, 2);
    size_t split = 7000 + png.size() / 2;

    std::vector<StructureCase> cases{
        // Over 128 sectors: a table read as if its sectors held 512 bytes loses them.
        {"version 4: 4096-byte sectors, a mini stream in them",
         CompoundFileBuilder(12)
             .Stream("Data", Filler(3000) + baseline + std::string(600 << 10, '\0'))
             .Stream("Small", Filler(100, 3) + smallPng + Filler(3000, 4))
             .Bytes(),
         {{"1.jpg", baseline}, {"1.gif", smallPng}}},
        {"streams of 4096 bytes in sectors, of 4095 in the mini stream",
         CompoundFileBuilder()
             .Stream("AtCutoff", FilledTo(Filler(480) + smallPng, 4096))
             .Stream("BelowCutoff", FilledTo(Filler(30) + small, 4095))
             .Bytes(),
         {{"1.jpg", small}, {"1.gif", smallPng}}},
        {"two DIFAT sectors", twoDifats, {{"1.jpg", progressive}, {"1.gif", png}}},
        {"a drawing group in two group records",
         CompoundFileBuilder()
             .Stream("Workbook", WorkbookStream({drawing.substr(0, split), drawing.substr(split)}))
             .Bytes(),
         {{"1.gif", png}}},
    };
    for (const StructureCase& structureCase : cases) ExpectEveryPicture(structureCase);
}

TEST(ContainerStructure, ZipPackagesWithOrWithoutTheirCentralDirectory) {
    std::string baseline = Fixture("jfif-baseline.jpg");
    std::string png = Fixture("small.png");  // deflates: a larger one is stored as it is
    std::string exif = Fixture("exif-thumbnail.jpg");
    std::string small = Fixture("small.jpg");
    std::string app1 = Fixture("app1-first.jpg");

    // Without data descriptors a ZIP64 writer puts the sizes in the local
    // header's extra field.
    ZipBuilder zip64(true);
    zip64.Deflated("word/media/image1.jpeg", baseline)
        .Deflated("word/media/image2.png", png)
        .Deflated("word/media/image3.jpeg", exif);
    // An embedded object holds all its pictures in one entry.
    ZipBuilder embedded;
    embedded.Deflated("xl/embeddings/oleObject1.bin",
                      Filler(1000) + small + Filler(500, 2) + app1 + Filler(100, 3));

    std::vector<StructureCase> cases;
    for (bool cut : {false, true}) {
        std::string how = cut ? ", local headers only" : ", with the central directory";
        cases.push_back({"ZIP64 sizes in the local headers" + how,
                         cut ? zip64.LocalEntries() : zip64.Bytes(),
                         {{"1.jpg", baseline}, {"1.gif", png}, {"2.jpg", exif}}});
        cases.push_back({"two pictures in one entry" + how,
                         cut ? embedded.LocalEntries() : embedded.Bytes(),
                         {{"1.jpg", small}, {"2.jpg", app1}}});
    }
    for (const StructureCase& structureCase : cases) ExpectEveryPicture(structureCase);
}

}  // namespace
