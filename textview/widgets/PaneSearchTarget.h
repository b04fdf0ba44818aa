// The pane as its dialogs see it: search, replace, word highlight, options and tab width go to
// the pane's editor and the pane repaints after each.
#pragma once

#include "textview/dialogs/SearchTarget.h"

namespace varnex {

class CAnsiEditView;

class PaneSearchTarget : public SearchTarget {
public:
    explicit PaneSearchTarget(CAnsiEditView& pane) : pane_(pane) {}

    std::uint32_t SetSearchFlags(std::uint32_t flags, std::uint32_t mask) override;
    std::uint32_t CurrentSearchFlags() const override;
    TextEncoding Encoding() const override;
    SearchOutcome Search(const std::string& text, bool continuing) override;
    bool ReplaceFound(const std::string& replacement) override;
    std::variant<int, PatternError>
    ReplaceAll(const std::string& text, const std::string& replacement, bool inSelection) override;
    void SetWordHighlight(std::uint32_t flags, const std::string& word) override;
    void SetEditOptions(std::uint32_t options, std::uint32_t mask) override;
    void SetTabWidth(int columns) override;
    bool SaveOptions() override;
    bool MarginFollowsOptions() const override;
    QRect HitRowOnScreen() const override;
    bool HasSelection() const override;
    void Beep() override;

private:
    CAnsiEditView& pane_;
};

} // namespace varnex
