// Pixels that the picture surface paints: GDI's end-pixel, rectangle, fill and text placement rules.
#include <gtest/gtest.h>

#include <QPainter>

#include "platform/gdi/Gdi.h"

using namespace gdi;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

QColor at(ImageSurface& s, int x, int y) {
    return s.image().pixelColor(x, y);
}

// The smallest rectangle holding every pixel that is not the background (empty when none is).
QRect inked(ImageSurface& s, const QColor& back) {
    const QImage& img = s.image();
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) != back)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

} // namespace

TEST(GdiPixels, OnePixelLinesLeaveTheEndPixelOut) {
    struct Case {
        QPoint from, to;
        QRect drawn; // exactly these pixels
    } cases[] = {
        {{0, 5}, {10, 5}, QRect(0, 5, 10, 1)}, // right
        {{10, 5}, {0, 5}, QRect(1, 5, 10, 1)}, // left
        {{3, 0}, {3, 8}, QRect(3, 0, 1, 8)},   // down
        {{3, 8}, {3, 0}, QRect(3, 1, 1, 8)},   // up
    };
    for (const Case& c : cases) {
        ImageSurface s(QSize(20, 20));
        s.line(c.from.x(), c.from.y(), c.to.x(), c.to.y(), kRed, 1);
        EXPECT_EQ(inked(s, kWhite), c.drawn)
            << c.from.x() << "," << c.from.y() << " -> " << c.to.x() << "," << c.to.y();
        EXPECT_EQ(at(s, c.drawn.x(), c.drawn.y()), kRed);
    }
    // A diagonal stops one pixel short of its end as well.
    ImageSurface d(QSize(20, 20));
    d.line(0, 0, 8, 8, kRed, 1);
    EXPECT_EQ(at(d, 7, 7), kRed);
    EXPECT_EQ(at(d, 8, 8), kWhite);
}

TEST(GdiPixels, OwnPenLineKeepsTheSelectedPen) {
    ImageSurface s(QSize(20, 20));
    s.selectPen(Pen{PenStyle::Solid, 1, kBlue});
    s.line(0, 2, 10, 2, kRed, 1);
    EXPECT_EQ(s.pen().color, kBlue);
    s.moveTo(0, 6);
    s.lineTo(10, 6);
    EXPECT_EQ(at(s, 5, 2), kRed);
    EXPECT_EQ(at(s, 5, 6), kBlue);
    // A system colour value is a palette colour, never an RGB number.
    s.line(0, 9, 10, 9, oleColor(syscolor::kButtonText), 1);
    EXPECT_EQ(at(s, 5, 9), systemColor(18));
    EXPECT_NE(at(s, 5, 9), QColor(0x12, 0, 0));
}

TEST(GdiPixels, RectangleOutlinesAndFillsInsideRightAndBottomExcluded) {
    ImageSurface s(QSize(20, 20));
    s.selectPen(Pen{PenStyle::Solid, 1, kBlue});
    s.selectBrush(solidBrush(kRed));
    s.rectangle(2, 3, 8, 9);
    EXPECT_EQ(inked(s, kWhite), QRect(2, 3, 6, 6));
    EXPECT_EQ(at(s, 2, 3), kBlue);
    EXPECT_EQ(at(s, 7, 8), kBlue);
    EXPECT_EQ(at(s, 4, 5), kRed);

    // The null pen fills one pixel less on the right and bottom; the null brush leaves the inside.
    ImageSurface n(QSize(20, 20));
    n.selectPen(stockPen(8));
    n.selectBrush(solidBrush(kRed));
    n.rectangle(2, 3, 8, 9);
    EXPECT_EQ(inked(n, kWhite), QRect(2, 3, 5, 5));
    ImageSurface h(QSize(20, 20));
    h.selectBrush(nullBrush());
    h.rectangle(2, 3, 8, 9);
    EXPECT_EQ(at(h, 4, 5), kWhite);
    EXPECT_EQ(at(h, 2, 5), QColor(0, 0, 0));
}

