// CandidateStore.h: every sight of a picture a document's views gave, kept
// as small records in place order, and spilled to a temporary file once
// there are too many to hold.
#pragma once

#include "recovery/bytes/ByteSource.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

// What tells a candidate's bytes: a container's record that holds a picture
// (its length known), a start signature whose structure walked whole, or one
// whose structure broke.
enum class Evidence { Broken, Whole, Record };

// One sight of a picture, of a fixed small size: a document may hold a
// flood of them. What is shared between many (the view, its name, a file
// header the document left out) is kept once, elsewhere, by number.
struct Candidate {
    FilePlace place;     // where its first byte lies in the document file
    uint64_t start = 0;  // its bytes in its view: [start, end)
    uint64_t end = 0;
    // The offset told to the user, in the named view: of the picture, or of
    // the record that holds it.
    uint64_t originOffset = 0;
    uint32_t view = 0;    // the view its bytes are read from
    uint32_t name = 0;    // the name of the view the user is told of
    uint32_t header = 0;  // 1 + the number of its file header; 0 for none
    uint32_t kind : 4;
    uint32_t rank : 8;  // ViewRank of the view it was found in
    uint32_t evidence : 2;
    // Its own structure walked whole: a record's picture read across a
    // break of its stream's chain is kept whole only then.
    uint32_t walkedWhole : 1;
    uint32_t cutAtBreak : 1;  // what is left of one read across a break
    uint32_t originIsRecord : 1;

    Candidate() : kind(0), rank(0), evidence(0), walkedWhole(0), cutAtBreak(0), originIsRecord(0) {}
    Evidence Told() const { return static_cast<Evidence>(evidence); }
    // How well it is told, as one number: by its evidence, then by the rank
    // of its view.
    int Telling() const { return static_cast<int>(evidence) * 256 + static_cast<int>(rank); }
};

// Of two candidates at one place, whether a is the better told. At a tie the
// one found first stays.
inline bool BetterTold(const Candidate& a, const Candidate& b) { return a.Telling() > b.Telling(); }

// Keeps one candidate per place, the best told. New candidates join sorted
// runs that merge as they grow, so that each is moved a few times only; past
// a fixed count the runs go to a temporary file and memory stays the same
// whatever the number of candidates.
class CandidateStore {
public:
    explicit CandidateStore(size_t mostInMemory = kMostInMemory);
    CandidateStore(const CandidateStore&) = delete;
    CandidateStore& operator=(const CandidateStore&) = delete;

    void Add(const Candidate& candidate);
    // Lets change alter the candidate that holds the place, and keeps what it
    // did when it returns true; false when no candidate holds the place.
    bool ChangeHolder(const FilePlace& place, const std::function<bool(Candidate&)>& change);
    // The holder of every place, in place order, until each returns false;
    // false when one did.
    bool ForEachHolder(const std::function<bool(const Candidate&)>& each);

    static constexpr size_t kMostInMemory = 16384;

private:
    struct FileRun {
        uint64_t first;  // the number of its first record in the file
        uint64_t count;
    };
    class RunReader;

    // Where the run in memory ends: where the next begins.
    size_t RunEnd(size_t run) const;
    // Whether the newest run is as long as the one before it.
    bool LastRunCaughtUp() const;
    void MergeLastRuns();
    void Spill();
    bool ReadRecord(uint64_t number, Candidate& candidate);
    bool WriteRecord(uint64_t number, const Candidate& candidate);

    size_t m_mostInMemory;
    std::vector<Candidate> m_memory;  // sorted runs, oldest first
    std::vector<size_t> m_runStarts;
    struct CloseFile {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, CloseFile> m_file;
    bool m_fileFailed = false;        // no temporary file to be had: all stays in memory
    std::vector<FileRun> m_fileRuns;  // oldest first
    uint64_t m_fileRecords = 0;
};
