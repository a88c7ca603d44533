// ExtractCommand.cpp
#include "console/ExtractCommand.h"

#include "lang/ScanMessageTexts.h"
#include "lang/Texts.h"

namespace {

const char kUsageText[] = "usage: velmo-extract DOCUMENT OUTPUT_DIRECTORY";

class StreamReporter : public ScanReporter {
public:
    explicit StreamReporter(std::ostream& err) : m_err(err) {}

    void ReportScanMessage(ScanMessage message) override {
        m_err << ScanMessageText(message) << '\n';
    }

private:
    std::ostream& m_err;
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

int RunExtractCommand(int argc, const char* const argv[], std::ostream& out, std::ostream& err) {
    if (argc != 3 || argv[1][0] == '\0' || argv[2][0] == '\0') {
        err << kUsageText << '\n';
        return kExtractUsage;
    }
    StreamReporter reporter(err);
    ScanResult result = ScanDocument(argv[1], argv[2], reporter);
    out << ResultLine(result) << '\n';
    return result.completed ? kExtractCompleted : kExtractFailed;
}
