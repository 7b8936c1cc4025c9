// The marked-text editor driven as a user drives it: keys, input-method commits and mouse clicks into
// the board, the events it raises, scrolling, the border and the wrapper's own members.
#include <QApplication>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/toothchart/DText.h"
#include "platform/error/VbError.h"
#include "platform/gdi/GdiFont.h"

namespace {

class Editor : public ::testing::Test {
protected:
    void SetUp() override {
        form.setFont(gdi::logicalFont(QStringLiteral("ＭＳ ゴシック"), 12));
        form.resize(220, 120);
        text = new DText(&form);
        text->setGeometry(10, 10, 200, 100);
        board = text->board();
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QObject::connect(text, &DText::Change, [this] { ++changes; });
        QObject::connect(board, &DTextBoard::DisplayRequest, [this](int, int) { ++requests; });
    }

    void setText(const QString& t, int caret) {
        text->setPPoStrDString(t);
        board->setFocus();
        // The caret is placed by keys: Home, then Right.
        QTest::keyClick(board, Qt::Key_Home);
        for (int i = 0; i < caret; ++i)
            QTest::keyClick(board, Qt::Key_Right);
        changes = requests = 0;
    }

    void commit(const QString& preedit, const QString& committed) {
        QInputMethodEvent e(preedit, {});
        e.setCommitString(committed);
        QApplication::sendEvent(board, &e);
    }

    QPoint cellPoint(int i, double fx, double fy) const {
        const DTextCell& c = board->cells().at(i);
        return QPoint(int((c.LngLeft + c.LngWidth * fx) / 15), int((c.LngTop + c.LngHeight * fy) / 15));
    }

    QWidget form;
    DText* text = nullptr;
    DTextBoard* board = nullptr;
    int changes = 0;
    int requests = 0;
};

} // namespace

TEST_F(Editor, TypingFormsRunsAtTheirClosingBracket) {
    setText(QString(), 0);
    const char* keys = "/{Ba/";
    for (int i = 0; keys[i]; ++i) {
        QTest::keyClick(board, keys[i]);
        EXPECT_EQ(board->cells().size() - 1, i + 1);
        EXPECT_EQ(board->caretIndex(), i + 1);
    }
    QTest::keyClicks(board, QStringLiteral("}"));
    EXPECT_EQ(text->PPoStrDString(), QStringLiteral("/{Ba/}"));
    EXPECT_EQ(board->cells().size(), 2);
    EXPECT_EQ(board->caretIndex(), 1);
    EXPECT_EQ(changes, 6);
    EXPECT_EQ(requests, 6);
    // Backspace takes the whole run.
    QTest::keyClick(board, Qt::Key_Backspace);
    EXPECT_EQ(text->PPoStrDString(), QString());
    EXPECT_EQ(board->caretIndex(), 0);
    EXPECT_EQ(changes, 7);
}

