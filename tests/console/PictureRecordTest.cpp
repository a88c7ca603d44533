// PictureRecordTest.cpp: each picture's record in the batch's reports, told
// against where the builders put the picture, and pictures written once.
#include "CompoundFileBuilder.h"
#include "ContainerBytes.h"
#include "PictureBytes.h"
#include "ScanTestSupport.h"
#include "ZipBuilder.h"

#include "base/LittleEndian.h"
#include "base/Sha256.h"
#include "console/BatchCommand.h"
#include "console/DocumentWalk.h"
#include "recovery/candidates/FoundPictures.h"
#include "recovery/disk/ScanDisk.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <sstream>

namespace {

using Json = nlohmann::json;

std::string Digest(const std::string& bytes) {
    Sha256 digest;
    digest.Update(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return digest.HexDigest();
}

// A record as the test expects it: the picture's bytes as the builder put
// them, and, for one not written again, the document whose file holds them.
struct Expected {
    size_t document;
    const char* file;  // nullptr when not written again
    const char* kind;
    std::string bytes;
    bool whole;
    std::string from;
    size_t sameAsDocument = 0;
    const char* sameAsFile = nullptr;
};

struct RecordCase {
    const char* purpose;
    std::vector<std::string> documents;
    std::vector<Expected> records;  // in the order written, document by document
};

// The compound file with its directory sector zeroed: its streams are
// nameless chains.
std::string WithoutDirectory(std::string file) {
    const uint32_t directory = Little32(reinterpret_cast<const uint8_t*>(file.data()) + 48);
    std::fill_n(file.begin() + (directory + 1) * 512, 512, '\0');
    return file;
}

std::vector<std::string> ReportLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
    return fields;
}

// Each document written into the folder, then scanned once per run, all in
// one run, with every picture's bytes written once.
std::string RunUnique(const TestFolder& folder, const RecordCase& test, bool json,
                      const std::string& output) {
    BatchOptions options;
    options.outputFolder = (folder / output).string();
    options.json = json;
    options.list = !json;
    options.unique = true;
    options.jobs = 1;
    for (size_t i = 0; i < test.documents.size(); ++i) {
        fs::path path = folder / ("document" + std::to_string(i) + ".doc");
        WriteBytes(path, test.documents[i]);
        options.inputs.push_back(path.string());
    }
    std::ostringstream out;
    std::ostringstream err;
    FolderReader folders;
    ScanDisk disk;
    EXPECT_EQ(RunBatch(options, out, err, false, folders, disk), 0) << err.str();
    return out.str();
}

void ExpectRecord(const Json& record, const Expected& expected, const std::vector<Json>& lines) {
    EXPECT_EQ(record["kind"], expected.kind);
    EXPECT_EQ(record["bytes"], expected.bytes.size());
    EXPECT_EQ(record["sha256"], Digest(expected.bytes));
    EXPECT_EQ(record["whole"], expected.whole);
    EXPECT_EQ(record["from"], expected.from);
    if (expected.file == nullptr) {
        EXPECT_EQ(record["file"], nullptr);
        fs::path holder =
            fs::path(lines[expected.sameAsDocument]["outputFolder"].get<std::string>()) /
            expected.sameAsFile;
        EXPECT_EQ(record["same_as"], holder.string());
        EXPECT_EQ(ReadBytes(holder), expected.bytes);
        return;
    }
    EXPECT_EQ(record["file"], expected.file);
    EXPECT_EQ(record["same_as"], nullptr);
    fs::path written =
        fs::path(lines[expected.document]["outputFolder"].get<std::string>()) / expected.file;
    EXPECT_EQ(ReadBytes(written), expected.bytes);
}

// The text form's line tells what the JSON record tells, a tab first. The
// two forms ran into folders of their own: a holder is told by its name.
void ExpectListed(std::vector<std::string> fields, const Json& record) {
    auto name = [](const Json& path) {
        return path.is_null() ? "-" : fs::path(path.get<std::string>()).filename().string();
    };
    if (fields.size() == 8 && fields[7] != "-") fields[7] = fs::path(fields[7]).filename().string();
    const std::vector<std::string> expected = {"",
                                               name(record["file"]),
                                               record["kind"],
                                               std::to_string(record["bytes"].get<uint64_t>()),
                                               record["sha256"],
                                               record["whole"] ? "whole" : "cut",
                                               record["from"],
                                               name(record["same_as"])};
    EXPECT_EQ(fields, expected);
}

TEST(PictureRecords, TellEachPicturesPlaceLengthDigestAndWholenessAndWriteEqualBytesOnce) {
    const std::string jpeg = Fixture("small.jpg");
    const std::string png = Fixture("text-chunk.png");
    const std::string gif = GifPicture();
    const std::string record = BlipRecord(Blip{BlipKind::Jpeg, jpeg});
    const std::string cutPng = png.substr(0, png.size() - 20);
    // A picture record cut into two of a workbook's records: its place is
    // told in the stream, not in the records joined.
    const std::string pngRecord = BlipRecord(Blip{BlipKind::Png, png});
    const std::string workbook =
        WorkbookStream({std::string(40, '\0') + pngRecord.substr(0, 100), pngRecord.substr(100)});
    const size_t recordInWorkbook = workbook.find(pngRecord.substr(0, 100));
    const std::vector<RecordCase> cases = {
        {"a ZIP entry is its entry name",
         {ZipBuilder()
              .Deflated("word/document.xml", "<w/>")
              .Stored("word/media/image1.png", png)
              .Bytes()},
         {{0, "1.gif", "png", png, true, "word/media/image1.png"}}},
        {"a picture record is its stream path and the record's offset in the stream",
         {CompoundFileBuilder()
              .Stream("WordDocument", Filler(5000))
              .Stream("ObjectPool/_1234/Pictures", std::string(0x25, '\0') + record)
              .Bytes()},
         {{0, "1.jpg", "jpeg", jpeg, true,
           "ObjectPool/_1234/Pictures/picture record at 0x25 in the stream"}}},
        {"a workbook's picture record is told at its offset in the stream",
         {CompoundFileBuilder().Stream("Workbook", workbook).Bytes()},
         {{0, "1.gif", "png", png, true,
           "Workbook/picture record at " + HexOffset(recordInWorkbook) + " in the stream"}}},
        {"a nested package joins its containers' names",
         {ZipBuilder()
              .Deflated("word/embeddings/oleObject1.bin",
                        CompoundFileBuilder().Stream("Pictures", record).Bytes())
              .Bytes()},
         {{0, "1.jpg", "jpeg", jpeg, true,
           "word/embeddings/oleObject1.bin/Pictures/picture record at 0x0 in the stream"}}},
        {"a stream whose directory entry is lost is named by its first sector",
         {WithoutDirectory(CompoundFileBuilder()
                               .InOrder()
                               .Stream("Pictures", std::string(0x1000, '\0') + record)
                               .Bytes())},
         {{0, "1.jpg", "jpeg", jpeg, true,
           "stream at sector 0/picture record at 0x1000 in the stream"}}},
        {"a picture of the plain bytes is its file offset",
         {Filler(0x1A2B) + gif + Filler(300, 2)},
         {{0, "1.gif", "gif", gif, true, "offset 0x1A2B"}}},
        {"a picture cut short by the document's end is written cut",
         {Filler(0x40) + cutPng},
         {{0, "1.gif", "png", cutPng, false, "offset 0x40"}}},
        {"equal bytes are written once, in one document and across two",
         {ZipBuilder()
              .Stored("word/media/image1.jpeg", jpeg)
              .Stored("word/media/image2.png", png)
              .Bytes(),
          Filler(100) + jpeg + Filler(200, 2) + gif + Filler(300, 3) + jpeg + Filler(50, 4)},
         {{0, "1.jpg", "jpeg", jpeg, true, "word/media/image1.jpeg"},
          {0, "1.gif", "png", png, true, "word/media/image2.png"},
          {1, nullptr, "jpeg", jpeg, true, "offset 0x64", 0, "1.jpg"},
          {1, "1.gif", "gif", gif, true, "offset " + HexOffset(100 + jpeg.size() + 200)},
          {1, nullptr, "jpeg", jpeg, true,
           "offset " + HexOffset(100 + jpeg.size() + 200 + gif.size() + 300), 0, "1.jpg"}}},
    };
    for (const RecordCase& test : cases) {
        SCOPED_TRACE(test.purpose);
        TestFolder folder;
        std::vector<Json> lines;
        for (const std::string& line : ReportLines(RunUnique(folder, test, true, "json")))
            lines.push_back(Json::parse(line));
        ASSERT_EQ(lines.size(), test.documents.size());
        std::vector<std::vector<std::string>> listed;
        for (const std::string& line : ReportLines(RunUnique(folder, test, false, "list"))) {
            if (line.rfind('\t', 0) == 0) listed.push_back(Fields(line));
        }
        ASSERT_EQ(listed.size(), test.records.size());
        std::vector<size_t> seen(test.documents.size());
        for (size_t i = 0; i < test.records.size(); ++i) {
            const Expected& expected = test.records[i];
            SCOPED_TRACE("record " + std::to_string(i));
            const Json& files = lines[expected.document]["files"];
            ASSERT_LT(seen[expected.document], files.size());
            const Json& record = files[seen[expected.document]++];
            ExpectRecord(record, expected, lines);
            ExpectListed(listed[i], record);
        }
        for (size_t document = 0; document < seen.size(); ++document)
            EXPECT_EQ(seen[document], lines[document]["files"].size());
    }
}

}  // namespace
