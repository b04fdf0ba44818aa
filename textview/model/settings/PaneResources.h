// What all panes of one resource group share: style table, font description, fonts and margin.
#pragma once

#include "textview/model/settings/FontSpec.h"
#include "textview/model/settings/PlatformFonts.h"
#include "textview/model/settings/StyleTable.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace varnex {

// Panes join a group by its name (compared byte by byte); the group lives as long as one of
// its panes holds it.
class PaneResources {
public:
    static std::shared_ptr<PaneResources> Join(const std::string& name);
    ~PaneResources();
    PaneResources(const PaneResources&) = delete;
    PaneResources& operator=(const PaneResources&) = delete;

    const std::string& Name() const { return name_; }
    // Distinguishes a group from an earlier one of the same name.
    int Serial() const { return serial_; }

    StyleTable& Styles() { return styles_; }
    const StyleTable& Styles() const { return styles_; }
    FontSpec& Font() { return fontSpec_; }
    const FontSpec& Font() const { return fontSpec_; }
    // A zoom shows the stored font at another height (pixels, at its natural width) until it is
    // reset; it is never stored, so Font() keeps what the user chose.
    void SetZoomHeight(std::optional<std::uint32_t> pixels) { zoomHeight_ = pixels; }
    bool Zoomed() const { return zoomHeight_.has_value(); }
    // The font the panes show: Font(), or its zoomed form.
    FontSpec ShownFont() const;

    // The fonts made from Font(); absent until the group's first pane gets a window.
    PlatformFonts* Fonts() const { return fonts_.get(); }
    void SetFonts(std::unique_ptr<PlatformFonts> fonts);

    // Width in pixels of the line-number margin, or nothing when the margin is off.
    std::optional<int> MarginWidth() const { return marginWidth_; }
    // Returns false when the margin stays as it was.
    bool SetMarginWidth(std::optional<int> width);

private:
    PaneResources(std::string name, int serial);

    std::string name_;
    int serial_;
    StyleTable styles_;
    FontSpec fontSpec_;
    std::optional<std::uint32_t> zoomHeight_;
    std::unique_ptr<PlatformFonts> fonts_;
    std::optional<int> marginWidth_;
};

} // namespace varnex
