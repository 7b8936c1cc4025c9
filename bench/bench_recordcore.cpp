// Cost of the record core on a generated keyed database: loading a 2,000-line book (ten years of
// visits with their detail rows) and saving 20 new lines into it.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "app/recordbook/core/KarteGlobals.h"
#include "app/recordbook/core/KarteLineEdit.h"
#include "app/recordbook/core/KarteLoad.h"
#include "app/recordbook/core/KarteSave.h"
#include "app/shell/MdlCommStructure.h"
#include "app/shell/ShellGlobals.h"

namespace {

const QByteArray kKey = QByteArrayLiteral("bench-key");
constexpr int kLines = 2000;

QString readSource(const char* relative) {
    QFile f(QStringLiteral(ORVANTA_SOURCE_DIR "/") + QLatin1String(relative));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

bool runSql(const QString& path, const QString& sql) {
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                              nullptr) == SQLITE_OK &&
              sqlite3_key(db, kKey.constData(), static_cast<int>(kKey.size())) == SQLITE_OK;
    char* err = nullptr;
    ok = ok && sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err) == SQLITE_OK;
    if (err)
        fprintf(stderr, "%s\n", err);
    sqlite3_free(err);
    sqlite3_close(db);
    return ok;
}

// Line n (1..2000) of one patient, a visit about every 1.8 days from 2014: every tenth a precise
// inspection with its three tooth rows, every 25th a chief complaint, the rest instructions with two
// implements. A line per date, so every entry number is 1.
QString bookSql() {
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
    QString sql = QStringLiteral("BEGIN;");
    sql += QStringLiteral("INSERT INTO m_personnel VALUES ('2', '0001', '青木 美咲', 'a');");
    sql += QStringLiteral("INSERT INTO m_karte VALUES ('B001', 1, NULL, '2014/01/06-10:00:00', '2', '0001', "
                          "NULL, NULL, NULL);");
    sql += seq +
           QStringLiteral(
               "INSERT INTO m_kh_record SELECT 'B001', n, NULLIF(n - 1, 0), NULLIF((n + 1) % %1, 0), ")
               .arg(kLines + 1) +
           kind + QStringLiteral(", 1, 0, ") + date +
           QStringLiteral(", 'Caaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa', NULL, '1111111100000', '1111111100000', "
                          "'1111111100000', '1111111100000', '', CASE WHEN n % 40 = 7 THEN '1' END, "
                          "'2014/01/06-10:00:00', '2', '0001', NULL, NULL, NULL FROM seq;");
    sql += seq + QStringLiteral("INSERT INTO m_actual_instruction SELECT 'B001', ") + date +
           QStringLiteral(", 1, '10:00', '10:30', '歯間ブラシの使い方を指導した。', NULL, ") +
           teeth(QStringLiteral("'1010'")) + QStringLiteral(" FROM seq WHERE n % 10 <> 0 AND n % 25 <> 1;");
    for (const char* imp : {"1", "2"})
        sql += seq + QStringLiteral("INSERT INTO m_selection_imp SELECT 'B001', ") + date +
               QStringLiteral(", 1, ") + QLatin1String(imp) +
               QStringLiteral(", 'デンタルフロス' FROM seq WHERE n % 10 <> 0 AND n % 25 <> 1;");
    sql += seq + QStringLiteral("INSERT INTO m_kr_cir_inspection SELECT 'B001', ") + date +
           QStringLiteral(", 1, '2', 1, 1, 1, '' FROM seq WHERE n % 10 = 0;");
    for (const auto& [table, value] : {std::pair{"m_kr_plaque", "'1100'"},
                                       {"m_kr_miller", "'1'"},
                                       {"m_kr_pocket", "'0  31  20  30  30  20  3'"}})
        sql += seq + QStringLiteral("INSERT INTO ") + QLatin1String(table) +
               QStringLiteral(" SELECT 'B001', ") + date + QStringLiteral(", 1, ") +
               teeth(QLatin1String(value)) + QStringLiteral(" FROM seq WHERE n % 10 = 0;");
    sql += seq + QStringLiteral("INSERT INTO m_kr_appeals SELECT 'B001', ") + date +
           QStringLiteral(", 1, '冷たい物がしみる', NULL FROM seq WHERE n % 10 <> 0 AND n % 25 = 1;");
    sql += QStringLiteral("COMMIT;");
    return sql;
}

// The generated database, made once; the program's settings pointed at a copy of it.
class BenchBook {
public:
    BenchBook() {
        templatePath = dir.filePath(QStringLiteral("book.template"));
        ok = runSql(templatePath, readSource("resources/db/schema.sql") + bookSql());
        gStrAppPath = dir.path() + QLatin1Char('/');
        gStrMdbName = QStringLiteral("Orvanta.mdb");
        gStrDbPassword = kKey;
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
