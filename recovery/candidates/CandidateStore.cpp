// CandidateStore.cpp
#include "recovery/candidates/CandidateStore.h"

#include "base/FileAccess.h"

#include <algorithm>
#include <climits>
#include <queue>

namespace {

bool ByPlace(const Candidate& a, const Candidate& b) { return a.place < b.place; }

// The file stays within what a long offset reaches on every system.
bool SeekTo(std::FILE* file, uint64_t offset) {
    return offset <= static_cast<uint64_t>(LONG_MAX) &&
           std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0;
}

}  // namespace

// Reads a run in place order, from memory or, a few records at a time, from the file.
class CandidateStore::RunReader {
public:
    RunReader(const Candidate* records, size_t count) : m_memory(records), m_left(count) {}
    RunReader(CandidateStore& store, const FileRun& run)
        : m_store(&store), m_next(run.first), m_left(run.count) {}

    // The candidate at the cursor; false at the run's end or when the file fails.
    bool Look(const Candidate*& candidate) {
        if (m_memory != nullptr) {
            if (m_left == 0) return false;
            candidate = m_memory;
            return true;
        }
        if (m_at == m_block.size() && !Fill()) return false;
        candidate = &m_block[m_at];
        return true;
    }
    void Next() {
        if (m_memory != nullptr) {
            ++m_memory;
            --m_left;
        } else {
            ++m_at;
        }
    }

private:
    static constexpr size_t kBlock = 64;

    bool Fill() {
        if (m_left == 0) return false;
        m_block.resize(static_cast<size_t>(std::min<uint64_t>(kBlock, m_left)));
        std::FILE* file = m_store->m_file.get();
        if (!SeekTo(file, m_next * sizeof(Candidate)) ||
            std::fread(m_block.data(), sizeof(Candidate), m_block.size(), file) != m_block.size())
            return false;
        m_next += m_block.size();
        m_left -= m_block.size();
        m_at = 0;
        return true;
    }

    const Candidate* m_memory = nullptr;
    CandidateStore* m_store = nullptr;
    uint64_t m_next = 0;
    uint64_t m_left = 0;
    std::vector<Candidate> m_block;
    size_t m_at = 0;
};

CandidateStore::CandidateStore(size_t mostInMemory) : m_mostInMemory(mostInMemory) {}

size_t CandidateStore::RunEnd(size_t run) const {
    return run + 1 < m_runStarts.size() ? m_runStarts[run + 1] : m_memory.size();
}

bool CandidateStore::LastRunCaughtUp() const {
    const size_t last = m_runStarts.size() - 1;
    return RunEnd(last) - m_runStarts[last] >= m_runStarts[last] - m_runStarts[last - 1];
}

// A view is searched forward, so a candidate mostly comes after the last:
// it joins the newest run, else it starts one. Like a binary counter, a run
// merges with the one before while it is as long, so that runs halve in
// length from the oldest on.
void CandidateStore::Add(const Candidate& candidate) {
    if (m_runStarts.empty() || candidate.place < m_memory.back().place) {
        m_runStarts.push_back(m_memory.size());
        m_memory.push_back(candidate);
    } else if (candidate.place == m_memory.back().place) {
        if (BetterTold(candidate, m_memory.back())) m_memory.back() = candidate;
    } else {
        m_memory.push_back(candidate);
    }
    while (m_runStarts.size() >= 2 && LastRunCaughtUp()) MergeLastRuns();
    if (m_memory.size() >= m_mostInMemory && !m_fileFailed) Spill();
}

// Equal places keep their order in a merge: of two at one place, the older
// comes first and stays unless the newer is better told.
void CandidateStore::MergeLastRuns() {
    const size_t older = m_runStarts[m_runStarts.size() - 2];
    const auto first = m_memory.begin() + static_cast<std::ptrdiff_t>(older);
    std::inplace_merge(first, m_memory.begin() + static_cast<std::ptrdiff_t>(m_runStarts.back()),
                       m_memory.end(), ByPlace);
    auto kept = first;
    for (auto next = first + 1; next != m_memory.end(); ++next) {
        if (!(kept->place == next->place))
            *++kept = *next;
        else if (BetterTold(*next, *kept))
            *kept = *next;
    }
    m_memory.erase(kept + 1, m_memory.end());
    m_runStarts.pop_back();
}

