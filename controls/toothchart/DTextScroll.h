// The marked-text board beside a vertical scroll bar: keeps the scroll range in step with the board's
// height and scrolls the board so that the caret stays in view.
#pragma once
#include <QWidget>

#include "controls/toothchart/DTextBoard.h"
#include "platform/gdi/StoredProperties.h"

class QScrollBar;

// The board sits at the top left, as wide as the control less the 17-pixel scroll bar; it is moved up
// by the scroll position (one pixel per step) and clipped by this widget. Focus goes to the board.
// Text, font and editing members pass straight through to the board; its Change is raised again.
// ForeColor, BackStyle and BorderStyle are stored only.
class DTextScroll : public QWidget, public gdi::StoredForeColor<gdi::OleColor>, public gdi::StoredStyles {
    Q_OBJECT
public:
    explicit DTextScroll(QWidget* parent = nullptr);

    void Refresh() {}

    // The board's members.
    bool EnabledText() const { return board_->isEnabled(); }
    void setEnabledText(bool on) { board_->setEnabled(on); }
    QString PPoStrDString() const { return board_->PPoStrDString(); }
    void setPPoStrDString(const QString& text) { board_->setPPoStrDString(text); }
    gdi::OleColor BackColor() const { return board_->BackColor(); }
    void setBackColor(gdi::OleColor c) { board_->setBackColor(c); }
    QFont FontDP() const { return board_->FontDP(); }
    void setFontDP(const QFont& f) { board_->setFontDP(f); }
    int MinHeight() const { return board_->MinHeight(); }
    void setMinHeight(int tw) { board_->setMinHeight(tw); }
    void PSuInsString(const QString& text) { board_->PSuInsString(text); }
    QString PPoStrCtlPrefix() const { return board_->PPoStrCtlPrefix(); }
    void setPPoStrCtlPrefix(const QString& v) { board_->setPPoStrCtlPrefix(v); }
    QString PPoStrCtlPostfix() const { return board_->PPoStrCtlPostfix(); }
    void setPPoStrCtlPostfix(const QString& v) { board_->setPPoStrCtlPostfix(v); }
    // Out of the tab order (still focused by a click) when off.
    void setTabStop(bool on);

    DTextBoard* board() const { return board_; }
    QScrollBar* scrollBar() const { return vScroll_; }

signals:
    void Change();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void boardSizeChanged();
    void scrolled(int value);
    void showCaret(int top, int bottom);

    DTextBoard* board_;
    QScrollBar* vScroll_;
};
