// Choosing a pane group's font: a fixed-pitch face and a size the panes apply as chosen.
#pragma once

#include "textview/model/settings/FontSpec.h"

#include <QFont>

#include <functional>
#include <optional>

class QWidget;

namespace varnex {

// Asks for a font starting from `initial`; nothing when the user cancels. Tests put in their
// own chooser.
using FontChooser = std::function<std::optional<QFont>(const QFont& initial, QWidget* parent)>;

// CFontDlg: monospaced faces at 6 to 48 points, without styles or effects the panes drop.
std::optional<QFont> ChooseFixedPitchFont(const QFont& initial, QWidget* parent);

// The font the dialog starts from: the group's face at its stored height.
QFont FontOfSpec(const FontSpec& description, const QString& family);
// What a chosen font is stored as: its pixel height as chosen, the face's natural width, fixed
// pitch and nothing else.
FontSpec FontSpecOfChoice(const QFont& chosen);

} // namespace varnex
