// UniquePictures.h: the pictures a run wrote, known by their bytes, so that
// a picture equal to one of them is not written again.
#pragma once

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

// Shared by every scan of a run, on any thread. A digest only points at the
// files that may hold the same bytes: the caller's comparison decides.
// While one scan writes a picture, another with the same digest waits for
// it, so that the picture is written once whichever scan reaches it first.
class UniquePictures {
public:
    // Whether the file at the path holds exactly the picture's bytes.
    using SameBytes = std::function<bool(const std::string& path)>;

    // The file written before that holds the picture's bytes; else "", and
    // the digest is then the caller's to write under: Written or Abandoned
    // must follow.
    std::string FindOrClaim(const std::string& digest, const SameBytes& sameBytes);
    void Written(const std::string& digest, const std::string& path);
    void Abandoned(const std::string& digest);

private:
    struct Holder {
        std::string path;  // empty while its picture is being written
    };

    void Settle(const std::string& digest, const std::string& path);

    std::mutex m_mutex;
    std::condition_variable m_settled;
    std::map<std::string, std::vector<Holder>> m_holders;
};
