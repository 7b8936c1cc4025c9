// The marked-text board without its window: the text, the caret index, the cell table and the editing
// rules of keys, typing, insertion and the mouse, all in twips.
#pragma once
#include <QFont>
#include <QString>
#include <QVector>
#include <algorithm>
#include <memory>

#include "controls/toothchart/DTextLayout.h"
#include "controls/toothchart/GlyphRenderer.h"

namespace gdi {
class Surface;
}

class DTextBoardModel {
public:
    // The keys the board acts on.
    enum class Key { Home, End, Delete, Backspace, Left, Right, Up, Down };

    // What an edit asks of the widget: place the caret again (and raise DisplayRequest), raise Change.
    struct Effect {
        bool moved = false;
        bool changed = false;
    };

    // The caret line: x and its upper and lower ends, in twips.
    struct CaretLine {
        int x = 0;
        int top = 0;
        int bottom = 0;
    };

    // Measures on the given surface (a 96-dpi picture surface when none is given).
    explicit DTextBoardModel(std::unique_ptr<gdi::Surface> measure = {});
    ~DTextBoardModel();

    QString text() const { return text_; }
    // Line feeds are removed; the text is laid out again and the caret kept (brought back into the text).
    void setText(const QString& text);

    // Board font (all text; half-size runs at half of it) and the font of tooth glyphs. Laid out again.
    const QFont& font() const { return font_; }
    void setFont(const QFont& f);
    const QFont& fontDP() const { return fontDP_; }
    void setFontDP(const QFont& f);

    // Board geometry in twips. The height grows and fits with every layout; minHeight bounds it when it
    // shrinks. Setting any of them lays out again.
    int widthTw() const { return widthTw_; }
    int heightTw() const { return heightTw_; }
    int minHeightTw() const { return minHeightTw_; }
    void setGeometryTw(int widthTw, int heightTw);
    void setMinHeightTw(int tw);

    // Rebuilds the cell table and fits the height; the caret index is brought back to 0..n.
    void layout();
    const QVector<DTextCell>& cells() const { return cells_; }
    int lastCell() const { return static_cast<int>(cells_.size()) - 1; }
    int lineUnit() const { return lineUnit_; }

    int caret() const { return caret_; }
    void setCaret(int k);
    CaretLine caretLine() const;

    // Key presses, typing one character (an input method's commit arrives one character at a time),
    // insertion at the caret, and a mouse-button press (1 left; any other button goes to the start).
    Effect key(Key k);
    Effect type(const QString& ch);
    Effect insString(const QString& s);
    Effect press(int button, int xTw, int yTw);
    // The cell after which a press at (x, y) puts the caret.
    int nearestCell(int xTw, int yTw) const;

    // Draws the cells on a surface in the board font (the caller sets the text colour).
    void paint(gdi::Surface& target, const QRect& clipPx = QRect());

private:
    // The text without cell c (a whole run at once).
    QString withoutCell(int c) const;
    // The text with s inserted after cell k.
    QString insertedAfter(int k, const QString& s) const;
    void clampCaret() { caret_ = std::clamp(caret_, 0, lastCell()); }

    std::unique_ptr<gdi::Surface> measure_;
    GlyphRenderer glyph_;
    QString text_;
    QFont font_;
    QFont fontDP_;
    int widthTw_ = 0;
    int heightTw_ = 0;
    int minHeightTw_ = 0;
    int lineUnit_ = 0;
    int caret_ = 0;
    QVector<DTextCell> cells_;
};
