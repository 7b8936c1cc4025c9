// The editor's cell layout and its editing rules, on a surface whose characters are all 16 x 16 pixels
// (240 twips): an ordinary cell is 255 x 255, a half-size character 120 x 120, the line unit 240.
#include <gtest/gtest.h>

#include "controls/toothchart/DTextBoardModel.h"
#include "platform/gdi/GdiFont.h"
#include "platform/gdi/RecordingSurface.h"

namespace {

using Key = DTextBoardModel::Key;

std::unique_ptr<DTextBoardModel> board(const QString& text, int widthTw = 3000, int heightTw = 0,
                                       int minHeightTw = 0) {
    auto m = std::make_unique<DTextBoardModel>(std::make_unique<gdi::RecordingSurface>());
    m->setFont(gdi::logicalFont(QStringLiteral("ＭＳ ゴシック"), 12));
    m->setMinHeightTw(minHeightTw);
    m->setGeometryTw(widthTw, heightTw);
    m->setText(text);
    return m;
}

struct Box {
    int line, left, top, width, height;
};

void expectCells(const DTextBoardModel& m, std::initializer_list<Box> want) {
    ASSERT_EQ(m.lastCell(), static_cast<int>(want.size())) << m.text().toStdString();
    int i = 1;
    for (const Box& b : want) {
        const DTextCell& c = m.cells().at(i);
        EXPECT_EQ((std::vector<int>{c.LngLine, c.LngLeft, c.LngTop, c.LngWidth, c.LngHeight}),
                  (std::vector<int>{b.line, b.left, b.top, b.width, b.height}))
            << m.text().toStdString() << " cell " << i;
        ++i;
    }
}

const QString kGlyphRun = QStringLiteral("/{DN") + QString(32, QChar('a')) + QStringLiteral("上顎/}");

} // namespace

TEST(DTextLayout, CellsAreMeasuredPlacedAndWrapped) {
    const auto start = board(QString());
    EXPECT_EQ(start->lineUnit(), 240);
    EXPECT_EQ(start->cells().at(0).LngHeight, 240);

    // Ordinary characters: text size + one pixel each way.
    expectCells(*board(QStringLiteral("ab")), {{1, 0, 0, 255, 255}, {1, 255, 0, 255, 255}});
    // A half-size run sits on the bottom of the first line unit; the next character at the line's top.
    expectCells(*board(QStringLiteral("a/{Bxy/}b")),
                {{1, 0, 0, 255, 255}, {1, 255, 120, 240, 120}, {1, 495, 0, 255, 255}});
    // Circled and unknown runs take the room of their literal text; "/{/}" is literal and harmless.
    expectCells(*board(QStringLiteral("/{C1/}/{/}")), {{1, 0, 0, 1440, 240}, {1, 1440, 0, 960, 240}});
    // A line break starts the next line below the tallest cell; it has no width.
    const auto cr = board(QStringLiteral("a\rb"));
    expectCells(*cr, {{1, 0, 0, 255, 255}, {2, 0, 255, 0, 240}, {2, 0, 255, 255, 255}});
    cr->setCaret(2);
    EXPECT_EQ(cr->caretLine().x, 0);
    EXPECT_EQ(cr->caretLine().top, 255);
    // The twelfth character no longer fits 3000 twips.
    const auto wrapped = board(QString(12, QChar('a')));
    EXPECT_EQ(wrapped->cells().at(11).LngLine, 1);
    EXPECT_EQ((std::vector<int>{wrapped->cells().at(12).LngLine, wrapped->cells().at(12).LngLeft,
                                wrapped->cells().at(12).LngTop}),
              (std::vector<int>{2, 0, 255}));
    // A cell wider than the board starts a new line even as the first one: line 1 stays empty.
    expectCells(*board(QStringLiteral("a"), 200), {{2, 0, 240, 255, 255}});
}

