// The drawing canvas: clearing, boxes and their shared frames, centred texts, plaque faces, lines, and
// what does and does not clear the picture.
#include <gtest/gtest.h>

#include "controls/dental/CanvasShapes.h"
#include "controls/dental/ImageCanvas.h"
#include "platform/gdi/Gdi.h"

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kPlaque(255, 64, 64);
const QColor kCanvasBack(192, 255, 255); // 0xFFFFC0, as the record screen sets it
const QColor kCyan(0, 255, 255);

// A canvas as the record screen uses it: its back colour and font, sized in pixels.
void prepare(ImageCanvas& c, int w, int h) {
    c.setBackColor(0xFFFFC0);
    c.setWidth(w * 15.0);
    c.setHeight(h * 15.0);
}

void setRect(ImageCanvas& c, int l, int t, int w, int h) {
    c.setPPoLngDrawLeft(l);
    c.setPPoLngDrawTop(t);
    c.setPPoLngDrawWidth(w);
    c.setPPoLngDrawHeight(h);
}

int countColour(const QImage& img, const QColor& c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixelColor(x, y) == c;
    return n;
}

} // namespace

TEST(ImageCanvas, NewSizeGivesAPictureClearedToBackColor) {
    ImageCanvas c;
    EXPECT_TRUE(c.PFuGetPicture().isNull());
    prepare(c, 100, 60);
    const QImage p = c.PFuGetPicture();
    ASSERT_EQ(p.size(), QSize(100, 60));
    EXPECT_EQ(countColour(p, kCanvasBack), 100 * 60);
    EXPECT_EQ(c.Width(), 1500);
    EXPECT_EQ(c.Height(), 900);
}

TEST(ImageCanvas, BoxFrameOnTheOuterRingAndSharedWithTheNextCell) {
    ImageCanvas c;
    prepare(c, 100, 60);
    c.setPPoBolTextCenter(true);
    c.setPPoDrawBackColor(0xFFFF00);
    setRect(c, 7, 25, 40, 13);
    c.PSuDrawText(QStringLiteral("部位"), true);
    QImage p = c.PFuGetPicture();
    for (const QPoint& at : {QPoint(7, 30), QPoint(46, 30), QPoint(20, 25), QPoint(20, 37)})
        EXPECT_EQ(p.pixelColor(at), kBlack) << at.x() << "," << at.y();
    EXPECT_EQ(p.pixelColor(8, 26), kCyan);
    EXPECT_EQ(p.pixelColor(6, 30), kCanvasBack);
    EXPECT_EQ(p.pixelColor(47, 30), kCanvasBack);
    EXPECT_EQ(p.pixelColor(20, 38), kCanvasBack);

    // The next cell of the column starts on the last row of this one: one shared line.
    c.setPPoDrawBackColor(0xFFFFFF);
    setRect(c, 7, 37, 40, 25);
    c.PSuDrawText(QString(), true);
    p = c.PFuGetPicture();
    EXPECT_EQ(p.pixelColor(9, 37), kBlack);
    EXPECT_EQ(p.pixelColor(9, 36), kCyan);
    EXPECT_EQ(p.pixelColor(9, 38), kWhite);
}

TEST(ImageCanvas, CentredTextPositionRoundsHalvesToEven) {
    struct Case {
        qint64 left, top, width, height;
        int tw, th;
        QPoint expected;
    } cases[] = {
        {0, 0, 9, 9, 4, 4, {2, 2}},                // 2.5 -> 2
        {0, 0, 11, 11, 4, 4, {4, 4}},              // 3.5 -> 4
        {10, 20, 40, 13, 24, 12, {18, 20}},        // 18, 20.5 -> 20
        {10, 0, 20, 10, 40, 10, {0, 0}},           // wider than the rectangle: left of it
        {0, 0, 0x7fffffff, 0, 0, 0, {1 << 24, 0}}, // Long arithmetic does not wrap
    };
    for (const Case& k : cases)
        EXPECT_EQ(kestrin::centredTextOrigin(k.left, k.top, k.width, k.height, k.tw, k.th), k.expected)
            << k.left << " " << k.width << " " << k.tw;
}

