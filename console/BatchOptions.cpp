// BatchOptions.cpp
#include "console/BatchOptions.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

const char kKindsOption[] = "--kinds";
const char kListOption[] = "--list";
const char kUniqueOption[] = "--unique";

const std::vector<CommandOption> kCommandOptions = {
    {"-o", nullptr, "DIR", "the output folder, made with its missing parents (required)"},
    {"--suffix", nullptr, "TEXT", "ends each document's folder name instead of REC"},
    {"-r", nullptr, nullptr, "walks the subfolders of the folders given too"},
    {"--jobs", nullptr, "N", "N scans at once, 1 to 1024 (default: one per processor)"},
    {"--json", nullptr, nullptr, "reports each document as one JSON line instead of text"},
    {kListOption, nullptr, nullptr, "adds a line per picture under each text line"},
    {kUniqueOption, nullptr, nullptr, "writes equal pictures once in the call (see below)"},
    {kKindsOption, nullptr, "LIST",
     "writes only pictures of these kinds, as png,gif (default: all)"},
    {"--", nullptr, nullptr, "takes every argument after it as a document or folder"},
    {"--help", "-h", nullptr, "prints this help and exits"},
    {"--version", nullptr, nullptr, "prints the version and exits"}};

namespace {

bool IsOption(const char* argument) { return argument[0] == '-' && argument[1] != '\0'; }

const CommandOption* FindOption(const std::string& argument) {
    for (const CommandOption& option : kCommandOptions) {
        if (argument == option.name || (option.alias != nullptr && argument == option.alias))
            return &option;
    }
    return nullptr;
}

bool ParseJobs(const std::string& text, unsigned& jobs) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    errno = 0;
    unsigned long value = std::strtoul(text.c_str(), nullptr, 10);
    if (errno != 0 || value < 1 || value > 1024) return false;
    jobs = static_cast<unsigned>(value);
    return true;
}

std::string KnownKinds() {
    std::string names;
    for (size_t kind = 0; kind < kPictureKinds; ++kind)
        names += std::string(names.empty() ? "" : ", ") + KindName(static_cast<PictureKind>(kind));
    return names;
}

}  // namespace

bool IsBatchCall(int argc, const char* const argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == kKindsOption)
            ++i;  // its value, whatever it looks like
        else if (IsOption(argv[i]) && argument != kListOption && argument != kUniqueOption)
            return true;
    }
    return false;
}

bool ParsePictureKinds(const std::string& list, PictureKinds& kinds, std::string& error) {
    PictureKinds named;
    for (size_t start = 0; start <= list.size();) {
        size_t end = list.find(',', start);
        if (end == std::string::npos) end = list.size();
        const std::string typed = list.substr(start, end - start);
        std::string name = typed;
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const std::optional<PictureKind> kind = KindNamed(name);
        if (!kind) {
            error = std::string(kKindsOption) + ": " +
                    (name.empty() ? "an empty kind" : "unknown picture kind \"" + typed + "\"") +
                    " in \"" + list + "\"; the kinds are " + KnownKinds();
            return false;
        }
        named.set(static_cast<size_t>(*kind));
        start = end + 1;
    }
    kinds = named;
    return true;
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
        const CommandOption* option = FindOption(argument);
        if (option == nullptr) {
            error = "unknown option " + argument;
            return false;
        }
        std::string value;
        if (option->value != nullptr) {
            if (i + 1 >= argc) {
                error = argument + " needs a value";
                return false;
            }
            value = argv[++i];
        }
        const std::string name = option->name;
        if (name == "--help" || name == "--version") {
            options.request = name == "--help" ? Request::Help : Request::Version;
            return true;
        }
        if (name == "--") {
            inputsOnly = true;
        } else if (name == "-r") {
            options.recursive = true;
        } else if (name == "--json") {
            options.json = true;
        } else if (name == "--list") {
            options.list = true;
        } else if (name == "--unique") {
            options.unique = true;
        } else if (name == "-o") {
            options.outputFolder = value;
        } else if (name == "--suffix") {
            options.suffix = value;
        } else if (name == "--jobs" && !ParseJobs(value, options.jobs)) {
            error = "--jobs needs a number from 1 to 1024, not \"" + value + "\"";
            return false;
        } else if (name == kKindsOption && !ParsePictureKinds(value, options.kinds, error)) {
            return false;
        }
    }
    if (options.outputFolder.empty())
        error = "-o DIR is missing";
    else if (options.inputs.empty())
        error = "no document or folder given";
    return error.empty();
}
