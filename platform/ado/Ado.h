// The database connection, static read-only recordset, command and transactions, on SQLCipher.
// Failures throw VbError (source "ado"): an engine failure with the engine's code and words, the
// data objects' own errors with their old numbers and standard descriptions.
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

#include "platform/error/VbError.h"

struct sqlite3;

namespace ado {

namespace detail {
class RowStore;
}

// One field value of the current row. Null is a state of its own. A field read from a recordset keeps
// the recordset's rows alive and becomes a Qt value only when it is read.
class Field {
public:
    // A Null field without a name.
    Field();
    // A field on its own holding value (an invalid or null QVariant is Null), read as a recordset's is.
    Field(QString name, QVariant value);
    const QString& name() const;
    bool isNull() const;
    const QVariant& value() const;
    // Text of the value; reading a Null as text is an error (number 94).
    QString toString() const;
    // Number of the value; Null is error 94, a text that is not a number error 13.
    double toDouble() const;
    qint64 toLongLong() const;
    // The same value as other, Null alike: both read alike in every way (the same kind, bytes or number).
    bool sameValue(const Field& other) const;

private:
    friend class Recordset;
    Field(std::shared_ptr<const detail::RowStore> rows, size_t slot, int column);

    std::shared_ptr<const detail::RowStore> rows_; // never empty
    size_t slot_ = 0;
    int column_ = 0;
    mutable QVariant value_; // the value as a Qt value, once read
    mutable bool converted_ = false;
};

// All rows of one query, read at open: the row count is exact and the cursor moves freely.
class Recordset {
public:
    // An open recordset on its first row over rows given in memory, one value per name in each row (an
    // invalid or null QVariant is Null): how a reader of recordsets is tested with a table of rows.
    static std::unique_ptr<Recordset> fromRows(const QStringList& names,
                                               std::vector<std::vector<QVariant>> rows);

    bool isOpen() const { return open_; }
    void close();
    qint64 recordCount() const { return static_cast<qint64>(count_); }
    bool eof() const { return !open_ || pos_ >= count_; }
    bool bof() const { return !open_ || count_ == 0 || pos_ == static_cast<size_t>(-1); }
    void moveFirst();
    void moveNext();
    int fieldCount() const { return static_cast<int>(names_.size()); }
    const QStringList& fieldNames() const { return names_; }
    // Field of the current row, by name (case-insensitive) or by position; an unknown name,
    // a closed recordset or a position past the end is error 3265.
    Field field(const QString& name) const;
    Field field(int index) const;
    Field operator[](const QString& name) const { return field(name); }

private:
    friend class Connection;
    void openOn(std::shared_ptr<detail::RowStore> rows);

    bool open_ = false;
    QStringList names_;
    std::shared_ptr<const detail::RowStore> rows_;
    size_t count_ = 0;
    size_t pos_ = 0;
};

// A connection is used by one thread at a time.
class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens an existing database file (never creates one), keys it and probes it with a read,
    // so a wrong key or a missing file fails here. The key (the password) is derived once per file and
    // password in the process; later opens use the derived key. A file of 1 KB or of 4 KB pages opens;
    // its page size is found at its first open in the process.
    void open(const QString& path, const QByteArray& key);
    // Opens and keys an existing file without the program's SQL functions, for maintenance work on the
    // file. A wrong key does not fail here but at the first statement.
    void openKeyed(const QString& path, const QByteArray& key);
    bool isOpen() const { return db_ != nullptr; }
    void close();

    // A static read-only recordset over one SELECT statement.
    std::unique_ptr<Recordset> openRecordset(const QString& sql);
    // Executes one statement that returns no rows; the result is the number of rows affected.
    qint64 execute(const QString& sql);

    void beginTrans();
    // Commits the transaction of beginTrans; one that the engine has already rolled back by
    // itself is an error, since its work is lost.
    void commitTrans();
    // Rolls the transaction of beginTrans back. When the engine has already done so by itself
    // (a full disk, an I/O error) the work is undone as asked, and that is no error.
    void rollbackTrans();
    // True while a transaction is open (the engine may have rolled it back by itself after a
    // disk-full, I/O or busy error).
    bool inTransaction() const;

    // Writes a complete, compacted copy of this open database into newFile, which must not exist yet:
    // every table, row and counter, the schema version and the application id, encrypted with key in
    // pages of the database's size, with the database file's permissions (so every user who could open the
    // database can open the copy). The key is checked first: a wrong one fails before anything is written.
    // Other connections are kept out while the copy is written.
    void exportCompacted(const QString& newFile, const QByteArray& key);

private:
    // Opens and keys the file at pageSize, then the probe read and the program's SQL functions.
    void openProbed(const QString& path, const QByteArray& key, int pageSize);

    sqlite3* db_ = nullptr;
    QString path_;
    int pageSize_ = 0;        // bytes of the file's pages
    bool transBegun_ = false; // beginTrans succeeded and no commit or rollback has ended it yet
};

// What a check of a database file found.
enum class DatabaseCheck {
    Sound,      // opens with the key, passes the engine's quick check and holds tables
    KeyRefused, // the key does not open it: a wrong key, or a file that is no database of this kind
    Damaged,    // opens with the key but fails the quick check, or holds no table (an empty file)
    Unreadable, // cannot be read for another reason (missing, no rights, locked)
};
// Checks the database file at path with key, reading every page; description says what was found when it
// is not Sound. The file is not changed.
DatabaseCheck checkDatabase(const QString& path, const QByteArray& key, QString& description);

// Forgets the keys derived so far: the next open of each file derives its key again (tests, benchmarks).
void forgetDerivedKeys();

// The SQL text with the program's Jet calls made runnable: ISNULL( outside string literals
// becomes JET_ISNULL(.
QString rewriteJetSql(const QString& sql);
// Text as the clinic database compares it: without case, and without the difference between
// full-width and half-width forms or between katakana and hiragana (voiced marks kept).
QString jetFoldText(const QString& text);
// value LIKE pattern as the clinic database matches it: '%' any run, '_' one character, escape
// (when not null) makes the next pattern character literal; characters compare folded.
bool jetLike(const QString& pattern, const QString& value, QChar escape = QChar());
// The same pattern folded once, for matching many values (the rows of one statement).
class LikePattern {
public:
    LikePattern(const QString& pattern, QChar escape);
    bool matches(const QString& value) const;
    QChar escape() const { return escape_; }

private:
    enum Kind { AnyRun, AnyOne, Literal };
    struct Item {
        Kind kind;
        char32_t ch;
    };
    std::vector<Item> items_;
    QChar escape_;
    bool valid_ = true;
};
// The value with every single quote doubled, for a value put between quotes in SQL text.
QString sqlQuote(const QString& value);

} // namespace ado
