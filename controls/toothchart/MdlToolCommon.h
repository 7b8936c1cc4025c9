// The tooth-chart library's line routine: a line with a solid pen of its own on any surface.
#pragma once
#include "platform/gdi/Surface.h"

namespace MdlToolCommon {

// One line from (x1, y1) to (x2, y2) in the surface's device pixels, in a colour value (0x00BBGGRR or a
// system colour) and width; the surface's selected pen stays selected. A one-pixel line leaves its end
// pixel out.
void PSuDrawLine(gdi::Surface& dc, gdi::OleColor color, int x1, int y1, int x2, int y2, int width);

} // namespace MdlToolCommon
