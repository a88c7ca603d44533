// HostileDocumentTest.cpp: documents built to make the readers throw, loop,
// take time in the square of their size, write the same picture again and
// again or count a cut picture whole. Each ends with the usual result, soon,
// every picture once, each cut one counted cut.
#include "CompoundFileBuilder.h"
#include "ContainerBytes.h"
#include "PictureBytes.h"
#include "ScanTestSupport.h"
#include "ZipBuilder.h"

#include "recovery/bytes/InflateSource.h"
#include "recovery/bytes/SliceSource.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace {

// Well within a second natively; the sanitizers and a busy machine slow it
// tenfold, while the faults these documents found took minutes or hours.
constexpr auto kPromptly = std::chrono::seconds(10);

std::string Repeated(const std::string& bytes, size_t times) {
    std::string out;
    out.reserve(bytes.size() * times);
    for (size_t i = 0; i < times; ++i) out += bytes;
    return out;
}

// A small JPEG of its own: a comment segment numbers it.
std::string DistinctJpeg(int number) {
    std::string jpeg = Fixture("small.jpg");
    std::string text = "picture " + std::to_string(number);
    std::string comment = std::string("\xFF\xFE", 2) + static_cast<char>(0) +
                          static_cast<char>(text.size() + 2) + text;
    return jpeg.substr(0, 2) + comment + jpeg.substr(2);
}

Files NumberedJpegs(int count) {
    Files files;
    for (int i = 1; i <= count; ++i) files[std::to_string(i) + ".jpg"] = DistinctJpeg(i);
    return files;
}

// A stored deflate block, not the last of its stream.
std::string StoredBlock(const std::string& bytes) {
    return std::string(1, '\0') + Le(bytes.size(), 2) + Le(~bytes.size() & 0xFFFF, 2) + bytes;
}

// Local entries without a directory, each one's deflate stream made of the
// next whole entry and never ending: every stream runs over all later ones.
std::string OverlappingEntries(int count) {
    std::string body = DistinctJpeg(1);
    for (int i = 0; i < count; ++i) {
        ZipHeaderFields fields;
        fields.name = "e" + std::to_string(i);
        fields.flags = 1 << 3;  // sizes in a data descriptor that never comes
        body = ZipLocalHeader(fields) + StoredBlock(body);
    }
    return body;
}

// A local header whose 64-bit compressed size reaches past the largest
// offset: the search for the next header must not wrap round to this one.
std::string EntrySizeBeyondAnyOffset() {
    ZipHeaderFields fields;
    fields.name = "a";
    fields.compressedSize = 0xFFFFFFFF;
    fields.size = 0xFFFFFFFF;
    fields.extra = Le(1, 2) + Le(16, 2) + Le(100, 8) + Le(~uint64_t{0} - 20, 8);
    return ZipLocalHeader(fields) + Deflate("no picture");
}

// A package inside a deflated entry, its directory behind a large entry of
// its own: every directory entry points back to the start of the inflated data.
std::string PackageWithFarDirectory() {
    ZipBuilder inner;
    inner.Stored("media/image1.jpeg", DistinctJpeg(1));
    for (int i = 0; i < 300; ++i) inner.Stored("part" + std::to_string(i), "x");
    inner.Stored("pad", std::string(2 << 20, '\0'));
    return ZipBuilder().Deflated("word/embeddings/inner.zip", inner.Bytes()).Bytes();
}

// A document embedding a workbook, both deflated: the workbook's pictures lie
// at the same offsets of their own entries.
std::string PackageInPackage() {
    ZipBuilder workbook;
    for (int i = 1; i <= 5; ++i)
        workbook.Deflated("xl/media/image" + std::to_string(i) + ".jpeg", DistinctJpeg(i));
    return ZipBuilder()
        .Deflated("word/document.xml", "<w:document/>")
        .Deflated("word/embeddings/Book1.xlsx", workbook.Bytes())
        .Bytes();
}

constexpr int kLoopedPictures = 11;

