// TopicSearch.cpp
#include "help/TopicSearch.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <sstream>

#include "framework/Text.h"

namespace {

struct PlainLetter {
    const wchar_t* marked;
    const wchar_t* plain;
};

// Lower-case letters of the six languages (and their neighbours) and what a
// user types who leaves out the marks. Upper case is lowered first.
const PlainLetter kPlainLetters[] = {
    {L"àáâãäåāăą", L"a"}, {L"çćĉċč", L"c"}, {L"ďđ", L"d"},        {L"èéêëēĕėęě", L"e"},
    {L"ĝğġģ", L"g"},      {L"ĥħ", L"h"},    {L"ìíîïĩīĭįı", L"i"}, {L"ĵ", L"j"},
    {L"ķ", L"k"},         {L"ĺļľŀł", L"l"}, {L"ñńņňŉ", L"n"},     {L"òóôõöøōŏő", L"o"},
    {L"ŕŗř", L"r"},       {L"śŝşšș", L"s"}, {L"ţťŧț", L"t"},      {L"ùúûüũūŭůűų", L"u"},
    {L"ŵ", L"w"},         {L"ýÿŷ", L"y"},   {L"źżž", L"z"},       {L"ß", L"ss"},
    {L"æ", L"ae"},        {L"œ", L"oe"},    {L"’‘", L"'"},
};

const wchar_t* Plain(wchar_t letter) {
    for (const PlainLetter& entry : kPlainLetters) {
        if (std::wcschr(entry.marked, letter)) return entry.plain;
    }
    return nullptr;
}

// The text as the search compares it, with the place in the original text
// each of its characters came from (ß gives two).
struct FoldedText {
    std::wstring text;
    std::vector<size_t> origin;
};

FoldedText Folded(const std::wstring& original) {
    std::wstring lowered = original;
    if (!lowered.empty()) CharLowerBuffW(&lowered[0], static_cast<DWORD>(lowered.size()));
    FoldedText folded;
    for (size_t at = 0; at < lowered.size(); ++at) {
        const wchar_t letter = lowered[at];
        const wchar_t* plain = Plain(letter);
        const std::wstring replacement = plain ? std::wstring(plain) : std::wstring(1, letter);
        folded.text += replacement;
        folded.origin.insert(folded.origin.end(), replacement.size(), at);
    }
    return folded;
}

std::vector<std::wstring> Words(const std::wstring& query) {
    std::wistringstream stream(Folded(query).text);
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
        const std::wstring haystack = Folded(Widen(HelpTopicTitle(topic, languageIndex) + "\n" +
                                                   HelpTopicText(topic, languageIndex)))
                                          .text;
        bool holdsAll = true;
        for (const std::wstring& word : words)
            holdsAll = holdsAll && haystack.find(word) != std::wstring::npos;
        if (holdsAll) topics.push_back(topic);
    }
    return topics;
}

std::vector<FoundWord> WordsFoundIn(const std::wstring& text, const std::wstring& query) {
    const FoldedText folded = Folded(text);
    std::vector<FoundWord> found;
    for (const std::wstring& word : Words(query)) {
        for (size_t at = folded.text.find(word); at != std::wstring::npos;
             at = folded.text.find(word, at + word.size())) {
            const size_t start = folded.origin[at];
            found.push_back({start, folded.origin[at + word.size() - 1] + 1 - start});
        }
    }
    std::sort(found.begin(), found.end(),
              [](const FoundWord& a, const FoundWord& b) { return a.start < b.start; });
    return found;
}
