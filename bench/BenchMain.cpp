// BenchMain.cpp: velmo-bench, the scanner's speed against the least any
// extractor must do.
//   velmo-bench generate DOCUMENT MEBIBYTES [SEED]
//   velmo-bench generate-docx DOCUMENT MEBIBYTES [SEED]   (a ZIP package)
//   velmo-bench generate-doc DOCUMENT MEBIBYTES [SEED]    (a compound file)
//   velmo-bench generate-back-to-back DOCUMENT MEBIBYTES [SEED]   (small JPEGs only)
//   velmo-bench read DOCUMENT                        read it all, keep nothing
//   velmo-bench floor DOCUMENT OUTPUT_DIRECTORY PICTURES PICTURE_BYTES
//                                                    read it all, write that much
//   velmo-bench scan DOCUMENT OUTPUT_DIRECTORY
// Each measuring command prints one line "<name> <bytes> <seconds> <MB/s> <peak KB>".
#include "bench/BenchContainers.h"
#include "bench/BenchDocument.h"
#include "recovery/scan/PictureScanner.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

namespace {

class SilentReporter : public ScanReporter {
public:
    void ReportScanMessage(ScanMessage message) override {
        std::cerr << "scan failed: "
                  << (message == ScanMessage::WriteError ? "write error" : "taken file name")
                  << '\n';
    }
};

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void PrintMeasure(const char* name, uint64_t bytes, double seconds) {
    std::printf("%s %llu %.3f %.1f %ld\n", name, static_cast<unsigned long long>(bytes), seconds,
                bytes / seconds / 1e6, PeakKilobytes());
}

using Writer = BenchDocumentSummary (*)(const std::string& path, uint64_t targetBytes,
                                        uint64_t seed);

int Generate(Writer write, const std::string& path, uint64_t mebibytes, uint64_t seed) {
    BenchDocumentSummary summary = write(path, mebibytes << 20, seed);
    std::printf("generated %llu bytes: %d JPEG and %d PNG pictures, %llu picture bytes\n",
                static_cast<unsigned long long>(summary.documentBytes), summary.jpegCount,
                summary.pngCount, static_cast<unsigned long long>(summary.pictureBytes));
    return 0;
}

int Read(const std::string& document) {
    auto start = std::chrono::steady_clock::now();
    std::FILE* in = std::fopen(document.c_str(), "rb");
    if (in == nullptr) return 1;
    std::setvbuf(in, nullptr, _IONBF, 0);
    std::vector<char> block(1 << 20);
    uint64_t total = 0;
    size_t got;
    while ((got = std::fread(block.data(), 1, block.size(), in)) > 0) total += got;
    std::fclose(in);
    PrintMeasure("read", total, SecondsSince(start));
    return 0;
}

// The floor: the document read once in large blocks, and as many bytes as
// its pictures hold written from those blocks into as many numbered files,
// of equal size. No search, no walk: what any extractor must do at least.
int Floor(const std::string& document, const std::string& directory, uint64_t pictures,
          uint64_t pictureBytes) {
    auto start = std::chrono::steady_clock::now();
    std::FILE* in = std::fopen(document.c_str(), "rb");
    if (in == nullptr || pictures == 0 || mkdir(directory.c_str(), 0777) != 0) return 1;
    std::setvbuf(in, nullptr, _IONBF, 0);
    std::vector<char> block(1 << 20);
    const uint64_t share = pictureBytes / pictures;
    uint64_t written = 0;
    uint64_t total = 0;
    uint64_t number = 0;
    std::FILE* out = nullptr;
    size_t got;
    while ((got = std::fread(block.data(), 1, block.size(), in)) > 0) {
        total += got;
        for (size_t used = 0; used < got && number < pictures;) {
            if (out == nullptr) {
                ++number;
                std::string name = std::to_string(number) + (number % 2 != 0 ? ".jpg" : ".gif");
                out = std::fopen((directory + "/" + name).c_str(), "wb");
                if (out == nullptr) return 1;
                written = 0;
            }
            uint64_t size = number == pictures ? pictureBytes - share * (pictures - 1) : share;
            size_t piece = static_cast<size_t>(std::min<uint64_t>(size - written, got - used));
            if (std::fwrite(block.data() + used, 1, piece, out) != piece) return 1;
            used += piece;
            written += piece;
            if (written == size) {
                if (std::fclose(out) != 0) return 1;
                out = nullptr;
            }
        }
    }
    std::fclose(in);
    if (out != nullptr && std::fclose(out) != 0) return 1;
    PrintMeasure("floor", total, SecondsSince(start));
    return 0;
}

int Scan(const std::string& document, const std::string& directory) {
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

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const std::pair<const char*, Writer> writers[] = {
        {"generate", &WriteBenchDocument},
        {"generate-docx", &WriteBenchPackage},
        {"generate-doc", &WriteBenchCompoundFile},
        {"generate-back-to-back", &WriteBackToBackDocument}};
    for (const auto& [command, writer] : writers) {
        if (args.size() >= 3 && args[0] == command)
            return Generate(writer, args[1], std::strtoull(args[2].c_str(), nullptr, 10),
                            args.size() > 3 ? std::strtoull(args[3].c_str(), nullptr, 10) : 1);
    }
    if (args.size() == 2 && args[0] == "read") return Read(args[1]);
    if (args.size() == 5 && args[0] == "floor")
        return Floor(args[1], args[2], std::strtoull(args[3].c_str(), nullptr, 10),
                     std::strtoull(args[4].c_str(), nullptr, 10));
    if (args.size() == 3 && args[0] == "scan") return Scan(args[1], args[2]);
    std::cerr
        << "usage: velmo-bench generate[-docx|-doc|-back-to-back] DOCUMENT MEBIBYTES [SEED] | read DOCUMENT"
           " | floor DOCUMENT OUTPUT_DIRECTORY PICTURES PICTURE_BYTES"
           " | scan DOCUMENT OUTPUT_DIRECTORY\n";
    return 2;
}
