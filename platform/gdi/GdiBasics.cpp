#include "platform/gdi/GdiBasics.h"

#include <QGuiApplication>
#include <QPalette>
#include <cmath>

namespace gdi {

int vbRound(double v) {
    double f = std::floor(v);
    const double d = v - f;
    if (d > 0.5 || (d == 0.5 && std::fmod(f, 2.0) != 0.0))
        f += 1.0;
    return static_cast<int>(f);
}

int twipsToPx(double twips) {
    return vbRound(twips / kTwipsPerPixel);
}

QColor colorFromBgr(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

int bgrFromColor(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

bool isSystemColor(OleColor c) {
    return (c & 0xFF000000u) == 0x80000000u;
}

namespace {

// Windows' own defaults, used when no application (and so no palette) exists.
QColor defaultSystemColor(int index) {
    switch (index) {
    case 0: // scroll bar
        return QColor(200, 200, 200);
    case 1: // desktop
        return QColor(0, 0, 0);
    case 2: // active caption
        return QColor(153, 180, 209);
    case 3: // inactive caption
        return QColor(191, 205, 219);
    case 4: // menu
        return QColor(240, 240, 240);
    case 5: // window
        return QColor(255, 255, 255);
    case 6: // window frame
        return QColor(100, 100, 100);
    case 13: // highlight
        return QColor(0, 120, 215);
    case 14: // highlight text
        return QColor(255, 255, 255);
    case 15: // button face
        return QColor(240, 240, 240);
    case 16: // button shadow
        return QColor(160, 160, 160);
    case 17: // grey text
        return QColor(109, 109, 109);
    case 20: // button highlight
        return QColor(255, 255, 255);
    case 21: // 3D dark shadow
        return QColor(105, 105, 105);
    case 22: // 3D light
        return QColor(227, 227, 227);
    case 24: // tooltip back
        return QColor(255, 255, 225);
    default: // the text colours (7 menu text, 8 window text, 9 caption text, 18 button text, 23 ...)
        return QColor(0, 0, 0);
    }
}

} // namespace

QColor systemColor(int index) {
    if (!qGuiApp)
        return defaultSystemColor(index);
    const QPalette pal = QGuiApplication::palette();
    switch (index) {
    case 4:
    case 15:
        return pal.color(QPalette::Button);
    case 5:
        return pal.color(QPalette::Base);
    case 7:
    case 8:
        return pal.color(QPalette::Text);
    case 13:
        return pal.color(QPalette::Highlight);
    case 14:
        return pal.color(QPalette::HighlightedText);
    case 16:
        return pal.color(QPalette::Dark);
    case 17:
        return pal.color(QPalette::Disabled, QPalette::Text);
    case 18:
        return pal.color(QPalette::ButtonText);
    case 20:
        return pal.color(QPalette::Light);
    case 21:
        return pal.color(QPalette::Shadow);
    case 22:
        return pal.color(QPalette::Midlight);
    case 24:
        return pal.color(QPalette::ToolTipBase);
    default:
        return defaultSystemColor(index);
    }
}

QColor oleColor(OleColor c) {
    if (isSystemColor(c))
        return systemColor(static_cast<int>(c & 0xFFu));
    return colorFromBgr(static_cast<int>(c & 0xFFFFFFu));
}

Brush solidBrush(const QColor& c) {
    return Brush{BrushStyle::Solid, c};
}

Brush stockBrush(int index) {
    switch (index) {
    case 0:
        return solidBrush(QColor(255, 255, 255));
    case 1:
        return solidBrush(QColor(192, 192, 192));
    case 2:
        return solidBrush(QColor(128, 128, 128));
    case 3:
        return solidBrush(QColor(64, 64, 64));
    case 4:
        return solidBrush(QColor(0, 0, 0));
    default:
        return nullBrush();
    }
}

Pen stockPen(int index) {
    switch (index) {
    case 6:
        return Pen{PenStyle::Solid, 1, QColor(255, 255, 255)};
    case 8:
        return Pen{PenStyle::Null, 1, QColor(0, 0, 0)};
    default:
        return Pen{PenStyle::Solid, 1, QColor(0, 0, 0)};
    }
}

} // namespace gdi