// A compound file whose directory sector is its own successor, listing the
// same stream of small pictures again and again.
std::string LoopingCompoundFile() {
    const size_t sector = 512;
    std::string stream;
    for (int i = 1; i <= kLoopedPictures; ++i) stream += DistinctJpeg(i);
    stream.resize(8 * sector, '\0');
    std::string fat;
    fat += Le(kCompoundFatSector, 4);
    fat += Le(1, 4);  // the directory loops
    for (uint32_t s = 2; s < 9; ++s) fat += Le(s + 1, 4);
    fat += Le(kCompoundEndOfChain, 4);
    fat.resize(sector, '\xFF');
    std::string directory = CompoundDirectoryEntry("Root Entry", 5, kCompoundFree, kCompoundFree,
                                                   kCompoundEndOfChain, 0);
    for (const char* name : {"A", "B", "C"})
        directory +=
            CompoundDirectoryEntry(name, 2, kCompoundFree, kCompoundFree, 2, stream.size());
    CompoundHeaderFields header;
    header.fatSectors = 1;
    header.directoryStart = 1;
    header.headerFatIds = {0};
    return CompoundHeader(header) + fat + directory + stream;
}

// A presentation whose compressed objects each hold a compound file and
// declare nearly 2 GB inflated: what a file holds, not what it declares,
// sizes its tables.
std::string ObjectsDeclaringGigabytes(int count) {
    std::string objects;
    for (int i = 1; i <= count; ++i) {
        std::string embedded =
            CompoundFileBuilder().Stream("Data", Filler(4200) + DistinctJpeg(i)).Bytes();
        std::string object = Le(0x7FFFFFF0, 4) + ZlibCompress(embedded);
        objects += Le(0x0010, 2) + Le(0x1011, 2) + Le(object.size(), 4) + object;
    }
    std::string atom = Le(0, 2) + Le(0x03E9, 2) + Le(40, 4) + Filler(40);
    return CompoundFileBuilder()
        .InOrder()
        .Stream("PowerPoint Document", OfficeArtContainer(0x03E8, atom + objects))
        .Bytes();
}

std::string ManyPictWordsThenPictures(int pictures) {
    std::string rtf = "{\\rtf1" + Repeated("\\pict", 20000) + " ";
    for (int i = 1; i <= pictures; ++i) rtf += RtfHex(DistinctJpeg(i)) + " ";
    return rtf + "}";
}

// A start of image, an APP0 segment of no data and the end of image: no picture.
const std::string kImagelessJpeg("\xFF\xD8\xFF\xE0\x00\x02\xFF\xD9", 8);

// A PNG's signature and header chunk, and nothing after them.
std::string PngHead() { return Fixture("text-chunk.png").substr(0, 33); }

std::string RtfObjectData(const std::string& bytes) {
    return "{\\rtf1{\\object{\\*\\objdata " + RtfHex(bytes) + "}}}";
}

// A picture record of a Macintosh picture, deflated as the given bytes,
// declaring the size of data.
std::string PictRecord(const std::string& data, const std::string& compressed) {
    Blip blip{BlipKind::Pict, data};
    blip.compressed = compressed;
    return BlipRecord(blip);
}

// Zlib's header, then deflate blocks that keep the bytes as they are, the
// stream never ending: it inflates to the bytes and no further.
std::string UnendedZlibStream(const std::string& bytes) {
    return std::string("\x78\x01", 2) + StoredBlock(bytes);
}

// A record whose picture's header declares more bytes than its data inflates to.
std::string EmfRecordInflatingShort(const std::string& emf, size_t inflated) {
    Blip blip{BlipKind::Emf, emf};
    blip.compressed = UnendedZlibStream(emf.substr(0, inflated));
    return CompoundFileBuilder().Stream("Pictures", BlipRecord(blip) + Filler(4096)).Bytes();
}

// A DIB of 48,640 bytes in a bitmap record, its stream's chain of sectors
// ending after the first of them.
BmpShape LargeBitmap() {
    BmpShape shape;
    shape.width = 100;
    shape.height = 162;
    return shape;
}

// A compound file of one stream whose chain of sectors ends after the first.
std::string StreamCutAfterOneSector(const std::string& stream) {
    std::string file = CompoundFileBuilder().Stream("Pictures", stream).Bytes();
    // The builder stores the stream's sectors last to first from sector 0,
    // behind them the allocation table it names first in the header.
    size_t sectors = (stream.size() + 511) / 512;
    uint32_t table = static_cast<uint8_t>(file[76]) | static_cast<uint8_t>(file[77]) << 8;
    file.replace(512 + table * 512 + 4 * (sectors - 1), 4, Le(kCompoundEndOfChain, 4));
    return file;
}