TEST(ImageCanvas, TextWithoutBoxChangesOnlyTextPixels) {
    ImageCanvas c;
    prepare(c, 80, 30);
    c.setPPoDrawBackColor(0x00FF00);
    c.setPPoDrawBorderColor(0x0000FF);
    c.setPPoDrawTextColor(0xFF0000);
    setRect(c, 5, 5, 60, 20);
    c.PSuDrawText(QStringLiteral("M"), false);
    const QImage p = c.PFuGetPicture();
    EXPECT_EQ(countColour(p, QColor(0, 255, 0)), 0);
    EXPECT_EQ(countColour(p, QColor(255, 0, 0)), 0);
    EXPECT_GT(p.width() * p.height() - countColour(p, kCanvasBack), 10);
    // Not centred: the text starts at the rectangle's top-left corner.
    QRect inked;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            if (p.pixelColor(x, y) != kCanvasBack)
                inked = inked.united(QRect(x, y, 1, 1));
    EXPECT_GE(inked.left(), 5);
    EXPECT_LE(inked.left(), 7);
    EXPECT_GE(inked.top(), 5);
    EXPECT_LT(inked.bottom(), 5 + 13);

    // A size changed in place is the size of the next text.
    c.PSuClearCanvas();
    c.setFontSize(18);
    c.PSuDrawText(QStringLiteral("M"), false);
    EXPECT_GT(p.width() * p.height() - countColour(c.PFuGetPicture(), kCanvasBack),
              2 * (p.width() * p.height() - countColour(p, kCanvasBack)));
}

TEST(ImageCanvas, PlaqueFaceRectanglesByTheFloorRules) {
    struct Case {
        qint64 width, height;
        QRect left, right, upper, lower;
    } cases[] = {
        {9, 9, QRect(0, 0, 5, 9), QRect(4, 0, 5, 9), QRect(0, 0, 9, 5), QRect(0, 4, 9, 5)},
        {8, 6, QRect(0, 0, 4, 6), QRect(4, 0, 4, 6), QRect(0, 0, 8, 3), QRect(0, 3, 8, 3)},
        {25, 25, QRect(0, 0, 13, 25), QRect(12, 0, 13, 25), QRect(0, 0, 25, 13), QRect(0, 12, 25, 13)},
    };
    for (const Case& k : cases) {
        const auto f = kestrin::plaqueFaceRects(0, 0, k.width, k.height);
        EXPECT_EQ(f[0].shape, kestrin::FaceShape::Left);
        EXPECT_EQ(f[0].rect, k.left) << k.width;
        EXPECT_EQ(f[1].rect, k.right) << k.width;
        EXPECT_EQ(f[2].rect, k.upper) << k.height;
        EXPECT_EQ(f[3].rect, k.lower) << k.height;
    }
    EXPECT_EQ(kestrin::plaqueFaceRects(37, 55, 25, 25)[1].rect, QRect(67, 37, 13, 25));
}

TEST(ImageCanvas, PlaqueCellFacesInTheirColours) {
    ImageCanvas c;
    prepare(c, 60, 60);
    const int L = 10, T = 20, W = 25, H = 25;
    setRect(c, L, T, W, H);
    c.setPPoBolPlaqueL(true);
    c.setPPoBolPlaqueU(true);
    c.PSuDrawPlaque();
    const QImage p = c.PFuGetPicture();
    EXPECT_EQ(p.pixelColor(L + 1, T + H / 2), kPlaque);    // left face
    EXPECT_EQ(p.pixelColor(L + W - 2, T + H / 2), kWhite); // right face
    EXPECT_EQ(p.pixelColor(L + W / 2, T + 1), kPlaque);    // upper face
    EXPECT_EQ(p.pixelColor(L + W / 2, T + H - 2), kWhite); // lower face
    // The frame runs along the cell's outer ring and through the centre.
    for (const QPoint& at :
         {QPoint(L, T), QPoint(L + W - 1, T + H - 1), QPoint(L, T + 5), QPoint(L + W - 1, T + 5),
          QPoint(L + 5, T), QPoint(L + 5, T + H - 1), QPoint(L + 12, T + 12)})
        EXPECT_EQ(p.pixelColor(at), kBlack) << at.x() << "," << at.y();
    EXPECT_EQ(p.pixelColor(L - 1, T + 5), kCanvasBack);
    EXPECT_EQ(p.pixelColor(L + W, T + 5), kCanvasBack);
    // The flags stay for the next cell, readable by the caller.
    EXPECT_TRUE(c.PPoBolPlaqueL());
    EXPECT_FALSE(c.PPoBolPlaqueR());
}

