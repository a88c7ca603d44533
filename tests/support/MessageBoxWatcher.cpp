// Message box watcher; see MessageBoxWatcher.h.
#include "tests/support/MessageBoxWatcher.h"

#include <chrono>
#include <utility>

#include "framework/CWnd.h"
#include "framework/Text.h"

namespace {

constexpr int kMessageTextId = 0xFFFF;

// Reads a window's text without sending it a message (its thread is busy in the
// box's own loop, or in another process).
std::string StoredText(HWND hWnd) {
    wchar_t buffer[4096];  // InternalGetWindowText truncates, it never overflows
    int length = InternalGetWindowText(hWnd, buffer, static_cast<int>(std::size(buffer)));
    return Utf8FromWide(std::wstring(buffer, static_cast<size_t>(length > 0 ? length : 0)));
}

bool IsMessageBox(HWND hWnd) {
    wchar_t className[16] = {};
    GetClassNameW(hWnd, className, static_cast<int>(std::size(className)));
    return wcscmp(className, L"#32770") == 0 && IsWindowVisible(hWnd) &&
           GetDlgItem(hWnd, kMessageTextId) && !CWnd::FromHandlePermanent(hWnd);
}

BOOL CALLBACK FindIcon(HWND child, LPARAM context) {
    wchar_t className[16] = {};
    GetClassNameW(child, className, static_cast<int>(std::size(className)));
    if (_wcsicmp(className, L"Static") != 0) return TRUE;
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) return TRUE;
    DWORD_PTR icon = 0;
    SendMessageTimeoutW(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 1000, &icon);
    *reinterpret_cast<HICON*>(context) = reinterpret_cast<HICON>(icon);
    return FALSE;
}

UINT IconStyle(HWND box) {
    HICON icon = nullptr;
    EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&icon));
    if (!icon) return 0;
    const std::pair<WORD, UINT> known[] = {{32513, MB_ICONHAND},  // IDI_HAND ...
                                           {32514, MB_ICONQUESTION},
                                           {32515, MB_ICONEXCLAMATION},
                                           {32516, MB_ICONASTERISK}};
    for (const auto& [id, style] : known) {
        if (LoadIconW(nullptr, MAKEINTRESOURCEW(id)) == icon) return style;
    }
    return 0;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(std::vector<int> answers, DWORD uiThreadId)
    : m_answers(std::move(answers)), m_threadId(uiThreadId) {
    m_thread = std::thread([this] { Run(); });
}

MessageBoxWatcher::~MessageBoxWatcher() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void MessageBoxWatcher::WatchProcess(DWORD processId) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_processId = processId;
}

void MessageBoxWatcher::AddAnswer(int button) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answers.push_back(button);
}

bool MessageBoxWatcher::WaitForBoxes(size_t count, DWORD timeoutMs) const {
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_boxes.size() >= count; });
}

size_t MessageBoxWatcher::Count() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_boxes.size();
}

std::vector<SeenMessageBox> MessageBoxWatcher::Boxes() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_boxes;
}

std::vector<std::string> MessageBoxWatcher::Problems() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_problems;
}

void MessageBoxWatcher::Run() {
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stop) {
        lock.unlock();
        Scan();
        lock.lock();
        m_changed.wait_for(lock, std::chrono::milliseconds(20), [&] { return m_stop; });
    }
}

struct ScanContext {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK MessageBoxWatcher::CollectWindow(HWND hWnd, LPARAM context) {
    auto* scan = reinterpret_cast<ScanContext*>(context);
    if (scan->processId) {
        DWORD processId = 0;
        GetWindowThreadProcessId(hWnd, &processId);
        if (processId != scan->processId) return TRUE;
    }
    if (IsMessageBox(hWnd)) scan->found.push_back(hWnd);
    return TRUE;
}

void MessageBoxWatcher::Scan() {
    ScanContext scan{};
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        scan.processId = m_processId;
        // Forget boxes that have gone, so a reused handle counts as a new box.
        for (auto it = m_answered.begin(); it != m_answered.end();) {
            it = IsWindow(*it) ? std::next(it) : m_answered.erase(it);
        }
    }
    if (scan.processId) {
        EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&scan));
    } else {
        EnumThreadWindows(m_threadId, CollectWindow, reinterpret_cast<LPARAM>(&scan));
    }
    for (HWND box : scan.found) Answer(box);
}

void MessageBoxWatcher::Answer(HWND box) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_answered.count(box)) return;
    }
    SeenMessageBox seen{StoredText(box), StoredText(GetDlgItem(box, kMessageTextId)),
                        IconStyle(box), 0};
    std::lock_guard<std::mutex> lock(m_mutex);
    int wanted = 0;
    if (m_answers.empty()) {
        m_problems.push_back("unexpected message box: \"" + seen.text + "\"");
    } else {
        wanted = m_answers.front();
        m_answers.erase(m_answers.begin());
    }
    int pressed = wanted;
    if (!wanted || !GetDlgItem(box, wanted)) {
        if (wanted) {
            m_problems.push_back("message box \"" + seen.text + "\" has no button " +
                                 std::to_string(wanted));
        }
        // Close it anyway, with the button that means "no" the most.
        for (int fallback : {IDCANCEL, IDNO, IDOK, IDABORT}) {
            if (GetDlgItem(box, fallback)) {
                pressed = fallback;
                break;
            }
        }
    }
    seen.pressed = pressed;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(pressed, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, pressed)));
    m_answered.insert(box);
    m_boxes.push_back(seen);
    m_changed.notify_all();
}
