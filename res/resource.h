// Resource identifiers of the program: dialogs, menus, bitmaps, controls and commands.
// The numbers are fixed: the settings program, the help texts and older builds refer to them.
#pragma once

// Dialog templates
#define IDD_RECOVERY_DIALOG 102
#define IDD_ABOUTBOX        167
#define IDD_SPLASH          212

// Popup menus
#define IDR_MENU_FILE    134
#define IDR_MENU_OPTIONS 165
#define IDR_MENU_HELP    166
#define IDR_MENU_LIST    172

// Icon and cursor
#define IDI_APPICON   258
#define IDC_LINK_HAND 168

// Bitmaps: file/folder images of the document list (two 16 x 16 images)
#define IDB_FILE_ICONS 130

// Bitmaps: hover-button strips (normal, pressed, hover side by side)
#define IDB_STRIP_OPEN    175
#define IDB_STRIP_EXTRACT 177
#define IDB_STRIP_OPTIONS 178
#define IDB_STRIP_HELP    179
#define IDB_STRIP_EXIT    181
#define IDB_STRIP_DELETE  182
#define IDB_STRIP_EMPTY   183
#define IDB_STRIP_SIDE    269

// Bitmaps: popup menus
#define IDB_MENU_SIDE     187
#define IDB_ITEM_OPTIONS  196
#define IDB_ITEM_ADD      198
#define IDB_ITEM_DELETE   199
#define IDB_ITEM_CLEAR    200
#define IDB_ITEM_RECOVER  204
#define IDB_ITEM_EXIT     207
#define IDB_ITEM_HELP     210
#define IDB_FLAG_FRENCH   222
#define IDB_FLAG_GERMAN   225
#define IDB_FLAG_ENGLISH  226
#define IDB_FLAG_ITALIAN  228
#define IDB_FLAG_SPANISH  230
#define IDB_FLAG_ROMANIAN 232
#define IDB_TICK          235

// Bitmaps: the File, Options and Help menu buttons, three per language.
// Bitmap = IDB_MENUBUTTON_FIRST + 3 * (language - 1) + position (0 File, 1 Options, 2 Help).
#define IDB_MENUBUTTON_FIRST 239
#define IDB_MENUBUTTON_LAST  256

// Bitmap: background of the splash and the About box
#define IDB_BACKGROUND 272

// Main window controls
#define IDC_DOCUMENT_LIST       1000
#define IDC_HELP_BUTTON         1001
#define IDC_EXTENSION_EDIT      1002
#define IDC_ACCEPT_FILES        1003
#define IDC_ACCEPT_FOLDERS      1004
#define IDC_ALLOW_DUPLICATES    1005
#define IDC_USE_CALLBACK        1006
#define IDC_ALL_FILES           1007
#define IDC_FILTER_EXTENSION    1008
#define IDC_OPEN_BUTTON         1010
#define IDC_EXTRACT_BUTTON      1011
#define IDC_EMPTY_BUTTON        1012
#define IDC_OPTIONS_BUTTON      1013
#define IDC_SIDE_PANEL          1016
#define IDC_FILE_MENU_BUTTON    1019
#define IDC_OPTIONS_MENU_BUTTON 1020
#define IDC_HELP_MENU_BUTTON    1021
#define IDC_DELETE_BUTTON       1039
#define IDC_PROGRESS            1041

// About box controls
#define IDC_CREDITS      1022
#define IDC_WEB_LINK     1023
#define IDC_CONTACT_LINK 1024

// Commands
#define ID_LIST_EMPTY        1009
#define ID_OPTIONS_SETTINGS  32798
#define ID_FILE_ADD          32799
#define ID_FILE_CLEAR        32801
#define ID_FILE_EXIT         32802
#define ID_FILE_DELETE       32803
#define ID_HELP_LAUNCH       32811
#define ID_HELP_ABOUT        32813
#define ID_FILE_RECOVER      32815
#define ID_LIST_DELETE       32816
#define ID_LIST_REMOVE       32817
#define ID_LANGUAGE_ENGLISH  32819
#define ID_LANGUAGE_FRENCH   32820
#define ID_LANGUAGE_GERMAN   32821
#define ID_LANGUAGE_ITALIAN  32822
#define ID_LANGUAGE_SPANISH  32823
#define ID_LANGUAGE_ROMANIAN 32824
#define ID_LIST_RECOVER      32825
