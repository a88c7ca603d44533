// AppTestSupport.h - running the main window for real in a test: its settings
// file, the window itself in this process, and the program as a child process
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/CRecoveryDlg.h"
#include "settings/SettingsRecord.h"

// The settings file the program reads: propImage.pro in the Windows directory
// of the test prefix. The guard puts back what was there (or removes what the
// test left) when it goes.
std::string RealSettingsPath();
class SettingsFileGuard {
public:
    SettingsFileGuard();
    ~SettingsFileGuard();
    SettingsFileGuard(const SettingsFileGuard&) = delete;
    SettingsFileGuard& operator=(const SettingsFileGuard&) = delete;

private:
    bool m_existed = false;
    std::string m_bytes;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The bytes of a file under tests/data, e.g. Fixture("small.png").
std::string Fixture(const std::string& name);
// Writes a record with its proper check value.
void WriteValidSettings(const SettingsRecord& record);
SettingsRecord RecordWith(int languageIndex, const std::string& installDirectory = "");
void RemoveSettingsFile();
// A record for a recovery run into outputPath with the suffix "REC".
SettingsRecord RunRecord(int languageIndex, const std::string& outputPath, int deleteSource);
// What a run that stored `count` pictures in `directory` reports (English).
std::string StoredReport(int count, const std::string& directory);

// The main window run modally in this thread; the probe runs once it is shown,
// after which the window is cancelled (the one way out that keeps the process).
class ProbedRecoveryDlg : public CRecoveryDlg {
public:
    explicit ProbedRecoveryDlg(std::function<void(ProbedRecoveryDlg&)> probe);

    CDropFileListCtrl& List() { return m_documentList; }
    CHoverButton& HoverButton(int id);
    HWND Item(int id) const { return GetDlgItem(id); }
    // Sends a command as a button or a menu would.
    void Command(int id) { SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    // Lists the document (UTF-8 path) as the top row and selects it.
    void AddSelectedDocument(const std::string& path);

    // Exit (the dialog's OK) is counted here rather than ending the test.
    int exitRequests = 0;
    // When set, stands in for the disk the run reads and writes.
    ScanDisk* disk = nullptr;
    // When set, stands in for the free space of the output volume.
    std::function<std::optional<uint64_t>(const std::string&)> freeSpace;
    std::optional<uint64_t> SystemFreeBytesFor(const std::string& directory) const {
        return FreeBytesOfVolume(directory);
    }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override { ++exitRequests; }
    LRESULT OnProbe(WPARAM, LPARAM);
    // A recovery command that takes its disk and free space from the fields above.
    std::unique_ptr<RecoverCommand> MakeRecoverCommand(::RunWindow& window,
                                                       const int& languageIndex) override;
    DECLARE_MESSAGE_MAP()

private:
    std::function<void(ProbedRecoveryDlg&)> m_probe;
};

// Runs the main window on one document (UTF-8 path): lists and selects it,
// presses Extract, and returns once the window is gone.
void ExtractFromMainWindow(const std::string& documentPath);

// Reading back what the window shows.
std::string ColumnCaption(HWND list, int column);
int ColumnWidth(HWND list, int column);
std::string TooltipText(CHoverButton& button);
// Whether two bitmaps hold the same picture, pixel for pixel.
bool SamePicture(HBITMAP first, HBITMAP second);
// The program's own bitmap resource.
HBITMAP LoadProgramBitmap(int id);

// The real program, started as a child process. It watches which windows the
// program shows, in order, while the test waits on it.
class ChildProgram {
public:
    enum class WindowKind { Splash, MessageBox, MainWindow };

    ChildProgram();
    ~ChildProgram();
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    DWORD ProcessId() const { return m_process.dwProcessId; }
    // Whether a window of the kind showed in time.
    bool WaitForWindow(WindowKind kind, DWORD timeoutMs = 15000);
    // The visible main window, or null when it did not show in time.
    HWND WaitForMainWindow(DWORD timeoutMs = 15000);
    // True with the exit code when the program ended in time.
    bool WaitForExit(DWORD& exitCode, DWORD timeoutMs = 15000);
    // The kinds of window seen, each once, in the order they first showed.
    const std::vector<WindowKind>& KindsSeen() const { return m_kindsSeen; }

private:
    void LookAtWindows();
    static BOOL CALLBACK Inspect(HWND window, LPARAM self);

    PROCESS_INFORMATION m_process{};
    std::vector<WindowKind> m_kindsSeen;
    HWND m_mainWindow = nullptr;
};
