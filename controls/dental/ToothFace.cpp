#include "controls/dental/ToothFace.h"

namespace kestrin {

ToothFace diagonalFace(double w, double h, double x, double y) {
    const float d1 = static_cast<float>(h / w * x);
    const float d2 = static_cast<float>(h - h / w * x);
    const float fy = static_cast<float>(y);
    if (d1 > fy && d2 > fy)
        return ToothFace::U;
    if (d1 > fy)
        return ToothFace::R;
    if (d2 > fy)
        return ToothFace::L;
    return ToothFace::D;
}

} // namespace kestrin
