#include "platform/ado/Ado.h"

#include "platform/ado/AdoEngine.h"
#include "platform/ado/AdoKey.h"
#include "platform/ado/AdoRows.h"

#include <QFile>
#include <QFileInfo>

namespace ado {

using namespace engine;
using keys::kEnginePageSize;
using keys::kLargePageSize;

namespace {

// Appends the value of column i of the current row, as the engine holds it.
void addColumnValue(detail::RowStore& rows, sqlite3_stmt* stmt, int i) {
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
        rows.addInteger(static_cast<qint64>(sqlite3_column_int64(stmt, i)));
        break;
    case SQLITE_FLOAT:
        rows.addReal(sqlite3_column_double(stmt, i));
        break;
    case SQLITE_TEXT: {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
        rows.addText(p, static_cast<size_t>(sqlite3_column_bytes(stmt, i)));
        break;
    }
    case SQLITE_BLOB: {
        const void* p = sqlite3_column_blob(stmt, i);
        rows.addBlob(p, static_cast<size_t>(sqlite3_column_bytes(stmt, i)));
        break;
    }
    default:
        rows.addNull();
        break;
    }
}

// Jet's IIF(condition, a, b): a Null or zero condition gives b.
void iifFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const bool isTrue = sqlite3_value_type(argv[0]) != SQLITE_NULL && sqlite3_value_double(argv[0]) != 0.0;
    sqlite3_result_value(ctx, isTrue ? argv[1] : argv[2]);
}

// Jet's ISNULL(x): True (-1) or False (0).
void isNullFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    sqlite3_result_int(ctx, sqlite3_value_type(argv[0]) == SQLITE_NULL ? -1 : 0);
}

QString valueText(sqlite3_value* v) {
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return QString::fromUtf8(p, sqlite3_value_bytes(v));
}

// x LIKE pattern [ESCAPE e], called by the engine as like(pattern, x [, e]): the clinic database's
// Japanese comparison, so a reading typed in hiragana finds one stored in katakana.
void likeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    QChar escape;
    if (argc == 3) {
        if (sqlite3_value_type(argv[2]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
        const QString e = valueText(argv[2]);
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e.at(0);
    }
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    // The pattern is folded once per statement: the engine keeps it with the pattern argument.
    auto* kept = static_cast<LikePattern*>(sqlite3_get_auxdata(ctx, 0));
    std::unique_ptr<LikePattern> fresh;
    if (!kept || kept->escape() != escape) {
        fresh = std::make_unique<LikePattern>(valueText(argv[0]), escape);
        kept = fresh.get();
    }
    sqlite3_result_int(ctx, kept->matches(valueText(argv[1])) ? 1 : 0);
    if (fresh)
        sqlite3_set_auxdata(ctx, 0, fresh.release(), [](void* p) { delete static_cast<LikePattern*>(p); });
}

// The salt at the head of an encrypted file; empty when the file cannot be read that far.
QByteArray fileSalt(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray salt = f.read(keys::kSaltBytes);
    return salt.size() == keys::kSaltBytes ? salt : QByteArray();
}

void registerFunctions(sqlite3* db) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    int rc = sqlite3_create_function_v2(db, "iif", 3, flags, nullptr, iifFunction, nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db, "jet_isnull", 1, flags, nullptr, isNullFunction, nullptr, nullptr,
                                        nullptr);
    for (int argc : {2, 3}) {
        if (rc == SQLITE_OK)
            rc = sqlite3_create_function_v2(db, "like", argc, flags, nullptr, likeFunction, nullptr, nullptr,
                                            nullptr);
    }
    if (rc != SQLITE_OK)
        failEngine(db, rc);
}

} // namespace

// ---- Connection ----------------------------------------------------------------------------

namespace {

// Closes a handle for good, whatever is left on it: a statement still prepared would keep the file
// descriptor open for the life of the process.
void closeForGood(sqlite3* db) {
    while (sqlite3_stmt* st = sqlite3_next_stmt(db, nullptr))
        sqlite3_finalize(st);
    sqlite3_close_v2(db);
}

} // namespace

Connection::~Connection() {
    if (db_)
        closeForGood(db_);
}

namespace {

// A handle on the existing file at path, keyed, its pages read at pageSize bytes. Nothing is read yet.
sqlite3* keyedHandle(const QString& path, const QByteArray& key, int pageSize) {
    // The engine's memory statistics take a lock on every allocation and nothing reads them. The
    // setting only takes before the engine starts; later it is refused, harmlessly.
    static const bool noMemoryStatistics = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;
    Q_UNUSED(noMemoryStatistics);
    sqlite3* db = nullptr;
    // Read-write without create: a missing database file is an error, never a new empty database.
    // A connection serves one thread at a time, so the engine takes no lock of its own on every call
    // (three per value read).
    const int rc =
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close_v2(db);
        failEngine(rc, msg);
    }
    int krc = sqlite3_key(db, key.constData(), static_cast<int>(key.size()));
    if (krc == SQLITE_OK) {
        const QByteArray pragma = "PRAGMA cipher_page_size = " + QByteArray::number(pageSize);
        krc = sqlite3_exec(db, pragma.constData(), nullptr, nullptr, nullptr);
    }
    if (krc != SQLITE_OK) {
        const QString msg = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close_v2(db);
        failEngine(krc, msg);
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    return db;
}

// Reads the file's first page: the key and the page size are only checked then.
void probe(sqlite3* db) {
    Statement probe(db, QStringLiteral("SELECT count(*) FROM sqlite_master"));
    while (probe.step()) {
    }
}

// The page sizes to try on the file at path, the likelier first: the one found before for this file, or
// both, the larger first for a file that is a whole number of its pages.
std::vector<int> pageSizesToTry(const QString& path, const QByteArray& salt) {
    if (const int known = keys::pageSize(salt))
        return {known};
    const qint64 bytes = QFileInfo(path).size();
    if (bytes > 0 && bytes % kLargePageSize == 0)
        return {kLargePageSize, kEnginePageSize};
    return {kEnginePageSize, kLargePageSize};
}

} // namespace

