// MetafilePlaybackTest.cpp: the EMF and WMF files the scan writes open in
// GDI and draw, the WMF ones at the size their document gives them.
#include "DecoderDocuments.h"
#include "ScanTestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

namespace {

constexpr int kSide = 64;

// The pixels a picture played over a white bitmap leaves non-white; -1
// when GDI refuses to play it.
int InkLeft(HENHMETAFILE picture) {
    BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), kSide, -kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    RECT all = {0, 0, kSide, kSide};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    bool played = PlayEnhMetaFile(dc, picture, &all);
    GdiFlush();
    int ink = 0;
    for (int i = 0; i < kSide * kSide; ++i)
        if ((static_cast<const uint32_t*>(bits)[i] & 0xFFFFFF) != 0xFFFFFF) ++ink;
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return played ? ink : -1;
}

int Word(const std::string& bytes, size_t at) {
    return static_cast<int16_t>(static_cast<uint8_t>(bytes[at]) |
                                (static_cast<uint8_t>(bytes[at + 1]) << 8));
}

void ExpectEnhancedMetafileDraws(const fs::path& file) {
    HENHMETAFILE picture = GetEnhMetaFileW(file.wstring().c_str());
    ASSERT_NE(picture, nullptr);
    EXPECT_GT(InkLeft(picture), 0);
    DeleteEnhMetaFile(picture);
}

// The placeable header tells the records' place on the page; GDI takes it
// as a METAFILEPICT in 0.01 mm.
void ExpectPlaceableMetafileDraws(const std::string& bytes, const DocumentPicture& expected) {
    ASSERT_GT(bytes.size(), 22u);
    ASSERT_EQ(bytes.substr(0, 4), "\xD7\xCD\xC6\x9A");
    int checksum = 0;
    for (size_t at = 0; at < 20; at += 2) checksum ^= Word(bytes, at) & 0xFFFF;
    EXPECT_EQ(checksum, Word(bytes, 20) & 0xFFFF);
    int unitsPerInch = Word(bytes, 14) & 0xFFFF;
    ASSERT_GT(unitsPerInch, 0);
    METAFILEPICT place = {MM_ANISOTROPIC, (Word(bytes, 10) - Word(bytes, 6)) * 2540 / unitsPerInch,
                          (Word(bytes, 12) - Word(bytes, 8)) * 2540 / unitsPerInch, nullptr};
    EXPECT_NEAR(place.xExt, expected.width, expected.width / 100);
    EXPECT_NEAR(place.yExt, expected.height, expected.height / 100);
    HENHMETAFILE picture =
        SetWinMetaFileBits(static_cast<UINT>(bytes.size() - 22),
                           reinterpret_cast<const BYTE*>(bytes.data() + 22), nullptr, &place);
    ASSERT_NE(picture, nullptr);
    EXPECT_GT(InkLeft(picture), 0);
    DeleteEnhMetaFile(picture);
}

class MetafilePlayback : public ::testing::TestWithParam<DecoderDocument> {};

// The native tests check the files' names; here their number is enough.
TEST_P(MetafilePlayback, EveryMetafileTheScanWritesDraws) {
    const DecoderDocument& document = GetParam();
    TestFolder folder;
    Files written = ScanBytes(folder, document.bytes).files;
    EXPECT_EQ(written.size(), document.pictures.size());
    for (const auto& [file, bytes] : written) {
        SCOPED_TRACE(file);
        std::string extension = fs::path(file).extension().string();
        if (extension == ".emf") ExpectEnhancedMetafileDraws(OutputDirectory(folder) / file);
        if (extension != ".wmf") continue;
        auto expected = std::find_if(document.pictures.begin(), document.pictures.end(),
                                     [&](const DocumentPicture& p) { return p.file == file; });
        ASSERT_NE(expected, document.pictures.end());
        ExpectPlaceableMetafileDraws(bytes, *expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Documents, MetafilePlayback, ::testing::ValuesIn(DecoderDocuments()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
