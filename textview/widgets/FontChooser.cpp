// Choosing a pane group's font: a fixed-pitch face and a size the panes apply as chosen.
#include "textview/widgets/FontChooser.h"

#include "textview/dialogs/FontDlg.h"
#include "textview/widgets/ClipboardText.h"

#include <QFontInfo>

#include <algorithm>

namespace varnex {

std::optional<QFont> ChooseFixedPitchFont(const QFont& initial, QWidget* parent) {
    CFontDlg dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.ChosenFont();
}

QFont FontOfSpec(const FontSpec& description, const QString& family) {
    QFont font(family);
    if (description.height > 0) font.setPixelSize(static_cast<int>(description.height));
    return font;
}

FontSpec FontSpecOfChoice(const QFont& chosen) {
    const int pixels = chosen.pixelSize() > 0 ? chosen.pixelSize() : QFontInfo(chosen).pixelSize();
    FontSpec description;
    description.height = static_cast<std::uint32_t>(std::max(pixels, 1));
    description.flags = FontSpec::kFixedPitch;
    description.SetFace(TextToBytes(chosen.family(), TextEncoding::Windows1252));
    return description;
}

} // namespace varnex
