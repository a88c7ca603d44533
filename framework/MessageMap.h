// Message tables: each window class routes its messages, commands and reflected
// notifications to handler member functions through a static constant table.
//
//   // .h, inside the class:            // .cpp:
//   DECLARE_MESSAGE_MAP()                 BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//                                             ON_WM_PAINT()
//                                             ON_BN_CLICKED(IDC_GO, OnGo)
//                                         END_MESSAGE_MAP()
//
// Each entry holds a non-capturing lambda, turned into a plain function pointer,
// that casts the window object to the class of the table and calls the handler with
// the message's arguments cracked. The lambda is written inside the class's own
// table function, so it may call private handlers. Lookup runs through the class's
// table, then its base classes' tables; a message nobody handles goes to Default().
// A handler that also wants the default processing calls Default() itself.
//
// An entry's kind says which messages it takes: a window message (ON_WM_xxx,
// ON_MESSAGE), a command, a control's notification, or a message the parent
// received about this window and reflected to it (xxx_REFLECT).
#pragma once

#include <windows.h>

#include "framework/CDC.h"
#include "framework/Geometry.h"

class CWnd;

namespace afx {

// Returns true when it handled the message and stored the result.
using MsgHandler = bool (*)(CWnd* wnd, WPARAM wParam, LPARAM lParam, LRESULT* result);

enum class EntryKind : UINT {
    Message,       // the window's own message, whatever its code and identifier
    Command,       // WM_COMMAND from a menu item or an accelerator, by identifier
    Notification,  // WM_COMMAND or WM_NOTIFY from a child control, by code and identifier
    Reflected,     // a message the parent received about this window (by code)
};

struct MsgMapEntry {
    UINT message;  // window message
    EntryKind kind;
    UINT code;     // notification code of Notification and Reflected entries
    UINT firstId;  // command or control identifiers covered, inclusive
    UINT lastId;
    MsgHandler handler;  // null ends the table
};

struct MsgMap {
    const MsgMap* (*base)();  // the base class's table, null for CWnd
    const MsgMapEntry* entries;
};

// A parent offers WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM and
// WM_CTLCOLORxxx to the Reflected entries of the child they concern first. The
// reflected WM_CTLCOLORxxx all arrive as kCtlColor, with the CTLCOLOR_xxx kind in
// lParam: the old 16-bit WM_CTLCOLOR number, which no window receives any more.
constexpr UINT kCtlColor = 0x0019;

}  // namespace afx

// The tables are laid out by hand: each macro reads as the code it expands to.
// clang-format off

// ---- Declaring and defining a table -------------------------------------------------

// Leaves the access at protected, like the framework it stands in for.
#define DECLARE_MESSAGE_MAP() \
protected: \
    static const ::afx::MsgMap* GetThisMessageMap(); \
    const ::afx::MsgMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const ::afx::MsgMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const ::afx::MsgMap* theClass::GetThisMessageMap() { \
        using ThisClass [[maybe_unused]] = theClass; \
        using TheBaseClass = baseClass; \
        static const ::afx::MsgMapEntry s_entries[] = {

#define END_MESSAGE_MAP() \
            {0, ::afx::EntryKind::Message, 0, 0, 0, nullptr} \
        }; \
        static const ::afx::MsgMap s_map = {&TheBaseClass::GetThisMessageMap, s_entries}; \
        return &s_map; \
    }

// ---- Entries ---------------------------------------------------------------------------
// Internal helper: an entry whose lambda runs `body` with `self` the typed object.
#define AFX_KIND_ENTRY(msg, kind, code, first, last, body) \
    {msg, ::afx::EntryKind::kind, code, first, last, \
     [](CWnd* wnd_, WPARAM wParam_, LPARAM lParam_, LRESULT* result_) -> bool { \
         auto* self = static_cast<ThisClass*>(wnd_); \
         (void)self; (void)wParam_; (void)lParam_; (void)result_; \
         body \
     }},
#define AFX_ENTRY(msg, body) AFX_KIND_ENTRY(msg, Message, 0, 0, 0, body)
#define AFX_REFLECTED_ENTRY(msg, code, body) AFX_KIND_ENTRY(msg, Reflected, code, 0, 0, body)

// Window messages. Handler signatures are given beside each macro.
#define ON_WM_PAINT() /* void OnPaint() */ \
    AFX_ENTRY(WM_PAINT, self->OnPaint(); *result_ = 0; return true;)
#define ON_WM_TIMER() /* void OnTimer(UINT_PTR id) */ \
    AFX_ENTRY(WM_TIMER, self->OnTimer(static_cast<UINT_PTR>(wParam_)); *result_ = 0; return true;)
