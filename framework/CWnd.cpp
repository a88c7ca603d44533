// CWnd: binding objects to windows and routing their messages; see CWnd.h.
#include "framework/CWnd.h"

#include <commctrl.h>

#include "framework/Module.h"
#include "framework/Text.h"

namespace {

constexpr UINT_PTR kSubclassId = 0x564C4D4F;

bool IsCtlColorMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

const wchar_t CWnd::kDefaultClass[] = L"VelmoWnd";

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
    // The reference data of another process's window is an address in that process.
    DWORD processId = 0;
    GetWindowThreadProcessId(hWnd, &processId);
    if (processId != GetCurrentProcessId()) return nullptr;
    DWORD_PTR object = 0;
    if (!GetWindowSubclass(hWnd, &CWnd::SubclassProc, kSubclassId, &object)) return nullptr;
    return reinterpret_cast<CWnd*>(object);
}

void CWnd::BindWindow(HWND hWnd) {
    m_hWnd = hWnd;
    SetWindowSubclass(hWnd, &CWnd::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void CWnd::UnbindWindow() {
    RemoveWindowSubclass(m_hWnd, &CWnd::SubclassProc, kSubclassId);
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

// The creation parameter of a window of these classes is its object (or null).
LRESULT CALLBACK CWnd::ClassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* wnd = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (wnd && !wnd->m_hWnd) {
            // WM_NCCREATE goes through the table like every later message; what
            // the table leaves comes back here, already bound, for DefWindowProcW.
            wnd->BindWindow(hWnd);
            return wnd->Dispatch(hWnd, message, wParam, lParam);
        }
    }
    return DefWindowProcW(hWnd, message, wParam, lParam);
}

bool CWnd::IsOwnClass(const wchar_t* className) {
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    return className && GetClassInfoExW(AfxGetInstanceHandle(), className, &info) &&
           info.lpfnWndProc == &CWnd::ClassProc;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTW& cs) {
    if (cs.lpszClass) return TRUE;
    WNDCLASSW existing;
    if (!GetClassInfoW(AfxGetInstanceHandle(), kDefaultClass, &existing)) {
        WNDCLASSW wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &CWnd::ClassProc;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kDefaultClass;
        if (!RegisterClassW(&wc)) return FALSE;
    }
    cs.lpszClass = kDefaultClass;
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId) {
    if (m_hWnd) return FALSE;
    AfxInitCommonControls();
    const std::wstring wideClass = Widen(className);
    const std::wstring wideName = Widen(windowName);
    CREATESTRUCTW cs{};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className ? wideClass.c_str() : nullptr;
    cs.lpszName = windowName ? wideName.c_str() : nullptr;
    cs.style = static_cast<LONG>(style);
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.hwndParent = parent;
    cs.hMenu = menuOrId;
    cs.hInstance = AfxGetInstanceHandle();
    if (!PreCreateWindow(cs)) return FALSE;

    const bool ownClass = IsOwnClass(cs.lpszClass);
    HWND hWnd = CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                cs.hwndParent, cs.hMenu, cs.hInstance, ownClass ? this : nullptr);
    if (hWnd && !ownClass) BindWindow(hWnd);  // a control: bound once it exists
    return hWnd != nullptr;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    parent ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

void CWnd::PostNcDestroy() {}

// ---- Message processing -------------------------------------------------------------

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR refData) {
    return reinterpret_cast<CWnd*>(refData)->Dispatch(hWnd, message, wParam, lParam);
}

LRESULT CWnd::Dispatch(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CurrentMessage saved = m_current;
    m_current = {message, wParam, lParam};
    LRESULT result = RouteMessage(message, wParam, lParam);
    m_current = saved;
    if (message == WM_NCDESTROY && m_hWnd == hWnd) {
        UnbindWindow();
        PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ReflectToChild(message, wParam, lParam, &result)) return result;
    UINT code = 0;
    UINT id = 0;
    if (message == WM_COMMAND) {
        code = HIWORD(wParam);
        id = LOWORD(wParam);
    } else if (message == WM_NOTIFY && lParam) {
        code = reinterpret_cast<NMHDR*>(lParam)->code;
        id = static_cast<UINT>(reinterpret_cast<NMHDR*>(lParam)->idFrom);
    }
    if (FindEntry(false, message, code, id, wParam, lParam, &result)) return result;
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

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
    return childObject && childObject->TakeReflected(message, wParam, lParam, result);
}

// True when one of the child's reflected entries took its parent's message;
// *result is then the parent's answer.
BOOL CWnd::TakeReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (IsCtlColorMessage(message)) {
        return FindEntry(true, afx::kCtlColor, 0, 0, wParam,
                         static_cast<LPARAM>(message - WM_CTLCOLORMSGBOX), result);
    }
    UINT code = 0;
    if (message == WM_COMMAND) code = HIWORD(wParam);
    if (message == WM_NOTIFY) code = reinterpret_cast<NMHDR*>(lParam)->code;
    return FindEntry(true, message, code, 0, wParam, lParam, result);
}

// Whether an entry takes the message: reflected ones only from the parent, the
// others only as the window's own.
static bool EntryTakes(const afx::MsgMapEntry& entry, bool reflected, UINT code, UINT id) {
    const bool inRange = id >= entry.firstId && id <= entry.lastId;
    switch (entry.kind) {
    case afx::EntryKind::Message:
        return !reflected;
    case afx::EntryKind::Command:  // menu items send code 0, accelerators 1
        return !reflected && (code == 0 || code == 1) && inRange;
    case afx::EntryKind::Notification:
        return !reflected && code == entry.code && inRange;
    case afx::EntryKind::Reflected:
        return reflected && code == entry.code;
    }
    return false;
}

BOOL CWnd::FindEntry(bool reflected, UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam,
                     LRESULT* result) {
    for (const afx::MsgMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
        for (const afx::MsgMapEntry* entry = map->entries; entry->handler; ++entry) {
            if (entry->message != message || !EntryTakes(*entry, reflected, code, id)) continue;
            if (entry->handler(this, wParam, lParam, result)) return TRUE;
        }
    }
    return FALSE;
}

const afx::MsgMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

const afx::MsgMap* CWnd::GetThisMessageMap() {
    static const afx::MsgMapEntry entries[] = {{0, afx::EntryKind::Message, 0, 0, 0, nullptr}};
    static const afx::MsgMap map = {nullptr, entries};
    return &map;
}
