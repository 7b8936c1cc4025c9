// Rounding, colours, fonts, text measuring, DrawText layout and the page surface.
#include <gtest/gtest.h>

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "platform/gdi/Gdi.h"

using namespace gdi;

TEST(GdiUnits, RoundingHalvesToEven) {
    const std::pair<double, int> cases[] = {{0.5, 0},  {1.5, 2},  {2.5, 2},     {-1.5, -2}, {-0.5, 0},
                                            {2.49, 2}, {2.51, 3}, {248.5, 248}, {-2.5, -2}, {7.0, 7}};
    for (auto [v, want] : cases)
        EXPECT_EQ(vbRound(v), want) << v;
    EXPECT_EQ(twipsToPx(22.5), 2); // 1.5 px
    EXPECT_EQ(twipsToPx(37.5), 2); // 2.5 px
    EXPECT_EQ(twipsToPx(360), 24);
}

TEST(GdiUnits, ColourValues) {
    EXPECT_EQ(colorFromBgr(255), QColor(255, 0, 0));
    EXPECT_EQ(colorFromBgr(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(bgrFromColor(QColor(0x40, 0x40, 0xFF)), 0xFF4040);
    EXPECT_EQ(oleColor(0xC0C000), QColor(0, 0xC0, 0xC0));
    EXPECT_TRUE(isSystemColor(0x8000000F));
    EXPECT_FALSE(isSystemColor(0x00FFFFFF));
    EXPECT_EQ(oleColor(0x80000012), systemColor(18));
    EXPECT_EQ(oleColor(0x8000000F), systemColor(15));
    EXPECT_EQ(stockBrush(1).color, QColor(192, 192, 192));
    EXPECT_EQ(stockBrush(5).style, BrushStyle::Null);
}

TEST(GdiUnits, FontTableAndGdiPixelSizes) {
    const std::pair<const char*, const char*> names[] = {
        {"ＭＳ ゴシック", "IPAGothic"}, {"ＭＳ　ゴシック", "IPAGothic"}, {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"ＭＳ 明朝", "IPAMincho"},     {"ＭＳ　明朝", "IPAMincho"},     {"DejaVu Sans", "DejaVu Sans"}};
    for (auto [in, out] : names)
        EXPECT_EQ(substituteFontFamily(QString::fromUtf8(in)), QString::fromUtf8(out)) << in;

    const std::pair<double, int> sizes[] = {{12, 16}, {10.5, 14}, {9, 12}, {8, 11}, {7.5, 10}, {15.75, 21}};
    for (auto [pt, px] : sizes) {
        EXPECT_EQ(fontPixelSize(pt, 96), px) << pt;
        EXPECT_EQ(deviceFont(logicalFont(QStringLiteral("ＭＳ ゴシック"), pt), 96).pixelSize(), px) << pt;
    }
    EXPECT_EQ(fontPixelSize(10, 600), 83);
    EXPECT_EQ(makeFont(QStringLiteral("ＭＳ ゴシック"), 12).pixelSize(), 16);

    // The surface keeps the font as given and paints it substituted at its own resolution.
    RecordingSurface printer(QSize(4000, 6000), 600);
    printer.setFont(logicalFont(QStringLiteral("ＭＳ　ゴシック"), 10.5));
    EXPECT_EQ(printer.font().family(), QStringLiteral("ＭＳ　ゴシック"));
    EXPECT_DOUBLE_EQ(printer.fontSize(), 10.5);
    EXPECT_EQ(printer.deviceFont().family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(printer.deviceFont().pixelSize(), 88);
    EXPECT_DOUBLE_EQ(printer.twipsPerPixelX(), 2.4);
}

TEST(GdiText, TextWidthAndHeightCountLines) {
    RecordingSurface s; // 12 pt: 16 x 16 px per character
    s.setFontSize(12);
    struct Case {
        const char* text;
        int w, h; // pixels
    } cases[] = {{"", 0, 16},        {"ab", 32, 16},     {"\r", 0, 32},
                 {"a\rbcd", 48, 32}, {"a\r\nb", 16, 32}, {"a\nb\n", 16, 48}};
    for (const Case& c : cases) {
        EXPECT_EQ(s.textWidthPx(QString::fromUtf8(c.text)), c.w) << c.text;
        EXPECT_EQ(s.textHeightPx(QString::fromUtf8(c.text)), c.h) << c.text;
    }
    EXPECT_DOUBLE_EQ(s.textWidthTw(QStringLiteral("ab")), 480);
    EXPECT_DOUBLE_EQ(s.textHeightTw(QStringLiteral("\r")), 480);
}

TEST(GdiText, DrawTextPlacesLinesByItsFlags) {
    struct Case {
        const char* name;
        const char* text;
        unsigned flags;
        GdiRect rect;
        int result;
        std::vector<QPoint> at; // top-left of each line drawn
        std::vector<const char*> lines;
    } cases[] = {
        {"centre, middle, one line",
         "ab",
         dt::kCenter | dt::kVCenter | dt::kSingleLine,
         {0, 0, 100, 40},
         28,
         {{34, 12}},
         {"ab"}},
        {"right, one line", "ab", dt::kRight | dt::kSingleLine, {0, 0, 100, 40}, 16, {{68, 0}}, {"ab"}},
        {"bottom", "ab", dt::kBottom | dt::kSingleLine, {0, 0, 100, 40}, 40, {{0, 24}}, {"ab"}},
        {"line breaks", "a\rb", 0, {10, 20, 100, 100}, 32, {{10, 20}, {10, 36}}, {"a", "b"}},
        {"single line drops breaks", "a\r\nb", dt::kSingleLine, {0, 0, 100, 40}, 16, {{0, 0}}, {"ab"}},
        {"words wrap", "ab cd ef", dt::kWordBreak, {0, 0, 90, 100}, 32, {{0, 0}, {0, 16}}, {"ab cd", "ef"}},
        {"ideographs wrap anywhere",
         "歯科衛生士",
         dt::kWordBreak,
         {0, 0, 50, 100},
         32,
         {{0, 0}, {0, 16}},
         {"歯科衛", "生士"}},
        {"a long word stays whole", "abcdefgh", dt::kWordBreak, {0, 0, 50, 100}, 16, {{0, 0}}, {"abcdefgh"}},
        {"prefix", "&Save && go", dt::kSingleLine, {0, 0, 300, 40}, 16, {{0, 0}}, {"Save & go"}},
        {"no prefix", "&a", dt::kSingleLine | dt::kNoPrefix, {0, 0, 300, 40}, 16, {{0, 0}}, {"&a"}},
    };
    for (const Case& c : cases) {
        RecordingSurface s;
        s.setFontSize(12);
        GdiRect r = c.rect;
        EXPECT_EQ(s.drawText(QString::fromUtf8(c.text), r, c.flags), c.result) << c.name;
        const auto outs = s.callsOf(RecordedCall::Kind::TextOut);
        ASSERT_EQ(outs.size(), c.lines.size()) << c.name;
        for (size_t i = 0; i < outs.size(); ++i) {
            EXPECT_EQ(outs[i].text, QString::fromUtf8(c.lines[i])) << c.name;
            EXPECT_EQ(outs[i].points.at(0), c.at[i]) << c.name;
            EXPECT_TRUE(outs[i].clipped) << c.name;
        }
        EXPECT_EQ(r, c.rect) << c.name;
    }
}

TEST(GdiText, DrawTextCalcRectMeasuresWithoutDrawing) {
    RecordingSurface s;
    s.setFontSize(12);
    GdiRect r{5, 10, 90, 12};
    EXPECT_EQ(
        s.drawText(QStringLiteral("ab cd ef"), r, dt::kCalcRect | dt::kWordBreak | dt::kExternalLeading), 32);
    EXPECT_TRUE(s.calls().empty());
    EXPECT_EQ(r, (GdiRect{5, 10, 85, 42}));
}

TEST(GdiText, PrintWritesAtCurrentPositionAndMovesDown) {
    RecordingSurface s;
    s.setFontSize(12);
    s.setCurrentX(150);
    s.setCurrentY(300);
    s.print(QStringLiteral("あ"));
    const auto outs = s.callsOf(RecordedCall::Kind::TextOut);
    ASSERT_EQ(outs.size(), 1u);
    EXPECT_EQ(outs[0].points.at(0), QPoint(10, 20));
    EXPECT_DOUBLE_EQ(s.currentX(), 0);
    EXPECT_DOUBLE_EQ(s.currentY(), 540);
}

TEST(GdiPages, PdfPagesThroughTheDeviceSurface) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pages.pdf"));
    {
        QPdfWriter pdf(path);
        pdf.setResolution(600);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                      QPageLayout::Millimeter));
        DeviceSurface page(&pdf);
        EXPECT_TRUE(page.isPaged());
        EXPECT_DOUBLE_EQ(page.twipsPerPixelY(), 2.4);
        EXPECT_EQ(page.deviceCaps(caps::kLogPixelsX), 600);
        // Qt keeps page sizes in points: within a few device pixels of the millimetre values.
        EXPECT_NEAR(page.deviceCaps(caps::kPhysicalOffsetX), 5 / 25.4 * 600, 3);
        EXPECT_NEAR(page.deviceCaps(caps::kPhysicalWidth), 210 / 25.4 * 600, 4);
        EXPECT_LT(page.deviceCaps(caps::kHorzRes), page.deviceCaps(caps::kPhysicalWidth));
        page.setFont(logicalFont(QStringLiteral("ＭＳ　ゴシック"), 10));
        page.textOut(100, 100, QStringLiteral("一枚目"));
        EXPECT_TRUE(page.newPage());
        page.line(100, 100, 1000, 100, Qt::black, 1);
        page.endDoc();
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().count("/Type /Page\n"), 2);
}
