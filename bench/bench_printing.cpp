// Speed of the record sheet: ten instruction visits with charts, implements and marked text printed to
// a PDF file at 600 dots per inch, the measuring pass of one visit block alone, and laying out and
// drawing one long marked text on a page.
#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "app/printing/InstructSheet.h"
#include "app/printing/MdlDTextPrint.h"
#include "app/shell/MdlCommStructure.h"
#include "app/shell/ShellGlobals.h"
#include "platform/gdi/GdiFont.h"
#include "platform/gdi/PaintSurface.h"
#include "platform/printer/Printer.h"

#include "WidgetBenchMain.h"

namespace {

InstructEntryData tenVisits() {
    InstructEntryData record;
    for (int i = 0; i < 10; ++i) {
        InstructVisitData v;
        v.entry = QStringLiteral("2024/%1/15").arg(i % 12 + 1, 2, 10, QLatin1Char('0'));
        v.inst_start_time = QStringLiteral("09:30");
        v.inst_end_time = QStringLiteral("10:00");
        v.staff_name = QStringLiteral("青木 美咲");
        for (int t = 0; t < kToothCount; ++t)
            v.plaque[static_cast<size_t>(t)] =
                t % 5 == 0 ? QStringLiteral("M") : QStringLiteral("%1").arg(t % 16, 4, 2, QLatin1Char('0'));
        v.cleaning_imp = QStringList{QStringLiteral("歯ブラシ"), QStringLiteral("デンタルフロス"),
                                     QStringLiteral("歯間ブラシ")};
        v.inst_point =
            QStringLiteral("上顎/{DN000000aaa0000000") + QString(16, u'0') +
            QStringLiteral(
                "頬側/}のブラッシングを指導した。\r/{B次回確認/}歯間部の清掃を丁寧に行うよう説明した。");
        if (i < 9)
            record.history.push_back(v);
        else
            record.visit = v;
    }
    return record;
}

std::vector<InstructSheet::Row> allTicked(const InstructEntryData& r) {
    std::vector<InstructSheet::Row> rows{{-1, true}};
    for (int i = static_cast<int>(r.history.size()) - 1; i >= 0; --i)
        rows.push_back({i, true});
    return rows;
}

void setUpPatient() {
    gClinicInfo.clinic_name = QStringLiteral("さくら歯科クリニック");
    gClinicInfo.establishment_name = QStringLiteral("佐藤 一郎");
    gPatientInfo.personal_id = QStringLiteral("000123");
    gPatientInfo.name = QStringLiteral("山田 花子");
    gPatientInfo.birthday = QStringLiteral("1980/05/12");
    gPatientInfo.age = QStringLiteral("43");
    gPatientInfo.sex_name = QStringLiteral("女");
}

const PageFrame kA4Frame{1080, 720, 11906 - 1080, 16838 - 720};

void BM_TenVisitSheetToPdf(benchmark::State& state) {
    setUpPatient();
    const InstructEntryData record = tenVisits();
    const auto rows = allTicked(record);
    QTemporaryDir dir;
    printer::addFilePrinter(QStringLiteral("PDF"), dir.filePath(QStringLiteral("sheet.pdf")));
    printer::Printer& p = printer::currentPrinter();
    p.select(QStringLiteral("PDF"));
    long pages = 0;
    for (auto _ : state) {
        SheetDevice device{p.hDC(), p.ColorMode(), [&p] { p.NewPage(); }, [&p] { p.EndDoc(); }};
        InstructSheet sheet(device, kA4Frame, record);
        sheet.FuLngInstructDraw(rows);
        pages = sheet.pageCount();
    }
    state.counters["pages"] = static_cast<double>(pages);
    state.counters["bytes"] =
        static_cast<double>(QFileInfo(dir.filePath(QStringLiteral("sheet.pdf"))).size());
}
BENCHMARK(BM_TenVisitSheetToPdf)->Unit(benchmark::kMillisecond);

void BM_MeasureOneBlock(benchmark::State& state) {
    setUpPatient();
    const InstructEntryData record = tenVisits();
    printer::Printer& p = printer::currentPrinter();
    SheetDevice device{p.hDC(), p.ColorMode(), [] {}, [] {}};
    InstructSheet sheet(device, kA4Frame, record);
    sheet.setPrintVisit(record.visit);
    for (auto _ : state)
        benchmark::DoNotOptimize(sheet.FuLngInstructDrawRec(false, 3000));
}
BENCHMARK(BM_MeasureOneBlock)->Unit(benchmark::kMicrosecond);

// A marked text of range(0) lines (CR breaks, a half-size run and a tooth glyph every tenth line),
// measured and drawn on one picture-surface page as the sheet prints it.
void BM_PrintLongMarkedText(benchmark::State& state) {
    QStringList lines;
    for (int i = 1; i <= state.range(0); ++i)
        lines << QStringLiteral("冷たい物がしみる。歯間部より出血あり（%1）").arg(i) +
                     (i % 10 == 0 ? QStringLiteral("/{B再評価/}/{DN000000aaa0000000") + QString(16, u'0') +
                                        QStringLiteral("頬側/}")
                                  : QString());
    const QString text = lines.join(QChar('\r'));
    gdi::ImageSurface page(QSize(1240, 1754));
    page.setFont(gdi::logicalFont(QStringLiteral("ＭＳ 明朝"), 9));
    const gdi::GdiRect rect{60, 60, 1180, 1694};
    long height = 0;
    for (auto _ : state) {
        height = MdlDTextPrint::PFuBolDtextPrint(page, false, text, true, rect);
        MdlDTextPrint::PFuBolDtextPrint(page, true, text, true, rect);
    }
    state.counters["heightPx"] = static_cast<double>(height);
}
BENCHMARK(BM_PrintLongMarkedText)->Arg(250)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace

ORVANTA_WIDGET_BENCHMARK_MAIN()
