// Test helper: compares two key trees name by name, value by value, byte by byte.
#pragma once

#include "common/HiveKey.h"

#include <gtest/gtest.h>

namespace varnex::test {

inline void ExpectSameTree(const HiveKey& expected, const HiveKey& actual) {
    EXPECT_EQ(expected.Name(), actual.Name());
    ASSERT_EQ(expected.Values().size(), actual.Values().size()) << "in key " << expected.Name();
    for (std::size_t i = 0; i < expected.Values().size(); ++i) {
        EXPECT_EQ(expected.Values()[i].name, actual.Values()[i].name);
        EXPECT_EQ(expected.Values()[i].type, actual.Values()[i].type);
        EXPECT_EQ(expected.Values()[i].data, actual.Values()[i].data) << expected.Values()[i].name;
    }
    ASSERT_EQ(expected.SubKeys().size(), actual.SubKeys().size()) << "in key " << expected.Name();
    for (std::size_t i = 0; i < expected.SubKeys().size(); ++i) {
        ExpectSameTree(expected.SubKeys()[i], actual.SubKeys()[i]);
    }
}

} // namespace varnex::test
