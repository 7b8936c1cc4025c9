#include "controls/toothchart/PicText.h"

#include <algorithm>

#include "controls/toothchart/DTextMarkup.h"
#include "controls/toothchart/MdlToolCommon.h"
#include "platform/gdi/GdiFont.h"

using gdi::vbRound;

namespace {

// A glyph run with teeth in one jaw only (or none) gets the larger one-jaw font.
bool oneJawOnly(const QString& inner) {
    const QString zeros(16, QChar('0'));
    return inner.mid(1, 16) == zeros || inner.mid(17, 16) == zeros;
}

} // namespace

PicText::PicText() {
    const QFont ambient = gdi::logicalFont(QStringLiteral("ＭＳ Ｐゴシック"), 9);
    font_ = fontFullDP_ = fontHalfDP_ = ambient;
}

void PicText::setCellRows(int n) {
    cellRows_ = n;
    // A count below one would give no picture at all: the height stays at least one row.
    const int rows = std::max(1, n);
    const int heightTw = (cellHeight_ + cellBorderWidth_) * (rows - 1) + cellHeight_;
    surface_.setBackColor(gdi::oleColor(backColor_));
    surface_.resize(QSize(widthPx_, gdi::twipsToPx(heightTw)));
    const int right = vbRound(surface_.pxFromTwX(cellWidth_));
    const double rowPx = surface_.pxFromTwY(cellHeight_);
    for (int k = 1; k <= n - 1; ++k) {
        const int y = vbRound((rowPx - 1) * k + (k - 1) * cellBorderWidth_);
        MdlToolCommon::PSuDrawLine(surface_, cellBorderColor_, 0, y, right, y, 1);
    }
}

void PicText::setPPoStrDText(const QString& text) {
    text_ = text;
    drawCells();
}

void PicText::strikeRow(int y, int x) {
    if (!delMark_)
        return;
    const int row = vbRound(surface_.pxFromTwY(cellHeight_ / 2.0 + y));
    MdlToolCommon::PSuDrawLine(surface_, foreColor_, 0, row, vbRound(surface_.pxFromTwX(x)), row, 1);
}

void PicText::writeText(int x, int y, const QString& s, int percent) {
    const double size = surface_.fontSize();
    if (percent != 100)
        surface_.setFontSize(size * percent / 100.0);
    surface_.textOut(vbRound(surface_.pxFromTwX(x)), vbRound(surface_.pxFromTwY(y)), s);
    if (percent != 100)
        surface_.setFontSize(size);
}

void PicText::drawCells() {
    surface_.setBackColor(gdi::oleColor(backColor_));
    surface_.cls();
    // The width follows the cell; a 0-high surface holds nothing, so the width is kept apart.
    widthPx_ = gdi::twipsToPx(cellWidth_);
    surface_.resize(QSize(widthPx_, std::max(1, surface_.sizePx().height())));
    surface_.setFont(font_);
    surface_.setTextColor(gdi::oleColor(foreColor_));
    setCellRows(1);

    int x = 30;
    int y = 0;
    for (qsizetype i = 0; i < text_.size();) {
        const DTextMarkup::Element e = DTextMarkup::elementAt(text_, i);
        int w = 0;
        int h = 0;
        switch (e.kind) {
        case DTextMarkup::Kind::Half: {
            const double size = surface_.fontSize();
            surface_.setFontSize(size / 2.0);
            w = vbRound(surface_.textWidthTw(e.inner));
            h = vbRound(surface_.textHeightTw(e.inner));
            surface_.setFontSize(size);
            break;
        }
        case DTextMarkup::Kind::Glyph: {
            const DTextMarkup::GlyphRun g = DTextMarkup::glyphOf(e.inner);
            glyph_.setFont(oneJawOnly(e.inner) ? fontHalfDP_ : fontFullDP_);
            glyph_.setPPoStrParts33(g.code);
            glyph_.setPPoStrPartsText(g.partText);
            glyph_.measure();
            w = glyph_.PPoDrawWidth();
            h = glyph_.PPoDrawHeight();
            break;
        }
        case DTextMarkup::Kind::LineBreak:
            strikeRow(y, x);
            x = 30;
            y += cellHeight_ + cellBorderWidth_;
            setCellRows(cellRows_ + 1);
            w = vbRound(surface_.textWidthTw(e.text));
            break;
        default: // a character, or a run of another kind (circled characters included) written literally
            w = vbRound(surface_.textWidthTw(e.text));
            h = vbRound(surface_.textHeightTw(e.text));
            break;
        }
        // Wrap, also at the start of a row: a token wider than the row then stands alone in a new row.
        if (cellWidth_ < x + w) {
            strikeRow(y, x);
            x = 30;
            y += cellHeight_;
            setCellRows(cellRows_ + 1);
        }
        switch (e.kind) {
        case DTextMarkup::Kind::Half:
            writeText(x, vbRound(cellHeight_ / 2.0 + y), e.inner, 50);
            break;
        case DTextMarkup::Kind::Glyph: {
            const QFont keep = surface_.font();
            surface_.setFont(glyph_.Font());
            glyph_.setForeColor(foreColor_);
            glyph_.PSuDraw(surface_, &surface_.font(), x, vbRound(cellHeight_ / 2.0 + y - h / 2.0));
            surface_.setFont(keep);
            break;
        }
        case DTextMarkup::Kind::LineBreak:
            break;
        default:
            writeText(x, vbRound(cellHeight_ / 2.0 + y - h / 2.0), e.text, 100);
            break;
        }
        x += w;
        i += e.length;
    }
    strikeRow(y, x);
    picture_ = surface_.picture();
}
