// The style list of a pane group and the lazily built map from style ids to list positions.
#include "textview/model/settings/StyleTable.h"

#include <algorithm>

namespace varnex {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlue = 0xFF0000;
// The map keeps index + 1 in a byte.
constexpr int kMappableStyles = 255;

} // namespace

StyleTable::StyleTable() {
    styles_.push_back(TextStyle{kWindowColour, kWindowColour, kStandardId, 0, "Standard"});
}

const TextStyle* StyleTable::Get(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return &styles_[static_cast<std::size_t>(index)];
}

TextStyle* StyleTable::Get(int index) {
    if (index < 0 || index >= Count()) return nullptr;
    return &styles_[static_cast<std::size_t>(index)];
}

int StyleTable::Add(std::uint32_t textColour, std::uint32_t background, const std::string& name,
                    std::uint32_t id, std::uint32_t fontFlags) {
    const bool reuse = (id & kReuseExisting) != 0;
    std::int32_t storedId = static_cast<std::int32_t>(id & ~kReuseExisting);
    if (const std::optional<int> existing = FindId(storedId)) {
        if (reuse) return *existing;
        storedId = 0;
    }
    styles_.push_back(TextStyle{background, textColour, storedId, fontFlags, name});
    idMapBuilt_ = false;
    return Count() - 1;
}

void StyleTable::EnsureSelectionStyle() {
    if (Count() < 2) Add(kWhite, kBlue, "Markierung", kSelectionId, 0);
}

std::optional<int> StyleTable::IndexOfId(int id) const {
    if (id < 0 || id >= static_cast<int>(idMap_.size())) return std::nullopt;
    if (!idMapBuilt_) BuildIdMap();
    const int entry = idMap_[static_cast<std::size_t>(id)];
    if (entry == 0) return std::nullopt;
    return entry - 1;
}

std::optional<int> StyleTable::FindId(std::int32_t id) const {
    for (int index = Count() - 1; index >= 0; --index) {
        if (styles_[static_cast<std::size_t>(index)].id == id) return index;
    }
    return std::nullopt;
}

void StyleTable::BuildIdMap() const {
    idMap_.fill(0);
    const int mapped = std::min(Count(), kMappableStyles);
    for (int index = 0; index < mapped; ++index) {
        const std::int32_t id = styles_[static_cast<std::size_t>(index)].id;
        if (id >= 0 && id < static_cast<int>(idMap_.size())) {
            idMap_[static_cast<std::size_t>(id)] = static_cast<std::uint8_t>(index + 1);
        }
    }
    idMapBuilt_ = true;
}

} // namespace varnex
