// Units, rounding, colours, pens, brushes and the flag numbers of the drawing layer.
#pragma once
#include <QColor>
#include <QString>
#include <QtGlobal>

namespace gdi {

// Screen surfaces are 96 dpi, 15 twips per pixel, whatever the desktop says.
constexpr int kTwipsPerPixel = 15;
constexpr int kScreenDpi = 96;
constexpr int kTwipsPerInch = 1440;

// Nearest whole number, halves to the even neighbour (0.5 -> 0, 1.5 -> 2, 2.5 -> 2, -1.5 -> -2).
int vbRound(double v);

// Twips to screen pixels at 15 twips per pixel, halves to even.
int twipsToPx(double twips);

// A colour value as the program stores it: 0x00BBGGRR, or 0x800000nn for system colour nn.
using OleColor = quint32;

QColor colorFromBgr(int bgr);
int bgrFromColor(const QColor& c);
// True for 0x800000nn values.
bool isSystemColor(OleColor c);
// A colour value to a colour: system colours through the application palette (fixed Windows
// defaults when no application runs), anything else as 0x00BBGGRR.
QColor oleColor(OleColor c);
// System colour nn (COLOR_BTNFACE 15, COLOR_BTNTEXT 18, COLOR_WINDOWTEXT 8, ...).
QColor systemColor(int index);

namespace syscolor {
constexpr OleColor kWindow = 0x80000005;
constexpr OleColor kWindowText = 0x80000008;
constexpr OleColor kButtonFace = 0x8000000F;
constexpr OleColor kButtonText = 0x80000012;
} // namespace syscolor

enum class PenStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Null = 5, InsideFrame = 6 };

// A pen as CreatePen makes it. Width 0 or 1 is the cosmetic one-pixel pen; wider pens draw with round
// ends and joins.
struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    QColor color = Qt::black;
    bool operator==(const Pen&) const = default;
};

enum class BrushStyle { Solid, Null };

struct Brush {
    BrushStyle style = BrushStyle::Solid;
    QColor color = Qt::white;
    bool operator==(const Brush&) const = default;
};

// The stock objects of GetStockObject (WHITE_BRUSH 0, LTGRAY_BRUSH 1, GRAY_BRUSH 2, DKGRAY_BRUSH 3,
// BLACK_BRUSH 4, NULL_BRUSH 5; WHITE_PEN 6, BLACK_PEN 7, NULL_PEN 8).
Brush stockBrush(int index);
Pen stockPen(int index);
Brush solidBrush(const QColor& c);
inline Brush nullBrush() {
    return Brush{BrushStyle::Null, Qt::white};
}

enum class BkMode { Transparent = 1, Opaque = 2 };
enum class FillMode { Alternate = 1, Winding = 2 };

// DrawText flags.
namespace dt {
constexpr unsigned kTop = 0x0;
constexpr unsigned kLeft = 0x0;
constexpr unsigned kCenter = 0x1;
constexpr unsigned kRight = 0x2;
constexpr unsigned kVCenter = 0x4;
constexpr unsigned kBottom = 0x8;
constexpr unsigned kWordBreak = 0x10;
constexpr unsigned kSingleLine = 0x20;
constexpr unsigned kExpandTabs = 0x40;
constexpr unsigned kNoClip = 0x100;
constexpr unsigned kExternalLeading = 0x200;
constexpr unsigned kCalcRect = 0x400;
constexpr unsigned kNoPrefix = 0x800;
} // namespace dt

// GetDeviceCaps indexes.
namespace caps {
constexpr int kHorzSize = 4; // millimetres
constexpr int kVertSize = 6;
constexpr int kHorzRes = 8; // pixels
constexpr int kVertRes = 10;
constexpr int kBitsPixel = 12;
constexpr int kPlanes = 14;
constexpr int kLogPixelsX = 88;
constexpr int kLogPixelsY = 90;
constexpr int kPhysicalWidth = 110;
constexpr int kPhysicalHeight = 111;
constexpr int kPhysicalOffsetX = 112;
constexpr int kPhysicalOffsetY = 113;
} // namespace caps

} // namespace gdi
