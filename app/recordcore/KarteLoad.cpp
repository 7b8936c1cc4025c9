#include "app/recordcore/KarteLoad.h"

#include "app/recordcore/KarteGlobals.h"
#include "app/recordcore/KarteRead.h"
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

QString headSql() {
    return QStringLiteral("SELECT   rec_no, picture_server, ent_date_time, upd_date_time "
                          "FROM     m_karte "
                          "WHERE    personal_id = '") +
           ado::sqlQuote(gPatientInfo.personal_id) + QStringLiteral("' ");
}

// The staff name of the entering or deleting staff, as a sub-select under the alias.
QString staffNameColumn(const QString& alias) {
    return QStringLiteral(" ,(") + QStringLiteral("    SELECT ") + alias +
           QStringLiteral(".staff_name FROM m_personnel ") + alias + QStringLiteral("    WHERE ") + alias +
           QStringLiteral(".staff_class_code = re.") + alias + QStringLiteral("_staff_class_code") +
           QStringLiteral("    AND ") + alias + QStringLiteral(".staff_code = re.") + alias +
           QStringLiteral("_staff_code") + QStringLiteral(" ) AS ") + alias + QStringLiteral("_staff_name");
}

QString linesSql() {
    QString sql = QStringLiteral(" SELECT");
    sql += QStringLiteral(" re.rec_no AS rec_no");
    for (const char* c : {"prv_rec_no", "nxt_rec_no", "obj_id", "entry_no", "nest_level", "karte_date",
                          "part", "part_text", "ref_ur", "ref_ul", "ref_dr", "ref_dl", "claim", "del_mark",
                          "ent_date_time", "ent_staff_class_code", "ent_staff_code"})
        sql += QStringLiteral(" ,re.%1 AS %1").arg(QLatin1String(c));
    sql += staffNameColumn(QStringLiteral("ent"));
    for (const char* c : {"del_date_time", "del_staff_class_code", "del_staff_code"})
        sql += QStringLiteral(" ,re.%1 AS %1").arg(QLatin1String(c));
    sql += staffNameColumn(QStringLiteral("del"));
    sql += QStringLiteral(" FROM m_kh_record re ");
    sql += QStringLiteral(" WHERE re.personal_id = '") + ado::sqlQuote(gPatientInfo.personal_id) +
           QStringLiteral("' ");
    sql += QStringLiteral(" ORDER BY re.rec_no ");
    return sql;
}

// One m_kh_record row into its slot of gKarteLines, the list grown (never shrunk) to hold it.
void readLine(const ado::Recordset& rs) {
    const int rec = readRecNo(rs[QStringLiteral("rec_no")]);
    if (rec > ubound(gKarteLines))
        gKarteLines.resize(static_cast<size_t>(rec) + 1);
    KarteLine& l = gKarteLines[static_cast<size_t>(rec)];
    l = KarteLine();
    l.rec_no = rec;
    l.prv_rec_no = readLink(rs[QStringLiteral("prv_rec_no")]);
    l.nxt_rec_no = readLink(rs[QStringLiteral("nxt_rec_no")]);
    l.link_changed = false;
    l.obj_id = readText(rs[QStringLiteral("obj_id")]);
    l.entry_no = readInt16(rs[QStringLiteral("entry_no")]);
    l.nest_level = readInt16(rs[QStringLiteral("nest_level")]);
    l.karte_date = readText(rs[QStringLiteral("karte_date")]);
    l.part = text::vbTrim(readText(rs[QStringLiteral("part")]));
    l.part_text = readText(rs[QStringLiteral("part_text")]);
    const char* refs[] = {"ref_ur", "ref_ul", "ref_dr", "ref_dl"};
    for (int i = 0; i < 4; ++i)
        l.ref[i] = text::vbTrim(readText(rs[QLatin1String(refs[i])]));
    l.claim = text::vbTrim(readText(rs[QStringLiteral("claim")]));
    l.del_mark = readText(rs[QStringLiteral("del_mark")]);
    l.ent_date_time = readText(rs[QStringLiteral("ent_date_time")]);
    l.ent_staff_class_code = readText(rs[QStringLiteral("ent_staff_class_code")]);
    l.ent_staff_code = readText(rs[QStringLiteral("ent_staff_code")]);
    l.ent_staff_name = readText(rs[QStringLiteral("ent_staff_name")]);
    l.del_date_time = readText(rs[QStringLiteral("del_date_time")]);
    l.del_staff_class_code = readText(rs[QStringLiteral("del_staff_class_code")]);
    l.del_staff_code = readText(rs[QStringLiteral("del_staff_code")]);
    l.del_staff_name = readText(rs[QStringLiteral("del_staff_name")]);
    l.line_state = l.del_mark == QLatin1String("1") ? kLineStoredDeleted : kLineStored;
    l.stored_mark = QStringLiteral("1");
    l.changed = false;
}

// The book is new: no head row (or, against the key, more than one).
void startNewBook() {
    gBolKarteNew = true;
    gIntKarteHead = 0;
    gStrKarteEntTime.clear();
    gStrKarteUpdTime.clear();
    gStrKarteDateFrom = QStringLiteral("2003/01/01");
    gStrKarteDateTo = todayText();
    gLngStoredCount = 0;
    gStrKarteMonth = monthText();
    gKarteStoredHead = KarteStoredHead();
}

} // namespace

