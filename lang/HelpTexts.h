// HelpTexts.h - the help program's topics and window texts in the six languages
#pragma once

#include <string>

#include "lang/TextSet.h"

enum HelpTopic {
    HELP_GETTING_STARTED,
    HELP_ADDING_DOCUMENTS,
    HELP_RECOVERING,
    HELP_WHERE_PICTURES_GO,
    HELP_MESSAGES,
    HELP_DELETING,
    HELP_LANGUAGES,
    HELP_CONFIGURATION,
    HELP_CONSOLE_TOOL,
    kHelpTopicCount
};

std::string HelpTopicTitle(HelpTopic topic, int languageIndex);
// The topic's text, lines separated by "\n". The main window's menu items,
// column captions and messages appear in it as the main window's own tables
// hold them, so the help cannot drift from the program.
std::string HelpTopicText(HelpTopic topic, int languageIndex);

// The window.
extern const TextSet kHelpCaption;
extern const TextSet kHelpSearchLabel;
extern const TextSet kHelpClose;
extern const TextSet kHelpNothingFound;
