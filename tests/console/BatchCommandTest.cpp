// BatchCommandTest.cpp: velmo-extract over many documents: folders on disk,
// JSON lines, failures one by one, order, and the program as started.
#include "ScanTestSupport.h"

#include "console/BatchCommand.h"
#include "console/DocumentDisk.h"
#include "console/DocumentWalk.h"
#include "console/JsonReport.h"
#include "recovery/bytes/ByteSource.h"
#include "recovery/disk/ScanDisk.h"
#include "tests/support/ScriptNames.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <chrono>
#include <sstream>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

using Json = nlohmann::json;

struct BatchOutcome {
    int status;
    std::vector<Json> lines;
    std::string err;
};

std::vector<Json> ParseLines(const std::string& text) {
    std::vector<Json> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(Json::parse(line));
    }
    return lines;
}

BatchOutcome RunJson(BatchOptions options, FolderReader& folders, ScanDisk& disk,
                     bool progress = false) {
    options.json = true;
    std::ostringstream out;
    std::ostringstream err;
    int status = RunBatch(options, out, err, progress, folders, disk);
    return {status, ParseLines(out.str()), err.str()};
}

BatchOutcome RunJson(const BatchOptions& options) {
    FolderReader folders;
    ScanDisk disk;
    return RunJson(options, folders, disk);
}

std::vector<std::string> Paths(const std::vector<Json>& lines) {
    std::vector<std::string> paths;
    for (const Json& line : lines) paths.push_back(line["path"]);
    return paths;
}

// The "pictures" object of a call that writes every kind: the JPEG and PNG
// counts given, every other kind none.
Json EveryKind(int jpegs, int pngs) {
    Json pictures = Json::object();
    for (size_t kind = 0; kind < kPictureKinds; ++kind)
        pictures[KindName(static_cast<PictureKind>(kind))] = 0;
    pictures["jpeg"] = jpegs;
    pictures["png"] = pngs;
    return pictures;
}

// A completed line whose folder holds exactly the two pictures of TwoPictureDocument().
void ExpectTwoPicturesOnDisk(const Json& line, const std::string& folder) {
    SCOPED_TRACE(line.dump());
    EXPECT_EQ(line["status"], "completed");
    EXPECT_EQ(line["failure"], nullptr);
    EXPECT_EQ(line["outputFolder"], folder);
    EXPECT_EQ(line["pictures"], EveryKind(1, 1));
    EXPECT_EQ(line["bytes"], fs::file_size(fs::u8path(line["path"].get<std::string>())));
    EXPECT_EQ(FilesIn(fs::u8path(folder)),
              (std::map<std::string, std::string>{{"1.jpg", Fixture("small.jpg")},
                                                  {"1.gif", Fixture("text-chunk.png")}}));
}

