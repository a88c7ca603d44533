// ScanMessageTexts.h - the words the user reads for each failure of a scan
#pragma once

#include <string>

#include "lang/TextSet.h"
#include "recovery/scan/ScanReport.h"

const TextSet& ScanMessageTexts(ScanMessage message);

// The whole message for a scan's failure in the language: the message's own
// words where they are right, then what failed (its path) and why. A document
// that cannot be opened is no write error and is told in words of its own.
std::string ScanFailureText(ScanMessage message, const ScanFailure& failure, int languageIndex);
