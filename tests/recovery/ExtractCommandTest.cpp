// ExtractCommandTest.cpp: velmo-extract's lines, streams and exit statuses.
#include "ScanTestSupport.h"

#include "console/DocumentWalk.h"
#include "console/ExtractCommand.h"
#include "base/FileAccess.h"
#include "recovery/disk/PictureFile.h"
#include "tests/support/ScriptNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <sstream>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

const std::string kWriteError =
    "Error writing file. Quit any application that might use the file!\n";
const std::string kReadError =
    "The document could not be read to its end. The pictures stored so far are kept.\n";
const std::string kDirectoryExists =
    "Images directory already exists!! Process aborted for recovery of images.. Set the path for "
    "recovered images directory in settings as described in help!\n";

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun RunInProcess(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "velmo-extract");
    std::vector<const char*> argv;
    for (const auto& argument : arguments) argv.push_back(argument.c_str());
    argv.push_back(nullptr);
    std::ostringstream out;
    std::ostringstream err;
    int status = RunExtractCommand(static_cast<int>(arguments.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

TEST(ExtractCommand, ReportsThePicturesAndTheDirectory) {
    TestFolder folder;
    WriteBytes(folder / "a.doc", TwoPictureDocument());
    std::string directory = (folder / "aREC").string();

    CommandRun run = RunInProcess({(folder / "a.doc").string(), directory});

    EXPECT_EQ(run.status, kExtractCompleted);
    EXPECT_EQ(run.out, "( 2 )image(s) recovered stored in directory " + directory + "!\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(FilesIn(directory).size(), 2u);
}

TEST(ExtractCommand, ReportsNoPictureAsACompletedScan) {
    TestFolder folder;
    WriteBytes(folder / "a.doc", Filler(5000));

    CommandRun run = RunInProcess({(folder / "a.doc").string(), (folder / "aREC").string()});

    EXPECT_EQ(run.status, kExtractCompleted);
    EXPECT_EQ(run.out, " No image recovered\n");
    EXPECT_EQ(run.err, "");
}

TEST(ExtractCommand, PrintsFailuresOnErrorAndTheResultLineAfterThem) {
    TestFolder folder;
    WriteBytes(folder / "a.doc", TwoPictureDocument());
    std::string document = (folder / "a.doc").string();
    std::string directory = (folder / "aREC").string();

    const std::string none = (folder / "none.doc").string();
    CommandRun missing = RunInProcess({none, directory});
    CommandRun first = RunInProcess({document, directory});
    CommandRun second = RunInProcess({document, directory});

    EXPECT_EQ(missing.status, kExtractFailed);
    EXPECT_EQ(missing.err,
              "velmo-extract: " + none + ": cannot open the document (No such file or directory)\n");
    EXPECT_EQ(missing.out, " No image recovered\n");
    EXPECT_EQ(first.status, kExtractCompleted);
    EXPECT_EQ(second.status, kExtractFailed);
    EXPECT_EQ(second.err, kDirectoryExists);
    EXPECT_EQ(second.out, " No image recovered\n");
}

// The disk going wrong where a real one may: a document that cannot be
// opened, a picture that cannot be created, a read that fails or throws.
class TroubledDisk : public TroubledReads {
public:
    int openError = 0;
    int createError = 0;

    std::unique_ptr<ByteSource> OpenDocument(const std::string& path) override {
        errno = openError;
        return openError == 0 ? TroubledReads::OpenDocument(path) : nullptr;
    }
    std::unique_ptr<PictureFile> CreatePicture(const std::string& path) override {
        errno = createError;
        return createError == 0 ? TroubledReads::CreatePicture(path) : nullptr;
    }
};

TEST(ExtractCommand, NamesTheCauseFirstAndKeepsThePicturesWrittenBefore) {
    struct Case {
        const char* name;
        std::function<void(TroubledDisk&)> trouble;
        std::string cause;  // after "velmo-extract: DOCUMENT: "; % is the first picture
        std::string message;
        size_t kept;  // the first pictures of TwoBlockDocument()
    };
    // A failed read still gives the bytes before it, and the PNG is whole; a
    // throw stops the PNG's walk, and its cut file must go.
    const std::vector<Case> cases = {
        {"unreadable", [](TroubledDisk& disk) { disk.openError = EACCES; },
         "cannot open the document (Permission denied)", "", 0},
        {"no room", [](TroubledDisk& disk) { disk.createError = ENOSPC; },
         "cannot create % (No space left on device)", kWriteError, 0},
        {"read fails",
         [](TroubledDisk& disk) { disk.Add("a.doc", ReadTrouble::Fails, kTroubleAt); }, "",
         kReadError, 2},
        {"throws",
         [](TroubledDisk& disk) { disk.Add("a.doc", ReadTrouble::ThrowsError, kTroubleAt); },
         "the scan stopped unexpectedly (the drive went away)", "", 1},
        {"throws anything",
         [](TroubledDisk& disk) { disk.Add("a.doc", ReadTrouble::ThrowsAnything, kTroubleAt); },
         "the scan stopped unexpectedly", "", 1}};
    const Files pictures = {{"1.jpg", Fixture("small.jpg")}, {"1.gif", Fixture("text-chunk.png")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        const std::string document = (folder / "a.doc").string();
        const std::string directory = (folder / "aREC").string();
        WriteBytes(document, TwoBlockDocument());
        TroubledDisk disk;
        c.trouble(disk);
        FolderReader folders;
        std::ostringstream out;
        std::ostringstream err;

        int status = RunExtract(document, directory, out, err, disk, folders);

        std::string cause = c.cause;
        if (cause.find('%') != std::string::npos)
            cause.replace(cause.find('%'), 1, JoinPath(directory, "1.jpg"));
        EXPECT_EQ(status, kExtractFailed);
        EXPECT_EQ(err.str(),
                  (cause.empty() ? "" : "velmo-extract: " + document + ": " + cause + "\n") +
                      c.message);
        EXPECT_EQ(out.str(), c.kept == 0 ? " No image recovered\n"
                                         : "( " + std::to_string(c.kept) +
                                               " )image(s) recovered stored in directory " +
                                               directory + "!\n");
        Files kept = FilesIn(directory);
        EXPECT_EQ(kept.size(), c.kept);
        for (const auto& [name, bytes] : kept) EXPECT_EQ(bytes, pictures.at(name)) << name;
    }
}

TEST(ExtractCommand, RefusesAnythingButTwoArguments) {
    const std::vector<std::vector<std::string>> wrongCalls = {
        {}, {"a.doc"}, {"a.doc", "out", "more"}, {"", "out"}, {"a.doc", ""}};
    for (const auto& arguments : wrongCalls) {
        CommandRun run = RunInProcess(arguments);
        EXPECT_EQ(run.status, kExtractUsage);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(
            run.err,
            "usage: velmo-extract [--kinds LIST] [--list] [--unique] DOCUMENT OUTPUT_DIRECTORY\n");
    }
}

// --kinds before or after the two names: a document with a JPEG and a PNG
// gives only the kinds of the last list named; a wrong list is bad usage and
// writes nothing.
TEST(ExtractCommand, WritesOnlyTheKindsNamedAndRefusesAnUnknownKind) {
    struct Case {
        std::vector<std::string> arguments;  // {doc} and {dir} stand for the two names
        Files written;
        std::string refusal;  // how stderr starts before the usage; none: the call is taken
    };
    const std::string usage =
        "usage: velmo-extract [--kinds LIST] [--list] [--unique] DOCUMENT OUTPUT_DIRECTORY\n";
    const Files jpeg = {{"1.jpg", Fixture("small.jpg")}};
    const std::vector<Case> cases = {
        {{"--kinds", "png", "{doc}", "{dir}"}, {{"1.gif", Fixture("text-chunk.png")}}, ""},
        {{"{doc}", "{dir}", "--kinds", "Jpeg"}, jpeg, ""},
        {{"--kinds", "gif", "{doc}", "{dir}"}, {}, ""},  // nothing to write: no folder
        {{"--kinds", "png", "--kinds", "jpeg", "{doc}", "{dir}"}, jpeg, ""},
        {{"--kinds", "jpg", "{doc}", "{dir}"}, {}, "velmo-extract: --kinds: unknown picture kind"},
        {{"{doc}", "{dir}", "--kinds"}, {}, "velmo-extract: --kinds needs a value\n"}};
    for (const Case& c : cases) {
        TestFolder folder;
        WriteBytes(folder / "a.doc", TwoPictureDocument());
        const std::string directory = (folder / "aREC").string();
        std::vector<std::string> arguments = c.arguments;
        std::string shown;
        for (std::string& argument : arguments) {
            shown += argument + " ";
            if (argument == "{doc}") argument = (folder / "a.doc").string();
            if (argument == "{dir}") argument = directory;
        }
        SCOPED_TRACE(shown);

        CommandRun run = RunInProcess(arguments);

        const bool refused = !c.refusal.empty();
        EXPECT_EQ(run.status, refused ? kExtractUsage : kExtractCompleted);
        EXPECT_EQ(run.err.rfind(c.refusal, 0), 0u) << run.err;
        EXPECT_EQ(run.err.substr(run.err.find('\n') + 1), refused ? usage : "") << run.err;
        EXPECT_EQ(run.out.empty(), refused) << run.out;
        EXPECT_EQ(FilesIn(directory), c.written);
        EXPECT_EQ(fs::exists(directory), !c.written.empty());
    }
}

// The one-document form takes --list and --unique too: a picture met again
// in the document is listed with the file that holds its bytes.
TEST(ExtractCommand, ListsEachPictureAndWritesEqualBytesOnce) {
    TestFolder folder;
    const std::string jpeg = Fixture("small.jpg");
    WriteBytes(folder / "a.doc", Filler(16) + jpeg + Filler(32, 2) + jpeg);
    const std::string directory = (folder / "aREC").string();
    const fs::path holder = fs::path(directory) / "1.jpg";

    CommandRun run = RunInProcess({"--unique", "--list", (folder / "a.doc").string(), directory});

    EXPECT_EQ(run.status, kExtractCompleted) << run.err;
    EXPECT_EQ(FilesIn(directory), (Files{{"1.jpg", jpeg}}));
    // What each field tells is the batch's test: here, that this form lists
    // both sightings, the second with the file that holds its bytes.
    const std::string listed = run.out.substr(run.out.find('\n') + 1);
    EXPECT_EQ(std::count(listed.begin(), listed.end(), '\n'), 2) << run.out;
    EXPECT_EQ(listed.rfind("\t1.jpg\tjpeg\t", 0), 0u) << run.out;
    EXPECT_NE(listed.find("\toffset 0x10\t-\n\t-\tjpeg\t"), std::string::npos) << run.out;
    EXPECT_NE(listed.find("\t" + holder.string() + "\n"), std::string::npos) << run.out;
}

std::string WithoutCarriageReturns(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

TEST(ExtractProgram, ExtractsTheSampleDocument) {
    TestFolder folder;
    fs::path sample = fs::path(VELMO_SOURCE_DIR) / "samples" / "sample.doc";
    std::string directory = (folder / "sampleREC").string();

    int status =
        RunProgram(VELMO_EXTRACT_PROGRAM, "\"" + sample.string() + "\" \"" + directory + "\"",
                   folder / "out.txt", folder / "err.txt");
    int second =
        RunProgram(VELMO_EXTRACT_PROGRAM, "\"" + sample.string() + "\" \"" + directory + "\"",
                   folder / "out2.txt", folder / "err2.txt");
    int usage = RunProgram(VELMO_EXTRACT_PROGRAM, "", folder / "out3.txt", folder / "err3.txt");

    EXPECT_EQ(status, 0);
    EXPECT_EQ(WithoutCarriageReturns(ReadBytes(folder / "out.txt")),
              "( 5 )image(s) recovered stored in directory " + directory + "!\n");
    EXPECT_EQ(ReadBytes(folder / "err.txt"), "");
    auto files = FilesIn(directory);
    EXPECT_EQ(files.size(), 5u);
    EXPECT_EQ(files["1.jpg"], Fixture("jfif-baseline.jpg"));
    EXPECT_EQ(files["1.gif"], Fixture("text-chunk.png"));
    EXPECT_EQ(second, 1);
    EXPECT_EQ(WithoutCarriageReturns(ReadBytes(folder / "err2.txt")), kDirectoryExists);
    EXPECT_EQ(usage, 2);
    // The usage names the other form too, after this one.
    EXPECT_EQ(WithoutCarriageReturns(ReadBytes(folder / "err3.txt"))
                  .rfind("usage: velmo-extract [--kinds LIST] [--list] [--unique] DOCUMENT "
                         "OUTPUT_DIRECTORY\n",
                         0),
              0u);
}

// What the single-document form is given, as a script gives it: it names
// what is not a document and never waits on a device; a pipe is read.
TEST(ExtractProgram, ScansWhatCanBeReadToItsEndAndNamesAnythingElse) {
    TestFolder folder;
    fs::create_directory(folder / "folder.doc");
    WriteBytes(folder / "a.doc", TwoPictureDocument());
    const std::string fifo = (folder / "pipe.doc").string();
    // An empty cause: the scan completes with the two pictures.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {(folder / "none.doc").string(), "cannot open the document (No such file or directory)"},
        {(folder / "folder.doc").string(), "a folder, not a document"},
        {(folder / "a.doc").string(), ""},
#ifdef _WIN32
        {"NUL", "a device, not a document"}};
#else
        {"/dev/zero", "a device, not a document"},
        {"/dev/urandom", "a device, not a document"},
        {fifo, ""}};
    mkfifo(fifo.c_str(), 0600);
#endif
    for (size_t i = 0; i < cases.size(); ++i) {
        const auto& [input, cause] = cases[i];
        SCOPED_TRACE(input);
        const std::string directory = (folder / ("REC" + std::to_string(i))).string();
        // Opening the FIFO for writing waits for the program to open it.
        if (input == fifo) std::thread([fifo] { WriteBytes(fifo, TwoPictureDocument()); }).detach();

        int status = RunProgram(VELMO_EXTRACT_PROGRAM, "\"" + input + "\" \"" + directory + "\"",
                                folder / "out.txt", folder / "err.txt");

        const std::string out = WithoutCarriageReturns(ReadBytes(folder / "out.txt"));
        const std::string err = WithoutCarriageReturns(ReadBytes(folder / "err.txt"));
        EXPECT_EQ(status, cause.empty() ? 0 : 1);
        EXPECT_EQ(err, cause.empty() ? "" : "velmo-extract: " + input + ": " + cause + "\n");
        EXPECT_EQ(out, cause.empty()
                           ? "( 2 )image(s) recovered stored in directory " + directory + "!\n"
                           : " No image recovered\n");
        EXPECT_EQ(FilesIn(directory).size(), cause.empty() ? 2u : 0u);
    }
}

// Given in UTF-16 by the system, the names reach the scanner whole, and the
// report written to a file is UTF-8.
TEST(ExtractProgram, TakesAndReportsNamesInAnyScript) {
    TestFolder folder;
    for (const std::string& name : ScriptNames()) {
        SCOPED_TRACE(name);
        const std::string document = folder.Path().u8string() + "/" + name + ".doc";
        WriteBytes(fs::u8path(document), TwoPictureDocument());
        const std::string directory = folder.Path().u8string() + "/" + name + "REC";

        int status = RunProgram(VELMO_EXTRACT_PROGRAM, "\"" + document + "\" \"" + directory + "\"",
                                folder / "out.txt", folder / "err.txt");

        EXPECT_EQ(status, 0);
        EXPECT_EQ(WithoutCarriageReturns(ReadBytes(folder / "out.txt")),
                  "( 2 )image(s) recovered stored in directory " + directory + "!\n");
        EXPECT_EQ(ReadBytes(folder / "err.txt"), "");
        EXPECT_EQ(FilesIn(fs::u8path(directory)).size(), 2u);
    }
}

TEST(ExtractProgram, ExtractsOfficeDocumentsThroughTheirContainers) {
    // A Word document whose photo its compound file splits, and RTF under a
    // .doc name.
    const std::vector<std::pair<std::string, Files>> documents = {
        {"word97.doc", {{"1.gif", "drawing.png"}, {"1.jpg", "small.jpg"}, {"2.jpg", "photo.jpg"}}},
        {"rtf-named.doc", {{"1.jpg", "small.jpg"}, {"1.gif", "drawing.png"}}}};
    for (const auto& [name, pictures] : documents) {
        SCOPED_TRACE(name);
        TestFolder folder;
        fs::path document = fs::path(VELMO_TEST_DATA_DIR) / "documents" / name;
        std::string directory = (folder / "REC").string();

        int status =
            RunProgram(VELMO_EXTRACT_PROGRAM, "\"" + document.string() + "\" \"" + directory + "\"",
                       folder / "out.txt", folder / "err.txt");

        EXPECT_EQ(status, 0);
        EXPECT_EQ(WithoutCarriageReturns(ReadBytes(folder / "out.txt")),
                  "( " + std::to_string(pictures.size()) +
                      " )image(s) recovered stored in directory " + directory + "!\n");
        Files expected;
        for (const auto& [file, picture] : pictures)
            expected[file] = Fixture("documents/" + picture);
        EXPECT_EQ(FilesIn(directory), expected);
    }
}

}  // namespace
