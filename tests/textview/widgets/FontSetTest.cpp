// The font set a pane group builds from its stored font description.
#include "textview/widgets/FontSet.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QStringList>

#include <gtest/gtest.h>

namespace varnex {
namespace {

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
