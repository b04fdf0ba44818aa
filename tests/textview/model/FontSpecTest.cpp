// The stored 44-byte font description and the font set built from it.
#include "textview/model/FontSpec.h"
#include "textview/widgets/FontSet.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QStringList>

#include <gtest/gtest.h>

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

TEST(FontSet, UnknownFaceFallsBackToTheFirstInstalledFallbackOrTheMonospacedFont) {
    const QString chosen = FontSet::ChooseFace(QStringLiteral("No Such Face 4711"));
    if (chosen.isEmpty()) {
        for (const char* face : FontSet::kFallbackFaces)
            EXPECT_FALSE(QFontDatabase::hasFamily(face));
        const FontSet fonts(FontSpec::ForSize(15, "No Such Face 4711"));
        const QFontMetricsF metrics(fonts.Base());
        EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("iiii")),
                  metrics.horizontalAdvance(QStringLiteral("WWWW")));
    } else {
        EXPECT_TRUE(QFontDatabase::hasFamily(chosen));
    }
    const QString installed = QFontDatabase::families().value(0);
    ASSERT_FALSE(installed.isEmpty());
    EXPECT_EQ(FontSet::ChooseFace(installed), installed);
}

TEST(FontSet, VariantsShareTheBaseCellOrAreTheBaseFont) {
    const FontSet fonts(FontSpec::ForSize(15, "Courier"));
    EXPECT_GE(fonts.Cell().width(), 1);
    EXPECT_GE(fonts.Cell().height(), 1);
    EXPECT_EQ(&fonts.Variant(0), &fonts.Base());
    for (int k = 1; k < FontSet::kVariants; ++k) {
        const QFont& variant = fonts.Variant(static_cast<std::uint32_t>(k));
        if (!fonts.HasOwnVariant(k)) {
            EXPECT_EQ(variant, fonts.Base());
            continue;
        }
        EXPECT_EQ(variant.bold(), (k & 1) != 0);
        EXPECT_EQ(variant.italic(), (k & 2) != 0);
        EXPECT_EQ(variant.underline(), (k & 4) != 0);
        EXPECT_EQ(QFontMetrics(variant).height(), fonts.Cell().height());
        EXPECT_NEAR(QFontMetricsF(variant).horizontalAdvance(QStringLiteral("xxxxxxxxxx")),
                    10.0 * fonts.Cell().width(), 0.01);
    }
}

} // namespace
} // namespace varnex
