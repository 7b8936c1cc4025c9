// ScaleX/ScaleY between the old runtime's scale modes.
#include <gtest/gtest.h>

#include "platform/gdi/ScaleUnits.h"

using namespace gdi;

TEST(GdiScaleUnits, ConvertsBetweenModes) {
    struct Case {
        double value;
        int from, to;
        bool vertical;
        double expected;
    } cases[] = {
        {1500, scale::kTwips, scale::kPixels, false, 100},
        {100, scale::kPixels, scale::kTwips, true, 1500},
        {1, scale::kInches, scale::kPoints, false, 72},
        {2540, scale::kHimetric, scale::kTwips, false, 1440},
        {2540, scale::kHimetric, scale::kPixels, false, 96},
        {10, scale::kMillimeters, scale::kCentimeters, false, 1},
        {2, scale::kCharacters, scale::kTwips, false, 240},
        {2, scale::kCharacters, scale::kTwips, true, 480},
        {300, scale::kUser, scale::kTwips, false, 300},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(scaleConvert(c.value, c.from, c.to, c.vertical), c.expected, 1e-9)
            << c.value << " " << c.from << "->" << c.to;
    // A printer's pixels are its own: 600 dpi gives 2.4 twips per pixel.
    EXPECT_NEAR(scaleConvert(1440, scale::kTwips, scale::kPixels, false, 2.4), 600, 1e-9);
    EXPECT_TRUE(isScaleMode(0));
    EXPECT_TRUE(isScaleMode(8));
    EXPECT_FALSE(isScaleMode(9));
    EXPECT_FALSE(isScaleMode(-1));
}