TEST(DTextLayout, GlyphRunMakesItsLineTaller) {
    const auto m = board(QStringLiteral("a") + kGlyphRun + QStringLiteral("b\rc"), 30000);
    ASSERT_EQ(m->lastCell(), 5);
    const DTextCell& glyph = m->cells().at(2);
    EXPECT_EQ(glyph.kind, DTextMarkup::Kind::Glyph);
    EXPECT_GT(glyph.LngHeight, m->lineUnit());
    EXPECT_GT(glyph.LngWidth, 0);
    EXPECT_EQ(glyph.LngTop, 0);
    EXPECT_EQ(m->cells().at(1).LngTop, 0); // ordinary cells stay at the line's top
    EXPECT_EQ(m->cells().at(3).LngLeft, 255 + glyph.LngWidth);
    EXPECT_EQ(m->cells().at(5).LngTop, glyph.LngHeight); // the next line starts below the glyph
}

TEST(DTextLayout, HeightGrowsThenFitsToTextOrMinimum) {
    struct Case {
        const char* text;
        int height, minHeight, want;
    } cases[] = {
        {"", 0, 0, 0},          // not taller than the text: kept
        {"", 3000, 0, 241},     // shrinks to one line unit + 1
        {"", 3000, 1500, 1500}, // but not below the minimum
        {"ab", 0, 0, 256},      // grows to hold its cells
        {"a\rb", 100, 0, 511},  // two lines of 255
        {"a\rb", 3000, 600, 600},
    };
    for (const Case& c : cases)
        EXPECT_EQ(board(QString::fromUtf8(c.text), 3000, c.height, c.minHeight)->heightTw(), c.want)
            << c.text;
}

TEST(DTextLayout, CaretAndMouseRule) {
    // Empty text: the caret at the left edge over the height of one blank.
    const auto empty = board(QString());
    EXPECT_EQ((std::vector<int>{empty->caretLine().x, empty->caretLine().top, empty->caretLine().bottom}),
              (std::vector<int>{1, 0, 240}));

    // "ab" on line 1; line break, "cd" on line 2 (tops 255).
    const auto m = board(QStringLiteral("ab\rcd"));
    struct Case {
        int button, x, y, want;
    } presses[] = {
        {1, 100, 50, 0},  {1, 300, 50, 1},  {1, 400, 50, 2},  {1, 5000, 50, 2}, {1, 100, 300, 3},
        {1, 200, 300, 4}, {1, 500, 600, 5}, {2, 500, 600, 0}, {4, 500, 50, 0},
    };
    for (const Case& c : presses) {
        m->setCaret(5);
        const auto e = m->press(c.button, c.x, c.y);
        EXPECT_EQ(m->caret(), c.want) << c.button << " " << c.x << "," << c.y;
        EXPECT_TRUE(e.moved);
        EXPECT_FALSE(e.changed);
    }
    // Down keeps the caret's x on the next line, Up comes back; nothing beyond the first and last line.
    m->setCaret(2);
    EXPECT_TRUE(m->key(Key::Down).moved);
    EXPECT_EQ(m->caret(), 5);
    EXPECT_FALSE(m->key(Key::Down).moved);
    EXPECT_TRUE(m->key(Key::Up).moved);
    EXPECT_EQ(m->caret(), 2);
    EXPECT_FALSE(m->key(Key::Up).moved);
}

TEST(DTextLayout, CaretStaysInsideTheText) {
    // A shorter text set from outside brings the caret back to its last cell.
    const auto m = board(QString(12, QChar('x')));
    m->setCaret(10);
    m->setText(QStringLiteral("ab"));
    EXPECT_EQ(m->caret(), 2);
    // An insertion whose unclosed bracket merges with the text after the caret.
    m->setText(QStringLiteral("ab/}"));
    m->setCaret(0);
    const auto e = m->insString(QStringLiteral("/{Bx"));
    EXPECT_EQ(m->text(), QStringLiteral("/{Bxab/}"));
    EXPECT_EQ(m->lastCell(), 1);
    EXPECT_EQ(m->caret(), 0);
    EXPECT_TRUE(e.moved && e.changed);
    // A plain insertion puts the caret after what it formed, whatever follows.
    m->setText(QStringLiteral("ab"));
    m->setCaret(1);
    m->insString(QStringLiteral("/{Bxy/}z"));
    EXPECT_EQ(m->text(), QStringLiteral("a/{Bxy/}zb"));
    EXPECT_EQ(m->caret(), 3);
}
