// Storage of the spreadsheet grid (rows, cells, formats, spans, sizes) and the table model its view reads.
#pragma once
#include <QAbstractTableModel>
#include <QPixmap>
#include <QSharedData>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "platform/gdi/GdiBasics.h"

namespace spread {

// Pixel rules of the grid units: 15 twips per pixel; 15 row units are 22 pixels; one column unit is 8 pixels.
constexpr int kTwipsPerPixel = gdi::kTwipsPerPixel;
constexpr double kRowUnitsPerPixel = 15.0 / 22.0;
constexpr int kPixelsPerColUnit = 8;

// One side of a cell border; style 0 means no border.
struct Border {
    int color = 0;
    int style = 0;
};

enum Side { SideLeft = 0, SideRight = 1, SideTop = 2, SideBottom = 3 };

// Everything about a cell except its text and picture; shared between cells until one of them changes.
struct CellStyle : QSharedData {
    int type = 1;
    QString fontName;
    double fontSize = 9.0;
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool underline = false;
    int backColor = 0xFFFFFF;
    int foreColor = 0x000000;
    int hAlign = 0;
    int vAlign = 0;
    bool wordWrap = false;
    bool multiLine = false;
    bool password = false;
    int maxLen = 60;
    int charCase = 1;
    int charSet = 0;
    bool pictCenter = false;
    bool pictMaintainScale = false;
    bool pictStretch = false;
    bool textPrefix = false;
    bool textShadow = false;
    bool textShadowIn = false;
    QString dateFormat;
    Border borders[4];
};

struct Cell {
    QSharedDataPointer<CellStyle> style;
    QString text;
    std::shared_ptr<const QPixmap> picture;
};

struct RowData {
    std::vector<Cell> cells; // filled on first write; a missing cell reads as its column's default
    int height = 0;          // pixels
    bool selected = false;
    bool pageBreak = false;
};

struct ColumnData {
    int width = 0; // pixels
    bool hidden = false;
    Cell defaults; // format of cells in rows added later
};

struct Span {
    int col = 0;
    int row = 0;
    int cols = 1;
    int rows = 1;
    bool contains(int c, int r) const { return c >= col && c < col + cols && r >= row && r < row + rows; }
};

// Rows 1..maxRows live in a deque so a row inserted at the top costs no more than one at the bottom.
// Row 0 (column headers) and column 0 (row headers) are kept like any other cell.
class SpreadModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SpreadModel(QObject* parent = nullptr);

    // --- grid coordinates (1-based; 0 = headers) ---------------------------------------------------
    int maxRows() const { return static_cast<int>(rows_.size()); }
    int maxCols() const { return static_cast<int>(cols_.size()) - 1; }
    void setMaxRows(int rows);
    void setMaxCols(int cols);
    bool validCell(int col, int row) const {
        return col >= 0 && row >= 0 && col <= maxCols() && row <= maxRows();
    }

    const RowData& rowData(int row) const { return row == 0 ? header_ : rows_[row - 1]; }
    RowData& rowData(int row) { return row == 0 ? header_ : rows_[row - 1]; }
    const ColumnData& column(int col) const { return cols_[col]; }
    ColumnData& column(int col) { return cols_[col]; }

    // The cell as stored, or its column default when the row never held it. Valid coordinates only.
    const Cell& cell(int col, int row) const;
    // The cell that paints (col, row): the span anchor when the cell lies in a span.
    const Cell& paintCell(int col, int row) const;
    const CellStyle& style(int col, int row) const { return *cell(col, row).style.constData(); }
    Cell& cellForWrite(int col, int row);
    // Text as the program reads it: "" for a picture cell or outside the grid.
    QString cellText(int col, int row) const;
    void setCellText(int col, int row, QString text);
    bool rowHasData(int row) const;
    bool cellHasData(int col, int row) const;

    // Changes the style of every cell in cols x rows (inclusive ranges, clipped to the grid). With
    // allRows the column defaults change too, so rows added later get the format.
    void applyStyle(int col1, int col2, int row1, int row2, bool allRows,
                    const std::function<void(CellStyle&)>& change);
    void applyCells(int col1, int col2, int row1, int row2, const std::function<void(Cell&)>& change);

    // --- rows ---------------------------------------------------------------------------------------
    void insertGridRows(int row, int count);
    void deleteGridRows(int row, int count);

    // --- spans --------------------------------------------------------------------------------------
    const std::vector<Span>& spans() const { return spans_; }
    const Span* spanAt(int col, int row) const;
    void addSpan(int col, int row, int cols, int rows);
    bool removeSpan(int anchorCol, int anchorRow);

    // --- sizes (pixels) -----------------------------------------------------------------------------
    int colWidthPx(int col) const { return cols_[col].hidden ? 0 : cols_[col].width; }
    void setColWidthPx(int col, int px);
    int rowHeightPx(int row) const { return rowData(row).height; }
    void setRowHeightPx(int row, int px);
    int defaultRowHeightPx() const { return defaultRowPx_; }
    void setDefaultRowHeightPx(int px) { defaultRowPx_ = px; }
    int defaultColWidthPx() const { return defaultColPx_; }

    // --- view notification --------------------------------------------------------------------------
    // While frozen no change reaches the view; thaw() publishes them in one reset.
    void freeze();
    void thaw();
    bool frozen() const { return frozen_; }
    bool structureChangedWhileFrozen() const { return resetOpen_; }
    void cellsChanged(int col1, int row1, int col2, int row2);
    // Counts of the view-visible changes (spans, sizes) since the last call; the grid syncs the view.
    bool takeSpansDirty();
    bool takeSizesDirty();

    // --- QAbstractTableModel ------------------------------------------------------------------------
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    bool editable = true; // the grid's operation mode allows editing
    QString defaultFontName = QStringLiteral("ＭＳ Ｐゴシック");
    double defaultFontSize = 9.0;

    // Column header caption shown when none was set: A, B, ..., Z, AA, ...
    static QString columnLetters(int col);
    // Display text of a cell (date cells formatted, passwords hidden).
    QString displayText(int col, int row) const;

signals:
    // The user changed a cell through the view.
    void userEdited(int col, int row);

private:
    RowData makeRow() const;
    void structureBegin();
    void clipSpans();

    QSharedDataPointer<CellStyle> baseStyle_; // format of a cell nothing was set on
    std::deque<RowData> rows_;
    RowData header_;
    std::vector<ColumnData> cols_;
    std::vector<Span> spans_; // sorted by anchor row, then column
    int maxSpanRows_ = 1;
    int defaultRowPx_ = 22;
    int defaultColPx_ = 72;
    bool frozen_ = false;
    bool resetOpen_ = false;
    bool spansDirty_ = false;
    bool sizesDirty_ = false;
};

// Windows 0x00BBGGRR to a Qt colour and back (the drawing layer's conversions).
using gdi::bgrFromColor;
using gdi::colorFromBgr;

} // namespace spread
