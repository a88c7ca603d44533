// ExtractCommand.cpp
#include "console/ExtractCommand.h"

#include "console/BatchOptions.h"
#include "console/CommandHelp.h"
#include "console/DocumentDisk.h"
#include "console/DocumentWalk.h"
#include "console/JsonReport.h"
#include "console/ScanRecorder.h"
#include "recovery/scan/UniquePictures.h"
#include "lang/ScanMessageTexts.h"
#include "lang/Texts.h"

#include <exception>
#include <vector>

namespace {

std::string ResultLine(const ScanResult& result) {
    if (result.pictureCount == 0) return Text(kRunResultNone, LANG_ENGLISH);
    return FormatText(Text(kRunResultStored, LANG_ENGLISH),
                      {result.pictureCount, result.outputDirectory});
}

}  // namespace

std::string ScanMessageText(ScanMessage message) {
    return Text(ScanMessageTexts(message), LANG_ENGLISH);
}

ScanResult ScanCatching(PictureScanner& scanner, const std::string& documentPath,
                        const std::string& outputDirectory, std::string& unexpected) {
    try {
        return scanner.Scan(documentPath, outputDirectory);
    } catch (const std::exception& error) {
        unexpected = std::string("the scan stopped unexpectedly (") + error.what() + ")";
    } catch (...) {
        unexpected = "the scan stopped unexpectedly";
    }
    ScanResult result = scanner.Result();
    result.completed = false;
    return result;
}

int RunExtract(const std::string& documentPath, const std::string& outputDirectory,
               std::ostream& out, std::ostream& err, ScanDisk& disk, FolderReader& folders,
               const ScanOptions& options, bool list) {
    ScanRecorder messages;
    PictureScanner scanner(disk, messages, PictureScanner::kDefaultBlockSize, options);
    std::string unexpected;
    ScanResult result = ScanCatching(scanner, documentPath, outputDirectory, unexpected);
    // The real cause first: the scanner's message names only the kind of failure.
    const std::string cause =
        unexpected.empty() ? FailureText(result.failure, folders) : unexpected;
    if (!result.completed && !cause.empty())
        err << "velmo-extract: " << documentPath << ": " << cause << '\n';
    // A document that could not be opened is told of by the cause alone.
    if (messages.Message() && result.failure.cause != ScanFailure::Cause::Open)
        err << ScanMessageText(*messages.Message()) << '\n';
    if (result.pictureCount == 0) result.outputDirectory.clear();
    out << ResultLine(result) << '\n';
    if (list) {
        DocumentReport report;
        report.files = std::move(messages.Records());
        out << PictureLines(report);
    }
    return result.completed ? kExtractCompleted : kExtractFailed;
}

int RunExtractCommand(int argc, const char* const argv[], std::ostream& out, std::ostream& err) {
    ScanOptions options;
    UniquePictures written;
    bool list = false;
    std::vector<std::string> operands;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == kListOption) {
            list = true;
            options.digests = true;
            continue;
        }
        if (argument == kUniqueOption) {
            options.unique = &written;
            continue;
        }
        if (argument != kKindsOption) {
            operands.push_back(argv[i]);
            continue;
        }
        std::string error = std::string(kKindsOption) + " needs a value";
        if (i + 1 >= argc || !ParsePictureKinds(argv[++i], options.kinds, error)) {
            err << "velmo-extract: " << error << '\n' << DocumentUsage();
            return kExtractUsage;
        }
    }
    if (operands.size() != 2 || operands[0].empty() || operands[1].empty()) {
        err << DocumentUsage();
        return kExtractUsage;
    }
    DocumentDisk disk(DocumentKinds::FilesAndPipes);
    FolderReader folders;
    return RunExtract(operands[0], operands[1], out, err, disk, folders, options, list);
}
