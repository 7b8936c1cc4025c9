// Speed of the patient search on a register of 100,000 patients: the query read into list rows, the list
// laid into the grid, and (the figure that counts) the search button of the dialog up to the list on
// screen, for every patient and for a reading.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "app/shell/FrmMKarteS_005.h"
#include "app/shell/PatientList.h"
#include "app/shell/PatientQueries.h"
#include "app/shell/ShellGlobals.h"
#include "bench/DemoDatabase.h"
#include "platform/ado/Ado.h"
#include "platform/fields/ImText.h"
#include "platform/spread/SpreadGrid.h"

#include "WidgetBenchMain.h"

using benchdemo::demoPassword;

namespace {

constexpr int kPatients = 100000;

// A copy of the demo database whose register holds `patients` generated patients: every one with a
// first insurance entry, every fourth with a second, every twentieth with a third. Its pages are the demo
// database's (4 KB) or, copied over, the engine's own 1 KB ones, as every older clinic database has them.
class Register {
public:
    Register(int patients, int pageSize) {
        path_ = dir_.filePath(QStringLiteral("Orvanta.mdb"));
        const QString made = pageSize == 4096 ? path_ : dir_.filePath(QStringLiteral("made.mdb"));
        QFile::copy(QStringLiteral(ORVANTA_BIN_DIR "/Orvanta.mdb"), made);
        QFile(made).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        ado::Connection con;
        con.open(made, demoPassword());
        const QString n = QString::number(patients);
        const QStringList script{
            QStringLiteral("DELETE FROM m_kh_insurance"),
            QStringLiteral("DELETE FROM m_personal_info"),
            QStringLiteral("CREATE TEMP TABLE fam (id INTEGER PRIMARY KEY, kanji TEXT, kana TEXT)"),
            QStringLiteral(
                "INSERT INTO fam VALUES (0,'佐藤','サトウ'),(1,'鈴木','スズキ'),(2,'高橋','タカハシ'),"
                "(3,'田中','タナカ'),(4,'伊藤','イトウ'),(5,'渡辺','ワタナベ'),(6,'山本','ヤマモト'),"
                "(7,'中村','ナカムラ'),(8,'小林','コバヤシ'),(9,'加藤','カトウ'),(10,'吉田','ヨシダ'),"
                "(11,'山田','ヤマダ'),(12,'佐々木','ササキ'),(13,'山口','ヤマグチ'),(14,'松本','マツモト'),"
                "(15,'井上','イノウエ'),(16,'木村','キムラ'),(17,'林','ハヤシ'),(18,'斎藤','サイトウ'),"
                "(19,'清水','シミズ')"),
            QStringLiteral("CREATE TEMP TABLE giv (id INTEGER PRIMARY KEY, kanji TEXT, kana TEXT, sex TEXT)"),
            QStringLiteral("INSERT INTO giv VALUES "
                           "(0,'太郎','タロウ','1'),(1,'花子','ハナコ','2'),(2,'健一','ケンイチ','1'),"
                           "(3,'陽子','ヨウコ','2'),(4,'誠','マコト','1'),(5,'美紀','ミキ','2'),(6,'大輔','"
                           "ダイスケ','1'),"
                           "(7,'恵子','ケイコ','2'),(8,'翔太','ショウタ','1'),(9,'由美子','ユミコ','2'),"
                           "(10,'浩二','コウジ','1'),(11,'智子','トモコ','2'),(12,'拓也','タクヤ','1'),"
                           "(13,'真理','マリ','2'),(14,'隆','タカシ','1'),(15,'幸子','サチコ','2'),(16,'直樹'"
                           ",'ナオキ','1'),"
                           "(17,'久美子','クミコ','2'),(18,'和夫','カズオ','1'),(19,'明美','アケミ','2'),"
                           "(20,'悠斗','ユウト','1'),(21,'陽菜','ヒナ','2'),(22,'蓮','レン','1')"),
            QStringLiteral("BEGIN"),
            QStringLiteral("WITH RECURSIVE seq(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM seq WHERE n < ") +
                n +
                QStringLiteral(
                    ") INSERT INTO m_personal_info (personal_id, unification_id, sex_code, birthday) "
                    "SELECT printf('%07d', n), CASE WHEN n % 4 = 0 THEN printf('U%07d', n) END, "
                    "(SELECT sex FROM giv WHERE id = n % 23), "
                    "strftime('%Y/%m/%d', date('1925-01-01', '+' || ((n * 7919) % 36500) || ' days')) "
                    "FROM seq"),
            QStringLiteral(
                "INSERT INTO m_kh_insurance (personal_id, entry, relation_code, insurance_no, ins_sign, "
                "ins_number, employ_code, name, reading, zip, tel_no, address) "
                "SELECT p.personal_id, e.entry, '1', '06130012', printf('%d', 1000 + e.entry), "
                "printf('%d', 2000 + p.rowid % 8000), '01', f.kanji || ' ' || g.kanji, f.kana || ' ' || "
                "g.kana, "
                "'150-0001', CASE WHEN p.rowid % 13 = 0 THEN NULL ELSE printf('03-%04d-%04d', p.rowid % "
                "10000, "
                "(p.rowid * 7) % 10000) END, "
                "printf('東京都渋谷区神宮前%d丁目%d番%d号', 1 + p.rowid % 6, 1 + p.rowid % 28, e.entry) "
                "FROM m_personal_info p "
                "JOIN (SELECT 1 AS entry UNION ALL SELECT 2 UNION ALL SELECT 3) e "
                "  ON e.entry = 1 OR (e.entry = 2 AND p.rowid % 4 = 0) OR (e.entry = 3 AND p.rowid % 20 = 0) "
                "JOIN fam f ON f.id = (p.rowid * 7 + e.entry / 3) % 20 "
                "JOIN giv g ON g.id = p.rowid % 23"),
            QStringLiteral("COMMIT"),
        };
        for (const QString& sql : script)
            con.execute(sql);
        if (made != path_) {
            QFile(path_).open(QIODevice::WriteOnly);
            con.execute(QStringLiteral("ATTACH DATABASE '") + ado::sqlQuote(path_) +
                        QStringLiteral("' AS copy KEY '") + ado::sqlQuote(QString::fromUtf8(demoPassword())) +
                        u'\'');
            con.execute(QStringLiteral("PRAGMA copy.cipher_page_size = %1").arg(pageSize));
            con.execute(QStringLiteral("SELECT sqlcipher_export('copy')"));
            con.execute(QStringLiteral("DETACH DATABASE copy"));
        }
        con.close();
    }
    QString folder() const { return dir_.path() + u'/'; }
    QString path() const { return path_; }

private:
    QTemporaryDir dir_;
    QString path_;
};

Register& theRegister(int pageSize = 4096) {
    static Register large(kPatients, 4096);
    if (pageSize == 4096)
        return large;
    static Register small(kPatients, 1024);
    return small;
}

// How far a search is taken: the engine stepping through the rows (nothing converted), the rows read
// into the recordset, or read on into the list's rows.
enum class Stage { Engine, Recordset, ListRows };

void BM_Query(benchmark::State& state, Stage stage, int option, const QString& text, int pageSize = 4096) {
    ado::Connection con;
    con.open(theRegister(pageSize).path(), demoPassword());
    const QString sql = patientsearch::searchSql(option, text, QVariant()).sql;
    for (auto _ : state) {
        if (stage == Stage::Engine) {
            benchmark::DoNotOptimize(con.execute(sql));
            continue;
        }
        auto rs = con.openRecordset(sql);
        if (stage == Stage::ListRows)
            benchmark::DoNotOptimize(patientsearch::readPatientRows(*rs).size());
    }
}
#define SEARCH_STAGE(name, stage)                                                                            \
    BENCHMARK_CAPTURE(BM_Query, name##_all, stage, patientsearch::OptAll, QString())                         \
        ->Unit(benchmark::kMillisecond);                                                                     \
    BENCHMARK_CAPTURE(BM_Query, name##_reading, stage, patientsearch::OptReading, QStringLiteral("やまだ"))  \
        ->Unit(benchmark::kMillisecond)
SEARCH_STAGE(engine, Stage::Engine);
SEARCH_STAGE(recordset, Stage::Recordset);
SEARCH_STAGE(listrows, Stage::ListRows);
// The engine on the register in 1 KB pages.
BENCHMARK_CAPTURE(BM_Query, engine_all_1k, Stage::Engine, patientsearch::OptAll, QString(), 1024)
    ->Unit(benchmark::kMillisecond);

// The recordset's rows read into list rows.
void BM_ReadRows(benchmark::State& state) {
    ado::Connection con;
    con.open(theRegister().path(), demoPassword());
    auto rs = con.openRecordset(patientsearch::searchSql(patientsearch::OptAll, QString(), QVariant()).sql);
    for (auto _ : state) {
        rs->moveFirst();
        benchmark::DoNotOptimize(patientsearch::readPatientRows(*rs).size());
    }
}
BENCHMARK(BM_ReadRows)->Unit(benchmark::kMillisecond);

// The rows laid into the list, redrawing off, then shown.
void BM_ListFill(benchmark::State& state) {
    ado::Connection con;
    con.open(theRegister().path(), demoPassword());
    auto rs = con.openRecordset(patientsearch::searchSql(patientsearch::OptAll, QString(), QVariant()).sql);
    const auto rows = patientsearch::readPatientRows(*rs);
    SpreadGrid grid;
    patientsearch::setUpPatientList(grid);
    grid.resize(1000, 500);
    grid.show();
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<patientsearch::PatientRow> copy = rows;
        state.ResumeTiming();
        patientsearch::clearPatientList(grid);
        grid.setReDraw(false);
        patientsearch::fillPatientList(grid, std::move(copy));
        grid.setReDraw(true);
        QApplication::processEvents();
    }
    state.counters["rows"] = grid.maxRows();
}
BENCHMARK(BM_ListFill)->Unit(benchmark::kMillisecond);

// The program's settings pointed at the generated register.
void useRegister(int pageSize = 4096) {
    gStrAppPath = theRegister(pageSize).folder();
    gStrMdbName = QStringLiteral("Orvanta.mdb");
    gStrDbPassword = demoPassword();
    gStaffLoginInfo.staff_name = QStringLiteral("青木 美咲");
}

// Opening the dialog: its set-up lists every patient.
void BM_OpenDialog(benchmark::State& state) {
    useRegister();
    for (auto _ : state) {
        FrmMKarteS_005* d = FrmMKarteS_005::load();
        d->show();
        QApplication::processEvents();
        state.PauseTiming();
        FrmMKarteS_005::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenDialog)->Unit(benchmark::kMillisecond);

// The search button pressed on the open dialog, up to the list painted on screen.
void BM_SearchButton(benchmark::State& state, int option, const QString& text, int pageSize = 4096) {
    useRegister(pageSize);
    FrmMKarteS_005* d = FrmMKarteS_005::load();
    d->show();
    d->OptSearch(option)->click();
    d->findChild<ImText*>("ImtSearch")->setText(text);
    QApplication::processEvents();
    for (auto _ : state) {
        d->CmdFNC(0)->click();
        QApplication::processEvents();
    }
    state.counters["patients"] = d->SpdPatient()->maxRows();
    FrmMKarteS_005::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK_CAPTURE(BM_SearchButton, all, patientsearch::OptAll, QString())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchButton, reading, patientsearch::OptReading, QStringLiteral("やまだ"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchButton, all_1k, patientsearch::OptAll, QString(), 1024)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchButton, reading_1k, patientsearch::OptReading, QStringLiteral("やまだ"), 1024)
    ->Unit(benchmark::kMillisecond);

} // namespace

ORVANTA_WIDGET_BENCHMARK_MAIN()
