// The old runtime's scale modes and the ScaleX/ScaleY conversions between them.
#pragma once

#include "platform/gdi/GdiBasics.h"

namespace gdi {

// ScaleMode values. User (0) has no fixed size here and counts as twips.
namespace scale {
constexpr int kUser = 0;
constexpr int kTwips = 1;
constexpr int kPoints = 2;
constexpr int kPixels = 3;
constexpr int kCharacters = 4; // 120 twips across, 240 down
constexpr int kInches = 5;
constexpr int kMillimeters = 6;
constexpr int kCentimeters = 7;
constexpr int kHimetric = 8;
} // namespace scale

// True for the modes 0 to 8.
bool isScaleMode(int mode);

// Twips in one unit of the mode, across (vertical false) or down; pixels count twipsPerPixel twips.
// A mode outside 0 to 8 counts as twips.
double twipsPerUnit(int mode, bool vertical, double twipsPerPixel = kTwipsPerPixel);

// ScaleX (vertical false) and ScaleY (vertical true): value in fromMode units expressed in toMode units.
double scaleConvert(double value, int fromMode, int toMode, bool vertical,
                    double twipsPerPixel = kTwipsPerPixel);

} // namespace gdi
