// BenchMain.cpp: velmo-bench, the scanner's speed against a plain copy.
//   velmo-bench generate DOCUMENT MEBIBYTES [SEED]
//   velmo-bench generate-docx DOCUMENT MEBIBYTES [SEED]   (a ZIP package)
//   velmo-bench generate-doc DOCUMENT MEBIBYTES [SEED]    (a compound file)
//   velmo-bench copy DOCUMENT COPY
//   velmo-bench scan DOCUMENT OUTPUT_DIRECTORY
// Each measuring command prints one line "<name> <bytes> <seconds> <MB/s> <peak KB>".
#include "bench/BenchContainers.h"
#include "bench/BenchDocument.h"
#include "recovery/PictureScanner.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

class SilentReporter : public ScanReporter {
public:
    void ReportScanMessage(ScanMessage message) override
    {
        std::cerr << "scan failed: "
                  << (message == ScanMessage::WriteError ? "write error" : "taken file name") << '\n';
    }
};

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void PrintMeasure(const char* name, uint64_t bytes, double seconds)
{
    std::printf("%s %llu %.3f %.1f %ld\n", name, static_cast<unsigned long long>(bytes), seconds,
                bytes / seconds / 1e6, PeakKilobytes());
}

using Writer = BenchDocumentSummary (*)(const std::string& path, uint64_t targetBytes, uint64_t seed);

int Generate(Writer write, const std::string& path, uint64_t mebibytes, uint64_t seed)
{
    BenchDocumentSummary summary = write(path, mebibytes << 20, seed);
    std::printf("generated %llu bytes: %d JPEG and %d PNG pictures, %llu picture bytes\n",
                static_cast<unsigned long long>(summary.documentBytes), summary.jpegCount,
                summary.pngCount, static_cast<unsigned long long>(summary.pictureBytes));
    return 0;
}

// The baseline: read everything, write everything, in large blocks.
int Copy(const std::string& source, const std::string& target)
{
    auto start = std::chrono::steady_clock::now();
    std::FILE* in = std::fopen(source.c_str(), "rb");
    std::FILE* out = std::fopen(target.c_str(), "wb");
    if (in == nullptr || out == nullptr)
        return 1;
    std::vector<char> block(1 << 20);
    uint64_t total = 0;
    size_t got;
    while ((got = std::fread(block.data(), 1, block.size(), in)) > 0) {
        if (std::fwrite(block.data(), 1, got, out) != got)
            return 1;
        total += got;
    }
    std::fclose(in);
    if (std::fclose(out) != 0)
        return 1;
    PrintMeasure("copy", total, SecondsSince(start));
    return 0;
}

int Scan(const std::string& document, const std::string& directory)
{
    auto start = std::chrono::steady_clock::now();
    SilentReporter reporter;
    ScanResult result = ScanDocument(document, directory, reporter);
    double seconds = SecondsSince(start);
    std::FILE* file = std::fopen(document.c_str(), "rb");
    std::fseek(file, 0, SEEK_END);
    uint64_t size = static_cast<uint64_t>(ftello(file));
    std::fclose(file);
    PrintMeasure("scan", size, seconds);
    std::printf("pictures %d\n", result.pictureCount);
    return result.completed ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    std::vector<std::string> args(argv + 1, argv + argc);
    const std::pair<const char*, Writer> writers[] = {{"generate", &WriteBenchDocument},
                                                      {"generate-docx", &WriteBenchPackage},
                                                      {"generate-doc", &WriteBenchCompoundFile}};
    for (const auto& [command, writer] : writers) {
        if (args.size() >= 3 && args[0] == command)
            return Generate(writer, args[1], std::strtoull(args[2].c_str(), nullptr, 10),
                            args.size() > 3 ? std::strtoull(args[3].c_str(), nullptr, 10) : 1);
    }
    if (args.size() == 3 && args[0] == "copy")
        return Copy(args[1], args[2]);
    if (args.size() == 3 && args[0] == "scan")
        return Scan(args[1], args[2]);
    std::cerr << "usage: velmo-bench generate[-docx|-doc] DOCUMENT MEBIBYTES [SEED] | copy DOCUMENT COPY"
                 " | scan DOCUMENT OUTPUT_DIRECTORY\n";
    return 2;
}