void Connection::openKeyed(const QString& path, const QByteArray& key) {
    if (db_)
        fail(kErrObjectOpen);
    const QByteArray salt = fileSalt(path);
    const std::vector<int> sizes = pageSizesToTry(path, salt);
    int size = sizes.front();
    if (sizes.size() > 1) {
        // The page size is found by reading the first page; when no size reads with this key, or the file
        // cannot be read now (locked, say), the first statement shows why.
        for (int candidate : sizes) {
            sqlite3* db = keyedHandle(path, key, candidate);
            try {
                probe(db);
                keys::rememberPageSize(salt, candidate);
            } catch (const VbError& e) {
                if (e.number() == SQLITE_NOTADB) {
                    closeForGood(db);
                    continue;
                }
            }
            db_ = db;
            path_ = path;
            pageSize_ = candidate;
            return;
        }
    }
    db_ = keyedHandle(path, key, size);
    path_ = path;
    pageSize_ = size;
}

void Connection::openProbed(const QString& path, const QByteArray& key, int pageSize) {
    sqlite3* db = keyedHandle(path, key, pageSize);
    try {
        probe(db);
        registerFunctions(db);
    } catch (...) {
        closeForGood(db);
        throw;
    }
    db_ = db;
    path_ = path;
    pageSize_ = pageSize;
}

void Connection::open(const QString& path, const QByteArray& key) {
    if (db_)
        fail(kErrObjectOpen);
    // The password's derivation is the cost of an open: it is made once per file and password, and later
    // opens hand the engine the derived key with the file's salt. The file's page size is found once too.
    const QByteArray salt = fileSalt(path);
    const QByteArray raw = keys::rawKey(salt, key);
    const std::vector<int> sizes = pageSizesToTry(path, salt);
    // Tries the key at each page size; only a key or a size that does not fit is worth the next try.
    auto opens = [&](const QByteArray& k, bool last) {
        for (size_t i = 0; i < sizes.size(); ++i) {
            try {
                openProbed(path, k, sizes[i]);
                keys::rememberPageSize(salt, sizes[i]);
                return true;
            } catch (const VbError& e) {
                if (e.number() != SQLITE_NOTADB || (last && i + 1 == sizes.size()))
                    throw;
            }
        }
        return false;
    };
    if (!raw.isEmpty() && opens(raw, false))
        return;
    opens(key, true);
    // The password opens the file and the derived key does not: a file made with other settings.
    if (!raw.isEmpty())
        keys::refuseRawKey(salt, key);
}

void Connection::close() {
    requireOpen(db_);
    sqlite3* db = db_;
    db_ = nullptr;
    transBegun_ = false;
    const int rc = sqlite3_close(db);
    if (rc != SQLITE_OK) {
        // Reported, and the file let go all the same.
        const QString msg = QString::fromUtf8(sqlite3_errmsg(db));
        closeForGood(db);
        failEngine(rc, msg);
    }
}

std::unique_ptr<Recordset> Connection::openRecordset(const QString& sql) {
    requireOpen(db_);
    Statement stmt(db_, sql);
    const int columns = sqlite3_column_count(stmt.get());
    if (columns == 0)
        fail(kErrReturnsNoRows);
    QStringList names;
    for (int i = 0; i < columns; ++i)
        names.append(QString::fromUtf8(sqlite3_column_name(stmt.get(), i)));
    auto rows = std::make_shared<detail::RowStore>(std::move(names));
    // Every row is read now: the count is exact and no read lock outlives the call.
    while (stmt.step()) {
        for (int i = 0; i < columns; ++i)
            addColumnValue(*rows, stmt.get(), i);
    }
    auto rs = std::make_unique<Recordset>();
    rs->openOn(std::move(rows));
    return rs;
}

qint64 Connection::execute(const QString& sql) {
    requireOpen(db_);
    Statement stmt(db_, sql);
    const int before = sqlite3_total_changes(db_);
    while (stmt.step()) {
    }
    // A statement that changed nothing (DDL, an UPDATE matching no row) reports 0, not the
    // count of the statement before it.
    return sqlite3_total_changes(db_) == before ? 0 : sqlite3_changes(db_);
}

void Connection::beginTrans() {
    requireOpen(db_);
    // The write lock is taken at once, so a second workstation waits here instead of failing
    // in the middle of a save.
    execute(QStringLiteral("BEGIN IMMEDIATE"));
    transBegun_ = true;
}

void Connection::commitTrans() {
    requireOpen(db_);
    try {
        execute(QStringLiteral("COMMIT"));
    } catch (...) {
        // A busy commit leaves the transaction open; one the engine ended is gone.
        transBegun_ = inTransaction();
        throw;
    }
    transBegun_ = false;
}

void Connection::rollbackTrans() {
    requireOpen(db_);
    if (transBegun_ && !inTransaction()) {
        // The engine rolled the transaction back when a statement failed on a full disk or an
        // I/O error: the work is undone, as asked.
        transBegun_ = false;
        return;
    }
    try {
        execute(QStringLiteral("ROLLBACK"));
    } catch (...) {
        transBegun_ = inTransaction();
        throw;
    }
    transBegun_ = false;
}

bool Connection::inTransaction() const {
    return db_ && sqlite3_get_autocommit(db_) == 0;
}

void forgetDerivedKeys() {
    keys::forgetAll();
}

QString sqlQuote(const QString& value) {
    QString out = value;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return out;
}

} // namespace ado
