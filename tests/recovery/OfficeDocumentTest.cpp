// OfficeDocumentTest.cpp: pictures of documents written by a real office
// suite, each compared with the picture put into the document.
#include "ScanTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct OfficeCase {
    const char* document;
    // File name and the picture of tests/data/documents it must equal.
    std::vector<std::pair<const char*, const char*>> pictures;
};

void PrintTo(const OfficeCase& officeCase, std::ostream* out) { *out << officeCase.document; }

class OfficeDocuments : public ::testing::TestWithParam<OfficeCase> {};

TEST_P(OfficeDocuments, GiveEveryPictureWholeNumberedByItsPlace) {
    TestFolder folder;
    Files expected;
    for (const auto& [name, picture] : GetParam().pictures) expected[name] = Document(picture);

    ScanOutcome outcome = ScanBytes(folder, Document(GetParam().document));

    EXPECT_EQ(outcome.files, expected);
    EXPECT_EQ(outcome.result.pictureCount, static_cast<int>(expected.size()));
    EXPECT_TRUE(outcome.result.completed);
    EXPECT_TRUE(outcome.messages.empty());
}

// The places decide the numbers: in the Word document the small JPEG comes
// before the photo, in the packages the entry order does.
INSTANTIATE_TEST_SUITE_P(
    WrittenByLibreOffice, OfficeDocuments,
    ::testing::Values(
        OfficeCase{"word97.doc",
                   {{"1.gif", "drawing.png"}, {"1.jpg", "small.jpg"}, {"2.jpg", "photo.jpg"}}},
        OfficeCase{"excel97.xls", {{"1.gif", "drawing.png"}, {"1.jpg", "photo.jpg"}}},
        OfficeCase{"rtf-named.doc", {{"1.jpg", "small.jpg"}, {"1.gif", "drawing.png"}}},
        OfficeCase{"word.docx",
                   {{"1.gif", "drawing.png"}, {"1.jpg", "photo.jpg"}, {"2.jpg", "small.jpg"}}},
        OfficeCase{"excel.xlsx", {{"1.gif", "drawing.png"}, {"1.jpg", "photo.jpg"}}},
        OfficeCase{"slides.pptx", {{"1.gif", "drawing.png"}, {"1.jpg", "photo.jpg"}}},
        // The packages of LibreOffice's own formats also hold a thumbnail of
        // the first page, a picture like any other.
        OfficeCase{"writer.odt",
                   {{"1.gif", "writer-thumbnail.png"},
                    {"1.jpg", "photo.jpg"},
                    {"2.gif", "drawing.png"},
                    {"2.jpg", "small.jpg"}}},
        OfficeCase{
            "impress.odp",
            {{"1.gif", "drawing.png"}, {"1.jpg", "photo.jpg"}, {"2.gif", "impress-thumbnail.png"}}},
        OfficeCase{"no-pictures.doc", {}}, OfficeCase{"no-pictures.docx", {}}),
    [](const ::testing::TestParamInfo<OfficeCase>& info) {
        std::string name = info.param.document;
        for (char& c : name) {
            if (!isalnum(static_cast<unsigned char>(c))) c = '_';
        }
        return name;
    });

// What the plain bytes hold: the reason these documents need their containers read.
TEST(OfficeDocumentBytes, SplitOrEncodeThePictures) {
    std::string photo = Document("photo.jpg");
    ASSERT_EQ(photo.compare(0, 4, "\xFF\xD8\xFF\xE1"), 0) << "the photo must open with EXIF";
    // The Word document's photo runs across an allocation table sector.
    std::string word = Document("word97.doc");
    EXPECT_NE(word.find(photo.substr(0, 200)), std::string::npos);
    EXPECT_EQ(word.find(photo), std::string::npos);
    // The workbook cuts the PNG into records.
    std::string png = Document("drawing.png");
    std::string workbook = Document("excel97.xls");
    EXPECT_NE(workbook.find(png.substr(0, 100)), std::string::npos);
    EXPECT_EQ(workbook.find(png), std::string::npos);
    // RTF holds them as text, the packages deflate the JPEGs.
    EXPECT_EQ(Document("rtf-named.doc").find(png.substr(0, 16)), std::string::npos);
    EXPECT_EQ(Document("word.docx").find(photo.substr(0, 16)), std::string::npos);
}

TEST(OfficeDocumentBytes, ThePlainBytesOfTheWordDocumentMissItsPhoto) {
    // With its container signature gone, the Word document is only
    // byte-scanned: the photo, cut by a foreign sector, does not hold as a JPEG.
    TestFolder folder;
    std::string word = Document("word97.doc");
    word.replace(0, 8, "xxxxxxxx");

    ScanOutcome outcome = ScanBytes(folder, word);

    EXPECT_EQ(outcome.files,
              (Files{{"1.gif", Document("drawing.png")}, {"1.jpg", Document("small.jpg")}}));
}

}  // namespace
