// One pane's text without a window: lines, styles, syntax state and the host operations.
#pragma once

#include "common/TextEncoding.h"
#include "textview/model/document/LineTable.h"
#include "textview/model/document/PaneLimits.h"
#include "textview/model/document/PendingRepaint.h"
#include "textview/model/settings/PaneResources.h"
#include "textview/model/settings/StyleSettings.h"
#include "textview/model/syntax/SyntaxScanner.h"

#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace varnex {

// Encoding flags of SetLine: the text handed in is UTF-8 or UTF-16LE, each character stored as
// one Windows-1252 byte (common/Unicode's narrowing). Without them the bytes are stored as
// they are.
inline constexpr int kTextUtf8 = 0x400;
inline constexpr int kTextUtf16 = 0x800;

// What a host may watch of the text: restyled lines, inserted lines, deleted lines.
struct DocumentHooks {
    std::function<void(int line)> stylesRecomputed;
    std::function<void(int first, int count)> linesInserted;
    // Also when every line was cleared.
    std::function<void(int first, int count)> linesDeleted;
};

class PaneModel {
public:
    // Construct option: SetLineStyles works only with it.
    static constexpr std::uint8_t kPerCharacterStyles = 0x1;

    PaneModel(unsigned maxLineLength, int maxLineCount, std::uint8_t options,
              const std::string& resourceName);
    ~PaneModel();

    PaneResources& Resources() { return *resources_; }
    const PaneResources& Resources() const { return *resources_; }
    const PaneLimits& Limits() const { return limits_; }

    void SetSettingsPath(std::optional<std::string> path) { settingsPath_ = std::move(path); }
    // A pane keeps settings under its settings path or its group's resource name.
    bool KeepsSettings() const;
    void SetHooks(DocumentHooks hooks) { hooks_ = std::move(hooks); }
    const std::optional<std::string>& SettingsPath() const { return settingsPath_; }
    // Where the group's font and styles are kept for `section`.
    std::string StylePath(const std::string& section) const;
    // Where the editor options and tab width are kept for `name`.
    std::string OptionsPath(const std::string& name) const;
    // Reads the group's font and styles from the machine-wide or the user's hive.
    StyleLoadResult LoadStyles(const std::string& section, bool machineWide);

    // Chooses the syntax configuration `name`, or switches colouring off with nothing or an
    // unknown name. Either way every line loses its style bytes and its carried scan state.
    void SetSyntax(const std::optional<std::string>& name);
    bool SyntaxActive() const { return scanner_ != nullptr; }
    // The style indices the active configuration draws with; nothing without one.
    std::optional<std::bitset<256>> UsedStyles() const;
    // The active configuration's bracket pairs; nothing without one or when it has none.
    std::optional<varnex::BracketRules> BracketRules() const;

    int AddStyle(std::uint32_t textColour, std::uint32_t background, const std::string& name,
                 std::uint32_t id, std::uint32_t fontFlags);
    // The style at `index`, or null when there is none.
    const TextStyle* GetStyle(int index) const { return resources_->Styles().Get(index); }

    // Appends (index at or past the count) or replaces a line; returns its index or -1. The text
    // is cut to the maximum line length where a character ends, and the line marked as going
    // on (TextLine::goesOn); under kTextUtf8 (decoded leniently, so a byte that
    // starts no sequence stays itself) or kTextUtf16 it is narrowed to 8-bit text first.
    int SetLine(const std::uint8_t* text, int index, int length, int encodingFlags);
    // Gives line `index` one style per character by id; false when refused or when an id was
    // unknown.
    bool SetLineStyles(int index, const std::uint8_t* ids, int count, int defaultId, int stride);
    // Removes every line and switches colouring off; returns the modified flag and resets it.
    bool Clear();

    // Editing: a new line before line `index` (at most the count); false at the line limit.
    bool InsertLine(int index, const std::uint8_t* text, int length);
    // Editing: removes `count` lines from `first` on.
    void DeleteLines(int first, int count);

    int LineCount() const { return lines_.Count(); }
    const TextLine* GetLine(int index) const;
    // Display width of line `index`; 0 for a line that does not exist (past the last line).
    int LineWidth(int index) const;
    // The same line for its host word, which belongs to the host.
    TextLine* GetLine(int index);
    const LineTable& Lines() const { return lines_; }
    bool Modified() const { return modified_; }
    // Changes whenever a line's text, the line count or the encoding changes (styles do not
    // count), so that what is derived from the text knows when to count again.
    std::uint64_t TextRevision() const { return textRevision_; }
    // Widest line (in columns) stored since the last Clear.
    int WidestLine() const { return widestLine_; }
    // Lays every line out again when the tab width changed since, and marks the pane for
    // repainting.
    void Remeasure();

    // How the bytes become characters on screen and for the caret; the bytes and their style
    // bytes stay as they are. Another encoding lays every line out again and marks the pane for
    // repainting.
    void SetEncoding(TextEncoding encoding);
    TextEncoding Encoding() const { return encoding_; }

    // Style id of a multi-byte character whose bytes carry different ids: rule(first byte's
    // id, first differing id); without a rule the first byte's id.
    using MixedStyleRule = std::function<std::uint8_t(std::uint8_t firstId, std::uint8_t otherId)>;
    void SetMixedStyleRule(MixedStyleRule rule) { mixedStyleRule_ = std::move(rule); }
    // The style index a character is drawn with, from the style bytes of its `bytes` bytes.
    std::uint8_t CharStyleIndex(const std::uint8_t* styles, int bytes) const;

    // -1 while a syntax configuration colours the text, else 0.
    int DefaultStyleId() const { return scanner_ ? -1 : 0; }
    // Style index of characters without style bytes.
    int DefaultStyleIndex() const;

    // Lines the window shows; only those are marked for repainting.
    void SetVisibleLines(int first, int count);
    int VisibleFirst() const { return visibleFirst_; }
    int VisibleCount() const { return visibleCount_; }
    PendingRepaint& Repaint() { return repaint_; }
    void MarkLine(int index);

private:
    int AppendLine(const std::uint8_t* bytes, int length);
    void ReplaceLine(int index, const std::uint8_t* bytes, int length);
    void ScanFrom(int index);
    void ResetSyntaxState();
    std::uint8_t ResolveDefault(int defaultId, bool& known) const;
    bool ApplyIds(TextLine& line, const std::uint8_t* ids, int count, int stride) const;
    void MeasureAll();

    std::shared_ptr<PaneResources> resources_;
    PaneLimits limits_;
    std::uint8_t options_;
    std::optional<std::string> settingsPath_;
    LineTable lines_;
    std::unique_ptr<SyntaxScanner> scanner_;
    PendingRepaint repaint_;
    int visibleFirst_ = 0;
    int visibleCount_ = 0;
    int widestLine_ = 0;
    int measuredTabWidth_;
    TextEncoding encoding_ = TextEncoding::Windows1252;
    MixedStyleRule mixedStyleRule_;
    bool modified_ = false;
    std::uint64_t textRevision_ = 0;
    std::string conversionBuffer_;
    DocumentHooks hooks_;
};

} // namespace varnex
