#include "platform/ado/Ado.h"

#include "platform/ado/AdoEngine.h"
#include "platform/ado/AdoKey.h"

#include <QFile>
#include <cmath>
#include <limits>

#include "platform/text/Text.h"

namespace ado {

using namespace engine;

namespace {

QVariant columnValue(sqlite3_stmt* stmt, int i) {
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qint64>(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, i));
    case SQLITE_TEXT: {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
        return QVariant(QString::fromUtf8(p, sqlite3_column_bytes(stmt, i)));
    }
    case SQLITE_BLOB: {
        const auto* p = static_cast<const char*>(sqlite3_column_blob(stmt, i));
        return QVariant(QByteArray(p, sqlite3_column_bytes(stmt, i)));
    }
    default:
        return QVariant();
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

// ---- Field ---------------------------------------------------------------------------------

QString Field::toString() const {
    if (isNull())
        fail(kErrInvalidNull);
    if (value_.typeId() == QMetaType::Double)
        return QString::number(value_.toDouble(), 'g', 15).toUpper();
    return value_.toString();
}

double Field::toDouble() const {
    if (isNull())
        fail(kErrInvalidNull);
    switch (value_.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Double:
        return value_.toDouble();
    default: {
        const QString s = text::vbTrim(value_.toString());
        bool ok = false;
        const double d = s.toDouble(&ok);
        if (!ok || !text::vbIsNumeric(s))
            fail(kErrTypeMismatch);
        return d;
    }
    }
}

qint64 Field::toLongLong() const {
    if (!isNull() && value_.typeId() == QMetaType::LongLong)
        return value_.toLongLong();
    // Whole-number conversion rounds halves to the even neighbour, as the program's CLng did.
    const double d = std::nearbyint(toDouble());
    if (!(d >= static_cast<double>(std::numeric_limits<qint64>::min()) &&
          d < static_cast<double>(std::numeric_limits<qint64>::max())))
        fail(kErrOverflow);
    return static_cast<qint64>(d);
}

// ---- Recordset -----------------------------------------------------------------------------

std::unique_ptr<Recordset> Recordset::fromRows(const QStringList& names,
                                               std::vector<std::vector<QVariant>> rows) {
    for (auto& row : rows)
        row.resize(static_cast<size_t>(names.size()));
    auto rs = std::make_unique<Recordset>();
    rs->names_ = names;
    rs->rows_ = std::move(rows);
    rs->open_ = true;
    rs->pos_ = 0;
    return rs;
}

void Recordset::close() {
    if (!open_)
        fail(kErrObjectClosed);
    open_ = false;
    rows_.clear();
    pos_ = 0;
}

void Recordset::moveFirst() {
    if (!open_)
        fail(kErrObjectClosed);
    pos_ = 0;
}

void Recordset::moveNext() {
    if (!open_)
        fail(kErrObjectClosed);
    if (eof())
        fail(kErrNoCurrentRecord);
    ++pos_;
}

Field Recordset::field(const QString& name) const {
    if (!open_)
        fail(kErrItemNotFound);
    for (int i = 0; i < names_.size(); ++i) {
        if (names_.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return field(i);
    }
    fail(kErrItemNotFound);
}

Field Recordset::field(int index) const {
    if (!open_ || index < 0 || index >= names_.size())
        fail(kErrItemNotFound);
    if (eof() || bof())
        fail(kErrNoCurrentRecord);
    return Field(names_.at(index), rows_[pos_][static_cast<size_t>(index)]);
}

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

void Connection::openKeyed(const QString& path, const QByteArray& key) {
    if (db_)
        fail(kErrObjectOpen);
    // The engine's memory statistics take a lock on every allocation and nothing reads them. The
    // setting only takes before the engine starts; later it is refused, harmlessly.
    static const bool noMemoryStatistics = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;
    Q_UNUSED(noMemoryStatistics);
    sqlite3* db = nullptr;
    // Read-write without create: a missing database file is an error, never a new empty database.
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close_v2(db);
        failEngine(rc, msg);
    }
    const int krc = sqlite3_key(db, key.constData(), static_cast<int>(key.size()));
    if (krc != SQLITE_OK) {
        const QString msg = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close_v2(db);
        failEngine(krc, msg);
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    db_ = db;
    path_ = path;
}

void Connection::openProbed(const QString& path, const QByteArray& key) {
    openKeyed(path, key);
    try {
        // The key is only checked when the first page is read.
        Statement probe(db_, QStringLiteral("SELECT count(*) FROM sqlite_master"));
        while (probe.step()) {
        }
        registerFunctions(db_);
    } catch (...) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw;
    }
}

void Connection::open(const QString& path, const QByteArray& key) {
    // The password's derivation is the cost of an open: it is made once per file and password, and later
    // opens hand the engine the derived key with the file's salt.
    const QByteArray salt = fileSalt(path);
    const QByteArray raw = keys::rawKey(salt, key);
    if (raw.isEmpty()) {
        openProbed(path, key);
        return;
    }
    try {
        openProbed(path, raw);
        return;
    } catch (const VbError& e) {
        // Only a key that does not fit is worth the password's own try.
        if (e.number() != SQLITE_NOTADB)
            throw;
    }
    openProbed(path, key);
    // The password opens the file and the derived key does not: a file made with other settings.
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
    auto rs = std::make_unique<Recordset>();
    for (int i = 0; i < columns; ++i)
        rs->names_.append(QString::fromUtf8(sqlite3_column_name(stmt.get(), i)));
    // Every row is read now: the count is exact and no read lock outlives the call.
    while (stmt.step()) {
        std::vector<QVariant> row;
        row.reserve(static_cast<size_t>(columns));
        for (int i = 0; i < columns; ++i)
            row.push_back(columnValue(stmt.get(), i));
        rs->rows_.push_back(std::move(row));
    }
    rs->open_ = true;
    rs->pos_ = 0;
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
