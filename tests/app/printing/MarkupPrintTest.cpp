// Marked text and tooth glyphs on a print target: layout heights, where each cell is written and at
// which size, wrapping, runs written literally, and measuring that never draws. The recording surface
// makes every character as wide and high as the font's pixel size (12 pt at 96 dpi: 16 px, 240 twips).
#include <gtest/gtest.h>

#include "PrintingFixture.h"
#include "app/printing/MdlDTextPrint.h"
#include "app/printing/MdlGlyphorPrint.h"
#include "platform/error/VbError.h"
#include "platform/gdi/Gdi.h"

namespace {

using Kind = gdi::RecordedCall::Kind;

const QString kNoTooth = QStringLiteral("N") + QString(32, u'0');
// Upper right tooth 1 an abutment ("1W"), nothing else.
const QString kAbutment = QStringLiteral("N0000000e") + QString(24, u'0');

struct Out {
    QString text;
    int x, y;
    double size;
    bool operator==(const Out&) const = default;
};
void PrintTo(const Out& o, std::ostream* os) {
    *os << o.text.toStdString() << " @" << o.x << "," << o.y << " " << o.size << "pt";
}

std::vector<Out> textOuts(const gdi::RecordingSurface& s) {
    std::vector<Out> out;
    for (const gdi::RecordedCall& c : s.callsOf(Kind::TextOut))
        out.push_back({c.text, c.points.at(0).x(), c.points.at(0).y(), c.fontSize});
    return out;
}

class MarkupPrintTest : public ::testing::Test {
protected:
    MarkupPrintTest() : s(QSize(2000, 2000), 96) {
        s.setFont(gdi::logicalFont(QStringLiteral("ＭＳ ゴシック"), 12));
    }
    long print(const QString& text, bool draw, int widthPx = 600) {
        return MdlDTextPrint::PFuBolDtextPrint(s, draw, text, true,
                                               gdi::GdiRect{100, 50, 100 + widthPx, 900});
    }
    gdi::RecordingSurface s;
};

} // namespace

