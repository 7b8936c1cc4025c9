#include "controls/toothchart/GlyphRenderer.h"

#include <algorithm>

#include "controls/toothchart/ToothPartCode.h"
#include "platform/gdi/GdiFont.h"

GlyphRenderer::GlyphRenderer()
    : font_(gdi::logicalFont(QStringLiteral("ＭＳ Ｐゴシック"), 9)),
      own_(QSize(1, 1), gdi::oleColor(0x00C0C000)) {}

void GlyphRenderer::resizeOwnSurface(QSize px) {
    own_.resize(QSize(std::max(1, px.width()), std::max(1, px.height())));
}

void GlyphRenderer::PSuDraw() {
    draw(&own_, nullptr, 0, 0, true);
}

void GlyphRenderer::PSuDraw(gdi::Surface& target, const QFont* drawFont, int offX, int offY) {
    draw(&target, drawFont, offX, offY, &target == &own_);
}

void GlyphRenderer::measure(const QFont* drawFont) {
    draw(nullptr, drawFont, 0, 0, false);
}

void GlyphRenderer::draw(gdi::Surface* target, const QFont* drawFont, int offX, int offY, bool ownTarget) {
    // The own surface is cleared whatever the target; it measures in the control's font.
    own_.setBackColor(gdi::oleColor(backColor_));
    if (target)
        own_.cls();
    if (drawFont)
        font_ = *drawFont;
    own_.setFont(font_);
    own_.setTextColor(gdi::oleColor(foreColor_));
    partControl_.PSuSeparation();

    GlyphLayout::Options o;
    o.rules = GlyphLayout::Rules::Screen;
    o.deleteMark = delMark_;
    o.smallerCircle = ownTarget;
    o.lineColor = foreColor_;
    const GlyphLayout::Size size = GlyphLayout::paint(target, own_, partControl_.notation(),
                                                      ToothPartCode::hasNoTooth(partControl_.PPoStrParts33()),
                                                      partsText_, offX, offY, o);
    drawWidth_ = size.width;
    drawHeight_ = size.height;
}
