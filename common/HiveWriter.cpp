// Writes a key tree as a hive file's text in the registry export syntax.
#include "common/HiveFormat.h"

#include "common/RegText.h"

#include <cstdio>

namespace varnex {

namespace {

// Plain ASCII with exactly one terminator can be written as "text"; nothing else can.
bool FitsQuotedText(const HiveValue& value) {
    const std::string& data = value.data;
    return value.type == ValueType::String && !data.empty() && data.back() == '\0' &&
           IsPlainText(std::string_view(data).substr(0, data.size() - 1));
}

std::string HexPrefix(ValueType type) {
    if (type == ValueType::Binary) return "hex:";
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(type));
    return prefix;
}

std::string DwordText(const std::string& data) {
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i)
        number = (number << 8) | static_cast<unsigned char>(data[i]);
    char text[16];
    std::snprintf(text, sizeof text, "dword:%08x", static_cast<unsigned>(number));
    return text;
}

std::string ValueLine(const HiveValue& value) {
    std::string line = value.name.empty() ? "@" : QuoteText(value.name);
    line += '=';
    if (FitsQuotedText(value)) {
        line += QuoteText(std::string_view(value.data).substr(0, value.data.size() - 1));
    } else if (value.type == ValueType::Number && value.data.size() == 4) {
        line += DwordText(value.data);
    } else {
        line += HexPrefix(value.type);
        line += FormatHexBytes(value.data, line.size());
    }
    return line + '\n';
}

void WriteKey(std::string& out, const HiveKey& key, const std::string& path) {
    if (!key.Values().empty() || key.SubKeys().empty()) {
        out += '[' + path + "]\n";
        for (const HiveValue& value : key.Values())
            out += ValueLine(value);
        out += '\n';
    }
    for (const HiveKey& sub : key.SubKeys()) {
        WriteKey(out, sub, path + '\\' + EncodeKeyName(sub.Name()));
    }
}

} // namespace

std::string FormatHive(const HiveKey& root) {
    std::string out = std::string(kHiveFileHeader) + "\n\n";
    for (const HiveKey& hive : root.SubKeys())
        WriteKey(out, hive, EncodeKeyName(hive.Name()));
    return out;
}

} // namespace varnex
