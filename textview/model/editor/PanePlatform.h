// What the pane model needs of the window it lives in: the one seam to the toolkit.
#pragma once

#include "textview/model/editor/ScrollState.h"

#include <optional>
#include <string>

namespace varnex {

class PanePlatform {
public:
    virtual ~PanePlatform() = default;

    // Which part of the text the window shows.
    virtual const ScrollState& Scroll() const = 0;
    // Scrolls so that (column, line) is the top left cell, as far as the text allows.
    virtual void ScrollTo(int column, int line) = 0;
    // The platform's information beep for a refused key or edit.
    virtual void Beep() = 0;
    // The clipboard's plain text, as the pane's bytes with "\n" between lines.
    virtual void SetClipboardText(const std::string& bytes) = 0;
    virtual std::optional<std::string> ClipboardText() const = 0;
    // Shows the caret text and the insert-mode mark in the host's status bar (UTF-8).
    virtual void PublishStatus(const std::string& text, const std::string& mode) = 0;
};

} // namespace varnex
