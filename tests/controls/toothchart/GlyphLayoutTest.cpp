// The glyph's layout on a recording surface (every character 16 x 16 px = 240 x 240 twips at 12 pt):
// sizes, cross lines, text corners, the "W" circle, delete lines and the part text.
#include <gtest/gtest.h>

#include "CodeBuilder.h"
#include "controls/toothchart/GlyphLayout.h"
#include "platform/gdi/RecordingSurface.h"

using namespace GlyphLayout;
using gdi::RecordedCall;
using gdi::RecordingSurface;
using Kind = RecordedCall::Kind;

namespace {

struct Drawn {
    Size size;
    std::vector<RecordedCall> lines;
    std::vector<RecordedCall> texts;
};

Drawn draw(const QString& code, const QString& partText, int offX, int offY, Options o = {},
           double dpi = 96) {
    RecordingSurface s(QSize(2000, 2000), dpi);
    s.setFontSize(12);
    const QuadNotation q = QuadSplitter::split(code);
    Drawn d;
    d.size = paint(&s, s, q, ToothPartCode::hasNoTooth(code), partText, offX, offY, o);
    d.lines = s.callsOf(Kind::Line);
    d.texts = s.callsOf(Kind::TextOut);
    return d;
}

QVector<QPoint> seg(int x1, int y1, int x2, int y2) {
    return {QPoint(x1, y1), QPoint(x2, y2)};
}

} // namespace

TEST(GlyphLayout, DisplayMapping) {
    struct Case {
        const char* token;
        const char* shown;
    } cases[] = {{"3 ", "３"}, {"3M", "３"}, {"3S", "③"},  {"3W", "③"},  {"8S", "⑧"},
                 {"1 ", "１"}, {"C ", "Ｃ"}, {"E ", "Ｅ"}, {"- ", "～"}, {"T ", "△"},
                 {"3X", ""},   {"| ", ""},   {"9 ", ""},   {"F ", ""},   {"t ", ""}};
    for (const Case& c : cases)
        EXPECT_EQ(displayText(QString::fromUtf8(c.token)), QString::fromUtf8(c.shown)) << c.token;
    EXPECT_EQ(displayText(QStringLiteral("5 4S3 - 1 ")), QStringLiteral("５④３～１"));
}

TEST(GlyphLayout, EmptyCodeDrawsOnlyThePartText) {
    Drawn d = draw(ToothPartCode::kEmpty, QString(), 150, 75);
    EXPECT_EQ(d.size.width, 0);
    EXPECT_EQ(d.size.height, 0);
    EXPECT_TRUE(d.lines.empty());
    EXPECT_TRUE(d.texts.empty());

    d = draw(ToothPartCode::kEmpty, QStringLiteral("上顎"), 150, 75);
    EXPECT_EQ(d.size.width, 480);
    EXPECT_EQ(d.size.height, 240);
    ASSERT_EQ(d.texts.size(), 1u);
    EXPECT_EQ(d.texts[0].text, QStringLiteral("上顎"));
    EXPECT_EQ(d.texts[0].points[0], QPoint(10, 5));
}

TEST(GlyphLayout, FullChartCrossAndCorners) {
    const Drawn d = draw(makeCode('N', {}, 'a'), QString(), 150, 75);
    // U = L = 240, G = 45, R = Lw = 8 x 240, C = 30: height 525, width 3885.
    EXPECT_EQ(d.size.height, 525);
    EXPECT_EQ(d.size.width, 3885);
    ASSERT_EQ(d.lines.size(), 2u);
    // Horizontal at nearest(py(75 + 240) + 1) = 22 from nearest(px(150) + 1) = 11 to
    // nearest(px(150 + 3885) - 1) = 268; vertical at nearest(px(nearest(150 + 1920 + 15))) = 139 from 6 to
    // nearest(py(75 + 525) - 1) = 39.
    EXPECT_EQ(d.lines[0].points, seg(11, 22, 268, 22));
    EXPECT_EQ(d.lines[1].points, seg(139, 6, 139, 39));
    EXPECT_EQ(d.lines[0].pen.color, gdi::oleColor(0x80000012));
    EXPECT_EQ(d.lines[0].pen.width, 1);
    ASSERT_EQ(d.texts.size(), 32u);
    // Upper right from the left edge (tooth 8 first), upper left after the centre column, lower row
    // below U + G.
    EXPECT_EQ(d.texts[0].text, QStringLiteral("８"));
    EXPECT_EQ(d.texts[0].points[0], QPoint(10, 5));
    EXPECT_EQ(d.texts[7].text, QStringLiteral("１"));
    EXPECT_EQ(d.texts[7].points[0], QPoint(10 + 7 * 16, 5));
    EXPECT_EQ(d.texts[8].text, QStringLiteral("１"));
    EXPECT_EQ(d.texts[8].points[0], QPoint(gdi::vbRound((150 + 1920 + 30) / 15.0), 5));
    EXPECT_EQ(d.texts[16].points[0], QPoint(10, gdi::vbRound((75 + 285) / 15.0)));
}

