// HelpTexts.cpp - the help topics put together: the written texts with the
// main window's own menu items, column captions and messages in place
#include "lang/HelpTexts.h"

#include <utility>

#include "lang/HelpMessageTexts.h"
#include "lang/HelpTopicTexts.h"
#include "lang/Texts.h"

namespace {

struct QuoteMarks {
    const char* open;
    const char* close;
};

// How each language quotes a message, in the language order.
const QuoteMarks kQuoteMarks[7] = {
    {"", ""}, {"“", "”"}, {"« ", " »"}, {"„", "“"}, {"«", "»"}, {"«", "»"}, {"„", "”"},
};

std::string LanguageItems() {
    std::string items;
    for (int language = kFirstLanguage; language <= kLastLanguage; ++language) {
        if (!items.empty()) items += ", ";
        items += kLanguageNames[language];
    }
    return items;
}

std::string Replaced(std::string text, const std::string& token, const std::string& by) {
    for (size_t at = text.find(token); at != std::string::npos;
         at = text.find(token, at + by.size()))
        text.replace(at, token.size(), by);
    return text;
}

std::string WithProgramTexts(std::string text, int languageIndex) {
    const std::pair<const char*, const TextSet*> tokens[] = {
        {"{AddFile}", &kMenuTexts[MENU_ADD_FILE]},
        {"{DeleteFile}", &kMenuTexts[MENU_DELETE_FILE]},
        {"{ClearList}", &kMenuTexts[MENU_CLEAR_LIST]},
        {"{Recover}", &kMenuTexts[MENU_RECOVER]},
        {"{Options}", &kMenuTexts[MENU_OPTIONS]},
        {"{ContextRecover}", &kMenuTexts[MENU_CONTEXT_RECOVER]},
        {"{ContextDelete}", &kMenuTexts[MENU_CONTEXT_DELETE]},
        {"{ContextRemove}", &kMenuTexts[MENU_CONTEXT_REMOVE]},
        {"{SizeKB}", &kColumnCaptions[1]},
        {"{Date}", &kColumnCaptions[2]},
        {"{Time}", &kColumnCaptions[3]},
    };
    for (const auto& [token, texts] : tokens)
        text = Replaced(std::move(text), token, Text(*texts, languageIndex));
    return Replaced(std::move(text), "{LanguageItems}", LanguageItems());
}

// Each message as the main window shows it, quoted, then what it means.
std::string MessagesText(int languageIndex) {
    const QuoteMarks& quotes = kQuoteMarks[languageIndex];
    std::string text = Text(kHelpTopicWritings[HELP_MESSAGES].text, languageIndex);
    for (const MessageExplanation& entry : kMessageExplanations) {
        text += "\n\n";
        text += quotes.open;
        text += Text(*entry.message, languageIndex);
        text += quotes.close;
        text += "\n";
        text += Text(entry.explanation, languageIndex);
    }
    return text + "\n\n" + Text(kLinkFailureNote, languageIndex);
}

}  // namespace

std::string HelpTopicTitle(HelpTopic topic, int languageIndex) {
    return Text(kHelpTopicWritings[topic].title, ValidLanguage(languageIndex));
}

std::string HelpTopicText(HelpTopic topic, int languageIndex) {
    const int language = ValidLanguage(languageIndex);
    if (topic == HELP_MESSAGES) return MessagesText(language);
    return WithProgramTexts(Text(kHelpTopicWritings[topic].text, language), language);
}
