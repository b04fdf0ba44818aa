// The stored 44-byte font description of a pane group.
#include "textview/model/settings/FontSpec.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace varnex {
namespace {

TEST(FontSpec, StoredFormIsLittleEndianWithTheFaceAtOffset12) {
    FontSpec description;
    description.width = 0x01020304;
    description.height = 17;
    description.flags = FontSpec::kFixedPitch | FontSpec::kBold;
    description.SetFace("Mono");
    const auto bytes = description.ToBytes();
    ASSERT_EQ(bytes.size(), 44u);
    EXPECT_EQ(bytes[0], 0x04);
    EXPECT_EQ(bytes[3], 0x01);
    EXPECT_EQ(bytes[4], 17);
    EXPECT_EQ(bytes[8], 9);
    EXPECT_EQ(bytes[12], 'M');
    EXPECT_EQ(bytes[16], 0);
    const std::optional<FontSpec> back = FontSpec::FromBytes(bytes.data(), bytes.size());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, description);
    EXPECT_FALSE(FontSpec::FromBytes(bytes.data(), 43).has_value());
}

TEST(FontSpec, FaceIsCutTo31BytesAndAlwaysTerminated) {
    FontSpec description;
    description.SetFace(std::string(40, 'f'));
    EXPECT_EQ(description.Face(), std::string(31, 'f'));
    auto bytes = description.ToBytes();
    std::fill(bytes.begin() + 12, bytes.end(), 'g');
    EXPECT_EQ(FontSpec::FromBytes(bytes.data(), bytes.size())->Face(), std::string(31, 'g'));
}

TEST(FontSpec, SizeIsClampedTo6Through48WithFixedPitch) {
    EXPECT_EQ(FontSpec::ForSize(3, "x").height, 6u);
    EXPECT_EQ(FontSpec::ForSize(60, "x").height, 48u);
    EXPECT_EQ(FontSpec::ForSize(15, "x").height, 15u);
    EXPECT_EQ(FontSpec::ForSize(15, "x").flags, FontSpec::kFixedPitch);
    EXPECT_EQ(FontSpec::ForSize(15, "x").width, 0u);
}

} // namespace
} // namespace varnex
