// Resource identifiers of the configuration program Pelloc.exe.
#pragma once

#define IDD_CONFIG      300
#define IDI_CONFIG_ICON 258

#define IDC_CONFIG_STATUS  1100
#define IDC_OUTPUT_LABEL   1101
#define IDC_OUTPUT_EDIT    1102
#define IDC_OUTPUT_BROWSE  1103
#define IDC_OUTPUT_NOTE    1104
#define IDC_SUFFIX_LABEL   1105
#define IDC_SUFFIX_EDIT    1106
#define IDC_SUFFIX_NOTE    1107
#define IDC_DELETE_OFFER   1108
#define IDC_LANGUAGE_LABEL 1109
#define IDC_LANGUAGE_LIST  1110
#define IDC_PROGRAM_LABEL  1111
#define IDC_PROGRAM_EDIT   1112
#define IDC_PROGRAM_BROWSE 1113
#define IDC_EXAMPLE        1114
#define IDC_TAKES_EFFECT   1115
#define IDC_DEFAULTS       1116
