#include "gui/widgets/ph_scale_bitmap.h"

#include <gtest/gtest.h>

#include <cmath>

namespace solvara {
namespace {

// Expected colours worked out by hand from the ramp (given as 0xBBGGRR) and its interpolation.
TEST(PhScaleBitmap, ColoursFollowTheRampWithTruncatedSteps) {
    struct Case {
        double pH;
        QColor colour;
    };
    const Case cases[] = {
        {0, QColor(255, 51, 0)},     // the second ramp colour, 0x0033FF
        {3.5, QColor(255, 204, 0)},  // exactly 0x00CCFF
        {6.5, QColor(88, 255, 87)},  // between 0x00FFCC and 0x99FF00: red falls, blue rises
        {7, QColor(0, 255, 153)},    // exactly 0x99FF00
        {10, QColor(0, 100, 187)},   // green 119 - 19.4: truncated towards the start colour
        {14, QColor(0, 0, 68)},      // the last colour alone
        {-3, QColor(255, 51, 0)},    // outside the scale: its nearer end
        {20, QColor(0, 0, 68)},     {std::nan(""), QColor(255, 51, 0)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(phColour(c.pH), c.colour) << c.pH;
    }
    EXPECT_EQ(palePhColour(10), QColor(128, 178, 221));
}

TEST(PhScaleBitmap, PixelsOfColumnsDotsAndTicks) {
    const QImage image = makePhScaleBitmap();
    ASSERT_EQ(image.size(), QSize(281, 70));
    EXPECT_FALSE(image.hasAlphaChannel());

    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor palePh0(255, 153, 128);
    const QColor palePh14(128, 128, 162);
    struct Probe {
        int x;
        int y;
        QColor colour;
    };
    const Probe probes[] = {
        {0, 0, palePh0},
        {0, 69, palePh0},                // no tick at pH 0
        {1, 14, QColor(255, 154, 128)},  // pH 0.05, between the dots
        {0, 14, black},
        {3, 14, white},
        {6, 14, black},
        {276, 14, black},
        {279, 14, white},
        {280, 14, palePh14},
        {20, 69, black},
        {20, 68, black},
        {20, 67, QColor(255, 175, 128)},  // pH 1 above its tick
        {21, 69, QColor(255, 176, 128)},  // pH 1.05: no tick beside pH 1
        {260, 68, black},
        {280, 69, palePh14},  // no tick at pH 14
        {70, 30, QColor(255, 230, 128)},
        {130, 50, QColor(172, 255, 171)},
        {200, 40, QColor(128, 178, 221)},
        {280, 0, palePh14},
    };
    for (const Probe& p : probes) {
        EXPECT_EQ(image.pixelColor(p.x, p.y), p.colour) << p.x << ',' << p.y;
    }
}

}  // namespace
}  // namespace solvara
