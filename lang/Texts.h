// Texts.h - every translated text of the main window and its commands
#pragma once

#include <array>

#include "lang/TextSet.h"

// Messages.
extern const TextSet kMsgMissingFile;  // "Missing file. Please reinstall!"
extern const TextSet kMsgWriteError;   // "Error writing file. Quit any application ..."
// The document could not be read to its end (a failing disk, a drive that went away).
extern const TextSet kMsgReadError;
extern const TextSet kMsgDiskFull;     // "Disk full!"
extern const TextSet kMsgNoSelection;  // "No file selected!"

// What failed in a recovery run and why, each with %s for the path, then %s
// for the reason (one of kReason... or the system's own words).
extern const TextSet kMsgCannotOpenDocument;
extern const TextSet kMsgCannotMakeFolder;
extern const TextSet kMsgCannotWritePicture;
// The reasons the system gives most often, in the user's language.
extern const TextSet kReasonNotFound;      // no such file or folder
extern const TextSet kReasonAccessDenied;  // access denied
extern const TextSet kReasonDiskFull;      // disk full
extern const TextSet kReasonUnknown;       // the system gave none

// Tooltips of the command buttons, in the order the buttons get them.
enum TooltipRow {
    TIP_OPEN,
    TIP_EXTRACT,
    TIP_OPTIONS,
    TIP_HELP,
    TIP_EXIT,
    TIP_DELETE,
    TIP_EMPTY_LIST
};
extern const std::array<TextSet, 7> kTooltipTexts;

// Popup-menu items whose resource text is replaced when the menu is shown.
enum MenuRow {
    MENU_ADD_FILE,         // File, ID_FILE_ADD
    MENU_DELETE_FILE,      // File, ID_FILE_DELETE
    MENU_CLEAR_LIST,       // File, ID_FILE_CLEAR
    MENU_RECOVER,          // File, ID_FILE_RECOVER
    MENU_EXIT,             // File, ID_FILE_EXIT
    MENU_OPTIONS,          // Options, ID_OPTIONS_SETTINGS
    MENU_HELP,             // Help, ID_HELP_LAUNCH
    MENU_ABOUT,            // Help, ID_HELP_ABOUT
    MENU_CONTEXT_RECOVER,  // list context, ID_LIST_RECOVER
    MENU_CONTEXT_DELETE,   // list context, ID_LIST_DELETE
    MENU_CONTEXT_REMOVE    // list context, ID_LIST_REMOVE
};
extern const std::array<TextSet, 11> kMenuTexts;

// Captions of the list columns 0..3 (path, size, date, time).
extern const std::array<TextSet, 4> kColumnCaptions;

// Title of the open-file dialog; each fits a 20-byte field in code page 1252.
extern const TextSet kOpenDialogTitles;
constexpr int kOpenDialogTitleWidth = 20;

// Confirmations before a document is deleted from disk (%s: its path).
extern const TextSet kDeleteConfirmFirst;
extern const TextSet kDeleteConfirmSecond;
// Confirmations before the source document is deleted after a run (%s: its path).
extern const TextSet kSourceDeleteConfirmFirst;
extern const TextSet kSourceDeleteConfirmSecond;

// Results of a recovery run; kRunResultStored takes %d (pictures) then %s (directory).
extern const TextSet kRunResultStored;
extern const TextSet kRunResultNone;
// A picture file name was already taken and the run was aborted.
extern const TextSet kDirectoryExists;
// Escape or the close box during a run: whether to stop it (Yes / No).
extern const TextSet kAskStopRun;
// Results of a run stopped on request; kRunStoppedStored takes %d (pictures)
// then %s (directory).
extern const TextSet kRunStoppedStored;
extern const TextSet kRunStoppedNone;

// Every message the main window can show, in the order the help explains them.
constexpr int kMainProgramMessageCount = 18;
extern const std::array<const TextSet*, kMainProgramMessageCount> kMainProgramMessages;

// The Options-menu items, the same in every language; [0] is "".
extern const char* const kLanguageNames[7];

// The decorative side panel's tooltip, the same in every language.
extern const char* const kSidePanelTooltip;
