#include "app/shell/MdlCommInterfaceCompact.h"

#include <QFile>
#include <filesystem>
#include <system_error>

#include "app/shell/ShellGlobals.h"
#include "platform/ado/Ado.h"
#include "platform/text/Text.h"

namespace MdlCommInterface {
namespace {

const QString kProc = QStringLiteral("PFuBolCdbCompact");

void log(const QString& text) {
    PFuBolPutLog(kProc, text);
}

std::filesystem::path fsPath(const QString& p) {
    return std::filesystem::path(p.toStdString());
}

QString describe(const std::error_code& ec) {
    return QString::fromLocal8Bit(ec.message().c_str());
}

// Delete failed: the description, then the path.
bool deleteFailed(const QString& path, const QString& description) {
    log(description);
    log(path + QStringLiteral("ファイルの削除に失敗"));
    return false;
}

// True when ec holds no error; otherwise false with its text in error.
bool succeeded(const std::error_code& ec, QString& error) {
    if (ec)
        error = describe(ec);
    return !ec;
}

// Removes path when present; false with the error text otherwise.
bool removeIfPresent(const QString& path, QString& error) {
    std::error_code ec;
    std::filesystem::remove(fsPath(path), ec);
    return succeeded(ec, error);
}

// Copies src over dst; a missing src leaves dst untouched.
bool copyOver(const QString& src, const QString& dst, QString& error) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fsPath(src), ec))
        return succeeded(ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory), error);
    std::filesystem::copy_file(fsPath(src), fsPath(dst), std::filesystem::copy_options::overwrite_existing,
                               ec);
    return succeeded(ec, error);
}

// Copies the database to the backup under a read lock, so no workstation writes into the file
// during the copy. The first read rolls back a journal left by a workstation that stopped in the
// middle of a save; a journal that stays belongs to a save in progress, and the copy is refused.
bool backupDatabase(const QString& db, const QString& backup, QString& error) {
    ado::Connection guard;
    bool locked = false;
    try {
        guard.open(db, gStrDbPassword);
        guard.execute(QStringLiteral("BEGIN"));
        guard.execute(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        locked = true;
    } catch (const std::exception&) {
        // A wrong password is reported by the compaction itself, a missing file by the copy.
    }
    bool ok = true;
    const QString journal = db + QStringLiteral("-journal");
    if (QFile::exists(journal)) {
        error = QStringLiteral("データベースは別の処理で書き込み中です(") + journal + QStringLiteral(")");
        ok = false;
    }
    if (ok)
        ok = copyOver(db, backup, error);
    if (locked) {
        try {
            guard.rollbackTrans();
        } catch (const std::exception&) {
        }
    }
    return ok;
}

} // namespace

bool PFuBolCdbCompact() {
    if (gStrOptimize != QLatin1String("T")) {
        log(QStringLiteral("MDBの最適化をしていません(エラーじゃない)"));
        return true;
    }
    const QString db = text::localPath(gStrAppPath + gStrMdbName);
    const QString newFile = db + QStringLiteral("_NEW.mdb");
    const QString backup = db + QStringLiteral(".bak");
    QString error;

    // 2. A compacted copy left by an earlier run (and its journal) goes first.
    if (!removeIfPresent(newFile, error))
        return deleteFailed(newFile, error);
    if (!removeIfPresent(newFile + QStringLiteral("-journal"), error))
        return deleteFailed(newFile + QStringLiteral("-journal"), error);

    // 3. Backup. A missing database fails here and leaves the last good backup as it is.
    if (!backupDatabase(db, backup, error)) {
        log(error);
        log(QStringLiteral("最適化もとのファイルのバックアップに失敗"));
        log(db + QStringLiteral("ファイルを別のプロセスで開いている可能性あり"));
        return false;
    }

    // 4. The engine: a keyed connection on the database (it is never created here).
    ado::Connection engine;
    try {
        engine.openKeyed(db, gStrDbPassword);
    } catch (const std::exception& e) {
        log(QStringLiteral("Microsoft Jet and Replication Objects 2.6 Library がインストールされていない"));
        log(QStringLiteral("%Program Files%\\Common File\\System\\ADO\\msjro.dll"));
        log(errorDescription(e));
        return false;
    }

    // 5. The compacted copy.
    try {
        engine.exportCompacted(newFile, gStrDbPassword);
        engine.close();
    } catch (const std::exception& e) {
        if (engine.isOpen()) {
            try {
                engine.close();
            } catch (const std::exception&) {
            }
        }
        log(errorDescription(e));
        log(QStringLiteral("最適化コマンド失敗(JROJet.CompactDatabase)"));
        log(QStringLiteral("パスワードが正しいならOrvanta_NEW.mdbファイルがあるなら削除しないといけない。"));
        return false;
    }

    // 6. The old database goes; the backup holds it.
    if (!removeIfPresent(db, error))
        return deleteFailed(db, error);

    // 7. The copy takes its name.
    std::error_code ec;
    std::filesystem::rename(fsPath(newFile), fsPath(db), ec);
    if (ec) {
        log(describe(ec));
        log(QStringLiteral("ファイル名変更（") + gStrMdbName + QStringLiteral("_NEW.mdb→") + gStrMdbName +
            QStringLiteral("）に失敗"));
        log(QStringLiteral("Orvanta_NEW.mdbをOrvanta.mdbにリネームしないと電子カルテがうごかないとおもう"));
        return false;
    }

    log(QStringLiteral("○mdb最適化処理成功"));
    return true;
}

} // namespace MdlCommInterface
