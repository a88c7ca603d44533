// ProductMessage.cpp
#include "controls/ProductMessage.h"

#include "framework/CWnd.h"
#include "lang/Credits.h"

int ShowProductMessage(CWnd& owner, const std::string& utf8Text, UINT type) {
    return owner.MessageBox(utf8Text.c_str(), kProductName, type);
}

int ShowProductMessage(CWnd& owner, const TextSet& texts, int languageIndex, UINT type) {
    return ShowProductMessage(owner, Text(texts, languageIndex), type);
}
