#include "support/KeyedDb.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace testsupport {
namespace {

// A keyed handle on path with its pages read at pageSize (0: the engine's default); empty on success.
QString openKeyed(const QString& path, const QByteArray& key, int pageSize, sqlite3*& db) {
    db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(db ? sqlite3_errmsg(db) : "open failed");
        sqlite3_close(db);
        db = nullptr;
        return msg;
    }
    int rc = sqlite3_key(db, key.constData(), static_cast<int>(key.size()));
    if (rc == SQLITE_OK && pageSize)
        rc = sqlite3_exec(db,
                          QByteArray("PRAGMA cipher_page_size = " + QByteArray::number(pageSize)).constData(),
                          nullptr, nullptr, nullptr);
    return rc == SQLITE_OK ? QString() : QString::fromUtf8(sqlite3_errmsg(db));
}

} // namespace

QString runKeyedSql(const QString& path, const QByteArray& key, const QString& sql) {
    sqlite3* db = nullptr;
    QString result = openKeyed(path, key, 0, db);
    // An existing file of 4 KB pages (the demo database) is read at its own page size.
    if (result.isEmpty() && QFileInfo(path).size() > 0 &&
        sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) == SQLITE_NOTADB) {
        sqlite3_close(db);
        result = openKeyed(path, key, 4096, db);
    }
    if (!db)
        return result;
    char* err = nullptr;
    if (result.isEmpty() && sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK)
        result = QString::fromUtf8(err ? err : "error");
    sqlite3_free(err);
    sqlite3_close(db);
    return result;
}

} // namespace testsupport
