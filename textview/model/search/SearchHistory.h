// The search texts used so far, most recent first, shared by every pane's find and replace
// dialogs and stored with the editor options as "Find".
#pragma once

#include <string>
#include <vector>

namespace varnex {

class SearchHistory {
public:
    // More would only lengthen the combo box's list without helping anyone.
    static constexpr int kMaxEntries = 20;
    // The search text a combo box takes at most, in bytes.
    static constexpr int kMaxTextLength = 260;

    static const std::vector<std::string>& Entries();
    // Puts `text` first (moving it up when it is there already); empty texts are not kept and
    // longer ones are cut to kMaxTextLength. Marks the options changed so the list gets saved.
    static void Add(const std::string& text);
    // Replaces the list with stored entries, without marking anything changed.
    static void Restore(std::vector<std::string> entries);
};

} // namespace varnex
