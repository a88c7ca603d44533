// Resource identifiers of the help program Gandry.exe.
#pragma once

#define IDD_HELP      400
#define IDI_HELP_ICON 258

#define IDC_SEARCH_LABEL 1200
#define IDC_SEARCH_EDIT  1201
#define IDC_TOPIC_LIST   1202
#define IDC_TOPIC_TEXT   1203
