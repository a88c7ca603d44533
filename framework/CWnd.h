// CWnd: a C++ object bound to one window. The framework routes the window's
// messages through the object's message table (see MessageMap.h).
//
// Binding: the object is the reference data of the framework's subclass of the
// window, and FromHandlePermanent reads it back. When it is bound depends on who
// makes the window:
//   - windows of the framework's own classes (CreateEx with no class name, or a
//     class registered from the default one): at WM_NCCREATE, from the creation
//     parameter, so the table sees WM_NCCREATE and WM_CREATE;
//   - dialogs: at WM_INITDIALOG, from the dialog's creation parameter;
//   - controls (any other class: dialog items, toolbars, tooltips): by
//     SubclassWindow / SubclassDlgItem, or by CreateEx right after creation.
// The binding ends by itself when the window is destroyed.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Geometry.h"
#include "framework/MessageMap.h"
#include "framework/RuntimeClass.h"

class CWnd {
public:
    CWnd();
    // Destroys a window still bound to the object (after letting go of it, so no
    // message reaches a half-destroyed object).
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // ---- Runtime class ----
    static const CRuntimeClass classCWnd;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* runtimeClass) const;
    bool IsKindOf(const char* className) const;
    // Whether the window is bound to an object of the named class (or one derived from
    // it), e.g. IsWindowOfClass(parent, "CBmpMenu").
    static bool IsWindowOfClass(HWND hWnd, const char* className);

    // ---- Binding ----
    // The object bound to a window, or null when none is.
    static CWnd* FromHandlePermanent(HWND hWnd);
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    // Lets go of the window without destroying it; returns it.
    HWND UnsubclassWindow();
    // Called when the object is bound by SubclassWindow/SubclassDlgItem (not for
    // windows the framework creates), before any message reaches the object.
    virtual void PreSubclassWindow();

    // ---- Creation and destruction ----
    // Called before the window is created; may change the class name, styles etc.
    // A null class name gets the framework's own registered class, kDefaultClass.
    virtual BOOL PreCreateWindow(CREATESTRUCTW& cs);
    // Class and window name are UTF-8; the window is a Unicode window.
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x,
                  int y, int width, int height, HWND parent, HMENU menuOrId);
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id);
    // The framework's default window class. A class registered as a copy of it
    // (GetClassInfoW, new name, RegisterClassW) is one of the framework's own too.
    static const wchar_t kDefaultClass[];
    virtual BOOL DestroyWindow();
    // Called after the last message (WM_NCDESTROY), once the object has let go of the
    // window; an object that owns itself may delete itself here.
    virtual void PostNcDestroy();

    // ---- Message processing ----
    // Every message of the window goes to the table: first, for the messages a
    // parent reflects, to the reflected entries of the child it concerns; then to
    // the window's own entries; what no entry takes gets DefWindowProc.
    // The processing the window would get without the object.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // DefWindowProc for the message being handled right now.
    LRESULT Default();
    // Called by the modal loops for each message for this window or one of its
    // children before it is dispatched; true consumes it.
    virtual BOOL PreTranslateMessage(MSG* msg);

    // ---- Modal loop (any window; loops nest) ----
    // Runs until EndModalLoop, the window's destruction or WM_QUIT (re-posted, -1).
    // Each message goes to PreTranslateMessage of its window and of that window's
    // parents up to this one, then is translated and dispatched.
    int RunModalLoop();
    // Ending a loop that has not started yet makes the next RunModalLoop return at once.
    void EndModalLoop(int result);
    BOOL ContinueModal() const { return m_modalState == ModalState::Running; }
    // For work that runs on this thread between its own steps: runs the messages
    // waiting now as RunModalLoop would (up to this window in the
    // PreTranslateMessage walk) and returns once none is left, without waiting.
    // A WM_QUIT is posted again for the loop that owns it.
    void PumpWaitingMessages();
    // Offers the message to the objects of msg->hwnd and its parents, stopping after
    // `stop` (null: up to the top). True when one of them consumed it.
    static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);

    // ---- Window operations (thin; texts are UTF-8) ----
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }
    void SetWindowText(const char* utf8Text);
    std::string GetWindowText() const;
    // The bound object of the parent window, or null when it has none.
    CWnd* GetParent() const { return FromHandlePermanent(::GetParent(m_hWnd)); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    void ClientToScreen(POINT* point) const { ::ClientToScreen(m_hWnd, point); }
    void ClientToScreen(RECT* rect) const {
        ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(rect), 2);
    }
    void ScreenToClient(POINT* point) const { ::ScreenToClient(m_hWnd, point); }
    void ScreenToClient(RECT* rect) const {
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(rect), 2);
    }
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) {
        return ::SetWindowPos(m_hWnd, insertAfter, x, y, width, height, flags);
    }
    void MoveWindow(const RECT& rect, BOOL repaint = TRUE) {
        ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     repaint);
    }
    // Over the owner when it is shown, otherwise on the work area of the screen,
    // and kept inside that work area.
    void CenterWindow();
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE) {
        ::InvalidateRect(m_hWnd, rect, erase);
    }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE)); }
    // Changes the style bits; with swpFlags, lets the frame know (SetWindowPos).
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    void SetFont(HFONT font, BOOL redraw = TRUE) {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), MAKELPARAM(redraw, 0));
    }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    HICON SetIcon(HICON icon, BOOL big) {
        return reinterpret_cast<HICON>(
            SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
    }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) { return ::SetTimer(m_hWnd, id, elapse, nullptr); }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    // Message box owned by this window (MessageBoxW, so any language shows right).
    int MessageBox(const char* utf8Text, const char* utf8Caption = nullptr, UINT type = MB_OK);

protected:
    virtual const afx::MsgMap* GetMessageMap() const;
    static const afx::MsgMap* GetThisMessageMap();

    // Binds the window to the object and routes its messages from now on; the
    // one place a binding is made. CDialog binds at WM_INITDIALOG through it.
    void BindWindow(HWND hWnd);
    // Runs one message of the bound window through the table.
    LRESULT Dispatch(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    enum class ModalState { Idle, Running, Ended };

    void UnbindWindow();
    LRESULT RouteMessage(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL TakeReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL FindEntry(bool reflected, UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam,
                   LRESULT* result);
    // The window procedure of the framework's own classes: binds at WM_NCCREATE.
    static LRESULT CALLBACK ClassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR subclassId, DWORD_PTR refData);
    static bool IsOwnClass(const wchar_t* className);

    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    CurrentMessage m_current;
    ModalState m_modalState = ModalState::Idle;
    int m_modalResult = -1;
};

// Registers the common control classes once; the framework calls it before it
// creates windows, so tests need not.
void AfxInitCommonControls();
