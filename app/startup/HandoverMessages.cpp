// The values under Messages through which one instance hands its file to another.
#include "app/startup/HandoverMessages.h"

#include "common/SettingsKey.h"
#include "common/SettingsNumbers.h"
#include "common/SettingsText.h"

#include <cstdint>

namespace varnex {

namespace {

constexpr std::string_view kMessagesKey = "Messages";
constexpr std::string_view kPathValue = "Path";
constexpr std::string_view kModeValue = "Mode";
constexpr std::string_view kDoneValue = "Done";

// The key is created when missing, as both instances may be the first to use it.
bool OpenMessages(SettingsKey& key) {
    return key.Open(Hive::CurrentUser, OpenMode::Create) && key.OpenSub(kMessagesKey);
}

} // namespace

void WriteHandoverMessage(const std::string& path, CompareMode mode, bool done) {
    SettingsKey key;
    if (!OpenMessages(key)) return;
    WriteText(key, kPathValue, path);
    WriteNumber(key, kModeValue, static_cast<std::uint32_t>(NumberOf(mode)));
    WriteNumber(key, kDoneValue, done ? 1u : 0u);
}

bool ReadHandoverDone() {
    SettingsKey key;
    if (!OpenMessages(key)) return false;
    return ReadNumber(key, kDoneValue).value_or(0) != 0;
}

HandoverMessage ReadHandoverMessage() {
    SettingsKey key;
    HandoverMessage message;
    if (!OpenMessages(key)) return message;
    message.path = ReadText(key, kPathValue);
    if (const auto mode = ReadNumber(key, kModeValue))
        message.mode = CompareModeFromNumber(static_cast<std::int32_t>(*mode));
    return message;
}

} // namespace varnex
