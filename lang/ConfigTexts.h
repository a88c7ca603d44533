// ConfigTexts.h - the configuration program's texts in the six languages
#pragma once

#include "lang/TextSet.h"

// Each language's name written in that language, for the language list; [0] is "".
extern const char* const kLanguageOwnNames[7];

// The window.
extern const TextSet kConfigCaption;
extern const TextSet kConfigOutputLabel;
extern const TextSet kConfigOutputNote;
extern const TextSet kConfigSuffixLabel;
extern const TextSet kConfigSuffixNote;
extern const TextSet kConfigDeleteOffer;
extern const TextSet kConfigLanguageLabel;
extern const TextSet kConfigProgramLabel;
extern const TextSet kConfigBrowseOutput;
extern const TextSet kConfigBrowseProgram;
extern const TextSet kConfigDefaults;
extern const TextSet kConfigCancel;
// When the main window takes up what was saved.
extern const TextSet kConfigTakesEffect;
// The live example line: %s the example document, %s the folder its pictures go to.
extern const TextSet kConfigExample;
// How the settings file was found, when it could not be used.
extern const TextSet kConfigFileMissing;
extern const TextSet kConfigFileInvalid;
// Titles of the folder pickers.
extern const TextSet kConfigPickOutput;
extern const TextSet kConfigPickProgram;

// Refusals and questions before anything is written.
extern const TextSet kConfigSuffixTooLong;
extern const TextSet kConfigSuffixBadCharacter;  // %s: the character
extern const TextSet kConfigSuffixNotAnsi;
extern const TextSet kConfigOutputTooLong;  // %d: the most characters
extern const TextSet kConfigOutputNotAnsi;
extern const TextSet kConfigOutputNotFull;
extern const TextSet kConfigProgramTooLong;  // %d: the most characters
extern const TextSet kConfigProgramNotAnsi;
extern const TextSet kConfigCreateOutput;  // %s: the folder (Yes/No)
extern const TextSet kConfigCreateFailed;  // %s: the folder
extern const TextSet kConfigSaveFailed;    // %s: the settings file
extern const TextSet kConfigSuffixEndsBadly;
// A full path no folder can have: %s the folder, %s the character, name or drive at fault.
extern const TextSet kConfigFolderBadCharacter;
extern const TextSet kConfigFolderReservedName;
extern const TextSet kConfigFolderNoDrive;
extern const TextSet kConfigProgramNotFull;
extern const TextSet kConfigProgramIncomplete;  // %s: the folder (Yes/No, No first)
