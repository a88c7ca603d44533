// Recovery runs started from the main window, with real documents, real
// picture files and the real message boxes.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <iterator>
#include <stdexcept>

#include "lang/Texts.h"
#include "recovery/bytes/ByteSource.h"
#include "recovery/disk/PictureFile.h"
#include "recovery/disk/ScanDisk.h"
#include "res/resource.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/GuiTestHelpers.h"
#include "tests/support/MessageBoxWatcher.h"

namespace fs = std::filesystem;

namespace {

const char kCaption[] = "Velmo Image Recovery";
const char kNoImage[] = " No image recovered";
const char kDirectoryExists[] =
    "Images directory already exists!! Process aborted for recovery of images.. Set the path for "
    "recovered images directory in settings as described in help!";

// A document holding a JPEG, a PNG and another JPEG between runs of text.
struct Document {
    std::string path;  // ANSI
    std::string firstJpeg = Fixture("jfif-baseline.jpg");
    std::string png = Fixture("small.png");
    std::string secondJpeg = Fixture("small.jpg");
    uint64_t size = 0;

    explicit Document(const TempFolder& folder, const std::string& name = "Report.final.doc") {
        const std::string text(1500, 'D');
        const std::string bytes = text + firstJpeg + text + png + text + secondJpeg + text;
        folder.WriteFile(name, bytes);
        path = folder.Ansi() + "\\" + name;
        size = bytes.size();
    }
};

// The run's folder for the document "Report...": the output path, the name
// and the suffix.
struct RunFolders {
    TempFolder root{"velmo-run"};
    std::string outputPath = root.Ansi() + "\\out\\";
    std::string outputDirectory = outputPath + "ReportREC";
    RunFolders() { fs::create_directories(root.Path() / "out"); }
    fs::path Picture(const char* name) const { return root.Path() / "out" / "ReportREC" / name; }
};

TEST(RecoveryRunTest, StoresEveryPictureAndReportsWhereFromEachRecoverCommand) {
    for (int command : {IDC_EXTRACT_BUTTON, ID_FILE_RECOVER, ID_LIST_RECOVER}) {
        SCOPED_TRACE(command);
        SettingsFileGuard guard;
        RunFolders folders;
        Document document(folders.root);
        WriteValidSettings(RunRecord(1, folders.outputPath, 0));
        MessageBoxWatcher watcher({IDOK});

        ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
            shown.AddSelectedDocument(document.path);
            shown.Command(command);
            EXPECT_EQ(shown.m_pictureCount, 3);
            EXPECT_EQ(shown.m_outputDirectory, folders.outputDirectory);
            EXPECT_FALSE(shown.m_runAborted);
        });
        dialog.DoModal();

        ASSERT_EQ(watcher.Count(), 1u);
        EXPECT_EQ(watcher.Boxes()[0].text, StoredReport(3, folders.outputDirectory));
        EXPECT_EQ(watcher.Boxes()[0].caption, kCaption);
        EXPECT_EQ(ReadFileBytes(folders.Picture("1.jpg").string()), document.firstJpeg);
        EXPECT_EQ(ReadFileBytes(folders.Picture("1.gif").string()), document.png);
        EXPECT_EQ(ReadFileBytes(folders.Picture("2.jpg").string()), document.secondJpeg);
        EXPECT_TRUE(fs::exists(document.path)) << "deletion is off";
    }
}

// A package document: its pictures are deflated entries that only reading the
// package reaches.
TEST(RecoveryRunTest, StoresThePicturesOfAWordPackage) {
    SettingsFileGuard guard;
    RunFolders folders;
    folders.root.WriteFile("Report.docx", Fixture("documents/word.docx"));
    const std::string path = folders.root.Ansi() + "\\Report.docx";
    WriteValidSettings(RunRecord(1, folders.outputPath, 0));
    MessageBoxWatcher watcher({IDOK});

    ExtractFromMainWindow(path);

    ASSERT_EQ(watcher.Count(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].text, StoredReport(3, folders.outputDirectory));
    EXPECT_EQ(ReadFileBytes(folders.Picture("1.gif").string()), Fixture("documents/drawing.png"));
    EXPECT_EQ(ReadFileBytes(folders.Picture("1.jpg").string()), Fixture("documents/photo.jpg"));
    EXPECT_EQ(ReadFileBytes(folders.Picture("2.jpg").string()), Fixture("documents/small.jpg"));
}

