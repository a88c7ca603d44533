// ExtractCommand.h: the velmo-extract command line, apart from main() so that
// tests can run it in-process.
#pragma once

#include <ostream>

// Exit statuses of velmo-extract.
enum ExtractStatus { kExtractCompleted = 0, kExtractFailed = 1, kExtractUsage = 2 };

// velmo-extract DOCUMENT OUTPUT_DIRECTORY: scans the document, writes the
// result line to out and each failure message to err.
int RunExtractCommand(int argc, const char* const argv[], std::ostream& out, std::ostream& err);
