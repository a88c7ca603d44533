// ExtractCommand.cpp
#include "console/ExtractCommand.h"

#include "console/CommandHelp.h"
#include "console/DocumentDisk.h"
#include "console/DocumentFiles.h"
#include "console/DocumentWalk.h"
#include "lang/ScanMessageTexts.h"
#include "lang/Texts.h"

#include <exception>
#include <optional>

namespace {

class MessageKeeper : public ScanReporter {
public:
    void ReportScanMessage(ScanMessage message) override { m_message = message; }
    const std::optional<ScanMessage>& Message() const { return m_message; }

private:
    std::optional<ScanMessage> m_message;
};

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
    ScanResult result;
    result.completed = false;
    return result;
}

int RunExtract(const std::string& documentPath, const std::string& outputDirectory,
               std::ostream& out, std::ostream& err, PictureFiles& disk, FolderReader& folders) {
    DocumentFiles files(disk, folders, OutputFolderUse::AnyFolder);
    MessageKeeper messages;
    PictureScanner scanner(files, messages);
    std::string unexpected;
    ScanResult result = ScanCatching(scanner, documentPath, outputDirectory, unexpected);
    if (!unexpected.empty()) {
        // Only the files can tell what the scan had written.
        result.pictureCount = files.PicturesKept();
        if (result.pictureCount > 0) result.outputDirectory = outputDirectory;
    }
    // The real cause first: the scanner's message names only the kind of failure.
    const std::string& cause = unexpected.empty() ? files.Failure() : unexpected;
    if (!result.completed && !cause.empty())
        err << "velmo-extract: " << documentPath << ": " << cause << '\n';
    if (messages.Message() && !files.OpenFailed())
        err << ScanMessageText(*messages.Message()) << '\n';
    out << ResultLine(result) << '\n';
    return result.completed ? kExtractCompleted : kExtractFailed;
}

int RunExtractCommand(int argc, const char* const argv[], std::ostream& out, std::ostream& err) {
    if (argc != 3 || argv[1][0] == '\0' || argv[2][0] == '\0') {
        err << DocumentUsage();
        return kExtractUsage;
    }
    DocumentDisk disk(DocumentKinds::FilesAndPipes);
    FolderReader folders;
    return RunExtract(argv[1], argv[2], out, err, disk, folders);
}