TEST(BatchFolders, NestedFoldersAndSameNamesGetFoldersOfTheirOwnAndNothingIsWrittenTwice) {
    TestFolder folder;
    fs::create_directories(folder / "in" / "sub" / "deeper");
    WriteBytes(folder / "in" / "a.doc", TwoPictureDocument());
    WriteBytes(folder / "in" / "b.doc", Filler(3000));
    WriteBytes(folder / "in" / "sub" / "a.doc", TwoPictureDocument());
    WriteBytes(folder / "in" / "sub" / "deeper" / "a.final.doc", TwoPictureDocument());
    fs::create_directories(folder / "out" / "aREC");
    WriteBytes(folder / "out" / "aREC" / "1.jpg", "someone else's");
    std::string in = (folder / "in").string();
    std::string out = (folder / "out").string();
    fs::path a = folder / "out" / "aREC";

    BatchOptions options;
    options.outputFolder = out;
    options.inputs = {in};
    BatchOutcome flat = RunJson(options);
    options.recursive = true;
    options.jobs = 2;
    BatchOutcome nested = RunJson(options);

    EXPECT_EQ(flat.status, 0);
    EXPECT_EQ(Paths(flat.lines), (std::vector<std::string>{(folder / "in" / "a.doc").string(),
                                                           (folder / "in" / "b.doc").string()}));
    ExpectTwoPicturesOnDisk(flat.lines[0], a.string() + "-2");
    EXPECT_EQ(flat.lines[1]["outputFolder"], nullptr);
    EXPECT_EQ(flat.lines[1]["pictures"], EveryKind(0, 0));
    EXPECT_FALSE(fs::exists(folder / "out" / "bREC"));

    EXPECT_EQ(nested.status, 0);
    ASSERT_EQ(nested.lines.size(), 4u);
    EXPECT_EQ(nested.lines[2]["path"], (folder / "in" / "sub" / "a.doc").string());
    ExpectTwoPicturesOnDisk(nested.lines[0], a.string() + "-3");
    ExpectTwoPicturesOnDisk(nested.lines[2], a.string() + "-4");
    ExpectTwoPicturesOnDisk(nested.lines[3], a.string() + "-5");
    EXPECT_EQ(FilesIn(a), (std::map<std::string, std::string>{{"1.jpg", "someone else's"}}));
    EXPECT_EQ(FilesIn(a.string() + "-2").size(), 2u);
    EXPECT_NE(nested.err.find("4 documents, 4 completed, 0 failed; 6 pictures (3 JPEG, 3 PNG)"),
              std::string::npos)
        << nested.err;
}

// Windows tells names apart beyond letter case only, in every script.
TEST(BatchFolders, NamesThatDifferOnlyInLetterCaseShareAFolderNameOnWindows) {
    TestFolder folder;
    fs::create_directories(folder / "in" / "a");
    fs::create_directories(folder / "in" / "b");
    WriteBytes(folder / "in" / "a" / fs::u8path("\xC3\x84rger.doc"), TwoPictureDocument());
    WriteBytes(folder / "in" / "b" / fs::u8path("\xC3\xA4rger.doc"), TwoPictureDocument());
    BatchOptions options;
    options.outputFolder = (folder / "out").u8string();
    options.inputs = {(folder / "in").u8string()};
    options.recursive = true;

    BatchOutcome outcome = RunJson(options);

    ASSERT_EQ(outcome.lines.size(), 2u);
    const fs::path out = folder / "out";
    ExpectTwoPicturesOnDisk(outcome.lines[0], (out / fs::u8path("\xC3\x84rgerREC")).u8string());
#ifdef _WIN32
    const char* second = "\xC3\xA4rgerREC-2";
#else
    const char* second = "\xC3\xA4rgerREC";
#endif
    ExpectTwoPicturesOnDisk(outcome.lines[1], (out / fs::u8path(second)).u8string());
}

// Makes the file system fail where a real one fails now and then: a folder
// that cannot be listed, a document that cannot be opened, a document that
// is gone between the listing of its folder and the look at it.
class TroubledFolders : public FolderReader {
public:
    explicit TroubledFolders(fs::path vanishing) : m_vanishing(std::move(vanishing)) {}

    bool List(const std::string& folder, std::vector<std::string>& names,
              std::string& failure) override {
        if (fs::path(folder).filename() == "locked") {
            failure = "Permission denied";
            return false;
        }
        bool listed = FolderReader::List(folder, names, failure);
        std::error_code error;
        fs::remove(m_vanishing, error);
        return listed;
    }

private:
    fs::path m_vanishing;
};

class TroubledDisk : public ScanDisk {
public:
    std::unique_ptr<ByteSource> OpenDocument(const std::string& path) override {
        if (fs::path(path).filename() == "unreadable.doc") {
            errno = EACCES;
            return nullptr;
        }
        return ScanDisk::OpenDocument(path);
    }
};

