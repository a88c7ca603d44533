// CommandHelp.cpp
#include "console/CommandHelp.h"

#include "console/BatchOptions.h"
#include "console/ExtractCommand.h"
#include "recovery/pictures/PictureKind.h"

#include <algorithm>

// The build passes the project version, the one the installer takes too.
#ifndef VELMO_VERSION
#error "VELMO_VERSION must be given by the build"
#endif

const char kDocumentForm[] =
    "velmo-extract [--kinds LIST] [--list] [--unique] DOCUMENT OUTPUT_DIRECTORY";
const char kBatchForm[] =
    "velmo-extract -o DIR [--suffix TEXT] [-r] [--jobs N] [--json] [--list]\n"
    "                     [--unique] [--kinds LIST] DOCUMENT|FOLDER...";

namespace {

const char kAbout[] =
    "velmo-extract pulls every picture out of documents: Word, Excel and\n"
    "PowerPoint files old and new, OpenDocument files, RTF, and any other file,\n"
    "where it finds pictures by their bytes.\n";

const char kForms[] =
    "The first form scans one document into OUTPUT_DIRECTORY, made when missing\n"
    "(not its parents); a picture name already taken there stops the scan. It\n"
    "prints one result line.\n"
    "Both forms take --kinds, --list and --unique.\n"
    "The second scans every document given and every document in the folders\n"
    "given, each into a folder of its own below DIR named after it (Report.doc\n"
    "into DIR/ReportREC, or ReportREC-2 when that is taken). It prints one line\n"
    "per document, then a summary on stderr.\n";

// Why a kind's pictures carry the extension they do, where it is not plain.
const struct {
    PictureKind kind;
    const char* note;
} kExtensionNotes[] = {
    {PictureKind::Png, "the PNG's own bytes, named as users have always found them"},
    {PictureKind::Gif, "numbered together with the PNG pictures"}};

// What the records of --json and --list tell of each picture.
const char kRecords[] =
    "Each picture's record (--json: the \"files\" of its document's line, in the\n"
    "order written; --list: a line under the document's line, a tab first, then\n"
    "these fields in this order, separated by tabs, \"-\" for none):\n"
    "  file     its name in the document's folder; none when not written again\n"
    "  kind     its kind, as --kinds names it\n"
    "  bytes    the length of its file\n"
    "  sha256   the SHA-256 of its bytes\n"
    "  whole    false (\"cut\") for a picture damaged or cut short in the document\n"
    "  from     where it was found, from the outside in, nested containers\n"
    "           joined with /: a ZIP entry (word/media/image1.png), a stream of\n"
    "           an older office file (ObjectPool/_1234/Data), a picture record in\n"
    "           it (Pictures/picture record at 0x1A2B in the stream), a stream\n"
    "           whose name is lost (stream at sector 123), or, for a picture\n"
    "           found in the plain bytes, its file offset (offset 0x1A2B)\n"
    "  same_as  with --unique, the file already written that holds its bytes\n"
    "With --unique a picture whose bytes equal those of one written before in\n"
    "the same call, from this document or another, is not written again, and\n"
    "takes no number. Pictures are compared byte by byte.\n";

const struct {
    ExtractStatus status;
    const char* meaning;
} kStatuses[] = {{kExtractCompleted, "every document was scanned completely"},
                 {kExtractFailed, "a document was not scanned completely, or the scan was stopped"},
                 {kExtractUsage, "bad usage, or an output folder that cannot be used"}};

const char kExamples[] =
    "  velmo-extract Report.doc ReportREC\n"
    "  velmo-extract --kinds png,gif Report.doc ReportREC\n"
    "  velmo-extract -o pictures -r --json archive > report.jsonl\n"
    "  velmo-extract -o pictures -r --unique --list archive\n";

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

// Each kind's name for --kinds and the extension its pictures are written
// with; the pictures of a folder are numbered per extension (1.jpg, 2.jpg...).
std::string KindLines() {
    std::string lines;
    for (size_t index = 0; index < kPictureKinds; ++index) {
        const auto kind = static_cast<PictureKind>(index);
        std::string line = std::string("  ") + KindName(kind);
        line += std::string(8 - line.size(), ' ') + FileExtension(kind);
        for (const auto& note : kExtensionNotes) {
            if (note.kind == kind) line += std::string("  ") + note.note;
        }
        lines += line + "\n";
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
           OptionLines() +
           "\nPicture kinds, as --kinds names them, and the extension of their files\n"
           "(each extension numbered on its own: 1.jpg, 2.jpg, ...):\n" +
           KindLines() + "\n" + kRecords + "\nExit status:\n" + StatusLines() + "\nExamples:\n" +
           kExamples;
}

std::string VersionText() { return std::string("velmo-extract ") + VELMO_VERSION + "\n"; }
