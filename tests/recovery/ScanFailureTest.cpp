// ScanFailureTest.cpp: scans that cannot finish, and what they leave on disk.
#include "ScanTestSupport.h"

#include "recovery/disk/PictureFile.h"
#include "recovery/disk/ScanDisk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

std::string ThreePictureDocument() {
    return DocumentBuilder()
        .AddFiller(500)
        .Add(Fixture("jfif-baseline.jpg"))
        .AddFiller(500, 2)
        .Add(Fixture("text-chunk.png"))
        .AddFiller(500, 3)
        .Add(Fixture("exif-thumbnail.jpg"))
        .AddFiller(500, 4)
        .Bytes();
}

// --- A second run, taken names -------------------------------------------

TEST(TakenPicturePath, StopsTheScanWithoutOverwritingAnything) {
    TestFolder folder;
    std::string document = ThreePictureDocument();
    ScanOutcome first = ScanBytes(folder, document);
    ASSERT_EQ(first.result.pictureCount, 3);
    WriteBytes(OutputDirectory(folder) / "1.jpg", "kept");
    Files before = FilesIn(OutputDirectory(folder));

    ScanOutcome second = ScanBytes(folder, document);

    EXPECT_EQ(second.messages, std::vector<ScanMessage>{ScanMessage::DirectoryExists});
    EXPECT_TRUE(second.result.runAborted);
    EXPECT_FALSE(second.result.completed);
    EXPECT_EQ(second.result.pictureCount, 0);
    EXPECT_EQ(second.result.outputDirectory, OutputDirectory(folder).string());
    EXPECT_EQ(second.files, before);
}

TEST(TakenPicturePath, KeepsThePicturesWrittenBeforeIt) {
    TestFolder folder;
    fs::create_directories(OutputDirectory(folder));
    WriteBytes(OutputDirectory(folder) / "2.jpg", "someone else's");

    ScanOutcome outcome = ScanBytes(folder, ThreePictureDocument());

    EXPECT_EQ(outcome.messages, std::vector<ScanMessage>{ScanMessage::DirectoryExists});
    EXPECT_EQ(outcome.result.pictureCount, 2);
    EXPECT_TRUE(outcome.result.runAborted);
    EXPECT_EQ(outcome.files, (Files{{"1.jpg", Fixture("jfif-baseline.jpg")},
                                    {"1.gif", Fixture("text-chunk.png")},
                                    {"2.jpg", "someone else's"}}));
}

// --- Documents that cannot be read, files that cannot be created ----------

TEST(UnreadableDocument, IsAWriteErrorAndWritesNothing) {
    TestFolder folder;
    RecordingReporter reporter;

    ScanResult missing =
        ScanDocument((folder / "missing.doc").string(), OutputDirectory(folder).string(), reporter);
    ScanResult directory =
        ScanDocument(folder.Path().string(), OutputDirectory(folder).string(), reporter);

    EXPECT_EQ(reporter.messages,
              (std::vector<ScanMessage>{ScanMessage::WriteError, ScanMessage::WriteError}));
    for (const ScanResult& result : {missing, directory}) {
        EXPECT_EQ(result.pictureCount, 0);
        EXPECT_EQ(result.outputDirectory, "");
        EXPECT_FALSE(result.completed);
        EXPECT_FALSE(result.runAborted);
    }
    EXPECT_FALSE(fs::exists(OutputDirectory(folder)));
}

