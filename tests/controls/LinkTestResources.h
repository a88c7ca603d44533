// Resources of the link and credits panel tests only.
#pragma once

#define IDD_LINK_TEST  400
#define IDD_PANEL_TEST 401

#define IDC_LINK_LEFT   1401
#define IDC_LINK_CENTRE 1402
#define IDC_LINK_RIGHT  1403
#define IDC_LINK_EMPTY  1404
#define IDC_TEST_PANEL  1405
