// What the loader needs of a scanning text pane: syntax styles for each line of a file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varnex {

// Text colour (0x00BBGGRR, -1 = window default) and font flags of one syntax style.
struct StyleLook {
    std::uint32_t textColour = 0xFFFFFFFFu;
    int fontFlags = 0;
};

class LineStyler {
public:
    virtual ~LineStyler() = default;
    // Number of syntax styles n; every index the styler reports is below n.
    virtual int StyleCount() const = 0;
    virtual StyleLook GetStyleLook(int index) const = 0;
    // Chooses the syntax configuration for the next file by its file type key. False when the
    // file would get style 0 throughout, so that the loader need not hand over its lines.
    virtual bool SetSyntax(const std::string& fileTypeKey) = 0;
    // Takes line number `line` and returns one style index per character the styler kept.
    virtual void StyleLine(const std::uint8_t* text, int line, int length,
                           std::vector<std::uint8_t>& styles) = 0;
    // Forgets the lines of the file just styled.
    virtual void Clear() = 0;
};

} // namespace varnex
