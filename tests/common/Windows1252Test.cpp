// Letter case in Windows-1252, checked over all 256 bytes against the code page's chart.
#include "common/Windows1252.h"

#include <gtest/gtest.h>

#include <array>

namespace varnex {
namespace {

// Runs of case pairs: `count` upper-case letters from `upper` on, their lower case from `lower`.
struct PairRun {
    int upper;
    int lower;
    int count;
};

constexpr std::array<PairRun, 7> kPairRuns = {{
    {'A', 'a', 26},
    {0x8A, 0x9A, 1},  // Š š
    {0x8C, 0x9C, 1},  // Œ œ
    {0x8E, 0x9E, 1},  // Ž ž
    {0x9F, 0xFF, 1},  // Ÿ ÿ
    {0xC0, 0xE0, 23}, // À..Ö à..ö, before × and ÷
    {0xD8, 0xF8, 7},  // Ø..Þ ø..þ
}};

TEST(Windows1252Test, CasePartnersAreMutualAndOnlyTheChartsPairs) {
    std::array<int, 256> upperOf{};
    std::array<int, 256> lowerOf{};
    for (int byte = 0; byte < 256; ++byte)
        upperOf[byte] = lowerOf[byte] = byte;
    for (const PairRun& run : kPairRuns) {
        for (int k = 0; k < run.count; ++k) {
            upperOf[run.lower + k] = run.upper + k;
            lowerOf[run.upper + k] = run.lower + k;
        }
    }
    for (int byte = 0; byte < 256; ++byte) {
        const auto value = static_cast<std::uint8_t>(byte);
        EXPECT_EQ(UpperPartner1252(value), upperOf[byte]) << std::hex << byte;
        EXPECT_EQ(LowerPartner1252(value), lowerOf[byte]) << std::hex << byte;
    }
}

} // namespace
} // namespace varnex
