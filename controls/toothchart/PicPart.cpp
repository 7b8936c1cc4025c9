#include "controls/toothchart/PicPart.h"

#include "platform/gdi/GdiFont.h"

PicPart::PicPart() : gdi::StoredFont(gdi::logicalFont(QStringLiteral("ＭＳ Ｐゴシック"), 9)) {}

void PicPart::PSuRedraw() {
    surface_.setBackColor(gdi::oleColor(backColor_));
    surface_.resize(QSize(gdi::twipsToPx(cellWidth_), gdi::twipsToPx(cellHeight_)));
    surface_.setFontName(QStringLiteral("ＭＳ ゴシック"));
    surface_.setTextColor(gdi::oleColor(foreColor_));
    for (double size : kFontSizes) {
        surface_.setFontSize(size);
        drawnSize_ = size;
        glyph_.measure(&surface_.font());
        if (glyph_.PPoDrawWidth() <= cellWidth_ && glyph_.PPoDrawHeight() <= cellHeight_)
            break;
    }
    surface_.cls();
    const int offX = gdi::vbRound(cellWidth_ / 2.0 - glyph_.PPoDrawWidth() / 2.0);
    const int offY = gdi::vbRound(cellHeight_ / 2.0 - glyph_.PPoDrawHeight() / 2.0);
    glyph_.PSuDraw(surface_, &surface_.font(), offX, offY);
    picture_ = surface_.picture();
}
