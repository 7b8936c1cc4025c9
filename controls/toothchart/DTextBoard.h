// The marked-text editing surface: lays its text out into cells, draws them with a blinking caret, edits
// by keys, mouse and input method, and fits its own height to the text (its host scrolls it).
#pragma once
#include <QTimer>
#include <QWidget>

#include "controls/toothchart/DTextBoardModel.h"
#include "platform/gdi/GdiBasics.h"
#include "platform/gdi/StoredProperties.h"

namespace gdi {
class Surface;
}

// Lengths and positions are twips at 15 twips a pixel. The board font is the widget's font (a Windows
// name and a point size, inherited from the host like an ambient font); half-size and circled runs use
// half of it, tooth glyphs FontDP (the board font until one is set).
//
// Events: DisplayRequest(Top, Bottom) with the caret's ends after every caret placement (a move, an edit,
// gaining the focus), ChangeSize after every change of the board's size, Change after every edit by keys,
// typing, input method or PSuInsString; never when PPoStrDString is set.
// BackColor, ForeColor, BackStyle and BorderStyle are stored only: the board draws on light grey in the
// button-text colour whatever they say.
class DTextBoard : public QWidget, public gdi::StoredColors<gdi::OleColor>, public gdi::StoredStyles {
    Q_OBJECT
public:
    explicit DTextBoard(QWidget* parent = nullptr);

    void Refresh() {}

    // The marked text. Setting it removes line feeds and lays it out; the caret index is kept (brought
    // back to the last cell when the text is shorter). Raises neither Change nor DisplayRequest.
    QString PPoStrDString() const { return model_.text(); }
    void setPPoStrDString(const QString& text);

    QFont FontDP() const { return model_.fontDP(); }
    void setFontDP(const QFont& f);
    // Lower bound of the board's height (twips) when it shrinks to its text.
    int MinHeight() const { return model_.minHeightTw(); }
    void setMinHeight(int tw);

    // Inserts a text (runs included) at the caret and puts the caret after it; raises DisplayRequest and
    // Change.
    void PSuInsString(const QString& text);

    // The brackets are fixed: the getters report them, the setters always fail (run-time error 382).
    QString PPoStrCtlPrefix() const { return DTextMarkup::kPrefix; }
    void setPPoStrCtlPrefix(const QString& value);
    QString PPoStrCtlPostfix() const { return DTextMarkup::kPostfix; }
    void setPPoStrCtlPostfix(const QString& value);

    // What the board shows, for hosts and tests: the cells, the caret index (0 = before the first
    // character), the caret line, whether the blinking caret is shown now, the input method's pre-edit.
    const QVector<DTextCell>& cells() const { return model_.cells(); }
    int caretIndex() const { return model_.caret(); }
    DTextBoardModel::CaretLine caretLine() const { return model_.caretLine(); }
    int lineUnit() const { return model_.lineUnit(); }
    bool caretShown() const { return caretShown_; }
    QString preeditText() const { return preedit_; }

    // The board's face on any surface: background, cells, pre-edit and caret.
    void paintBoard(gdi::Surface& s, const QRect& clipPx);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    void DisplayRequest(int Top, int Bottom);
    void ChangeSize();
    void Change();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    // Gives the widget the height the last layout asked for.
    void applyHeight();
    void notifySize();
    // SuMoveCaret: raises DisplayRequest with the caret's ends.
    void moveCaret();
    void apply(DTextBoardModel::Effect e);
    void typeText(const QString& text);
    QRect caretRectPx() const;
    void blink();

    DTextBoardModel model_;
    QTimer tmrCursor_;
    bool caretShown_ = false;
    bool fitting_ = false;
    bool fontDPSet_ = false;
    QSize notified_;
    QString preedit_;
};
