// Cost of the record core on a generated keyed database: loading a 2,000-line book (ten years of
// visits with their detail rows) and saving 20 new lines into it. The book is written into a copy
// of the demo database (the program's schema) for a patient of its own.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "app/recordbook/core/KarteGlobals.h"
#include "app/recordbook/core/KarteLineEdit.h"
#include "app/recordbook/core/KarteLoad.h"
#include "app/recordbook/core/KarteSave.h"
#include "app/shell/MdlCommStructure.h"
#include "app/shell/ShellGlobals.h"
#include "bench/DemoDatabase.h"
#include "platform/ado/Ado.h"

using benchdemo::demoPassword;

namespace {

constexpr int kLines = 2000;

// Line n (1..2000) of one patient, a visit about every 1.8 days from 2014: every tenth a precise
// inspection with its three tooth rows, every 25th a chief complaint, the rest instructions with two
// implements. A line per date, so every entry number is 1.
QStringList bookSql() {
    const QString seq =
        QStringLiteral("WITH RECURSIVE seq(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM seq WHERE n < %1) ")
            .arg(kLines);
    const QString date =
        QStringLiteral("strftime('%Y/%m/%d', date('2014-01-06', '+' || (n * 1825 / 1000) || ' days'))");
    const QString kind =
        QStringLiteral("CASE WHEN n % 10 = 0 THEN '250' WHEN n % 25 = 1 THEN '100' ELSE '800' END");
    auto teeth = [](const QString& v) {
        QStringList values;
        for (int i = 0; i < kToothCount; ++i)
            values << (i % 13 == 5 ? QStringLiteral("NULL") : v);
        return values.join(QStringLiteral(", "));
    };
    QStringList sql;
    sql += QStringLiteral("INSERT INTO m_karte VALUES ('B001', 1, NULL, '2014/01/06-10:00:00', '2', '0001', "
                          "NULL, NULL, NULL)");
    sql += seq +
           QStringLiteral(
               "INSERT INTO m_kh_record SELECT 'B001', n, NULLIF(n - 1, 0), NULLIF((n + 1) % %1, 0), ")
               .arg(kLines + 1) +
           kind + QStringLiteral(", 1, 0, ") + date +
           QStringLiteral(", 'Caaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa', NULL, '1111111100000', '1111111100000', "
                          "'1111111100000', '1111111100000', '', CASE WHEN n % 40 = 7 THEN '1' END, "
                          "'2014/01/06-10:00:00', '2', '0001', NULL, NULL, NULL FROM seq");
    sql += seq + QStringLiteral("INSERT INTO m_actual_instruction SELECT 'B001', ") + date +
           QStringLiteral(", 1, '10:00', '10:30', '歯間ブラシの使い方を指導した。', NULL, ") +
           teeth(QStringLiteral("'1010'")) + QStringLiteral(" FROM seq WHERE n % 10 <> 0 AND n % 25 <> 1");
    for (const char* imp : {"1", "2"})
        sql += seq + QStringLiteral("INSERT INTO m_selection_imp SELECT 'B001', ") + date +
               QStringLiteral(", 1, ") + QLatin1String(imp) +
               QStringLiteral(", 'デンタルフロス' FROM seq WHERE n % 10 <> 0 AND n % 25 <> 1");
    sql += seq + QStringLiteral("INSERT INTO m_kr_cir_inspection SELECT 'B001', ") + date +
           QStringLiteral(", 1, '2', 1, 1, 1, '' FROM seq WHERE n % 10 = 0");
    for (const auto& [table, value] : {std::pair{"m_kr_plaque", "'1100'"},
                                       {"m_kr_miller", "'1'"},
                                       {"m_kr_pocket", "'0  31  20  30  30  20  3'"}})
        sql += seq + QStringLiteral("INSERT INTO ") + QLatin1String(table) +
               QStringLiteral(" SELECT 'B001', ") + date + QStringLiteral(", 1, ") +
               teeth(QLatin1String(value)) + QStringLiteral(" FROM seq WHERE n % 10 = 0");
    sql += seq + QStringLiteral("INSERT INTO m_kr_appeals SELECT 'B001', ") + date +
           QStringLiteral(", 1, '冷たい物がしみる', NULL FROM seq WHERE n % 10 <> 0 AND n % 25 = 1");
    return sql;
}

// The generated database, made once; the program's settings pointed at a copy of it.
class BenchBook {
public:
    BenchBook() {
        templatePath = dir.filePath(QStringLiteral("book.template"));
        const QByteArray key = demoPassword();
        try {
            QFile::copy(QStringLiteral(ORVANTA_BIN_DIR "/Orvanta.mdb"), templatePath);
            QFile(templatePath).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            ado::Connection con;
            con.open(templatePath, key);
            con.beginTrans();
            for (const QString& statement : bookSql())
                con.execute(statement);
            con.commitTrans();
            con.close();
            ok = true;
        } catch (const std::exception& e) {
            fprintf(stderr, "%s\n", e.what());
        }
        gStrAppPath = dir.path() + QLatin1Char('/');
        gStrMdbName = QStringLiteral("Orvanta.mdb");
        gStrDbPassword = key;
        gPatientInfo.personal_id = QStringLiteral("B001");
        gStaffLoginInfo = {QStringLiteral("2"), QStringLiteral("0001"), QStringLiteral("青木 美咲"),
                           QString()};
        fresh();
    }
    // The program's database as generated.
    void fresh() {
        const QString db = gStrAppPath + gStrMdbName;
        QFile::remove(db);
        QFile::copy(templatePath, db);
    }
    bool ok = false;

private:
    QTemporaryDir dir;
    QString templatePath;
};

BenchBook& book() {
    static BenchBook b;
    return b;
}

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
