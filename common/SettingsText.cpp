// Reading and writing the program's text values: single strings and string lists.
#include "common/SettingsText.h"

#include <cstring>

namespace varnex {

std::optional<std::string> ReadText(SettingsKey& key, std::string_view name) {
    const std::optional<std::vector<char>> value = key.ReadAlloc(name, ValueType::String);
    if (!value || value->empty()) return std::nullopt;
    return std::string(value->data(), strnlen(value->data(), value->size()));
}

bool WriteText(SettingsKey& key, std::string_view name, const std::string& text) {
    return key.Write(text.c_str(), text.size() + 1, name, ValueType::String);
}

std::vector<std::string> ReadTextList(SettingsKey& key, std::string_view name) {
    std::vector<std::string> texts;
    const std::optional<std::vector<char>> value = key.ReadAlloc(name, ValueType::MultiString);
    if (!value) return texts;
    const char* next = value->data();
    const char* end = next + value->size();
    while (next < end && *next != '\0') {
        const std::size_t length = strnlen(next, static_cast<std::size_t>(end - next));
        texts.emplace_back(next, length);
        next += length + 1;
    }
    return texts;
}

bool WriteTextList(SettingsKey& key, std::string_view name, const std::vector<std::string>& texts) {
    std::string bytes;
    for (const std::string& text : texts) {
        if (text.empty()) continue;
        bytes.append(text.c_str(), std::strlen(text.c_str()) + 1);
    }
    bytes.push_back('\0');
    if (bytes.size() == 1) bytes.push_back('\0'); // an empty list is still doubly terminated
    return key.Write(bytes.data(), bytes.size(), name, ValueType::MultiString);
}

} // namespace varnex
