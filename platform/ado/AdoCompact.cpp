// The compacted copy of a database: the data layer's part of the start-up compaction.
#include <QFile>
#include <filesystem>
#include <system_error>

#include "platform/ado/Ado.h"
#include "platform/ado/AdoEngine.h"

namespace ado {

using namespace engine;

namespace {

std::filesystem::path fsPath(const QString& p) {
    return std::filesystem::path(QFile::encodeName(p).toStdString());
}

void execOrThrow(sqlite3* db, const QString& sql) {
    char* err = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : sqlite3_errmsg(db));
        sqlite3_free(err);
        failEngine(rc, msg);
    }
}

qint64 pragmaValue(sqlite3* db, const QString& sql) {
    Statement st(db, sql);
    return st.step() ? sqlite3_column_int64(st.get(), 0) : 0;
}

// An empty file at path (the attach below cannot create one; an empty file is an empty database to
// it) with the permissions of the file at like.
void createEmptyLike(const QString& path, const QString& like) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        fail(kErrPathFileAccess, path + QStringLiteral(": ") + f.errorString());
    f.close();
    std::error_code ec;
    const auto perms = std::filesystem::status(fsPath(like), ec).permissions();
    if (!ec)
        std::filesystem::permissions(fsPath(path), perms, std::filesystem::perm_options::replace, ec);
    if (ec)
        fail(kErrPathFileAccess, path + QStringLiteral(": ") + QString::fromLocal8Bit(ec.message().c_str()));
}

void attachKeyed(sqlite3* db, const QString& path, const QByteArray& key) {
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db, "ATTACH DATABASE ?1 AS newdb KEY ?2", -1, &st, nullptr);
    if (rc == SQLITE_OK) {
        const QByteArray file = path.toUtf8();
        sqlite3_bind_text(st, 1, file.constData(), static_cast<int>(file.size()), SQLITE_TRANSIENT);
        sqlite3_bind_blob(st, 2, key.constData(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
        rc = sqlite3_step(st);
        if (rc == SQLITE_DONE)
            rc = SQLITE_OK;
    }
    const QString error = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(st);
    if (rc != SQLITE_OK)
        failEngine(rc, error);
}

} // namespace

void Connection::exportCompacted(const QString& newFile, const QByteArray& key) {
    requireOpen(db_);
    // The key is checked here: a wrong password fails before anything is written.
    execOrThrow(db_, QStringLiteral("SELECT count(*) FROM sqlite_master"));
    // The export does not carry these two; they are copied by hand.
    const qint64 userVersion = pragmaValue(db_, QStringLiteral("PRAGMA main.user_version"));
    const qint64 applicationId = pragmaValue(db_, QStringLiteral("PRAGMA main.application_id"));

    createEmptyLike(newFile, path_);
    attachKeyed(db_, newFile, key);

    // Other workstations are kept out while the copy is written.
    execOrThrow(db_, QStringLiteral("BEGIN EXCLUSIVE"));
    try {
        execOrThrow(db_, QStringLiteral("SELECT sqlcipher_export('newdb')"));
        execOrThrow(db_, QStringLiteral("PRAGMA newdb.user_version = %1").arg(userVersion));
        execOrThrow(db_, QStringLiteral("PRAGMA newdb.application_id = %1").arg(applicationId));
        execOrThrow(db_, QStringLiteral("COMMIT"));
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_exec(db_, "DETACH DATABASE newdb", nullptr, nullptr, nullptr);
        throw;
    }
    execOrThrow(db_, QStringLiteral("DETACH DATABASE newdb"));
}

DatabaseCheck checkDatabase(const QString& path, const QByteArray& key, QString& description) {
    Connection con;
    try {
        con.open(path, key);
    } catch (const VbError& e) {
        description = e.description();
        if (e.number() == SQLITE_NOTADB)
            return DatabaseCheck::KeyRefused;
        return e.number() == SQLITE_CORRUPT ? DatabaseCheck::Damaged : DatabaseCheck::Unreadable;
    }
    try {
        const auto check = con.openRecordset(QStringLiteral("PRAGMA quick_check"));
        const QString verdict = check->eof() ? QString() : check->field(0).toString();
        if (verdict != QLatin1String("ok")) {
            description = verdict;
            return DatabaseCheck::Damaged;
        }
        const auto tables =
            con.openRecordset(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table'"));
        if (tables->field(0).toLongLong() == 0) {
            description = QStringLiteral("データベースにテーブルがありません(") + path + u')';
            return DatabaseCheck::Damaged;
        }
        con.close();
        return DatabaseCheck::Sound;
    } catch (const VbError& e) {
        description = e.description();
        const long n = e.number();
        return n == SQLITE_CORRUPT || n == SQLITE_NOTADB ? DatabaseCheck::Damaged : DatabaseCheck::Unreadable;
    }
}

} // namespace ado