#define ON_WM_MOUSEMOVE() /* void OnMouseMove(UINT flags, CPoint point) */ \
    AFX_ENTRY(WM_MOUSEMOVE, \
        self->OnMouseMove(static_cast<UINT>(wParam_), CPoint::FromLParam(lParam_)); *result_ = 0; return true;)
#define ON_WM_MOUSELEAVE() /* void OnMouseLeave() */ \
    AFX_ENTRY(WM_MOUSELEAVE, self->OnMouseLeave(); *result_ = 0; return true;)
#define ON_WM_MOUSEHOVER() /* void OnMouseHover(UINT flags, CPoint point) */ \
    AFX_ENTRY(WM_MOUSEHOVER, \
        self->OnMouseHover(static_cast<UINT>(wParam_), CPoint::FromLParam(lParam_)); *result_ = 0; return true;)
#define ON_WM_LBUTTONDOWN() /* void OnLButtonDown(UINT flags, CPoint point) */ \
    AFX_ENTRY(WM_LBUTTONDOWN, \
        self->OnLButtonDown(static_cast<UINT>(wParam_), CPoint::FromLParam(lParam_)); *result_ = 0; return true;)
// The handler's BOOL is the message result (TRUE: cursor set, stop).
#define ON_WM_SETCURSOR() /* BOOL OnSetCursor(HWND wnd, UINT hitTest, UINT message) */ \
    AFX_ENTRY(WM_SETCURSOR, \
        *result_ = self->OnSetCursor(reinterpret_cast<HWND>(wParam_), LOWORD(lParam_), HIWORD(lParam_)); return true;)
// The handler's BOOL is the message result (TRUE: background erased).
#define ON_WM_ERASEBKGND() /* BOOL OnEraseBkgnd(CDC* dc) */ \
    AFX_ENTRY(WM_ERASEBKGND, \
        CDC dc_(reinterpret_cast<HDC>(wParam_)); *result_ = self->OnEraseBkgnd(&dc_); return true;)
#define ON_WM_DESTROY() /* void OnDestroy() */ \
    AFX_ENTRY(WM_DESTROY, self->OnDestroy(); *result_ = 0; return true;)
// The handler's int is the message result (0 to go on, -1 to fail the creation).
// Only windows of the framework's own classes see it (see CWnd.h, Binding).
#define ON_WM_CREATE() /* int OnCreate(LPCREATESTRUCTW cs) */ \
    AFX_ENTRY(WM_CREATE, \
        *result_ = self->OnCreate(reinterpret_cast<LPCREATESTRUCTW>(lParam_)); return true;)
#define ON_WM_CLOSE() /* void OnClose() */ \
    AFX_ENTRY(WM_CLOSE, self->OnClose(); *result_ = 0; return true;)
#define ON_WM_SYSCOMMAND() /* void OnSysCommand(UINT id, LPARAM lParam) */ \
    AFX_ENTRY(WM_SYSCOMMAND, \
        self->OnSysCommand(static_cast<UINT>(wParam_), lParam_); *result_ = 0; return true;)
#define ON_WM_QUERYDRAGICON() /* HCURSOR OnQueryDragIcon() */ \
    AFX_ENTRY(WM_QUERYDRAGICON, \
        *result_ = reinterpret_cast<LRESULT>(self->OnQueryDragIcon()); return true;)
#define ON_WM_DROPFILES() /* void OnDropFiles(HDROP drop) */ \
    AFX_ENTRY(WM_DROPFILES, \
        self->OnDropFiles(reinterpret_cast<HDROP>(wParam_)); *result_ = 0; return true;)
#define ON_WM_KEYDOWN() /* void OnKeyDown(UINT key, UINT repeat, UINT flags) */ \
    AFX_ENTRY(WM_KEYDOWN, \
        self->OnKeyDown(static_cast<UINT>(wParam_), LOWORD(lParam_), HIWORD(lParam_)); *result_ = 0; return true;)
#define ON_WM_SYSKEYDOWN() /* void OnSysKeyDown(UINT key, UINT repeat, UINT flags) */ \
    AFX_ENTRY(WM_SYSKEYDOWN, \
        self->OnSysKeyDown(static_cast<UINT>(wParam_), LOWORD(lParam_), HIWORD(lParam_)); \
        *result_ = 0; return true;)
