// Resources of the bitmap menu tests only.
#pragma once

#define IDR_TEST_MENU 310

#define ID_TEST_OPEN   3101
#define ID_TEST_FIRST  3102
#define ID_TEST_SECOND 3103
#define ID_TEST_SAVE   3104
#define ID_TEST_EXIT   3105
