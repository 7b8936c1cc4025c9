#include "app/printing/MdlGlyphorPrint.h"

#include "controls/toothchart/GlyphLayout.h"
#include "controls/toothchart/PartControl.h"
#include "controls/toothchart/ToothPartCode.h"

namespace MdlGlyphorPrint {

namespace {
// The splitter that gives the quadrant texts of the printed codes.
PartControl& partControl() {
    static PartControl control;
    return control;
}
} // namespace

void PSuGlyphorPrint(gdi::Surface& target, const QString& code, const QString& partText, long& height,
                     long& width, const QFont& /*font*/, const gdi::GdiRect& rect, long x, long y) {
    PartControl& split = partControl();
    split.setPPoStrParts33(code);
    split.PSuSeparation();
    const bool measureOnly = x == -1 && y == -1;
    GlyphLayout::Options o;
    o.rules = GlyphLayout::Rules::Print;
    o.smallerCircle = true;
    o.originPx = QPoint(rect.left, rect.top);
    const GlyphLayout::Size size = GlyphLayout::paint(measureOnly ? nullptr : &target, target,
                                                      split.notation(), ToothPartCode::hasNoTooth(code),
                                                      partText, static_cast<int>(x), static_cast<int>(y), o);
    height = size.height;
    width = size.width;
}

} // namespace MdlGlyphorPrint
