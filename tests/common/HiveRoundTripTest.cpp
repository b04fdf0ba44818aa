// Property test of the hive file syntax: any tree the store can hold is written and read back
// unchanged, whatever bytes its names and values consist of.
#include "common/HiveFormat.h"

#include "tests/common/support/SameTree.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace varnex {
namespace {

constexpr int kTrees = 300;
constexpr int kMaxSubKeys = 2; // with about one sub-key per key the trees stay small but deep
constexpr int kMaxValues = 3;
constexpr std::size_t kMaxNameLength = 8;
constexpr std::size_t kMaxDataLength = 24;

// Bytes the syntax gives a meaning to, blanks, controls and non-ASCII bytes, besides letters.
constexpr std::string_view kAwkwardBytes = "\\-[]\"%=@; \t\r\n\x01\x7F\x80\xA0\xC4\xFF"
                                           "aAbZ09";

const ValueType kTypes[] = {
    ValueType::None,           ValueType::String,
    ValueType::ExpandString,   ValueType::Binary,
    ValueType::Number,         ValueType::MultiString,
    static_cast<ValueType>(5), static_cast<ValueType>(0x12345678),
};

class RandomTree {
public:
    explicit RandomTree(unsigned seed) : random_(seed) {}

    HiveKey Make() {
        HiveKey root;
        for (int hive = Below(2) + 1; hive > 0; --hive)
            Grow(root.CreateSub(Name()), kMaxKeyDepth);
        return root;
    }

private:
    int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
    bool OneIn(int chances) { return Below(chances) == 0; }

    std::string Name() {
        std::string name = OneIn(4) ? "-" : "";
        const std::size_t length = 1 + Below(kMaxNameLength);
        while (name.size() < length)
            name += kAwkwardBytes[Below(static_cast<int>(kAwkwardBytes.size()))];
        return name;
    }

    std::string Bytes() {
        std::string bytes(Below(kMaxDataLength + 1), '\0');
        for (char& byte : bytes)
            byte = OneIn(2) ? kAwkwardBytes[Below(static_cast<int>(kAwkwardBytes.size()))]
                            : static_cast<char>(Below(256));
        return bytes;
    }

    // Numbers and strings mostly as programs store them: four bytes, text with one terminator.
    std::string Data(ValueType type) {
        std::string data = Bytes();
        if (type == ValueType::Number && !OneIn(4)) data.resize(4);
        if (type == ValueType::String && OneIn(2)) data = Name() + '\0';
        return data;
    }

    void Grow(HiveKey& key, std::size_t levelsLeft) {
        for (int value = Below(kMaxValues + 1); value > 0; --value) {
            const ValueType type = kTypes[Below(std::size(kTypes))];
            key.SetValue(OneIn(5) ? "" : Name(), type, Data(type));
        }
        if (levelsLeft == 0) return;
        for (int sub = Below(kMaxSubKeys + 1); sub > 0; --sub)
            Grow(key.CreateSub(Name()), levelsLeft - 1);
    }

    std::mt19937 random_;
};

TEST(HiveRoundTrip, RandomTreesComeBackUnchanged) {
    for (unsigned seed = 1; seed <= kTrees && !testing::Test::HasFailure(); ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        const HiveKey tree = RandomTree(seed).Make();
        const std::string text = FormatHive(tree);
        const HiveParseResult parsed = ParseHive(text);
        ASSERT_TRUE(parsed.ok) << "fault at line " << parsed.errorLine << " in\n" << text;
        test::ExpectSameTree(tree, parsed.root);
    }
}

} // namespace
} // namespace varnex
