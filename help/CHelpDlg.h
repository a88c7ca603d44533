// CHelpDlg.h - the help program's resizable window: a list of topics, a
// search box that narrows it, and the chosen topic's text beside it
#pragma once

#include <string>
#include <vector>

#include "companion/CCompanionDlg.h"
#include "lang/HelpTexts.h"

class CHelpDlg : public CCompanionDlg {
public:
    // Shows the topics in the language (outside 1..6: English).
    explicit CHelpDlg(int languageIndex);

    // The topics the list shows now, in its order.
    std::vector<HelpTopic> ListedTopics() const;

protected:
    BOOL OnInitDialog() override;
    std::string BandTitle() const override;

    void OnSize(UINT type, int width, int height);
    void OnGetMinMaxInfo(MINMAXINFO* info);
    void OnSearchChanged();
    void OnTopicChosen();
    // Enter in the search box goes on to the topics instead of closing the window.
    void OnEnter();

    DECLARE_MESSAGE_MAP()

private:
    void ApplyTexts();
    void FillTopicList(HelpTopic keep);
    void ShowTopicText();
    void ShowHeadingAndFoundWords(size_t titleLength, const std::wstring& text);
    void LayOut(int width, int height);
    // A size in dialog units, in pixels of the window's font.
    SIZE Pixels(int dialogX, int dialogY) const;
    void Place(int id, int x, int y, int width, int height);
};
