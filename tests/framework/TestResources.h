// Resources of the framework tests only.
#pragma once

#define IDD_TEST_CONTROLS 100
#define IDD_TEST_MODAL    101
#define IDR_TEST_MENU     102

#define IDC_OWNERDRAW     1100
#define IDC_NOTIFY_STATIC 1101
#define IDC_PLAIN_STATIC  1102
#define IDC_COLOR_STATIC  1103
#define IDC_LIST          1104
#define IDC_CHECK         1105
#define IDC_RADIO_A       1106
#define IDC_RADIO_B       1107
#define IDC_RADIO_C       1108
#define IDC_EDIT          1109
#define IDC_AFTER_GROUP   1110

#define ID_TEST_FIRST  40001
#define ID_TEST_SECOND 40002
#define ID_TEST_THIRD  40003
