// Numbers windows by content with a rolling hash, checked key by key.
#include "engine/match/WindowClasses.h"

#include <algorithm>
#include <utility>

namespace varnex {

namespace {

constexpr std::uint64_t kBase = 0x100000001B3ull;

std::uint64_t EndsKey(const MatchKey* window, int w) {
    return (static_cast<std::uint64_t>(window[0]) << 32) | window[w - 1];
}

} // namespace

WindowClasses::WindowClasses(const MatchKey* b, int nB, int w) : w_(w) {
    Classify(b, nB);
    IndexStarts();
}

// A rolling hash finds the candidates; the keys decide.
void WindowClasses::Classify(const MatchKey* x, int n) {
    const int windows = std::max(n - w_ + 1, 0);
    classOfB_.resize(static_cast<std::size_t>(windows));
    if (windows == 0) return;
    std::uint64_t power = 1; // kBase to the power w - 1
    std::uint64_t hash = 0;
    for (int k = 0; k < w_; ++k) {
        hash = hash * kBase + x[k];
        if (k > 0) power *= kBase;
    }
    for (int r = 0;; ++r) {
        classOfB_[static_cast<std::size_t>(r)] = ClassOf(x + r, hash);
        if (r + 1 == windows) break;
        hash = (hash - x[r] * power) * kBase + x[r + w_];
    }
}

int WindowClasses::ClassOf(const MatchKey* window, std::uint64_t hash) {
    const auto [entry, isNew] = firstWithHash_.try_emplace(hash, static_cast<int>(content_.size()));
    if (!isNew) {
        for (int c = entry->second; c >= 0; c = nextWithHash_[static_cast<std::size_t>(c)]) {
            if (std::equal(window, window + w_, content_[static_cast<std::size_t>(c)])) return c;
        }
    }
    const int created = static_cast<int>(content_.size());
    content_.push_back(window);
    nextWithHash_.push_back(isNew ? -1 : entry->second);
    entry->second = created;
    return created;
}

void WindowClasses::IndexStarts() {
    const std::size_t classCount = content_.size();
    bBegin_.assign(classCount + 1, 0);
    for (const int c : classOfB_)
        ++bBegin_[static_cast<std::size_t>(c) + 1];
    std::vector<std::pair<std::uint64_t, int>> byEnds;
    for (std::size_t c = 0; c < classCount; ++c) {
        if (bBegin_[c + 1] > 0) byEnds.emplace_back(EndsKey(content_[c], w_), static_cast<int>(c));
        bBegin_[c + 1] += bBegin_[c];
    }
    std::sort(byEnds.begin(), byEnds.end());
    for (const auto& [ends, c] : byEnds) {
        bClassEnds_.push_back(ends);
        bClasses_.push_back(c);
    }
    std::vector<int> next(bBegin_.begin(), bBegin_.end() - 1);
    bStarts_.resize(classOfB_.size());
    for (std::size_t r = 0; r < classOfB_.size(); ++r)
        bStarts_[static_cast<std::size_t>(next[static_cast<std::size_t>(classOfB_[r])]++)] =
            static_cast<int>(r);
}

std::span<const int> WindowClasses::StartsInB(int c) const {
    const auto begin = static_cast<std::size_t>(bBegin_[static_cast<std::size_t>(c)]);
    const auto end = static_cast<std::size_t>(bBegin_[static_cast<std::size_t>(c) + 1]);
    return {bStarts_.data() + begin, bStarts_.data() + end};
}

std::span<const int> WindowClasses::ClassesInB(MatchKey first, MatchKey last) const {
    const std::uint64_t key = (static_cast<std::uint64_t>(first) << 32) | last;
    const auto [begin, end] = std::equal_range(bClassEnds_.begin(), bClassEnds_.end(), key);
    const auto offset = static_cast<std::size_t>(begin - bClassEnds_.begin());
    return {bClasses_.data() + offset, static_cast<std::size_t>(end - begin)};
}

} // namespace varnex
