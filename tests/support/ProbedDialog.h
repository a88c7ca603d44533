// ProbedDialog.h - a dialog of the program under test, run modally while the
// test acts on it as a user would
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

// Self is the test's class derived from this one, so the probe can use the
// helpers it adds. The probe runs once the modal loop is going, with the window
// shown; a window still open after the probe is cancelled.
template <class Dialog, class Self>
class ProbedDialog : public Dialog {
public:
    using Probe = std::function<void(Self&)>;

    template <class... DialogArguments>
    explicit ProbedDialog(Probe probe, DialogArguments&&... arguments)
        : Dialog(std::forward<DialogArguments>(arguments)...), m_probe(std::move(probe)) {}

    // The probe's message is taken before it is dispatched, so no message
    // table of this class is needed.
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->hwnd != this->m_hWnd || msg->message != kProbeMessage)
            return Dialog::PreTranslateMessage(msg);
        m_probe(static_cast<Self&>(*this));
        if (this->GetResult() == -1) this->EndDialog(IDCANCEL);
        return TRUE;
    }

protected:
    BOOL OnInitDialog() override {
        BOOL result = Dialog::OnInitDialog();
        this->PostMessage(kProbeMessage);
        return result;
    }

private:
    static constexpr UINT kProbeMessage = WM_APP + 0x3F0;
    Probe m_probe;
};
