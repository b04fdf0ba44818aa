// How a stored value reaches a caller's buffer: strings always come back terminated.
#pragma once

#include "common/HiveKey.h"

#include <cstddef>

namespace varnex {

bool IsStringType(ValueType type);

// The bytes a reader needs for `value`: its data and the terminators a string lacks (one for
// a string, up to two for a multi-string's double terminator).
std::size_t ReadSize(const HiveValue& value);

// Copies `value` and its missing terminators into `buffer`, which holds ReadSize(value) bytes.
void CopyValue(const HiveValue& value, char* buffer);

// Makes `buffer` an empty string (a multi-string: an empty list) as far as it has room.
void EmptyStringBuffer(char* buffer, std::size_t size, ValueType type);

} // namespace varnex
