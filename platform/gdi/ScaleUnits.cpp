#include "platform/gdi/ScaleUnits.h"

namespace gdi {

bool isScaleMode(int mode) {
    return mode >= scale::kUser && mode <= scale::kHimetric;
}

double twipsPerUnit(int mode, bool vertical, double twipsPerPixel) {
    switch (mode) {
    case scale::kPoints:
        return 20.0;
    case scale::kPixels:
        return twipsPerPixel;
    case scale::kCharacters:
        return vertical ? 240.0 : 120.0;
    case scale::kInches:
        return kTwipsPerInch;
    case scale::kMillimeters:
        return kTwipsPerInch / 25.4;
    case scale::kCentimeters:
        return kTwipsPerInch / 2.54;
    case scale::kHimetric:
        return kTwipsPerInch / 2540.0;
    default:
        return 1.0;
    }
}

double scaleConvert(double value, int fromMode, int toMode, bool vertical, double twipsPerPixel) {
    return value * twipsPerUnit(fromMode, vertical, twipsPerPixel) /
           twipsPerUnit(toMode, vertical, twipsPerPixel);
}

} // namespace gdi
