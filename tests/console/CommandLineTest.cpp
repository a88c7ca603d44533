// CommandLineTest.cpp: velmo-extract as a user first meets it: its help, its
// version, a call with nothing, and an output folder whose parents are missing.
#include "ScanTestSupport.h"

#include "console/BatchOptions.h"
#include "console/CommandHelp.h"
#include "console/ExtractCommand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace {

std::string WithoutCarriageReturns(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// Whether a line of the text, its indent left out, starts with the word.
bool HasLineStartingWith(const std::string& text, const std::string& word) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        line.erase(0, line.find_first_not_of(' '));
        if (line.rfind(word + " ", 0) == 0 || line.rfind(word + ",", 0) == 0) return true;
    }
    return false;
}

// What the help must name: both forms, every option the parser reads, and
// every exit status, each at the start of a line.
void ExpectHelp(const std::string& out) {
    EXPECT_NE(out.find(kDocumentForm), std::string::npos) << out;
    EXPECT_NE(out.find(kBatchForm), std::string::npos) << out;
    for (const CommandOption& option : kCommandOptions) {
        EXPECT_TRUE(HasLineStartingWith(out, option.alias != nullptr ? option.alias : option.name))
            << option.name;
        EXPECT_NE(out.find(std::string(" ") + option.name + " "), std::string::npos)
            << option.name;
    }
    for (int status : {kExtractCompleted, kExtractFailed, kExtractUsage})
        EXPECT_TRUE(HasLineStartingWith(out, std::to_string(status))) << status;
}

// Everything below the folder, with / between levels.
std::set<std::string> Entries(const fs::path& folder) {
    std::set<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        entries.insert(fs::relative(entry.path(), folder).generic_u8string());
    return entries;
}

struct ProgramCall {
    std::string arguments;  // "{}" stands for the test's folder
    int status;
    std::vector<std::string> out;  // what stdout names; nothing: it stays empty
    std::vector<std::string> err;  // what stderr names; nothing: it stays empty
    std::set<std::string> disk;    // below the folder afterwards, besides a.doc and file
    bool help = false;             // stdout is the help
};

std::string Placed(std::string text, const std::string& folder) {
    for (size_t at; (at = text.find("{}")) != std::string::npos;) text.replace(at, 2, folder);
    return text;
}

TEST(CommandLine, AnswersHelpVersionAndNoArgumentAndMakesTheOutputFoldersParents) {
    const std::string version = std::string("velmo-extract ") + VELMO_PROJECT_VERSION;
    const std::set<std::string> picturesBelow = {
        "deep",           "deep/er",           "deep/er/out", "deep/er/out/aREC",
        "deep/er/out/aREC/1.jpg", "deep/er/out/aREC/1.gif"};
    const std::vector<ProgramCall> calls = {
        {"--help", 0, {}, {}, {}, true},
        {"-h", 0, {}, {}, {}, true},
        // Help ends the reading: no scan, no folder.
        {"-o \"{}/deep\" -h \"{}/a.doc\"", 0, {}, {}, {}, true},
        {"--version", 0, {version}, {}, {}},
        {"", 2, {}, {kDocumentForm, kBatchForm, "--help"}, {}},
        {"-o \"{}/deep/er/out\" \"{}/a.doc\"", 0, {"aREC"}, {"1 completed"}, picturesBelow},
        {"-o \"{}/deep/er/out/\" \"{}/a.doc\"", 0, {"aREC"}, {"1 completed"}, picturesBelow},
        // A file where a parent should be: nothing is made.
        {"-o \"{}/file/out\" \"{}/a.doc\"", 2, {}, {"cannot use"}, {}},
    };
    for (const ProgramCall& call : calls) {
        SCOPED_TRACE(call.arguments);
        TestFolder folder;
        const fs::path documents = folder / "documents";
        fs::create_directory(documents);
        WriteBytes(documents / "a.doc", TwoPictureDocument());
        WriteBytes(documents / "file", "a file, not a folder");

        const int status = RunProgram(VELMO_EXTRACT_PROGRAM,
                                      Placed(call.arguments, documents.u8string()),
                                      folder / "out.txt", folder / "err.txt");

        const std::string out = WithoutCarriageReturns(ReadBytes(folder / "out.txt"));
        const std::string err = WithoutCarriageReturns(ReadBytes(folder / "err.txt"));
        EXPECT_EQ(status, call.status);
        if (call.help) ExpectHelp(out);
        if (!call.help && call.out.empty()) {
            EXPECT_EQ(out, "");
        }
        for (const std::string& text : call.out) EXPECT_NE(out.find(text), std::string::npos) << out;
        if (call.err.empty()) {
            EXPECT_EQ(err, "");
        }
        for (const std::string& text : call.err) EXPECT_NE(err.find(text), std::string::npos) << err;
        std::set<std::string> disk = call.disk;
        disk.insert({"a.doc", "file"});
        EXPECT_EQ(Entries(documents), disk);
        if (disk.count("deep/er/out/aREC")) {
            EXPECT_EQ(FilesIn(documents / "deep" / "er" / "out" / "aREC"),
                      (Files{{"1.jpg", Fixture("small.jpg")}, {"1.gif", Fixture("text-chunk.png")}}));
        }
    }
}

}  // namespace
