#include "support/KeyedDb.h"

#include <sqlite3.h>

namespace testsupport {
QString runKeyedSql(const QString& path, const QByteArray& key, const QString& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(db ? sqlite3_errmsg(db) : "open failed");
        sqlite3_close(db);
        return msg;
    }
    QString result;
    if (sqlite3_key(db, key.constData(), static_cast<int>(key.size())) != SQLITE_OK)
        result = QString::fromUtf8(sqlite3_errmsg(db));
    char* err = nullptr;
    if (result.isEmpty() && sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK)
        result = QString::fromUtf8(err ? err : "error");
    sqlite3_free(err);
    sqlite3_close(db);
    return result;
}
} // namespace testsupport
