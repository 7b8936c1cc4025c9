// The compaction of the clinic database at start-up: backup, compacted copy, replace.
#include <sqlite3.h>

#include <QFile>
#include <filesystem>
#include <system_error>

#include "app/shell/MdlCommInterface.h"
#include "app/shell/ShellGlobals.h"
#include "platform/ado/Ado.h"

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

void execOrThrow(sqlite3* db, const char* sql) {
    char* err = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : sqlite3_errmsg(db));
        sqlite3_free(err);
        throw VbError(rc, QStringLiteral("sqlcipher"), msg);
    }
}

int pragmaValue(sqlite3* db, const char* sql) {
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
    int value = 0;
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(st);
        if (rc == SQLITE_ROW) {
            value = sqlite3_column_int(st, 0);
            rc = SQLITE_OK;
        }
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_OK && rc != SQLITE_DONE)
        throw VbError(rc, QStringLiteral("sqlcipher"), QString::fromUtf8(sqlite3_errmsg(db)));
    return value;
}

// Writes a complete compacted copy of the open database at dbPath into newFile, under the same key and
// with the same file permissions, so every workstation user who could open the database can open
// the copy that replaces it. user_version and application_id are not carried by the export and
// are copied by hand.
void exportCompacted(ado::Connection& engine, const QString& dbPath, const QString& newFile) {
    sqlite3* db = engine.handle();
    // The key is checked here: a wrong password fails before anything is written.
    execOrThrow(db, "SELECT count(*) FROM sqlite_master");
    const int userVersion = pragmaValue(db, "PRAGMA main.user_version");
    const int applicationId = pragmaValue(db, "PRAGMA main.application_id");

    // The engine connection cannot create files; an empty file is an empty database to it.
    QFile f(newFile);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw VbError::of(75, kProc, newFile + QStringLiteral(": ") + f.errorString());
    f.close();
    std::error_code ec;
    const auto perms = std::filesystem::status(fsPath(dbPath), ec).permissions();
    if (!ec)
        std::filesystem::permissions(fsPath(newFile), perms, std::filesystem::perm_options::replace, ec);
    if (ec)
        throw VbError::of(75, kProc, newFile + QStringLiteral(": ") + describe(ec));

    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db, "ATTACH DATABASE ?1 AS newdb KEY ?2", -1, &st, nullptr);
    if (rc == SQLITE_OK) {
        const QByteArray path = newFile.toUtf8();
        sqlite3_bind_text(st, 1, path.constData(), static_cast<int>(path.size()), SQLITE_TRANSIENT);
        sqlite3_bind_blob(st, 2, gStrDbPassword.constData(), static_cast<int>(gStrDbPassword.size()),
                          SQLITE_TRANSIENT);
        rc = sqlite3_step(st);
        if (rc == SQLITE_DONE)
            rc = SQLITE_OK;
    }
    const QString attachError = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(st);
    if (rc != SQLITE_OK)
        throw VbError(rc, QStringLiteral("sqlcipher"), attachError);

    // Other workstations are kept out while the copy is written.
    execOrThrow(db, "BEGIN EXCLUSIVE");
    try {
        execOrThrow(db, "SELECT sqlcipher_export('newdb')");
        execOrThrow(db,
                    QStringLiteral("PRAGMA newdb.user_version = %1").arg(userVersion).toUtf8().constData());
        execOrThrow(
            db, QStringLiteral("PRAGMA newdb.application_id = %1").arg(applicationId).toUtf8().constData());
        execOrThrow(db, "COMMIT");
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    execOrThrow(db, "DETACH DATABASE newdb");
    engine.close();
}

} // namespace

bool PFuBolCdbCompact() {
    if (gStrOptimize != QLatin1String("T")) {
        log(QStringLiteral("MDBの最適化をしていません(エラーじゃない)"));
        return true;
    }
    QString db = gStrAppPath + gStrMdbName;
    db.replace(QLatin1Char('\\'), QLatin1Char('/'));
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
        exportCompacted(engine, db, newFile);
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
