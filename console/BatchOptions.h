// BatchOptions.h: the command line of velmo-extract with options: many
// documents at once, or only its help or version.
#pragma once

#include "recovery/pictures/PictureKind.h"

#include <string>
#include <vector>

// What a call with options asks for.
enum class Request { Batch, Help, Version };

struct BatchOptions {
    Request request = Request::Batch;
    std::string outputFolder;         // -o DIR
    std::string suffix = "REC";       // --suffix TEXT
    bool recursive = false;           // -r: subfolders too
    unsigned jobs = 0;                // --jobs N; 0: one per processor
    bool json = false;                // --json
    bool list = false;                // --list: a line per picture under each text line
    bool unique = false;              // --unique: each picture's bytes written once
    PictureKinds kinds = AllPictureKinds();  // --kinds LIST
    std::vector<std::string> inputs;  // documents and folders, in the order given
};

// One option as the parser reads it and the help explains it.
struct CommandOption {
    const char* name;     // "-o", "--suffix"
    const char* alias;    // another spelling ("-h" for "--help"), or nullptr
    const char* value;    // what it takes ("DIR"), or nullptr
    const char* meaning;  // its line in the help
};

// Every option ParseBatchOptions reads, in the order the help lists them:
// one list, so that the help cannot forget one.
extern const std::vector<CommandOption> kCommandOptions;

// The options both forms take: the kinds of picture written, a line per
// picture, each picture's bytes written once.
extern const char kKindsOption[];
extern const char kListOption[];
extern const char kUniqueOption[];

// True when the arguments hold an option other than those both forms take,
// which the form with a document and an output directory never does.
bool IsBatchCall(int argc, const char* const argv[]);

// Reads a --kinds value, names separated by commas ("jpeg,png"), letter case
// aside; false with the problem in error when a name is no kind or is empty.
bool ParsePictureKinds(const std::string& list, PictureKinds& kinds, std::string& error);

// Reads the options and inputs; false with the problem in error. --help or
// --version ends the reading: the rest of the call is not looked at.
bool ParseBatchOptions(int argc, const char* const argv[], BatchOptions& options,
                       std::string& error);
