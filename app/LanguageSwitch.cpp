// LanguageSwitch.cpp - switching the interface language at run time
#include "app/CRecoveryDlg.h"

#include "lang/Texts.h"
#include "res/resource.h"

namespace {

constexpr int kColumnCount = 4;
// After a switch column 0 gives 20 pixels to column 1, which had 60 at start.
constexpr int kFirstColumnShrink = 20;
constexpr int kOtherColumnWidth = 80;

}  // namespace

void CRecoveryDlg::OnLanguageCommand(UINT id)
{
    ApplyLanguage(static_cast<int>(id - ID_LANGUAGE_ENGLISH) + kFirstLanguage);
}

// Texts looked up when shown (messages, menus) follow by themselves; the ones
// that sit in controls are set again here. The language is stored last, so the
// settings file's own messages already come in the new language.
void CRecoveryDlg::ApplyLanguage(int languageIndex)
{
    m_languageIndex = languageIndex;
    ApplyTooltips();
    ApplyMenuButtonBitmaps();
    RebuildColumns();
    StoreLanguage();
}

void CRecoveryDlg::ApplyTooltips()
{
    for (const CommandButton& command : CommandButtons())
        command.button.SetTooltip(Text(kTooltipTexts[command.tooltip], m_languageIndex), true);
}

void CRecoveryDlg::RebuildColumns()
{
    for (int column = kColumnCount - 1; column >= 0; --column)
        m_documentList.DeleteColumn(column);
    m_documentList.InsertColumn(0, Text(kColumnCaptions[0], m_languageIndex), LVCFMT_LEFT,
                                m_firstColumnWidth - kFirstColumnShrink);
    for (int column = 1; column < kColumnCount; ++column) {
        m_documentList.InsertColumn(column, Text(kColumnCaptions[column], m_languageIndex), LVCFMT_LEFT,
                                    kOtherColumnWidth);
    }
}

void CRecoveryDlg::StoreLanguage()
{
    m_settings->SaveSettings(m_languageIndex);
}
