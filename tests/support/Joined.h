// Builds test texts from pieces and numbers by appending, which GCC 12's overlap warning leaves
// alone (it misreads "text" + std::to_string(n) in optimised builds).
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

namespace varnex::test {

template <class... Parts>
std::string Joined(const Parts&... parts) {
    std::string text;
    const auto append = [&text](const auto& part) {
        if constexpr (std::is_arithmetic_v<std::decay_t<decltype(part)>>) {
            text += std::to_string(part);
        } else {
            text += std::string_view(part);
        }
    };
    (append(parts), ...);
    return text;
}

} // namespace varnex::test
