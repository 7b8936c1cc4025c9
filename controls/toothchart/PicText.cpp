#include "controls/toothchart/PicText.h"

#include <QHash>
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

// One thing to draw, placed by the layout: an element of the text at its output position, or the strike
// line of a row. row is the last row of the picture when it was placed.
struct PicText::Placed {
    enum class What { Half, Glyph, Text, Strike };
    What what = What::Text;
    int row = 1;
    int x = 0;    // twips; a strike line ends here
    int y = 0;    // twips: the output's top; a strike line's row top
    QString text; // the half-size run's inner text, the glyph's part text, or the token written
    QString code; // a glyph's tooth-part code
    bool oneJaw = false;
};

int PicText::heightPx(int rows) const {
    // A count below one would give no picture at all: the height stays at least one row.
    const int tw = (cellHeight_ + cellBorderWidth_) * (std::max(1, rows) - 1) + cellHeight_;
    return gdi::twipsToPx(tw);
}

void PicText::drawSeparators(int rows) {
    const int right = vbRound(surface_.pxFromTwX(cellWidth_));
    const double rowPx = surface_.pxFromTwY(cellHeight_);
    for (int k = 1; k <= rows - 1; ++k) {
        const int y = vbRound((rowPx - 1) * k + (k - 1) * cellBorderWidth_);
        MdlToolCommon::PSuDrawLine(surface_, cellBorderColor_, 0, y, right, y, 1);
    }
}

void PicText::setCellRows(int n) {
    cellRows_ = n;
    surface_.setBackColor(gdi::oleColor(backColor_));
    surface_.resize(QSize(widthPx_, heightPx(n)));
    drawSeparators(n);
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
    // The width follows the cell. Elements are measured on a surface one row high, as the picture
    // starts, and the picture is then sized once for all its rows.
    widthPx_ = gdi::twipsToPx(cellWidth_);
    surface_.clearClip(); // left set by a drawing that failed
    surface_.resize(QSize(widthPx_, heightPx(1)));
    surface_.cls();
    surface_.setFont(font_);
    surface_.setTextColor(gdi::oleColor(foreColor_));
    int rows = 1;
    const std::vector<Placed> placed = layOut(rows);
    cellRows_ = rows;

    // The picture has always grown row by row: what an element drew below the rows there were then
    // was lost, and the separators, drawn as the last row began, lie over the rows before it but
    // under the last row's content. Each band is given the back colour just before it is drawn on.
    surface_.renew(QSize(widthPx_, heightPx(rows)));
    int filled = 0;
    auto growTo = [&](int row) {
        const int bottom = heightPx(row);
        surface_.setClipPx(QRect(0, 0, widthPx_, bottom));
        if (bottom > filled)
            surface_.fillRect(gdi::GdiRect{0, filled, widthPx_, bottom}, gdi::oleColor(backColor_));
        filled = std::max(filled, bottom);
    };
    size_t k = 0;
    for (; k < placed.size() && placed[k].row < rows; ++k) {
        if (k == 0 || placed[k].row != placed[k - 1].row)
            growTo(placed[k].row);
        drawPlaced(placed[k]);
    }
    growTo(rows);
    surface_.clearClip();
    drawSeparators(rows);
    for (; k < placed.size(); ++k)
        drawPlaced(placed[k]);
    picture_ = surface_.takePicture();
}

std::vector<PicText::Placed> PicText::layOut(int& rows) {
    std::vector<Placed> out;
    out.reserve(static_cast<size_t>(text_.size()));
    // Sizes of the characters met so far, in the text's font: a long text repeats few characters.
    QHash<QString, QSize> measured;
    rows = 1;
    int x = 30;
    int y = 0;
    auto strike = [&] {
        if (delMark_)
            out.push_back({Placed::What::Strike, rows, x, y, {}, {}, false});
    };
    for (qsizetype i = 0; i < text_.size();) {
        const DTextMarkup::Element e = DTextMarkup::elementAt(text_, i);
        int w = 0;
        int h = 0;
        DTextMarkup::GlyphRun g;
        switch (e.kind) {
        case DTextMarkup::Kind::Half: {
            const double size = surface_.fontSize();
            surface_.setFontSize(size / 2.0);
            w = vbRound(surface_.textWidthTw(e.inner));
            h = vbRound(surface_.textHeightTw(e.inner));
            surface_.setFontSize(size);
            break;
        }
        case DTextMarkup::Kind::Glyph:
            g = DTextMarkup::glyphOf(e.inner);
            glyph_.setFont(oneJawOnly(e.inner) ? fontHalfDP_ : fontFullDP_);
            glyph_.setPPoStrParts33(g.code);
            glyph_.setPPoStrPartsText(g.partText);
            glyph_.measure();
            w = glyph_.PPoDrawWidth();
            h = glyph_.PPoDrawHeight();
            break;
        case DTextMarkup::Kind::LineBreak:
            strike();
            x = 30;
            y += cellHeight_ + cellBorderWidth_;
            ++rows;
            w = vbRound(surface_.textWidthTw(e.text));
            break;
        default: { // a character, or a run of another kind (circled characters included) written literally
            auto it = measured.constFind(e.text);
            if (it == measured.constEnd())
                it = measured.insert(e.text, QSize(vbRound(surface_.textWidthTw(e.text)),
                                                   vbRound(surface_.textHeightTw(e.text))));
            w = it->width();
            h = it->height();
            break;
        }
        }
        // Wrap, also at the start of a row: a token wider than the row then stands alone in a new row.
        if (cellWidth_ < x + w) {
            strike();
            x = 30;
            y += cellHeight_;
            ++rows;
        }
        switch (e.kind) {
        case DTextMarkup::Kind::Half:
            out.push_back({Placed::What::Half, rows, x, vbRound(cellHeight_ / 2.0 + y), e.inner, {}, false});
            break;
        case DTextMarkup::Kind::Glyph:
            out.push_back({Placed::What::Glyph, rows, x, vbRound(cellHeight_ / 2.0 + y - h / 2.0), g.partText,
                           g.code, oneJawOnly(e.inner)});
            break;
        case DTextMarkup::Kind::LineBreak:
            break;
        default:
            out.push_back(
                {Placed::What::Text, rows, x, vbRound(cellHeight_ / 2.0 + y - h / 2.0), e.text, {}, false});
            break;
        }
        x += w;
        i += e.length;
    }
    strike();
    return out;
}

void PicText::drawPlaced(const Placed& p) {
    switch (p.what) {
    case Placed::What::Half:
        writeText(p.x, p.y, p.text, 50);
        break;
    case Placed::What::Glyph: {
        glyph_.setFont(p.oneJaw ? fontHalfDP_ : fontFullDP_);
        glyph_.setPPoStrParts33(p.code);
        glyph_.setPPoStrPartsText(p.text);
        const QFont keep = surface_.font();
        surface_.setFont(glyph_.Font());
        glyph_.setForeColor(foreColor_);
        glyph_.PSuDraw(surface_, &surface_.font(), p.x, p.y);
        surface_.setFont(keep);
        break;
    }
    case Placed::What::Text:
        writeText(p.x, p.y, p.text, 100);
        break;
    case Placed::What::Strike:
        strikeRow(p.y, p.x);
        break;
    }
}
