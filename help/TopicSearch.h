// TopicSearch.h - which help topics hold every word typed in the search box
#pragma once

#include <string>
#include <vector>

#include "lang/HelpTexts.h"

// Topics (in their order) whose title or text holds each blank-separated word
// of the query, whatever the case; an empty query keeps them all.
std::vector<HelpTopic> TopicsMatching(const std::wstring& query, int languageIndex);
