#include "app/printing/InstructSheet.h"

#include "app/printing/EkListRows.h"
#include "app/printing/MdlDTextPrint.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/MdlCommStructure.h"
#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"
#include "platform/gdi/GdiFont.h"
#include "platform/text/Text.h"

using gdi::vbRound;

namespace {

// The sheet's fonts are named with an ideographic space, as the sheet always named them.
const QString kGothic = QStringLiteral("ＭＳ　ゴシック");
const QString kMincho = QStringLiteral("ＭＳ　明朝");

constexpr unsigned kCentreLine = gdi::dt::kCenter | gdi::dt::kSingleLine;

} // namespace

InstructSheet::InstructSheet(const SheetDevice& device, const PageFrame& frame,
                             const InstructEntryData& record)
    : device_(device), canvas_(device.dc, frame, device.colorMode), record_(record), chart_(canvas_) {}

void InstructSheet::trapped(const QString& procedure, const std::exception& e) {
    PFuBolPutLog(procedure, errorDescription(e));
    failed_ = true;
}

void InstructSheet::setGothic(double size) {
    gdi::Surface& dc = canvas_.dc();
    dc.setFontName(kGothic);
    dc.setFontSize(size);
    dc.setFontBold(false);
    dc.setFontItalic(false);
}

void InstructSheet::SuPrintTextAlign(long x1, long y1, long x2, long y2, const QString& text) {
    gdi::Surface& dc = canvas_.dc();
    dc.setCurrentX((x1 + x2 - dc.textWidthTw(text)) / 2.0);
    dc.setCurrentY((y1 + y2) / 2.0);
    dc.print(text);
}

long InstructSheet::FuLngInstructDraw(const std::vector<Row>& rows) {
    pages_ = 0;
    failed_ = false;
    const PageFrame& f = canvas_.frame();
    try {
        long y = 0;
        for (size_t i = rows.size(); i-- > 0;) {
            if (!rows[i].ticked)
                continue;
            printVisit_ = EkListRows::visitOf(record_, rows[i].historyIndex);
            if (pages_ == 0) {
                pages_ = 1;
                y = f.top + FuLngInstructDrawHeader(pages_, f.top);
            }
            const long measured = FuLngInstructDrawRec(false, y);
            if (y + measured > f.bottom) {
                device_.newPage();
                ++pages_;
                y = f.top + FuLngInstructDrawHeader(pages_, f.top);
            }
            y += FuLngInstructDrawRec(true, y);
        }
    } catch (const std::exception& e) {
        trapped(QStringLiteral("FuLngInstructDraw"), e);
    }
    // The job is ended whatever happened, so that what was drawn comes out.
    if (pages_ != 0)
        device_.endDoc();
    if (failed_)
        PFuDispMessage(QStringLiteral("033"), QStringLiteral("900"), EnMsgDispButton::O, EnMsgDispIcon::E);
    return 0;
}

