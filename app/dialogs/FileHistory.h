// The history list of one of the open-files dialog's fields, kept in the program's settings.
#pragma once

#include "engine/Side.h"

#include <cstddef>
#include <string>
#include <vector>

namespace varnex {

class FileHistory {
public:
    // Enough to find recent files again without the list growing into a long scroll.
    static constexpr std::size_t kMaxEntries = 16;

    // `valueName` is the value under the program's key that holds the list ("File1", "File2").
    explicit FileHistory(std::string valueName) : valueName_(std::move(valueName)) {}
    // The list of the field for the file of `side`.
    static FileHistory OfSide(Side side);

    // Most recent first.
    std::vector<std::string> Entries() const;
    // Puts `text` in front, dropping an equal older entry and what falls beyond kMaxEntries.
    // An empty text is not recorded.
    void Add(const std::string& text) const;

private:
    std::string valueName_;
};

} // namespace varnex
