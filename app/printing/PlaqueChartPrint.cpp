#include "app/printing/PlaqueChartPrint.h"

#include "platform/text/Text.h"

using gdi::vbRound;

namespace {

const gdi::Brush kPlaqueBrush = gdi::solidBrush(gdi::colorFromBgr(0x4040FF));
const gdi::Brush kLostBrush = gdi::solidBrush(gdi::colorFromBgr(0x408040));
const gdi::Pen kFramePen{gdi::PenStyle::Solid, 1, Qt::black};

const QString kPermanentNumbers = QStringLiteral("8765432112345678");
const QString kDeciduousLetters = QStringLiteral("EDCBAABCDE");

} // namespace

PlaqueChartPrint::PlaqueChartPrint(SheetCanvas& canvas) : canvas_(canvas) {}

QString PlaqueChartPrint::SuPlaqueRitu(const ToothValues& codes) {
    long present = 0;
    long faces = 0;
    for (const QString& code : codes) {
        if (MdlPlaque::isLostCode(code))
            continue;
        ++present;
        for (qsizetype k = 0; k < 4 && k < code.size(); ++k)
            if (code.at(k) == u'1')
                ++faces;
    }
    const QString rate = MdlPlaque::plaqueRateText(faces, present);
    return rate.isEmpty() ? rate : rate + QStringLiteral("％");
}

template <typename Matrix>
bool PlaqueChartPrint::FuBolPlaqueSetArry(const ToothValues& codes, Matrix& matrix, long first) {
    bool some = false;
    long next = first;
    for (auto& quadrant : matrix)
        for (QString& entry : quadrant) {
            const QString& code = codes[static_cast<size_t>(next++)];
            entry = MdlPlaque::matrixEntry(code);
            if (!MdlPlaque::isLostCode(code) && !text::vbTrim(code).isEmpty())
                some = true;
        }
    return some;
}

PlaqueChartPrint::Mode PlaqueChartPrint::fill(const ToothValues& codes) {
    const bool permanent = FuBolPlaqueSetArry(codes, permanent_, 0);
    const bool deciduous = FuBolPlaqueSetArry(codes, deciduous_, 32);
    if (permanent && !deciduous)
        return Permanent;
    if (deciduous && !permanent)
        return Deciduous;
    return Both;
}

long PlaqueChartPrint::height(Mode mode) const {
    const long s = canvas_.twY(canvas_.V());
    if (mode != Both)
        return 3 * s;
    return vbRound(2 * (3.0 * s / 4.0 + s) + 3 * s);
}

void PlaqueChartPrint::draw(Mode mode, long y) {
    const int cw = canvas_.U();
    const int ch = canvas_.V();
    const int x0 = canvas_.px(canvas_.x0());
    const int xd = x0 + 3 * cw; // the deciduous block, centred under the 16 columns
    const int top = canvas_.py(y);
    int yc = top;
    auto deciduousBlock = [&] {
        canvas_.frameRect(x0, yc, x0 + 16 * cw, yc + 3 * ch);
        if (!FuBolDrawPlaqueRow(deciduous_, xd, yc, false) ||
            !FuBolDrawCharCells(kDeciduousLetters, xd, yc + ch, cw, ch) ||
            !FuBolDrawPlaqueRow(deciduous_, xd, yc + 2 * ch, true))
            return false;
        yc += 3 * ch;
        return true;
    };
    switch (mode) {
    case Permanent:
        if (!FuBolDrawPlaqueRow(permanent_, x0, yc, false) ||
            !FuBolDrawCharCells(kPermanentNumbers, x0, yc + ch, cw, ch) ||
            !FuBolDrawPlaqueRow(permanent_, x0, yc + 2 * ch, true))
            return;
        yc += 3 * ch;
        break;
    case Deciduous:
        if (!deciduousBlock())
            return;
        break;
    case Both: {
        const int numbers = vbRound(3.0 * ch / 4.0);
        if (!FuBolDrawCharCells(kPermanentNumbers, x0, yc, cw, numbers) ||
            !FuBolDrawPlaqueRow(permanent_, x0, yc + numbers, false))
            return;
        yc += numbers + ch;
        if (!deciduousBlock() || !FuBolDrawPlaqueRow(permanent_, x0, yc, true) ||
            !FuBolDrawCharCells(kPermanentNumbers, x0, yc + ch, cw, numbers))
            return;
        yc += ch + numbers;
        break;
    }
    }
    canvas_.box(canvas_.px(canvas_.frame().left), top, x0, yc, QStringLiteral("プラーク付着"), true);
}

