// TopicSearch.cpp
#include "help/TopicSearch.h"

#include <windows.h>

#include <sstream>

#include "framework/Text.h"

namespace {

// The system's own case mapping knows every letter of the six languages.
std::wstring Lowered(std::wstring text) {
    if (!text.empty()) CharLowerBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

std::vector<std::wstring> Words(const std::wstring& query) {
    std::wistringstream stream(Lowered(query));
    std::vector<std::wstring> words;
    for (std::wstring word; stream >> word;) words.push_back(word);
    return words;
}

}  // namespace

std::vector<HelpTopic> TopicsMatching(const std::wstring& query, int languageIndex) {
    const std::vector<std::wstring> words = Words(query);
    std::vector<HelpTopic> topics;
    for (int index = 0; index < kHelpTopicCount; ++index) {
        const HelpTopic topic = static_cast<HelpTopic>(index);
        const std::wstring haystack = Lowered(Widen(HelpTopicTitle(topic, languageIndex) + "\n" +
                                                    HelpTopicText(topic, languageIndex)));
        bool holdsAll = true;
        for (const std::wstring& word : words)
            holdsAll = holdsAll && haystack.find(word) != std::wstring::npos;
        if (holdsAll) topics.push_back(topic);
    }
    return topics;
}
