// MakeSeeds.cpp: velmo-fuzz-seeds <folder>: writes each fuzz target's first
// inputs into a folder of its own (scan, zip, compound, workbook, rtf), made
// by the tests' builders and taken from the tests' documents.
#include "CompoundFileBuilder.h"
#include "ContainerBytes.h"
#include "InputBytes.h"
#include "PictureBytes.h"
#include "ScanTestSupport.h"
#include "ZipBuilder.h"

#include "recovery/CompoundFile.h"

#include <cstdio>
#include <map>
#include <stdexcept>

namespace {

using Seeds = std::map<std::string, std::string>;


// A picture whose scan data is cut short, then a whole one.
std::string CutPictureDocument() {
    std::string cut = Fixture("jfif-baseline.jpg");
    return DocumentBuilder()
        .AddFiller(200)
        .Add(cut.substr(0, cut.size() / 2))
        .AddFiller(100, 2)
        .Add(Fixture("small.png"))
        .AddFiller(50, 3)
        .Add(Fixture("exif-thumbnail.jpg"))
        .Add(Fixture("app1-first.jpg"))
        .Bytes();
}

// A GIF, a BMP and an EMF holding a JPEG, each proven whole by its walk.
std::string WalkedKindsDocument() {
    return DocumentBuilder()
        .AddFiller(90)
        .Add(GifPicture())
        .Add(BmpPicture())
        .AddFiller(30, 2)
        .Add(EmfPicture(EmfComment(Fixture("small.jpg"))))
        .Bytes();
}

std::string Package() {
    return ZipBuilder()
        .Deflated("word/document.xml", "<w:document>" + Filler(300) + "</w:document>")
        .Deflated("word/media/image1.png", Fixture("small.png"))
        .Stored("word/media/image2.jpeg", Fixture("small.jpg"))
        .Deflated("word/media/image3.jpeg", Fixture("app1-first.jpg"), true)
        .Bytes();
}

std::string NestedPackage() {
    std::string inner = ZipBuilder().Deflated("xl/media/image1.jpeg", Fixture("small.jpg")).Bytes();
    return ZipBuilder().Deflated("word/embeddings/Workbook.xlsx", inner).Bytes();
}

std::string CompoundDocument() {
    return CompoundFileBuilder()
        .Stream("Data", Filler(700) + Fixture("jfif-baseline.jpg") + Filler(300, 2))
        .Stream("Small", Fixture("small.jpg") + Filler(50, 4) + Fixture("small.png"))
        .Bytes();
}

std::string RtfPictures() {
    std::string png = Fixture("small.png");
    return "{\\rtf1\\ansi Text {\\*\\shppict{\\pict{\\*\\picprop{\\sp{\\sn wzName}{\\sv "
           "ffd8ffe000}}}\\picw10\\pich-5\\jpegblip{\\*\\blipuid "
           "ffd8ffe0001a2b3c4d5e6f708192a3b4}\r\n" +
           RtfHex(Fixture("small.jpg")) + "}}\\par {\\pict\\pngblip\\bin" +
           std::to_string(png.size()) + " " + png + "}\\par}";
}

// An embedded package behind its object header, as word processors store it.
std::string RtfObject() {
    std::string package = NestedPackage();
    std::string header(
        "\x01\x05\x00\x00\x02\x00\x00\x00\x08\x00\x00\x00Package\x00\x00\x00\x00\x00"
        "\x00\x00\x00\x00",
        24);
    return "{\\rtf1 {\\object\\objemb{\\*\\objclass Package}{\\*\\objdata\r\n" +
           RtfHex(header + Le(package.size(), 4) + package) + "}}}";
}

std::string Record(uint16_t type, const std::string& body) {
    return Le(type, 2) + Le(body.size(), 2) + body;
}

// A drawing group cut into a first record and continuations, then a second
// drawing group, between the records around it in a workbook.
std::string WorkbookRecords() {
    constexpr uint16_t kBof = 0x0809, kEof = 0x000A, kDrawingGroup = 0x00EB, kContinue = 0x003C;
    std::string picture = Filler(40) + Fixture("jfif-baseline.jpg");
    std::string stream = Record(kBof, std::string(16, '\0')) + Record(0x0042, Le(1252, 2));
    stream += Record(kDrawingGroup, picture.substr(0, 1000));
    for (size_t at = 1000; at < picture.size(); at += 1500)
        stream += Record(kContinue, picture.substr(at, 1500));
    stream += Record(kDrawingGroup, Filler(20, 2) + Fixture("small.png"));
    return stream + Record(kEof, "");
}

// The workbook stream of the spreadsheet document.
std::string WorkbookStream() {
    std::string document = Document("excel97.xls");
    auto source = std::make_shared<InputBytes>(reinterpret_cast<const uint8_t*>(document.data()),
                                                 document.size());
    std::string workbook;
    auto file = CompoundFile::Open(source);
    if (!file) throw std::runtime_error("excel97.xls is no compound file");
    file->ForEachStream([&](const std::string& name, std::shared_ptr<ByteSource> stream) {
        if (name != "Workbook") return;
        uint8_t block[4096];
        size_t got;
        while ((got = stream->ReadAt(workbook.size(), block, sizeof block)) > 0)
            workbook.append(reinterpret_cast<const char*>(block), got);
    });
    if (workbook.empty()) throw std::runtime_error("excel97.xls holds no workbook stream");
    return workbook;
}

void WriteSeeds(const fs::path& folder, const Seeds& seeds) {
    fs::create_directories(folder);
    for (const auto& [name, bytes] : seeds) WriteBytes(folder / name, bytes);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmo-fuzz-seeds <folder>\n");
        return 2;
    }
    fs::path folder = argv[1];
    try {
        WriteSeeds(folder / "scan", {{"two-pictures", TwoPictureDocument()},
                                     {"cut-picture", CutPictureDocument()},
                                     {"walked-kinds", WalkedKindsDocument()},
                                     {"package.docx", Package()},
                                     {"compound.doc", CompoundDocument()},
                                     {"pictures.rtf", RtfPictures()},
                                     {"object.rtf", RtfObject()},
                                     {"word97.doc", Document("word97.doc")},
                                     {"excel97.xls", Document("excel97.xls")},
                                     {"word.docx", Document("word.docx")},
                                     {"rtf-named.doc", Document("rtf-named.doc")}});
        WriteSeeds(folder / "zip",
                   {{"package", Package()},
                    {"zip64", ZipBuilder(true)
                                  .Deflated("a.jpeg", Fixture("small.jpg"), true)
                                  .Stored("b.png", Fixture("small.png"))
                                  .Bytes()},
                    {"local-entries-only", ZipBuilder()
                                               .Deflated("a.png", Fixture("small.png"))
                                               .Deflated("b.jpeg", Fixture("small.jpg"), true)
                                               .LocalEntries()},
                    {"nested", NestedPackage()},
                    {"no-pictures.docx", Document("no-pictures.docx")}});
        WriteSeeds(folder / "compound", {{"streams", CompoundDocument()},
                                         {"no-pictures.doc", Document("no-pictures.doc")},
                                         {"word97.doc", Document("word97.doc")}});
        WriteSeeds(folder / "workbook",
                   {{"records", WorkbookRecords()}, {"excel97-workbook", WorkbookStream()}});
        WriteSeeds(folder / "rtf", {{"pictures", RtfPictures()},
                                    {"object", RtfObject()},
                                    {"rtf-named.doc", Document("rtf-named.doc")}});
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velmo-fuzz-seeds: %s\n", error.what());
        return 1;
    }
    return 0;
}
