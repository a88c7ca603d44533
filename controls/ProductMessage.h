// ProductMessage.h - the message box every window of the programs shows:
// owned by the window, captioned with the product name, its text in the
// window's language
#pragma once

#include <windows.h>

#include <string>

#include "lang/TextSet.h"

class CWnd;

// A text already in the window's language (a filled-in pattern, say); returns
// the button pressed.
int ShowProductMessage(CWnd& owner, const std::string& utf8Text, UINT type = MB_OK);
// The text of `texts` in the language.
int ShowProductMessage(CWnd& owner, const TextSet& texts, int languageIndex, UINT type = MB_OK);
