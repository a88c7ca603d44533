// OfficeRecordTest.cpp: documents built the way Microsoft Office writes
// them, with pictures in picture records of every kind, split across a
// workbook's records, compressed inside embedded objects, padded with slack
// that holds fragments of other pictures, or in a file whose directory is lost.
// Each must give every picture once, byte for byte as its kind's file is
// written, and nothing else.
#include "CompoundFileBuilder.h"
#include "ContainerBytes.h"
#include "PictureBytes.h"
#include "ScanTestSupport.h"
#include "ZipBuilder.h"

#include <gtest/gtest.h>

namespace {

struct RecordCase {
    std::string structure;
    std::function<std::string()> document;
    std::function<Files()> expected;
};

void PrintTo(const RecordCase& recordCase, std::ostream* out) { *out << recordCase.structure; }

std::string Jpeg() { return Fixture("jfif-baseline.jpg"); }
std::string ExifJpeg() { return Fixture("exif-thumbnail.jpg"); }
std::string Png() { return Fixture("text-chunk.png"); }
std::string SmallPng() { return Fixture("small.png"); }

// The drawing group as Office writes it: a container holding the store of
// picture records.
std::string DrawingGroup(const std::string& records) {
    return OfficeArtContainer(0xF000, OfficeArtContainer(0xF001, records));
}

std::string Compound(const std::string& name, const std::string& stream) {
    return CompoundFileBuilder().Stream(name, stream).Bytes();
}

// A text box inside a sheet's drawing: its record, then its text and its
// formatting runs in continuation records of their own.
std::string TextBox() {
    std::string counts = std::string(10, '\0') + Le(4, 2) + Le(16, 2) + std::string(4, '\0');
    return BiffRecord(0x01B6, counts) + BiffRecord(0x003C, std::string(1, '\0') + "Note") +
           BiffRecord(0x003C, std::string(16, '\0'));
}

// Two drawing group records with other records between them, then a sheet
// whose drawing goes on after a text box, its pictures cut by the records.
std::string WorkbookOfManyDrawingRecords() {
    std::string workbook = BiffRecord(0x0809, Le(0x0600, 2) + std::string(14, '\0'));
    workbook += BiffContinued(0x00EB, DrawingGroup(BlipRecord({BlipKind::Png, Png()})));
    workbook += BiffRecord(0x0022, Le(0, 2));
    // A record header cuts the photo before its thumbnail.
    std::string options = Le(0x0003, 2) + Le(0xF00B, 2) + Le(8100, 4) + std::string(8100, '\0');
    workbook += BiffContinued(0x00EB, DrawingGroup(options + BlipRecord({BlipKind::Jpeg, ExifJpeg()})));
    workbook += BiffRecord(0x000A, "") + BiffRecord(0x0809, Le(0x0600, 2) + std::string(14, '\0'));
    workbook += BiffRecord(0x00EC, OfficeArtContainer(0xF002, "")) + BiffRecord(0x005D, "object");
    workbook += BiffRecord(0x00EC, OfficeArtContainer(0xF004, "")) + TextBox();
    std::string shape = OfficeArtContainer(0xF004, BlipRecord({BlipKind::Jpeg, Jpeg()}));
    workbook += BiffRecord(0x003C, shape.substr(0, 2000)) + BiffRecord(0x003C, shape.substr(2000));
    return Compound("Workbook", workbook + BiffRecord(0x000A, ""));
}

// A sheet's drawing cut into two drawing records, with the shared strings
// and their own continuation between them: that continuation is no drawing's.
std::string DrawingAroundAnotherRecordsContinuation() {
    std::string shape = OfficeArtContainer(0xF004, BlipRecord({BlipKind::Jpeg, Jpeg()}));
    std::string workbook = BiffRecord(0x0809, Le(0x0600, 2) + std::string(14, '\0'));
    workbook += BiffRecord(0x00EC, shape.substr(0, 2000)) + BiffRecord(0x00FC, "strings") +
                BiffRecord(0x003C, "more strings") + BiffRecord(0x00EC, shape.substr(2000));
    return Compound("Workbook", workbook + BiffRecord(0x000A, ""));
}

// Header and footer pictures: records of their own, each behind a 14-byte header.
std::string WorkbookWithHeaderPicture() {
    std::string drawing = DrawingGroup(BlipRecord({BlipKind::Png, Png()}));
    std::string workbook = BiffRecord(0x0809, Le(0x0600, 2) + std::string(14, '\0'));
    for (size_t at = 0; at < drawing.size(); at += 8000) {
        std::string header = Le(0x0866, 2) + std::string(10, '\0') + Le(at == 0 ? 1 : 5, 2);
        workbook += BiffRecord(0x0866, header + drawing.substr(at, 8000));
    }
    return Compound("Workbook", workbook + BiffRecord(0x000A, ""));
}

// A presentation keeps an embedded document compressed in its object record.
std::string PresentationWithCompressedObject() {
    std::string embedded = CompoundFileBuilder()
                               .Stream("WordDocument", Filler(700) + BlipRecord({BlipKind::Jpeg, Jpeg()}) +
                                                           BlipRecord({BlipKind::Png, Png()}))
                               .Bytes();
    std::string object = Le(embedded.size(), 4) + ZlibCompress(embedded);
    std::string storage = Le(0x0010, 2) + Le(0x1011, 2) + Le(object.size(), 4) + object;
    std::string atom = Le(0, 2) + Le(0x03E9, 2) + Le(40, 4) + Filler(40);
    std::string document = OfficeArtContainer(0x03E8, atom + storage);
    return Compound("PowerPoint Document", document);
}

// Packages and records pad pictures to a fixed size; the padding holds the
// start of other pictures.
std::string PaddedPart() {
    std::string padded = Jpeg() + std::string(40, '\0') + Png().substr(0, 300);
    padded.resize(8192, '\0');
    return ZipBuilder().Deflated("word/media/image1.jpeg", padded).Bytes();
}

std::string PaddedRecord() {
    std::string slack = Png().substr(0, 200) + ExifJpeg().substr(0, 600);
    return Compound("Pictures", BlipRecord({BlipKind::Png, SmallPng(), false, slack}) + Filler(5000));
}

// A picture cut short as stored ends with its record, not in the next one.
std::string PictureDamagedInItsRecord() {
    std::string cut = Png().substr(0, Png().size() - 12);
    return Compound("Pictures", BlipRecord({BlipKind::Png, cut}) + BlipRecord({BlipKind::Jpeg, Jpeg()}) +
                                    Filler(4000));
}

// A JPEG cut short in a record of its other form ends with its record too.
std::string JpegDamagedInItsOtherRecordForm() {
    std::string cut = Jpeg().substr(0, Jpeg().size() - 12);
    return Compound("Pictures", BlipRecord({BlipKind::JpegOtherForm, cut}) +
                                    BlipRecord({BlipKind::Png, Png()}) + Filler(4000));
}

// The directory is gone; the allocation table still chains each stream.
std::string LostDirectory() {
    std::string file = CompoundFileBuilder()
                           .Stream("Data", Filler(3000) + BlipRecord({BlipKind::Png, Png()}))
                           .Stream("WordDocument", Filler(4500) + BlipRecord({BlipKind::Jpeg, Jpeg()}))
                           .Bytes();
    file.replace(48, 4, Le(0x00FFFFF0, 4));
    return file;
}

std::string WithoutDirectory(std::string file) {
    file.replace(48, 4, Le(0x00FFFFF0, 4));
    return file;
}

// A deflated metafile's record alone in the mini stream, laid out in order,
// whose chain is one sector: only that chain read as a stream tells it.
std::string DeflatedMetafile() { return EmfPicture(EmfComment(std::string(2000, 'm'))); }

std::string LostDirectoryOverAOneSectorChain() {
    return WithoutDirectory(CompoundFileBuilder()
                                .InOrder()
                                .Stream("Pictures", BlipRecord({BlipKind::Emf, DeflatedMetafile(), true}))
                                .Bytes());
}

// A picture's start in the slack behind a stream's last byte, running on into
// a sector of the stream before it: its bytes are no one stream's in order.
std::string PictureAcrossStreams() {
    std::string stream = Filler(5000, 3) + "end of the stream";
    std::string file = CompoundFileBuilder().Stream("Data", stream).Bytes();
    size_t slack = file.find("end of the stream") + 17;
    std::string start = Jpeg().substr(0, 400);
    file.replace(slack + 20, start.size(), start);
    return file;
}

// Kinds no decoder here opens, written as the rules for them say: a
// Macintosh picture behind the 512 bytes its files start with, HD Photo and
// SVG parts as stored; an RTF's metafile copy for old readers and a device
// bitmap are passed over.
std::string PictBytes() { return "\x0A\x8A" + Filler(300, 5); }
std::string Wdp() { return std::string("II\xBC\x01", 4) + Filler(500, 7); }
std::string Svg() { return "<?xml version=\"1.0\"?>\n<!-- drawn -->\n<svg xmlns=\"http://www.w3.org/2000/svg\"/>"; }

std::string PictRecord() { return Compound("Pictures", BlipRecord({BlipKind::Pict, PictBytes()}) + Filler(4096)); }

std::string PackageOfOtherKinds() {
    return ZipBuilder()
        .Deflated("word/document.xml", "<w:document><svg/></w:document>")
        .Deflated("word/media/hdphoto1.wdp", Wdp())
        .Deflated("word/media/image2.svg", Svg())
        .Bytes();
}

// Metafile records stored and deflated, each behind a placeable header made
// from the bounds and size on the page its record gives; one whose stated
// size runs past its record is none. And a TIFF record.
Blip MetafileRecord(BlipKind kind, const std::string& data, bool deflated,
                    const std::array<int32_t, 6>& frame) {
    Blip blip{kind, data, deflated};
    blip.frame = frame;
    return blip;
}

// 400 units on 365,760 EMUs (0.4 inch): 1,000 to the inch; 100 units on an inch.
const std::array<int32_t, 6> kFrameAt10By20 = {10, 20, 410, 220, 365760, 1270000};
const std::array<int32_t, 6> kFrameLeftOfZero = {-5, -7, 95, 43, 914400, 457200};

std::string MetafileAndTiffRecords() {
    std::string overlong = BlipRecord(MetafileRecord(BlipKind::Wmf, WmfPicture(90, 90), false,
                                                     kFrameAt10By20));
    overlong.replace(8 + 16 + 28, 4, Le(WmfPicture(90, 90).size() + 1, 4));
    return Compound("Pictures",
                    BlipRecord(MetafileRecord(BlipKind::Wmf, WmfPicture(), false, kFrameAt10By20)) +
                        BlipRecord(MetafileRecord(BlipKind::Wmf, WmfPicture(120, 60), true,
                                                  kFrameLeftOfZero)) +
                        BlipRecord({BlipKind::Emf, EmfPicture(EmfComment("deflated")), true}) +
                        overlong + BlipRecord({BlipKind::Tiff, TiffPicture()}) + Filler(4096));
}

std::string RtfPicture(const std::string& words, const std::string& bytes) {
    return "{\\pict" + words + "\r\n" + RtfHex(bytes) + "}";
}

std::string RtfOfOtherKinds() {
    std::string text = "{\\rtf1\\ansi Pictures:";
    text += "{\\*\\shppict" + RtfPicture("{\\*\\blipuid 0123}\\macpict\\picw30\\pich20", PictBytes()) + "}";
    text += "{\\nonshppict" + RtfPicture("\\wmetafile8\\picw200\\pich100", WmfPicture()) + "}";
    text += RtfPicture("\\pngblip", Png()) + RtfPicture("\\wbitmap0\\picw3\\pich2", Filler(24));
    return text + "}";
}

// A metafile's picture group, the text of its data after its words: each row
// below that reads one token wrongly spoils the data or the words.
std::string RtfMetafile(const std::string& words, const std::string& data) {
    return "{\\rtf1{\\pict\\wmetafile8\\picw200\\pich100" + words + data + "}}";
}

Files RtfMetafileFile() {
    return Files{{"1.wmf", PlaceableWmf(WmfPicture(), {0, 0, 200, 100}, 1440)}};
}

// Between the metafile's two halves: \'ab is one character, not data; a word
// longer than any is one word, its letters no hexadecimal digits.
std::string RtfMetafileCutByControls() {
    std::string wmf = WmfPicture();
    std::string controls = "\\'ab\\" + std::string(40, 'a') + " ";
    // A \' without its digits is a symbol alone: the brace after it closes the comment.
    return RtfMetafile("{\\*\\comment\\'}\r\n",
                       RtfHex(wmf.substr(0, 50)) + controls + RtfHex(wmf.substr(50)));
}

class OfficeRecords : public ::testing::TestWithParam<RecordCase> {};

TEST_P(OfficeRecords, GiveEveryPictureOnceWholeAndNothingElse) {
    TestFolder folder;
    ScanOutcome outcome = ScanBytes(folder, GetParam().document());
    Files expected = GetParam().expected();
    EXPECT_EQ(outcome.files, expected);
    EXPECT_EQ(outcome.result.pictureCount, static_cast<int>(expected.size()));
    EXPECT_EQ(outcome.picturesMade, static_cast<int>(expected.size()));
    EXPECT_TRUE(outcome.result.completed);
}

INSTANTIATE_TEST_SUITE_P(
    WrittenAsOfficeWrites, OfficeRecords,
    ::testing::Values(
        RecordCase{"WorkbookDrawingInManyRecords", WorkbookOfManyDrawingRecords,
                   // The builder stores sectors backwards: the sheet's photo lies first.
                   [] { return Files{{"1.gif", Png()}, {"1.jpg", Jpeg()}, {"2.jpg", ExifJpeg()}}; }},
        RecordCase{"DrawingAroundAnotherRecordsContinuation",
                   DrawingAroundAnotherRecordsContinuation,
                   [] { return Files{{"1.jpg", Jpeg()}}; }},
        RecordCase{"HeaderAndFooterPicture", WorkbookWithHeaderPicture,
                   [] { return Files{{"1.gif", Png()}}; }},
        RecordCase{"CompressedEmbeddedObject", PresentationWithCompressedObject,
                   [] { return Files{{"1.jpg", Jpeg()}, {"1.gif", Png()}}; }},
        RecordCase{"FragmentsInAPartsPadding", PaddedPart, [] { return Files{{"1.jpg", Jpeg()}}; }},
        RecordCase{"FragmentsInARecordsSlack", PaddedRecord, [] { return Files{{"1.gif", SmallPng()}}; }},
        RecordCase{"PictureDamagedInItsRecord", PictureDamagedInItsRecord,
                   [] { return Files{{"1.gif", Png().substr(0, Png().size() - 12)}, {"1.jpg", Jpeg()}}; }},
        RecordCase{"JpegDamagedInItsOtherRecordForm", JpegDamagedInItsOtherRecordForm,
                   [] { return Files{{"1.jpg", Jpeg().substr(0, Jpeg().size() - 12)}, {"1.gif", Png()}}; }},
        RecordCase{"LostDirectory", LostDirectory,
                   [] { return Files{{"1.jpg", Jpeg()}, {"1.gif", Png()}}; }},
        RecordCase{"LostDirectoryOverAOneSectorChain", LostDirectoryOverAOneSectorChain,
                   [] { return Files{{"1.emf", DeflatedMetafile()}}; }},
        RecordCase{"LostDirectoryOfAPresentationWithACompressedObject",
                   [] { return WithoutDirectory(PresentationWithCompressedObject()); },
                   [] { return Files{{"1.jpg", Jpeg()}, {"1.gif", Png()}}; }},
        RecordCase{"PictureStartAcrossStreams", PictureAcrossStreams, [] { return Files{}; }},
        RecordCase{"MacintoshPictureRecord", PictRecord,
                   [] { return Files{{"1.pct", std::string(512, '\0') + PictBytes()}}; }},
        RecordCase{"HdPhotoAndSvgParts", PackageOfOtherKinds,
                   [] { return Files{{"1.wdp", Wdp()}, {"1.svg", Svg()}}; }},
        RecordCase{"MetafileAndTiffRecords", MetafileAndTiffRecords,
                   [] {
                       std::string moved = PlaceableWmf(WmfPicture(120, 60), {-5, -7, 95, 43}, 100);
                       return Files{{"1.wmf", PlaceableWmf(WmfPicture(), {10, 20, 410, 220}, 1000)},
                                    {"2.wmf", moved},
                                    {"1.emf", EmfPicture(EmfComment("deflated"))},
                                    {"1.tif", TiffPicture()}};
                   }},
        // The width on the page, 2,880 twips (two inches), tells 100 units to the inch.
        RecordCase{"RtfMetafileSizedByItsGoal",
                   [] {
                       std::string words =
                           "\\wmetafile8\\picw200\\pich100\\picwgoal2880\\pichgoal720";
                       return "{\\rtf1" + RtfPicture(words, WmfPicture()) + "}";
                   },
                   [] {
                       return Files{{"1.wmf", PlaceableWmf(WmfPicture(), {0, 0, 200, 100}, 100)}};
                   }},
        RecordCase{"RtfOfOtherKinds", RtfOfOtherKinds,
                   [] { return Files{{"1.pct", std::string(512, '\0') + PictBytes()}, {"1.gif", Png()}}; }},
        RecordCase{"RtfControlsAmongTheData", RtfMetafileCutByControls, RtfMetafileFile},
        // The escape's digits are no data: the words after it tell the kind.
        RecordCase{"RtfHexEscapeBeforeThePictureWords",
                   [] {
                       return "{\\rtf1{\\pict\\'e9\\wmetafile8\\picw200\\pich100 " +
                              RtfHex(WmfPicture()) + "}}";
                   },
                   RtfMetafileFile},
        RecordCase{"RtfBinaryRunOfANegativeCount",
                   [] { return RtfMetafile("\\bin-5 ", RtfHex(WmfPicture())); }, RtfMetafileFile},
        // The run takes the rest of the text, the group's braces with it; a
        // count wrapped around 64 bits would leave it one byte.
        RecordCase{"RtfBinaryRunCountBeyondSixtyFourBits",
                   [] { return RtfMetafile("\\bin18446744073709551617 ", WmfPicture()); },
                   [] { return Files{{"1.wmf", RtfMetafileFile().at("1.wmf") + "}}"}}; }},
        RecordCase{"RtfBinaryRunHoldingTheBraceOfItsGroup",
                   [] { return RtfMetafile("{\\*\\blipuid\\bin1 }}", RtfHex(WmfPicture())); },
                   RtfMetafileFile}));

}  // namespace
