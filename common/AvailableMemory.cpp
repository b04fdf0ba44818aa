// How much more memory this process can take before an allocation fails.
#include "common/AvailableMemory.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace varnex {

namespace {

constexpr std::uint64_t kUnlimited = std::numeric_limits<std::uint64_t>::max();

// MemAvailable plus SwapFree from /proc/meminfo, in bytes.
std::uint64_t SystemAvailable() {
    std::ifstream meminfo("/proc/meminfo");
    std::string name;
    std::uint64_t kilobytes = 0;
    std::uint64_t total = 0;
    bool known = false;
    while (meminfo >> name >> kilobytes) {
        if (name == "MemAvailable:" || name == "SwapFree:") {
            total += kilobytes * 1024;
            known = true;
        }
        meminfo.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    return known ? total : kUnlimited;
}

// Pages this process uses now: its address space (field 1 of statm) or its data (field 6).
std::uint64_t UsedBytes(int field) {
    std::ifstream statm("/proc/self/statm");
    std::uint64_t pages = 0;
    for (int at = 1; at <= field; ++at)
        statm >> pages;
    return statm ? pages * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE)) : 0;
}

// Room left below a resource limit of this process.
std::uint64_t RoomBelowLimit(int resource, int usedField) {
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return kUnlimited;
    const std::uint64_t used = UsedBytes(usedField);
    return limit.rlim_cur > used ? limit.rlim_cur - used : 0;
}

} // namespace

std::uint64_t AvailableMemory() {
    constexpr int kSizeField = 1;
    constexpr int kDataField = 6;
    return std::min({SystemAvailable(), RoomBelowLimit(RLIMIT_AS, kSizeField),
                     RoomBelowLimit(RLIMIT_DATA, kDataField)});
}

} // namespace varnex
