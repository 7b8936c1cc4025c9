#include "platform/ado/AdoRows.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace ado::detail {

namespace {

// Bytes of one block of the store: large enough that a register of patients needs a few dozen.
constexpr size_t kBlockBytes = 256 * 1024;

} // namespace

RowStore::RowStore(QStringList names) : names_(std::move(names)) {}

void RowStore::addInteger(qint64 v) {
    Value value{Kind::Integer, 0, {0}};
    value.i = v;
    values_.push_back(value);
}

void RowStore::addReal(double v) {
    Value value{Kind::Real, 0, {0}};
    value.d = v;
    values_.push_back(value);
}

void RowStore::addVariant(QVariant v) {
    Value value{Kind::Variant, 0, {0}};
    value.variant = variants_.size();
    variants_.push_back(std::move(v));
    values_.push_back(value);
}

void RowStore::addBytes(Kind kind, const void* data, size_t bytes) {
    // The engine holds a value to 1 GB; a count that does not fit is no value it gave.
    if (bytes > 0xFFFFFFFFu)
        throw std::length_error("value too large");
    Value value{kind, static_cast<std::uint32_t>(bytes), {0}};
    // An empty value still points somewhere: an empty text is not a null string.
    static const char empty[1] = "";
    value.p = empty;
    if (bytes > left_) {
        if (bytes > kBlockBytes / 4) {
            // A large value gets a block of its own; the current block stays in use.
            blocks_.push_back(std::make_unique_for_overwrite<char[]>(bytes));
            value.p = blocks_.back().get();
            std::memcpy(blocks_.back().get(), data, bytes);
            values_.push_back(value);
            return;
        }
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockBytes));
        free_ = blocks_.back().get();
        left_ = kBlockBytes;
    }
    if (bytes) {
        value.p = free_;
        std::memcpy(free_, data, bytes);
        free_ += bytes;
        left_ -= bytes;
    }
    values_.push_back(value);
}

bool RowStore::isNull(size_t slot) const {
    const Value& v = values_[slot];
    if (v.kind == Kind::Variant) {
        const QVariant& q = variants_[v.variant];
        return q.isNull() || !q.isValid();
    }
    return v.kind == Kind::Null;
}

QVariant RowStore::variant(size_t slot) const {
    const Value& v = values_[slot];
    switch (v.kind) {
    case Kind::Null:
        return QVariant();
    case Kind::Integer:
        return QVariant(v.i);
    case Kind::Real:
        return QVariant(v.d);
    case Kind::Text:
        return QVariant(QString::fromUtf8(v.p, v.bytes));
    case Kind::Blob:
        return QVariant(QByteArray(v.p, v.bytes));
    case Kind::Variant:
        break;
    }
    return variants_[v.variant];
}

QString RowStore::text(size_t slot) const {
    const Value& v = values_[slot];
    switch (v.kind) {
    case Kind::Text:
        return QString::fromUtf8(v.p, v.bytes);
    case Kind::Integer:
        return QString::number(v.i);
    case Kind::Real:
        // Up to 15 digits, as the program always showed a floating value.
        return QString::number(v.d, 'g', 15).toUpper();
    case Kind::Blob:
        return QString::fromUtf8(v.p, v.bytes);
    case Kind::Null:
        return QString();
    case Kind::Variant:
        break;
    }
    const QVariant& q = variants_[v.variant];
    if (q.typeId() == QMetaType::Double)
        return QString::number(q.toDouble(), 'g', 15).toUpper();
    return q.toString();
}

bool RowStore::sameValue(size_t slot, size_t other) const {
    const Value& a = values_[slot];
    const Value& b = values_[other];
    if (a.kind != b.kind)
        return false;
    switch (a.kind) {
    case Kind::Null:
        return true;
    case Kind::Integer:
        return a.i == b.i;
    case Kind::Real:
        return a.d == b.d;
    case Kind::Text:
    case Kind::Blob:
        return a.bytes == b.bytes && std::memcmp(a.p, b.p, a.bytes) == 0;
    case Kind::Variant:
        break;
    }
    return variants_[a.variant] == variants_[b.variant];
}

} // namespace ado::detail
