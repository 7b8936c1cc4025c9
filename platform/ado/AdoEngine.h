// Inside the data layer only: the engine's error helpers and its prepared statement.
#pragma once
#include <sqlite3.h>

#include <QString>
#include <memory>

#include "platform/ado/Ado.h"
#include "platform/error/VbError.h"

namespace ado::engine {

inline const QString kSource = QStringLiteral("ado");

// The error numbers of the old data objects, kept so callers can tell the cases apart.
constexpr long kErrTypeMismatch = 13;
constexpr long kErrOverflow = 6;
constexpr long kErrInvalidNull = 94;
constexpr long kErrPathFileAccess = 75;
constexpr long kErrNoCurrentRecord = 3021;
constexpr long kErrItemNotFound = 3265;
constexpr long kErrObjectClosed = 3704;
constexpr long kErrObjectOpen = 3705;
constexpr long kErrExtraCharacters = 3142;
constexpr long kErrNoStatement = 3129;
constexpr long kErrReturnsNoRows = 3219;

// How long a statement waits for another workstation's lock before giving up.
constexpr int kBusyTimeoutMs = 5000;

// A numbered error of the data objects, with their standard description.
[[noreturn]] inline void fail(long number, const QString& detail = {}) {
    throw VbError::of(number, kSource, detail);
}

// An engine error: its own code and words.
[[noreturn]] inline void failEngine(int rc, const QString& message) {
    throw VbError(rc, kSource, message);
}

[[noreturn]] inline void failEngine(sqlite3* db, int rc) {
    const char* msg = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    failEngine(rc, QString::fromUtf8(msg ? msg : sqlite3_errstr(rc)));
}

inline void requireOpen(sqlite3* db) {
    if (!db)
        fail(kErrObjectClosed);
}

// One prepared statement, finalized on every path: it is owned from the moment the engine hands it over,
// so a text refused after a successful prepare (a second statement, say) leaves nothing behind that would
// keep its connection from closing.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql) : db_(db) {
        const QByteArray utf8 = rewriteJetSql(sql).toUtf8();
        const char* tail = nullptr;
        sqlite3_stmt* prepared = nullptr;
        const int rc =
            sqlite3_prepare_v2(db, utf8.constData(), static_cast<int>(utf8.size()), &prepared, &tail);
        stmt_.reset(prepared);
        if (rc != SQLITE_OK)
            failEngine(db, rc);
        if (!stmt_)
            fail(kErrNoStatement);
        // The engine would silently drop a second statement; the program's texts hold exactly one.
        const qsizetype used = tail ? tail - utf8.constData() : utf8.size();
        for (qsizetype i = used; i < utf8.size(); ++i) {
            const char c = utf8.at(i);
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != ';')
                fail(kErrExtraCharacters);
        }
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // True while a row is available; throws on an engine error.
    bool step() {
        const int rc = sqlite3_step(stmt_.get());
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        failEngine(db_, rc);
    }
    sqlite3_stmt* get() const { return stmt_.get(); }

private:
    struct Finalize {
        void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
    };
    sqlite3* db_;
    std::unique_ptr<sqlite3_stmt, Finalize> stmt_;
};

} // namespace ado::engine