TEST(RecoveryRunTest, SameDocumentTwiceStopsAtTheTakenNameAndOffersNoDeletion) {
    SettingsFileGuard guard;
    RunFolders folders;
    Document document(folders.root);
    WriteValidSettings(RunRecord(1, folders.outputPath, 1));
    MessageBoxWatcher watcher({IDOK, IDNO, IDOK, IDOK});

    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        shown.AddSelectedDocument(document.path);
        shown.Command(IDC_EXTRACT_BUTTON);
        shown.Command(IDC_EXTRACT_BUTTON);
        EXPECT_EQ(shown.m_pictureCount, 0);
        EXPECT_TRUE(shown.m_runAborted);
    });
    dialog.DoModal();

    ASSERT_EQ(watcher.Count(), 4u);
    auto boxes = watcher.Boxes();
    EXPECT_EQ(boxes[0].text, StoredReport(3, folders.outputDirectory));
    EXPECT_EQ(boxes[1].pressed, IDNO);  // the first run's deletion offer
    EXPECT_EQ(boxes[2].text, kDirectoryExists);
    EXPECT_EQ(boxes[3].text, kNoImage);
    EXPECT_TRUE(watcher.Problems().empty());
    EXPECT_EQ(ReadFileBytes(folders.Picture("1.jpg").string()), document.firstJpeg)
        << "overwritten";
    EXPECT_TRUE(fs::exists(document.path));
}

// Pictures were stored, but the third one's name was taken: the document must
// not be offered for deletion, since not all of its pictures were saved.
TEST(RecoveryRunTest, RunStoppedAfterSomePicturesOffersNoDeletion) {
    SettingsFileGuard guard;
    RunFolders folders;
    Document document(folders.root);
    fs::create_directories(folders.Picture(""));
    WriteFileBytes(folders.Picture("2.jpg").string(), "taken");
    WriteValidSettings(RunRecord(1, folders.outputPath, 1));
    MessageBoxWatcher watcher({IDOK, IDOK});

    ExtractFromMainWindow(document.path);

    ASSERT_EQ(watcher.Count(), 2u);
    EXPECT_EQ(watcher.Boxes()[0].text, kDirectoryExists);
    EXPECT_EQ(watcher.Boxes()[1].text, StoredReport(2, folders.outputDirectory));
    EXPECT_TRUE(watcher.Problems().empty());
    EXPECT_EQ(ReadFileBytes(folders.Picture("2.jpg").string()), "taken");
    EXPECT_TRUE(fs::exists(document.path));
}

TEST(RecoveryRunTest, DeletionNeedsTwoYesAnswersAndLeavesTheRow) {
    struct Case {
        std::vector<int> answers;
        bool deleted;
    };
    for (const Case& answers : {Case{{IDOK, IDNO}, false}, Case{{IDOK, IDYES, IDNO}, false},
                                Case{{IDOK, IDYES, IDYES}, true}}) {
        SCOPED_TRACE(answers.answers.size());
        SettingsFileGuard guard;
        RunFolders folders;
        Document document(folders.root);
        WriteValidSettings(RunRecord(1, folders.outputPath, 1));
        MessageBoxWatcher watcher(answers.answers);

        ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
            shown.AddSelectedDocument(document.path);
            shown.Command(ID_LIST_RECOVER);
            EXPECT_EQ(shown.List().GetItemCount(), 1);
            EXPECT_EQ(shown.List().GetItemText(0, 0), document.path);
        });
        dialog.DoModal();

        ASSERT_EQ(watcher.Count(), answers.answers.size());
        auto boxes = watcher.Boxes();
        EXPECT_EQ(boxes[1].text,
                  "Are you sure you want to delete source file " + document.path + " ?");
        EXPECT_EQ(boxes[1].caption, "velmo_app_tests");  // the program's file name
        if (boxes.size() > 2) {
            EXPECT_EQ(boxes[2].text, "Are you sure ?");
            EXPECT_EQ(boxes[2].caption, kCaption);
        }
        EXPECT_TRUE(watcher.Problems().empty());
        EXPECT_EQ(fs::exists(document.path), !answers.deleted);
        EXPECT_TRUE(fs::exists(folders.Picture("1.jpg")));
    }
}

