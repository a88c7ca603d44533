// CWnd: binding objects to windows and routing their messages; see CWnd.h.
#include "framework/CWnd.h"

#include <commctrl.h>

#include <vector>

#include "framework/CWinApp.h"
#include "framework/Text.h"

namespace {

constexpr UINT_PTR kSubclassId = 0x564C4D4F;
// The property lets any code (and test programs watching from outside) tell a
// window of ours from a foreign one.
const wchar_t kObjectProperty[] = L"VelmoWndObject";
const char kDefaultClassName[] = "VelmoWnd";

// The object that CreateEx or a dialog creation is about to give a window.
thread_local CWnd* t_pendingObject = nullptr;

bool IsCtlColorMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

void RegisterDefaultClass() {
    WNDCLASSA existing;
    if (GetClassInfoA(AfxGetInstanceHandle(), kDefaultClassName, &existing)) return;
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kDefaultClassName;
    RegisterClassA(&wc);
}

}  // namespace

// Binds the object at HCBT_CREATEWND, before WM_NCCREATE, so the object's table
// sees WM_NCCREATE and WM_CREATE (a class procedure could not do this for system
// classes such as the toolbar or dialogs).
CWnd::CreationBinding::CreationBinding(CWnd* wnd) : m_previous(t_pendingObject) {
    t_pendingObject = wnd;
    m_hook = SetWindowsHookExW(WH_CBT, &CreationBinding::HookProc, nullptr, GetCurrentThreadId());
}

CWnd::CreationBinding::~CreationBinding() {
    if (m_hook) UnhookWindowsHookEx(m_hook);
    t_pendingObject = m_previous;
}

LRESULT CALLBACK CWnd::CreationBinding::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_pendingObject) {
        CWnd* wnd = t_pendingObject;
        t_pendingObject = nullptr;  // only the first window: its children come later
        wnd->BindWindow(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void AfxInitCommonControls() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_BAR_CLASSES |
                                                  ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)done;
}

// ---- Runtime class ------------------------------------------------------------------

const CRuntimeClass CWnd::classCWnd = {"CWnd", nullptr};

const CRuntimeClass* CWnd::GetRuntimeClass() const { return &classCWnd; }

bool CWnd::IsKindOf(const CRuntimeClass* runtimeClass) const {
    return GetRuntimeClass()->IsDerivedFrom(runtimeClass);
}

bool CWnd::IsKindOf(const char* className) const {
    return GetRuntimeClass()->IsDerivedFrom(className);
}

bool CWnd::IsWindowOfClass(HWND hWnd, const char* className) {
    CWnd* wnd = FromHandlePermanent(hWnd);
    return wnd && wnd->IsKindOf(className);
}

// ---- Binding ------------------------------------------------------------------------

CWnd::CWnd() = default;

CWnd::~CWnd() {
    HWND hWnd = UnsubclassWindow();
    if (hWnd && IsWindow(hWnd)) ::DestroyWindow(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    if (!hWnd) return nullptr;
    // The property of another process's window is an address in that process.
    DWORD processId = 0;
    GetWindowThreadProcessId(hWnd, &processId);
    if (processId != GetCurrentProcessId()) return nullptr;
    return static_cast<CWnd*>(GetPropW(hWnd, kObjectProperty));
}

void CWnd::BindWindow(HWND hWnd) {
    m_hWnd = hWnd;
    SetPropW(hWnd, kObjectProperty, this);
    SetWindowSubclass(hWnd, &CWnd::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void CWnd::UnbindWindow() {
    RemoveWindowSubclass(m_hWnd, &CWnd::SubclassProc, kSubclassId);
    RemovePropW(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (m_hWnd || !hWnd || !IsWindow(hWnd) || FromHandlePermanent(hWnd)) return FALSE;
    m_hWnd = hWnd;
    PreSubclassWindow();
    BindWindow(hWnd);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (!parent || !parent->m_hWnd) return FALSE;
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    HWND hWnd = m_hWnd;
    if (hWnd) UnbindWindow();
    return hWnd;
}

void CWnd::PreSubclassWindow() {}

// ---- Creation -----------------------------------------------------------------------

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!cs.lpszClass) {
        RegisterDefaultClass();
        cs.lpszClass = kDefaultClassName;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId,
                    void* param) {
    if (m_hWnd) return FALSE;
    AfxInitCommonControls();
    CREATESTRUCTA cs{};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = static_cast<LONG>(style);
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.hwndParent = parent;
    cs.hMenu = menuOrId;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = param;
    if (!PreCreateWindow(cs)) return FALSE;

    CreationBinding binding(this);
    HWND hWnd = CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (hWnd && m_hWnd != hWnd) BindWindow(hWnd);  // the hook is the rule; this is a safety net
    return hWnd != nullptr;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id, void* param) {
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    parent ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

void CWnd::PostNcDestroy() {}

// ---- Message processing -------------------------------------------------------------

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR refData) {
    return reinterpret_cast<CWnd*>(refData)->Dispatch(hWnd, message, wParam, lParam);
}

LRESULT CWnd::Dispatch(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CurrentMessage saved = m_current;
    m_current = {message, wParam, lParam};
    LRESULT result = WindowProc(message, wParam, lParam);
    m_current = saved;
    if (message == WM_NCDESTROY && m_hWnd == hWnd) {
        UnbindWindow();
        PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result)) return result;
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (ReflectToChild(message, wParam, lParam, result)) return TRUE;
    if (message == WM_COMMAND) {
        return FindEntry(WM_COMMAND, HIWORD(wParam), LOWORD(wParam), wParam, lParam, result);
    }
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (!header) return FALSE;
        return FindEntry(WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom), wParam,
                         lParam, result);
    }
    return FindEntry(message, 0, 0, wParam, lParam, result);
}

