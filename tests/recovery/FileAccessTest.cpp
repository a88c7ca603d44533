// FileAccessTest.cpp: documents and output folders named in any script, and
// paths longer than the plain Windows limit.
#include "ScanTestSupport.h"

#include "base/FileAccess.h"
#include "base/RunPaths.h"
#include "tests/support/ScriptNames.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <direct.h>
#else
#include <unistd.h>
#endif

namespace {

// The names as documents.
std::vector<std::string> DocumentNames() {
    std::vector<std::string> files;
    for (const std::string& name : ScriptNames()) files.push_back(name + ".doc");
    return files;
}

std::string Utf8(const fs::path& path) { return path.u8string(); }

// The folder's own removal cannot reach beyond MAX_PATH on Windows.
void RemoveEmptyDirectory(const std::string& path) {
#ifdef _WIN32
    _wrmdir(SystemPath(path).c_str());
#else
    rmdir(path.c_str());
#endif
}

TEST(ScanOnAnyName, EveryScriptNamesTheDocumentAndItsOutputFolder) {
    TestFolder folder;
    for (const std::string& name : DocumentNames()) {
        SCOPED_TRACE(name);
        const std::string document = Utf8(folder.Path()) + "/" + name;
        WriteBytes(fs::u8path(document), TwoPictureDocument());
        const std::string directory = Utf8(folder.Path()) + "/" + DocumentName(name) + "REC";

        RecordingReporter reporter;
        ScanResult result = ScanDocument(document, directory, reporter);

        EXPECT_TRUE(reporter.messages.empty());
        EXPECT_EQ(result.pictureCount, 2);
        EXPECT_EQ(result.outputDirectory, directory);
        auto files = FilesIn(fs::u8path(directory));
        EXPECT_EQ(files["1.jpg"], Fixture("small.jpg"));
        EXPECT_EQ(files["1.gif"], Fixture("text-chunk.png"));
        EXPECT_TRUE(PathExists(directory + "/1.jpg"));
        EXPECT_TRUE(RemoveFile(document));
        EXPECT_FALSE(fs::exists(fs::u8path(document)));
    }
}

// Deeper than MAX_PATH: the document, the folder and the pictures all work.
TEST(ScanOnAnyName, PathsBeyondTheOldLimitWork) {
    TestFolder folder;
    std::vector<std::string> levels = {Utf8(folder.Path())};
    for (int level = 0; level < 4; ++level) {
        levels.push_back(levels.back() + "/" + std::string(70, static_cast<char>('a' + level)) +
                         DocumentNames()[level]);
        ASSERT_TRUE(MakeDirectory(levels.back())) << levels.back();
    }
    const std::string deep = levels.back();
    ASSERT_GT(deep.size(), 300u);
    const std::string document = deep + "/" + DocumentNames()[4];
    std::FILE* stream = OpenFile(document, "wb");
    ASSERT_NE(stream, nullptr);
    const std::string bytes = TwoPictureDocument();
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fclose(stream);
    const std::string directory = deep + "/AlbumREC";

    RecordingReporter reporter;
    ScanResult result = ScanDocument(document, directory, reporter);

    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(result.pictureCount, 2);
    EXPECT_TRUE(PathExists(directory + "/1.jpg"));
    EXPECT_TRUE(PathExists(directory + "/1.gif"));
    EXPECT_FALSE(MakeDirectory(directory)) << "already there";
    EXPECT_TRUE(RemoveFile(directory + "/1.jpg"));
    EXPECT_FALSE(PathExists(directory + "/1.jpg"));

    EXPECT_TRUE(RemoveFile(directory + "/1.gif"));
    EXPECT_TRUE(RemoveFile(document));
    levels.push_back(directory);
    while (levels.size() > 1) {
        RemoveEmptyDirectory(levels.back());
        levels.pop_back();
    }
}

TEST(ExtendedLengthPath, OnlyLongAbsolutePathsTakeThePrefix) {
    const std::wstring tail(kPlainPathLimit, L'x');
    EXPECT_EQ(ExtendedLengthPath(L"C:\\short\\a.doc"), L"C:\\short\\a.doc");
    EXPECT_EQ(ExtendedLengthPath(L"C:\\" + tail), L"\\\\?\\C:\\" + tail);
    EXPECT_EQ(ExtendedLengthPath(L"C:/dir/" + tail), L"\\\\?\\C:\\dir\\" + tail);
    EXPECT_EQ(ExtendedLengthPath(L"\\\\server\\share\\" + tail),
              L"\\\\?\\UNC\\server\\share\\" + tail);
    EXPECT_EQ(ExtendedLengthPath(L"\\\\?\\C:\\" + tail), L"\\\\?\\C:\\" + tail);
    EXPECT_EQ(ExtendedLengthPath(L"relative\\" + tail), L"relative\\" + tail);
    // The first length that needs it, and the one before.
    const std::wstring limit = L"C:\\" + std::wstring(kPlainPathLimit - 3, L'y');
    EXPECT_EQ(ExtendedLengthPath(limit), L"\\\\?\\" + limit);
    EXPECT_EQ(ExtendedLengthPath(limit.substr(1)), limit.substr(1));
}

}  // namespace
