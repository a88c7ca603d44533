// HelpMessageTexts.h - the explanations the help's messages topic gives
#pragma once

#include <array>

#include "lang/TextSet.h"
#include "lang/Texts.h"

struct MessageExplanation {
    const TextSet* message;  // one of kMainProgramMessages
    TextSet explanation;
};

// One per message of the main window: a message added to kMainProgramMessages
// without its explanation here does not compile.
extern const std::array<MessageExplanation, kMainProgramMessageCount> kMessageExplanations;

// The About box's link failures, which are English in every language.
extern const TextSet kLinkFailureNote;