long InstructSheet::FuLngInstructDrawHeader(long /*page*/, long y) {
    long height = 0;
    try {
        gdi::Surface& dc = canvas_.dc();
        const PageFrame& f = canvas_.frame();
        // A full-width space through the printer's own text output opens the page.
        dc.setFont(gdi::logicalFont(kMincho, 14));
        dc.setCurrentY(y);
        SuPrintTextAlign(f.right, y, f.left, y, QStringLiteral("　"));
        setGothic(14);
        const int left = canvas_.px(f.left);
        const int right = canvas_.px(f.right);
        const int bottom = canvas_.py(f.bottom);
        int yp = canvas_.py(y);

        dc.setFontSize(10);
        gdi::GdiRect r{left, yp + canvas_.py(36), right, bottom};
        const int h1 =
            dc.drawText(text::vbLeft(gClinicInfo.clinic_name, 15), r, gdi::dt::kRight | gdi::dt::kSingleLine);
        yp = h1 + vbRound(yp + h1 / 2.0);
        dc.setFontSize(14);
        r = gdi::GdiRect{left, yp, right, bottom};
        yp += dc.drawText(QStringLiteral("プラークコントロールレコード"), r, kCentreLine);
        r = gdi::GdiRect{left, yp + canvas_.py(72), right, bottom};
        yp += dc.drawText(QStringLiteral("実地指導記録"), r, kCentreLine);

        dc.setFontSize(10.5);
        canvas_.computeColumnUnit();
        const int u = canvas_.U();
        const int x0 = canvas_.px(canvas_.x0());
        const int rh = 2 * canvas_.pad() + canvas_.py(dc.textHeightTw(QStringLiteral("診察券番号")));
        yp += rh;
        height = canvas_.twY(yp + 2 * rh) - y;

        QString birthday;
        try {
            if (!text::vbTrim(gPatientInfo.birthday).isEmpty())
                birthday = MdlCommInterface::PFuStrWarekiDate(gPatientInfo.birthday);
        } catch (const std::exception& e) {
            // An unreadable birthday leaves its box empty; the rest of the header stands.
            trapped(QStringLiteral("FuLngInstructDrawHeader"), e);
        }
        const struct {
            int l, r;
            QString label, value;
        } boxes[] = {
            {left, x0, QStringLiteral("診察券番号"), gPatientInfo.personal_id},
            {x0, x0 + 6 * u, QStringLiteral("患者氏名"), gPatientInfo.name + QStringLiteral(" 様")},
            {x0 + 6 * u, x0 + 12 * u, QStringLiteral("生年月日"), birthday},
            {x0 + 12 * u, x0 + 14 * u, QStringLiteral("年齢"), gPatientInfo.age + QStringLiteral("歳")},
            {x0 + 14 * u, x0 + 16 * u, QStringLiteral("性別"), gPatientInfo.sex_name},
        };
        for (const auto& b : boxes)
            canvas_.box(b.l, yp, b.r, yp + rh, b.label, true);
        for (const auto& b : boxes)
            canvas_.box(b.l, yp + rh, b.r, yp + 2 * rh, b.value, false);
    } catch (const std::exception& e) {
        trapped(QStringLiteral("FuLngInstructDrawHeader"), e);
    }
    return height;
}

long InstructSheet::FuLngInstructDrawRec(bool draw, long y) {
    long height = 0;
    try {
        setGothic(10);
        height += FuLngInstructDrawRecHeader(draw, y + height);
        height += FuLngInstructDrawPlague(draw, y + height);
        height += FuLngInstructDrawCleanning(draw, y + height);
        height += FuLngInstructDrawPoint(draw, y + height);
    } catch (const std::exception& e) {
        trapped(QStringLiteral("FuLngInstructDrawRec"), e);
    }
    return height;
}

long InstructSheet::FuLngInstructDrawRecHeader(bool draw, long y) {
    long height = 0;
    try {
        gdi::Surface& dc = canvas_.dc();
        canvas_.computeColumnUnit();
        const int rh = 2 * canvas_.pad() + canvas_.py(dc.textHeightTw(QStringLiteral("実地指導日")));
        height = canvas_.twY(3 * rh) + 36;
        if (!draw)
            return height;
        const InstructVisitData& v = printVisit_;
        const int u = canvas_.U();
        const int x0 = canvas_.px(canvas_.x0());
        const struct {
            int l, r;
            QString label, value;
        } boxes[] = {
            {canvas_.px(canvas_.frame().left), x0 + u, QStringLiteral("実地指導日"),
             EkListRows::dateText(v.entry, QStringLiteral("gggee年mm月dd日"))},
            {x0 + u, x0 + 5 * u, QStringLiteral("指導時刻"),
             EkListRows::timeText(v.inst_start_time, v.inst_end_time)},
            {x0 + 5 * u, x0 + 9 * u, QStringLiteral("歯科医師名"), gClinicInfo.establishment_name},
            {x0 + 9 * u, x0 + 14 * u, QStringLiteral("歯科衛生士名"), v.staff_name},
            {x0 + 14 * u, x0 + 16 * u, QStringLiteral("ＰＣＲ"), PlaqueChartPrint::SuPlaqueRitu(v.plaque)},
        };
        // The first row stays empty: the gap between blocks.
        const int yp = canvas_.py(y);
        for (const auto& b : boxes)
            canvas_.box(b.l, yp + rh, b.r, yp + 2 * rh, b.label, true);
        for (const auto& b : boxes)
            canvas_.box(b.l, yp + 2 * rh, b.r, yp + 3 * rh, b.value, false);
    } catch (const std::exception& e) {
        trapped(QStringLiteral("FuLngInstructDrawRecHeader"), e);
    }
    return height;
}

