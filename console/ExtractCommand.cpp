// ExtractCommand.cpp
#include "console/ExtractCommand.h"

#include "recovery/PictureScanner.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char kWriteErrorText[] = "Error writing file. Quit any application that might use the file!";
const char kDirectoryExistsText[] =
    "Images directory already exists!! Process aborted for recovery of images.. Set the path for "
    "recovered images directory in settings as described in help!";
const char kNoPictureText[] = " No image recovered";
const char kPicturesStoredFormat[] = "( %d )image(s) recovered stored in directory %s!";
const char kUsageText[] = "usage: velmo-extract DOCUMENT OUTPUT_DIRECTORY";

class StreamReporter : public ScanReporter {
public:
    explicit StreamReporter(std::ostream& err) : m_err(err) {}

    void ReportScanMessage(ScanMessage message) override
    {
        m_err << (message == ScanMessage::WriteError ? kWriteErrorText : kDirectoryExistsText)
              << '\n';
    }

private:
    std::ostream& m_err;
};

std::string ResultLine(const ScanResult& result)
{
    if (result.pictureCount == 0)
        return kNoPictureText;
    int size = std::snprintf(nullptr, 0, kPicturesStoredFormat, result.pictureCount,
                             result.outputDirectory.c_str());
    std::vector<char> line(size + 1);
    std::snprintf(line.data(), line.size(), kPicturesStoredFormat, result.pictureCount,
                  result.outputDirectory.c_str());
    return line.data();
}

} // namespace

int RunExtractCommand(int argc, const char* const argv[], std::ostream& out, std::ostream& err)
{
    if (argc != 3 || argv[1][0] == '\0' || argv[2][0] == '\0') {
        err << kUsageText << '\n';
        return kExtractUsage;
    }
    StreamReporter reporter(err);
    ScanResult result = ScanDocument(argv[1], argv[2], reporter);
    out << ResultLine(result) << '\n';
    return result.completed ? kExtractCompleted : kExtractFailed;
}