TEST(GdiPixels, PolygonAndPieFill) {
    ImageSurface s(QSize(40, 40));
    s.selectPen(stockPen(8));
    s.selectBrush(solidBrush(kRed));
    s.setPolyFillMode(FillMode::Winding);
    s.polygon({{0, 0}, {20, 0}, {0, 20}});
    EXPECT_EQ(at(s, 3, 3), kRed);
    EXPECT_EQ(at(s, 17, 17), kWhite);

    // Counter-clockwise from three o'clock to twelve o'clock: the upper right quarter only.
    ImageSurface p(QSize(40, 40));
    p.selectPen(stockPen(8));
    p.selectBrush(solidBrush(kBlue));
    p.pie(0, 0, 40, 40, 40, 20, 20, 0);
    EXPECT_EQ(at(p, 30, 10), kBlue);
    EXPECT_EQ(at(p, 10, 10), kWhite);
    EXPECT_EQ(at(p, 30, 30), kWhite);
    // Equal radials make the whole ellipse.
    ImageSurface f(QSize(40, 40));
    f.selectPen(stockPen(8));
    f.selectBrush(solidBrush(kBlue));
    f.pie(0, 0, 40, 40, 40, 20, 40, 20);
    EXPECT_EQ(at(f, 10, 10), kBlue);
    EXPECT_EQ(at(f, 30, 30), kBlue);
}

TEST(GdiPixels, TextSitsBelowAndRightOfItsTopLeftCorner) {
    ImageSurface s(QSize(120, 60));
    s.setFont(logicalFont(QStringLiteral("ＭＳ ゴシック"), 12));
    s.setTextColor(kRed);
    s.textOut(20, 10, QStringLiteral("８△"));
    const QRect box = inked(s, kWhite);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_GE(box.top(), 10);
    EXPECT_GE(box.left(), 20);
    EXPECT_LT(box.bottom(), 10 + s.textHeightPx(QStringLiteral("８")));
    EXPECT_LE(box.right(), 20 + s.textWidthPx(QStringLiteral("８△")));
    // Transparent by default: the background around the glyphs stays.
    EXPECT_EQ(at(s, 20, 10), kWhite);

    ImageSurface o(QSize(120, 60));
    o.setFont(logicalFont(QStringLiteral("ＭＳ ゴシック"), 12));
    o.setBkMode(BkMode::Opaque);
    o.setBkColor(kBlue);
    o.textOut(20, 10, QStringLiteral("."));
    EXPECT_EQ(at(o, 20, 10), kBlue);
}

TEST(GdiPixels, TextPaintsAsQtDrawsIt) {
    // Text output goes through shaped glyph runs kept per font; the pixels are Qt's own.
    for (const char* text : {"８△③", "歯肉 abc", "/{C①/}", "Ｄ"}) {
        const QString s = QString::fromUtf8(text);
        ImageSurface a(QSize(160, 40));
        a.setFont(logicalFont(QStringLiteral("ＭＳ ゴシック"), 12));
        a.textOut(3, 5, s);
        a.textOut(3, 20, s); // the second output comes from the kept runs
        QImage b(QSize(160, 40), QImage::Format_RGB32);
        b.fill(kWhite);
        {
            QPainter p(&b);
            const QFont f = deviceFont(logicalFont(QStringLiteral("ＭＳ ゴシック"), 12), 96);
            p.setFont(f);
            p.setPen(Qt::black);
            const int ascent = QFontMetrics(f).ascent();
            p.drawText(QPoint(3, 5 + ascent), s);
            p.drawText(QPoint(3, 20 + ascent), s);
        }
        EXPECT_EQ(a.picture(), b) << text;
    }
}