TEST(BatchFailures, AreReportedDocumentByDocumentAndTheOthersAreDone) {
    TestFolder folder;
    fs::create_directories(folder / "in" / "locked");
    WriteBytes(folder / "in" / "locked" / "hidden.doc", TwoPictureDocument());
    WriteBytes(folder / "in" / "unreadable.doc", TwoPictureDocument());
    WriteBytes(folder / "in" / "vanishing.doc", TwoPictureDocument());
    WriteBytes(folder / "in" / "z.doc", TwoPictureDocument());
    TroubledFolders folders(folder / "in" / "vanishing.doc");
    TroubledDisk disk;
    BatchOptions options;
    options.outputFolder = (folder / "out").string();
    options.inputs = {(folder / "missing.doc").string(), (folder / "in").string()};
    options.recursive = true;

    BatchOutcome outcome = RunJson(options, folders, disk);

    EXPECT_EQ(outcome.status, 1);
    ASSERT_EQ(outcome.lines.size(), 5u);
    const std::vector<std::string> failures = {
        "cannot be opened (", "cannot read the folder (Permission denied)",
        "cannot open the document (Permission denied)", "gone during the walk ("};
    for (size_t i = 0; i < failures.size(); ++i) {
        SCOPED_TRACE(outcome.lines[i].dump());
        EXPECT_EQ(outcome.lines[i]["status"], "failed");
        EXPECT_EQ(outcome.lines[i]["failure"].get<std::string>().rfind(failures[i], 0), 0u);
        EXPECT_EQ(outcome.lines[i]["outputFolder"], nullptr);
    }
    EXPECT_EQ(outcome.lines[1]["path"], (folder / "in" / "locked").string());
    ExpectTwoPicturesOnDisk(outcome.lines[4], (folder / "out" / "zREC").string());
    EXPECT_EQ(FilesIn(folder / "out").size(), 0u);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "out"), fs::directory_iterator()), 1);
    EXPECT_NE(outcome.err.find("5 documents, 1 completed, 4 failed"), std::string::npos);
}

// A failed read still gives the bytes before it, and the PNG is whole; a
// throw stops the PNG's walk, and its cut file must go. The batch goes on.
TEST(BatchFailures, AScanThatGoesWrongKeepsItsPicturesAndTheBatchGoesOn) {
    const std::vector<std::tuple<ReadTrouble, std::string, int>> troubles = {
        {ReadTrouble::Fails,
         "The document could not be read to its end. The pictures stored so far are kept.", 1},
        {ReadTrouble::ThrowsError, "the scan stopped unexpectedly (the drive went away)", 0}};
    TestFolder folder;
    BatchOptions options;
    options.outputFolder = (folder / "out").string();
    options.jobs = 2;
    FolderReader folders;
    TroubledReads disk;
    for (size_t i = 0; i < troubles.size(); ++i) {
        std::string name = std::to_string(i) + ".doc";
        WriteBytes(folder / name, TwoBlockDocument());
        disk.Add(name, std::get<0>(troubles[i]), kTroubleAt);
        options.inputs.push_back((folder / name).string());
    }
    WriteBytes(folder / "z.doc", TwoPictureDocument());
    options.inputs.push_back((folder / "z.doc").string());

    BatchOutcome outcome = RunJson(options, folders, disk);

    EXPECT_EQ(outcome.status, 1);
    ASSERT_EQ(outcome.lines.size(), troubles.size() + 1);
    for (size_t i = 0; i < troubles.size(); ++i) {
        const Json& line = outcome.lines[i];
        SCOPED_TRACE(line.dump());
        const std::string outputFolder = (folder / "out" / (std::to_string(i) + "REC")).string();
        const int pngs = std::get<2>(troubles[i]);
        EXPECT_EQ(line["status"], "failed");
        EXPECT_EQ(line["failure"], std::get<1>(troubles[i]));
        EXPECT_EQ(line["outputFolder"], outputFolder);
        EXPECT_EQ(line["pictures"], EveryKind(1, pngs));
        EXPECT_EQ(FilesIn(outputFolder).size(), 1u + pngs);
    }
    ExpectTwoPicturesOnDisk(outcome.lines.back(), (folder / "out" / "zREC").string());
}

