// Says a text to assistive technology through a status field.
#include "app/frame/Announcement.h"

#include <QAccessible>
#include <QLabel>
#include <QtGlobal>

namespace varnex {

void Announce(QLabel& field, const QString& text) {
    field.setText(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(&field, text);
    QAccessible::updateAccessibility(&announcement);
#else
    // Without announcements the field's description changes, which screen readers may speak.
    field.setAccessibleDescription(text);
#endif
}

} // namespace varnex
