#include "platform/spread/SpreadModel.h"

#include <QColor>
#include <algorithm>
#include <unordered_map>

#include "platform/spread/SpreadPaint.h"
#include "platform/text/Era.h"

namespace spread {

namespace {
constexpr int kDefaultRows = 500;
constexpr int kDefaultCols = 500;
constexpr int kRowHeaderWidthPx = 40;

// Cuts count to the rows from row to the last of n; false when the call touches no row.
bool clampRowRange(int row, int n, int& count) {
    if (row < 1 || row > n || count <= 0)
        return false;
    count = std::min(count, n - row + 1);
    return true;
}
} // namespace

SpreadModel::SpreadModel(QObject* parent) : QAbstractTableModel(parent) {
    // A row is as high as one line of the default font needs, as a fitted row would be.
    defaultRowPx_ = textHeightPx(makeFont(defaultFontName, defaultFontSize), QString(), 0, false);
    baseStyle_ = new CellStyle;
    baseStyle_->fontName = defaultFontName;
    baseStyle_->fontSize = defaultFontSize;
    cols_.resize(kDefaultCols + 1);
    for (auto& c : cols_) {
        c.width = defaultColPx_;
        c.defaults.style = baseStyle_;
    }
    cols_[0].width = kRowHeaderWidthPx;
    header_.height = defaultRowPx_;
    rows_.resize(kDefaultRows, makeRow());
}

RowData SpreadModel::makeRow() const {
    RowData r;
    r.height = defaultRowPx_;
    return r;
}

QString SpreadModel::columnLetters(int col) {
    QString s;
    while (col > 0) {
        const int d = (col - 1) % 26;
        s.prepend(QChar('A' + d));
        col = (col - 1) / 26;
    }
    return s;
}

// --- structure ---------------------------------------------------------------------------------------

void SpreadModel::structureBegin() {
    if (frozen_ && !resetOpen_) {
        beginResetModel();
        resetOpen_ = true;
    }
}

void SpreadModel::freeze() {
    frozen_ = true;
}

void SpreadModel::thaw() {
    frozen_ = false;
    if (resetOpen_) {
        resetOpen_ = false;
        endResetModel();
    }
}

bool SpreadModel::takeSpansDirty() {
    const bool d = spansDirty_;
    spansDirty_ = false;
    return d;
}

bool SpreadModel::takeSizesDirty() {
    const bool d = sizesDirty_;
    sizesDirty_ = false;
    return d;
}

void SpreadModel::setMaxRows(int rows) {
    rows = std::max(0, rows);
    const int old = maxRows();
    if (rows == old)
        return;
    structureBegin();
    if (rows > old) {
        if (!frozen_)
            beginInsertRows(QModelIndex(), old, rows - 1);
        rows_.resize(rows, makeRow());
        if (!frozen_)
            endInsertRows();
    } else {
        if (!frozen_)
            beginRemoveRows(QModelIndex(), rows, old - 1);
        rows_.resize(rows);
        if (!frozen_)
            endRemoveRows();
        clipSpans();
    }
}

void SpreadModel::setMaxCols(int cols) {
    cols = std::max(0, cols);
    const int old = maxCols();
    if (cols == old)
        return;
    structureBegin();
    if (cols > old) {
        if (!frozen_)
            beginInsertColumns(QModelIndex(), old, cols - 1);
        // A new column starts with the grid's own format, whatever its neighbours were given.
        ColumnData fresh;
        fresh.width = defaultColPx_;
        fresh.defaults.style = baseStyle_;
        cols_.resize(cols + 1, fresh);
        if (!frozen_)
            endInsertColumns();
    } else {
        if (!frozen_)
            beginRemoveColumns(QModelIndex(), cols, old - 1);
        cols_.resize(cols + 1);
        auto trim = [cols](RowData& r) {
            if (r.cells.size() > static_cast<size_t>(cols + 1))
                r.cells.resize(cols + 1);
        };
        trim(header_);
        for (auto& r : rows_)
            trim(r);
        if (!frozen_)
            endRemoveColumns();
        clipSpans();
    }
}

void SpreadModel::insertGridRows(int row, int count) {
    const int n = maxRows();
    if (!clampRowRange(row, n, count))
        return;
    structureBegin();
    if (!frozen_)
        beginInsertRows(QModelIndex(), row - 1, row + count - 2);
    rows_.insert(rows_.begin() + (row - 1), static_cast<size_t>(count), makeRow());
    if (!frozen_) {
        endInsertRows();
        beginRemoveRows(QModelIndex(), n, n + count - 1);
    }
    rows_.resize(n);
    if (!frozen_)
        endRemoveRows();

    if (!spans_.empty()) {
        for (auto& s : spans_) {
            if (s.row >= row)
                s.row += count;
            else if (s.row + s.rows - 1 >= row)
                s.rows += count;
        }
        clipSpans();
    }
}

void SpreadModel::deleteGridRows(int row, int count) {
    const int n = maxRows();
    if (!clampRowRange(row, n, count))
        return;
    structureBegin();
    if (!frozen_)
        beginRemoveRows(QModelIndex(), row - 1, row + count - 2);
    rows_.erase(rows_.begin() + (row - 1), rows_.begin() + (row - 1 + count));
    if (!frozen_) {
        endRemoveRows();
        beginInsertRows(QModelIndex(), n - count, n - 1);
    }
    rows_.resize(n, makeRow());
    if (!frozen_)
        endInsertRows();

    if (!spans_.empty()) {
        const int last = row + count - 1;
        std::vector<Span> kept;
        kept.reserve(spans_.size());
        for (Span s : spans_) {
            const int a = s.row;
            const int b = s.row + s.rows - 1;
            if (b < row) {
                kept.push_back(s);
                continue;
            }
            if (a > last) {
                s.row -= count;
                kept.push_back(s);
                continue;
            }
            const int overlap = std::min(b, last) - std::max(a, row) + 1;
            s.rows -= overlap;
            s.row = a < row ? a : row;
            if (s.rows >= 1 && (s.rows > 1 || s.cols > 1))
                kept.push_back(s);
        }
        spans_.swap(kept);
        clipSpans();
    }
}

// --- cells -------------------------------------------------------------------------------------------

const Cell& SpreadModel::cell(int col, int row) const {
    const RowData& r = rowData(row);
    if (static_cast<size_t>(col) < r.cells.size())
        return r.cells[col];
    return cols_[col].defaults;
}

const Cell& SpreadModel::paintCell(int col, int row) const {
    if (const Span* s = spanAt(col, row))
        return cell(s->col, s->row);
    return cell(col, row);
}

Cell& SpreadModel::cellForWrite(int col, int row) {
    RowData& r = rowData(row);
    if (r.cells.capacity() <= static_cast<size_t>(col))
        r.cells.reserve(
            std::max(static_cast<size_t>(col) + 1, std::min(cols_.size(), static_cast<size_t>(8))));
    while (r.cells.size() <= static_cast<size_t>(col)) {
        Cell c;
        c.style = cols_[r.cells.size()].defaults.style;
        r.cells.push_back(std::move(c));
    }
    return r.cells[col];
}

QString SpreadModel::cellText(int col, int row) const {
    if (!validCell(col, row))
        return QString();
    const Cell& c = cell(col, row);
    if (c.style.constData()->type == 9)
        return QString();
    return c.text;
}

void SpreadModel::setCellText(int col, int row, QString text) {
    if (!validCell(col, row))
        return;
    cellForWrite(col, row).text = std::move(text);
    cellsChanged(col, row, col, row);
}

bool SpreadModel::cellHasData(int col, int row) const {
    const RowData& r = rowData(row);
    if (static_cast<size_t>(col) >= r.cells.size())
        return false;
    const Cell& c = r.cells[col];
    return !c.text.isEmpty() || (c.picture && !c.picture->isNull());
}

bool SpreadModel::rowHasData(int row) const {
    const RowData& r = rowData(row);
    const size_t n = std::min(r.cells.size(), static_cast<size_t>(maxCols() + 1));
    for (size_t c = 1; c < n; ++c) {
        if (cellHasData(static_cast<int>(c), row))
            return true;
    }
    return false;
}

QString SpreadModel::displayText(int col, int row) const {
    const Cell& c = paintCell(col, row);
    const CellStyle& st = *c.style.constData();
    switch (st.type) {
    case 9:
    case 10:
        return QString();
    case 0: {
        const QDate d = era::parseDate(c.text);
        if (!d.isValid())
            return c.text;
        return era::format(d, st.dateFormat.isEmpty() ? QStringLiteral("gee/mm/dd") : st.dateFormat);
    }
    default:
        if (st.password)
            return QString(c.text.size(), QChar('*'));
        return c.text;
    }
}

void SpreadModel::applyStyle(int col1, int col2, int row1, int row2, bool allRows,
                             const std::function<void(CellStyle&)>& change) {
    col1 = std::max(col1, 0);
    col2 = std::min(col2, maxCols());
    row1 = std::max(row1, 0);
    row2 = std::min(row2, maxRows());
    if (col1 > col2)
        return;
    // One cell, the common case (a row formatted cell by cell): no sharing to keep.
    if (!allRows && col1 == col2 && row1 == row2) {
        Cell& cell = cellForWrite(col1, row1);
        QSharedDataPointer<CellStyle> copy(new CellStyle(*cell.style.constData()));
        change(*copy);
        cell.style = copy;
        cellsChanged(col1, row1, col2, row2);
        return;
    }
    // One new style per distinct old style: cells that shared a format keep sharing it.
    std::unordered_map<const CellStyle*,
                       std::pair<QSharedDataPointer<CellStyle>, QSharedDataPointer<CellStyle>>>
        memo;
    auto apply = [&](Cell& cell) {
        const CellStyle* old = cell.style.constData();
        auto it = memo.find(old);
        if (it == memo.end()) {
            QSharedDataPointer<CellStyle> copy(new CellStyle(*old));
            change(*copy);
            it = memo.emplace(old, std::make_pair(cell.style, copy)).first;
        }
        cell.style = it->second.second;
    };
    if (allRows) {
        for (int c = col1; c <= col2; ++c)
            apply(cols_[c].defaults);
    }
    for (int r = row1; r <= row2; ++r) {
        RowData& rd = rowData(r);
        for (int c = col1; c <= col2; ++c) {
            if (allRows && static_cast<size_t>(c) >= rd.cells.size())
                break; // reads the column default, changed above
            apply(cellForWrite(c, r));
        }
    }
    if (row1 <= row2)
        cellsChanged(col1, row1, col2, row2);
}

void SpreadModel::applyCells(int col1, int col2, int row1, int row2,
                             const std::function<void(Cell&)>& change) {
    col1 = std::max(col1, 0);
    col2 = std::min(col2, maxCols());
    row1 = std::max(row1, 0);
    row2 = std::min(row2, maxRows());
    if (col1 > col2 || row1 > row2)
        return;
    for (int r = row1; r <= row2; ++r) {
        for (int c = col1; c <= col2; ++c)
            change(cellForWrite(c, r));
    }
    cellsChanged(col1, row1, col2, row2);
}

// --- spans -------------------------------------------------------------------------------------------

const Span* SpreadModel::spanAt(int col, int row) const {
    if (spans_.empty())
        return nullptr;
    auto it =
        std::upper_bound(spans_.begin(), spans_.end(), row, [](int r, const Span& s) { return r < s.row; });
    while (it != spans_.begin()) {
        --it;
        if (it->row <= row - maxSpanRows_)
            break;
        if (it->contains(col, row))
            return &*it;
    }
    return nullptr;
}

void SpreadModel::addSpan(int col, int row, int cols, int rows) {
    if (cols < 1 || rows < 1 || col < 1 || row < 1)
        return;
    const Span fresh{col, row, cols, rows};
    // A new span replaces any span it overlaps.
    spans_.erase(std::remove_if(spans_.begin(), spans_.end(),
                                [&](const Span& s) {
                                    return s.col < fresh.col + fresh.cols && fresh.col < s.col + s.cols &&
                                           s.row < fresh.row + fresh.rows && fresh.row < s.row + s.rows;
                                }),
                 spans_.end());
    if (cols > 1 || rows > 1) {
        auto it = std::lower_bound(spans_.begin(), spans_.end(), fresh, [](const Span& a, const Span& b) {
            return a.row < b.row || (a.row == b.row && a.col < b.col);
        });
        spans_.insert(it, fresh);
        maxSpanRows_ = std::max(maxSpanRows_, rows);
    }
    clipSpans();
    spansDirty_ = true;
}

bool SpreadModel::removeSpan(int anchorCol, int anchorRow) {
    auto it = std::find_if(spans_.begin(), spans_.end(),
                           [&](const Span& s) { return s.col == anchorCol && s.row == anchorRow; });
    if (it == spans_.end())
        return false;
    spans_.erase(it);
    spansDirty_ = true;
    return true;
}

void SpreadModel::clipSpans() {
    const int nr = maxRows();
    const int nc = maxCols();
    std::vector<Span> kept;
    kept.reserve(spans_.size());
    int tallest = 1;
    for (Span s : spans_) {
        if (s.row > nr || s.col > nc)
            continue;
        s.rows = std::min(s.rows, nr - s.row + 1);
        s.cols = std::min(s.cols, nc - s.col + 1);
        if (s.rows <= 1 && s.cols <= 1)
            continue;
        tallest = std::max(tallest, s.rows);
        kept.push_back(s);
    }
    spans_.swap(kept);
    maxSpanRows_ = tallest;
    spansDirty_ = true;
}

// --- sizes -------------------------------------------------------------------------------------------

void SpreadModel::setColWidthPx(int col, int px) {
    cols_[col].width = std::max(0, px);
    sizesDirty_ = true;
}

void SpreadModel::setRowHeightPx(int row, int px) {
    rowData(row).height = std::max(0, px);
    sizesDirty_ = true;
}

// --- notification ------------------------------------------------------------------------------------

void SpreadModel::cellsChanged(int col1, int row1, int col2, int row2) {
    if (frozen_)
        return;
    if (row1 == 0 || col1 == 0) {
        if (row1 == 0)
            emit headerDataChanged(Qt::Horizontal, std::max(col1 - 1, 0), std::max(col2 - 1, 0));
        if (col1 == 0)
            emit headerDataChanged(Qt::Vertical, std::max(row1 - 1, 0), std::max(row2 - 1, 0));
    }
    const int r1 = std::max(row1, 1);
    const int c1 = std::max(col1, 1);
    if (r1 <= row2 && c1 <= col2 && row2 <= maxRows() && col2 <= maxCols())
        emit dataChanged(index(r1 - 1, c1 - 1), index(row2 - 1, col2 - 1));
}

// --- QAbstractTableModel -----------------------------------------------------------------------------

int SpreadModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : maxRows();
}

int SpreadModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : maxCols();
}

QVariant SpreadModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return QVariant();
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    if (!validCell(col, row))
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return displayText(col, row);
    case Qt::EditRole:
        return cellText(col, row);
    default:
        return QVariant();
    }
}

bool SpreadModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    if (!validCell(col, row))
        return false;
    const CellStyle& st = style(col, row);
    QString text = value.toString();
    if (st.type == 1 || st.type == 0) {
        if (st.maxLen > 0 && text.size() > st.maxLen)
            text.truncate(st.maxLen);
        if (st.charCase == 0)
            text = text.toLower();
        else if (st.charCase == 2)
            text = text.toUpper();
    }
    if (text == cell(col, row).text)
        return true;
    cellForWrite(col, row).text = text;
    cellsChanged(col, row, col, row);
    emit userEdited(col, row);
    return true;
}

QVariant SpreadModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal) {
        const int col = section + 1;
        if (col > maxCols())
            return QVariant();
        const QString t = cell(col, 0).text;
        return t.isEmpty() ? columnLetters(col) : t;
    }
    const int row = section + 1;
    if (row > maxRows())
        return QVariant();
    const QString t = cell(0, row).text;
    return t.isEmpty() ? QString::number(row) : t;
}

Qt::ItemFlags SpreadModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const int type = style(index.column() + 1, index.row() + 1).type;
    if (editable && (type == 1 || type == 0))
        f |= Qt::ItemIsEditable;
    return f;
}

} // namespace spread