// The volume needs the document's kilobytes plus ten: less stops the run before
// anything is written; a volume the system cannot measure (a network path)
// does not stop it.
TEST(RecoveryRunTest, DiskFullStopsTheRunAndAnUnmeasuredVolumeLetsItGoOn) {
    SettingsFileGuard guard;
    RunFolders folders;
    Document document(folders.root);
    WriteValidSettings(RunRecord(1, folders.outputPath, 0));
    const uint64_t needed = (document.size / 1024 + 10) * 1024;
    MessageBoxWatcher watcher({IDOK, IDOK});
    std::vector<std::string> measured;

    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        EXPECT_FALSE(shown.SystemFreeBytesFor("\\\\server\\share\\ReportREC").has_value());
        EXPECT_GT(shown.SystemFreeBytesFor(folders.outputDirectory).value_or(0), 0u);

        shown.AddSelectedDocument(document.path);
        shown.freeSpace = [&](const std::string& directory) -> std::optional<uint64_t> {
            measured.push_back(directory);
            return needed - 1;
        };
        shown.Command(IDC_EXTRACT_BUTTON);
        EXPECT_FALSE(fs::exists(folders.Picture(""))) << "written despite a full disk";

        shown.freeSpace = [](const std::string&) -> std::optional<uint64_t> {
            return std::nullopt;
        };
        shown.Command(IDC_EXTRACT_BUTTON);
    });
    dialog.DoModal();

    ASSERT_EQ(watcher.Count(), 2u);
    EXPECT_EQ(watcher.Boxes()[0].text, "Disk full!");
    EXPECT_EQ(watcher.Boxes()[0].caption, kCaption);
    EXPECT_EQ(watcher.Boxes()[1].text, StoredReport(3, folders.outputDirectory));
    ASSERT_EQ(measured.size(), 1u);
    EXPECT_EQ(measured[0], folders.outputDirectory);
}

// Without a selected row nothing else happens: the settings are not even read,
// so a missing settings file goes unnoticed.
TEST(RecoveryRunTest, NoSelectionIsReportedInTheCurrentLanguageAndNothingElseHappens) {
    SettingsFileGuard guard;
    TempFolder folder("velmo-run");
    Document document(folder);
    WriteValidSettings(RecordWith(4));
    MessageBoxWatcher watcher({IDOK});

    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        shown.List().InsertItem(0, document.path);  // listed, not selected
        RemoveSettingsFile();
        shown.Command(ID_FILE_RECOVER);
    });
    dialog.DoModal();

    ASSERT_EQ(watcher.Count(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].text, "Nessuna lima ha selezionato!");
    EXPECT_EQ(watcher.Boxes()[0].caption, kCaption);
    EXPECT_FALSE(fs::exists(RealSettingsPath()));
}

// The default output directory is the current one; backslash runs in the
// listed path are reduced before use. The folder is deep enough that the
// document path, the current directory and the output directory all pass the
// 199 characters the first versions of the program could hold.
TEST(RecoveryRunTest, EmptyOutputPathStoresBesideALongCurrentDirectory) {
    SettingsFileGuard guard;
    TempFolder root("velmo-run");
    // Long enough for any temp folder name, short enough for MAX_PATH.
    const std::string deep(170, 'd');
    fs::create_directories(root.Path() / deep);
    const std::string folder = root.Ansi() + "\\" + deep;
    const std::string documentPath = folder + "\\notes";
    const std::string text(1500, 'D');
    const std::string png = Fixture("small.png");
    WriteFileBytes(documentPath, text + png + text);
    ASSERT_GT(documentPath.size(), 199u);
    WriteValidSettings(RunRecord(1, "", 0));
    const fs::path previous = fs::current_path();
    fs::current_path(root.Path() / deep);
    MessageBoxWatcher watcher({IDOK});

    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        std::string doubled = documentPath;
        doubled.insert(doubled.rfind('\\'), "\\\\");
        shown.AddSelectedDocument(doubled);
        shown.Command(IDC_EXTRACT_BUTTON);
    });
    dialog.DoModal();
    fs::current_path(previous);

    ASSERT_EQ(watcher.Count(), 1u);
    EXPECT_EQ(watcher.Boxes()[0].text, StoredReport(1, folder + "\\notesREC"));
    EXPECT_EQ(ReadFileBytes(folder + "\\notesREC\\1.gif"), png);
}

