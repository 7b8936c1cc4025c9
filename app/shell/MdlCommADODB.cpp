#include "app/shell/MdlCommADODB.h"

#include "app/shell/ShellGlobals.h"
#include "platform/text/Text.h"

namespace MdlCommADODB {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString databasePath() {
    return text::localPath(gStrAppPath + gStrMdbName);
}

void showError(const QString& number, const QString& description) {
    PFuDispMessage(QStringLiteral("000"), number, EnMsgDispButton::O, EnMsgDispIcon::Manual,
                   kCrLf + description);
}

bool isSelect(const QString& sql) {
    return text::vbLeft(text::vbTrim(sql), 6).compare(QLatin1String("SELECT"), Qt::CaseInsensitive) == 0;
}

enum class LogDescription { Appended, Left };

// Runs op; on failure shows 000/number with the description and writes logText under proc, with
// "?description" after it unless left out.
template <typename Op>
bool guarded(const QString& proc, const QString& number, const QString& logText, Op op,
             LogDescription withDescription = LogDescription::Appended) {
    try {
        op();
        return true;
    } catch (const std::exception& e) {
        const QString desc = errorDescription(e);
        showError(number, desc);
        PFuBolPutLog(proc, withDescription == LogDescription::Appended ? logText + QLatin1Char('?') + desc
                                                                       : logText);
        return false;
    }
}

} // namespace

QString connectionText() {
    return gStrConString + QStringLiteral(";Data Source=") + gStrAppPath + gStrMdbName +
           QStringLiteral(";Jet OLEDB:Database Password=") + text::fromCp932(gStrDbPassword);
}

bool PFuBolDBConnect(std::unique_ptr<ado::Connection>& con) {
    // The provider named in [CLIENT] ConString has no meaning here: the path and the key go to the
    // engine directly, so a ';' or '=' in the password cannot break anything.
    con = std::make_unique<ado::Connection>();
    ado::Connection& c = *con;
    return guarded(QStringLiteral("PFuBolDBConnect"), QStringLiteral("801"),
                   QStringLiteral("ＤＢサーバの接続エラー"), [&] { c.open(databasePath(), gStrDbPassword); });
}

bool PFuBolExecuteSql(const QString& sql, ado::Connection& con, long& rowCount, int mode,
                      std::unique_ptr<ado::Recordset>& rs) {
    if (mode != 0 && mode != 1)
        return true;
    const bool select = mode == 0 || isSelect(sql);
    try {
        if (select) {
            // An unopened recordset stands in the variable until the open succeeds.
            rs = std::make_unique<ado::Recordset>();
            auto opened = con.openRecordset(sql);
            const long count = static_cast<long>(opened->recordCount());
            if (mode == 0) {
                rs = std::move(opened);
            } else {
                opened->close();
                rs.reset();
            }
            rowCount = count;
        } else {
            rowCount = static_cast<long>(con.execute(sql));
        }
        return true;
    } catch (const std::exception& e) {
        const QString desc = errorDescription(e);
        showError(QStringLiteral("802"), desc);
        const QString proc = QStringLiteral("PFuBolExecuteSql");
        PFuBolPutLog(proc, (select ? QStringLiteral("ＳＱＬの発行(レコードセット取得)")
                                   : QStringLiteral("ＳＱＬの実行")) +
                               QStringLiteral("に失敗しました"));
        PFuBolPutLog(proc, desc);
        PFuBolPutLog(proc, QStringLiteral("SQL:") + sql);
        return false;
    }
}

bool PFuBolDbBeginTrans(ado::Connection& con) {
    return guarded(QStringLiteral("PFuBolDbBeginTrans"), QStringLiteral("805"),
                   QStringLiteral("ＤＢサーバーのトランザクションの開始エラー"), [&] { con.beginTrans(); });
}

bool PFuBolDbCommitTrans(ado::Connection& con) {
    return guarded(QStringLiteral("PFuBolDbCommitTrans"), QStringLiteral("803"),
                   QStringLiteral("ＤＢサーバーのトランザクションのコミットエラー"),
                   [&] { con.commitTrans(); });
}

bool PFuBolDbRollback(ado::Connection& con) {
    return guarded(QStringLiteral("PFuBolDbRollback"), QStringLiteral("804"),
                   QStringLiteral("ＤＢサーバーのロールバックエラー"), [&] { con.rollbackTrans(); });
}

bool PFuDbRsClose(ado::Recordset& rs) {
    return guarded(
        QStringLiteral("PFuDbRsClose"), QStringLiteral("806"), QStringLiteral("レコードセットのクローズ失敗"),
        [&] { rs.close(); }, LogDescription::Left);
}

bool PFuDbConClose(ado::Connection& con) {
    return guarded(
        QStringLiteral("PFuDbConClose"), QStringLiteral("807"), QStringLiteral("コネクションのクローズ失敗"),
        [&] { con.close(); }, LogDescription::Left);
}

void PSuDbCloseQuietly(std::unique_ptr<ado::Recordset>& rs, std::unique_ptr<ado::Connection>& con) {
    try {
        if (rs && rs->isOpen())
            rs->close();
    } catch (...) {
    }
    try {
        if (con && con->isOpen())
            con->close();
    } catch (...) {
    }
    rs.reset();
    con.reset();
}

} // namespace MdlCommADODB
