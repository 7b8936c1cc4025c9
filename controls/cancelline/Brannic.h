// The cancel mark: a large X from corner to corner, drawn over whatever the control covers.
#pragma once
#include <QLine>
#include <QWidget>
#include <array>

namespace gdi {
class Surface;
}

// Line 0 runs from the top-left to the bottom-right corner, line 1 from the bottom-left to the
// top-right corner, both laid again on every paint so that the X follows the control's size. Nothing
// but the lines is drawn, and the mouse passes through to the controls underneath. Colour and width
// start at red (255) and 3 with every new control. Colours are Windows colours, 0x00BBGGRR.
class Brannic : public QWidget {
    Q_OBJECT
public:
    explicit Brannic(QWidget* parent = nullptr);

    int PPoLineColor() const { return lineColor_; }
    void setPPoLineColor(int color);
    // The width in pixels, taken as a 16-bit whole number: one outside -32768..32767 throws VbError 6,
    // one outside 1..8192 (what a line takes) throws VbError 380; the width stays as it was.
    int PPoLineWidth() const { return lineWidth_; }
    void setPPoLineWidth(int width);

    // The two lines for a control of the given size, in the order line 0, line 1.
    static std::array<QLine, 2> lines(const QSize& size);
    // Draws the mark of a control of the given size on any surface.
    static void draw(gdi::Surface& surface, const QSize& size, int color, int width);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int lineColor_ = 255;
    int lineWidth_ = 3;
};
