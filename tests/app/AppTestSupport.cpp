// AppTestSupport.cpp
#include "tests/app/AppTestSupport.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "framework/SystemPaths.h"
#include "framework/Text.h"
#include "res/resource.h"
#include "settings/SettingsFile.h"
#include "tests/support/GuiTestHelpers.h"
#include "tests/support/ControlProbes.h"

namespace {

constexpr UINT kProbeMessage = WM_APP + 50;
constexpr int kMessageTextId = 0xFFFF;

}  // namespace

// ---- Settings file -------------------------------------------------------------

std::string RealSettingsPath() { return SettingsPathIn(WindowsDirectory()); }

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Fixture(const std::string& name) {
    return ReadFileBytes(std::string(VELMO_TEST_DATA_DIR) + "/" + name);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

void RemoveSettingsFile() {
    std::error_code ignored;
    std::filesystem::remove_all(RealSettingsPath(), ignored);
}

SettingsFileGuard::SettingsFileGuard() {
    const std::string path = RealSettingsPath();
    m_existed = std::filesystem::is_regular_file(path);
    if (m_existed) m_bytes = ReadFileBytes(path);
}

SettingsFileGuard::~SettingsFileGuard() {
    RemoveSettingsFile();
    if (m_existed) WriteFileBytes(RealSettingsPath(), m_bytes);
}

SettingsRecord RecordWith(int languageIndex, const std::string& installDirectory) {
    SettingsRecord record = SettingsRecord::DefaultFileRecord();
    record.SetLanguageIndex(languageIndex);
    record.SetInstallDirectory(installDirectory);
    return record;
}

SettingsRecord RunRecord(int languageIndex, const std::string& outputPath, int deleteSource) {
    SettingsRecord record = RecordWith(languageIndex);
    record.SetOutputPath(outputPath);
    record.SetSuffix("REC");
    record.SetDeleteSource(deleteSource);
    return record;
}

std::string StoredReport(int count, const std::string& directory) {
    return "( " + std::to_string(count) + " )image(s) recovered stored in directory " + directory +
           "!";
}

void WriteValidSettings(const SettingsRecord& record) {
    std::string bytes(record.bytes.begin(), record.bytes.end());
    uint8_t check[4];
    WriteInt32LittleEndian(record.CheckValue(), check);
    bytes.append(reinterpret_cast<const char*>(check), sizeof check);
    RemoveSettingsFile();
    WriteFileBytes(RealSettingsPath(), bytes);
}

// ---- The window in this process --------------------------------------------------

BEGIN_MESSAGE_MAP(ProbedRecoveryDlg, CRecoveryDlg)
    ON_MESSAGE(kProbeMessage, OnProbe)
END_MESSAGE_MAP()

ProbedRecoveryDlg::ProbedRecoveryDlg(std::function<void(ProbedRecoveryDlg&)> probe)
    : m_probe(std::move(probe)) {}

BOOL ProbedRecoveryDlg::OnInitDialog() {
    BOOL result = CRecoveryDlg::OnInitDialog();
    PostMessage(kProbeMessage);
    return result;
}

LRESULT ProbedRecoveryDlg::OnProbe(WPARAM, LPARAM) {
    m_probe(*this);
    EndDialog(IDCANCEL);
    return 0;
}

namespace {

class ProbedRecoverCommand : public RecoverCommand {
public:
    ProbedRecoverCommand(RunWindow& window, const int& languageIndex, ProbedRecoveryDlg& dialog)
        : RecoverCommand(window, languageIndex), m_dialog(dialog) {}

protected:
    std::optional<uint64_t> FreeBytesFor(const std::string& directory) const override {
        return m_dialog.freeSpace ? m_dialog.freeSpace(directory)
                                  : RecoverCommand::FreeBytesFor(directory);
    }
    ScanDisk& Disk() override {
        return m_dialog.disk ? *m_dialog.disk : RecoverCommand::Disk();
    }

private:
    ProbedRecoveryDlg& m_dialog;
};

}  // namespace

std::unique_ptr<RecoverCommand> ProbedRecoveryDlg::MakeRecoverCommand(::RunWindow& window,
                                                                      const int& languageIndex) {
    return std::make_unique<ProbedRecoverCommand>(window, languageIndex, *this);
}

void ProbedRecoveryDlg::AddSelectedDocument(const std::string& path) {
    m_documentList.InsertItem(0, path);
    SetListItemState(m_documentList.m_hWnd, 0, LVIS_SELECTED | LVIS_FOCUSED,
                     LVIS_SELECTED | LVIS_FOCUSED);
}

void ExtractFromMainWindow(const std::string& documentPath) {
    ProbedRecoveryDlg dialog([&](ProbedRecoveryDlg& shown) {
        shown.AddSelectedDocument(documentPath);
        shown.Command(IDC_EXTRACT_BUTTON);
    });
    dialog.DoModal();
}

CHoverButton& ProbedRecoveryDlg::HoverButton(int id) {
    switch (id) {
    case IDC_OPEN_BUTTON:
        return m_openButton;
    case IDC_EXTRACT_BUTTON:
        return m_extractButton;
    case IDC_OPTIONS_BUTTON:
        return m_optionsButton;
    case IDC_HELP_BUTTON:
        return m_helpButton;
    case IDOK:
        return m_exitButton;
    case IDC_DELETE_BUTTON:
        return m_deleteButton;
    case IDC_EMPTY_BUTTON:
        return m_emptyListButton;
    case IDC_SIDE_PANEL:
        return m_sidePanel;
    }
    throw std::invalid_argument("no hover button " + std::to_string(id));
}

// ---- Reading back ----------------------------------------------------------------

std::string ColumnCaption(HWND list, int column) {
    wchar_t caption[256] = {};
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT;
    info.pszText = caption;
    info.cchTextMax = static_cast<int>(std::size(caption));
    if (!SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                      reinterpret_cast<LPARAM>(&info)))
        return "<no column>";
    return Utf8FromWide(caption);
}