void CandidateStore::Spill() {
    if (!m_file) m_file.reset(OpenTemporaryFile());
    while (m_runStarts.size() >= 2) MergeLastRuns();
    const uint64_t end = (m_fileRecords + m_memory.size()) * sizeof(Candidate);
    if (!m_file || end > static_cast<uint64_t>(LONG_MAX) ||
        !SeekTo(m_file.get(), m_fileRecords * sizeof(Candidate)) ||
        std::fwrite(m_memory.data(), sizeof(Candidate), m_memory.size(), m_file.get()) !=
            m_memory.size()) {
        // Without a file the candidates stay where they are, as many as they are.
        m_fileFailed = true;
        return;
    }
    m_fileRuns.push_back(FileRun{m_fileRecords, m_memory.size()});
    m_fileRecords += m_memory.size();
    m_memory.clear();
    m_runStarts.clear();
}

bool CandidateStore::ReadRecord(uint64_t number, Candidate& candidate) {
    return SeekTo(m_file.get(), number * sizeof(Candidate)) &&
           std::fread(&candidate, sizeof candidate, 1, m_file.get()) == 1;
}

bool CandidateStore::WriteRecord(uint64_t number, const Candidate& candidate) {
    return SeekTo(m_file.get(), number * sizeof(Candidate)) &&
           std::fwrite(&candidate, sizeof candidate, 1, m_file.get()) == 1;
}

// Each run holds a place once at most; of the runs that hold it, the holder
// is the best told, the oldest at a tie.
bool CandidateStore::ChangeHolder(const FilePlace& place,
                                  const std::function<bool(Candidate&)>& change) {
    Candidate holder;
    bool found = false;
    uint64_t holderRecord = 0;
    Candidate* holderInMemory = nullptr;
    auto consider = [&](const Candidate& candidate) {
        if (found && !BetterTold(candidate, holder)) return false;
        holder = candidate;
        found = true;
        return true;
    };
    for (const FileRun& run : m_fileRuns) {
        uint64_t low = run.first, high = run.first + run.count;
        Candidate middle;
        while (low < high) {
            uint64_t at = low + (high - low) / 2;
            if (!ReadRecord(at, middle)) return false;
            if (middle.place < place)
                low = at + 1;
            else
                high = at;
        }
        if (low < run.first + run.count && ReadRecord(low, middle) && middle.place == place &&
            consider(middle))
            holderRecord = low;
    }
    Candidate key;
    key.place = place;
    for (size_t run = 0; run < m_runStarts.size(); ++run) {
        Candidate* end = m_memory.data() + RunEnd(run);
        Candidate* at = std::lower_bound(m_memory.data() + m_runStarts[run], end, key, ByPlace);
        if (at != end && at->place == place && consider(*at)) holderInMemory = at;
    }
    if (!found || !change(holder)) return false;
    if (holderInMemory != nullptr) {
        *holderInMemory = holder;
        return true;
    }
    return WriteRecord(holderRecord, holder);
}

bool CandidateStore::ForEachHolder(const std::function<bool(const Candidate&)>& each) {
    std::vector<RunReader> runs;
    for (const FileRun& run : m_fileRuns) runs.emplace_back(*this, run);
    for (size_t run = 0; run < m_runStarts.size(); ++run)
        runs.emplace_back(m_memory.data() + m_runStarts[run], RunEnd(run) - m_runStarts[run]);
    // The next place of every run, the oldest run first at a tie.
    struct Head {
        const Candidate* candidate;
        size_t run;
    };
    auto later = [](const Head& a, const Head& b) {
        return b.candidate->place < a.candidate->place ||
               (a.candidate->place == b.candidate->place && a.run > b.run);
    };
    std::priority_queue<Head, std::vector<Head>, decltype(later)> heads(later);
    auto advance = [&](size_t run) {
        const Candidate* candidate;
        if (runs[run].Look(candidate)) heads.push(Head{candidate, run});
    };
    for (size_t run = 0; run < runs.size(); ++run) advance(run);
    Candidate holder;
    bool holding = false;
    while (!heads.empty()) {
        Head head = heads.top();
        heads.pop();
        if (holding && !(head.candidate->place == holder.place)) {
            if (!each(holder)) return false;
            holding = false;
        }
        if (!holding || BetterTold(*head.candidate, holder)) holder = *head.candidate;
        holding = true;
        runs[head.run].Next();
        advance(head.run);
    }
    return !holding || each(holder);
}
