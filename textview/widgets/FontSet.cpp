// The base font of a pane group, its eight style variants and the character cell they share.
#include "textview/widgets/FontSet.h"

#include "common/Unicode.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace varnex {

namespace {

// Advances within this many pixels of the cell count as fitting it.
constexpr qreal kFitTolerance = 0.5;
constexpr int kMaxStretch = 4000; // QFont's limit, in percent
const QString kReferenceCharacter = QStringLiteral("x");

QString FaceOf(const FontSpec& description) {
    QString face;
    for (const char byte : description.Face())
        face += QChar(Windows1252ToUnicode(static_cast<std::uint8_t>(byte)));
    return face;
}

QFont FontForFace(const QString& face, const FontSpec& description) {
    QFont font = face.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QFont(face);
    if (description.height > 0) font.setPixelSize(static_cast<int>(description.height));
    font.setWeight(description.flags & FontSpec::kBold ? QFont::Bold : QFont::Normal);
    font.setItalic(description.flags & FontSpec::kItalic);
    font.setUnderline(description.flags & FontSpec::kUnderline);
    font.setFixedPitch(description.flags & FontSpec::kFixedPitch);
    font.setStyleHint(QFont::TypeWriter);
    font.setKerning(false);
    return font;
}

// A stored width asks for narrower or wider characters than the face has by nature.
void ApplyWidth(QFont& font, std::uint32_t width) {
    const qreal natural = QFontMetricsF(font).horizontalAdvance(kReferenceCharacter);
    if (width == 0 || natural <= 0) return;
    font.setStretch(
        std::clamp(static_cast<int>(std::lround(100.0 * width / natural)), 1, kMaxStretch));
}

QSize NaturalCell(const QFont& font) {
    const QFontMetrics metrics(font);
    return {std::max(1, metrics.averageCharWidth()), std::max(1, metrics.height())};
}

// Letter spacing puts every character of a run exactly on the integer cell grid.
void SnapToCell(QFont& font, int cellWidth) {
    const qreal advance = QFontMetricsF(font).horizontalAdvance(kReferenceCharacter);
    font.setLetterSpacing(QFont::AbsoluteSpacing, cellWidth - advance);
}

} // namespace

QString FontSet::ChooseFace(const QString& requested) {
    if (!requested.isEmpty() && QFontDatabase::hasFamily(requested)) return requested;
    for (const char* face : kFallbackFaces) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(face))) return QString::fromLatin1(face);
    }
    return {};
}

FontSet::FontSet(const FontSpec& description) {
    QFont base = FontForFace(ChooseFace(FaceOf(description)), description);
    ApplyWidth(base, description.width);
    cell_ = NaturalCell(base);
    ascent_ = QFontMetrics(base).ascent();
    SnapToCell(base, cell_.width());
    variants_[0] = base;
    own_[0] = true;
    for (int k = 1; k < kVariants; ++k)
        MakeVariant(k);
}

void FontSet::MakeVariant(int k) {
    QFont variant = variants_[0];
    variant.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    variant.setWeight(k & FontSpec::kBold ? QFont::Bold : QFont::Normal);
    variant.setItalic(k & FontSpec::kItalic);
    variant.setUnderline(k & FontSpec::kUnderline);
    const bool sameCell = NaturalCell(variant) == cell_;
    if (sameCell) SnapToCell(variant, cell_.width());
    variants_[static_cast<std::size_t>(k)] = sameCell ? variant : variants_[0];
    own_[static_cast<std::size_t>(k)] = sameCell;
}

const QFont& FontSet::Variant(std::uint32_t fontFlags) const {
    return variants_[fontFlags & (kVariants - 1)];
}

CharFit FontSet::ByteFit(std::uint32_t fontFlags, std::uint8_t byte) const {
    const int k = static_cast<int>(fontFlags & (kVariants - 1));
    if (!fitsMeasured_[static_cast<std::size_t>(k)]) MeasureFits(k);
    return byteFits_[static_cast<std::size_t>(k)][byte];
}

void FontSet::MeasureFits(int k) const {
    const QFontMetricsF metrics(variants_[static_cast<std::size_t>(k)]);
    auto& fits = byteFits_[static_cast<std::size_t>(k)];
    for (int byte = 0; byte < 256; ++byte) {
        const QString shown(QChar(Windows1252ToUnicode(static_cast<std::uint8_t>(byte))));
        const qreal advance = metrics.horizontalAdvance(shown);
        fits[static_cast<std::size_t>(byte)] =
            advance < cell_.width() - kFitTolerance   ? CharFit::Narrow
            : advance > cell_.width() + kFitTolerance ? CharFit::Wide
                                                      : CharFit::Fits;
    }
    fitsMeasured_[static_cast<std::size_t>(k)] = true;
}

} // namespace varnex