TEST(GlyphLayout, ReservedLettersDrawABareCross) {
    const Drawn d = draw(makeCode('N', {}, 'f'), QString(), 0, 0);
    EXPECT_EQ(d.size.width, 45);
    EXPECT_EQ(d.size.height, 45);
    EXPECT_TRUE(d.texts.empty());
    ASSERT_EQ(d.lines.size(), 2u);
    EXPECT_EQ(d.lines[0].points, seg(1, 1, 2, 1));
    EXPECT_EQ(d.lines[1].points, seg(1, 1, 1, 2));
}

TEST(GlyphLayout, CircleOfAnElectiveAbutment) {
    const QString code = makeCode('N', {{ToothPartCode::UpperRight, 3, 'e'}});
    Options own;
    own.smallerCircle = true;
    for (const Options& o : {Options{}, own}) {
        const Drawn d = draw(code, QString(), 0, 0, o);
        ASSERT_EQ(d.texts.size(), 2u);
        EXPECT_EQ(d.texts[0].text, QStringLiteral("③"));
        EXPECT_EQ(d.texts[1].text, QStringLiteral("◯"));
        EXPECT_EQ(d.texts[1].points[0], d.texts[0].points[0] + QPoint(1, 1));
        EXPECT_DOUBLE_EQ(d.texts[1].fontSize, o.smallerCircle ? 10.5 : 12);
        EXPECT_EQ(d.size.width, 240 + 30 + 15); // the circle takes no width
    }
}

TEST(GlyphLayout, UpperJawOnlyWithDeleteMarkAndPartText) {
    Options o;
    o.deleteMark = true;
    const QString code =
        makeCode('N', {{ToothPartCode::UpperRight, 1, 'a'}, {ToothPartCode::UpperLeft, 1, 'a'}});
    Drawn d = draw(code, QString(), 0, 0, o);
    EXPECT_EQ(d.size.height, 285); // G + U, L = 0
    ASSERT_EQ(d.lines.size(), 3u); // cross and the upper delete line only
    EXPECT_EQ(d.lines[2].points, seg(1, 8, gdi::vbRound(d.size.width / 15.0 - 1), 8));

    // A part text gets its own strike line at the middle of the draw height.
    d = draw(code, QStringLiteral("部"), 0, 0, o);
    ASSERT_EQ(d.lines.size(), 4u);
    const int crossW = 240 + 30 + 240 + 15;
    EXPECT_EQ(d.size.width, crossW + 240);
    const int row = gdi::vbRound(gdi::vbRound(285 / 2.0) / 15.0);
    EXPECT_EQ(d.lines[3].points,
              seg(gdi::vbRound(crossW / 15.0 + 1), row, gdi::vbRound((crossW + 240) / 15.0 - 1), row));
    EXPECT_EQ(d.texts.back().points[0],
              QPoint(gdi::vbRound(crossW / 15.0), gdi::vbRound(gdi::vbRound(285 / 2.0 - 120) / 15.0)));
    EXPECT_EQ(d.texts.back().points[0].y(), 1); // 22.5 twips -> 22 -> 1.47 px -> 1

    // A part text taller than the cross sets the height; the cross stays at the top.
    d = draw(code, QStringLiteral("上\r顎"), 0, 0);
    EXPECT_EQ(d.size.height, 480);
    EXPECT_EQ(d.lines[0].points[0].y(), 17);
}

TEST(GlyphLayout, PrintRulesAddTheRectangleOffsetAndUseTheTargetPen) {
    Options o;
    o.rules = Rules::Print;
    o.smallerCircle = true;
    o.originPx = QPoint(100, 50);
    RecordingSurface s(QSize(5000, 5000), 600);
    s.setFontSize(12); // 100 px per character at 600 dpi: 240 twips
    s.selectPen(gdi::Pen{gdi::PenStyle::Solid, 1, Qt::blue});
    const QString code = makeCode('N', {{ToothPartCode::LowerLeft, 2, 'e'}});
    const Size size = paint(&s, s, QuadSplitter::split(code), false, QString(), 240, 120, o);
    // G = nearest(3 px) = 7 tw, M = 5 tw: height 7 + 240, width 5 + 240 + 15.
    EXPECT_EQ(size.height, 247);
    EXPECT_EQ(size.width, 260);
    const auto lines = s.callsOf(Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].pen.color, QColor(Qt::blue));
    EXPECT_EQ(lines[0].points, seg(100 + 100 + 1, 50 + 50 + 1, 100 + gdi::vbRound(500 / 2.4) - 1, 101));
    const auto texts = s.callsOf(Kind::TextOut);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].points[0], QPoint(100 + gdi::vbRound(245 / 2.4), 50 + gdi::vbRound(127 / 2.4)));
    EXPECT_DOUBLE_EQ(texts[1].fontSize, 10.5);
}
