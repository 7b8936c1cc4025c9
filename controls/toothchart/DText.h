// The marked-text editor placed on the program's screens: a sunken two-pixel border around the scrolling
// editor, whose view height is the board's least height.
#pragma once
#include <QWidget>

#include "controls/toothchart/DTextScroll.h"
#include "platform/gdi/StoredProperties.h"

namespace gdi {
class Surface;
}

// The program sets and reads PPoStrDString, inserts runs with PSuInsString, switches EnabledText and
// handles Change, the only event of the editor it hears of. setFocus() reaches the board (focus proxy).
// Fonts: setFont (QWidget's) is the board font; FontDP the tooth glyphs' font. The outer surface's colours
// and styles are covered by the border and the editor (they change neither).
class DText : public QWidget, public gdi::StoredColors<gdi::OleColor>, public gdi::StoredBorderStyle {
    Q_OBJECT
public:
    explicit DText(QWidget* parent = nullptr);

    // The back style as text: its number. Setting a text that holds no whole number fails with a
    // type-mismatch error (13), one out of the 16-bit range with an overflow (6); the value stays.
    QString BackStyle() const { return QString::number(backStyle_); }
    void setBackStyle(const QString& value);
    void Refresh() {}

    // Enabled of the board only: a disabled editor still scrolls, and takes no focus, keys or clicks.
    bool EnabledText() const { return scroll_->EnabledText(); }
    void setEnabledText(bool on) { scroll_->setEnabledText(on); }
    // In or out of the tab order (a click still focuses it).
    void setTabStop(bool on) { scroll_->setTabStop(on); }

    // Text members of the board (setting the text raises no Change).
    QString PPoStrDString() const { return scroll_->PPoStrDString(); }
    void setPPoStrDString(const QString& text) { scroll_->setPPoStrDString(text); }
    QFont FontDP() const { return scroll_->FontDP(); }
    void setFontDP(const QFont& f) { scroll_->setFontDP(f); }
    void PSuInsString(const QString& text) { scroll_->PSuInsString(text); }
    QString PPoStrCtlPrefix() const { return scroll_->PPoStrCtlPrefix(); }
    void setPPoStrCtlPrefix(const QString& v) { scroll_->setPPoStrCtlPrefix(v); }
    QString PPoStrCtlPostfix() const { return scroll_->PPoStrCtlPostfix(); }
    void setPPoStrCtlPostfix(const QString& v) { scroll_->setPPoStrCtlPostfix(v); }

    DTextScroll* scroll() const { return scroll_; }
    DTextBoard* board() const { return scroll_->board(); }

    // The sunken border of a control of the given size in pixels.
    static void paintBorder(gdi::Surface& s, QSize sizePx);

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    DTextScroll* scroll_;
    int backStyle_ = 1;
};