#ifndef _WIN32
// A batch opens regular files only, whatever the walk saw in their place: a
// FIFO without a writer would block the whole batch.
TEST(BatchFailures, AFifoInADocumentsPlaceIsRefusedAtOnce) {
    TestFolder folder;
    const std::string fifo = (folder / "fifo.doc").string();
    mkfifo(fifo.c_str(), 0600);
    DocumentDisk disk(DocumentKinds::Files);
    FolderReader folders;

    EXPECT_EQ(disk.OpenDocument(fifo), nullptr);
    EXPECT_EQ(FailureText({ScanFailure::Cause::Open, fifo, errno, ""}, folders),
              "a pipe, not a regular file");
}
#endif

// The first documents take longest, so they finish last.
class SlowFirstDocuments : public ScanDisk {
public:
    std::unique_ptr<ByteSource> OpenDocument(const std::string& path) override {
        int number = std::stoi(fs::path(path).stem().string());
        if (number < 4) std::this_thread::sleep_for(std::chrono::milliseconds(60 * (4 - number)));
        return ScanDisk::OpenDocument(path);
    }
};

// Sees a link to a folder as the folder, as a Windows layer may show a link
// it cannot tell as one.
class LinkBlindFolders : public FolderReader {
public:
    EntryStatus Examine(const std::string& path, bool) override {
        return FolderReader::Examine(path, true);
    }
};

// Each run writes into the folder it scans: no run may scan the pictures of
// the runs before it, nor walk a folder again through a link to it.
TEST(BatchFolders, TheOutputFolderAndAFolderBeingWalkedAreLeftOut) {
    TestFolder folder;
    fs::create_directories(folder / "in" / "sub");
    WriteBytes(folder / "in" / "a.doc", TwoPictureDocument());
    WriteBytes(folder / "in" / "sub" / "b.doc", TwoPictureDocument());
#ifndef _WIN32
    fs::create_directory_symlink("..", folder / "in" / "sub" / "up");
#endif
    BatchOptions options;
    options.outputFolder = (folder / "in" / "out").string();
    options.inputs = {(folder / "in").string()};
    options.recursive = true;
    LinkBlindFolders folders;
    ScanDisk disk;
    for (const char* run : {"", "-2", "-3"}) {
        BatchOutcome outcome = RunJson(options, folders, disk);
        EXPECT_EQ(outcome.status, 0);
        ASSERT_EQ(outcome.lines.size(), 2u) << outcome.err;
        ExpectTwoPicturesOnDisk(outcome.lines[0],
                                (folder / "in" / "out" / (std::string("aREC") + run)).string());
        ExpectTwoPicturesOnDisk(outcome.lines[1],
                                (folder / "in" / "out" / (std::string("bREC") + run)).string());
    }
}

#ifndef _WIN32
// A Linux name is any bytes but the slash: the lines name the very file and
// folder, bytes that are no UTF-8 escaped as \udcXX.
TEST(BatchProgram, KeepsNamesThatAreNoUtf8AndBackslashesInThem) {
    TestFolder folder;
    fs::create_directory(folder / "in");
    WriteBytes(folder / "in" / "back\\slash.doc", TwoPictureDocument());
    WriteBytes(folder / "in" / "caf\xE9.doc", TwoPictureDocument());
    const std::string in = (folder / "in").string();
    const std::string out = (folder / "out").string();

    int status = RunProgram(VELMO_EXTRACT_PROGRAM, "-o \"" + out + "\" --json \"" + in + "\"",
                            folder / "lines.json");

    EXPECT_EQ(status, 0);
    const std::string lines = ReadBytes(folder / "lines.json");
    EXPECT_NE(lines.find("/back\\\\slashREC\","), std::string::npos) << lines;
    EXPECT_NE(lines.find("/caf\\udce9REC\","), std::string::npos) << lines;
    EXPECT_EQ(FilesIn(folder / "out" / "back\\slashREC").size(), 2u);
    EXPECT_EQ(FilesIn(folder / "out" / "caf\xE9REC").size(), 2u);
}
#endif