// `ch` is a UTF-16 code unit: every window of the framework is a Unicode window.
#define ON_WM_CHAR() /* void OnChar(UINT ch, UINT repeat, UINT flags) */ \
    AFX_ENTRY(WM_CHAR, \
        self->OnChar(static_cast<UINT>(wParam_), LOWORD(lParam_), HIWORD(lParam_)); *result_ = 0; return true;)
#define ON_WM_ACTIVATE() /* void OnActivate(UINT state, HWND other, BOOL minimized) */ \
    AFX_ENTRY(WM_ACTIVATE, \
        self->OnActivate(LOWORD(wParam_), reinterpret_cast<HWND>(lParam_), HIWORD(wParam_) != 0); \
        *result_ = 0; return true;)

#define ON_WM_SIZE() /* void OnSize(UINT type, int width, int height) */ \
    AFX_ENTRY(WM_SIZE, \
        self->OnSize(static_cast<UINT>(wParam_), LOWORD(lParam_), HIWORD(lParam_)); *result_ = 0; return true;)
#define ON_WM_GETMINMAXINFO() /* void OnGetMinMaxInfo(MINMAXINFO* info) */ \
    AFX_ENTRY(WM_GETMINMAXINFO, \
        self->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam_)); *result_ = 0; return true;)

// Any message, e.g. private WM_APP/WM_USER ones; for WM_COMMAND and WM_NOTIFY,
// every one of them whatever its code and identifier.
#define ON_MESSAGE(msg, fn) /* LRESULT fn(WPARAM, LPARAM) */ \
    AFX_ENTRY(msg, *result_ = self->fn(wParam_, lParam_); return true;)

// A look at every message of a kind before the entries after it: the handler
// returns true when it took the message (*result is then the answer), false to
// leave it to the rest of the table as if this entry were not there.
#define ON_MESSAGE_FILTER(msg, fn) /* bool fn(WPARAM, LPARAM, LRESULT* result) */ \
    AFX_ENTRY(msg, *result_ = 0; return self->fn(wParam_, lParam_, result_);)

// Commands (WM_COMMAND from menus, accelerators and buttons).
#define ON_COMMAND(id, fn) /* void fn() */ \
    AFX_KIND_ENTRY(WM_COMMAND, Command, 0, id, id, self->fn(); *result_ = 0; return true;)
#define ON_COMMAND_RANGE(firstId, lastId, fn) /* void fn(UINT id) */ \
    AFX_KIND_ENTRY(WM_COMMAND, Command, 0, firstId, lastId, \
        self->fn(LOWORD(wParam_)); *result_ = 0; return true;)
#define ON_CONTROL(code, id, fn) /* void fn() */ \
    AFX_KIND_ENTRY(WM_COMMAND, Notification, code, id, id, self->fn(); *result_ = 0; return true;)
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)

// WM_NOTIFY from child control `id`; *result is preset to 0 and is the message result.
#define ON_NOTIFY(code, id, fn) /* void fn(NMHDR* nm, LRESULT* result) */ \
    AFX_KIND_ENTRY(WM_NOTIFY, Notification, code, id, id, \
        *result_ = 0; self->fn(reinterpret_cast<NMHDR*>(lParam_), result_); return true;)

// Reflected: the control handles its own notification; the parent then does not see it.
#define ON_CONTROL_REFLECT(code, fn) /* void fn() */ \
    AFX_REFLECTED_ENTRY(WM_COMMAND, code, self->fn(); *result_ = 0; return true;)
#define ON_NOTIFY_REFLECT(code, fn) /* void fn(NMHDR* nm, LRESULT* result) */ \
    AFX_REFLECTED_ENTRY(WM_NOTIFY, code, \
        *result_ = 0; self->fn(reinterpret_cast<NMHDR*>(lParam_), result_); return true;)
// The parent answers TRUE: the item is drawn.
#define ON_WM_DRAWITEM_REFLECT() /* void DrawItem(LPDRAWITEMSTRUCT drawItem) */ \
    AFX_REFLECTED_ENTRY(WM_DRAWITEM, 0, \
        self->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam_)); *result_ = TRUE; return true;)
// Returning a null brush leaves the colour request to the parent.
#define ON_WM_CTLCOLOR_REFLECT() /* HBRUSH CtlColor(CDC* dc, UINT ctlColor) */ \
    AFX_REFLECTED_ENTRY(::afx::kCtlColor, 0, \
        CDC dc_(reinterpret_cast<HDC>(wParam_)); \
        HBRUSH brush_ = self->CtlColor(&dc_, static_cast<UINT>(lParam_)); \
        *result_ = reinterpret_cast<LRESULT>(brush_); return brush_ != nullptr;)

// clang-format on
