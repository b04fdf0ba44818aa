// Choosing a pane group's font: the platform's font dialog with fixed-pitch fonts only.
#pragma once

#include "textview/model/FontSpec.h"

#include <QFont>

#include <functional>
#include <optional>

class QWidget;

namespace varnex {

// Asks for a font starting from `initial`; nothing when the user cancels. Tests put in their
// own chooser.
using FontChooser = std::function<std::optional<QFont>(const QFont& initial, QWidget* parent)>;

// QFontDialog limited to monospaced fonts.
std::optional<QFont> ChooseFixedPitchFont(const QFont& initial, QWidget* parent);

// The font the dialog starts from: the group's face at its stored height.
QFont FontOfSpec(const FontSpec& description, const QString& family);
// What a chosen font is stored as: its pixel height within FontSpec's size limits, the face's
// natural width, fixed pitch and nothing else.
FontSpec FontSpecOfChoice(const QFont& chosen);

} // namespace varnex