TEST_F(Editor, KeysMoveOverAndDeleteWholeRuns) {
    const QString t = QStringLiteral("x/{Byz/}w\rv"); // cells: x, run, w, CR, v
    struct Case {
        int caret;
        Qt::Key key;
        const char* keyText;
        const char* want;
        int wantCaret;
        int wantChanges;
    } cases[] = {
        {1, Qt::Key_Right, "", "x/{Byz/}w\rv", 2, 0},
        {2, Qt::Key_Left, "", "x/{Byz/}w\rv", 1, 0},
        {3, Qt::Key_Home, "", "x/{Byz/}w\rv", 0, 0},
        {1, Qt::Key_End, "", "x/{Byz/}w\rv", 5, 0},
        {1, Qt::Key_Delete, "\x7f", "xw\rv", 1, 1},
        {2, Qt::Key_Backspace, "\b", "xw\rv", 1, 1},
        {3, Qt::Key_Backspace, "\b", "x/{Byz/}\rv", 2, 1},
        {0, Qt::Key_Backspace, "\b", "x/{Byz/}w\rv", 0, 0},
        {5, Qt::Key_Delete, "\x7f", "x/{Byz/}w\rv", 5, 0},
        {5, Qt::Key_Right, "", "x/{Byz/}w\rv", 5, 0},
        {0, Qt::Key_Left, "", "x/{Byz/}w\rv", 0, 0},
        {2, Qt::Key_Return, "\r", "x/{Byz/}\rw\rv", 3, 1},
        {1, Qt::Key_Escape, "\x1b", "x/{Byz/}w\rv", 1, 0},
        {0, Qt::Key_A, "\x01", "\x01x/{Byz/}w\rv", 1, 1}, // control characters are typed as they come
    };
    for (const Case& c : cases) {
        setText(t, c.caret);
        QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier, QString::fromLatin1(c.keyText));
        QApplication::sendEvent(board, &press);
        EXPECT_EQ(text->PPoStrDString(), QString::fromLatin1(c.want)) << c.caret << " key " << c.key;
        EXPECT_EQ(board->caretIndex(), c.wantCaret) << c.caret << " key " << c.key;
        EXPECT_EQ(changes, c.wantChanges) << c.caret << " key " << c.key;
        // Esc is left to the form.
        EXPECT_EQ(press.isAccepted(), c.key != Qt::Key_Escape) << c.key;
    }
    // After a line break the caret stands at the start of the new line.
    setText(QStringLiteral("ab\r"), 3);
    const DTextCell& cr = board->cells().at(3);
    EXPECT_EQ(cr.LngLine, 2);
    EXPECT_EQ(cr.LngWidth, 0);
    EXPECT_EQ(board->caretLine().x, 0);
    EXPECT_EQ(board->caretLine().top, board->cells().at(1).LngHeight);
}

