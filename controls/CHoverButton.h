// CHoverButton: an owner-drawn push button showing one of three pictures cut from
// a strip bitmap (normal, pressed, pointer over it) and carrying a tooltip. The
// dialog item must have BS_OWNERDRAW; the button does not set it. To the dialog
// manager it is a push button, so Enter presses it while it has the focus, and
// it shows the focus as standard buttons do when keyboard cues are on.
#pragma once

#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CToolTipCtrl.h"
#include "framework/Controls.h"

class CHoverButton : public CBitmapButton {
    DECLARE_DYNAMIC(CHoverButton)
public:
    CHoverButton() = default;
    ~CHoverButton() override;

    // Loads the strip bitmap (three pictures side by side) and sizes the button to
    // one picture, keeping its place. Call after the button is bound, before
    // SetTooltip. False (button unchanged) when the program has no such bitmap.
    bool LoadStrip(WORD bitmapId);
    // Null text does nothing. Otherwise registers the client rectangle as tool 1 the
    // first time, sets the tool's text and (de)activates the tooltip.
    void SetTooltip(const char* utf8Text, bool activate);

    BOOL PreTranslateMessage(MSG* msg) override;
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;

    // For the owner's tests and layout.
    bool IsHovering() const { return m_hover; }
    int GetFrameWidth() const { return m_frameWidth; }
    int GetFrameHeight() const { return m_frameHeight; }
    const CToolTipCtrl& GetTooltip() const { return m_tooltip; }

protected:
    void OnMouseMove(UINT flags, CPoint point);
    void OnMouseLeave();
    void OnMouseHover(UINT flags, CPoint point);
    // Called when the dialog manager asks what kind of control this is.
    LRESULT OnGetDlgCode(WPARAM, LPARAM);
    // Called when the dialog manager makes this the default button or takes
    // that away: the button stays owner-drawn either way.
    LRESULT OnSetStyle(WPARAM style, LPARAM redraw);
    // Called when keyboard cues are switched on or off.
    LRESULT OnUpdateUiState(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void CreateTooltipIfNeeded();
    bool ShowsFocusCue(UINT itemState) const;

    bool m_hover = false;
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    CBitmap m_strip;
    bool m_tracking = false;  // a hover-and-leave tracking request is outstanding
    bool m_default = false;   // the dialog's default button, which Enter presses
    CToolTipCtrl m_tooltip;
};
