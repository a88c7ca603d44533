// CommandLineTest.cpp: velmo-extract as a user first meets it: its help, its
// version, a call with nothing, an output folder whose parents are missing,
// and which form a call with --kinds takes.
#include "ScanTestSupport.h"

#include "console/CommandHelp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

std::set<std::string> Entries(const fs::path& folder) {
    std::set<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        entries.insert(fs::relative(entry.path(), folder).generic_u8string());
    return entries;
}

struct ProgramCall {
    std::string arguments;  // {} stands for the folder of a.doc and of a file named file
    int status;
    std::vector<std::string> out;  // what stdout names; none: it stays empty
    std::vector<std::string> err;  // what stderr names; none: it stays empty
    std::set<std::string> made;    // what the call leaves in the folder
};

TEST(CommandLine, AnswersHelpVersionAndNoArgumentAndMakesTheOutputFoldersParents) {
    const std::set<std::string> pictures = {"deep", "deep/er", "deep/er/out", "deep/er/out/aREC",
                                            "deep/er/out/aREC/1.jpg", "deep/er/out/aREC/1.gif"};
    const std::vector<ProgramCall> calls = {
        {"--help", 0, {HelpText()}, {}, {}},
        {"-o \"{}/deep\" -h \"{}/a.doc\"", 0, {HelpText()}, {}, {}},  // no scan, no folder
        {"--version", 0, {std::string("velmo-extract ") + VELMO_PROJECT_VERSION}, {}, {}},
        {"", 2, {}, {kDocumentForm, kBatchForm, "--help"}, {}},
        {"-o \"{}/deep/er/out\" \"{}/a.doc\"", 0, {"aREC"}, {"1 completed"}, pictures},
        {"-o \"{}/deep/er/out/\" \"{}/a.doc\"", 0, {"aREC"}, {"1 completed"}, pictures},
        {"-o \"{}/file/out\" \"{}/a.doc\"", 2, {}, {"cannot use"}, {}},
        // --kinds goes with either form: alone, it leaves the call a document's.
        {"--kinds png \"{}/a.doc\" \"{}/out\"", 0, {"( 1 )image(s)"}, {}, {"out", "out/1.gif"}},
        {"-o \"{}/deep\" --kinds png \"{}/a.doc\"", 0, {"1 picture (1 PNG) in"},
         {"1 completed", "; 1 picture (1 PNG); "}, {"deep", "deep/aREC", "deep/aREC/1.gif"}}};
    for (const ProgramCall& call : calls) {
        SCOPED_TRACE(call.arguments);
        TestFolder folder;
        const fs::path documents = folder / "documents";
        fs::create_directory(documents);
        WriteBytes(documents / "a.doc", TwoPictureDocument());
        WriteBytes(documents / "file", "a file, not a folder");
        std::string arguments = call.arguments;
        for (size_t at; (at = arguments.find("{}")) != std::string::npos;)
            arguments.replace(at, 2, documents.u8string());

        int status = RunProgram(VELMO_EXTRACT_PROGRAM, arguments, folder / "out", folder / "err");

        std::string out = ReadBytes(folder / "out");
        std::string err = ReadBytes(folder / "err");
        for (std::string* text : {&out, &err})
            text->erase(std::remove(text->begin(), text->end(), '\r'), text->end());
        EXPECT_EQ(status, call.status);
        EXPECT_EQ(out.empty(), call.out.empty()) << out;
        EXPECT_EQ(err.empty(), call.err.empty()) << err;
        for (const std::string& text : call.out)
            EXPECT_NE(out.find(text), std::string::npos) << out;
        for (const std::string& text : call.err)
            EXPECT_NE(err.find(text), std::string::npos) << err;
        std::set<std::string> made = call.made;
        made.insert({"a.doc", "file"});
        EXPECT_EQ(Entries(documents), made);
    }
}

}  // namespace