int ColumnWidth(HWND list, int column) {
    return static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

std::string TooltipText(CHoverButton& button) {
    return TooltipText(button.GetTooltip().m_hWnd, button.m_hWnd, 1);
}

namespace {

std::vector<DWORD> PictureBits(HBITMAP bitmap, BITMAP& info) {
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return {};
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> bits(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), bits.data(), &format,
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bits;
}

}  // namespace

bool SamePicture(HBITMAP first, HBITMAP second) {
    BITMAP firstInfo{};
    BITMAP secondInfo{};
    std::vector<DWORD> firstBits = PictureBits(first, firstInfo);
    std::vector<DWORD> secondBits = PictureBits(second, secondInfo);
    return !firstBits.empty() && firstInfo.bmWidth == secondInfo.bmWidth &&
           firstInfo.bmHeight == secondInfo.bmHeight && firstBits == secondBits;
}

HBITMAP LoadProgramBitmap(int id) {
    return static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0));
}

// ---- The program as a child process -------------------------------------------------

ChildProgram::ChildProgram() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = std::string("\"") + VELMO_PROGRAM + "\"";
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &m_process))
        m_process = PROCESS_INFORMATION{};
}

ChildProgram::~ChildProgram() {
    if (!m_process.hProcess) return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.hProcess, 0xDEAD);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

BOOL CALLBACK ChildProgram::Inspect(HWND window, LPARAM self) {
    auto* program = reinterpret_cast<ChildProgram*>(self);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != program->m_process.dwProcessId || !IsWindowVisible(window)) return TRUE;
    wchar_t className[16] = {};
    GetClassNameW(window, className, static_cast<int>(std::size(className)));
    if (wcscmp(className, L"#32770") != 0) return TRUE;

    WindowKind kind = WindowKind::Splash;
    if (GetDlgItem(window, kMessageTextId)) {
        kind = WindowKind::MessageBox;
    } else if (GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) {
        kind = WindowKind::MainWindow;
        program->m_mainWindow = window;
    }
    auto& seen = program->m_kindsSeen;
    if (std::find(seen.begin(), seen.end(), kind) == seen.end()) seen.push_back(kind);
    return TRUE;
}

void ChildProgram::LookAtWindows() {
    EnumWindows(&ChildProgram::Inspect, reinterpret_cast<LPARAM>(this));
}

bool ChildProgram::WaitForWindow(WindowKind kind, DWORD timeoutMs) {
    auto seen = [&] {
        return std::find(m_kindsSeen.begin(), m_kindsSeen.end(), kind) != m_kindsSeen.end();
    };
    return PumpUntil(
               [&] {
                   LookAtWindows();
                   return seen() || WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0;
               },
               timeoutMs) &&
           seen();
}

HWND ChildProgram::WaitForMainWindow(DWORD timeoutMs) {
    PumpUntil(
        [&] {
            LookAtWindows();
            return m_mainWindow != nullptr ||
                   WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0;
        },
        timeoutMs);
    return m_mainWindow;
}

bool ChildProgram::WaitForExit(DWORD& exitCode, DWORD timeoutMs) {
    bool ended = PumpUntil(
        [&] {
            LookAtWindows();
            return WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0;
        },
        timeoutMs);
    return ended && GetExitCodeProcess(m_process.hProcess, &exitCode);
}
