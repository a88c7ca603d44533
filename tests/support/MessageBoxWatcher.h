// Answers the real message boxes of the code under test, from a thread of its own.
//
//   MessageBoxWatcher watcher({IDYES, IDOK});   // answers, in order
//   dialog.OnDeleteFile();                      // shows two boxes, returns when answered
//   ASSERT_TRUE(watcher.WaitForBoxes(2));
//   EXPECT_EQ(watcher.Boxes()[0].text, "Delete the file?");
//   EXPECT_TRUE(watcher.Problems().empty());
//
// A box is a visible "#32770" window that carries a message text (control 0xFFFF)
// and is not one of the framework's own dialogs. A box with no answer left, or
// without the button to press, is still closed (Cancel, else OK / No) so the test
// cannot hang, and the mishap is listed in Problems().
#pragma once

#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

struct SeenMessageBox {
    std::string caption;  // UTF-8
    std::string text;     // UTF-8
    UINT iconStyle;       // MB_ICONxxx read from the box's icon, 0 when none is known
    int pressed;          // the button pressed to close it
};

class MessageBoxWatcher {
public:
    // Watches the boxes of one thread of this process (default: the calling thread,
    // the UI thread of an in-process test).
    explicit MessageBoxWatcher(std::vector<int> answers = {},
                               DWORD uiThreadId = GetCurrentThreadId());
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // Watches the boxes of every thread of another process instead (a child
    // program started by RunProcess).
    void WatchProcess(DWORD processId);
    void AddAnswer(int button);

    // Waits (without pumping) until `count` boxes were closed; false on timeout.
    bool WaitForBoxes(size_t count, DWORD timeoutMs = 10000) const;
    size_t Count() const;
    std::vector<SeenMessageBox> Boxes() const;
    std::vector<std::string> Problems() const;

private:
    void Run();
    void Scan();
    void Answer(HWND box);
    static BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM context);

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::vector<int> m_answers;
    std::vector<SeenMessageBox> m_boxes;
    std::vector<std::string> m_problems;
    std::set<HWND> m_answered;
    DWORD m_threadId;
    DWORD m_processId = 0;  // non-zero: watch this process instead of the thread
    bool m_stop = false;
    std::thread m_thread;
};
