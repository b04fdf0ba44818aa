// The loader's line styler: a scanning "Text" pane model styling each line by the file type's
// syntax.
#pragma once

#include "engine/load/LineStyler.h"
#include "textview/model/document/PaneModel.h"

#include <bitset>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace varnex {

// The scanning pane never shows anything, so it is a pane model without a window.
class PaneLineStyler : public LineStyler {
public:
    static constexpr unsigned kMaxLineLength = 2048;
    static constexpr const char* kResourceName = "Text";
    // Shared with the maker's editor, so both colour a file type alike.
    static constexpr const char* kSettingsPath = "Software\\Tamsel\\Scribent\\Text";

    // Builds the pane and reads its settings, machine-wide first, then the user's.
    PaneLineStyler();

    int StyleCount() const override;
    StyleLook GetStyleLook(int index) const override;
    bool SetSyntax(const std::string& fileTypeKey) override;
    void StyleLine(const std::uint8_t* text, int line, int length,
                   std::vector<std::uint8_t>& styles) override;
    void Clear() override;

    // The ids of the styles the configurations chosen so far draw with; empty while no file
    // type had one.
    const std::set<std::int32_t>& UsedStyleIds() const { return usedStyleIds_; }
    // The bracket pairs of the first configuration chosen so far that has any. Kept apart from
    // the scanning pane, which forgets its configuration when the loader clears it.
    const std::optional<BracketRules>& Brackets() const { return brackets_; }

private:
    void RememberUsed(const std::bitset<256>& used);

    PaneModel pane_;
    std::set<std::int32_t> usedStyleIds_;
    std::optional<BracketRules> brackets_;
};

} // namespace varnex
