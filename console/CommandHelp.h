// CommandHelp.h: what velmo-extract tells about itself: its usage, its help
// (--help, -h) and its version (--version).
#pragma once

#include <string>

// The two forms of the command line.
extern const char kDocumentForm[];
extern const char kBatchForm[];

// The usage of one form after a wrong call; the batch's also says where to
// read more.
std::string DocumentUsage();
std::string BatchUsage();
// Both forms, for a call that names neither, and where to read more.
std::string UsageOfBothForms();
// What the tool does, both forms, every option, the exit statuses, examples.
std::string HelpText();
// The program's name and the project version the build gives it.
std::string VersionText();
