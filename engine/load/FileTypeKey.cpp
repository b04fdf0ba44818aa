// The short key, derived from a path, that chooses a syntax colouring configuration.
#include "engine/load/FileTypeKey.h"

#include <algorithm>
#include <cctype>

namespace varnex {

namespace {

bool IsTokenEnd(char c) {
    return c == '.' || c == '/' || c == '\\';
}

// Start of the token that ends just before `end`: the position after the last '.', '/' or '\'.
std::size_t TokenStart(const std::string& path, std::size_t end) {
    std::size_t start = end;
    while (start > 0 && !IsTokenEnd(path[start - 1]))
        --start;
    return start;
}

bool PrecededByDot(const std::string& path, std::size_t tokenStart) {
    return tokenStart > 0 && path[tokenStart - 1] == '.';
}

bool EqualsNoCase(const std::string& a, const char* b) {
    const std::string other(b);
    return a.size() == other.size() &&
           std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == y;
           });
}

bool AllDigits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
}

std::string PrefixedKey(char prefix, const std::string& token, std::size_t tokenLength) {
    std::string key(1, prefix);
    key.append(token, 0, tokenLength);
    return key;
}

std::string DotKey(const std::string& token) {
    return PrefixedKey('.', token, kFileTypeKeyMaxLength - 1);
}

// For name.ext.keep or name.ext.12.save: the key of "ext", or empty when there is none.
std::string KeyBeforeBackupSuffix(const std::string& path, std::size_t suffixStart) {
    std::size_t end = suffixStart - 1; // the dot before the suffix
    std::size_t start = TokenStart(path, end);
    if (AllDigits(path.substr(start, end - start)) && PrecededByDot(path, start)) {
        end = start - 1;
        start = TokenStart(path, end);
    }
    if (start == end || !PrecededByDot(path, start)) return {};
    return DotKey(path.substr(start, end - start));
}

} // namespace

std::string FileTypeKey(const std::string& path) {
    const std::size_t start = TokenStart(path, path.size());
    const std::string token = path.substr(start);
    if (!PrecededByDot(path, start)) return PrefixedKey('#', token, 2);
    if (EqualsNoCase(token, "keep") || EqualsNoCase(token, "save")) {
        const std::string inner = KeyBeforeBackupSuffix(path, start);
        if (!inner.empty()) return inner;
    }
    return DotKey(token);
}

} // namespace varnex
