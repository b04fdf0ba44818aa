// The base font of a pane group, its eight style variants and the character cell they share.
#pragma once

#include "textview/model/settings/FontSpec.h"
#include "textview/model/settings/PlatformFonts.h"

#include <QFont>
#include <QSize>
#include <QString>

#include <array>
#include <bitset>
#include <cstdint>

namespace varnex {

// How a character's advance compares with the cell: drawn in a run, or by itself.
enum class CharFit : std::int8_t { Fits, Narrow, Wide };

class FontSet : public PlatformFonts {
public:
    static constexpr int kVariants = 8;

    // Faces tried after the requested one; when none is installed the platform's monospaced
    // font is used.
    static constexpr std::array<const char*, 3> kFallbackFaces = {"Courier", "Terminal",
                                                                  "Fixedsys"};

    explicit FontSet(const FontSpec& description);

    const QFont& Base() const { return variants_[0]; }
    // The font for a style's font flags (bold, italic, underline); flags 0 give the base font.
    const QFont& Variant(std::uint32_t fontFlags) const;
    // False when variant `k` measured a different cell and the base font stands in for it.
    bool HasOwnVariant(int k) const { return own_[static_cast<std::size_t>(k)]; }

    QSize Cell() const { return cell_; }
    int Ascent() const { return ascent_; }
    // The family actually in use after the fallbacks.
    QString Family() const { return Base().family(); }

    // How the character shown for `byte` fits the cell in the variant for `fontFlags`.
    CharFit ByteFit(std::uint32_t fontFlags, std::uint8_t byte) const;

    // The first installed face of: `requested`, kFallbackFaces; empty when none is.
    static QString ChooseFace(const QString& requested);

private:
    void MakeVariant(int k);
    void MeasureFits(int k) const;

    std::array<QFont, kVariants> variants_;
    std::bitset<kVariants> own_;
    QSize cell_;
    int ascent_ = 0;
    mutable std::array<std::array<CharFit, 256>, kVariants> byteFits_{};
    mutable std::bitset<kVariants> fitsMeasured_;
};

} // namespace varnex