TEST(GdiPixels, PictureIsAValueAndGrowingKeepsTheContent) {
    ImageSurface s(QSize(10, 10), kWhite);
    s.line(0, 0, 10, 0, kRed, 1);
    const QImage before = s.picture();
    s.line(0, 5, 10, 5, kBlue, 1);
    EXPECT_EQ(before.pixelColor(3, 5), kWhite);
    EXPECT_EQ(before.dotsPerMeterX(), 3780);

    s.setBackColor(QColor(0, 255, 0));
    s.resize(QSize(10, 20));
    EXPECT_EQ(s.sizePx(), QSize(10, 20));
    EXPECT_EQ(at(s, 3, 0), kRed);
    EXPECT_EQ(at(s, 3, 5), kBlue);
    EXPECT_EQ(at(s, 3, 15), QColor(0, 255, 0));

    ImageSurface empty;
    empty.line(0, 0, 5, 5, kRed, 1); // nothing to draw on, no failure
    EXPECT_TRUE(empty.picture().isNull());
}

TEST(GdiPixels, ClipDrawsAsASmallerSurfaceWould) {
    // Text and a slanted line crossing the clip's bottom edge.
    auto draw = [](ImageSurface& s) {
        s.setFont(logicalFont(QStringLiteral("ＭＳ ゴシック"), 24));
        s.textOut(2, -4, QStringLiteral("歯あ"));
        s.line(0, 3, 50, 17, kRed, 1);
    };
    ImageSurface small(QSize(60, 12));
    draw(small);
    ImageSurface tall(QSize(60, 40));
    tall.setClipPx(QRect(0, 0, 60, 12));
    draw(tall);
    EXPECT_EQ(tall.image().copy(0, 0, 60, 12), small.image());
    EXPECT_EQ(inked(small, kWhite).bottom(), 11);
    EXPECT_EQ(inked(tall, kWhite).bottom(), 11);
    // The clip outlives a resize; cleared, drawing reaches the whole surface again.
    tall.resize(QSize(60, 41));
    tall.line(0, 30, 10, 30, kRed, 1);
    EXPECT_EQ(at(tall, 3, 30), kWhite);
    tall.clearClip();
    tall.line(0, 30, 10, 30, kRed, 1);
    EXPECT_EQ(at(tall, 3, 30), kRed);
}

TEST(GdiPixels, TakenPictureLeavesTheSurfaceEmpty) {
    // A tall picture as much as a small one.
    for (const QSize size : {QSize(20, 10), QSize(460, 44000)}) {
        ImageSurface tall(size, kBlue);
        tall.line(0, size.height() - 1, 20, size.height() - 1, kRed, 1);
        const QImage taken = tall.takePicture();
        EXPECT_EQ(taken.size(), size);
        EXPECT_EQ(taken.pixelColor(3, size.height() - 1), kRed);
        EXPECT_EQ(taken.pixelColor(size.width() - 1, 0), kBlue);
        EXPECT_EQ(taken.dotsPerMeterX(), 3780);
    }
    // A tall picture's memory, let go, serves the next tall surface, filled with that one's back colour.
    const QSize tallSize(460, 44000);
    const uchar* bits = nullptr;
    {
        ImageSurface a(tallSize, kRed);
        bits = a.takePicture().constBits();
    }
    ImageSurface b(tallSize, kBlue);
    EXPECT_EQ(b.image().constBits(), bits);
    EXPECT_EQ(at(b, 0, 0), kBlue);
    EXPECT_EQ(at(b, 459, 43999), kBlue);
    ImageSurface s(QSize(20, 10), kWhite);
    s.line(0, 5, 20, 5, kRed, 1);
    const QImage taken = s.takePicture();
    EXPECT_EQ(taken.pixelColor(3, 5), kRed);
    EXPECT_TRUE(s.picture().isNull());
    s.resize(QSize(20, 10));
    s.line(0, 6, 20, 6, kBlue, 1);
    EXPECT_EQ(at(s, 3, 5), kWhite);
    EXPECT_EQ(taken.pixelColor(3, 6), kWhite);
}
