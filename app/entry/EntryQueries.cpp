#include "app/entry/EntryQueries.h"

#include "app/recordcore/KarteSave.h"
#include "app/shell/MdlCommADODB.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/ShellGlobals.h"
#include "platform/ado/Ado.h"

namespace entryqueries {
namespace {
using MdlKarteMain::sqlText;
} // namespace

QString cleaningMasterSql() {
    return QStringLiteral(" SELECT cleaning_imp_code, cleaning_imp_name") +
           QStringLiteral(" FROM m_cleaning_imp_m") + QStringLiteral(" ORDER BY cleaning_imp_code");
}

QString storedCleaningSql(const QString& personalId, const QString& entry, int entryNo) {
    return QStringLiteral(" SELECT select_no, cleaning_imp") + QStringLiteral(" FROM m_selection_imp") +
           QStringLiteral(" WHERE personal_id = ") + sqlText(personalId) + QStringLiteral(" AND entry = ") +
           sqlText(entry) + QStringLiteral(" AND entry_no = ") + QString::number(entryNo) +
           QStringLiteral(" ORDER BY select_no");
}

std::vector<std::pair<QString, QString>> readCleaningRows(ado::Recordset& rs) {
    std::vector<std::pair<QString, QString>> rows;
    for (; !rs.eof(); rs.moveNext())
        rows.emplace_back(MdlCommInterface::PFuStrNullToStr(rs.field(0)),
                          MdlCommInterface::PFuStrNullToStr(rs.field(1)));
    return rows;
}

QString overlapCountSql(const QString& personalId, const QString& staffClassCode, const QString& staffCode,
                        const QString& date, const QString& start, const QString& end) {
    const QString s = ado::sqlQuote(start);
    const QString e = ado::sqlQuote(end);
    return QStringLiteral(" SELECT COUNT(*) FROM m_kh_record rec, m_actual_instruction ins") +
           QStringLiteral(" WHERE rec.personal_id <> ") + sqlText(personalId) +
           QStringLiteral(" AND rec.ent_staff_class_code = ") + sqlText(staffClassCode) +
           QStringLiteral(" AND rec.ent_staff_code = ") + sqlText(staffCode) +
           QStringLiteral(" AND rec.obj_id = '800'") + QStringLiteral(" AND rec.karte_date = ") +
           sqlText(date) + QStringLiteral(" AND rec.del_mark IS NULL") +
           QStringLiteral(" AND ins.personal_id = rec.personal_id") +
           QStringLiteral(" AND ins.entry = rec.karte_date") +
           QStringLiteral(" AND ins.entry_no = rec.entry_no") +
           QStringLiteral(" AND (((ins.inst_start_time < '") + s + QStringLiteral("' AND '") + s +
           QStringLiteral("' < ins.inst_end_time)") + QStringLiteral("  OR  (ins.inst_start_time < '") + e +
           QStringLiteral("' AND '") + e + QStringLiteral("' < ins.inst_end_time))") +
           QStringLiteral("  OR (ins.inst_start_time = '") + s + QStringLiteral("' AND '") + e +
           QStringLiteral("' = ins.inst_end_time))");
}

bool runRead(const QString& proc, const QString& sql, const QString& failureMessage,
             const std::function<void(ado::Recordset&)>& read, QueryLog log) {
    std::unique_ptr<ado::Connection> con;
    std::unique_ptr<ado::Recordset> rs;
    try {
        if (!MdlCommADODB::PFuBolDBConnect(con)) {
            PFuBolPutLog(proc, QStringLiteral("コネクション確立に失敗"));
            return false;
        }
        long count = 0;
        if (!MdlCommADODB::PFuBolExecuteSql(sql, *con, count, 0, rs)) {
            // The data access has shown and logged the engine's words already.
            PFuBolPutLog(proc, QStringLiteral("ＳＱＬの実行に失敗"));
            if (log == QueryLog::WithQuery)
                PFuBolPutLog(proc, sql);
            MdlCommADODB::PFuDbConClose(*con);
            PFuDispMessage(QStringLiteral("032"), failureMessage, EnMsgDispButton::O, EnMsgDispIcon::Manual);
            return false;
        }
        read(*rs);
        MdlCommADODB::PFuDbRsClose(*rs);
        MdlCommADODB::PFuDbConClose(*con);
        return true;
    } catch (const std::exception& e) {
        const QString desc = errorDescription(e);
        PFuBolPutLog(proc, desc);
        MdlCommADODB::PSuDbCloseQuietly(rs, con);
        PFuDispMessage(QStringLiteral("032"), failureMessage, EnMsgDispButton::O, EnMsgDispIcon::Manual,
                       desc.isEmpty() ? QString() : QStringLiteral("\r\n") + desc);
        return false;
    }
}

} // namespace entryqueries