// A document that fails as no disk should: reading it throws once its first
// block was read.
class ThrowingDocument : public ByteSource {
public:
    explicit ThrowingDocument(std::unique_ptr<ByteSource> document)
        : m_document(std::move(document)) {}
    uint64_t Size() const override { return m_document->Size(); }
    size_t ReadAt(uint64_t offset, uint8_t* into, size_t size) override {
        if (size > 4096 && m_blocks++ > 0) throw std::runtime_error("the drive went away");
        return m_document->ReadAt(offset, into, size);
    }
    FilePlace Place(uint64_t offset) override { return m_document->Place(offset); }

private:
    std::unique_ptr<ByteSource> m_document;
    int m_blocks = 0;
};

class ThrowingDisk : public ScanDisk {
public:
    std::unique_ptr<ByteSource> OpenDocument(const std::string& path) override {
        return std::make_unique<ThrowingDocument>(ScanDisk::OpenDocument(path));
    }
};

// Whatever escapes the scan is reported as a read error, after which the
// report counts the pictures written before it; none is left half written.
TEST(RecoveryRunTest, AScanThatThrowsKeepsThePicturesWrittenAndSaysTheDocumentWasNotRead) {
    SettingsFileGuard guard;
    RunFolders folders;
    const std::string jpeg = Fixture("small.jpg");
    folders.root.WriteFile("Report.doc", std::string(100, 'D') + jpeg + std::string(3 << 20, 'D') +
                                             Fixture("small.png"));
    WriteValidSettings(RunRecord(1, folders.outputPath, 0));
    MessageBoxWatcher watcher({IDOK, IDOK});
    ThrowingDisk disk;

    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        shown.disk = &disk;
        shown.AddSelectedDocument(folders.root.Ansi() + "\\Report.doc");
        shown.Command(IDC_EXTRACT_BUTTON);
        EXPECT_EQ(shown.m_pictureCount, 1);
    });
    dialog.DoModal();

    ASSERT_EQ(watcher.Count(), 2u);
    EXPECT_EQ(watcher.Boxes()[0].text,
              "The document could not be read to its end. The pictures stored so far are kept.");
    EXPECT_EQ(watcher.Boxes()[1].text, StoredReport(1, folders.outputDirectory));
    EXPECT_EQ(ReadFileBytes(folders.Picture("1.jpg").string()), jpeg);
    EXPECT_EQ(std::distance(fs::directory_iterator(folders.Picture("")), fs::directory_iterator()),
              1);
}

// A picture file on a volume that fills up after the first picture: the write
// fails as the system's does, with ENOSPC.
class FullVolumePicture : public PictureFile {
public:
    using PictureFile::PictureFile;
    bool Write(const uint8_t*, size_t) override {
        errno = ENOSPC;
        return false;
    }
};

// The disk of the failures a user meets: an output folder the system will not
// let the program make (a read-only folder), and a volume that fills up.
class TroubledOutputDisk : public ScanDisk {
public:
    bool readOnlyFolder = false;
    bool fillsAfterOnePicture = false;

    bool MakeDirectory(const std::string& path) override {
        if (!readOnlyFolder) return ScanDisk::MakeDirectory(path);
        errno = EACCES;
        return false;
    }
    std::unique_ptr<PictureFile> CreatePicture(const std::string& path) override {
        if (!fillsAfterOnePicture || m_created++ == 0) return ScanDisk::CreatePicture(path);
        auto picture = std::make_unique<FullVolumePicture>(path);
        if (!picture->Create()) return nullptr;
        return picture;
    }

private:
    int m_created = 0;
};

