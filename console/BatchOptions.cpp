// BatchOptions.cpp
#include "console/BatchOptions.h"

#include <cerrno>
#include <cstdlib>

const char kBatchUsageText[] =
    "usage: velmo-extract -o DIR [--suffix TEXT] [-r] [--jobs N] [--json] DOCUMENT|FOLDER...";

namespace {

bool IsOption(const char* argument) { return argument[0] == '-' && argument[1] != '\0'; }

bool ParseJobs(const std::string& text, unsigned& jobs) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    errno = 0;
    unsigned long value = std::strtoul(text.c_str(), nullptr, 10);
    if (errno != 0 || value < 1 || value > 1024) return false;
    jobs = static_cast<unsigned>(value);
    return true;
}

}  // namespace

bool IsBatchCall(int argc, const char* const argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (IsOption(argv[i])) return true;
    }
    return false;
}

bool ParseBatchOptions(int argc, const char* const argv[], BatchOptions& options,
                       std::string& error) {
    bool inputsOnly = false;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (inputsOnly || !IsOption(argv[i])) {
            options.inputs.push_back(argument);
            continue;
        }
        if (argument == "--") {
            inputsOnly = true;
        } else if (argument == "-r") {
            options.recursive = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "-o" || argument == "--suffix" || argument == "--jobs") {
            if (i + 1 >= argc) {
                error = argument + " needs a value";
                return false;
            }
            std::string value = argv[++i];
            if (argument == "-o")
                options.outputFolder = value;
            else if (argument == "--suffix")
                options.suffix = value;
            else if (!ParseJobs(value, options.jobs)) {
                error = "--jobs needs a number from 1 to 1024, not \"" + value + "\"";
                return false;
            }
        } else {
            error = "unknown option " + argument;
            return false;
        }
    }
    if (options.outputFolder.empty())
        error = "-o DIR is missing";
    else if (options.inputs.empty())
        error = "no document or folder given";
    return error.empty();
}
