// The detail rows of a new line and their entry numbers, inside the save's transaction.
#include "app/recordcore/KarteGlobals.h"
#include "app/recordcore/KarteSave.h"
#include "app/recordcore/KarteTrap.h"
#include "app/shell/MdlCommADODB.h"
#include "app/shell/MdlCommStructure.h"
#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"
#include "platform/text/Text.h"

using namespace MdlCommADODB;

namespace MdlKarteMain {
namespace {

// "'text' " for a text, Null when it is empty.
QString textOrNull(const QString& value) {
    return value.isEmpty() ? QStringLiteral("Null") : sqlText(value) + QLatin1Char(' ');
}

enum class MissingTooth { FirstCharM, TrimmedM };

QString toothValues(const ToothValues& teeth, MissingTooth rule) {
    QString values;
    for (const QString& v : teeth) {
        if (!values.isEmpty())
            values += QStringLiteral(", ");
        const bool missing =
            rule == MissingTooth::FirstCharM ? v.startsWith(u'M') : text::vbTrim(v) == kMissingTooth;
        values += missing ? QStringLiteral("Null") : sqlText(v);
    }
    return values;
}

// The start of every detail INSERT's values: the patient, the date and the entry number.
QString keyValues(const QString& date, long entryNo) {
    return sqlText(gPatientInfo.personal_id) + QStringLiteral(", ") + sqlText(date) + QStringLiteral(", ") +
           QString::number(entryNo) + QStringLiteral(", ");
}

bool execute(ado::Connection& con, const QString& sql) {
    long affected = 0;
    std::unique_ptr<ado::Recordset> rs;
    return PFuBolExecuteSql(sql, con, affected, 1, rs);
}

// Which tooth tables an inspection class stores.
struct InspectionRows {
    bool plaque, miller, pocket;
};
InspectionRows rowsOfClass(const QString& cls) {
    if (cls == QLatin1String("1"))
        return {false, true, true};
    if (cls == QLatin1String("2"))
        return {true, true, true};
    if (cls == QLatin1String("3"))
        return {true, false, false};
    if (cls == QLatin1String("4"))
        return {false, true, false};
    if (cls == QLatin1String("5"))
        return {false, false, true};
    return {false, false, false};
}

QString toothRowSql(const char* table, const char* prefix, const QString& date, long entryNo,
                    const ToothValues& teeth) {
    return QStringLiteral("INSERT INTO ") + QLatin1String(table) + QStringLiteral(" (") +
           QStringLiteral(" personal_id, entry, entry_no, ") + toothColumnList(QLatin1String(prefix)) +
           QStringLiteral(" ) VALUES ( ") + keyValues(date, entryNo) +
           toothValues(teeth, MissingTooth::FirstCharM) + QStringLiteral(" ) ");
}

// The next entry number of the table for the line's date, written into the line and its element.
bool allocateEntryNo(ado::Connection& con, const QString& table, KarteLine& line, int& elementEntryNo,
                     long& entryNo) {
    if (!FuBolGetEntryNo(con, table, line.karte_date, entryNo))
        return false;
    elementEntryNo = line.entry_no = static_cast<int>(entryNo);
    return true;
}

} // namespace

bool FuBolGetEntryNo(ado::Connection& con, const QString& table, const QString& entry, long& entryNo) {
    const QString proc = QStringLiteral("FuBolGetEntryNo");
    try {
        entryNo = 0;
        const QString sql = QStringLiteral("SELECT MAX(entry_no) As MaxEntryNo ") +
                            QStringLiteral("FROM   ") + table + QStringLiteral(" ") +
                            QStringLiteral("WHERE  personal_id = ") + sqlText(gPatientInfo.personal_id) +
                            QStringLiteral(" ") + QStringLiteral(" AND   entry = ") + sqlText(entry) +
                            QStringLiteral(" ");
        std::unique_ptr<ado::Recordset> rs;
        long count = 0;
        if (!PFuBolExecuteSql(sql, con, count, 0, rs)) {
            PFuBolPutLog(proc, QStringLiteral("SQLの実行に失敗"));
            PFuBolPutLog(proc, QStringLiteral("SQL:") + sql);
            return false;
        }
        qint64 next = 1;
        if (!rs->eof()) {
            const ado::Field max = rs->field(QStringLiteral("MaxEntryNo"));
            next = max.isNull() ? 1 : max.toLongLong() + 1;
        }
        // The number is kept in 16 bits: the 32768th entry of a day is refused, never wrapped.
        entryNo = newNumberChecked(next);
        return PFuDbRsClose(*rs);
    } catch (const std::exception& e) {
        return stepFailed(proc, QStringLiteral("826"), e,
                          QStringLiteral("　（ＤＢ名：") + table + QStringLiteral("）"));
    }
}

bool FuBolSyusoInsert(ado::Connection& con, long rec, long detailIndex) {
    const QString proc = QStringLiteral("FuBolSyusoInsert");
    try {
        KarteLine& l = lineAt(rec);
        KarteAppealsData& d = appealsAt(detailIndex);
        long entryNo = 0;
        if (!allocateEntryNo(con, QStringLiteral("m_kr_appeals"), l, d.entry_no, entryNo))
            return false;
        const QString sql = QStringLiteral("INSERT INTO m_kr_appeals (") +
                            QStringLiteral(" personal_id, entry, entry_no, appeals, addition ") +
                            QStringLiteral(" ) VALUES ( ") + keyValues(l.karte_date, entryNo) +
                            textOrNull(d.appeals) + QStringLiteral(", ") + textOrNull(d.addition) +
                            QStringLiteral(" ) ");
        if (!execute(con, sql)) {
            PFuBolPutLog(proc, QStringLiteral("SQLの実行に失敗"));
            return false;
        }
        return true;
    } catch (const std::exception& e) {
        return stepFailed(proc, QStringLiteral("815"), e);
    }
}

bool FuBolSisyuKensaInsert(ado::Connection& con, long rec, long detailIndex) {
    const QString proc = QStringLiteral("FuBolSisyuKensaInsert");
    try {
        KarteLine& l = lineAt(rec);
        KarteSisyuKensaData& d = sisyuKensaAt(detailIndex);
        const InspectionRows rows = rowsOfClass(d.inspection_cls);
        long pl = 0, mi = 0, po = 0, header = 0;
        if (rows.plaque && !FuBolGetEntryNo(con, QStringLiteral("m_kr_plaque"), l.karte_date, pl))
            return false;
        if (rows.miller && !FuBolGetEntryNo(con, QStringLiteral("m_kr_miller"), l.karte_date, mi))
            return false;
        if (rows.pocket && !FuBolGetEntryNo(con, QStringLiteral("m_kr_pocket"), l.karte_date, po))
            return false;
        if (!allocateEntryNo(con, QStringLiteral("m_kr_cir_inspection"), l, d.entry_no, header))
            return false;
        d.entry_no_pl = static_cast<int>(pl);
        d.entry_no_mi = static_cast<int>(mi);
        d.entry_no_po = static_cast<int>(po);
        auto numberOrNull = [](long n) { return n == 0 ? QStringLiteral("Null") : QString::number(n); };
        const QString headerSql =
            QStringLiteral("INSERT INTO m_kr_cir_inspection (") +
            QStringLiteral(" personal_id, entry, entry_no, ") +
            QStringLiteral(" inspection_cls, entry_no_pl, entry_no_mi, entry_no_po, inst_point ") +
            QStringLiteral(" ) VALUES ( ") + keyValues(l.karte_date, header) + sqlText(d.inspection_cls) +
            QStringLiteral(", ") + numberOrNull(pl) + QStringLiteral(", ") + numberOrNull(mi) +
            QStringLiteral(", ") + numberOrNull(po) + QStringLiteral(", ") + sqlText(d.inst_point) +
            QStringLiteral(" ) ");
        if (!execute(con, headerSql))
            return false;
        if (rows.plaque && !execute(con, toothRowSql("m_kr_plaque", "prq_", l.karte_date, pl, d.plaque)))
            return false;
        if (rows.miller && !execute(con, toothRowSql("m_kr_miller", "mil_", l.karte_date, mi, d.miller)))
            return false;
        if (rows.pocket && !execute(con, toothRowSql("m_kr_pocket", "poc_", l.karte_date, po, d.pocket)))
            return false;
        return true;
    } catch (const std::exception& e) {
        return stepFailed(proc, QStringLiteral("821"), e);
    }
}

bool FuBolJittisidouInsert(ado::Connection& con, long rec, long detailIndex) {
    const QString proc = QStringLiteral("FuBolJittisidouInsert");
    try {
        KarteLine& l = lineAt(rec);
        KarteJittisidouData& d = jittisidouAt(detailIndex);
        long entryNo = 0;
        if (!allocateEntryNo(con, QStringLiteral("m_actual_instruction"), l, d.entry_no, entryNo))
            return false;
        const QString sql =
            QStringLiteral("INSERT INTO m_actual_instruction (") +
            QStringLiteral(" personal_id, entry, entry_no, ") +
            QStringLiteral(" inst_start_time, inst_end_time, inst_point, communicate_point, ") +
            toothColumnList(QStringLiteral("prq_")) + QStringLiteral(" ) VALUES ( ") +
            keyValues(l.karte_date, entryNo) + sqlText(d.inst_start_time) + QStringLiteral(", ") +
            sqlText(d.inst_end_time) + QStringLiteral(", ") + textOrNull(d.inst_point) +
            QStringLiteral(", ") + textOrNull(d.communicate_point) + QStringLiteral(", ") +
            toothValues(d.plaque, MissingTooth::TrimmedM) + QStringLiteral(" ) ");
        if (!execute(con, sql))
            return false;
        for (qsizetype i = 0; i < d.cleaning_imp.size(); ++i) {
            const QString impSql = QStringLiteral("INSERT INTO m_selection_imp (") +
                                   QStringLiteral(" personal_id, entry, entry_no, select_no, cleaning_imp ") +
                                   QStringLiteral(" ) VALUES ( ") + keyValues(l.karte_date, entryNo) +
                                   QString::number(i + 1) + QStringLiteral(", ") +
                                   sqlText(d.cleaning_imp.at(i)) + QStringLiteral(" ") +
                                   QStringLiteral(" ) ");
            if (!execute(con, impSql))
                return false;
        }
        return true;
    } catch (const std::exception& e) {
        return stepFailed(proc, QStringLiteral("824"), e);
    }
}

} // namespace MdlKarteMain
