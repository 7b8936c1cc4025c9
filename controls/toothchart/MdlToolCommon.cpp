#include "controls/toothchart/MdlToolCommon.h"

namespace MdlToolCommon {

void PSuDrawLine(gdi::Surface& dc, gdi::OleColor color, int x1, int y1, int x2, int y2, int width) {
    dc.line(x1, y1, x2, y2, gdi::oleColor(color), width);
}

} // namespace MdlToolCommon