TEST_F(Editor, InputMethodCommitsAtTheCaretWithThePreeditThere) {
    setText(QStringLiteral("ab"), 1);
    commit(QStringLiteral("にほんご"), QString());
    EXPECT_EQ(board->preeditText(), QStringLiteral("にほんご"));
    EXPECT_EQ(text->PPoStrDString(), QStringLiteral("ab"));
    EXPECT_EQ(changes, 0);
    const QRect caret = board->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_EQ(caret.left(), (board->cells().at(1).LngLeft + board->cells().at(1).LngWidth) / 15);

    commit(QString(), QStringLiteral("日本語"));
    EXPECT_EQ(text->PPoStrDString(), QStringLiteral("a日本語b"));
    EXPECT_EQ(board->caretIndex(), 4);
    EXPECT_EQ(changes, 3); // one per character, as one key press each
    EXPECT_TRUE(board->preeditText().isEmpty());
    // A character outside the basic plane is one cell: Backspace never leaves half of it.
    commit(QString(), QString::fromUtf8("𠮟"));
    EXPECT_EQ(board->caretIndex(), 5);
    QTest::keyClick(board, Qt::Key_Backspace);
    EXPECT_EQ(text->PPoStrDString(), QStringLiteral("a日本語b"));
    EXPECT_TRUE(board->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(board->inputMethodQuery(Qt::ImEnabled).toBool());
}

TEST_F(Editor, ClicksPlaceTheCaretBesideRunsNeverInside) {
    setText(QStringLiteral("ab/{Bxyz/}c"), 0); // cells: a, b, run, c
    struct Case {
        int cell;
        double fx;
        Qt::MouseButton button;
        int want;
    } cases[] = {
        {2, 0.1, Qt::LeftButton, 1},                               // the left part of b: before it
        {3, 0.2, Qt::LeftButton, 2},                               // into the run near its start: before it
        {3, 0.8, Qt::LeftButton, 3},                               // near its end: after it
        {4, 0.9, Qt::LeftButton, 4}, {3, 0.8, Qt::RightButton, 0}, // any other button: the start
    };
    for (const Case& c : cases) {
        QTest::mouseClick(board, c.button, Qt::NoModifier, cellPoint(c.cell, c.fx, 0.5));
        EXPECT_EQ(board->caretIndex(), c.want) << c.cell << " " << c.fx;
    }
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(board->hasFocus());
}

TEST_F(Editor, SettingTheTextRaisesNothingAndKeepsTheCaretInside) {
    setText(QString(12, QChar('x')), 10);
    text->setFocus();
    form.setFocus(); // away, then back
    text->setPPoStrDString(QStringLiteral("a\r\nb"));
    EXPECT_EQ(text->PPoStrDString(), QStringLiteral("a\rb"));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(requests, 0);
    text->setFocus();
    EXPECT_TRUE(board->hasFocus());
    EXPECT_EQ(board->caretIndex(), 3);
    EXPECT_EQ(requests, 1);
    // The caret blinks while the board has the focus, and is hidden without it.
    for (int waited = 0; !board->caretShown() && waited < 3000; waited += 50)
        QTest::qWait(50);
    EXPECT_TRUE(board->caretShown());
    // Insertion from code: one Change, the focus on the board.
    form.setFocus();
    EXPECT_FALSE(board->caretShown());
    text->PSuInsString(QStringLiteral("/{B1/}"));
    EXPECT_EQ(text->PPoStrDString(), QStringLiteral("a\rb/{B1/}"));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(board->hasFocus());
}

TEST_F(Editor, BorderAndGeometry) {
    const QImage img = text->grab().toImage();
    EXPECT_EQ(QColor(img.pixel(0, 0)), QColor(172, 168, 153));
    EXPECT_EQ(QColor(img.pixel(199, 0)), QColor(Qt::white));
    EXPECT_EQ(QColor(img.pixel(0, 99)), QColor(Qt::white));
    EXPECT_EQ(QColor(img.pixel(1, 1)), QColor(113, 111, 100));
    EXPECT_EQ(QColor(img.pixel(198, 1)), QColor(241, 239, 226));
    EXPECT_EQ(QColor(img.pixel(1, 98)), QColor(241, 239, 226));
    EXPECT_EQ(QColor(img.pixel(100, 50)), QColor(224, 224, 224)); // the board
    EXPECT_EQ(text->scroll()->geometry(), QRect(2, 2, 196, 96));
    EXPECT_EQ(text->scroll()->scrollBar()->geometry(), QRect(179, 0, 17, 96));
    EXPECT_EQ(text->scroll()->MinHeight(), 96 * 15);
}

// A circled run: its text at half size inside the full-size circle, nothing beside the circle in the
// rest of its cell; the board light grey and the text dark whether the editor is enabled or not.
TEST_F(Editor, CircledRunsDrawTheirTextInsideTheCircle) {
    text->setPPoStrDString(QStringLiteral("/{C1/}/{Cあ/}/{c①/}"));
    const QFontMetrics fm(board->font());
    const int circle = fm.horizontalAdvance(QStringLiteral("○"));
    for (const bool enabled : {true, false}) {
        text->setEnabledText(enabled);
        const QImage img = board->grab().toImage();
        auto dark = [&](int x1, int y1, int x2, int y2) {
            int n = 0;
            for (int y = y1; y < y2; ++y)
                for (int x = x1; x < x2; ++x)
                    n += img.pixelColor(x, y).lightness() < 160;
            return n;
        };
        ASSERT_EQ(board->cells().size(), 4);
        for (int i = 1; i <= 3; ++i) {
            const DTextCell& c = board->cells().at(i);
            const int left = c.LngLeft / 15, top = c.LngTop / 15, w = c.LngWidth / 15, h = c.LngHeight / 15;
            SCOPED_TRACE(c.StrCell.toStdString());
            EXPECT_GT(
                dark(left + circle * 3 / 10, top + h * 3 / 10, left + circle * 7 / 10, top + h * 7 / 10), 0);
            EXPECT_EQ(dark(left + circle + 1, top, left + w, top + h), 0);
        }
        EXPECT_EQ(img.pixelColor(img.width() - 2, img.height() - 2), QColor(224, 224, 224)) << enabled;
    }
}

TEST_F(Editor, ScrollsToKeepTheCaretInView) {
    QScrollBar* bar = text->scroll()->scrollBar();
    setText(QStringLiteral("short"), 5);
    EXPECT_EQ(bar->maximum(), 0);
    EXPECT_FALSE(bar->isEnabled());
    EXPECT_EQ(board->height(), 96);

    QString lines;
    for (int i = 0; i < 40; ++i)
        lines += QStringLiteral("line %1\r").arg(i);
    setText(lines, 0);
    EXPECT_EQ(bar->maximum(), board->height() - 96);
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->value(), 0);
    // The caret on line 10: the first value that shows its bottom.
    const int target = 10 * 7; // seven cells a line
    for (int i = 0; i < target; ++i)
        QTest::keyClick(board, Qt::Key_Right);
    const DTextBoardModel::CaretLine c = board->caretLine();
    EXPECT_LE(c.bottom, (bar->value() + 96) * 15);
    EXPECT_GT(c.bottom, (bar->value() - 1 + 96) * 15);
    // At the end the board's bottom meets the view's bottom.
    QTest::keyClick(board, Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(board->y() + board->height(), 96);
    QTest::keyClick(board, Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(board->y(), 0);

    // Disabled: the text still scrolls, keys and clicks reach nothing.
    text->setEnabledText(false);
    EXPECT_FALSE(text->EnabledText());
    EXPECT_TRUE(text->isEnabled());
    EXPECT_TRUE(bar->isEnabled());
    bar->setValue(30);
    EXPECT_EQ(board->y(), -30);
    QTest::keyClick(board, 'z');
    EXPECT_EQ(text->PPoStrDString(), lines);
    EXPECT_EQ(changes, 0);
}

TEST_F(Editor, WrapperMembers) {
    // The back style as text: a number reads back as its whole number, halves to even; a text that is
    // no number is a type mismatch, one outside 16 bits an overflow, and the value stays.
    const std::pair<const char*, const char*> numbers[] = {
        {"0", "0"}, {" 2 ", "2"}, {"1.5", "2"}, {"2.5", "2"}, {"-32768", "-32768"}};
    for (const auto& [in, out] : numbers) {
        text->setBackStyle(QString::fromLatin1(in));
        EXPECT_EQ(text->BackStyle(), QString::fromLatin1(out)) << in;
    }
    text->setBackStyle(QStringLiteral("0"));
    const std::pair<const char*, long> bad[] = {{"x", 13}, {"", 13}, {"1x", 13}, {"32768", 6}, {"1e9", 6}};
    for (const auto& [in, error] : bad) {
        try {
            text->setBackStyle(QString::fromLatin1(in));
            ADD_FAILURE() << in;
        } catch (const VbError& e) {
            EXPECT_EQ(e.number(), error) << in;
        }
        EXPECT_EQ(text->BackStyle(), QStringLiteral("0")) << in;
    }
    EXPECT_EQ(text->PPoStrCtlPrefix(), QStringLiteral("/{"));
    EXPECT_EQ(text->PPoStrCtlPostfix(), QStringLiteral("/}"));
    EXPECT_THROW(text->setPPoStrCtlPrefix(QStringLiteral("[")), VbError);
    EXPECT_EQ(text->PPoStrCtlPrefix(), QStringLiteral("/{"));
    // Out of the tab order, still focused by a click.
    text->setTabStop(false);
    EXPECT_EQ(board->focusPolicy(), Qt::ClickFocus);
    text->setTabStop(true);
    EXPECT_EQ(board->focusPolicy(), Qt::StrongFocus);
}
