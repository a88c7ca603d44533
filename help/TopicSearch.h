// TopicSearch.h - which help topics hold every word typed in the search box,
// and where those words stand in a topic's text
#pragma once

#include <string>
#include <vector>

#include "lang/HelpTexts.h"

// Topics (in their order) whose title or text holds each blank-separated word
// of the query. Letters match whatever their case and accents, ß matches ss,
// and the Romanian ş and ţ with a cedilla match ș and ț with a comma below,
// as older keyboards type them. An empty query keeps them all.
std::vector<HelpTopic> TopicsMatching(const std::wstring& query, int languageIndex);

struct FoundWord {
    size_t start;  // in UTF-16 units of the text
    size_t length;
};

// Every place in the text where a word of the query stands, matched as above,
// in the order of the text.
std::vector<FoundWord> WordsFoundIn(const std::wstring& text, const std::wstring& query);
