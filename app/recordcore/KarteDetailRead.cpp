// The detail readers of the load: chief complaint, periodontal inspection, practical instruction.
#include "app/recordcore/KarteGlobals.h"
#include "app/recordcore/KarteLoad.h"
#include "app/recordcore/KarteRead.h"
#include "app/recordcore/KarteTrap.h"
#include "app/shell/MdlCommADODB.h"
#include "app/shell/MdlCommStructure.h"
#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"

using namespace MdlCommADODB;

namespace MdlKarteMain {
namespace {

QString keyConditions(const QString& entry, int entryNo) {
    return QStringLiteral("WHERE    personal_id = '") + ado::sqlQuote(gPatientInfo.personal_id) +
           QStringLiteral("' ") + QStringLiteral("AND      entry = '") + ado::sqlQuote(entry) +
           QStringLiteral("' ") + QStringLiteral("AND      entry_no = ") + QString::number(entryNo) +
           QStringLiteral(" ");
}

// The four log lines of a failed detail query.
void logQueryFailure(const QString& proc, const QString& what, const QString& entry, int entryNo) {
    PFuBolPutLog(proc, what);
    PFuBolPutLog(proc, QStringLiteral("personal_id ") + gPatientInfo.personal_id);
    PFuBolPutLog(proc, QStringLiteral("entry ") + entry);
    PFuBolPutLog(proc, QStringLiteral("entry_no ") + QString::number(entryNo));
}

// The consistency message of a missing detail row.
void showMissing(const QString& number, const QString& what, const QString& entry, int entryNo) {
    PFuDispMessage(QStringLiteral("011"), number, EnMsgDispButton::O, EnMsgDispIcon::W,
                   what + QStringLiteral("日付:") + entry + QStringLiteral("  連番: ") +
                       QString::number(entryNo));
}

// Closes the reader's recordset; when that fails, the shared connection. False when it failed.
bool closeReader(std::unique_ptr<ado::Recordset>& rs, ado::Connection& con) {
    if (!rs || !rs->isOpen()) {
        rs.reset();
        return true;
    }
    const bool closed = PFuDbRsClose(*rs);
    rs.reset();
    if (!closed && con.isOpen())
        PFuDbConClose(con);
    return closed;
}

// The trap of a detail reader: log, its message with its own name, close, false.
bool readerFailed(const QString& proc, const QString& number, const std::exception& e,
                  std::unique_ptr<ado::Recordset>& rs, ado::Connection& con) {
    closeReader(rs, con);
    return stepFailed(proc, number, e);
}

// What a detail query reports when it fails or finds no row.
struct DetailQuery {
    QString proc;    // the reader
    QString failure; // the first log line of a failed query
    QString number;  // the consistency message of a missing row
    QString missing; // its text before the date and number
};

// Runs a detail query for the date and number; true when its row is there. A failed query writes its
// four log lines, a missing row shows its consistency message (and the recordset is closed).
bool openDetailRow(ado::Connection& con, const QString& sql, const DetailQuery& q, const QString& entry,
                   int entryNo, std::unique_ptr<ado::Recordset>& rs) {
    long count = 0;
    if (!PFuBolExecuteSql(sql, con, count, 0, rs)) {
        logQueryFailure(q.proc, q.failure, entry, entryNo);
        return false;
    }
    if (count == 0) {
        showMissing(q.number, q.missing, entry, entryNo);
        closeReader(rs, con);
        return false;
    }
    return true;
}

void readTeeth(const ado::Recordset& rs, int first, ToothValues& teeth, const QString& nullValue) {
    for (int i = 0; i < kToothCount; ++i) {
        const ado::Field f = rs.field(first + i);
        teeth[i] = f.isNull() ? nullValue : f.toString();
    }
}

struct ToothTable {
    const char* table;
    const char* prefix;
    const char* failure; // the first log line of a failed query
    const char* missing; // the consistency text of a missing row
    int KarteSisyuKensaData::*entryNo;
    ToothValues KarteSisyuKensaData::*values;
    const QString* nullValue;
};

} // namespace

bool FuBolSyusoGet(ado::Connection& con, const QString& entry, int entryNo, long rec) {
    const QString proc = QStringLiteral("FuBolSyusoGet");
    std::unique_ptr<ado::Recordset> rs;
    try {
        const QString sql = QStringLiteral("SELECT   entry, entry_no, appeals, addition ") +
                            QStringLiteral("FROM     m_kr_appeals ") + keyConditions(entry, entryNo);
        if (!openDetailRow(con, sql,
                           {proc, QStringLiteral("カルテ主訴データの取得に失敗"), QStringLiteral("802"),
                            QStringLiteral("整合性の無いデータです (カルテ主訴) ")},
                           entry, entryNo, rs))
            return false;
        KarteAppealsData d;
        d.entry = readText(rs->field(QStringLiteral("entry")));
        d.entry_no = readInt16(rs->field(QStringLiteral("entry_no")));
        d.appeals = readText(rs->field(QStringLiteral("appeals")));
        d.addition = readText(rs->field(QStringLiteral("addition")));
        KarteLine& line = lineAt(rec);
        gAppealsList.push_back(std::move(d));
        line.detail_index = ubound(gAppealsList);
        return closeReader(rs, con);
    } catch (const std::exception& e) {
        return readerFailed(proc, QStringLiteral("802"), e, rs, con);
    }
}

bool FuBolSisyuKensaGet(ado::Connection& con, const QString& entry, int entryNo, long rec) {
    const QString proc = QStringLiteral("FuBolSisyuKensaGet");
    std::unique_ptr<ado::Recordset> rs;
    try {
        const QString sql = QStringLiteral("SELECT   entry, entry_no, inspection_cls, entry_no_pl, "
                                           "entry_no_mi, entry_no_po,inst_point ") +
                            QStringLiteral("FROM     m_kr_cir_inspection ") + keyConditions(entry, entryNo);
        if (!openDetailRow(con, sql,
                           {proc, QStringLiteral("カルテ歯周病情報データの取得に失敗"), QStringLiteral("810"),
                            QStringLiteral("整合性の無いデータです (カルテ精密検査) ")},
                           entry, entryNo, rs))
            return false;
        KarteLine& line = lineAt(rec);
        gSisyuKensaList.emplace_back();
        const long index = ubound(gSisyuKensaList);
        line.detail_index = index;
        {
            KarteSisyuKensaData& d = gSisyuKensaList.back();
            d.entry = readText(rs->field(QStringLiteral("entry")));
            d.entry_no = readInt16(rs->field(QStringLiteral("entry_no")));
            d.inspection_cls = readText(rs->field(QStringLiteral("inspection_cls")));
            d.entry_no_mi = readEntryRef(rs->field(QStringLiteral("entry_no_mi")));
            d.entry_no_po = readEntryRef(rs->field(QStringLiteral("entry_no_po")));
            d.entry_no_pl = readEntryRef(rs->field(QStringLiteral("entry_no_pl")));
            d.inst_point = readText(rs->field(QStringLiteral("inst_point")));
        }
        if (!closeReader(rs, con))
            return false;

        static const ToothTable tables[] = {
            {"m_kr_miller", "mil_", "カルテ動揺度検査データの取得に失敗", "整合性の無いデータ（動揺度）です ",
             &KarteSisyuKensaData::entry_no_mi, &KarteSisyuKensaData::miller, &kMissingTooth},
            {"m_kr_pocket", "poc_", "歯周ポケット検査データの取得に失敗",
             "整合性の無いデータ（歯周ポケット）です ", &KarteSisyuKensaData::entry_no_po,
             &KarteSisyuKensaData::pocket, &kMissingPocket},
            {"m_kr_plaque", "prq_", "カルテプラーク検査データの取得に失敗",
             "整合性の無いデータ（プラーク）です ", &KarteSisyuKensaData::entry_no_pl,
             &KarteSisyuKensaData::plaque, &kMissingTooth},
        };
        for (const ToothTable& t : tables) {
            const int number = sisyuKensaAt(index).*t.entryNo;
            if (number == 0)
                continue;
            const QString toothSql = QStringLiteral("SELECT ") + toothColumnList(QLatin1String(t.prefix)) +
                                     QStringLiteral(" FROM     ") + QLatin1String(t.table) +
                                     QStringLiteral(" ") + keyConditions(entry, number);
            if (!openDetailRow(
                    con, toothSql,
                    {proc, QString::fromUtf8(t.failure), QStringLiteral("810"), QString::fromUtf8(t.missing)},
                    entry, number, rs))
                return false;
            readTeeth(*rs, 0, sisyuKensaAt(index).*t.values, *t.nullValue);
            if (!closeReader(rs, con))
                return false;
        }
        return true;
    } catch (const std::exception& e) {
        return readerFailed(proc, QStringLiteral("810"), e, rs, con);
    }
}

bool FuBolJittisidouGet(ado::Connection& con, const QString& entry, int entryNo, long rec) {
    const QString proc = QStringLiteral("FuBolJittisidouGet");
    std::unique_ptr<ado::Recordset> rs;
    try {
        const QString sql =
            QStringLiteral(
                "SELECT   entry, entry_no, inst_start_time, inst_end_time, inst_point, communicate_point, ") +
            toothColumnList(QStringLiteral("prq_")) + QStringLiteral(" FROM     m_actual_instruction ") +
            keyConditions(entry, entryNo);
        if (!openDetailRow(con, sql,
                           {proc, QStringLiteral("衛生士実地指導記録データの取得に失敗"),
                            QStringLiteral("811"),
                            QStringLiteral("整合性の無いデータです (歯科衛生実地指導) ")},
                           entry, entryNo, rs))
            return false;
        KarteJittisidouData d;
        d.entry = readText(rs->field(QStringLiteral("entry")));
        d.entry_no = readInt16(rs->field(QStringLiteral("entry_no")));
        d.inst_start_time = readText(rs->field(QStringLiteral("inst_start_time")));
        d.inst_end_time = readText(rs->field(QStringLiteral("inst_end_time")));
        d.inst_point = readText(rs->field(QStringLiteral("inst_point")));
        d.communicate_point = readText(rs->field(QStringLiteral("communicate_point")));
        readTeeth(*rs, 6, d.plaque, kMissingTooth);
        KarteLine& line = lineAt(rec);
        if (!closeReader(rs, con))
            return false;

        const QString impSql = QStringLiteral("SELECT   cleaning_imp ") +
                               QStringLiteral("FROM     m_selection_imp ") + keyConditions(entry, entryNo) +
                               QStringLiteral("ORDER BY select_no ");
        long count = 0;
        if (!PFuBolExecuteSql(impSql, con, count, 0, rs))
            return false;
        for (; !rs->eof(); rs->moveNext())
            d.cleaning_imp.append(readText(rs->field(0)));
        gJittisidouList.push_back(std::move(d));
        line.detail_index = ubound(gJittisidouList);
        return closeReader(rs, con);
    } catch (const std::exception& e) {
        return readerFailed(proc, QStringLiteral("811"), e, rs, con);
    }
}

} // namespace MdlKarteMain