long InstructSheet::FuLngInstructDrawPlague(bool draw, long y) {
    long height = 0;
    try {
        const PlaqueChartPrint::Mode mode = chart_.fill(printVisit_.plaque);
        height = chart_.height(mode);
        if (draw)
            chart_.draw(mode, y);
    } catch (const std::exception& e) {
        trapped(QStringLiteral("FuLngInstructDrawPlague"), e);
    }
    return height;
}

long InstructSheet::FuLngInstructDrawCleanning(bool draw, long y) {
    long height = 0;
    try {
        gdi::Surface& dc = canvas_.dc();
        const QStringList& items = printVisit_.cleaning_imp;
        // With no implement the box keeps one line of height; the placeholder is never printed.
        const QString text = items.isEmpty() ? QStringLiteral("NONE") : items.join(QStringLiteral("、"));
        const int x0 = canvas_.px(canvas_.x0());
        const int yp = canvas_.py(y);
        const int u = canvas_.U();
        const int m = canvas_.margin();
        gdi::GdiRect r{x0 + m, yp + m, x0 + 16 * u - m, yp + 5 * u};
        const int textHeight =
            dc.drawText(text, r, gdi::dt::kCalcRect | gdi::dt::kExternalLeading | gdi::dt::kWordBreak);
        const int boxHeight = textHeight + 2 * m;
        height = canvas_.twY(boxHeight);
        if (!draw)
            return height;
        if (!items.isEmpty()) {
            r.right = x0 + 16 * u - m;
            dc.drawText(text, r, gdi::dt::kExternalLeading | gdi::dt::kWordBreak);
        }
        canvas_.frameRect(x0, yp, x0 + 16 * u, yp + boxHeight);
        canvas_.box(canvas_.px(canvas_.frame().left), yp, x0, yp + boxHeight, QStringLiteral("清掃具"), true);
    } catch (const std::exception& e) {
        trapped(QStringLiteral("FuLngInstructDrawCleanning"), e);
    }
    return height;
}

long InstructSheet::FuLngInstructDrawPoint(bool draw, long y) {
    long height = 0;
    try {
        const int x0 = canvas_.px(canvas_.x0());
        const int yp = canvas_.py(y);
        const int u = canvas_.U();
        const int m = canvas_.margin();
        const gdi::GdiRect r{x0 + m, yp + m, x0 + 16 * u - m, yp + 5 * u};
        const long h = MdlDTextPrint::PFuBolDtextPrint(canvas_.dc(), draw, printVisit_.inst_point, true, r);
        const int boxHeight = static_cast<int>(h) + 2 * m;
        height = canvas_.twY(boxHeight);
        if (!draw)
            return height;
        canvas_.frameRect(x0, yp, x0 + 16 * u, yp + boxHeight);
        canvas_.box(canvas_.px(canvas_.frame().left), yp, x0, yp + boxHeight, QStringLiteral("指導内容"),
                    true);
    } catch (const std::exception& e) {
        trapped(QStringLiteral("FuLngInstructDrawPoint"), e);
    }
    return height;
}
