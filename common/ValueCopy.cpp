// How a stored value reaches a caller's buffer: strings always come back terminated.
#include "common/ValueCopy.h"

#include <algorithm>
#include <cstring>

namespace varnex {

namespace {

std::size_t TerminatorsWanted(ValueType type) {
    if (type == ValueType::MultiString) return 2;
    return IsStringType(type) ? 1 : 0;
}

std::size_t TrailingZeros(const std::string& data, std::size_t atMost) {
    std::size_t count = 0;
    while (count < atMost && count < data.size() && data[data.size() - 1 - count] == '\0')
        ++count;
    return count;
}

std::size_t TerminatorsMissing(const HiveValue& value) {
    const std::size_t wanted = TerminatorsWanted(value.type);
    return wanted - TrailingZeros(value.data, wanted);
}

} // namespace

bool IsStringType(ValueType type) {
    return type == ValueType::String || type == ValueType::ExpandString ||
           type == ValueType::MultiString;
}

std::size_t ReadSize(const HiveValue& value) {
    return value.data.size() + TerminatorsMissing(value);
}

void CopyValue(const HiveValue& value, char* buffer) {
    std::memcpy(buffer, value.data.data(), value.data.size());
    std::memset(buffer + value.data.size(), 0, TerminatorsMissing(value));
}

void EmptyStringBuffer(char* buffer, std::size_t size, ValueType type) {
    if (buffer) std::memset(buffer, 0, std::min(size, TerminatorsWanted(type)));
}

} // namespace varnex
