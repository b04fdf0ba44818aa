// Shows the busy cursor while it lives, so every way out of a long task restores the cursor.
#pragma once

#include <QGuiApplication>

namespace varnex {

class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace varnex
