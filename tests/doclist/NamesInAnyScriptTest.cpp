// NamesInAnyScriptTest.cpp - documents named in scripts the ANSI code page cannot
// spell: dropped, shortcut, opened, listed with their details and deleted
#include <gtest/gtest.h>

#include "DocListTestSupport.h"
#include "framework/SystemPaths.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/ScriptNames.h"

using Cells = std::vector<std::string>;

namespace {

// Документы
const char kCyrillicFolder[] =
    "\xD0\x94\xD0\xBE\xD0\xBA\xD1\x83\xD0\xBC\xD0\xB5\xD0\xBD\xD1\x82\xD1\x8B";
const SYSTEMTIME kWritten{2004, 5, 1, 3, 7, 5, 9, 0};

// The five documents, each a kilobyte larger than the one before.
struct NamedDocuments {
    TempFolder folder{"velmo-names"};
    CListHostDlg host;
    Cells paths;

    NamedDocuments() {
        for (size_t i = 0; i < ScriptNames().size(); ++i) {
            paths.push_back(MakeFile(folder, ScriptNames()[i] + ".doc", (i + 1) * 1024));
            SetLastWriteUtc(paths.back(), kWritten);
        }
    }
};

}  // namespace

TEST(NamesInAnyScript, DroppedDirectlyOrThroughAShortcutTheyListWithTheirDetails) {
    NamedDocuments documents;
    // A shortcut named in Chinese to the emoji document, dropped on its own.
    const std::string link = documents.folder.Utf8() + "\\\xE5\xBF\xAB\xE6\x8D\xB7.lnk";  // 快捷
    MakeShortcut(link, documents.paths[4]);
    Cells direct(documents.paths.begin(), documents.paths.end() - 1);

    DropFiles(documents.host.m_list, direct);
    DropFiles(documents.host.m_list, {link});
    DropFiles(documents.host.m_list, {documents.paths[0]});  // already listed

    ASSERT_EQ(documents.host.m_list.GetItemCount(), 5);
    for (size_t i = 0; i < documents.paths.size(); ++i) {
        SCOPED_TRACE(documents.paths[i]);
        EXPECT_EQ(documents.host.Row(static_cast<int>(documents.paths.size() - 1 - i)),
                  (Cells{documents.paths[i], std::to_string(i + 1), "3/5/2004", "7:5:9"}));
    }
}

// Older shells drop ANSI paths; a name the code page holds still arrives whole.
TEST(NamesInAnyScript, AnAnsiDropStillWorks) {
    TempFolder folder("velmo-names");
    CListHostDlg host;
    std::string path = MakeFile(folder, "Caf\xC3\xA9.doc", 2048);  // Café

    DropFiles(host.m_list, {path}, DropEncoding::Ansi);

    ASSERT_EQ(host.m_list.GetItemCount(), 1);
    EXPECT_EQ(host.Row(0)[0], path);
    EXPECT_EQ(host.Row(0)[1], "2");
}

TEST(NamesInAnyScript, OpenedThroughTheDialogTheyListAndTheFolderBecomesCurrent) {
    TempFolder folder("velmo-names");
    CListHostDlg host;
    const std::string sub = MakeFolder(folder, kCyrillicFolder);
    Cells paths;
    for (const std::string& name : ScriptNames()) {
        paths.push_back(
            MakeFile(folder, std::string(kCyrillicFolder) + "\\" + name + ".doc", 3 * 1024));
        SetLastWriteUtc(paths.back(), kWritten);
    }

    for (const std::string& path : paths) {
        OpenDialogDriver driver(path);
        host.m_commands.OnAddDocument();
        ASSERT_TRUE(driver.Answered()) << path;
    }
    std::string current = CurrentDirectory();
    SetCurrentDirectoryA("C:\\");  // let the folder go

    EXPECT_EQ(host.m_list.GetItemCount(), 5);
    for (size_t i = 0; i < paths.size(); ++i)
        EXPECT_EQ(host.Row(static_cast<int>(paths.size() - 1 - i)),
                  (Cells{paths[i], "3", "3/5/2004", "7:5:9"}));
    if (!current.empty() && current.back() == '\\') current.pop_back();
    EXPECT_EQ(current, sub);
}

TEST(NamesInAnyScript, DeletedAfterTwoQuestionsThatShowTheName) {
    NamedDocuments documents;
    DropFiles(documents.host.m_list, documents.paths);
    MessageBoxWatcher watcher(std::vector<int>(2 * documents.paths.size(), IDYES));

    for (size_t i = 0; i < documents.paths.size(); ++i) {
        SCOPED_TRACE(documents.paths[i]);
        documents.host.Select(0);  // the last dropped is on top
        const std::string path = documents.paths[documents.paths.size() - 1 - i];
        documents.host.m_commands.OnDeleteSelected();
        ASSERT_TRUE(watcher.WaitForBoxes(2 * (i + 1)));
        EXPECT_EQ(watcher.Boxes()[2 * i].text,
                  "Are you sure you want to delete  file " + path + " ?");
        EXPECT_EQ(watcher.Boxes()[2 * i + 1].text, "Are you sure  ?");
        EXPECT_FALSE(FileExists(path));
    }
    EXPECT_EQ(documents.host.m_list.GetItemCount(), 0);
    EXPECT_TRUE(watcher.Problems().empty());
}

// The extension filter ignores letter case beyond ASCII too.
TEST(NamesInAnyScript, ExtensionFilterFoldsCaseInEveryScript) {
    TempFolder folder("velmo-names");
    CListHostDlg host;
    DropListOptions options;
    options.flags = DROP_ACCEPT_FILES | DROP_FILTER_EXTENSION;
    options.extension = ".\xD0\xB4\xD0\xBE\xD0\xBA";  // .док
    host.m_list.SetOptions(options);
    std::string upper = MakeFile(folder, "a.\xD0\x94\xD0\x9E\xD0\x9A");          // a.ДОК
    std::string other = MakeFile(folder, "b.\xD0\xB4\xD0\xBE\xD0\xBA\xD1\x81");  // b.докс

    DropFiles(host.m_list, {upper, other});

    EXPECT_EQ(host.Paths(), (Cells{upper}));
}
