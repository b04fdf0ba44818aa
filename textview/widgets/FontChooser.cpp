// Choosing a pane group's font: the platform's font dialog with fixed-pitch fonts only.
#include "textview/widgets/FontChooser.h"

#include "textview/dialogs/DialogText.h"
#include "textview/model/PaneTexts.h"
#include "textview/widgets/ClipboardText.h"

#include <QFontDialog>
#include <QFontInfo>

#include <algorithm>

namespace varnex {

std::optional<QFont> ChooseFixedPitchFont(const QFont& initial, QWidget* parent) {
    bool accepted = false;
    const QFont chosen =
        QFontDialog::getFont(&accepted, initial, parent, QString(), QFontDialog::MonospacedFonts);
    if (!accepted) return std::nullopt;
    return chosen;
}

QFont FontOfSpec(const FontSpec& description, const QString& family) {
    QFont font(family);
    if (description.height > 0) font.setPixelSize(static_cast<int>(description.height));
    return font;
}

FontSpec FontSpecOfChoice(const QFont& chosen) {
    const int pixels = chosen.pixelSize() > 0 ? chosen.pixelSize() : QFontInfo(chosen).pixelSize();
    FontSpec description;
    description.height =
        static_cast<std::uint32_t>(std::clamp(pixels, FontSpec::kMinSize, FontSpec::kMaxSize));
    description.flags = FontSpec::kFixedPitch;
    description.SetFace(TextToBytes(chosen.family(), TextEncoding::Windows1252));
    return description;
}

} // namespace varnex
