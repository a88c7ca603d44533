// CSplashDlg.h - the picture shown for about a second while the program starts
#pragma once

#include "framework/CDialog.h"

class CSplashDlg : public CDialog {
public:
    explicit CSplashDlg(CWnd* owner);

    int TickCount() const { return m_tickCount; }

protected:
    BOOL OnInitDialog() override;
    void OnPaint();
    void OnTimer(UINT_PTR id);
    DECLARE_MESSAGE_MAP()

private:
    int m_tickCount = 0;
};