TEST(ImageCanvas, DeleteLinesWithTheCanvasPen) {
    ImageCanvas c;
    prepare(c, 80, 40);
    c.setDrawPenColor(0xFF0000);
    c.setDrawPenWidth(3);
    EXPECT_EQ(c.DrawLine(0, 0, 80, 40), 0);
    EXPECT_EQ(c.DrawLine(80, 0, 0, 40), 0);
    const QImage p = c.PFuGetPicture();
    const QColor blue(0, 0, 255);
    EXPECT_EQ(p.pixelColor(40, 20), blue);
    EXPECT_EQ(p.pixelColor(20, 10), blue);
    EXPECT_EQ(p.pixelColor(60, 10), blue);
    EXPECT_EQ(p.pixelColor(20, 11), blue); // three pixels wide
    EXPECT_EQ(p.pixelColor(40, 5), kCanvasBack);
}

TEST(ImageCanvas, WhatClearsThePictureAndWhatKeepsIt) {
    ImageCanvas c;
    prepare(c, 50, 30);
    setRect(c, 0, 0, 20, 20);
    const auto drawn = [&] { return c.PFuGetPicture().pixelColor(5, 5) == kWhite; };
    c.PSuDrawText(QString(), true);
    ASSERT_TRUE(drawn());

    // A picture taken is a snapshot: clearing and drawing again leave it as it was.
    const QImage first = c.PFuGetPicture();
    c.PSuClearCanvas();
    EXPECT_FALSE(drawn());
    EXPECT_EQ(first.pixelColor(5, 5), kWhite);

    struct Change {
        const char* what;
        std::function<void()> apply;
        bool clears;
    } changes[] = {
        {"font size in place", [&] { c.setFontSize(11); }, false},
        {"font bold in place", [&] { c.setFontBold(true); }, false},
        {"pen", [&] { c.setDrawPenWidth(3), c.setDrawPenColor(0xFF); }, false},
        {"draw members",
         [&] { setRect(c, 1, 1, 5, 5), c.setPPoDrawBackColor(0), c.setPPoBolTextCenter(true); }, false},
        {"same size", [&] { c.setHeight(30 * 15.0); }, false},
        {"Refresh", [&] { c.Refresh(); }, false},
        {"new font", [&] { c.setFont(gdi::logicalFont(QStringLiteral("ＭＳ Ｐゴシック"), 9)); }, true},
        {"back colour", [&] { c.setBackColor(0xFFFFC0); }, true},
        {"new height", [&] { c.setHeight(31 * 15.0); }, true},
    };
    for (const Change& ch : changes) {
        setRect(c, 0, 0, 20, 20);
        c.setPPoDrawBackColor(0xFFFFFF);
        c.PSuDrawText(QString(), true);
        ch.apply();
        EXPECT_EQ(drawn(), !ch.clears) << ch.what;
    }
    // The new font replaced the enlarged bold one.
    EXPECT_EQ(c.FontSize(), 9);
    EXPECT_FALSE(c.FontBold());
}

TEST(ImageCanvas, ZeroSizeGivesANullPictureAndDrawsNothing) {
    ImageCanvas c;
    prepare(c, 40, 40);
    c.setHeight(0);
    setRect(c, 0, 0, 10, 10);
    c.PSuDrawText(QStringLiteral("M"), true);
    c.PSuDrawPlaque();
    EXPECT_EQ(c.DrawLine(0, 0, 10, 10), 0);
    EXPECT_TRUE(c.PFuGetPicture().isNull());
    c.setHeight(10 * 15.0);
    EXPECT_EQ(countColour(c.PFuGetPicture(), kCanvasBack), 40 * 10);
}
