// BatchOptions.h: the command line of velmo-extract for many documents.
#pragma once

#include <string>
#include <vector>

struct BatchOptions {
    std::string outputFolder;         // -o DIR
    std::string suffix = "REC";       // --suffix TEXT
    bool recursive = false;           // -r: subfolders too
    unsigned jobs = 0;                // --jobs N; 0: one per processor
    bool json = false;                // --json
    std::vector<std::string> inputs;  // documents and folders, in the order given
};

// True when the arguments hold an option, which the form with a document and
// an output directory never does.
bool IsBatchCall(int argc, const char* const argv[]);

// Reads the options and inputs; false with the problem in error.
bool ParseBatchOptions(int argc, const char* const argv[], BatchOptions& options,
                       std::string& error);

extern const char kBatchUsageText[];