template <typename Matrix>
bool PlaqueChartPrint::FuBolDrawPlaqueRow(const Matrix& matrix, int x, int y, bool lowerJaw) {
    try {
        const int cw = canvas_.U();
        const int ch = canvas_.V();
        const int teeth = static_cast<int>(matrix[0].size());
        // The patient's right side is drawn on the left: the right quadrant from its back tooth to the
        // midline, then the left quadrant from the midline out.
        for (int q = lowerJaw ? 2 : 0; q <= (lowerJaw ? 3 : 1); ++q) {
            for (int k = 0; k < teeth; ++k) {
                const int t = q % 2 == 0 ? teeth - 1 - k : k;
                const QString& entry = matrix[static_cast<size_t>(q)][static_cast<size_t>(t)];
                if (MdlPlaque::isLostCode(entry)) {
                    SuDrawToothCell(x, y, cw, ch, true, false, false, false, false);
                } else {
                    const MdlPlaque::PlaqueFaces f = MdlPlaque::facesOf(entry, q);
                    SuDrawToothCell(x, y, cw, ch, false, f.R, f.L, f.U, f.D);
                }
                x += cw;
            }
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool PlaqueChartPrint::FuBolDrawCharCells(const QString& text, int x, int y, int w, int h) {
    try {
        gdi::Surface& dc = canvas_.dc();
        dc.selectPen(kFramePen);
        canvas_.selectNullBrush();
        for (const QChar c : text) {
            dc.rectangle(x, y, x + w, y + h);
            if (c != u' ') {
                gdi::GdiRect r{x, y, x + w, y + h};
                dc.drawText(QString(c), r, gdi::dt::kCenter | gdi::dt::kVCenter | gdi::dt::kSingleLine);
            }
            x += w;
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void PlaqueChartPrint::SuDrawToothCell(int x, int y, int w, int h, bool absent, bool right, bool left,
                                       bool top, bool bottom) {
    gdi::Surface& dc = canvas_.dc();
    dc.selectPen(kFramePen);
    const QPoint tl(x, y), tr(x + w, y), br(x + w, y + h), bl(x, y + h);
    if (!absent) {
        const QPoint centre(vbRound(x + w / 2.0), vbRound(y + h / 2.0));
        const struct {
            QPoint a, b;
            bool plaque;
        } faces[] = {{tl, tr, top}, {tl, bl, left}, {br, bl, bottom}, {br, tr, right}};
        for (const auto& f : faces) {
            dc.selectBrush(FuLngPlaqueBrush(f.plaque));
            dc.setPolyFillMode(gdi::FillMode::Winding);
            dc.polygon({f.a, f.b, centre});
        }
    } else {
        if (canvas_.colorMode() == 2) {
            dc.selectBrush(kLostBrush);
            dc.setPolyFillMode(gdi::FillMode::Winding);
        } else {
            gdi::GdiRect r{x, y, x + w, y + h};
            dc.drawText(QStringLiteral("MT"), r, gdi::dt::kCenter | gdi::dt::kVCenter | gdi::dt::kSingleLine);
        }
        dc.polygon({tl, tr, br, bl});
    }
    dc.selectBrush(FuLngPlaqueBrush(false));
}

gdi::Brush PlaqueChartPrint::FuLngPlaqueBrush(bool plaque) const {
    return plaque ? kPlaqueBrush : gdi::nullBrush();
}