// Every string of a line is JSON whatever its bytes; a byte that is no part
// of a UTF-8 character is \udcXX, never a character it is not.
TEST(BatchJson, EscapesEveryByteThatIsNoCharacter) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\xB7", "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\xB7"},
        {"caf\xE9", "caf\\udce9"},                             // cut short by the end
        {"\xC0\x80", "\\udcc0\\udc80"},                        // overlong
        {"\xED\xA0\x80", "\\udced\\udca0\\udc80"},             // a surrogate
        {"\xE2\x82x", "\\udce2\\udc82x"},                      // cut short
        {"\xF4\x90\x80\x80", "\\udcf4\\udc90\\udc80\\udc80"},  // beyond U+10FFFF
        {"a\"b\\c\nd", "a\\\"b\\\\c\\u000ad"}};
    for (const auto& [name, json] : cases) {
        DocumentReport report;
        report.path = name;
        // A ZIP entry's name is any bytes too.
        PictureRecord record;
        record.file = "out/1.jpg";
        record.from = name;
        report.files = {record};
        EXPECT_EQ(JsonLine(report).rfind("{\"path\":\"" + json + "\",", 0), 0u) << JsonLine(report);
        EXPECT_NE(JsonLine(report).find("\"from\":\"" + json + "\","), std::string::npos)
            << JsonLine(report);
    }
}

PictureKinds Kinds(std::initializer_list<PictureKind> kinds) {
    PictureKinds set;
    for (PictureKind kind : kinds) set.set(static_cast<size_t>(kind));
    return set;
}

// The count a line and the summary give: the total, each kind that has a
// picture, and JPEG and PNG even at none whenever the call writes them; then
// those written cut, when there are any. A JSON line counts the kinds the
// call writes alone.
TEST(BatchKinds, CountTextNamesTheKindsFoundAndJpegAndPngWhenWritten) {
    auto counts = [](std::initializer_list<std::pair<PictureKind, int>> found) {
        KindCounts counts{};
        for (const auto& [kind, count] : found) counts[static_cast<size_t>(kind)] = count;
        return counts;
    };
    const std::vector<std::tuple<KindCounts, KindCounts, PictureKinds, std::string>> cases = {
        {counts({}), counts({}), AllPictureKinds(), "0 pictures (0 JPEG, 0 PNG)"},
        {counts({{PictureKind::Svg, 1}, {PictureKind::Gif, 2}, {PictureKind::Tiff, 1}}), counts({}),
         AllPictureKinds(), "4 pictures (0 JPEG, 0 PNG, 2 GIF, 1 TIFF, 1 SVG)"},
        {counts({{PictureKind::Wdp, 1}}), counts({}), Kinds({PictureKind::Wdp, PictureKind::Jpeg}),
         "1 picture (0 JPEG, 1 WDP)"},
        {counts({}), counts({}), Kinds({PictureKind::Pict}), "0 pictures"},
        {counts({{PictureKind::Png, 2}, {PictureKind::Emf, 3}}),
         counts({{PictureKind::Png, 1}, {PictureKind::Emf, 1}}), AllPictureKinds(),
         "5 pictures (0 JPEG, 2 PNG, 3 EMF), 2 cut (1 PNG, 1 EMF)"}};
    for (const auto& [found, cut, kinds, text] : cases)
        EXPECT_EQ(PictureCountText(found, cut, kinds), text);

    DocumentReport report;
    report.kinds = Kinds({PictureKind::Wmf, PictureKind::Bmp});
    report.pictures = counts({{PictureKind::Wmf, 2}});
    report.cut = counts({{PictureKind::Wmf, 1}});
    EXPECT_NE(
        JsonLine(report).find(",\"pictures\":{\"bmp\":0,\"wmf\":2},\"cut\":{\"bmp\":0,\"wmf\":1},"),
        std::string::npos)
        << JsonLine(report);
}

