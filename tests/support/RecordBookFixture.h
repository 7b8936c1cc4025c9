// A program folder with a real keyed database of the program's schema, the shipped message file, a
// logged-in hygienist and a current patient whose card number holds a quote; helpers that store
// record-book rows, load the book, and dump tables and lines for row-by-row comparison.
#pragma once
#include <QFile>
#include <QStringList>
#include <functional>

#include "app/recordcore/KarteGlobals.h"
#include "app/recordcore/KarteLoad.h"
#include "app/shell/MdlCommStructure.h"
#include "platform/ado/Ado.h"
#include "support/DbServicesFixture.h"

// Readable QString values in failure output.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// Records what the load shows.
struct RecordingView : MdlKarteMain::KarteLoadView {
    int shown = 0, unloaded = 0, refreshes = 0;
    QStringList messages;
    long all = -1, lastCount = -1, barMax = -1, barValue = -1;
    void showWindow() override { ++shown; }
    void unloadWindow() override { ++unloaded; }
    void setGetMessage(const QString& m) override { messages << m; }
    void setGetCnt(long n) override { lastCount = n; }
    void setAllCnt(long n) override { all = n; }
    void setBarRange(long, long max) override { barMax = max; }
    void setBarValue(long v) override { barValue = v; }
    void refresh() override { ++refreshes; }
};

class RecordBookFixture : public DbServicesFixture {
protected:
    static inline const QString kPid = QStringLiteral("10'01");
    static inline const QString kStampPattern = QStringLiteral("^\\d{4}/\\d{2}/\\d{2}-\\d{2}:\\d{2}:\\d{2}$");

    void SetUp() override {
        DbServicesFixture::SetUp();
        const QString shipped = QStringLiteral(ORVANTA_BIN_DIR "/message/OrvantaMessage.txt");
        ASSERT_TRUE(QFile::exists(shipped)) << "build the program folder first";
        gObjMessage->PoSetDirPath(shipped);
        const QString schema =
            QString::fromUtf8(testsupport::readBytes(testsupport::sourcePath("resources/db/schema.sql")));
        ASSERT_FALSE(schema.isEmpty());
        run(schema + "INSERT INTO m_personnel VALUES ('2', '0001', '青木 美咲', 'a');"
                     "INSERT INTO m_personnel VALUES ('2', '0002', '石川 由美', 'b');");
        savedStaff = gStaffLoginInfo;
        savedPatient = gPatientInfo;
        gStaffLoginInfo = {QStringLiteral("2"), QStringLiteral("0001"), QStringLiteral("青木 美咲"),
                           QString()};
        gPatientInfo = PatientInfo();
        gPatientInfo.personal_id = kPid;
        MdlKarteMain::resetRecordBookGlobals();
    }

    void TearDown() override {
        MdlKarteMain::resetRecordBookGlobals();
        gStaffLoginInfo = savedStaff;
        gPatientInfo = savedPatient;
        DbServicesFixture::TearDown();
    }

    // Runs the queued rows and a script on the test database (its own connection: opening a keyed
    // file is slow, so the row helpers queue their statements).
    void run(const QString& script) {
        const QString all = pending + script;
        pending.clear();
        if (all.isEmpty())
            return;
        const QString error = testsupport::runKeyedSql(dbPath(), gStrDbPassword, all);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString() << "\n" << all.toStdString();
    }
    void queue(const QString& statement) { pending += statement + QStringLiteral(";\n"); }
    void flush() { run(QString()); }
    void run(const char* script) { run(QString::fromUtf8(script)); }

    static QString q(const QString& v) { return QLatin1Char('\'') + ado::sqlQuote(v) + QLatin1Char('\''); }
    static QString linkSql(int rec) { return rec == 0 ? QStringLiteral("NULL") : QString::number(rec); }