std::string BitmapRecordInAChainCutAfterOneSector() {
    return StreamCutAfterOneSector(
        BlipRecord({BlipKind::Dib, BmpPicture(LargeBitmap()).substr(14)}));
}

// A PNG of more bytes than the cut documents below hold: a private chunk of
// 2 MB of zeros after its header chunk.
std::string LargePng() {
    const std::string png = Fixture("small.png");
    const size_t afterHeader = 8 + 4 + 4 + 13 + 4;
    return png.substr(0, afterHeader) + std::string("\x00\x20\x00\x00prVt", 8) +
           std::string(2 << 20, '\0') + std::string(4, '\0') + png.substr(afterHeader);
}

const std::string kRtfPictureStart = "{\\rtf1{\\pict\\pngblip ";

std::string RtfWithLargePng() { return kRtfPictureStart + RtfHex(LargePng()) + "}}"; }

// The PNG's bytes the first characters of the text give: RtfHex writes 64
// bytes a line, in 130 characters.
std::string LargePngFromRtf(size_t characters) {
    characters -= kRtfPictureStart.size();
    size_t bytes = characters / 130 * 64 + std::min<size_t>(characters % 130, 128) / 2;
    return LargePng().substr(0, bytes);
}

// A stored entry whose ZIP64 size wraps round to just before its own data:
// a PNG cut after its header, then a whole entry with a JPEG.
std::string StoredEntrySizeThatWraps() {
    ZipHeaderFields fields;
    fields.name = "a.png";
    fields.method = 0;
    fields.compressedSize = 0xFFFFFFFF;
    fields.size = 0xFFFFFFFF;
    fields.extra = Le(1, 2) + Le(16, 2) + Le(~uint64_t{0} - 53, 8) + Le(~uint64_t{0} - 53, 8);
    return ZipLocalHeader(fields) + PngHead() +
           ZipBuilder().Stored("b.jpeg", DistinctJpeg(1)).LocalEntries();
}

// The copy for old readers kept as binary data whose braces close the
// copy's groups before its end, or open more of them, with a picture of
// its own after it.
std::string RtfCopyWithBinaryBraces(const std::string& binary) {
    return "{\\rtf1{\\nonshppict{\\pict\\emfblip\\bin" + std::to_string(binary.size()) + " " +
           binary + "}}{\\pict\\jpegblip " + RtfHex(DistinctJpeg(2)) + "}}";
}

// A presentation's containers, each the whole of the one around it.
std::string NestedPresentationContainers(size_t levels) {
    std::string stream;
    for (size_t level = 0; level < levels; ++level)
        stream += Le(0x000F, 2) + Le(0x03E8, 2) + Le((levels - 1 - level) * 8, 4);
    return CompoundFileBuilder().Stream("PowerPoint Document", stream).Bytes();
}

// Entries of zeros, each inflated to its end, that spend all but a megabyte
// or two of the scan's allowance of inflated bytes (their compressed bytes
// add a little to it).
constexpr size_t kZeroEntrySizes[] = {15 << 20, 15 << 20, 15 << 20, 15 << 20, 15 << 19};

ZipBuilder AllowanceNearlySpent() {
    ZipBuilder package;
    for (size_t size : kZeroEntrySizes)
        package.Deflated("zeros" + std::to_string(package.CentralDirectoryOffset()),
                         std::string(size, '\0'));
    return package;
}

// What the allowance leaves for the package's last entry.
size_t AllowanceLeft(const std::string& package) {
    size_t spent = 0;
    for (size_t size : kZeroEntrySizes) spent += size;
    return package.size() * kPlausibleInflationRatio + InflationBudget::kFloor - spent;
}

std::string PngEntryPastTheAllowance() {
    return AllowanceNearlySpent().Deflated("word/media/image1.png", LargePng()).Bytes();
}

std::string RtfEntryPastTheAllowance() {
    return AllowanceNearlySpent().Deflated("word/afchunk.rtf", RtfWithLargePng()).Bytes();
}

