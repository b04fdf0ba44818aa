// Shows the busy cursor for as long as the object lives, so that every way out of a long task restores it.
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