    // ---- stored rows ---------------------------------------------------------------------------
    void addHead(int rec, const QString& upd = QString()) {
        queue(QStringLiteral(
                  "INSERT INTO m_karte VALUES (%1, %2, NULL, '2024/01/05-10:00:00', '2', '0001', %3, %4, "
                  "%5)")
                  .arg(q(kPid), linkSql(rec), upd.isEmpty() ? QStringLiteral("NULL") : q(upd),
                       upd.isEmpty() ? QStringLiteral("NULL") : QStringLiteral("'2'"),
                       upd.isEmpty() ? QStringLiteral("NULL") : QStringLiteral("'0002'")));
    }
    void addLine(int rec, int prv, int nxt, const QString& obj, int entryNo, const QString& date,
                 bool deleted = false, const QString& part = QString()) {
        queue(QStringLiteral(
                  "INSERT INTO m_kh_record VALUES (%1, %2, %3, %4, '%5', %6, 0, '%7', %8, NULL, "
                  "'1111111100000', NULL, NULL, NULL, '', %9, '2024/01/05-10:00:00', '2', '0001', %10)")
                  .arg(q(kPid))
                  .arg(rec)
                  .arg(linkSql(prv), linkSql(nxt), obj)
                  .arg(entryNo)
                  .arg(date, part.isEmpty() ? QStringLiteral("NULL") : q(part),
                       deleted ? QStringLiteral("'1'") : QStringLiteral("NULL"),
                       deleted ? QStringLiteral("'2024/02/01-09:00:00', '2', '0002'")
                               : QStringLiteral("NULL, NULL, NULL")));
    }
    // The 52 tooth values given by index, each a SQL literal (or NULL).
    static QString teethSql(const std::function<QString(int)>& value) {
        QStringList v;
        for (int i = 0; i < kToothCount; ++i)
            v << value(i);
        return v.join(QStringLiteral(", "));
    }
    void addInstruction(const QString& date, int entryNo, const QString& plaque,
                        const QStringList& implements = {},
                        const QString& point = QStringLiteral("歯間清掃")) {
        queue(
            QStringLiteral(
                "INSERT INTO m_actual_instruction VALUES (%1, '%2', %3, '10:00', '10:30', %4, NULL, %5)")
                .arg(q(kPid), date)
                .arg(entryNo)
                .arg(q(point), teethSql([&](int i) { return i == 3 ? QStringLiteral("NULL") : q(plaque); })));
        for (int i = 0; i < implements.size(); ++i)
            queue(QStringLiteral("INSERT INTO m_selection_imp VALUES (%1, '%2', %3, %4, %5)")
                      .arg(q(kPid), date)
                      .arg(entryNo)
                      .arg(i + 1)
                      .arg(q(implements[i])));
    }
    void addInspection(const QString& date, int entryNo, const QString& cls, int pl, int mi, int po) {
        auto num = [](int n) { return n == 0 ? QStringLiteral("NULL") : QString::number(n); };
        queue(QStringLiteral("INSERT INTO m_kr_cir_inspection VALUES (%1, '%2', %3, '%4', %5, %6, %7, '')")
                  .arg(q(kPid), date)
                  .arg(entryNo)
                  .arg(cls, num(pl), num(mi), num(po)));
    }
    void addToothRow(const char* table, const QString& date, int entryNo, const QString& value) {
        queue(QStringLiteral("INSERT INTO %1 VALUES (%2, '%3', %4, %5)")
                  .arg(QLatin1String(table), q(kPid), date)
                  .arg(entryNo)
                  .arg(teethSql([&](int i) { return i == 0 ? QStringLiteral("NULL") : q(value); })));
    }
    void addAppeals(const QString& date, int entryNo, const QString& appeals) {
        queue(QStringLiteral("INSERT INTO m_kr_appeals VALUES (%1, '%2', %3, %4, NULL)")
                  .arg(q(kPid), date)
                  .arg(entryNo)
                  .arg(q(appeals)));
    }

    // A stored book of every kind of line: chain 1 -> 3 -> 2 -> 4, line 3 deleted, a gap at 5, line 6
    // after 4 (2024/04/01 chief complaint, 2024/04/10 precise inspection, 2024/05/02 deleted
    // instruction, 2024/05/20 instruction, 2024/06/03 instruction).
    void addStoredBook() {
        addHead(1);
        addLine(1, 0, 3, QStringLiteral("100"), 1, QStringLiteral("2024/04/01"));
        addAppeals(QStringLiteral("2024/04/01"), 1, QStringLiteral("冷たい物がしみる"));
        addLine(3, 1, 2, QStringLiteral("250"), 1, QStringLiteral("2024/04/10"), false,
                QStringLiteral("Naaaaaaaa00000000aaaaaaaa00000000"));
        addInspection(QStringLiteral("2024/04/10"), 1, QStringLiteral("2"), 2, 1, 3);
        addToothRow("m_kr_plaque", QStringLiteral("2024/04/10"), 2, QStringLiteral("1100"));
        addToothRow("m_kr_miller", QStringLiteral("2024/04/10"), 1, QStringLiteral("0"));
        addToothRow("m_kr_pocket", QStringLiteral("2024/04/10"), 3,
                    QStringLiteral("0  30  21  30  30  20  3"));
        addLine(2, 3, 4, QStringLiteral("800"), 1, QStringLiteral("2024/05/02"), true);
        addInstruction(QStringLiteral("2024/05/02"), 1, QStringLiteral("0000"));
        addLine(4, 2, 6, QStringLiteral("800"), 1, QStringLiteral("2024/05/20"));
        addInstruction(QStringLiteral("2024/05/20"), 1, QStringLiteral("1010"),
                       {QStringLiteral("デンタルフロス"), QStringLiteral("歯間ブラシ（S）")});
        addLine(6, 4, 0, QStringLiteral("800"), 1, QStringLiteral("2024/06/03"));
        addInstruction(QStringLiteral("2024/06/03"), 1, QStringLiteral("0001"));
    }

