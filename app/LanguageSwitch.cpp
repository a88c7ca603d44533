// LanguageSwitch.cpp - switching the interface language at run time
#include "app/CRecoveryDlg.h"

#include <vector>

#include "framework/WindowDC.h"
#include "lang/Texts.h"
#include "res/resource.h"

namespace {

constexpr int kColumnCount = 4;
// After a switch column 0 gives 20 pixels to column 1, which had 60 at start.
constexpr int kFirstColumnShrink = 20;
constexpr int kOtherColumnWidth = 80;

using RowCells = std::array<std::string, kColumnCount>;

std::vector<RowCells> ReadCells(const CListCtrl& list) {
    std::vector<RowCells> rows(static_cast<size_t>(list.GetItemCount()));
    for (size_t row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < kColumnCount; ++column)
            rows[row][column] = list.GetItemText(static_cast<int>(row), column);
    }
    return rows;
}

void WriteCells(CListCtrl& list, const std::vector<RowCells>& rows) {
    for (size_t row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < kColumnCount; ++column)
            list.SetItemText(static_cast<int>(row), column, rows[row][column]);
    }
}

}  // namespace

void CRecoveryDlg::OnLanguageCommand(UINT id) {
    ApplyLanguage(static_cast<int>(id - ID_LANGUAGE_ENGLISH) + kFirstLanguage);
}

// Texts looked up when shown (messages, menus) follow by themselves; the ones
// that sit in controls are set again here. The language is stored last, so the
// settings file's own messages already come in the new language.
void CRecoveryDlg::ApplyLanguage(int languageIndex) {
    m_languageIndex = languageIndex;
    ApplyTooltips();
    ApplyMenuButtonBitmaps();
    RebuildColumns();
    StoreLanguage();
}

void CRecoveryDlg::ApplyTooltips() {
    for (const CommandButton& command : CommandButtons())
        command.button.SetTooltip(Text(kTooltipTexts[command.tooltip], m_languageIndex), true);
}

// Deleting a column discards its cells, so the rows' texts are put back into
// the new columns: only the captions change.
void CRecoveryDlg::RebuildColumns() {
    const std::vector<RowCells> cells = ReadCells(m_documentList);
    for (int column = kColumnCount - 1; column >= 0; --column) m_documentList.DeleteColumn(column);
    InsertColumns(m_firstColumnWidth - ScreenPixels(kFirstColumnShrink),
                  {kOtherColumnWidth, kOtherColumnWidth, kOtherColumnWidth});
    WriteCells(m_documentList, cells);
}

void CRecoveryDlg::StoreLanguage() { m_settings->SaveSettings(*this, m_languageIndex); }
