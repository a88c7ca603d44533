// RecoveryMain.cpp - the program's one application object
#include "app/CRecoveryApp.h"

CRecoveryApp theApp;
