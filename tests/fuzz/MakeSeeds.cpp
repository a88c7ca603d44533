// MakeSeeds.cpp: velmo-fuzz-seeds <folder>: writes each fuzz target's first
// inputs into a folder of its own (scan, zip, compound, workbook, rtf), made
// by the tests' builders and taken from the tests' documents.
#include "CompoundFileBuilder.h"
#include "ContainerBytes.h"
#include "PictureBytes.h"
#include "ScanTestSupport.h"
#include "ZipBuilder.h"

#include <cstdio>
#include <exception>

namespace {

// A picture record of every kind, each metafile kind also deflated.
std::string EveryPictureRecord() {
    std::string records;
    for (const Blip& blip :
         {Blip{BlipKind::Emf, EmfPicture(EmfComment("kept"))},
          Blip{BlipKind::Emf, EmfPicture(EmfComment("deflated")), true},
          Blip{BlipKind::Wmf, WmfPicture()}, Blip{BlipKind::Wmf, WmfPicture(120, 60), true},
          Blip{BlipKind::Pict, "\x0A\x8A" + Filler(200, 5)},
          Blip{BlipKind::Pict, "\x0A\x8A" + Filler(100, 6), true},
          Blip{BlipKind::Jpeg, Fixture("small.jpg")}, Blip{BlipKind::Png, Fixture("small.png")},
          Blip{BlipKind::Dib, BmpPicture().substr(14)}, Blip{BlipKind::Tiff, TiffPicture()},
          Blip{BlipKind::Jpeg, Fixture("exif-thumbnail.jpg"), false, "", true}})
        records += BlipRecord(blip);
    return OfficeArtContainer(0xF000, OfficeArtContainer(0xF001, records));
}

// A presentation keeping an embedded document compressed in its object record.
std::string PresentationWithCompressedObject() {
    std::string embedded =
        CompoundFileBuilder().Stream("WordDocument", Filler(700) + EveryPictureRecord()).Bytes();
    std::string object = Le(embedded.size(), 4) + ZlibCompress(embedded);
    std::string storage = Le(0x0010, 2) + Le(0x1011, 2) + Le(object.size(), 4) + object;
    std::string plain = Le(0, 2) + Le(0x1011, 2) + Le(6, 4) + "object";
    return CompoundFileBuilder()
        .Stream("PowerPoint Document", OfficeArtContainer(0x03E8, storage + plain))
        .Bytes();
}

// Every picture word, sizes, goal sizes, a copy for old readers in binary.
std::string RtfPictureWords() {
    std::string wmf = WmfPicture();
    std::string text = "{\\rtf1\\ansi ";
    text += "{\\pict\\emfblip\\picw99\\pich49 " + RtfHex(EmfPicture(EmfComment("e"))) + "}";
    text += "{\\*\\shppict{\\pict\\wmetafile8\\picw200\\pich100\\picwgoal2880\\pichgoal720 " +
            RtfHex(wmf) + "}}";
    text += "{\\pict\\wmetafile8\\picwgoal9223372036854775807\\pichgoal-9223372036854775807 " +
            RtfHex(wmf) + "}";
    text += "{\\nonshppict{\\pict\\wmetafile8\\bin" + std::to_string(wmf.size()) + " " + wmf + "}}";
    text += "{\\pict\\dibitmap0\\picw3\\pich2 " + RtfHex(BmpPicture().substr(14)) + "}";
    text += "{\\pict\\macpict\\picw30\\pich20 " + RtfHex("\x0A\x8A" + Filler(100)) + "}";
    text += "{\\pict\\wbitmap0\\picw3\\pich2 " + RtfHex(Filler(24)) + "}";
    text += "{\\pict\\pngblip\\picwgoal-15\\pichgoal99999999999999999999 " +
            RtfHex(Fixture("small.png")) + "}";
    return text + "}";
}

void WriteSeeds(const fs::path& folder, const Files& seeds) {
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
        std::string cut = Fixture("jfif-baseline.jpg");
        // A picture cut short, then whole ones; a GIF, a BMP and an EMF
        // holding a JPEG, each proven whole by its walk.
        std::string pictures = DocumentBuilder()
                                   .AddFiller(200)
                                   .Add(cut.substr(0, cut.size() / 2))
                                   .AddFiller(100, 2)
                                   .Add(Fixture("small.png"))
                                   .Add(Fixture("exif-thumbnail.jpg"))
                                   .Add(GifPicture())
                                   .Add(BmpPicture())
                                   .AddFiller(30, 3)
                                   .Add(EmfPicture(EmfComment(Fixture("small.jpg"))))
                                   .Bytes();
        ZipBuilder entries(true);
        entries.Deflated("a.jpeg", Fixture("small.jpg"), true)
            .Stored("b.png", Fixture("small.png"));
        std::string inner =
            ZipBuilder().Deflated("xl/media/image1.jpeg", Fixture("small.jpg")).Bytes();
        std::string nested = ZipBuilder().Deflated("word/embeddings/Workbook.xlsx", inner).Bytes();
        Files zip = {
            {"package.docx",
             ZipBuilder()
                 .Deflated("word/document.xml", "<w:document>" + Filler(300) + "</w:document>")
                 .Deflated("word/media/image1.png", Fixture("small.png"))
                 .Stored("word/media/image2.jpeg", Fixture("small.jpg"))
                 .Deflated("word/media/image3.jpeg", Fixture("app1-first.jpg"), true)
                 .Bytes()},
            {"zip64", entries.Bytes()},
            {"local-entries-only", entries.LocalEntries()},
            {"nested", nested},
            {"no-pictures.docx", Document("no-pictures.docx")}};
        Files compound = {
            {"streams.doc",
             CompoundFileBuilder()
                 .Stream("Data", Filler(700) + cut + Filler(300, 2))
                 .Stream("Small", Fixture("small.jpg") + Filler(50, 4) + Fixture("small.png"))
                 .Bytes()},
            {"no-pictures.doc", Document("no-pictures.doc")},
            {"records.doc", CompoundFileBuilder().Stream("Data", EveryPictureRecord()).Bytes()},
            {"presentation.ppt", PresentationWithCompressedObject()},
            {"word97.doc", Document("word97.doc")}};
        // Hexadecimal picture data behind a group of its own, and binary.
        std::string png = Fixture("small.png");
        std::string pictureText =
            "{\\rtf1\\ansi Text {\\*\\shppict{\\pict\\jpegblip{\\*\\blipuid ffd8ffe000}\r\n" +
            RtfHex(Fixture("small.jpg")) + "}}\\par {\\pict\\pngblip\\bin" +
            std::to_string(png.size()) + " " + png + "}\\par}";
        Files rtf = {{"pictures.rtf", pictureText},
                     {"object.rtf", RtfPackageObject(nested)},
                     {"picture-words.rtf", RtfPictureWords()},
                     {"rtf-named.doc", Document("rtf-named.doc")}};
        // A drawing group cut into a first record and continuations, then
        // one of a picture record as Office writes it.
        std::string drawing =
            OfficeArtContainer(0xF000, BlipRecord({BlipKind::Png, Fixture("small.png")}));
        Files workbook = {
            {"records", WorkbookStream({Filler(9000) + Fixture("jfif-baseline.jpg"), drawing})},
            {"every-record", WorkbookStream({EveryPictureRecord()})}};
        // The scan reads them all.
        Files scan = {{"two-pictures", TwoPictureDocument()},
                      {"pictures", pictures},
                      {"excel97.xls", Document("excel97.xls")},
                      {"word.docx", Document("word.docx")}};
        for (const Files* seeds : {&zip, &compound, &rtf})
            scan.insert(seeds->begin(), seeds->end());
        WriteSeeds(folder / "scan", scan);
        WriteSeeds(folder / "zip", zip);
        WriteSeeds(folder / "compound", compound);
        WriteSeeds(folder / "workbook", workbook);
        WriteSeeds(folder / "rtf", rtf);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velmo-fuzz-seeds: %s\n", error.what());
        return 1;
    }
    return 0;
}
