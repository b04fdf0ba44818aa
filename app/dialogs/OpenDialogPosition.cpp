// Where the hand-over open-files dialog was last closed: OpenDialogX and OpenDialogY.
#include "app/dialogs/OpenDialogPosition.h"

#include "common/SettingsKey.h"
#include "common/SettingsNumbers.h"

#include <cstdint>

namespace varnex {

namespace {

constexpr std::string_view kXValue = "OpenDialogX";
constexpr std::string_view kYValue = "OpenDialogY";
constexpr int kEdgeMargin = 8;

// Stored as 32-bit numbers; a screen left of or above the primary one gives negative ones.
int ReadCoordinate(SettingsKey& key, std::string_view name, int fallback) {
    const std::optional<std::uint32_t> value = ReadNumber(key, name);
    return value ? static_cast<std::int32_t>(*value) : fallback;
}

} // namespace

QPoint ReadOpenDialogPosition(QPoint fallback) {
    SettingsKey key;
    if (!key.Open(Hive::CurrentUser, OpenMode::Read)) return fallback;
    return {ReadCoordinate(key, kXValue, fallback.x()), ReadCoordinate(key, kYValue, fallback.y())};
}

void WriteOpenDialogPosition(QPoint position) {
    SettingsKey key;
    if (!key.Open(Hive::CurrentUser, OpenMode::Create)) return;
    WriteNumber(key, kXValue, static_cast<std::uint32_t>(position.x()));
    WriteNumber(key, kYValue, static_cast<std::uint32_t>(position.y()));
}

bool OpenDialogPositionFits(QPoint position, QSize screen) {
    return position.x() < screen.width() - kEdgeMargin &&
           position.y() < screen.height() - kEdgeMargin;
}

} // namespace varnex
