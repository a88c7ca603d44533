// RunOnAnyNameTest.cpp - recovery runs from the main window on documents named
// in scripts the ANSI code page cannot spell, and on paths beyond MAX_PATH
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/Text.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/GuiTestHelpers.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/ScriptNames.h"

namespace fs = std::filesystem;

namespace {

std::string PictureDocument() {
    const std::string text(1500, 'D');
    return text + Fixture("jfif-baseline.jpg") + text + Fixture("small.png") + text;
}

// The test's own file access: wide calls on the extended form of an absolute
// UTF-8 path, whatever its length.
std::wstring Extended(const std::string& path) { return Widen("\\\\?\\" + path); }

void WriteUtf8Path(const std::string& path, const std::string& bytes) {
    FILE* stream = _wfopen(Extended(path).c_str(), L"wb");
    ASSERT_NE(stream, nullptr) << path;
    fwrite(bytes.data(), 1, bytes.size(), stream);
    fclose(stream);
}

std::string Picture(const std::string& directory, const char* name) {
    std::string bytes;
    FILE* stream = _wfopen(Extended(directory + "\\" + name).c_str(), L"rb");
    if (!stream) return bytes;
    char block[4096];
    size_t got;
    while ((got = fread(block, 1, sizeof block, stream)) > 0) bytes.append(block, got);
    fclose(stream);
    return bytes;
}

bool Exists(const std::string& path) {
    return GetFileAttributesW(Extended(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

TEST(RunOnAnyName, EachDocumentGivesAFolderNamedInItsScriptAndCanBeDeleted) {
    SettingsFileGuard guard;
    TempFolder root("velmo-names");
    fs::create_directories(root.Path() / "out");
    const std::string outputPath = root.Utf8() + "\\out\\";
    WriteValidSettings(RunRecord(1, root.Ansi() + "\\out\\", 1));

    for (const std::string& name : ScriptNames()) {
        SCOPED_TRACE(name);
        const std::string path = root.Utf8() + "\\" + name + ".final.doc";
        WriteUtf8Path(path, PictureDocument());
        const std::string folder = outputPath + name + "REC";
        MessageBoxWatcher watcher({IDOK, IDYES, IDYES});

        ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
            shown.AddSelectedDocument(path);
            shown.Command(IDC_EXTRACT_BUTTON);
            EXPECT_EQ(shown.m_outputDirectory, folder);
        });
        dialog.DoModal();

        ASSERT_EQ(watcher.Count(), 3u);
        EXPECT_EQ(watcher.Boxes()[0].text, StoredReport(2, folder));
        EXPECT_EQ(watcher.Boxes()[1].text,
                  "Are you sure you want to delete source file " + path + " ?");
        EXPECT_EQ(Picture(folder, "1.jpg"), Fixture("jfif-baseline.jpg"));
        EXPECT_EQ(Picture(folder, "1.gif"), Fixture("small.png"));
        EXPECT_FALSE(Exists(path)) << "not deleted";
    }
}

// The settings file holds its paths in the ANSI code page (1252 here): an output
// path and suffix with such letters name the same folder after the conversion.
// Without an output path the pictures go beside a current directory in any script.
TEST(RunOnAnyName, OutputPathFromTheSettingsOrTheCurrentDirectory) {
    SettingsFileGuard guard;
    TempFolder root("velmo-names");
    const std::string document = root.Utf8() + "\\" + ScriptNames()[3] + ".doc";
    WriteUtf8Path(document, PictureDocument());
    const std::string greekFolder = root.Utf8() + "\\" + ScriptNames()[1];
    ASSERT_TRUE(CreateDirectoryW(Extended(greekFolder).c_str(), nullptr));
    ASSERT_TRUE(
        CreateDirectoryW(Extended(root.Utf8() + "\\Bilder f\xC3\xBCr").c_str(), nullptr));  // für
    const fs::path previous = fs::current_path();
    SetCurrentDirectoryW(Widen(greekFolder).c_str());

    SettingsRecord ansi = RunRecord(1, root.Ansi() + "\\Bilder f\xFCr\\", 0);
    ansi.SetSuffix("R\xE9");  // Ré
    SettingsRecord besideCurrent = RunRecord(1, "", 0);
    const std::string expected[] = {
        root.Utf8() + "\\Bilder f\xC3\xBCr\\" + ScriptNames()[3] + "R\xC3\xA9",
        greekFolder + "\\" + ScriptNames()[3] + "REC",
    };
    int run = 0;
    for (const SettingsRecord& record : {ansi, besideCurrent}) {
        SCOPED_TRACE(run);
        WriteValidSettings(record);
        MessageBoxWatcher watcher({IDOK});

        ExtractFromMainWindow(document);

        ASSERT_EQ(watcher.Count(), 1u);
        EXPECT_EQ(watcher.Boxes()[0].text, StoredReport(2, expected[run]));
        EXPECT_EQ(Picture(expected[run], "1.gif"), Fixture("small.png"));
        ++run;
    }
    fs::current_path(previous);
}

// A document deeper than MAX_PATH is measured, scanned and deleted all the same.
TEST(RunOnAnyName, DocumentBeyondTheOldPathLimit) {
    SettingsFileGuard guard;
    TempFolder root("velmo-names");
    std::vector<std::string> levels = {root.Utf8()};
    for (const std::string& name : ScriptNames()) {
        levels.push_back(levels.back() + "\\" + std::string(50, 'x') + name);
        ASSERT_TRUE(CreateDirectoryW(Extended(levels.back()).c_str(), nullptr));
    }
    const std::string deep = levels.back();
    const std::string path = deep + "\\" + ScriptNames()[0] + ".doc";
    ASSERT_GT(Widen(path).size(), 300u);
    WriteUtf8Path(path, PictureDocument());
    fs::create_directories(root.Path() / "out");
    WriteValidSettings(RunRecord(1, root.Ansi() + "\\out\\", 1));
    MessageBoxWatcher watcher({IDOK, IDYES, IDYES});

    ExtractFromMainWindow(path);

    const std::string folder = root.Utf8() + "\\out\\" + ScriptNames()[0] + "REC";
    ASSERT_EQ(watcher.Count(), 3u);
    EXPECT_EQ(watcher.Boxes()[0].text, StoredReport(2, folder));
    EXPECT_EQ(Picture(folder, "1.jpg"), Fixture("jfif-baseline.jpg"));
    EXPECT_FALSE(Exists(path)) << "not deleted";
    // The folder's own removal cannot reach beyond MAX_PATH.
    while (levels.size() > 1) {
        RemoveDirectoryW(Extended(levels.back()).c_str());
        levels.pop_back();
    }
}