TEST(BatchOrder, IsTheOrderGivenWhateverOrderTheDocumentsFinishIn) {
    TestFolder folder;
    BatchOptions options;
    options.outputFolder = (folder / "out").string();
    options.jobs = 4;
    std::string document = TwoPictureDocument();
    for (int i = 0; i < 24; ++i) {
        fs::path path = folder / (std::to_string(i) + ".doc");
        WriteBytes(path, document + Filler(i * 1000, i));
        options.inputs.push_back(path.string());
    }
    std::reverse(options.inputs.begin() + 8, options.inputs.end());
    FolderReader folders;
    SlowFirstDocuments disk;

    BatchOutcome outcome = RunJson(options, folders, disk);

    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(Paths(outcome.lines), options.inputs);
    for (const Json& line : outcome.lines) {
        std::string stem = fs::path(line["path"].get<std::string>()).stem().string();
        ExpectTwoPicturesOnDisk(line, (folder / "out" / (stem + "REC")).string());
    }
}

TEST(BatchCommandLine, RefusesWrongCallsAndDrawsProgressOnlyWhenAsked) {
    // Each with what the message must say; a kind's name is told as typed.
    const std::vector<std::pair<std::vector<std::string>, std::string>> wrongCalls = {
        {{"-r", "a.doc"}, "-o DIR is missing"},
        {{"-o"}, "-o needs a value"},
        {{"-o", "out"}, "no document or folder given"},
        {{"-o", "out", "--jobs", "0", "a.doc"}, "--jobs needs a number"},
        {{"-o", "out", "--jobs", "two", "a.doc"}, "--jobs needs a number"},
        {{"-o", "out", "--fast", "a.doc"}, "unknown option --fast"},
        {{"-o", "out", "--kinds", "png,JPG", "a.doc"}, "--kinds: unknown picture kind \"JPG\""},
        {{"-o", "out", "--kinds", "png,,gif", "a.doc"}, "--kinds: an empty kind"}};
    for (const auto& [call, message] : wrongCalls) {
        SCOPED_TRACE(message);
        std::vector<const char*> argv = {"velmo-extract"};
        for (const auto& argument : call) argv.push_back(argument.c_str());
        std::ostringstream out;
        std::ostringstream err;
        int status = RunBatchCommand(static_cast<int>(argv.size()), argv.data(), out, err, false);
        EXPECT_EQ(status, 2);
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str().rfind("velmo-extract: " + message, 0), 0u) << err.str();
        EXPECT_NE(err.str().find("usage: velmo-extract -o DIR"), std::string::npos) << err.str();
    }

    TestFolder folder;
    WriteBytes(folder / "a.doc", TwoPictureDocument());
    WriteBytes(folder / "out", "a file, not a folder");
    BatchOptions options;
    options.outputFolder = (folder / "out").string();
    options.inputs = {(folder / "a.doc").string()};
    EXPECT_EQ(RunJson(options).status, 2);
    options.outputFolder = (folder / "made").string();
    FolderReader folders;
    ScanDisk disk;
    BatchOutcome quiet = RunJson(options, folders, disk, false);
    options.outputFolder = (folder / "made-too").string();
    BatchOutcome drawn = RunJson(options, folders, disk, true);
    EXPECT_EQ(quiet.err.find('\r'), std::string::npos);
    EXPECT_EQ(std::count(quiet.err.begin(), quiet.err.end(), '\n'), 1);
    EXPECT_NE(drawn.err.find("\r1/1 documents, "), std::string::npos) << drawn.err;
    // The progress line is blanked before the summary.
    size_t summary = drawn.err.find("velmo-extract: 1 documents");
    ASSERT_NE(summary, std::string::npos);
    EXPECT_EQ(drawn.err[summary - 1], '\r');
    EXPECT_EQ(drawn.err[summary - 2], ' ');
}