TEST_F(MarkupPrintTest, LayoutHeightAndCellsAsWritten) {
    const QString glyphRun = QStringLiteral("/{D") + kNoTooth + QStringLiteral("/}");
    struct Case {
        QString text;
        int widthPx;
        long height; // pixels
        std::vector<Out> outs;
    };
    const Case cases[] = {
        // One base line H0 (half the height of a CR), one more per CR.
        {QString(), 600, 16, {}},
        {QStringLiteral("\r\r"), 600, 48, {}},
        // A character takes its size plus 15 twips each way.
        {QStringLiteral("ab"), 600, 17, {{"a", 100, 50, 12}, {"b", 117, 50, 12}}},
        // Half-size text sits on the lower edge of the base line.
        {QStringLiteral("/{Babc/}"), 600, 16, {{"abc", 100, 58, 6}}},
        {QStringLiteral("/{babc/}"), 600, 16, {{"abc", 100, 58, 6}}},
        // Other kinds, the bracket pair alone and an unclosed bracket are written as they stand.
        {QStringLiteral("/{Xabc/}"), 600, 16, {{"/{Xabc/}", 100, 50, 12}}},
        {QStringLiteral("/{/}"), 600, 16, {{"/{/}", 100, 50, 12}}},
        {QStringLiteral("a/{b"),
         600,
         17,
         {{"a", 100, 50, 12}, {"/", 117, 50, 12}, {"{", 134, 50, 12}, {"b", 151, 50, 12}}},
        // A circled character: the inner text at half size centred in the circle, then the circle.
        {QStringLiteral("/{C1/}"), 600, 16, {{"1", 104, 54, 6}, {"○", 100, 50, 12}}},
        // A glyph run without a tooth and without a part text takes no room.
        {glyphRun, 600, 16, {}},
        {glyphRun + QStringLiteral("a"), 600, 17, {{"a", 100, 50, 12}}},
        // Wrapping: "c" no longer fits in 40 px; a character wider than the line follows an empty line.
        {QStringLiteral("abc"), 40, 34, {{"a", 100, 50, 12}, {"b", 117, 50, 12}, {"c", 100, 67, 12}}},
        {QStringLiteral("a"), 10, 33, {{"a", 100, 66, 12}}},
        // A line break after a taller line moves down by that line's height.
        {QStringLiteral("a\rb"), 600, 34, {{"a", 100, 50, 12}, {"b", 100, 67, 12}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        s.clearCalls();
        EXPECT_EQ(print(c.text, false, c.widthPx), c.height);
        EXPECT_TRUE(s.calls().empty()) << "measuring drew";
        EXPECT_EQ(print(c.text, true, c.widthPx), c.height);
        EXPECT_EQ(textOuts(s), c.outs);
        EXPECT_DOUBLE_EQ(s.fontSize(), 12); // every size change is undone
    }
}

TEST_F(MarkupPrintTest, GlyphRunsMeasureAndDrawTheSameAsTheGlyph) {
    const QString text = QStringLiteral("x/{D") + kAbutment + QStringLiteral("MB/}y");
    const long measured = print(text, false);
    EXPECT_TRUE(s.calls().empty());
    EXPECT_EQ(print(text, true), measured);
    long h = 0, w = 0;
    MdlGlyphorPrint::PSuGlyphorPrint(s, kAbutment, QStringLiteral("MB"), h, w, s.font(), gdi::GdiRect{}, -1,
                                     -1);
    // "x" (255 twips), the glyph, "y" right after it.
    const std::vector<Out> outs = textOuts(s);
    ASSERT_FALSE(outs.empty());
    EXPECT_EQ(outs.back().text, QStringLiteral("y"));
    EXPECT_EQ(outs.back().x, gdi::vbRound((255 + w) / 15.0 + 100));
}

TEST_F(MarkupPrintTest, ToothGlyphOnThePrintTarget) {
    long h = -1, w = -1;
    const gdi::GdiRect rect{100, 50, 700, 900};
    // No tooth and no text: nothing at all, even when drawing.
    MdlGlyphorPrint::PSuGlyphorPrint(s, kNoTooth, QString(), h, w, s.font(), rect, 0, 0);
    EXPECT_EQ(h, 0);
    EXPECT_EQ(w, 0);
    EXPECT_TRUE(s.calls().empty());
    // No tooth with a text: the text's own size, written at the position.
    MdlGlyphorPrint::PSuGlyphorPrint(s, kNoTooth, QStringLiteral("MB"), h, w, s.font(), rect, 30, 45);
    EXPECT_EQ(h, 240);
    EXPECT_EQ(w, 480);
    EXPECT_EQ(textOuts(s), (std::vector<Out>{{"MB", 102, 53, 12}}));

    // Measuring a glyph touches nothing; drawing it gives the same size.
    s.clearCalls();
    MdlGlyphorPrint::PSuGlyphorPrint(s, kAbutment, QString(), h, w, s.font(), rect, -1, -1);
    EXPECT_TRUE(s.calls().empty());
    const long mh = h, mw = w;
    MdlGlyphorPrint::PSuGlyphorPrint(s, kAbutment, QString(), h, w, s.font(), rect, 0, 0);
    EXPECT_EQ(h, mh);
    EXPECT_EQ(w, mw);
    // The abutment: the circled digit, and the circle 1.5 points smaller 15 twips right of and below it;
    // the width counts the digit only (one character, the empty centre column of 2 px and 15 twips).
    EXPECT_EQ(textOuts(s), (std::vector<Out>{{"①", 100, 50, 12}, {"◯", 101, 51, 10.5}}));
    EXPECT_EQ(w, 240 + 30 + 15);
    // The cross is drawn with the target's pen, offset by the rectangle: the horizontal line one pixel
    // below the upper row, the vertical one through the centre column.
    const auto lines = s.callsOf(Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points.at(0), QPoint(101, 50 + 16 + 1));
    EXPECT_EQ(lines[1].points.at(0).x(), 100 + 16 + 1);
}

namespace {

// A target that lays text out but refuses to write it.
class RefusingSurface : public gdi::RecordingSurface {
public:
    RefusingSurface() : gdi::RecordingSurface(QSize(2000, 2000), 96) {
        setFont(gdi::logicalFont(QStringLiteral("ＭＳ ゴシック"), 12));
    }

protected:
    void doTextOut(QPoint, const QString&, const gdi::GdiRect*) override {
        throw VbError(482, QStringLiteral("Printer"), QStringLiteral("プリンタ エラーです。"));
    }
};

using MarkupPrintFailure = PrintingFixture;

} // namespace

// A failure ends the layout with the answer 0 and one log line; no box interrupts the page being printed.
// The measuring pass, which writes nothing, still answers the height.
TEST_F(MarkupPrintFailure, IsLoggedOnlyAndAnswersZero) {
    RefusingSurface target;
    const gdi::GdiRect rect{100, 50, 700, 900};
    EXPECT_EQ(MdlDTextPrint::PFuBolDtextPrint(target, false, QStringLiteral("ab"), true, rect), 17);
    EXPECT_EQ(MdlDTextPrint::PFuBolDtextPrint(target, true, QStringLiteral("ab"), true, rect), 0);
    EXPECT_TRUE(msgbox::shown().isEmpty());
    EXPECT_EQ(logLines(), (QList<LogLine>{{QStringLiteral("PFuBolDtextPrint"),
                                           QStringLiteral("プリンタ エラーです。")}}));
}
