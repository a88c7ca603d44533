// GUI test helpers; see GuiTestHelpers.h.
#include "tests/support/GuiTestHelpers.h"

#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <fstream>

#include "framework/CWnd.h"
#include "framework/Text.h"
#include "tests/support/MessageBoxWatcher.h"

namespace {

void DispatchOne(MSG& msg) {
    if (CWnd::WalkPreTranslateTree(nullptr, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

// Processes queued messages; false when WM_QUIT came (it is posted again).
bool DrainQueue() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        DispatchOne(msg);
    }
    return true;
}

}  // namespace

void PumpPending() { DrainQueue(); }

void PumpMessages(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (!DrainQueue()) return done();
        if (done()) return true;
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(timeoutMs - elapsed, 10),
                                  QS_ALLINPUT);
    }
}

LRESULT SendDropFiles(HWND target, const std::vector<std::string>& utf8Paths, POINT point,
                      DropEncoding encoding) {
    // Each path and the end of the list carry a terminator.
    std::vector<std::wstring> widePaths;
    std::vector<std::string> ansiPaths;
    size_t size = sizeof(DROPFILES);
    for (const std::string& path : utf8Paths) {
        if (encoding == DropEncoding::Wide) {
            widePaths.push_back(Widen(path));
            size += (widePaths.back().size() + 1) * sizeof(wchar_t);
        } else {
            ansiPaths.push_back(AnsiFromUtf8(path));
            size += ansiPaths.back().size() + 1;
        }
    }
    size += encoding == DropEncoding::Wide ? sizeof(wchar_t) : 1;
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = point;
    drop->fNC = FALSE;
    drop->fWide = encoding == DropEncoding::Wide;
    char* cursor = reinterpret_cast<char*>(drop) + sizeof(DROPFILES);
    for (const std::wstring& path : widePaths) {
        const size_t bytes = (path.size() + 1) * sizeof(wchar_t);
        std::memcpy(cursor, path.c_str(), bytes);
        cursor += bytes;
    }
    for (const std::string& path : ansiPaths) {
        std::memcpy(cursor, path.c_str(), path.size() + 1);
        cursor += path.size() + 1;
    }
    GlobalUnlock(memory);
    return SendMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

// ---- Pixels ---------------------------------------------------------------------------

WindowPixels WindowPixels::Capture(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
    PumpPending();
    return AsShown(window);
}

WindowPixels WindowPixels::AsShown(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    WindowPixels pixels;
    pixels.m_width = client.right;
    pixels.m_height = client.bottom;
    if (pixels.m_width <= 0 || pixels.m_height <= 0) return pixels;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = pixels.m_width;
    info.bmiHeader.biHeight = -pixels.m_height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC windowDC = GetDC(window);
    HBITMAP section = CreateDIBSection(windowDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memoryDC = CreateCompatibleDC(windowDC);
    HGDIOBJ previous = SelectObject(memoryDC, section);
    BitBlt(memoryDC, 0, 0, pixels.m_width, pixels.m_height, windowDC, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* rows = static_cast<const DWORD*>(bits);
    pixels.m_pixels.resize(static_cast<size_t>(pixels.m_width) * pixels.m_height);
    for (size_t i = 0; i < pixels.m_pixels.size(); ++i) {
        DWORD bgr = rows[i];  // 0x00RRGGBB in a DIB; COLORREF is 0x00BBGGRR
        pixels.m_pixels[i] = RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
    SelectObject(memoryDC, previous);
    DeleteObject(section);
    DeleteDC(memoryDC);
    ReleaseDC(window, windowDC);
    return pixels;
}

COLORREF WindowPixels::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
    return m_pixels[static_cast<size_t>(y) * m_width + x];
}

int WindowPixels::CountColor(const RECT& area, COLORREF color) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) count += At(x, y) == color;
    }
    return count;
}

// ---- Temporary folder -------------------------------------------------------------------

TempFolder::TempFolder(const std::string& prefix) {
    static std::atomic<int> counter{0};
    std::string name = prefix + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(GetTickCount()) + "-" + std::to_string(++counter);
    m_path = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempFolder::Ansi() const { return AnsiFromWide(m_path.wstring()); }

std::string TempFolder::Utf8() const { return Utf8FromWide(m_path.wstring()); }

std::filesystem::path TempFolder::WriteFile(const std::string& name,
                                            const std::string& bytes) const {
    std::filesystem::path file = m_path / name;
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

// ---- Child process ----------------------------------------------------------------------

ProcessResult RunProcess(const std::string& commandLine, DWORD timeoutMs,
                         MessageBoxWatcher* watcher, const std::string& workingDirectory) {
    ProcessResult result;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::string mutableLine = commandLine;  // CreateProcessA may write into it
    if (!CreateProcessA(nullptr, &mutableLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup,
                        &process)) {
        return result;
    }
    result.started = true;
    if (watcher) watcher->WatchProcess(process.dwProcessId);

    const DWORD start = GetTickCount();
    for (;;) {
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) break;
        DWORD wait = MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, timeoutMs - elapsed,
                                               QS_ALLINPUT);
        if (wait == WAIT_OBJECT_0) {
            result.finished = true;
            break;
        }
        DrainQueue();
    }
    if (result.finished) {
        GetExitCodeProcess(process.hProcess, &result.exitCode);
    } else {
        TerminateProcess(process.hProcess, 0xDEAD);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}
