// BitmapDecoderTest.cpp: the GIF, BMP and TIFF files the scan writes open in
// Pillow, at their size and with the pixels of the pictures they came from.
#include "DecoderDocuments.h"
#include "ScanTestSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Debian's Pillow belongs to the system's Python, whatever else is on PATH.
std::string Decoded(const TestFolder& folder, const fs::path& picture) {
    fs::path out = folder / "decoded.txt", err = folder / "decoder-errors.txt";
    int status = RunProgram("/usr/bin/python3",
                            "-c 'import sys; from PIL import Image; im = Image.open(sys.argv[1]); "
                            "im.load(); print(im.size, im.convert(\"RGB\").tobytes().hex())' \"" +
                                picture.string() + "\"",
                            out, err);
    EXPECT_EQ(status, 0) << ReadBytes(err);
    return ReadBytes(out);
}

class BitmapDecoder : public ::testing::TestWithParam<DecoderDocument> {};

TEST_P(BitmapDecoder, OpensEveryBitmapTheScanWrites) {
    const DecoderDocument& document = GetParam();
    TestFolder folder;
    Files written = ScanBytes(folder, document.bytes).files;

    std::set<std::string> names, expected;
    for (const auto& file : written) names.insert(file.first);
    for (const DocumentPicture& picture : document.pictures) expected.insert(picture.file);
    EXPECT_EQ(names, expected);

    for (const DocumentPicture& picture : document.pictures) {
        std::string extension = fs::path(picture.file).extension().string();
        if (extension != ".gif" && extension != ".bmp" && extension != ".tif") continue;
        SCOPED_TRACE(picture.file);
        WriteBytes(folder / ("original" + extension), picture.original);
        std::string decoded = Decoded(folder, OutputDirectory(folder) / picture.file);
        std::string size =
            "(" + std::to_string(picture.width) + ", " + std::to_string(picture.height) + ") ";
        EXPECT_EQ(decoded.substr(0, size.size()), size) << decoded;
        EXPECT_EQ(decoded, Decoded(folder, folder / ("original" + extension)));
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, BitmapDecoder, ::testing::ValuesIn(DecoderDocuments()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
