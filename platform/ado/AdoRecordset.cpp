// The static recordset and its fields over the rows kept as the engine gave them.
#include "platform/ado/Ado.h"

#include <cmath>
#include <limits>

#include "platform/ado/AdoEngine.h"
#include "platform/ado/AdoRows.h"
#include "platform/text/Text.h"

namespace ado {

using namespace engine;

// ---- Field ---------------------------------------------------------------------------------

namespace {

// A store of one value in a column named name.
std::shared_ptr<const detail::RowStore> oneValue(QString name, QVariant value) {
    auto store = std::make_shared<detail::RowStore>(QStringList{std::move(name)});
    store->addVariant(std::move(value));
    return store;
}

} // namespace

Field::Field() {
    // Every unnamed Null field shares one store.
    static const std::shared_ptr<const detail::RowStore> null = oneValue(QString(), QVariant());
    rows_ = null;
}

Field::Field(QString name, QVariant value) : rows_(oneValue(std::move(name), std::move(value))) {}

Field::Field(std::shared_ptr<const detail::RowStore> rows, size_t slot, int column)
    : rows_(std::move(rows)), slot_(slot), column_(column) {}

const QString& Field::name() const {
    return rows_->names().at(column_);
}

bool Field::isNull() const {
    return rows_->isNull(slot_);
}

const QVariant& Field::value() const {
    if (!converted_) {
        value_ = rows_->variant(slot_);
        converted_ = true;
    }
    return value_;
}

QString Field::toString() const {
    if (isNull())
        fail(kErrInvalidNull);
    return rows_->text(slot_);
}

double Field::toDouble() const {
    if (isNull())
        fail(kErrInvalidNull);
    if (rows_->isInteger(slot_))
        return static_cast<double>(rows_->integer(slot_));
    if (rows_->isReal(slot_))
        return rows_->real(slot_);
    const QVariant& v = value();
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Double:
        return v.toDouble();
    default: {
        const QString s = text::vbTrim(v.toString());
        bool ok = false;
        const double d = s.toDouble(&ok);
        if (!ok || !text::vbIsNumeric(s))
            fail(kErrTypeMismatch);
        return d;
    }
    }
}

qint64 Field::toLongLong() const {
    if (rows_->isInteger(slot_))
        return rows_->integer(slot_);
    if (!isNull() && value().typeId() == QMetaType::LongLong)
        return value().toLongLong();
    // Whole-number conversion rounds halves to the even neighbour, as the program's CLng did.
    const double d = std::nearbyint(toDouble());
    if (!(d >= static_cast<double>(std::numeric_limits<qint64>::min()) &&
          d < static_cast<double>(std::numeric_limits<qint64>::max())))
        fail(kErrOverflow);
    return static_cast<qint64>(d);
}

bool Field::sameValue(const Field& other) const {
    if (rows_ == other.rows_)
        return rows_->sameValue(slot_, other.slot_);
    const bool null = isNull();
    if (null || other.isNull())
        return null == other.isNull();
    return value() == other.value();
}

// ---- Recordset -----------------------------------------------------------------------------

void Recordset::openOn(std::shared_ptr<detail::RowStore> rows) {
    names_ = rows->names();
    count_ = rows->rows();
    rows_ = std::move(rows);
    open_ = true;
    pos_ = 0;
}

std::unique_ptr<Recordset> Recordset::fromRows(const QStringList& names,
                                               std::vector<std::vector<QVariant>> rows) {
    auto store = std::make_shared<detail::RowStore>(names);
    store->reserveRows(rows.size());
    for (auto& row : rows) {
        // A short row is Null to its end.
        row.resize(static_cast<size_t>(names.size()));
        for (QVariant& v : row)
            store->addVariant(std::move(v));
    }
    auto rs = std::make_unique<Recordset>();
    rs->openOn(std::move(store));
    // Rows of no column still count.
    rs->count_ = rows.size();
    return rs;
}

void Recordset::close() {
    if (!open_)
        fail(kErrObjectClosed);
    open_ = false;
    rows_.reset();
    count_ = 0;
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
    return Field(rows_, pos_ * static_cast<size_t>(names_.size()) + static_cast<size_t>(index), index);
}

} // namespace ado
