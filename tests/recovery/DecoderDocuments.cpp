// DecoderDocuments.cpp
#include "DecoderDocuments.h"

#include "CompoundFileBuilder.h"
#include "ContainerBytes.h"
#include "PictureBytes.h"
#include "ZipBuilder.h"

namespace {

// A stock black brush selected and a rectangle drawn with it, so that
// playing the picture leaves ink.
std::string DrawingEmf(int right, int bottom) {
    return EmfPicture(EmfRecord(37, Le(0x80000004, 4)) +
                      EmfRecord(43, Le(5, 4) + Le(5, 4) + Le(right, 4) + Le(bottom, 4)));
}

// The masks of a 16-bit BI_BITFIELDS bitmap lie between its header and
// its pixels, where a file header that leaves them out points wrong.
std::string BitFieldsBmp() {
    std::string header = Le(40, 4) + Le(3, 4) + Le(2, 4) + Le(1, 2) + Le(16, 2) + Le(3, 4) +
                         Le(16, 4) + Le(2835, 4) + Le(2835, 4) + Le(0, 4) + Le(0, 4);
    std::string masks = Le(0xF800, 4) + Le(0x07E0, 4) + Le(0x001F, 4);
    std::string pixels = Le(0xF800, 2) + Le(0x07E0, 2) + Le(0x001F, 2) + Le(0, 2) + Le(0xFFFF, 2) +
                         Le(0x1234, 2) + Le(0x8410, 2) + Le(0, 2);
    return "BM" + Le(14 + 52 + 16, 4) + Le(0, 4) + Le(14 + 52, 4) + header + masks + pixels;
}

std::string Dib(const std::string& bmp) { return bmp.substr(14); }

Blip Kept(BlipKind kind, const std::string& data, bool deflated = false,
          const std::string& slack = "") {
    return Blip{kind, data, deflated, slack, false};
}

}  // namespace

std::vector<DecoderDocument> DecoderDocuments() {
    const std::string bmp24 = BmpPicture();
    const std::string bmp8 = BmpPicture({5, 3, 8, 40, ""});
    const std::string core4 = BmpPicture({4, 2, 4, 12, ""});
    const std::string fields = BitFieldsBmp();
    const std::string emf = DrawingEmf(90, 40), deflatedEmf = DrawingEmf(60, 45);
    const std::string wmf = WmfPicture(), otherWmf = WmfPicture(120, 60);
    const std::string tiff = TiffPicture(6);

    // Every kind of picture record in a stream of a compound file; the
    // records give a metafile 0, 0, 200, 100 on 2,540,000 x 1,270,000 EMUs.
    std::string records;
    for (const Blip& blip : {Kept(BlipKind::Emf, emf), Kept(BlipKind::Emf, deflatedEmf, true),
                             Kept(BlipKind::Wmf, wmf), Kept(BlipKind::Wmf, otherWmf, true),
                             Kept(BlipKind::Dib, Dib(bmp24)),
                             Kept(BlipKind::Dib, Dib(bmp8), false, std::string(4, '\0')),
                             Kept(BlipKind::Dib, Dib(core4)), Kept(BlipKind::Dib, Dib(fields)),
                             Kept(BlipKind::Tiff, tiff)})
        records += BlipRecord(blip);
    std::string compound = CompoundFileBuilder()
                               .Stream("WordDocument", std::string(600, 'w'))
                               .Stream("Pictures", OfficeArtContainer(0xF001, records))
                               .Bytes();

    std::string package =
        ZipBuilder()
            .Deflated("word/document.xml", "<w:document/>")
            .Deflated("word/media/image1.gif", GifPicture())
            .Deflated("word/media/image2.bmp", bmp8)
            .Stored("word/media/image3.tif", TiffPicture())
            .Deflated("word/media/image4.emf", emf)
            .Deflated("word/media/image5.wmf", PlaceableWmf(wmf, {0, 0, 200, 100}, 96))
            .Bytes();

    // 300 x 150 units on 4,500 x 2,250 twips.
    const std::string rtfWmf = WmfPicture(300, 150);
    std::string rtf =
        "{\\rtf1\\ansi Before {\\pict\\wmetafile8\\picw300\\pich150\\picwgoal4500"
        "\\pichgoal2250\r\n" +
        RtfHex(rtfWmf) + "}\\par {\\pict\\emfblip " + RtfHex(emf) +
        "}\\par {\\pict\\dibitmap0\\picw3\\pich2 " + RtfHex(Dib(bmp24)) + "} after}";

    return {
        {"CompoundFile",
         compound,
         // Numbered by place: the builder lays the stream's sectors out
         // backwards, so the last record comes first.
         {{"1.emf", deflatedEmf},
          {"2.emf", emf},
          {"1.wmf", otherWmf, 7056, 3528},
          {"2.wmf", wmf, 7056, 3528},
          {"1.bmp", fields, 3, 2},
          {"2.bmp", core4, 4, 2},
          {"3.bmp", bmp8, 5, 3},
          {"4.bmp", bmp24, 3, 2},
          {"1.tif", tiff, 6, 1}}},
        {"Package",
         package,
         {{"1.gif", GifPicture(), 2, 2},
          {"1.bmp", bmp8, 5, 3},
          {"1.tif", TiffPicture(), 4, 1},
          {"1.emf", emf},
          {"1.wmf", PlaceableWmf(wmf, {0, 0, 200, 100}, 96), 5292, 2646}}},
        {"Rtf", rtf, {{"1.wmf", rtfWmf, 7938, 3969}, {"1.emf", emf}, {"1.bmp", bmp24, 3, 2}}},
    };
}