bool PFuBolKarteGetData(KarteLoadView& view) {
    bool shown = false;
    try {
        gLngMonthFirstRec = 0;
        gLngMonthNextRec = 0;
        view.showWindow();
        shown = true;
        const bool result = FuBolKarteGetDataMain(view);
        shown = false;
        view.unloadWindow();
        return result;
    } catch (const std::exception& e) {
        if (shown) {
            try {
                view.unloadWindow();
            } catch (...) {
            }
        }
        return trapped(QStringLiteral("PFuBolKarteGetData"), QStringLiteral("900"), e, EnMsgDispIcon::Manual,
                       QStringLiteral("\r\n") + errorDescription(e));
    }
}

bool FuBolKarteGetDataMain(KarteLoadView& view) {
    const QString proc = QStringLiteral("FuBolKarteGetDataMain");
    std::unique_ptr<ado::Connection> con;
    std::unique_ptr<ado::Recordset> rs;
    try {
        if (!PFuBolDBConnect(con)) {
            PFuBolPutLog(proc, QStringLiteral("コネクション確立に失敗"));
            con.reset();
            return false;
        }
        // The whole book is read in one read transaction on this one connection: head, lines and
        // details come from one state of the database even while another workstation saves, and
        // the connection is keyed once (keying costs more than reading a whole book's lines).
        con->execute(QStringLiteral("BEGIN"));
        long count = 0;
        if (!PFuBolExecuteSql(headSql(), *con, count, 0, rs)) {
            PSuDbCloseQuietly(rs, con);
            return false;
        }
        if (count == 1) {
            gBolKarteNew = false;
            gIntKarteHead = readLink((*rs)[QStringLiteral("rec_no")], LinkNull::Refused);
            gStrKarteEntTime = readText((*rs)[QStringLiteral("ent_date_time")]);
            gStrKarteUpdTime = readText((*rs)[QStringLiteral("upd_date_time")]);
            gKarteStoredHead = {true, gIntKarteHead, gStrKarteEntTime, gStrKarteUpdTime, 0};
        } else {
            startNewBook();
        }
        if (!PFuDbRsClose(*rs)) {
            PSuDbCloseQuietly(rs, con);
            return false;
        }
        rs.reset();
        if (count == 0) {
            con->execute(QStringLiteral("COMMIT"));
            PFuDbConClose(*con);
            return true;
        }

        if (!PFuBolExecuteSql(linesSql(), *con, count, 0, rs)) {
            PSuDbCloseQuietly(rs, con);
            return false;
        }
        view.setGetMessage(kMsgReadingLines);
        view.setGetCnt(0);
        view.setAllCnt(count);
        view.setBarRange(0, count);
        view.refresh();
        for (long n = 1; !rs->eof(); ++n, rs->moveNext()) {
            view.setGetCnt(n);
            view.setBarValue(n);
            view.refresh();
            readLine(*rs);
        }
        gLngStoredCount = ubound(gKarteLines);
        gKarteStoredHead.max_rec_no = gLngStoredCount;
        const bool rsClosed = PFuDbRsClose(*rs);
        rs.reset();
        if (!rsClosed) {
            PSuDbCloseQuietly(rs, con);
            return false;
        }

        walkChain([](KarteLine& line) { gStrKarteMonth = text::vbLeft(line.karte_date, 7); });
        return FuBolKarteSubDataGet(view, *con);
    } catch (const std::exception& e) {
        PSuDbCloseQuietly(rs, con);
        return stepFailed(proc, QStringLiteral("801"), e, QStringLiteral("カルテ入力メイン"));
    }
}

bool FuBolKarteSubDataGet(KarteLoadView& view, ado::Connection& con) {
    // No trap of its own: a run-time error here is the caller's (the book is refused).
    const long lines = ubound(gKarteLines);
    if (lines == 0) {
        con.execute(QStringLiteral("COMMIT"));
        return PFuDbConClose(con);
    }
    const QString proc = QStringLiteral("FuBolKarteSubDataGet");
    view.setGetMessage(kMsgReadingDetails);
    view.setGetCnt(0);
    view.setAllCnt(lines);
    view.setBarRange(0, lines);
    view.refresh();

    long n = 0;
    for (int rec : chainRecs()) {
        KarteLine& line = lineAt(rec);
        ++n;
        if (gLngMonthFirstRec == 0 && text::vbLeft(line.karte_date, 7) == gStrKarteMonth)
            gLngMonthFirstRec = line.rec_no;
        view.setGetCnt(n);
        view.setBarValue(n);
        view.refresh();
        bool ok = true;
        if (line.obj_id == kObjAppeals)
            ok = FuBolSyusoGet(con, line.karte_date, line.entry_no, rec);
        else if (line.obj_id == kObjInspection)
            ok = FuBolSisyuKensaGet(con, line.karte_date, line.entry_no, rec);
        else if (line.obj_id == kObjInstruction)
            ok = FuBolJittisidouGet(con, line.karte_date, line.entry_no, rec);
        if (!ok) {
            // The reader has reported; the line says only where it stopped.
            PFuBolPutLog(proc, QString());
            if (con.isOpen())
                PFuDbConClose(con);
            return false;
        }
    }
    con.execute(QStringLiteral("COMMIT"));
    if (!PFuDbConClose(con))
        return false;
    view.setBarValue(lines);
    view.setGetCnt(lines);
    view.refresh();
    return true;
}

} // namespace MdlKarteMain
