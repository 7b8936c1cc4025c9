// Cost of starting the program on the demo data: from Main to the login form with its staff list.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/shell/FrmMKarte01_001.h"
#include "app/shell/MdlMain.h"
#include "platform/ado/Ado.h"
#include "platform/msgbox/MsgBox.h"

namespace {

// A copy of the built program folder, so the benchmark never touches the demo log.
bool copyProgramFolder(const QString& to) {
    const QDir bin(QStringLiteral(ORVANTA_BIN_DIR));
    for (const QString& name :
         {QStringLiteral("Orvanta.ini"), QStringLiteral("Orvanta.mdb"), QStringLiteral("clsMessage.txt"),
          QStringLiteral("message/OrvantaMessage.txt")}) {
        QDir().mkpath(QFileInfo(to + QLatin1Char('/') + name).absolutePath());
        if (!QFile::copy(bin.filePath(name), to + QLatin1Char('/') + name))
            return false;
    }
    return true;
}

// Main to the login form with its staff list. Arg 1: each start as the first of its process (the key is
// derived again, as when the program is started); arg 0: starts after the first in one process.
void BM_StartupToLogin(benchmark::State& state) {
    const bool firstInProcess = state.range(0) == 1;
    QTemporaryDir dir;
    if (!copyProgramFolder(dir.path())) {
        state.SkipWithError("the program folder is not built");
        return;
    }
    MdlMain::setInstanceLockPath(dir.filePath(QStringLiteral("orvanta.lock")));
    FrmMKarte01_001::setQuitHandler([] {});
    for (auto _ : state) {
        if (firstInProcess) {
            state.PauseTiming();
            ado::forgetDerivedKeys();
            state.ResumeTiming();
        }
        const bool shown = MdlMain::Main(dir.path());
        state.PauseTiming();
        if (!shown) {
            state.SkipWithError("start-up failed");
            break;
        }
        if (FrmMKarte01_001* login = FrmMKarte01_001::loaded())
            login->close();
        QCoreApplication::processEvents();
        MdlMain::releaseInstanceLock();
        state.ResumeTiming();
    }
    if (!msgbox::shown().isEmpty())
        state.SetLabel(msgbox::shown().first().text.toStdString());
}
BENCHMARK(BM_StartupToLogin)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    msgbox::enableTestSeam(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
