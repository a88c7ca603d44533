// ScanTestSupport.cpp
#include "ScanTestSupport.h"

#include "base/FileAccess.h"
#include "recovery/disk/PictureFile.h"
#include "recovery/disk/ScanDisk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

#ifdef _WIN32
#include <process.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

int ProcessNumber() {
#ifdef _WIN32
    return _getpid();
#else
    return getpid();
#endif
}

}  // namespace

std::string ReadBytes(const fs::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream stream(path, std::ios::binary);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!stream) throw std::runtime_error("cannot write " + path.string());
}

std::string Fixture(const std::string& name) {
    std::string bytes = ReadBytes(fs::path(VELMO_TEST_DATA_DIR) / name);
    if (bytes.empty()) throw std::runtime_error("missing fixture " + name);
    return bytes;
}

std::string Document(const std::string& name) { return Fixture("documents/" + name); }

std::string Filler(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
    // A signature's second byte never follows its first one here.
    for (size_t i = 0; i + 1 < bytes.size(); ++i) {
        if ((bytes[i] == '\xFF' && bytes[i + 1] == '\xD8') ||
            (bytes[i] == '\x89' && bytes[i + 1] == 'P'))
            bytes[i + 1] = 'x';
    }
    return bytes;
}

std::string TwoPictureDocument() {
    return Filler(2000) + Fixture("small.jpg") + Filler(300, 2) + Fixture("text-chunk.png") +
           Filler(90, 3);
}

Files FilesIn(const fs::path& directory) {
    Files files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(directory, error)) {
        if (entry.is_regular_file())
            files[entry.path().filename().string()] = ReadBytes(entry.path());
    }
    return files;
}

TestFolder::TestFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    // The process number keeps test runs of several checkouts on one machine apart.
    std::string name = std::string("velmo-recovery-") + std::to_string(ProcessNumber()) + "-" +
                       test->test_suite_name() + "-" + test->name();
    for (char& c : name) {
        if (c == '/' || c == '\\') c = '_';
    }
    m_path = fs::temp_directory_path() / name;
    fs::remove_all(m_path);
    fs::create_directories(m_path);
}

TestFolder::~TestFolder() {
    std::error_code error;
    fs::remove_all(m_path, error);
}

DocumentBuilder& DocumentBuilder::Add(const std::string& bytes) {
    m_bytes += bytes;
    return *this;
}

DocumentBuilder& DocumentBuilder::AddFiller(size_t size, unsigned seed) {
    return Add(Filler(size, seed));
}

DocumentBuilder& DocumentBuilder::FillTo(size_t offset, unsigned seed) {
    if (offset < m_bytes.size()) throw std::logic_error("document already past the offset");
    return AddFiller(offset - m_bytes.size(), seed);
}

fs::path OutputDirectory(const TestFolder& folder) { return folder / "out"; }

namespace {

// The real disk, counting the picture files created on it.
class CountedPictures : public ScanDisk {
public:
    std::unique_ptr<PictureFile> CreatePicture(const std::string& path) override {
        ++made;
        return ScanDisk::CreatePicture(path);
    }
    int made = 0;
};

}  // namespace

ScanOutcome ScanBytes(const TestFolder& folder, const std::string& document, size_t blockSize) {
    fs::path documentPath = folder / "document.doc";
    WriteBytes(documentPath, document);
    RecordingReporter reporter;
    CountedPictures files;
    ScanOutcome outcome;
    outcome.result = PictureScanner(files, reporter, blockSize)
                         .Scan(documentPath.string(), OutputDirectory(folder).string());
    outcome.messages = reporter.messages;
    outcome.directoryExists = fs::is_directory(OutputDirectory(folder));
    outcome.files = FilesIn(OutputDirectory(folder));
    outcome.picturesMade = files.made;
    return outcome;
}

int RunProgram(const std::string& program, const std::string& arguments, const fs::path& out,
               const fs::path& err) {
    std::string path = program;
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '/', '\\');
#endif
    std::string command = "\"" + path + "\" " + arguments + " >\"" + out.string() + "\"";
    if (!err.empty()) command += " 2>\"" + err.string() + "\"";
#ifdef _WIN32
    // cmd.exe drops the outer pair of quotes. The wide call passes every
    // character of the (UTF-8) arguments on.
    return _wsystem(Utf16FromUtf8("\"" + command + "\"").c_str());
#else
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

void TroubledReads::Add(const std::string& fileName, ReadTrouble trouble, uint64_t readable) {
    m_byName[fileName] = {trouble, readable};
}

std::unique_ptr<ByteSource> TroubledReads::OpenDocument(const std::string& path) {
    std::unique_ptr<ByteSource> document = ScanDisk::OpenDocument(path);
    std::lock_guard<std::mutex> lock(m_mutex);
    auto trouble = m_byName.find(fs::u8path(path).filename().u8string());
    if (!document || trouble == m_byName.end()) return document;
    return std::make_unique<TroubledSource>(std::move(document), trouble->second.kind,
                                            trouble->second.readable);
}

size_t MemorySource::ReadAt(uint64_t offset, uint8_t* into, size_t size) {
    if (offset >= m_bytes.size()) return 0;
    size = static_cast<size_t>(std::min<uint64_t>(size, m_bytes.size() - offset));
    if (size > 0) std::memcpy(into, m_bytes.data() + offset, size);
    return size;
}

size_t TroubledSource::ReadAt(uint64_t offset, uint8_t* into, size_t size) {
    const bool crosses = offset + size > m_readable;
    if (crosses && m_trouble == ReadTrouble::ThrowsError)
        throw std::runtime_error("the drive went away");
    if (crosses && m_trouble == ReadTrouble::ThrowsAnything) throw 42;
    if (!crosses) return m_document->ReadAt(offset, into, size);
    m_failed = true;
    return offset < m_readable
               ? m_document->ReadAt(offset, into, static_cast<size_t>(m_readable - offset))
               : 0;
}

std::string TwoBlockDocument() {
    return DocumentBuilder()
        .AddFiller(1000)
        .Add(Fixture("small.jpg"))
        .FillTo(1024 * 1024 - 6000, 2)
        .Add(Fixture("text-chunk.png"))
        .AddFiller(400 * 1024, 3)
        .Bytes();
}
