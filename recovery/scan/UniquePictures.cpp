// UniquePictures.cpp
#include "recovery/scan/UniquePictures.h"

#include <algorithm>

std::string UniquePictures::FindOrClaim(const std::string& digest, const SameBytes& sameBytes) {
    std::unique_lock<std::mutex> lock(m_mutex);
    std::vector<Holder>& holders = m_holders[digest];
    auto writing = [&holders] {
        return std::any_of(holders.begin(), holders.end(),
                           [](const Holder& holder) { return holder.path.empty(); });
    };
    m_settled.wait(lock, [&] { return !writing(); });
    for (const Holder& holder : holders) {
        if (sameBytes(holder.path)) return holder.path;
    }
    holders.push_back(Holder{});
    return std::string();
}

void UniquePictures::Written(const std::string& digest, const std::string& path) {
    Settle(digest, path);
}

void UniquePictures::Abandoned(const std::string& digest) { Settle(digest, std::string()); }

// The claim's holder gets its file, or is dropped when none was written.
void UniquePictures::Settle(const std::string& digest, const std::string& path) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        std::vector<Holder>& holders = m_holders[digest];
        auto claim = std::find_if(holders.begin(), holders.end(),
                                  [](const Holder& holder) { return holder.path.empty(); });
        if (claim == holders.end()) return;
        if (path.empty())
            holders.erase(claim);
        else
            claim->path = path;
    }
    m_settled.notify_all();
}
