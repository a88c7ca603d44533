// Helpers for in-process GUI tests: pumping, dropping files, reading pixels,
// temporary folders, and running the real program as a child process.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class MessageBoxWatcher;

// Processes this thread's messages for `milliseconds` (each one offered to the
// framework's PreTranslateMessage chain first, as the modal loops do).
void PumpMessages(DWORD milliseconds);
// Processes what is queued now, then returns.
void PumpPending();
// Pumps until done() is true (checked between messages); false on timeout.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// How the shell spells the paths of a drop: UTF-16 (fWide), as it does today,
// or in the ANSI code page, as older shells and programs do.
enum class DropEncoding { Wide, Ansi };

// Sends a real WM_DROPFILES to `target` with a hand-built drop handle listing the
// UTF-8 paths; the receiver frees it with DragFinish, as from the shell.
LRESULT SendDropFiles(HWND target, const std::vector<std::string>& utf8Paths,
                      POINT point = POINT{10, 10}, DropEncoding encoding = DropEncoding::Wide);

// The client area of a window as painted now (pending paints are done first).
class WindowPixels {
public:
    static WindowPixels Capture(HWND window);
    // As the screen shows it at this moment, without asking for a paint.
    static WindowPixels AsShown(HWND window);
    bool operator==(const WindowPixels& other) const {
        return m_width == other.m_width && m_height == other.m_height && m_pixels == other.m_pixels;
    }
    COLORREF At(int x, int y) const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // How many pixels of the rectangle have exactly this colour.
    int CountColor(const RECT& area, COLORREF color) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_pixels;
};

// A fresh folder under the temporary directory, removed with its contents.
class TempFolder {
public:
    explicit TempFolder(const std::string& prefix = "velmo-test");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The path in the ANSI code page, for the A functions.
    std::string Ansi() const;
    // The path in UTF-8, as the program holds paths.
    std::string Utf8() const;
    // Writes a file (binary) in the folder; returns its path.
    std::filesystem::path WriteFile(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

struct ProcessResult {
    bool started = false;
    bool finished = false;  // false: timed out and was terminated
    DWORD exitCode = 0;
};

// Runs a program and waits for it (pumping this thread's messages meanwhile). When
// `watcher` is given it is pointed at the child's message boxes.
ProcessResult RunProcess(const std::string& commandLine, DWORD timeoutMs,
                         MessageBoxWatcher* watcher = nullptr,
                         const std::string& workingDirectory = "");
