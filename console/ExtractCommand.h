// ExtractCommand.h: the velmo-extract command line, apart from main() so that
// tests can run it in-process.
#pragma once

#include "recovery/PictureScanner.h"

#include <ostream>
#include <string>

// Exit statuses of velmo-extract.
enum ExtractStatus { kExtractCompleted = 0, kExtractFailed = 1, kExtractUsage = 2 };

// The scanner's message in English, as velmo-extract prints it.
std::string ScanMessageText(ScanMessage message);

// velmo-extract DOCUMENT OUTPUT_DIRECTORY: scans the document, writes the
// result line to out and each failure message to err.
int RunExtractCommand(int argc, const char* const argv[], std::ostream& out, std::ostream& err);
