// ListOptionControls.h - the main window's hidden option controls of the
// document list (items 1002 to 1008) and what a change of them does
#pragma once

#include <string>

#include "doclist/CDropFileListCtrl.h"

class CDataExchange;
class CWnd;

// The values of the option controls, with the values they start with.
struct OptionControlValues {
    bool acceptFiles = true;         // 1003
    bool acceptFolders = true;       // 1004
    int filterMode = 0;              // radio group 1007 (0, all files) / 1008 (1, filter)
    std::string extension = ".txt";  // 1002, UTF-8 as the edit holds it
    bool allowDuplicates = false;    // 1005
    bool useCallback = false;        // 1006
};

// The list's options after the controls changed: the flags follow the
// controls; the extension is taken only while the filter is chosen.
DropListOptions OptionsFromControls(DropListOptions current, const OptionControlValues& values);

class ListOptionControls {
public:
    // Called from the dialog's data exchange: binds and moves the values.
    void Exchange(CDataExchange* dx);
    // Called when one of 1003 to 1008 is clicked or 1002 loses the focus.
    void OnChanged(CWnd& dialog, CDropFileListCtrl& list);

    const OptionControlValues& Values() const { return m_values; }

private:
    void EnableDependentControls(CWnd& dialog) const;

    OptionControlValues m_values;
};
