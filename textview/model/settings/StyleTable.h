// The style list of a pane group and the lazily built map from style ids to list positions.
#pragma once

#include "textview/model/settings/TextStyle.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnex {

class StyleTable {
public:
    // Index 0 always exists: "Standard", id 1, window colours.
    static constexpr std::int32_t kStandardId = 1;
    // The selection style that every editing pane adds as index 1.
    static constexpr std::int32_t kSelectionId = 2;
    // AddStyle: with this bit the id is looked up first and only added when it is new.
    static constexpr std::uint32_t kReuseExisting = 0x80000000u;

    StyleTable();

    int Count() const { return static_cast<int>(styles_.size()); }
    const TextStyle* Get(int index) const;
    TextStyle* Get(int index);

    // Appends a style and returns its index. An id already in use is stored as 0, unless
    // the id carries kReuseExisting: then the existing entry's index is returned.
    int Add(std::uint32_t textColour, std::uint32_t background, const std::string& name,
            std::uint32_t id, std::uint32_t fontFlags);
    // Adds "Markierung" (white on blue) when the table holds only "Standard".
    void EnsureSelectionStyle();

    // Index of the style with this id (the last one when several share it), or nothing for
    // ids that no style of the first 255 carries.
    std::optional<int> IndexOfId(int id) const;
    // Index of the last entry carrying `id`; unlike IndexOfId it sees every entry and id.
    std::optional<int> FindId(std::int32_t id) const;

private:
    void BuildIdMap() const;

    std::vector<TextStyle> styles_;
    // index + 1 per id, 0 for unknown ids; built on first use, dropped by every Add.
    mutable std::array<std::uint8_t, 256> idMap_{};
    mutable bool idMapBuilt_ = false;
};

} // namespace varnex