// The document, the files the scan gives, and how many of them are cut.
// For some, the most memory the scan may take whatever the document
// declares or holds.
struct HostileDocument {
    const char* name;
    std::function<std::string()> build;
    std::function<Files()> expected;
    int cut = 0;
    uint64_t mostMemory = 0;  // 0: not measured
};

// A stream of picture records that all hold one tiny picture: each record,
// and each sight of its picture in the stream and in the plain bytes, is a
// candidate, and one file is written.
std::string RecordsFloodingAStream(int count) {
    std::string record = BlipRecord({BlipKind::Png, Fixture("small.png")});
    return CompoundFileBuilder().Stream("Pictures", Repeated(record, count)).Bytes();
}

// The first numbered JPEGs (DistinctJpeg).
std::function<Files()> Jpegs(int count) {
    return [count] { return NumberedJpegs(count); };
}

// The most memory the process has held so far, where the system tells it.
uint64_t PeakMemory() {
#ifdef _WIN32
    return 0;
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<uint64_t>(usage.ru_maxrss) * 1024;
#endif
}

constexpr uint64_t kLittleMemory = 64 << 20;

}  // namespace

#ifdef __SANITIZE_ADDRESS__
// Freed memory goes back at once, so that the peak tells what a scan holds.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=0"; }
#endif

