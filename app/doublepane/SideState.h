// What the double-pane window knows of each side: its file and which file line each row shows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varnex {

struct SideState {
    std::string path;
    // 1-based file line of each row, 0 for a placeholder row.
    std::vector<std::uint16_t> lines;
};

} // namespace varnex
