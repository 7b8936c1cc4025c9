// Inside the data layer only: a recordset's rows kept as the engine gave them, converted when read.
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <vector>

namespace ado::detail {

// Every value of every row, row after row: numbers as numbers, texts and binary values as their
// bytes in large blocks. A large register reads into a few allocations instead of one per value,
// and only the values a reader asks for become Qt strings.
class RowStore {
public:
    explicit RowStore(QStringList names);

    const QStringList& names() const { return names_; }
    int columns() const { return static_cast<int>(names_.size()); }
    size_t rows() const { return columns() == 0 ? 0 : values_.size() / static_cast<size_t>(columns()); }

    // Appending, a whole row at a time, one call per column.
    void addNull() { values_.push_back(Value{Kind::Null, 0, {0}}); }
    void addInteger(qint64 v);
    void addReal(double v);
    void addText(const char* utf8, size_t bytes) { addBytes(Kind::Text, utf8, bytes); }
    void addBlob(const void* data, size_t bytes) { addBytes(Kind::Blob, data, bytes); }
    // A value given as a Qt value, kept as given (an invalid or null one is Null).
    void addVariant(QVariant v);
    void reserveRows(size_t rows) { values_.reserve(rows * static_cast<size_t>(columns())); }

    // Reading, by slot (row * columns + column).
    bool isNull(size_t slot) const;
    // The value as the program's recordset always gave it: qint64, double, QString, QByteArray or invalid.
    QVariant variant(size_t slot) const;
    // The value as text; the caller has checked it is not Null.
    QString text(size_t slot) const;
    bool isInteger(size_t slot) const { return values_[slot].kind == Kind::Integer; }
    bool isReal(size_t slot) const { return values_[slot].kind == Kind::Real; }
    bool isText(size_t slot) const { return values_[slot].kind == Kind::Text; }
    qint64 integer(size_t slot) const { return values_[slot].i; }
    double real(size_t slot) const { return values_[slot].d; }
    // The same kind and the same bytes or number: two values any reading gives alike.
    bool sameValue(size_t slot, size_t other) const;

private:
    enum class Kind : std::uint8_t { Null, Integer, Real, Text, Blob, Variant };
    struct Value {
        Kind kind;
        std::uint32_t bytes; // of a text or binary value
        union {
            qint64 i;
            double d;
            const char* p;  // into one of the blocks
            size_t variant; // index into variants_
        };
    };
    void addBytes(Kind kind, const void* data, size_t bytes);

    QStringList names_;
    std::vector<Value> values_;
    std::vector<std::unique_ptr<char[]>> blocks_;
    char* free_ = nullptr; // the unused end of the last block
    size_t left_ = 0;
    std::vector<QVariant> variants_;
};

} // namespace ado::detail
