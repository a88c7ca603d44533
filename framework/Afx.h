// The whole framework layer in one include.
#pragma once

#include "framework/CDC.h"
#include "framework/CDialog.h"
#include "framework/CGdiObject.h"
#include "framework/CImageList.h"
#include "framework/CListCtrl.h"
#include "framework/CMenu.h"
#include "framework/CToolBar.h"
#include "framework/CToolTipCtrl.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/Controls.h"
#include "framework/Module.h"
#include "framework/Text.h"
#include "framework/WindowDC.h"
