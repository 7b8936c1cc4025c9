// Cost of the data layer on the demo database: connecting (first and later) and queries.
#include <benchmark/benchmark.h>

#include "bench/DemoDatabase.h"
#include "platform/ado/Ado.h"

using benchdemo::demoPassword;

namespace {

const QString kDb = QStringLiteral(ORVANTA_BIN_DIR "/Orvanta.mdb");

const QString kClinicSql = QStringLiteral(
    "SELECT clinic_code, IIF(ISNULL(clinic_name),'',clinic_name) AS clinic_name, ent_date_time "
    "FROM m_clinic WHERE clinic_code = '0001'");

const QString kSearchSql = QStringLiteral(
    "SELECT m_personal_info.personal_id, m_kh_insurance.name, m_sex_m.sex_name, m_personal_info.birthday, "
    "m_kh_insurance.address, m_kh_insurance.tel_no FROM m_personal_info ,m_kh_insurance, m_sex_m "
    "WHERE m_personal_info.personal_id = m_kh_insurance.personal_id "
    "AND m_personal_info.sex_code = m_sex_m.sex_code "
    "ORDER BY m_personal_info.personal_id, m_kh_insurance.entry DESC");

// A connection after the first: the key was derived once, the engine gets the derived key.
void BM_Connect(benchmark::State& state) {
    const QByteArray key = demoPassword();
    ado::Connection first;
    first.open(kDb, key);
    first.close();
    for (auto _ : state) {
        ado::Connection con;
        con.open(kDb, key);
        con.close();
    }
}
BENCHMARK(BM_Connect)->Unit(benchmark::kMillisecond);

// The first connection of a process: the key derivation included.
void BM_ConnectFirst(benchmark::State& state) {
    const QByteArray key = demoPassword();
    for (auto _ : state) {
        ado::forgetDerivedKeys();
        ado::Connection con;
        con.open(kDb, key);
        con.close();
    }
}
BENCHMARK(BM_ConnectFirst)->Unit(benchmark::kMillisecond);

// What every piece of work of the program pays: connect, one small query, close.
void BM_ConnectAndClinicQuery(benchmark::State& state) {
    const QByteArray key = demoPassword();
    for (auto _ : state) {
        ado::Connection con;
        con.open(kDb, key);
        auto rs = con.openRecordset(kClinicSql);
        benchmark::DoNotOptimize(rs->field(QStringLiteral("clinic_name")).toString());
        rs->close();
        con.close();
    }
}
BENCHMARK(BM_ConnectAndClinicQuery)->Unit(benchmark::kMillisecond);

// The query alone on an open connection.
void BM_ClinicQuery(benchmark::State& state) {
    ado::Connection con;
    con.open(kDb, demoPassword());
    for (auto _ : state) {
        auto rs = con.openRecordset(kClinicSql);
        benchmark::DoNotOptimize(rs->recordCount());
    }
}
BENCHMARK(BM_ClinicQuery)->Unit(benchmark::kMicrosecond);

// The largest read of the shell: every patient with every insurance entry, all rows read.
void BM_PatientSearchAll(benchmark::State& state) {
    ado::Connection con;
    con.open(kDb, demoPassword());
    qint64 rows = 0;
    for (auto _ : state) {
        auto rs = con.openRecordset(kSearchSql);
        rows = rs->recordCount();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_PatientSearchAll)->Unit(benchmark::kMillisecond);

// The reading search: every insurance row's reading compared the clinic database's way.
void BM_PatientSearchByReading(benchmark::State& state) {
    ado::Connection con;
    con.open(kDb, demoPassword());
    const QString sql = QString(kSearchSql)
                            .replace(QStringLiteral("ORDER BY"),
                                     QStringLiteral("AND m_kh_insurance.reading LIKE '%さとう%' ORDER BY"));
    qint64 rows = 0;
    for (auto _ : state) {
        auto rs = con.openRecordset(sql);
        rows = rs->recordCount();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_PatientSearchByReading)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
