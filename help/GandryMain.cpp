// GandryMain.cpp - the help program's one application object
#include "help/CHelpApp.h"

CHelpApp theApp;
