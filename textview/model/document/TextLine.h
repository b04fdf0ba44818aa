// One stored line of a pane: host word, measures, scanner state, style bytes and the text itself.
#pragma once

#include "common/TextEncoding.h"

#include <cstdint>
#include <memory>

namespace varnex {

class LineArena;
class TextLine;

struct TextLineDeleter {
    void operator()(TextLine* line) const;
};

using TextLinePtr = std::unique_ptr<TextLine, TextLineDeleter>;

// Header and text live in one allocation, the text rounded up to a multiple of 16 bytes and
// always followed by a zero byte. A record made in an arena also holds the room for its style
// bytes, since the lines a pane is filled with are styled right after.
class TextLine {
public:
    // Lengths, indents and widths are 16-bit fields; longer values are cut to this.
    static constexpr int kMaxField = 0xFFFF;

    // A record of the first `length` bytes of `text` (at most kMaxField), measured with
    // `tabWidth` and `encoding`. Host word and scan bytes start at 0, style bytes absent.
    static TextLinePtr Make(const std::uint8_t* text, int length, int tabWidth,
                            TextEncoding encoding);
    // The same record in `arena`, which must outlive it.
    static TextLinePtr Make(const std::uint8_t* text, int length, int tabWidth,
                            TextEncoding encoding, LineArena& arena);

    TextLine(const TextLine&) = delete;
    TextLine& operator=(const TextLine&) = delete;

    std::uint32_t hostWord = 0; // the host's own word, kept when the text is replaced
    std::uint8_t scanA = 0;     // syntax scanner state of the line
    std::uint8_t scanB = 0;     // syntax scanner state carried into the next line
    // The host's line was longer than the pane keeps: it goes on past the stored bytes.
    bool goesOn = false;

    int Length() const { return length_; }
    int Indent() const { return indent_; }
    int Width() const { return width_; }
    const std::uint8_t* Text() const { return reinterpret_cast<const std::uint8_t*>(this + 1); }

    // One style index per byte, or null when the line is drawn in the pane's default style.
    const std::uint8_t* Styles() const { return styles_; }
    std::uint8_t* Styles() { return styles_; }
    // The style bytes, made all 0 when the line had none.
    std::uint8_t* EnsureStyles();
    void DropStyles();

    // Measures indent and width again, for a new tab width or encoding.
    void Remeasure(int tabWidth, TextEncoding encoding);

    // Carries over what survives a text replacement: host word and scan bytes.
    void KeepStateOf(const TextLine& previous);

private:
    TextLine(int length, int indent, int width, bool inArena);
    ~TextLine() { DropStyles(); }
    friend struct TextLineDeleter;

    std::uint8_t* TextStart() { return reinterpret_cast<std::uint8_t*>(this + 1); }
    std::uint8_t* StyleRoom();
    void CopyText(const std::uint8_t* text);

    std::uint16_t length_;
    std::uint16_t indent_;
    std::uint16_t width_;
    bool inArena_;            // the record and its style room belong to a LineArena
    bool ownsStyles_ = false; // styles_ was allocated for this line alone
    std::uint8_t* styles_ = nullptr;
};

} // namespace varnex