TEST(UncreatablePictureFile, IsAWriteErrorAndStopsTheScan) {
    // Only the last level of the output directory is created.
    TestFolder folder;
    fs::path documentPath = folder / "document.doc";
    WriteBytes(documentPath, ThreePictureDocument());
    fs::path outputDirectory = folder / "missing" / "out";
    RecordingReporter reporter;

    ScanResult result = ScanDocument(documentPath.string(), outputDirectory.string(), reporter);

    EXPECT_EQ(reporter.messages, std::vector<ScanMessage>{ScanMessage::WriteError});
    EXPECT_EQ(result.pictureCount, 0);
    EXPECT_EQ(result.outputDirectory, outputDirectory.string());
    EXPECT_FALSE(result.completed);
    EXPECT_FALSE(result.runAborted);
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

// --- Write failures ------------------------------------------------------

// A disk that takes only so many bytes of one picture, or fails to close it.
class FailingPicture : public PictureFile {
public:
    FailingPicture(std::string path, size_t bytesTaken, bool failOnClose)
        : PictureFile(std::move(path)), m_bytesLeft(bytesTaken), m_failOnClose(failOnClose) {}

    bool Write(const uint8_t* data, size_t size) override {
        size_t taken = std::min(size, m_bytesLeft);
        m_bytesLeft -= taken;
        return PictureFile::Write(data, taken) && taken == size;
    }

    bool Close() override { return PictureFile::Close() && !m_failOnClose; }

private:
    size_t m_bytesLeft;
    bool m_failOnClose;
};

class FailingFiles : public ScanDisk {
public:
    FailingFiles(std::string failingName, size_t bytesTaken, bool failOnClose)
        : m_failingName(std::move(failingName)),
          m_bytesTaken(bytesTaken),
          m_failOnClose(failOnClose) {}

    std::unique_ptr<PictureFile> CreatePicture(const std::string& path) override {
        if (fs::path(path).filename() != m_failingName) return ScanDisk::CreatePicture(path);
        auto picture = std::make_unique<FailingPicture>(path, m_bytesTaken, m_failOnClose);
        if (!picture->Create()) return nullptr;
        return picture;
    }

private:
    std::string m_failingName;
    size_t m_bytesTaken;
    bool m_failOnClose;
};

struct WriteFailure {
    const char* name;
    size_t bytesTaken;
    bool failOnClose;
};

void PrintTo(const WriteFailure& failure, std::ostream* out) { *out << failure.name; }

class PictureWriteFailure : public ::testing::TestWithParam<WriteFailure> {};

TEST_P(PictureWriteFailure, RemovesThePartialFileAndStops) {
    TestFolder folder;
    fs::path documentPath = folder / "document.doc";
    WriteBytes(documentPath, ThreePictureDocument());
    FailingFiles files("1.gif", GetParam().bytesTaken, GetParam().failOnClose);
    RecordingReporter reporter;

    ScanResult result = PictureScanner(files, reporter, 1000)
                            .Scan(documentPath.string(), OutputDirectory(folder).string());

    EXPECT_EQ(reporter.messages, std::vector<ScanMessage>{ScanMessage::WriteError});
    EXPECT_EQ(result.pictureCount, 1);
    EXPECT_FALSE(result.completed);
    EXPECT_FALSE(result.runAborted);
    EXPECT_EQ(FilesIn(OutputDirectory(folder)), (Files{{"1.jpg", Fixture("jfif-baseline.jpg")}}));
}

INSTANTIATE_TEST_SUITE_P(Disk, PictureWriteFailure,
                         ::testing::Values(WriteFailure{"NothingWritten", 0, false},
                                           WriteFailure{"WrittenInPart", 5000, false},
                                           WriteFailure{"FailingClose", size_t(-1), true}),
                         [](const ::testing::TestParamInfo<WriteFailure>& info) {
                             return std::string(info.param.name);
                         });

#ifndef _WIN32
// The operating system's own refusal: a file size limit below the picture's size.
TEST(PictureWriteFailure, OnARealDiskLimit) {
    TestFolder folder;
    fs::path documentPath = folder / "document.doc";
    std::string picture = Fixture("text-chunk.png");
    WriteBytes(documentPath, Filler(100) + Fixture("small.jpg") + Filler(100, 2) + picture);
    RecordingReporter reporter;
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limit = previous;
    limit.rlim_cur = 8000;
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);

    ScanResult result =
        ScanDocument(documentPath.string(), OutputDirectory(folder).string(), reporter);

    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(reporter.messages, std::vector<ScanMessage>{ScanMessage::WriteError});
    EXPECT_EQ(result.pictureCount, 1);
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(FilesIn(OutputDirectory(folder)), (Files{{"1.jpg", Fixture("small.jpg")}}));
}
#endif

// A document whose reading fails after so many bytes, as on a bad sector or a
// region another program has locked.
class FailingDocumentFiles : public ScanDisk {
public:
    FailingDocumentFiles(std::string bytes, size_t readable)
        : m_bytes(std::move(bytes)), m_readable(readable) {}

    std::unique_ptr<ByteSource> OpenDocument(const std::string&) override {
        return std::make_unique<TroubledSource>(std::make_unique<MemorySource>(m_bytes),
                                                ReadTrouble::Fails, m_readable);
    }

private:
    std::string m_bytes;
    size_t m_readable;
};

TEST(UnreadableDocument, AReadErrorInsideAPictureRemovesItsFileAndSaysSo) {
    TestFolder folder;
    std::string jpeg = Fixture("small.jpg");
    std::string document = Filler(100) + jpeg + Filler(100, 2) + Fixture("text-chunk.png");
    FailingDocumentFiles files(document, document.size() - 5000);
    RecordingReporter reporter;

    ScanResult result =
        PictureScanner(files, reporter, 1024).Scan("bad.doc", OutputDirectory(folder).string());

    EXPECT_EQ(reporter.messages, std::vector<ScanMessage>{ScanMessage::ReadError});
    EXPECT_EQ(result.pictureCount, 1);
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(FilesIn(OutputDirectory(folder)), (Files{{"1.jpg", jpeg}}));
}

// --- No width limits -----------------------------------------------------

TEST(LongPaths, AnOutputDirectoryBeyondTheOldWidthsWorks) {
    TestFolder folder;
    fs::path parent = folder / std::string(60, 'p') / std::string(60, 'q');
    fs::create_directories(parent);
    fs::path outputDirectory = parent / (std::string(20, 'r') + "REC");
    ASSERT_GT(outputDirectory.string().size(), 150u);
    fs::path documentPath = folder / "document.doc";
    WriteBytes(documentPath, ThreePictureDocument());
    RecordingReporter reporter;

    ScanResult result = ScanDocument(documentPath.string(), outputDirectory.string(), reporter);

    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(result.pictureCount, 3);
    EXPECT_EQ(result.outputDirectory, outputDirectory.string());
    EXPECT_EQ(FilesIn(outputDirectory).size(), 3u);
}

TEST(LargeDocuments, APictureBeyondFourGigabytesIsFound) {
    TestFolder folder;
    fs::path documentPath = folder / "large.doc";
    const uint64_t offset = (uint64_t{1} << 32) + 1021;
    std::string picture = Fixture("jfif-baseline.jpg");
    {
        std::ofstream stream(documentPath, std::ios::binary);
        stream.seekp(static_cast<std::streamoff>(offset));
        stream.write(picture.data(), static_cast<std::streamsize>(picture.size()));
        ASSERT_TRUE(stream.good());
    }
    ASSERT_EQ(fs::file_size(documentPath), offset + picture.size());
    RecordingReporter reporter;

    ScanResult result =
        ScanDocument(documentPath.string(), OutputDirectory(folder).string(), reporter);

    EXPECT_TRUE(result.completed);
    EXPECT_EQ(FilesIn(OutputDirectory(folder)), (Files{{"1.jpg", picture}}));
}

}  // namespace
