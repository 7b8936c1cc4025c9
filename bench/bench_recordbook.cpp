// Cost of the record screen on the generated 2,000-line book: opening it to its last month (load under
// the wait window, month laid, screen painted) and paging one month (laid and painted); and paging onto
// a month whose chief complaint is 250, 1,000 or 2,000 lines long.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QPushButton>

#include "app/recordbook/FrmMKarte02_001.h"
#include "app/recordbook/KarteMonthView.h"
#include "app/recordbook/KarteOpen.h"
#include "app/recordcore/KarteGlobals.h"
#include "bench/RecordBook2000.h"
#include "platform/spread/SpreadGrid.h"

#include "WidgetBenchMain.h"

namespace {

using benchbook::book;
using benchbook::longComplaintPatient;

// The record screen, set up as the opening does, with the image folder it needs.
FrmMKarte02_001* screen() {
    static QTemporaryDir images;
    if (FrmMKarte02_001* f = FrmMKarte02_001::loaded())
        return f;
    gStrImagePath = images.path();
    QDir().mkpath(images.filePath(QStringLiteral("temp")));
    FrmMKarte02_001* f = FrmMKarte02_001::load();
    MdlKarteMain::PSuKarteSheetInit(f->sheet());
    f->show();
    return f;
}

void BM_OpenBook2000ToLastMonth(benchmark::State& state) {
    if (!book().ok) {
        state.SkipWithError("could not generate the book");
        return;
    }
    FrmMKarte02_001* f = screen();
    gPatientInfo.personal_id = QStringLiteral("B001");
    for (auto _ : state) {
        if (!MdlKarteMain::PFuBolPersonalGet(*f)) {
            state.SkipWithError("the book did not open");
            return;
        }
        f->repaint();
    }
    state.counters["lines"] = static_cast<double>(MdlKarteMain::chainRecs().size());
    state.counters["monthRows"] = f->SpdKarte()->maxRows();
}
BENCHMARK(BM_OpenBook2000ToLastMonth)->Unit(benchmark::kMillisecond);

void BM_PageOneMonth(benchmark::State& state) {
    if (!book().ok) {
        state.SkipWithError("could not generate the book");
        return;
    }
    FrmMKarte02_001* f = screen();
    gPatientInfo.personal_id = QStringLiteral("B001");
    if (!MdlKarteMain::PFuBolPersonalGet(*f)) {
        state.SkipWithError("the book did not open");
        return;
    }
    int direction = 1; // back through the book, forward again at its start
    for (auto _ : state) {
        if (!f->CmdPageCange(direction)->isEnabled())
            direction = 1 - direction;
        f->CmdPageCange_Click(direction);
        f->repaint();
    }
    state.counters["monthRows"] = f->SpdKarte()->maxRows();
}
BENCHMARK(BM_PageOneMonth)->Unit(benchmark::kMillisecond);

// Paging from January onto February, whose chief complaint has range(0) lines (laid and painted); the
// way back to January is not timed.
void BM_PageOntoLongComplaint(benchmark::State& state) {
    if (!book().ok) {
        state.SkipWithError("could not generate the book");
        return;
    }
    FrmMKarte02_001* f = screen();
    gPatientInfo.personal_id = longComplaintPatient(static_cast<int>(state.range(0)));
    if (!MdlKarteMain::PFuBolPersonalGet(*f)) {
        state.SkipWithError("the book did not open");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        f->CmdPageCange_Click(1);
        f->repaint();
        state.ResumeTiming();
        f->CmdPageCange_Click(0);
        f->repaint();
    }
    state.counters["monthRows"] = f->SpdKarte()->maxRows();
    gPatientInfo.personal_id = QStringLiteral("B001");
}
BENCHMARK(BM_PageOntoLongComplaint)->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace

ORVANTA_WIDGET_BENCHMARK_MAIN()