// A disk that reads slowly, so that a large document's scan outlasts a few
// redraws of the progress line.
class SlowSource : public ByteSource {
public:
    explicit SlowSource(std::unique_ptr<ByteSource> document) : m_document(std::move(document)) {}
    uint64_t Size() const override { return m_document->Size(); }
    size_t ReadAt(uint64_t offset, uint8_t* into, size_t size) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        return m_document->ReadAt(offset, into, size);
    }
    FilePlace Place(uint64_t offset) override { return m_document->Place(offset); }

private:
    std::unique_ptr<ByteSource> m_document;
};

class SlowDisk : public ScanDisk {
public:
    std::unique_ptr<ByteSource> OpenDocument(const std::string& path) override {
        std::unique_ptr<ByteSource> document = ScanDisk::OpenDocument(path);
        if (!document) return nullptr;
        return std::make_unique<SlowSource>(std::move(document));
    }
};

// The line follows the scan inside a document, not only from one to the next.
TEST(BatchCommandLine, ProgressLineMovesWhileOneLargeDocumentIsScanned) {
    TestFolder folder;
    WriteBytes(folder / "large.doc", Filler(5 << 20) + TwoPictureDocument());
    BatchOptions options;
    options.outputFolder = (folder / "out").string();
    options.inputs = {(folder / "large.doc").string()};
    FolderReader folders;
    SlowDisk disk;
    BatchOutcome outcome = RunJson(options, folders, disk, true);

    EXPECT_EQ(outcome.status, 0);
    std::vector<int> shares;
    for (size_t at = 0; (at = outcome.err.find("\r0/1 documents, ", at)) != std::string::npos; ++at)
        shares.push_back(std::atoi(outcome.err.c_str() + at + 16));
    ASSERT_FALSE(shares.empty()) << outcome.err;
    EXPECT_TRUE(std::is_sorted(shares.begin(), shares.end())) << outcome.err;
    EXPECT_TRUE(std::any_of(shares.begin(), shares.end(), [](int share) {
        return share > 0 && share < 100;
    })) << outcome.err;
    EXPECT_NE(outcome.err.find("\r1/1 documents, 100%, "), std::string::npos) << outcome.err;
}

TEST(BatchProgram, ScansAFolderOfDocumentsNamedInAnyScriptIntoJsonLines) {
    TestFolder folder;
    const std::string in = folder.Path().u8string() + "/in";
    const std::string out = folder.Path().u8string() + "/out";
    fs::create_directories(fs::u8path(in + "/sub"));
    fs::path sample = fs::path(VELMO_SOURCE_DIR) / "samples" / "sample.doc";
    // What the walk meets, in its order: names sorted, the subfolder among them.
    std::vector<std::string> entries = {"report.doc", "sub"};
    for (const std::string& name : ScriptNames()) entries.push_back(name + ".doc");
    std::sort(entries.begin(), entries.end());
    for (const std::string& entry : entries)
        fs::copy_file(sample, fs::u8path(in + "/" + (entry == "sub" ? "sub/report.doc" : entry)));

    int status =
        RunProgram(VELMO_EXTRACT_PROGRAM, "-o \"" + out + "\" -r --json --jobs 2 \"" + in + "\"",
                   folder / "lines.json");

    EXPECT_EQ(status, 0);
    std::vector<Json> lines = ParseLines(ReadBytes(folder / "lines.json"));
    ASSERT_EQ(lines.size(), entries.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i].dump());
        bool nested = entries[i] == "sub";
        std::string name = nested ? "report" : entries[i].substr(0, entries[i].size() - 4);
        EXPECT_EQ(fs::u8path(lines[i]["path"].get<std::string>()),
                  fs::u8path(in + "/" + (nested ? "sub/report.doc" : entries[i])));
        EXPECT_EQ(lines[i]["pictures"], EveryKind(3, 2));
        std::string outputFolder = lines[i]["outputFolder"].get<std::string>();
        EXPECT_EQ(fs::u8path(outputFolder),
                  fs::u8path(out + "/" + name + (nested ? "REC-2" : "REC")));
        EXPECT_EQ(FilesIn(fs::u8path(outputFolder)).size(), 5u);
    }
}

}  // namespace