// Each failure says what failed and why: the document that cannot be opened
// (deleted after it was listed), the folder that cannot be made, the picture
// that cannot be written on a full volume. The report follows each.
TEST(RecoveryRunTest, FailuresNameWhatFailedAndWhy) {
    struct Case {
        const char* name;
        std::function<void(Document&, TroubledOutputDisk&)> trouble;
        std::function<std::string(const Document&, const RunFolders&)> message;
        int pictures;
    };
    const std::string writeError = Text(kMsgWriteError, LANG_ENGLISH);
    const std::vector<Case> cases = {
        {"deleted document",
         [](Document& document, TroubledOutputDisk&) { fs::remove(document.path); },
         [](const Document& document, const RunFolders&) {
             return "Cannot open the document " + document.path + ": no such file or folder.";
         },
         0},
        {"read-only folder",
         [](Document&, TroubledOutputDisk& disk) { disk.readOnlyFolder = true; },
         [&](const Document&, const RunFolders& folders) {
             return writeError + "\n\nCannot create the folder " + folders.outputDirectory +
                    ": access denied.";
         },
         0},
        {"full volume",
         [](Document&, TroubledOutputDisk& disk) { disk.fillsAfterOnePicture = true; },
         [&](const Document&, const RunFolders& folders) {
             return writeError + "\n\nCannot write the picture " + folders.outputDirectory +
                    "\\1.gif: disk full.";
         },
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsFileGuard guard;
        RunFolders folders;
        Document document(folders.root);
        TroubledOutputDisk disk;
        WriteValidSettings(RunRecord(1, folders.outputPath, 0));
        MessageBoxWatcher watcher({IDOK, IDOK});

        ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
            shown.disk = &disk;
            shown.AddSelectedDocument(document.path);
            c.trouble(document, disk);
            shown.Command(IDC_EXTRACT_BUTTON);
        });
        dialog.DoModal();

        ASSERT_EQ(watcher.Count(), 2u);
        EXPECT_EQ(watcher.Boxes()[0].text, c.message(document, folders));
        EXPECT_EQ(watcher.Boxes()[1].text, c.pictures == 0
                                               ? std::string(kNoImage)
                                               : StoredReport(c.pictures, folders.outputDirectory));
        EXPECT_FALSE(fs::exists(folders.Picture("1.gif"))) << "a cut picture was left";
    }
}

uint64_t Distance(uint64_t a, uint64_t b) { return a > b ? a - b : b - a; }

// The free space is asked of the output folder itself (the nearest folder of
// it that exists), so a volume mounted into a folder of another drive is
// measured, not the drive its letter names. Here a memory file system that
// Wine shows inside drive Z: stands for such a volume.
TEST(RecoveryRunTest, FreeSpaceIsThatOfTheVolumeTheOutputFolderIsOn) {
    // Another program may write meanwhile: the measure must be near the
    // mounted volume's free space and far from the drive's.
    const uint64_t slack = 64u << 20;
    ULARGE_INTEGER caller, total, mountedFree, rootFree;
    if (!GetDiskFreeSpaceExW(L"Z:\\dev\\shm\\", &caller, &total, &mountedFree) ||
        !GetDiskFreeSpaceExW(L"Z:\\", &caller, &total, &rootFree) ||
        Distance(mountedFree.QuadPart, rootFree.QuadPart) < 4 * slack)
        GTEST_SKIP() << "no second volume inside drive Z: on this machine";
    SettingsFileGuard guard;
    WriteValidSettings(RecordWith(1));
    std::optional<uint64_t> measured;
    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        measured = shown.SystemFreeBytesFor("Z:\\dev\\shm\\velmo-not-made\\ReportREC");
    });
    dialog.DoModal();

    ASSERT_TRUE(measured.has_value());
    EXPECT_LT(Distance(*measured, mountedFree.QuadPart), slack);
}

}  // namespace
