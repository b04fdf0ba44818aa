// Fuzz input cut into pieces at NUL bytes, the one byte no argument can hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace varnex::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Every piece between NUL bytes, empty ones included.
inline std::vector<std::string> SplitAtNul(std::string_view input) {
    std::vector<std::string> pieces;
    for (;;) {
        const std::size_t nul = input.find('\0');
        pieces.emplace_back(input.substr(0, nul));
        if (nul == std::string_view::npos) return pieces;
        input.remove_prefix(nul + 1);
    }
}

// What lies before the first NUL byte and what follows it (everything, NULs included);
// without a NUL the second part is empty.
inline std::pair<std::string_view, std::string_view> SplitAtFirstNul(std::string_view input) {
    const std::size_t nul = input.find('\0');
    if (nul == std::string_view::npos) return {input, {}};
    return {input.substr(0, nul), input.substr(nul + 1)};
}

} // namespace varnex::fuzz