    // ---- loading and looking ---------------------------------------------------------------------
    bool load(RecordingView* view = nullptr) {
        flush();
        MdlKarteMain::PSuKarteWorkErase_End();
        RecordingView own;
        return MdlKarteMain::PFuBolKarteGetData(view ? *view : own);
    }

    std::unique_ptr<ado::Connection> open() {
        flush();
        auto con = std::make_unique<ado::Connection>();
        con->open(dbPath(), gStrDbPassword);
        return con;
    }
    // Every row of the table, each "col=value|..." with Null as <N>, in key order.
    QStringList dump(const QString& table, const QString& where = QString()) {
        auto con = open();
        auto rs = con->openRecordset(QStringLiteral("SELECT * FROM ") + table +
                                     (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where) +
                                     QStringLiteral(" ORDER BY 1, 2, 3"));
        QStringList rows;
        for (; !rs->eof(); rs->moveNext()) {
            QStringList cells;
            for (int i = 0; i < rs->fieldCount(); ++i) {
                const ado::Field f = rs->field(i);
                cells << rs->fieldNames().at(i) + u'=' +
                             (f.isNull() ? QStringLiteral("<N>") : f.value().toString());
            }
            rows << cells.join(u'|');
        }
        return rows;
    }
    // One column of one row (Null as <N>).
    QString value(const QString& table, const QString& column, const QString& where) {
        auto con = open();
        auto rs = con->openRecordset(QStringLiteral("SELECT ") + column + QStringLiteral(" FROM ") + table +
                                     QStringLiteral(" WHERE ") + where);
        if (rs->eof())
            return QStringLiteral("<no row>");
        const ado::Field f = rs->field(0);
        return f.isNull() ? QStringLiteral("<N>") : f.value().toString();
    }
    static QStringList recordTables() {
        return {"m_karte",     "m_kh_record", "m_kr_appeals",         "m_kr_cir_inspection", "m_kr_miller",
                "m_kr_pocket", "m_kr_plaque", "m_actual_instruction", "m_selection_imp"};
    }
    QStringList dumpAll() {
        QStringList all;
        for (const QString& t : recordTables())
            for (const QString& r : dump(t))
                all << t + u':' + r;
        return all;
    }

    // A line's stored content and links, as text (edit state left out).
    static QString lineText(const KarteLine& l) {
        return QStringList{QString::number(l.rec_no),
                           QString::number(l.prv_rec_no),
                           QString::number(l.nxt_rec_no),
                           l.obj_id,
                           QString::number(l.entry_no),
                           QString::number(l.nest_level),
                           l.karte_date,
                           l.part,
                           l.part_text,
                           l.ref[0],
                           l.ref[1],
                           l.ref[2],
                           l.ref[3],
                           l.claim,
                           l.del_mark,
                           l.ent_staff_class_code,
                           l.ent_staff_code,
                           l.ent_staff_name,
                           l.del_staff_class_code,
                           l.del_staff_code,
                           l.del_staff_name}
            .join(u'|');
    }
    // The chain in record-book order with each line's instruction detail.
    static QStringList chainText() {
        QStringList out;
        for (int rec : MdlKarteMain::chainRecs()) {
            const KarteLine& l = gKarteLines[rec];
            QString s = lineText(l);
            if (l.obj_id == kObjInstruction) {
                const KarteJittisidouData& d = gJittisidouList.at(l.detail_index);
                s += u'#' + QStringList{d.entry,           QString::number(d.entry_no),
                                        d.inst_start_time, d.inst_end_time,
                                        d.inst_point,      d.communicate_point}
                                .join(u'|');
                for (const QString& p : d.plaque)
                    s += u',' + p;
                s += u'#' + d.cleaning_imp.join(u'/');
            }
            out << s;
        }
        return out;
    }

    // The last message box, and every box as "caption: text".
    static QString lastBox() {
        const auto boxes = msgbox::shown();
        return boxes.isEmpty() ? QString() : boxes.last().caption + QStringLiteral(": ") + boxes.last().text;
    }

private:
    QString pending;
    StaffLoginInfo savedStaff;
    PatientInfo savedPatient;
};
