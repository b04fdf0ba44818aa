// Says a text to assistive technology without moving the focus, and shows it in a status field.
#pragma once

class QLabel;
class QString;

namespace varnex {

void Announce(QLabel& field, const QString& text);

} // namespace varnex