// The child a parent's message is about, for the messages that are reflected.
static HWND ChildConcerned(HWND parent, UINT message, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        return reinterpret_cast<HWND>(lParam);  // null for menus and accelerators
    case WM_NOTIFY:
        return lParam ? reinterpret_cast<NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_DRAWITEM: {
        auto* drawItem = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        return drawItem && drawItem->CtlType != ODT_MENU ? drawItem->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        auto* measureItem = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        return measureItem && measureItem->CtlType != ODT_MENU
                   ? ::GetDlgItem(parent, static_cast<int>(measureItem->CtlID))
                   : nullptr;
    }
    default:
        return IsCtlColorMessage(message) ? reinterpret_cast<HWND>(lParam) : nullptr;
    }
}

BOOL CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    HWND child = ChildConcerned(m_hWnd, message, lParam);
    if (!child || child == m_hWnd) return FALSE;
    CWnd* childObject = FromHandlePermanent(child);
    return childObject && childObject->OnChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    using afx::kReflectBase;
    if (IsCtlColorMessage(message)) {
        return FindEntry(kReflectBase + afx::kCtlColor, 0, 0, wParam,
                         static_cast<LPARAM>(message - WM_CTLCOLORMSGBOX), result);
    }
    if (message == WM_COMMAND) {
        return FindEntry(kReflectBase + WM_COMMAND, HIWORD(wParam), 0, wParam, lParam, result);
    }
    if (message == WM_NOTIFY) {
        return FindEntry(kReflectBase + WM_NOTIFY, reinterpret_cast<NMHDR*>(lParam)->code, 0,
                         wParam, lParam, result);
    }
    return FindEntry(kReflectBase + message, 0, 0, wParam, lParam, result);
}

// Whether an entry's notification code matches the message's.
static bool CodeMatches(UINT entryCode, UINT code) {
    if (entryCode == afx::kCommandCode) return code == 0 || code == 1;
    return entryCode == code;
}

BOOL CWnd::FindEntry(UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam,
                     LRESULT* result) {
    using afx::kReflectBase;
    const bool hasCode = message == WM_COMMAND || message == WM_NOTIFY ||
                         message == kReflectBase + WM_COMMAND ||
                         message == kReflectBase + WM_NOTIFY;
    const bool hasId = message == WM_COMMAND || message == WM_NOTIFY;
    for (const afx::MsgMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
        for (const afx::MsgMapEntry* entry = map->entries; entry->handler; ++entry) {
            if (entry->message != message) continue;
            if (hasCode && !CodeMatches(entry->code, code)) continue;
            if (hasId && (id < entry->firstId || id > entry->lastId)) continue;
            if (entry->handler(this, wParam, lParam, result)) return TRUE;
        }
    }
    return FALSE;
}

const afx::MsgMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

const afx::MsgMap* CWnd::GetThisMessageMap() {
    static const afx::MsgMapEntry entries[] = {{0, 0, 0, 0, nullptr}};
    static const afx::MsgMap map = {nullptr, entries};
    return &map;
}
