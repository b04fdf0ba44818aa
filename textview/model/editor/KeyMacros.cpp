// Texts that Ctrl with a letter, a digit or one of eleven further keys types, read from "Accel".
#include "textview/model/editor/KeyMacros.h"

#include "common/SettingsKey.h"
#include "common/SettingsText.h"

#include <algorithm>
#include <cstring>

namespace varnex {

namespace {

// ü ö ä + - , . # ß < ´ as Windows-1252 bytes, in the order of their codes.
constexpr std::array<unsigned char, 11> kFurtherKeys = {0xFC, 0xF6, 0xE4, '+', '-', ',',
                                                        '.',  '#',  0xDF, '<', 0xB4};
constexpr int kFirstFurtherCode = 0x5B;
constexpr std::string_view kAccelKey = "Accel";
// At most this many values of "Accel" are looked at.
constexpr int kMaxAccelValues = 256;

bool OpenAccel(SettingsKey& key, Hive hive, const std::string& root, const std::string& name) {
    if (!key.Open(hive, root, OpenMode::Read)) return false;
    std::string subKey = name;
    if (!name.empty() && name[0] == '.') {
        const std::optional<std::string> indirect = ReadText(key, name);
        if (!indirect) return false;
        subKey = *indirect;
    }
    return key.OpenSub(subKey) && key.OpenSub(kAccelKey);
}

} // namespace

// '<' lies between '0' and 'Z' but is a key of its own; no other byte there names a key.
std::optional<int> MacroKeyCode(unsigned char key) {
    const auto found = std::find(kFurtherKeys.begin(), kFurtherKeys.end(), key);
    if (found != kFurtherKeys.end())
        return kFirstFurtherCode + static_cast<int>(found - kFurtherKeys.begin());
    const unsigned char upper = (key >= 'a' && key <= 'z') ? key - 'a' + 'A' : key;
    if ((upper >= '0' && upper <= '9') || (upper >= 'A' && upper <= 'Z')) return upper;
    return std::nullopt;
}

bool KeyMacros::Load(const std::optional<std::string>& name, const std::string& root) {
    for (std::string& macro : macros_)
        macro.clear();
    if (!name) return false;
    SettingsKey key;
    if (!OpenAccel(key, Hive::LocalMachine, root, *name) &&
        !OpenAccel(key, Hive::CurrentUser, root, *name))
        return false;
    for (int k = 0; k < kMaxAccelValues; ++k) {
        const std::int64_t size = key.ValueSizeNext();
        if (size < 0) break;
        std::string text(static_cast<std::size_t>(size) + 2, '\0');
        if (!key.ReadNext(text.data(), text.size(), ValueType::Any)) break;
        if (key.LastType() != ValueType::String) continue;
        text.resize(std::strlen(text.c_str()));
        const std::optional<int> code = text.size() > 2 && text[1] == ':'
                                            ? MacroKeyCode(static_cast<unsigned char>(text[0]))
                                            : std::nullopt;
        if (code) Set(*code, text.substr(2));
    }
    return true;
}

std::optional<std::string> KeyMacros::Of(int code) const {
    if (code < kFirstCode || code > kLastCode || macros_[code - kFirstCode].empty())
        return std::nullopt;
    return macros_[code - kFirstCode];
}

void KeyMacros::Set(int code, std::string text) {
    if (code >= kFirstCode && code <= kLastCode) macros_[code - kFirstCode] = std::move(text);
}

} // namespace varnex
