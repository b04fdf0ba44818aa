// Zooming the panes' font: sizes up and down within the fixed-pitch range, and the reset.
#include "textview/model/settings/ZoomSteps.h"

#include "textview/model/settings/PaneResources.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

TEST(ZoomSteps, StepsToTheNextUsualSizeAndStopsAtTheLimits) {
    struct Case {
        int points;
        ZoomStep step;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {12, ZoomStep::Larger, 14},
        {13, ZoomStep::Larger, 14},
        {13, ZoomStep::Smaller, 12}, // between two usual sizes
        {48, ZoomStep::Larger, 48},
        {60, ZoomStep::Larger, 48},
        {7, ZoomStep::Smaller, 6},
        {6, ZoomStep::Smaller, 6},
        {3, ZoomStep::Smaller, 6},
        {3, ZoomStep::Larger, 6},
        {60, ZoomStep::Smaller, 48},
        {11, ZoomStep::Reset, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZoomedSize(c.points, c.step), c.expected)
            << c.points << " points, step " << static_cast<int>(c.step);
    }
}

TEST(ZoomSteps, AZoomIsShownButTheStoredFontStaysAndAChoiceEndsIt) {
    const std::shared_ptr<PaneResources> group = PaneResources::Join("ZoomStepsTest");
    group->Font() = FontSpec::ForSize(15, "Mono");
    group->Font().width = 8;
    const FontSpec stored = group->Font();
    EXPECT_EQ(group->ShownFont(), stored);

    group->SetZoomHeight(32);
    EXPECT_EQ(group->Font(), stored);
    EXPECT_EQ(group->ShownFont().height, 32u);
    EXPECT_EQ(group->ShownFont().width, 0u) << "a stored width would squeeze the larger face";
    EXPECT_EQ(group->ShownFont().Face(), "Mono");

    group->SetZoomHeight(std::nullopt);
    EXPECT_EQ(group->ShownFont(), stored);
}

} // namespace
} // namespace varnex
