// A prepared program folder for start-up tests: settings file, message file, keyed test database,
// and readers for the ring log it produces.
#pragma once
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

#include "platform/text/Text.h"
#include "support/KeyedDb.h"
#include "support/TestSupport.h"

// Readable failure output for texts.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace progfolder {

// The line the compaction writes when it is not asked for (Optimize other than "T").
inline const QString kNoCompaction =
    QStringLiteral("PFuBolCdbCompact MDBの最適化をしていません(エラーじゃない)");

// The test database password and its scrambled settings form.
inline const QByteArray kDbKey = QByteArrayLiteral("dental1");
inline const QString kDbKeyHex = QStringLiteral("151F1A41515407");

// Scrambles a password the way the settings file keeps it (the inverse of the start-up's decode).
inline QString scramble(const QByteArray& password) {
    const QByteArray key = QByteArrayLiteral("qzt5086");
    QString out;
    for (qsizetype i = 0; i < password.size(); ++i)
        out += QStringLiteral("%1")
                   .arg(static_cast<unsigned char>(password[i]) ^
                            static_cast<unsigned char>(key[i % key.size()]),
                        2, 16, QLatin1Char('0'))
                   .toUpper();
    return out;
}

// A settings file as ordered sections of ordered keys.
class Ini {
public:
    Ini& set(const QString& section, const QString& key, const QString& value) {
        for (auto& s : sections_) {
            if (s.first == section) {
                for (auto& kv : s.second)
                    if (kv.first == key) {
                        kv.second = value;
                        return *this;
                    }
                s.second.append({key, value});
                return *this;
            }
        }
        sections_.append({section, {{key, value}}});
        return *this;
    }
    Ini& remove(const QString& section, const QString& key) {
        for (auto& s : sections_)
            if (s.first == section)
                s.second.removeIf([&](const auto& kv) { return kv.first == key; });
        return *this;
    }
    Ini& removeSection(const QString& section) {
        sections_.removeIf([&](const auto& s) { return s.first == section; });
        return *this;
    }
    QString text() const {
        QString t;
        for (const auto& s : sections_) {
            t += QLatin1Char('[') + s.first + QStringLiteral("]\r\n");
            for (const auto& kv : s.second)
                t += kv.first + QLatin1Char('=') + kv.second + QStringLiteral("\r\n");
            t += QStringLiteral("\r\n");
        }
        return t;
    }

    // Every key the start-up reads, valid, for clinic C01 and the test database.
    static Ini complete() {
        Ini i;
        i.set("CLIENT", "clinic_code", "C01")
            .set("CLIENT", "ConString", "Provider=SQLCipher")
            .set("CLIENT", "passwd", kDbKeyHex)
            .set("CLIENT", "mdb_name", "Orvanta.mdb")
            .set("CLIENT", "Optimize", "F")
            .set("CLIENT", "CompactCon", "Provider=SQLCipher")
            .set("CLIENT", "ImagePath", "Image")
            .set("CLIENT", "Eisei_MM", "5")
            .set("CLIENT", "Eisei_Chk_MM", "20")
            .set("Printer", "Dialog", "N")
            .set("Printer", "PrintPreview", "N")
            .set("DEBUG", "MainBtn", "N")
            .set("SeimituPrint", "Kizami", "0.5")
            .set("MESSAGE", "FileName", "message/OrvantaMessage.txt")
            .set("Log", "FileName", "log/Orvanta.log")
            .set("Log", "MaxRecord", "1000");
        return i;
    }
    // Only the message and log settings.
    static Ini messageAndLogOnly() {
        Ini i;
        i.set("MESSAGE", "FileName", "message/OrvantaMessage.txt")
            .set("Log", "FileName", "log/Orvanta.log")
            .set("Log", "MaxRecord", "1000");
        return i;
    }

private:
    QList<QPair<QString, QList<QPair<QString, QString>>>> sections_;
};

// A message file whose texts name their own address ("000-810"), so a box shows which
// message it was. prefix tells two files apart.
inline QString messageText(const QString& prefix = QString()) {
    QString t = QStringLiteral("[000] Orvanta\r\n");
    for (const char* n : {"801", "802", "803", "804", "805", "806", "807", "808", "810", "811", "812", "814",
                          "815", "816", "900"})
        t += QLatin1String(n) + QLatin1Char(' ') + prefix + QStringLiteral("000-") + QLatin1String(n) +
             QStringLiteral("\r\n");
    t += QStringLiteral("\r\n[001] ログイン\r\n");
    for (const char* n : {"202", "203", "204", "801", "900"})
        t += QLatin1String(n) + QLatin1Char(' ') + prefix + QStringLiteral("001-") + QLatin1String(n) +
             QStringLiteral("\r\n");
    return t;
}

inline bool writeCp932(const QString& path, const QString& textValue) {
    return testsupport::writeBytes(path, text::toCp932(textValue));
}

// Runs SQL on a keyed database file, creating it when missing. Empty result = success.
inline QString runSql(const QString& path, const QByteArray& key, const QString& sql) {
    return testsupport::runKeyedSql(path, key, sql);
}

