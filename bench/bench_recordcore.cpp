// Cost of the record core on a generated keyed database: loading a 2,000-line book (ten years of
// visits with their detail rows) and saving 20 new lines into it. The book is written into a copy
// of the demo database (the program's schema) for a patient of its own.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "app/recordcore/KarteGlobals.h"
#include "app/recordcore/KarteLineEdit.h"
#include "app/recordcore/KarteLoad.h"
#include "app/recordcore/KarteSave.h"
#include "app/shell/MdlCommStructure.h"
#include "app/shell/ShellGlobals.h"
#include "bench/DemoDatabase.h"
#include "bench/RecordBook2000.h"
#include "platform/ado/Ado.h"

using benchdemo::demoPassword;

namespace {

using benchbook::book;
using benchbook::kLines;

bool loadBook() {
    MdlKarteMain::PSuKarteWorkErase_End();
    MdlKarteMain::KarteLoadView quiet;
    return MdlKarteMain::PFuBolKarteGetData(quiet);
}

void BM_LoadBook2000Lines(benchmark::State& state) {
    if (!book().ok) {
        state.SkipWithError("could not generate the book");
        return;
    }
    for (auto _ : state) {
        if (!loadBook()) {
            state.SkipWithError("load failed");
            return;
        }
    }
    state.counters["lines"] = static_cast<double>(MdlKarteMain::chainRecs().size());
}
BENCHMARK(BM_LoadBook2000Lines)->Unit(benchmark::kMillisecond);

void BM_Save20NewLines(benchmark::State& state) {
    if (!book().ok) {
        state.SkipWithError("could not generate the book");
        return;
    }
    const MdlKarteMain::QuadMasks masks = [](const QString&) {
        return std::array<QString, 4>{"1111111100000", "1111111100000", "1111111100000", "1111111100000"};
    };
    for (auto _ : state) {
        state.PauseTiming();
        book().fresh();
        if (!loadBook()) {
            state.SkipWithError("load failed");
            return;
        }
        for (int i = 0; i < 20; ++i) {
            gKarteInfo.visit = InstructVisitData();
            gKarteInfo.visit.entry = QStringLiteral("2024/02/%1").arg(1 + i, 2, 10, QLatin1Char('0'));
            gKarteInfo.visit.inst_start_time = QStringLiteral("10:00");
            gKarteInfo.visit.inst_end_time = QStringLiteral("10:30");
            gKarteInfo.visit.inst_point = QStringLiteral("歯間ブラシの使い方を指導した。");
            gKarteInfo.visit.plaque.fill(QStringLiteral("1010"));
            gKarteInfo.visit.cleaning_imp = {QStringLiteral("デンタルフロス"), QStringLiteral("舌ブラシ")};
            gStrParts33 = QStringLiteral("Caaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa");
            gLngPrevRec = i == 0 ? kLines : gLngCurRec;
            gLngNextRec = 0;
            MdlKarteMain::PSuKarteLineAdd(QStringLiteral("1"), QString());
            MdlKarteMain::PSuKarteLineDataSet(QStringLiteral("1"), masks);
        }
        state.ResumeTiming();
        if (!MdlKarteMain::PFuBolKarteUpdate()) {
            state.SkipWithError("save failed");
            return;
        }
    }
}
BENCHMARK(BM_Save20NewLines)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
