// The faces of one tooth and the rule that picks the face under the pointer by the square's diagonals.
#pragma once

namespace kestrin {

enum class ToothFace { U, D, L, R, C };

// The face under (x, y) of a w x h control split by its two diagonals: above both U, above the rising
// one only R, above the falling one only L, else D. A point on a diagonal belongs to the face below it.
// The diagonal heights are taken in single precision, as the controls always compared them.
ToothFace diagonalFace(double w, double h, double x, double y);

} // namespace kestrin
