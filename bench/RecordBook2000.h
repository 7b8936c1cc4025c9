// A generated 2,000-line record book (ten years of visits with their detail rows) and short books
// holding one long chief complaint, in a keyed copy of the demo database, for the benchmarks of the
// record core and the record screen.
#pragma once
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "app/recordcore/KarteData.h"
#include "app/shell/MdlCommStructure.h"
#include "app/shell/ShellGlobals.h"
#include "bench/DemoDatabase.h"
#include "platform/ado/Ado.h"

namespace benchbook {

using benchdemo::demoPassword;

inline constexpr int kLines = 2000;

// Line n (1..2000) of one patient, a visit about every 1.8 days from 2014: every tenth a precise
// inspection with its three tooth rows, every 25th a chief complaint, the rest instructions with two
// implements. A line per date, so every entry number is 1.
inline QStringList bookSql() {
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

// Short books of two chief complaints each: a short one in January 2014 and one of n lines (CR line
// breaks, as the marked text keeps them) in February 2014; patient "L" and n, for each n here.
inline constexpr int kComplaintLines[] = {250, 1000, 2000};

inline QString longComplaintPatient(int lines) {
    return QStringLiteral("L%1").arg(lines);
}

inline QStringList longComplaintSql(int n) {
    const QString id = longComplaintPatient(n);
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("冷たい物がしみる。歯間部より出血あり（%1）").arg(i);
    auto line = [&id](int recNo, const char* prv, const char* nxt, const char* date) {
        return QStringLiteral(
                   "INSERT INTO m_kh_record VALUES ('%1', %2, %3, %4, '100', 1, 0, '%5', "
                   "'Caaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa', NULL, '1111111100000', '1111111100000', "
                   "'1111111100000', '1111111100000', '', NULL, '2014/01/06-10:00:00', '2', '0001', "
                   "NULL, NULL, NULL)")
            .arg(id)
            .arg(recNo)
            .arg(QLatin1String(prv), QLatin1String(nxt), QLatin1String(date));
    };
    return {
        QStringLiteral("INSERT INTO m_karte VALUES ('%1', 1, NULL, '2014/01/06-10:00:00', '2', '0001', "
                       "NULL, NULL, NULL)")
            .arg(id),
        line(1, "NULL", "2", "2014/01/06"), line(2, "1", "NULL", "2014/02/10"),
        QStringLiteral("INSERT INTO m_kr_appeals VALUES ('%1', '2014/01/06', 1, '冷たい物がしみる', NULL)")
            .arg(id),
        QStringLiteral("INSERT INTO m_kr_appeals VALUES ('%1', '2014/02/10', 1, '%2', NULL)")
            .arg(id, lines.join(QChar('\r')))};
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
            QStringList sql = bookSql();
            for (int n : kComplaintLines)
                sql += longComplaintSql(n);
            for (const QString& statement : sql)
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

inline BenchBook& book() {
    static BenchBook b;
    return b;
}

} // namespace benchbook
