// HelpTopicTexts.h - the written texts behind the help topics (HelpTexts.h
// puts the main window's own texts into them)
#pragma once

#include <array>

#include "lang/HelpTexts.h"
#include "lang/TextSet.h"

struct HelpTopicWriting {
    TextSet title;
    TextSet text;
};

// In HelpTopic order.
extern const std::array<HelpTopicWriting, kHelpTopicCount> kHelpTopicWritings;
