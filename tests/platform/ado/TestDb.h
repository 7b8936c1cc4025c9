// Keyed database files for the data-layer tests, made with the engine directly.
#pragma once
#include <sqlite3.h>

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>

namespace testdb {

// Creates (or extends) a keyed database at path and runs script on it.
inline void create(const QString& path, const QByteArray& key, const char* script) {
    sqlite3* db = nullptr;
    ASSERT_EQ(
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
        SQLITE_OK);
    ASSERT_EQ(sqlite3_key(db, key.constData(), static_cast<int>(key.size())), SQLITE_OK);
    char* err = nullptr;
    const int rc = sqlite3_exec(db, script, nullptr, nullptr, &err);
    const QString msg = QString::fromUtf8(err ? err : "");
    sqlite3_free(err);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << msg.toStdString();
}

} // namespace testdb
