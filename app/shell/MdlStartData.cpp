#include "app/shell/MdlStartData.h"

#include <memory>

#include "app/shell/MdlCommADODB.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"

namespace MdlStartData {

namespace {

const QString kProc = QStringLiteral("Sub Main");
constexpr int kPrintPoints = 192;
static_assert(std::tuple_size_v<decltype(gDblPocketBaseX)> == kPrintPoints + 1);

// One read of the start-up data on its own connection. read takes the recordset and its row count
// and returns the read's result; it throws to reach the error exit. A failed query closes the
// connection; any other failure (a failed close included) closes what is open quietly. Each failure
// logs failText, and the result decided by then is kept.
template <typename Read> bool readOnce(const QString& sql, const QString& failText, Read read) {
    bool result = false;
    std::unique_ptr<ado::Connection> con;
    std::unique_ptr<ado::Recordset> rs;
    try {
        if (!MdlCommADODB::PFuBolDBConnect(con))
            throw VbError(0, kProc, QString());
        long count = 0;
        if (!MdlCommADODB::PFuBolExecuteSql(sql, *con, count, 0, rs)) {
            MdlCommADODB::PFuDbConClose(*con);
            con.reset();
            PFuBolPutLog(kProc, failText);
            return false;
        }
        result = read(*rs, count);
        if (!MdlCommADODB::PFuDbRsClose(*rs)) {
            MdlCommADODB::PFuDbConClose(*con);
            throw VbError(0, kProc, QString());
        }
        if (!MdlCommADODB::PFuDbConClose(*con))
            throw VbError(0, kProc, QString());
        rs.reset();
        con.reset();
        return result;
    } catch (...) {
        MdlCommADODB::PSuDbCloseQuietly(rs, con);
        PFuBolPutLog(kProc, failText);
        return result;
    }
}

// The IIF(ISNULL(c),'',c) AS c form that reads a Null column as an empty text.
QString nullAsEmpty(const char* column) {
    const QString c = QLatin1String(column);
    return QStringLiteral("IIF(ISNULL(%1),'',%1) AS %1").arg(c);
}

} // namespace

bool FuBolImageFolderMake() {
    for (const char* name : {"staff", "map", "temp"}) {
        const QString path = MdlCommInterface::PFuStrPathJoin(gStrImagePath, QLatin1String(name));
        if (!MdlCommInterface::PFuBolMkDir(path)) {
            PFuBolPutLog(kProc, QStringLiteral("フォルダ作成エラー ") + path);
            return false;
        }
    }
    return true;
}

bool FuBolClinicInfoGet() {
    const QString sql =
        QStringLiteral("SELECT clinic_code, ") + nullAsEmpty("clinic_name") + QStringLiteral(", ") +
        nullAsEmpty("zip") + QStringLiteral(", ") + nullAsEmpty("address") + QStringLiteral(", ") +
        nullAsEmpty("tel_no") + QStringLiteral(", ") + nullAsEmpty("fax_no") + QStringLiteral(", ") +
        nullAsEmpty("clinic_s_name") + QStringLiteral(", ") + nullAsEmpty("prefecture") +
        QStringLiteral(", ") + nullAsEmpty("establishment_name") + QStringLiteral(", ") +
        nullAsEmpty("map_link") + QStringLiteral(", ") + nullAsEmpty("notif_prosthetic") +
        QStringLiteral(", ") + nullAsEmpty("notif_first") + QStringLiteral(", ") +
        nullAsEmpty("notif_p_total") +
        QStringLiteral(", ent_date_time, ent_staff_class_code, ent_staff_code, ") +
        nullAsEmpty("upd_date_time") + QStringLiteral(", ") + nullAsEmpty("upd_staff_class_code") +
        QStringLiteral(", ") + nullAsEmpty("upd_staff_code") +
        QStringLiteral(" FROM m_clinic WHERE clinic_code = '") + ado::sqlQuote(gStrClinicCode) +
        QStringLiteral("'");

    return readOnce(
        sql, QStringLiteral("自医院情報チェックの取得に失敗"), [](ado::Recordset& rs, long count) {
            if (count == 0) {
                PFuBolPutLog(kProc,
                             QStringLiteral("mdbファイルに医院情報を登録していない可能性あり(m_clinic)"));
                return false;
            }
            if (count != 1) {
                PFuBolPutLog(kProc,
                             QStringLiteral("ありえない。レコード取得件数：") + QString::number(count));
                return false;
            }
            // A Null in a column read bare is a run-time error: it ends in the error exit.
            ClinicInfo c;
            c.clinic_code = rs.field(QStringLiteral("clinic_code")).toString();
            c.clinic_name = rs.field(QStringLiteral("clinic_name")).toString();
            c.zip = rs.field(QStringLiteral("zip")).toString();
            c.address = rs.field(QStringLiteral("address")).toString();
            c.tel_no = rs.field(QStringLiteral("tel_no")).toString();
            c.fax_no = rs.field(QStringLiteral("fax_no")).toString();
            c.clinic_s_name = rs.field(QStringLiteral("clinic_s_name")).toString();
            c.prefecture = rs.field(QStringLiteral("prefecture")).toString();
            c.establishment_name = rs.field(QStringLiteral("establishment_name")).toString();
            c.map_link = rs.field(QStringLiteral("map_link")).toString();
            c.notif_prosthetic = rs.field(QStringLiteral("notif_prosthetic")).toString();
            c.notif_first = rs.field(QStringLiteral("notif_first")).toString();
            c.notif_p_total = rs.field(QStringLiteral("notif_p_total")).toString();
            c.ent_date_time = rs.field(QStringLiteral("ent_date_time")).toString();
            c.ent_staff_class_code = rs.field(QStringLiteral("ent_staff_class_code")).toString();
            c.ent_staff_code = rs.field(QStringLiteral("ent_staff_code")).toString();
            c.upd_date_time = rs.field(QStringLiteral("upd_date_time")).toString();
            c.upd_staff_class_code = rs.field(QStringLiteral("upd_staff_class_code")).toString();
            c.upd_staff_code = rs.field(QStringLiteral("upd_staff_code")).toString();
            gClinicInfo = c;
            return true;
        });
}

bool FuBolPrintInfoGet() {
    const QString sql =
        QStringLiteral("SELECT datano, pocketbasex, pocketbasey FROM m_printinfo ORDER BY datano ASC");
    return readOnce(
        sql, QStringLiteral("歯周精密検査印刷情報の取得に失敗"), [](ado::Recordset& rs, long count) {
            if (count == 0) {
                PFuBolPutLog(kProc,
                             QStringLiteral(
                                 "mdbファイルに歯周精密検査印刷情報を登録していない可能性あり(m_printinfo)"));
                throw VbError(0, kProc, QString());
            }
            int i = 0;
            rs.moveFirst();
            while (!rs.eof()) {
                ++i;
                // A row beyond the 192 points has no place in the arrays: error exit.
                if (i > kPrintPoints)
                    throw VbError::of(9, kProc);
                gDblPocketBaseY.at(i) = rs.field(QStringLiteral("pocketbasey")).toDouble();
                gDblPocketBaseX.at(i) = rs.field(QStringLiteral("pocketbasex")).toDouble();
                rs.moveNext();
            }
            if (i != kPrintPoints) {
                PFuBolPutLog(kProc,
                             QStringLiteral("mdbファイルに歯周精密検査印刷情報が足りません(m_printinfo)"));
                throw VbError(0, kProc, QString());
            }
            return true;
        });
}

} // namespace MdlStartData
