#include "app/recordcore/KarteSave.h"

#include "app/recordcore/KarteGlobals.h"
#include "app/recordcore/KarteTrap.h"
#include "app/shell/MdlCommADODB.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/MdlCommStructure.h"
#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"
#include "platform/text/Text.h"

using namespace MdlCommADODB;

namespace MdlKarteMain {
namespace {

const QString kProc = QStringLiteral("PFuBolKarteUpdate");

// Text of a column as a statement value: Null when empty after trimming, else the trimmed text quoted.
QString trimmedOrNull(const QString& value) {
    const QString t = text::vbTrim(value);
    return t.isEmpty() ? QStringLiteral("Null") : sqlText(t);
}

QString linkValue(int rec) {
    return rec == 0 ? QStringLiteral("Null") : QString::number(rec);
}

QString insertLineSql(const KarteLine& l, const QString& stamp) {
    QString sql =
        QStringLiteral("INSERT INTO m_kh_record(") +
        QStringLiteral(" personal_id, rec_no, prv_rec_no, nxt_rec_no, obj_id, entry_no, nest_level, "
                       "karte_date, ") +
        QStringLiteral(" part, part_text, ref_ur, ref_ul, ref_dr, ref_dl, claim, ") +
        QStringLiteral(" ent_date_time, ent_staff_class_code, ent_staff_code ") +
        QStringLiteral(" ) VALUES ( ");
    sql += sqlText(gPatientInfo.personal_id) + QStringLiteral(", ") + QString::number(l.rec_no) +
           QStringLiteral(", ");
    sql += linkValue(l.prv_rec_no) + QStringLiteral(", ") + linkValue(l.nxt_rec_no) + QStringLiteral(", ");
    sql += sqlText(l.obj_id) + QStringLiteral(", ") + QString::number(l.entry_no) + QStringLiteral(", ") +
           QString::number(l.nest_level) + QStringLiteral(", ") + sqlText(l.karte_date) +
           QStringLiteral(", ");
    for (const QString& v : {l.part, l.part_text, l.ref[0], l.ref[1], l.ref[2], l.ref[3]})
        sql += trimmedOrNull(v) + QStringLiteral(", ");
    sql += sqlText(text::vbTrim(l.claim)) + QStringLiteral(", ");
    sql += sqlText(stamp) + QStringLiteral(", ");
    sql += sqlText(l.ent_staff_class_code) + QStringLiteral(", ") + sqlText(l.ent_staff_code) +
           QStringLiteral(" ") + QStringLiteral(" ) ");
    return sql;
}

// The links and/or the deletion of a stored line.
QString updateLineSql(const KarteLine& l, bool links, bool deletion, const QString& stamp) {
    QString sql = QStringLiteral("UPDATE m_kh_record set ");
    if (links)
        sql += QStringLiteral(" prv_rec_no =") + linkValue(l.prv_rec_no) + QStringLiteral(", ") +
               QStringLiteral(" nxt_rec_no =") + linkValue(l.nxt_rec_no) + QStringLiteral(" ");
    if (links && deletion)
        sql += QStringLiteral(", ");
    if (deletion)
        sql += QStringLiteral(" del_mark =") + sqlText(l.del_mark) + QStringLiteral(", ") +
               QStringLiteral(" del_date_time = ") + sqlText(stamp) + QStringLiteral(", ") +
               QStringLiteral(" del_staff_class_code = ") + sqlText(l.del_staff_class_code) +
               QStringLiteral(", ") + QStringLiteral(" del_staff_code = ") + sqlText(l.del_staff_code) +
               QStringLiteral(" ");
    sql += QStringLiteral("WHERE personal_id = ") + sqlText(gPatientInfo.personal_id) +
           QStringLiteral(" AND  rec_no = ") + QString::number(l.rec_no) + QStringLiteral(" ");
    return sql;
}

// Runs one statement that must change exactly one row: an UPDATE that finds no row is a failure.
bool executeOneRow(ado::Connection& con, const QString& sql, bool& noRow) {
    long affected = 0;
    std::unique_ptr<ado::Recordset> rs;
    noRow = false;
    if (!PFuBolExecuteSql(sql, con, affected, 1, rs))
        return false;
    noRow = affected != 1;
    return !noRow;
}

// True when the head row and the lines in the database are still those this book was loaded
// from (or last saved as); false when another workstation has saved the book since.
bool storedHeadUnchanged(ado::Connection& con, bool& unchanged) {
    const QString pid = sqlText(gPatientInfo.personal_id);
    std::unique_ptr<ado::Recordset> rs;
    long count = 0;
    if (!PFuBolExecuteSql(QStringLiteral("SELECT rec_no, ent_date_time, upd_date_time FROM m_karte "
                                         "WHERE personal_id = ") +
                              pid,
                          con, count, 0, rs))
        return false;
    const KarteStoredHead& was = gKarteStoredHead;
    if (!was.exists) {
        unchanged = count == 0;
    } else if (count != 1) {
        unchanged = false;
    } else {
        const ado::Field rec = rs->field(QStringLiteral("rec_no"));
        unchanged = !rec.isNull() && rec.toLongLong() == was.rec_no &&
                    MdlCommInterface::PFuStrNullToStr(rs->field(QStringLiteral("ent_date_time"))) ==
                        was.ent_date_time &&
                    MdlCommInterface::PFuStrNullToStr(rs->field(QStringLiteral("upd_date_time"))) ==
                        was.upd_date_time;
    }
    if (!PFuDbRsClose(*rs))
        return false;
    if (unchanged && was.exists) {
        if (!PFuBolExecuteSql(QStringLiteral("SELECT MAX(rec_no) AS MaxRecNo FROM m_kh_record "
                                             "WHERE personal_id = ") +
                                  pid,
                              con, count, 0, rs))
            return false;
        const ado::Field max = rs->field(0);
        unchanged = (max.isNull() ? 0 : max.toLongLong()) == was.max_rec_no;
        if (!PFuDbRsClose(*rs))
            return false;
    }
    return true;
}

// After the commit: every line of the chain is stored as it now stands. Nothing here can fail.
void markStored(const std::vector<int>& recs, long maxInserted) noexcept {
    for (int rec : recs) {
        KarteLine& l = gKarteLines[static_cast<size_t>(rec)];
        l.changed = false;
        l.link_changed = false;
        l.stored_mark = QStringLiteral("1");
        l.line_state = l.del_mark == QLatin1String("1") ? kLineStoredDeleted : kLineStored;
    }
    gLngStoredCount = ubound(gKarteLines);
    gBolKarteNew = false;
    gKarteStoredHead.exists = true;
    gKarteStoredHead.rec_no = gIntKarteHead;
    gKarteStoredHead.ent_date_time = gStrKarteEntTime;
    gKarteStoredHead.upd_date_time = gStrKarteUpdTime;
    gKarteStoredHead.max_rec_no = std::max(gKarteStoredHead.max_rec_no, maxInserted);
}

// Whatever is left of the transaction after a failure is rolled back (the engine may have done
// so itself after a disk-full or I/O error).
void rollBackWhatIsLeft(ado::Connection& con) {
    if (con.isOpen() && con.inTransaction())
        PFuBolDbRollback(con);
}

bool isNewLine(const KarteLine& l) {
    return l.rec_no > gLngStoredCount || gLngStoredCount == 0;
}

// The detail rows of a new line, by its kind.
bool insertDetail(ado::Connection& con, const KarteLine& l) {
    if (l.obj_id == kObjAppeals)
        return FuBolSyusoInsert(con, l.rec_no, l.detail_index);
    if (l.obj_id == kObjInspection)
        return FuBolSisyuKensaInsert(con, l.rec_no, l.detail_index);
    if (l.obj_id == kObjInstruction)
        return FuBolJittisidouInsert(con, l.rec_no, l.detail_index);
    return true;
}

} // namespace

QString sqlText(const QString& value) {
    return QLatin1Char('\'') + ado::sqlQuote(value) + QLatin1Char('\'');
}

bool FuBolKarteChanged() {
    for (int rec : chainRecs())
        if (lineAt(rec).changed)
            return true;
    return false;
}

bool PFuBolKarteUpdate() {
    std::unique_ptr<ado::Connection> con;
    std::unique_ptr<ado::Recordset> rs;
    try {
        if (!PFuBolDBConnect(con)) {
            PFuBolPutLog(kProc, QStringLiteral("コネクション確立に失敗"));
            return false;
        }
        if (!PFuBolDbBeginTrans(*con)) {
            PFuBolPutLog(kProc, QStringLiteral("トランザクション開始に失敗"));
            PSuDbCloseQuietly(rs, con);
            return false;
        }
        const std::vector<int> recs = chainRecs();

        bool unchanged = false;
        bool result = storedHeadUnchanged(*con, unchanged);
        if (result && !unchanged) {
            PFuBolPutLog(kProc, QStringLiteral("他の端末で保存されたカルテのため保存を中止"));
            PFuDispMessage(QStringLiteral("011"), QStringLiteral("830"), EnMsgDispButton::O,
                           EnMsgDispIcon::W);
            result = false;
        }

        long maxInserted = 0;
        for (size_t i = 0; result && i < recs.size(); ++i) {
            const KarteLine& l = lineAt(recs[i]);
            if (l.changed) {
                if (l.line_state == kLineNew)
                    result = insertDetail(*con, l);
                if (result)
                    result = FuBolKarteRecordUpd(*con, l.rec_no);
            } else if (l.link_changed) {
                result = FuBolKarteRecordUpd(*con, l.rec_no);
            }
            if (result && isNewLine(l))
                maxInserted = std::max<long>(maxInserted, l.rec_no);
        }
        if (result)
            result = FuBolKarteUpdate(*con);

        bool committed = false;
        if (result) {
            committed = PFuBolDbCommitTrans(*con);
            result = committed;
            if (!committed)
                rollBackWhatIsLeft(*con);
        } else {
            rollBackWhatIsLeft(*con);
        }
        if (committed)
            markStored(recs, maxInserted);

        if (!PFuDbConClose(*con))
            return false;
        return result;
    } catch (const std::exception& e) {
        // Closing without a commit discards the transaction.
        PSuDbCloseQuietly(rs, con);
        return stepFailed(kProc, QStringLiteral("900"), e);
    }
}

bool FuBolKarteUpdate(ado::Connection& con) {
    const QString proc = QStringLiteral("FuBolKarteUpdate");
    try {
        const QString stamp = timeStamp();
        const QString staffClass = sqlText(gStaffLoginInfo.staff_class_code);
        const QString staffCode = sqlText(gStaffLoginInfo.staff_code);
        const QString pid = sqlText(gPatientInfo.personal_id);
        QString sql;
        if (gBolKarteNew) {
            sql = QStringLiteral("INSERT INTO m_karte(") +
                  QStringLiteral(" personal_id, rec_no, picture_server, ") +
                  QStringLiteral(" ent_date_time, ent_staff_class_code, ent_staff_code ") +
                  QStringLiteral(" ) VALUES ( ") + pid + QStringLiteral(", ") +
                  QString::number(gIntKarteHead) + QStringLiteral(", ") + QStringLiteral("Null, ") +
                  sqlText(stamp) + QStringLiteral(", ") + staffClass + QStringLiteral(", ") + staffCode +
                  QStringLiteral(" ") + QStringLiteral(" ) ");
        } else {
            sql = QStringLiteral("UPDATE m_karte set ") + QStringLiteral(" upd_date_time = ") +
                  sqlText(stamp) + QStringLiteral(", ") + QStringLiteral(" upd_staff_class_code = ") +
                  staffClass + QStringLiteral(", ") + QStringLiteral(" upd_staff_code = ") + staffCode +
                  QStringLiteral(", ") + QStringLiteral(" rec_no = ") + QString::number(gIntKarteHead) +
                  QStringLiteral(" ") + QStringLiteral("WHERE personal_id = ") + pid + QStringLiteral(" ");
        }
        bool noRow = false;
        if (!executeOneRow(con, sql, noRow)) {
            if (noRow) {
                // The head row is gone: writing lines without it would lose the book.
                PFuBolPutLog(proc, QStringLiteral("SQLの実行に失敗"));
                PFuDispMessage(QStringLiteral("011"), QStringLiteral("813"), EnMsgDispButton::O,
                               EnMsgDispIcon::W, proc + QStringLiteral("()"));
            }
            return false;
        }
        if (gBolKarteNew)
            gStrKarteEntTime = stamp;
        else
            gStrKarteUpdTime = stamp;
        return true;
    } catch (const std::exception& e) {
        return stepFailed(proc, QStringLiteral("813"), e);
    }
}

bool FuBolKarteRecordUpd(ado::Connection& con, long rec) {
    const QString proc = QStringLiteral("FuBolKarteRecordUpd");
    try {
        const QString stamp = timeStamp();
        KarteLine& l = lineAt(rec);
        const bool isNew = isNewLine(l);
        // The deletion is written once, when it is made; a line stored as deleted is only relinked.
        const bool deletion = !isNew && l.del_mark == QLatin1String("1") && l.line_state == kLineDeleting;
        const bool links = !isNew && l.link_changed;
        if (isNew || deletion || links) {
            const QString sql = isNew ? insertLineSql(l, stamp) : updateLineSql(l, links, deletion, stamp);
            bool noRow = false;
            if (!executeOneRow(con, sql, noRow)) {
                PFuBolPutLog(proc, QStringLiteral("SQLの実行に失敗"));
                if (noRow)
                    PFuDispMessage(QStringLiteral("011"), QStringLiteral("814"), EnMsgDispButton::O,
                                   EnMsgDispIcon::W, proc + QStringLiteral("()"));
                return false;
            }
        }
        if (isNew)
            l.ent_date_time = stamp;
        else if (deletion)
            l.del_date_time = stamp;
        return true;
    } catch (const std::exception& e) {
        return stepFailed(proc, QStringLiteral("814"), e);
    }
}

} // namespace MdlKarteMain
