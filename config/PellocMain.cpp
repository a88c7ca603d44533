// PellocMain.cpp - the configuration program's one application object
#include "config/CConfigApp.h"

CConfigApp theApp;
