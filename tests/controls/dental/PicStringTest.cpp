// The coded-string picture: where each layout code puts its character and at what size, the position
// after it, and the strike line. Measured on the recording surface, whose characters are as wide and
// high as the font's pixel size (12 pt: 16 pixels).
#include <gtest/gtest.h>

#include "controls/dental/PicString.h"
#include "platform/gdi/Gdi.h"

using gdi::RecordedCall;

namespace {

struct Drawn {
    QString ch;
    QPoint at;
    double size;
};

struct Result {
    std::vector<Drawn> chars;
    int x;
    double sizeAfter;
};

Result draw(const QString& enc, double points = 12, bool delMark = false) {
    gdi::RecordingSurface s;
    s.setFont(gdi::logicalFont(QStringLiteral("ＭＳ ゴシック"), points));
    Result r;
    r.x = PicString::drawEncString(s, enc, Qt::white, Qt::black, delMark, Qt::red);
    for (const RecordedCall& c : s.callsOf(RecordedCall::Kind::TextOut))
        r.chars.push_back(Drawn{c.text, c.points.at(0), c.fontSize});
    r.sizeAfter = s.fontSize();
    return r;
}

} // namespace

TEST(PicString, LayoutCodesPlaceAndSizeTheirCharacters) {
    struct Case {
        const char* enc;
        std::vector<Drawn> chars;
        int x;
    } cases[] = {
        {"ANB ", {{"A", {0, 0}, 12}, {"B", {0, 0}, 12}}, 16},  // N stays: B over A
        {"ABC", {{"C", {0, 0}, 12}}, 16},                      // "B" is no code: A hidden; odd C full size
        {"1uX ", {{"1", {0, 0}, 6}, {"X", {0, 0}, 12}}, 16},   // half size at the top, staying
        {"1UX ", {{"1", {0, 0}, 6}, {"X", {8, 0}, 12}}, 24},   // moving on by the half width
        {"aCbc", {{"a", {0, 4}, 6}, {"b", {8, 4}, 6}}, 8},     // middle: half of the half height
        {"aDbd", {{"a", {0, 8}, 6}, {"b", {8, 8}, 6}}, 8},     // bottom: the half height
        {"X4Y ", {{"X", {5, 5}, 4.8}, {"Y", {0, 0}, 12}}, 16}, // 0.6 x 16 / 2 = 4.8 -> 5; x stays
        {"X8", {{"X", {2, 2}, 9.6}}, 0},                       // 0.2 x 16 / 2 = 1.6 -> 2
        {"AnB9C0DxE ", {{"E", {0, 0}, 12}}, 16},               // n, 9, 0, x hide and stay
        {"", {}, 0},
    };
    for (const Case& c : cases) {
        const Result r = draw(QString::fromUtf8(c.enc));
        SCOPED_TRACE(c.enc);
        ASSERT_EQ(r.chars.size(), c.chars.size());
        for (size_t i = 0; i < r.chars.size(); ++i) {
            EXPECT_EQ(r.chars[i].ch, QString::fromUtf8(c.chars[i].ch.toUtf8()));
            EXPECT_EQ(r.chars[i].at, c.chars[i].at) << i;
            EXPECT_DOUBLE_EQ(r.chars[i].size, c.chars[i].size) << i;
        }
        EXPECT_EQ(r.x, c.x);
        EXPECT_DOUBLE_EQ(r.sizeAfter, 12);
    }
}

TEST(PicString, FontSizeIsRestoredExactly) {
    EXPECT_EQ(draw(QStringLiteral("auB5c7dDeU"), 9.75).sizeAfter, 9.75);
    EXPECT_EQ(draw(QStringLiteral("歯4X6"), 10.5).sizeAfter, 10.5);
}

TEST(PicString, StrikeLineWidthAndHeightFollowTheLetterH) {
    struct Case {
        double points; // pixel size = text height of "H" on the recording surface
        int pixels, penWidth, y;
    } cases[] = {
        {12, 16, 2, 8},     // 1.6 -> 2
        {11.25, 15, 2, 8},  // 1.5 -> 2, 7.5 -> 8
        {18.75, 25, 2, 12}, // 2.5 -> 2, 12.5 -> 12
        {7.5, 10, 1, 5},
    };
    for (const Case& c : cases) {
        gdi::RecordingSurface s;
        s.setFont(gdi::logicalFont(QStringLiteral("ＭＳ ゴシック"), c.points));
        ASSERT_EQ(s.textHeightPx(QStringLiteral("H")), c.pixels);
        const int x =
            PicString::drawEncString(s, QStringLiteral("A B "), Qt::white, Qt::black, true, Qt::red);
        const auto lines = s.callsOf(RecordedCall::Kind::Line);
        ASSERT_EQ(lines.size(), 1u) << c.points;
        EXPECT_EQ(lines[0].pen.width, c.penWidth) << c.points;
        EXPECT_EQ(lines[0].pen.color, QColor(Qt::red));
        EXPECT_EQ(lines[0].points.at(0), QPoint(0, c.y));
        EXPECT_EQ(lines[0].points.at(1), QPoint(x, c.y));
    }
}

TEST(PicString, PicturePaintsCharactersAndStrikesOnlyWhatWasDrawn) {
    PicString p;
    EXPECT_EQ(p.size(), QSize(146, 34));
    p.setFont(gdi::logicalFont(QStringLiteral("ＭＳ ゴシック"), 12));
    p.setDelMark(true);
    p.setDelColor(0xFF0000);
    const QColor back(255, 128, 128);
    // Nothing drawn: the line has no length, the picture is all background.
    QImage img = p.picture();
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ASSERT_EQ(img.pixelColor(x, y), back) << x << "," << y;

    p.setEncString(QStringLiteral("A B "));
    img = p.picture();
    // The strike line: blue in the middle of the letters' height, and nothing right of the last one.
    EXPECT_EQ(img.pixelColor(4, 8), QColor(0, 0, 255));
    EXPECT_EQ(img.pixelColor(60, 8), back);
}