namespace {

void PrintTo(const HostileDocument& document, std::ostream* out) { *out << document.name; }

class Hostile : public ::testing::TestWithParam<HostileDocument> {};

TEST_P(Hostile, EndsSoonWithEveryPictureOnce) {
    TestFolder folder;
    std::string document = GetParam().build();
    const uint64_t memoryBefore = PeakMemory();
    auto start = std::chrono::steady_clock::now();

    ScanOutcome outcome = ScanBytes(folder, document);

    EXPECT_LT(std::chrono::steady_clock::now() - start, kPromptly);
    if (GetParam().mostMemory != 0) {
        EXPECT_LT(PeakMemory() - memoryBefore, GetParam().mostMemory);
    }
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(outcome.files, GetParam().expected());
    EXPECT_EQ(outcome.result.cutCount, GetParam().cut);
    // A duplicate is known before its file is made: nothing written is taken back.
    EXPECT_EQ(outcome.picturesMade, static_cast<int>(outcome.files.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Documents, Hostile,
    ::testing::Values(
        HostileDocument{"CommentSegmentsChainedToTheEnd",
                        [] { return Repeated(std::string("\xFF\xD8\xFF\xFE\x00\x04", 6), 100000); },
                        Jpegs(0)},
        HostileDocument{"ZipJpegCandidatesEveryFourBytesOfADeflatedEntry",
                        [] {
                            return ZipBuilder()
                                .Deflated("a.bin", Repeated("\xFF\xD8\xFF\xC4", 1 << 16))
                                .Bytes();
                        },
                        Jpegs(0)},
        HostileDocument{"ZipDirectoryFarBehindItsEntriesInsideAnInflatedEntry",
                        PackageWithFarDirectory, Jpegs(1)},
        HostileDocument{"ZipEntrySizeBeyondAnyOffset", EntrySizeBeyondAnyOffset, Jpegs(0)},
        HostileDocument{"ZipLocalEntriesWhoseStreamsRunOverEachOther",
                        [] { return OverlappingEntries(100); }, Jpegs(1)},
        HostileDocument{"ZipPicturesAtTheSameOffsetsOfSiblingEntriesInsideAnEntry",
                        PackageInPackage, Jpegs(5)},
        HostileDocument{"CompoundDirectoryLoopingOverOneStreamOfSmallPictures", LoopingCompoundFile,
                        Jpegs(kLoopedPictures)},
        HostileDocument{
            "RtfBinaryRunLongerThanAnyNumber",
            [] { return std::string("{\\rtf1{\\pict\\bin99999999999999999999999 0102}}"); },
            Jpegs(0)},
        HostileDocument{"CompoundObjectsDeclaringGigabytes",
                        [] { return ObjectsDeclaringGigabytes(128); }, Jpegs(128), 0,
                        kLittleMemory},
        HostileDocument{"RtfThousandsOfPictWordsBeforeThePictures",
                        [] { return ManyPictWordsThenPictures(200); }, Jpegs(200)},
        HostileDocument{
            "ImagelessJpegsFillingAStoredEntry",
            [] { return ZipBuilder().Stored("a.bin", Repeated(kImagelessJpeg, 1 << 15)).Bytes(); },
            Jpegs(0)},
        HostileDocument{"ImagelessJpegsFillingAStream",
                        [] {
                            return CompoundFileBuilder()
                                .Stream("Data", Repeated(kImagelessJpeg, 1 << 15))
                                .Bytes();
                        },
                        Jpegs(0)},
        // Each candidate takes a few bytes until a fixed count, then none.
        HostileDocument{"RecordsOfOneTinyPictureFloodingAStream",
                        [] { return RecordsFloodingAStream(1 << 14); },
                        [] {
                            return Files{{"1.gif", Fixture("small.png")}};
                        },
                        0, 8 << 20},
        HostileDocument{"RtfObjectDataOfJpegCandidatesEveryFourBytes",
                        [] { return RtfObjectData(Repeated("\xFF\xD8\xFF\xC4", 1 << 16)); },
                        Jpegs(0)},
        HostileDocument{
            "EmfRecordWhoseDataInflatesShortOfItsHeader",
            [] { return EmfRecordInflatingShort(EmfPicture(EmfComment(Filler(3000))), 1000); },
            [] {
                return Files{{"1.emf", EmfPicture(EmfComment(Filler(3000))).substr(0, 1000)}};
            },
            1},
        HostileDocument{
            "BitmapRecordInAStreamWhoseChainEndsAfterOneSector",
            BitmapRecordInAChainCutAfterOneSector,
            // The record's header, identifier and tag take 25 bytes of the sector.
            [] {
                return Files{{"1.bmp", BmpPicture(LargeBitmap()).substr(0, 14 + 512 - 25)}};
            },
            1},
        HostileDocument{
            "PictRecordsHoldingNothing",
            [] {
                std::string records = PictRecord("", ZlibCompress("abc")) +
                                      PictRecord(Filler(300), "\x78\x9C" + std::string(40, '\xFF'));
                return CompoundFileBuilder().Stream("Pictures", records + Filler(4096)).Bytes();
            },
            Jpegs(0)},
        // Its group's data ends where the chain does: cut, not whole.
        HostileDocument{"RtfPictureInAStreamWhoseChainEndsAfterOneSector",
                        [] { return StreamCutAfterOneSector(RtfWithLargePng()); },
                        [] {
                            return Files{{"1.gif", LargePngFromRtf(512)}};
                        },
                        1},
        HostileDocument{"StoredZip64EntrySizeThatWraps", StoredEntrySizeThatWraps,
                        [] {
                            // The cut PNG runs on to the JPEG, not into it.
                            std::string entry =
                                ZipBuilder().Stored("b.jpeg", DistinctJpeg(1)).LocalEntries();
                            std::string header =
                                entry.substr(0, entry.size() - DistinctJpeg(1).size());
                            return Files{{"1.gif", PngHead() + header}, {"1.jpg", DistinctJpeg(1)}};
                        },
                        1},
        HostileDocument{"RtfCopyForOldReadersWhoseBinaryDataClosesItsGroups",
                        [] {
                            return RtfCopyWithBinaryBraces(EmfPicture("") + "}}{\\pict\\jpegblip " +
                                                           RtfHex(DistinctJpeg(1)) + "}");
                        },
                        [] {
                            return Files{{"1.jpg", DistinctJpeg(2)}};
                        }},
        HostileDocument{"RtfCopyForOldReadersWhoseBinaryDataOpensGroups",
                        [] { return RtfCopyWithBinaryBraces("{{{{" + EmfPicture("")); },
                        [] {
                            return Files{{"1.jpg", DistinctJpeg(2)}};
                        }},
        HostileDocument{
            "RtfGoalSizeBeyondAnyProduct",
            [] {
                return "{\\rtf1{\\pict\\wmetafile8\\picw200\\pich100\\picwgoal9223372036854775807"
                       "\\pichgoal-9223372036854775807 " +
                       RtfHex(WmfPicture()) + "}}";
            },
            [] {
                return Files{{"1.wmf", PlaceableWmf(WmfPicture(), {0, 0, 200, 100}, 1)}};
            }},
        HostileDocument{"PngInAnEntryInflatedPastTheAllowance", PngEntryPastTheAllowance,
                        [] {
                            size_t left = AllowanceLeft(PngEntryPastTheAllowance());
                            return Files{{"1.gif", LargePng().substr(0, left)}};
                        },
                        1},
        // Its group's data ends where the allowance does: cut, not whole.
        HostileDocument{
            "RtfPictureInAnEntryInflatedPastTheAllowance", RtfEntryPastTheAllowance,
            [] {
                return Files{{"1.gif", LargePngFromRtf(AllowanceLeft(RtfEntryPastTheAllowance()))}};
            },
            1},
        HostileDocument{"PresentationContainersNestedTwoMegabytesDeep",
                        [] { return NestedPresentationContainers(1 << 18); }, Jpegs(0)}),
    [](const ::testing::TestParamInfo<HostileDocument>& info) { return info.param.name; });

// --- Reading an inflated entry again ----------------------------------------

// Read in two parts split anywhere, an entry gives it whole: also where zlib
// took every compressed byte while it still holds output (a workbook's
// shared strings, split before their last byte).
TEST(InflatedEntry, ReadInTwoPartsGivesTheWholeEntryWhereverTheySplit) {
    std::string plain =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<sst "
        "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\"2\" "
        "uniqueCount=\"2\"><si><t xml:space=\"preserve\">Figures</t></si><si><t "
        "xml:space=\"preserve\">Photo</t></si></sst>";
    auto archive = std::make_shared<MemorySource>(Deflate(plain));
    std::string bytes(plain.size(), '\0');
    auto* into = reinterpret_cast<uint8_t*>(&bytes[0]);
    for (size_t split = 1; split < plain.size(); ++split) {
        InflateSource entry(archive, 0, archive->Size(), plain.size(),
                            std::make_shared<InflationBudget>(archive->Size()));
        size_t first = entry.ReadAt(0, into, split);
        size_t second = entry.ReadAt(split, into + split, plain.size() - split);
        ASSERT_EQ(first + second, plain.size()) << "split at " << split;
        ASSERT_EQ(bytes, plain) << "split at " << split;
    }
}

// Read again from points the recent bytes no longer hold, an entry goes back
// to the decoder state saved nearest before each, and gives the same bytes.
TEST(InflatedEntry, ReadAgainFromEarlierPointsGivesTheSameBytes) {
    const std::string plain = Filler(3 << 20, 4);
    auto archive = std::make_shared<MemorySource>(Deflate(plain));
    InflateSource entry(archive, 0, archive->Size(), plain.size(),
                        std::make_shared<InflationBudget>(archive->Size()));
    std::string bytes(plain.size(), '\0');
    auto* into = reinterpret_cast<uint8_t*>(&bytes[0]);
    ASSERT_EQ(entry.ReadAt(0, into, bytes.size()), plain.size());
    for (size_t from : {size_t{2600000}, size_t{1100000}, size_t{2100000}, size_t{5}}) {
        const size_t size = 70000;
        std::string again(size, '\0');
        ASSERT_EQ(entry.ReadAt(from, reinterpret_cast<uint8_t*>(&again[0]), size), size) << from;
        EXPECT_EQ(again, plain.substr(from, size)) << "read again from " << from;
    }
}

// A package cannot make the scan inflate more than its allowance.
TEST(InflatedEntry, StopsWhereTheAllowanceRunsOut) {
    std::string plain(InflationBudget::kFloor + (1 << 20), '\0');
    auto archive = std::make_shared<MemorySource>(Deflate(plain));
    auto budget = std::make_shared<InflationBudget>(0);
    InflateSource entry(archive, 0, archive->Size(), ByteSource::kUnknownSize, budget);
    std::vector<uint8_t> bytes(1 << 20);
    uint64_t read = 0;
    for (size_t got; (got = entry.ReadAt(read, bytes.data(), bytes.size())) > 0;) read += got;
    EXPECT_EQ(read, InflationBudget::kFloor);
    EXPECT_FALSE(entry.Complete());
}

}  // namespace
