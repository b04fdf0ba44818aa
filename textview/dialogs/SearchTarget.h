// What the find, replace and options dialogs ask of the pane they serve. A dialog never searches
// by itself: it sends these commands and shows what comes back.
#pragma once

#include "textview/model/search/Search.h"

#include <QRect>

#include <cstdint>
#include <string>
#include <variant>

namespace varnex {

class SearchTarget {
public:
    // The word-highlight request's flags.
    static constexpr std::uint32_t kHighlightIgnoreCase = 4096;
    static constexpr std::uint32_t kHighlightWholeWords = 16;

    virtual ~SearchTarget() = default;

    // The pane's search flags (SearchFlags bits): replaces the bits of `mask`, returns the word
    // before.
    virtual std::uint32_t SetSearchFlags(std::uint32_t flags, std::uint32_t mask) = 0;
    virtual std::uint32_t CurrentSearchFlags() const = 0;
    // How the pane shows its bytes: search texts are bytes in this encoding.
    virtual TextEncoding Encoding() const = 0;
    // Searches `text` (bytes in the pane's encoding) with the pane's flags; a hit becomes the
    // selection and is scrolled into view. `continuing` searches on from the last hit even when the
    // flags ask for the whole text.
    virtual SearchOutcome Search(const std::string& text, bool continuing) = 0;
    // Replaces the hit the last search selected; false when it is no longer selected.
    virtual bool ReplaceFound(const std::string& replacement) = 0;
    // Replaces every match in the whole text or in the selection as one undo step: the count,
    // or the pattern's error.
    virtual std::variant<int, PatternError>
    ReplaceAll(const std::string& text, const std::string& replacement, bool inSelection) = 0;
    // The word the pane marks; flags kHighlightIgnoreCase | kHighlightWholeWords.
    virtual void SetWordHighlight(std::uint32_t flags, const std::string& word) = 0;
    // The process-wide editor options (EditOptions bits) and the tab width, applied to every
    // pane.
    virtual void SetEditOptions(std::uint32_t options, std::uint32_t mask) = 0;
    virtual void SetTabWidth(int columns) = 0;
    // Writes the options, tab width, search history and registers to the settings now, so that
    // what the user chose outlives a crash or a logout; false when they could not be written
    // (the user has then been told why).
    virtual bool SaveOptions() = 0;
    // False when the host keeps the pane's line-number margin whatever the options say.
    virtual bool MarginFollowsOptions() const = 0;
    // The hit's row (the caret's row) in global screen coordinates, for moving a dialog out of
    // its way.
    virtual QRect HitRowOnScreen() const = 0;
    virtual bool HasSelection() const = 0;
    virtual void Beep() = 0;
};

} // namespace varnex
