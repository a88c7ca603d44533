// Resources of the hover button tests only.
#pragma once

#define IDD_HOVER_TEST 200
#define IDB_TEST_STRIP 201
#define IDB_NOT_THERE  299

#define IDC_HOVER_FIRST  1201
#define IDC_HOVER_SECOND 1202
#define IDC_HOVER_THIRD  1203