// A full clinic row for code, with the given SQL values for clinic_name and ent_date_time.
inline QString clinicRow(const QString& code, const QString& nameSql = QStringLiteral("'テスト歯科医院'"),
                         const QString& entDateSql = QStringLiteral("'2003/04/01-09:00:00'")) {
    QString quoted = code;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QStringLiteral(
               "INSERT INTO m_clinic VALUES ('%1', %2, '150-0001', '東京都渋谷区1-2-3', "
               "'03-0000-0001', '03-0000-0002', 'テスト歯科', '東京都', '医療法人 テスト会', NULL, "
               "'1', '1', '0', %3, '1', '0001', NULL, NULL, NULL);\n")
        .arg(quoted, nameSql, entDateSql);
}

inline QString printRows(int count) {
    if (count <= 0)
        return QString();
    return QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                          "INSERT INTO m_printinfo SELECT i, i * 1.5, i * 2.25 FROM n;\n")
        .arg(count);
}

// The hygiene staff of a small clinic: listed ones, and ones the login must leave out.
inline QString staffRows() {
    return QStringLiteral("INSERT INTO m_personnel VALUES ('1', '0001', '歯科医師 一郎', 'doc1');\n"
                          "INSERT INTO m_personnel VALUES ('2', '0001', '青木 一子', 'pass1');\n"
                          "INSERT INTO m_personnel VALUES ('2', '0002', '退職 二子', 'pass2');\n"
                          "INSERT INTO m_personnel VALUES ('2', '0003', '石川 三郎', 'abc');\n"
                          "INSERT INTO m_personnel VALUES ('2', '0004', '他院 四子', 'pass4');\n"
                          "INSERT INTO m_personnel VALUES ('2', '0005', '上野 五子', NULL);\n"
                          "INSERT INTO m_personnel VALUES ('2', '10', '江口 十子', 'O''Hara');\n"
                          "INSERT INTO m_personnel VALUES ('2', '9', '小野 九子', '');\n"
                          "INSERT INTO m_cp_link VALUES ('C01', '1', '0001', NULL);\n"
                          "INSERT INTO m_cp_link VALUES ('C01', '2', '0001', NULL);\n"
                          "INSERT INTO m_cp_link VALUES ('C01', '2', '0002', '2020/03/31');\n"
                          "INSERT INTO m_cp_link VALUES ('C01', '2', '0003', NULL);\n"
                          "INSERT INTO m_cp_link VALUES ('C02', '2', '0004', NULL);\n"
                          "INSERT INTO m_cp_link VALUES ('C01', '2', '0005', NULL);\n"
                          "INSERT INTO m_cp_link VALUES ('C01', '2', '10', NULL);\n"
                          "INSERT INTO m_cp_link VALUES ('C01', '2', '9', NULL);\n");
}

inline QString schemaSql() {
    return QString::fromUtf8(testsupport::readBytes(testsupport::sourcePath("resources/db/schema.sql")));
}

// The text of every line in the ring log after its number and time stamp ("procedure message"),
// oldest first (the tests never wrap the ring).
inline QStringList logLines(const QString& path) {
    return testsupport::ringLogTexts(path);
}

// The raw text of log record r (1-based), without its padding.
inline QString logRecord(const QString& path, int r) {
    QByteArray rec = testsupport::readBytes(path).mid((r - 1) * 1000, 998);
    while (rec.endsWith(' '))
        rec.chop(1);
    return text::fromCp932(rec);
}

// One program folder with a working directory beside it.
class Folder {
public:
    Folder() {
        QDir(tmp_.path()).mkpath(QStringLiteral("prog"));
        QDir(tmp_.path()).mkpath(QStringLiteral("cwd"));
    }
    QString prog() const { return tmp_.path() + QStringLiteral("/prog"); }
    QString cwd() const { return tmp_.path() + QStringLiteral("/cwd"); }
    QString root() const { return tmp_.path(); }
    QString db() const { return prog() + QStringLiteral("/Orvanta.mdb"); }
    QString log() const { return prog() + QStringLiteral("/log/Orvanta.log"); }

    void writeIni(const Ini& ini) const { writeCp932(prog() + QStringLiteral("/Orvanta.ini"), ini.text()); }
    void writeMessages() const {
        writeCp932(prog() + QStringLiteral("/message/OrvantaMessage.txt"), messageText());
    }
    // The message file of the working directory, read before the settings name one.
    void writeCwdMessages() const {
        writeCp932(cwd() + QStringLiteral("/clsMessage.txt"), messageText(QStringLiteral("cwd:")));
    }
    // A keyed database with the schema and the given rows.
    QString makeDb(const QString& rows, const QByteArray& key = kDbKey) const {
        return runSql(db(), key,
                      schemaSql() + QStringLiteral("\nBEGIN;\n") + rows + QStringLiteral("COMMIT;\n"));
    }
    // Settings, messages and a database that start up cleanly.
    QString makeComplete(const QString& extraRows = QString()) const {
        writeIni(Ini::complete());
        writeMessages();
        writeCwdMessages();
        return makeDb(clinicRow(QStringLiteral("C01")) + printRows(192) + staffRows() + extraRows);
    }

private:
    QTemporaryDir tmp_;
};

} // namespace progfolder
