// CommandHelp.cpp
#include "console/CommandHelp.h"

#include "console/BatchOptions.h"
#include "console/ExtractCommand.h"

#include <algorithm>

// The build passes the project version, the one the installer takes too.
#ifndef VELMO_VERSION
#error "VELMO_VERSION must be given by the build"
#endif

const char kDocumentForm[] = "velmo-extract DOCUMENT OUTPUT_DIRECTORY";
const char kBatchForm[] =
    "velmo-extract -o DIR [--suffix TEXT] [-r] [--jobs N] [--json] DOCUMENT|FOLDER...";

namespace {

const char kAbout[] =
    "velmo-extract pulls the JPEG and PNG pictures out of documents: Word, Excel\n"
    "and PowerPoint files old and new, OpenDocument files, RTF, and any other\n"
    "file, where it finds pictures by their bytes.\n";

const char kForms[] =
    "The first form scans one document into OUTPUT_DIRECTORY, made when missing\n"
    "(not its parents); a picture name already taken there stops the scan. It\n"
    "prints one result line.\n"
    "The second scans every document given and every document in the folders\n"
    "given, each into a folder of its own below DIR named after it (Report.doc\n"
    "into DIR/ReportREC, or ReportREC-2 when that is taken). It prints one line\n"
    "per document, then a summary on stderr.\n";

const struct {
    ExtractStatus status;
    const char* meaning;
} kStatuses[] = {{kExtractCompleted, "every document was scanned completely"},
                 {kExtractFailed, "a document was not scanned completely, or the scan was stopped"},
                 {kExtractUsage, "bad usage, or an output folder that cannot be used"}};

const char kExamples[] =
    "  velmo-extract Report.doc ReportREC\n"
    "  velmo-extract -o pictures -r --json archive > report.jsonl\n";

const char kHelpHint[] = "Try 'velmo-extract --help' for more information.\n";

// "-h, --help" or "-o DIR", as the options' column shows it.
std::string Spelling(const CommandOption& option) {
    std::string spelling = option.alias != nullptr ? std::string(option.alias) + ", " : "";
    spelling += option.name;
    if (option.value != nullptr) spelling += std::string(" ") + option.value;
    return spelling;
}

std::string OptionLines() {
    size_t width = 0;
    for (const CommandOption& option : kCommandOptions)
        width = std::max(width, Spelling(option).size());
    std::string lines;
    for (const CommandOption& option : kCommandOptions) {
        const std::string spelling = Spelling(option);
        lines +=
            "  " + spelling + std::string(width - spelling.size() + 2, ' ') + option.meaning + "\n";
    }
    return lines;
}

std::string StatusLines() {
    std::string lines;
    for (const auto& status : kStatuses)
        lines += "  " + std::to_string(status.status) + "  " + status.meaning + "\n";
    return lines;
}

std::string BothForms() {
    return std::string("usage: ") + kDocumentForm + "\n   or: " + kBatchForm + "\n";
}

}  // namespace

std::string DocumentUsage() { return std::string("usage: ") + kDocumentForm + "\n"; }

std::string BatchUsage() { return std::string("usage: ") + kBatchForm + "\n" + kHelpHint; }

std::string UsageOfBothForms() { return BothForms() + kHelpHint; }

std::string HelpText() {
    return std::string(kAbout) + "\n" + BothForms() + "\n" + kForms + "\nOptions:\n" +
           OptionLines() + "\nExit status:\n" + StatusLines() + "\nExamples:\n" + kExamples;
}

std::string VersionText() { return std::string("velmo-extract ") + VELMO_VERSION + "\n"; }
