// The tooth glyph control: shows the dental formula cross of its code on its own persistent surface,
// fits its size to the fullest glyph of its font, and reports clicks.
#pragma once
#include <QWidget>

#include "controls/toothchart/GlyphRenderer.h"

class DrawGlyphor : public QWidget {
    Q_OBJECT
public:
    explicit DrawGlyphor(QWidget* parent = nullptr);

    QString PPoStrParts33() const { return r_.PPoStrParts33(); }
    void setPPoStrParts33(const QString& code) { r_.setPPoStrParts33(code); }
    QString PPoStrPartsText() const { return r_.PPoStrPartsText(); }
    void setPPoStrPartsText(const QString& text) { r_.setPPoStrPartsText(text); }
    bool PPoBolDelMark() const { return r_.PPoBolDelMark(); }
    void setPPoBolDelMark(bool on) { r_.setPPoBolDelMark(on); }
    int PPoDrawWidth() const { return r_.PPoDrawWidth(); }
    void setPPoDrawWidth(int tw) { r_.setPPoDrawWidth(tw); }
    int PPoDrawHeight() const { return r_.PPoDrawHeight(); }
    void setPPoDrawHeight(int tw) { r_.setPPoDrawHeight(tw); }
    gdi::OleColor BackColor() const { return r_.BackColor(); }
    void setBackColor(gdi::OleColor c) { r_.setBackColor(c); }
    gdi::OleColor ForeColor() const { return r_.ForeColor(); }
    void setForeColor(gdi::OleColor c) { r_.setForeColor(c); }
    int BackStyle() const { return r_.BackStyle(); }
    void setBackStyle(int v) { r_.setBackStyle(v); }
    int BorderStyle() const { return r_.BorderStyle(); }
    void setBorderStyle(int v) { r_.setBorderStyle(v); }
    // The control's font is the widget's font (a Windows name and a point size); a change of name or size
    // fits the size again.
    void Refresh() {}

    // PSuDraw without arguments: draws on the control's own surface and shows it.
    void PSuDraw();
    // PSuDraw on another surface at (offX, offY) twips; a drawFont becomes the control's font.
    void PSuDraw(gdi::Surface& target, const QFont* drawFont, int offX, int offY);

    // The drawing as shown (the own surface).
    QImage picture() { return r_.ownSurface().picture(); }
    GlyphRenderer& renderer() { return r_; }

signals:
    void Click();
    void DblClick();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void fitSize();

    GlyphRenderer r_;
    QFont lastFont_;
    bool fitting_ = false;
};
