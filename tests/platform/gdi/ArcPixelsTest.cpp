// Arc and pie outlines lie where GDI puts them: on l..r-1 and t..b-1, like Ellipse's outline, so a
// null-pen fill one pixel larger stays inside them.
#include <gtest/gtest.h>

#include "platform/gdi/Gdi.h"

using namespace gdi;

namespace {

// The smallest rectangle holding the pixels of one colour.
QRect extentOf(ImageSurface& s, const QColor& c) {
    const QImage& img = s.image();
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == c)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

} // namespace

TEST(GdiArcPixels, OutlinesCoverTheBoxWithoutItsRightAndBottomEdges) {
    const QColor kRed(255, 0, 0);
    for (const bool pie : {false, true}) {
        ImageSurface s(QSize(60, 60));
        s.selectPen(Pen{PenStyle::Solid, 1, kRed});
        s.selectBrush(nullBrush());
        if (pie)
            s.pie(10, 5, 50, 45, 50, 25, 50, 25);
        else
            s.arc(10, 5, 50, 45, 0, 0, 0, 0);
        EXPECT_EQ(extentOf(s, kRed), QRect(10, 5, 40, 40)) << pie;
        // The same box as Ellipse gives it.
        ImageSurface e(QSize(60, 60));
        e.selectPen(Pen{PenStyle::Solid, 1, kRed});
        e.selectBrush(nullBrush());
        e.ellipse(10, 5, 50, 45);
        EXPECT_EQ(extentOf(e, kRed), extentOf(s, kRed));
    }

    // A disc filled without a pen in (l, t, r + 1, b + 1) and outlined in (l, t, r, b): no fill outside.
    const QColor kGreen(0, 128, 0);
    ImageSurface d(QSize(60, 60));
    d.selectPen(stockPen(8));
    d.selectBrush(solidBrush(kGreen));
    d.ellipse(0, 0, 41, 41);
    d.selectPen(Pen{PenStyle::Solid, 1, kRed});
    d.arc(0, 0, 40, 40, 0, 0, 0, 0);
    EXPECT_EQ(extentOf(d, kRed), QRect(0, 0, 40, 40));
    EXPECT_TRUE(QRect(0, 0, 40, 40).contains(extentOf(d, kGreen)));
    for (int y = 0; y < 40; ++y) {
        // Right of the outline on every row: never the fill.
        int last = -1;
        for (int x = 0; x < 60; ++x)
            if (d.image().pixelColor(x, y) == kRed)
                last = x;
        for (int x = last + 1; x < 60; ++x)
            ASSERT_NE(d.image().pixelColor(x, y), kGreen) << x << "," << y;
    }
}
