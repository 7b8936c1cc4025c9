// The grid's members, as the program calls them; the behaviour behind them is in SpreadGridImpl.cpp.
#include "platform/spread/SpreadGrid.h"

#include <QFile>
#include <QHeaderView>
#include <QPainter>
#include <QPrinter>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/error/VbError.h"
#include "platform/spread/SpreadGridImpl.h"
#include "platform/spread/SpreadPaint.h"
#include "platform/text/Text.h"

using namespace spread;

// --- construction --------------------------------------------------------------------------------------

SpreadGrid::SpreadGrid(QWidget* parent) : QWidget(parent), d(new Impl) {
    d->q = this;
    d->model = new SpreadModel(this);
    d->view = new SpreadView(this, d->model);
    d->view->setFont(makeFont(d->model->defaultFontName, d->model->defaultFontSize));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->view);
    setFocusProxy(d->view);
    d->print.gridColor = d->gridColor;

    connect(d->model, &SpreadModel::userEdited, this, [this](int c, int r) { emit Change(c, r); });
    // Rows and columns the user resizes keep their new size in the grid.
    connect(d->view->verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (!d->syncing && section + 1 <= d->model->maxRows())
                    d->model->rowData(section + 1).height = size;
            });
    connect(
        d->view->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
            if (!d->syncing && section + 1 <= d->model->maxCols() && !d->model->column(section + 1).hidden)
                d->model->column(section + 1).width = size;
        });
    d->applyOperationMode();
    d->syncFull();
    d->model->takeSizesDirty();
    d->model->takeSpansDirty();
}

SpreadGrid::~SpreadGrid() {
    delete d;
}

QTableView* SpreadGrid::view() const {
    return d->view;
}

// --- size and addressing -------------------------------------------------------------------------------

int SpreadGrid::maxRows() const {
    return d->model->maxRows();
}

void SpreadGrid::setMaxRows(int rows) {
    d->model->setMaxRows(rows);
    d->afterChange();
}

int SpreadGrid::maxCols() const {
    return d->model->maxCols();
}

void SpreadGrid::setMaxCols(int cols) {
    d->model->setMaxCols(cols);
    d->afterChange();
}

int SpreadGrid::row() const {
    return d->row;
}
void SpreadGrid::setRow(int row) {
    d->row = row;
}
int SpreadGrid::col() const {
    return d->col;
}
void SpreadGrid::setCol(int col) {
    d->col = col;
}
int SpreadGrid::row2() const {
    return d->row2;
}
void SpreadGrid::setRow2(int row) {
    d->row2 = row;
}
int SpreadGrid::col2() const {
    return d->col2;
}
void SpreadGrid::setCol2(int col) {
    d->col2 = col;
}
bool SpreadGrid::blockMode() const {
    return d->block;
}
void SpreadGrid::setBlockMode(bool on) {
    d->block = on;
}

int SpreadGrid::activeRow() const {
    return d->activeRow;
}

int SpreadGrid::activeCol() const {
    return d->activeCol;
}

void SpreadGrid::setActiveCell(int col, int row) {
    if (col < 1 || row < 1 || col > maxCols() || row > maxRows())
        return;
    d->toAnchor(col, row);
    d->activeCol = col;
    d->activeRow = row;
    const Impl::ScrollRequest request{true, col, row, -1};
    if (!d->redraw) {
        d->pendingActive = request; // after any ShowCell asked before it
        return;
    }
    d->syncActive();
    d->scrollTo(request);
}

void SpreadGrid::showCell(int col, int row, int position) {
    const Impl::ScrollRequest request{true, std::max(1, col), std::max(1, row), std::max(0, position)};
    if (!d->redraw) {
        // A new position replaces every earlier request.
        d->pendingShow = request;
        d->pendingActive.pending = false;
        return;
    }
    d->scrollTo(request);
}

void SpreadGrid::setAction(int action) {
    switch (action) {
    case ActionSelModeClear:
        for (int r = 1; r <= maxRows(); ++r)
            d->model->rowData(r).selected = false;
        if (d->view->selectionModel())
            d->view->selectionModel()->clearSelection();
        d->view->viewport()->update();
        break;
    case ActionActiveCell:
        setActiveCell(d->col, d->row);
        break;
    default:
        d->settings.insert(1, action);
        break;
    }
}

// --- cells ---------------------------------------------------------------------------------------------

QString SpreadGrid::getText(int col, int row) const {
    return d->model->cellText(col, row);
}

bool SpreadGrid::getText(int col, int row, QString& out) const {
    out = d->model->cellText(col, row);
    return d->model->validCell(col, row);
}

void SpreadGrid::setText(int col, int row, QString text) {
    d->model->setCellText(col, row, std::move(text));
}

QString SpreadGrid::text() const {
    const Cell& c = d->cursorCell();
    if (d->row == -1 || c.style.constData()->type == CellTypePicture)
        return QString();
    return c.text;
}

void SpreadGrid::setTextValue(const QString& text) {
    const Impl::Target t = d->target();
    d->model->applyCells(t.c1, t.c2, t.r1, t.r2, [&](Cell& c) { c.text = text; });
}

int SpreadGrid::cellType() const {
    return d->cursorCell().style.constData()->type;
}

void SpreadGrid::setCellType(int type) {
    const Impl::Target t = d->target();
    d->model->applyStyle(t.c1, t.c2, t.r1, t.r2, t.allRows, [type](CellStyle& s) { s.type = type; });
    if (type != CellTypePicture) {
        // A cell that stops being a picture cell lets go of its picture.
        for (int r = std::max(t.r1, 0); r <= std::min(t.r2, maxRows()); ++r) {
            RowData& rd = d->model->rowData(r);
            for (int c = std::max(t.c1, 0); c <= t.c2 && static_cast<size_t>(c) < rd.cells.size(); ++c)
                rd.cells[c].picture.reset();
        }
        if (t.allRows) {
            for (int c = std::max(t.c1, 0); c <= std::min(t.c2, maxCols()); ++c)
                d->model->column(c).defaults.picture.reset();
        }
    }
    d->afterChange();
}

QPixmap SpreadGrid::typePictPicture() const {
    const Cell& c = d->cursorCell();
    return c.picture ? *c.picture : QPixmap();
}

void SpreadGrid::setTypePictPicture(const QPixmap& picture) {
    const Impl::Target t = d->target();
    std::shared_ptr<const QPixmap> shared;
    if (!picture.isNull())
        shared = std::make_shared<const QPixmap>(picture);
    d->model->applyCells(t.c1, t.c2, t.r1, t.r2, [&](Cell& c) { c.picture = shared; });
}

#define SPREAD_STYLE_SETTER(Name, Type, field)                                                               \
    void SpreadGrid::Name(Type value) {                                                                      \
        const Impl::Target t = d->target();                                                                  \
        d->model->applyStyle(t.c1, t.c2, t.r1, t.r2, t.allRows, [&](CellStyle& s) { s.field = value; });     \
    }

SPREAD_STYLE_SETTER(setTypeHAlign, int, hAlign)
SPREAD_STYLE_SETTER(setTypeVAlign, int, vAlign)
SPREAD_STYLE_SETTER(setTypeTextWordWrap, bool, wordWrap)
SPREAD_STYLE_SETTER(setTypeEditMultiLine, bool, multiLine)
SPREAD_STYLE_SETTER(setTypeEditMaxLen, int, maxLen)
SPREAD_STYLE_SETTER(setTypeEditCharCase, int, charCase)
SPREAD_STYLE_SETTER(setTypeEditCharSet, int, charSet)
SPREAD_STYLE_SETTER(setTypeEditPassword, bool, password)
SPREAD_STYLE_SETTER(setTypePictCenter, bool, pictCenter)
SPREAD_STYLE_SETTER(setTypePictMaintainScale, bool, pictMaintainScale)
SPREAD_STYLE_SETTER(setTypePictStretch, bool, pictStretch)
SPREAD_STYLE_SETTER(setTypeTextPrefix, bool, textPrefix)
SPREAD_STYLE_SETTER(setTypeTextShadow, bool, textShadow)
SPREAD_STYLE_SETTER(setTypeTextShadowIn, bool, textShadowIn)
SPREAD_STYLE_SETTER(setTypeDateFormat, const QString&, dateFormat)
SPREAD_STYLE_SETTER(setFontName, const QString&, fontName)
SPREAD_STYLE_SETTER(setFontSize, double, fontSize)
SPREAD_STYLE_SETTER(setFontBold, bool, bold)
SPREAD_STYLE_SETTER(setFontItalic, bool, italic)
SPREAD_STYLE_SETTER(setFontStrikethru, bool, strike)
SPREAD_STYLE_SETTER(setFontUnderline, bool, underline)
SPREAD_STYLE_SETTER(setBackColor, int, backColor)
SPREAD_STYLE_SETTER(setForeColor, int, foreColor)

#undef SPREAD_STYLE_SETTER

bool SpreadGrid::cellChecked(int col, int row) const {
    return d->model->cellText(col, row) == QLatin1String("1");
}

// --- rows and spans ------------------------------------------------------------------------------------

void SpreadGrid::insertRows(int row, int count) {
    d->model->insertGridRows(row, count);
    d->afterChange();
}

void SpreadGrid::deleteRows(int row, int count) {
    d->model->deleteGridRows(row, count);
    d->afterChange();
}

void SpreadGrid::addCellSpan(int col, int row, int numCols, int numRows) {
    d->model->addSpan(col, row, numCols, numRows);
    d->afterChange();
}

bool SpreadGrid::getCellSpan(int col, int row, int* anchorCol, int* anchorRow, int* numCols,
                             int* numRows) const {
    const Span* s = d->model->validCell(col, row) ? d->model->spanAt(col, row) : nullptr;
    if (anchorCol)
        *anchorCol = s ? s->col : 0;
    if (anchorRow)
        *anchorRow = s ? s->row : 0;
    if (numCols)
        *numCols = s ? s->cols : 0;
    if (numRows)
        *numRows = s ? s->rows : 0;
    return s != nullptr;
}

void SpreadGrid::removeCellSpan(int anchorCol, int anchorRow) {
    if (d->model->removeSpan(anchorCol, anchorRow))
        d->afterChange();
}

void SpreadGrid::setCellBorder(int col, int row, int col2, int row2, int type, int color, int style) {
    const auto range = &Impl::rangeOf;
    int c1, c2, r1, r2;
    range(col, col2, maxCols(), c1, c2);
    const bool all = range(row, row2, maxRows(), r1, r2);
    d->model->applyStyle(c1, c2, r1, r2, all, [&](CellStyle& s) {
        const Border b{color, style};
        if (type & BorderLeft)
            s.borders[SideLeft] = b;
        if (type & BorderRight)
            s.borders[SideRight] = b;
        if (type & BorderTop)
            s.borders[SideTop] = b;
        if (type & BorderBottom)
            s.borders[SideBottom] = b;
    });
}

// --- sizes and units -----------------------------------------------------------------------------------

double SpreadGrid::colWidth(int col) const {
    if (col == -1)
        col = 1;
    if (col < 0 || col > maxCols())
        return d->colUnits(d->model->defaultColWidthPx());
    return d->colUnits(d->model->column(col).width);
}

void SpreadGrid::setColWidth(int col, double width) {
    const int px = d->colPx(width);
    if (col == -1) {
        for (int c = 1; c <= maxCols(); ++c)
            d->model->setColWidthPx(c, px);
    } else if (col >= 0 && col <= maxCols()) {
        d->model->setColWidthPx(col, px);
    }
    d->afterChange();
}

bool SpreadGrid::colHidden(int col) const {
    return col >= 1 && col <= maxCols() && d->model->column(col).hidden;
}

void SpreadGrid::setColHidden(int col, bool hidden) {
    if (col < 1 || col > maxCols())
        return;
    d->model->column(col).hidden = hidden;
    d->model->setColWidthPx(col, d->model->column(col).width); // marks the sizes for the view
    d->afterChange();
}

double SpreadGrid::rowHeight(int row) const {
    if (row == -1 || row < 0 || row > maxRows())
        return d->rowUnits(d->model->defaultRowHeightPx());
    return d->rowUnits(d->model->rowHeightPx(row));
}

void SpreadGrid::setRowHeight(int row, double height) {
    const int px = d->rowPx(height);
    if (row == -1) {
        d->model->setDefaultRowHeightPx(px);
        for (int r = 1; r <= maxRows(); ++r)
            d->model->rowData(r).height = px;
        d->model->setRowHeightPx(0, d->model->rowHeightPx(0)); // marks the sizes for the view
    } else if (row >= 0 && row <= maxRows()) {
        d->model->setRowHeightPx(row, px);
    }
    d->afterChange();
}

double SpreadGrid::maxTextCellHeight() const {
    int c = d->col == -1 ? 1 : d->col;
    int r = d->row;
    if (!d->model->validCell(c, r)) {
        const QFont f = makeFont(d->model->defaultFontName, d->model->defaultFontSize);
        return d->rowUnits(textHeightPx(f, QString(), 0, false));
    }
    int width = d->model->colWidthPx(c);
    if (const Span* s = d->model->spanAt(c, r)) {
        c = s->col;
        r = s->row;
        width = 0;
        for (int k = s->col; k < s->col + s->cols; ++k)
            width += d->model->colWidthPx(k);
    }
    const CellStyle& st = d->model->style(c, r);
    const QString text = st.type == CellTypePicture ? QString() : d->model->displayText(c, r);
    return d->rowUnits(textHeightPx(cellFont(st), text, width, wrapsText(st)));
}

int SpreadGrid::colWidthToTwips(double width) const {
    return d->colPx(width) * kTwipsPerPixel;
}

int SpreadGrid::rowHeightToTwips(double height) const {
    return d->rowPx(height) * kTwipsPerPixel;
}

double SpreadGrid::twipsToColWidth(int twips) const {
    return d->unitType == UnitTwips ? double(twips) : double(twips) / (kTwipsPerPixel * kPixelsPerColUnit);
}

double SpreadGrid::twipsToRowHeight(int twips) const {
    return d->unitType == UnitTwips ? double(twips) : double(twips) / 22.0;
}

int SpreadGrid::unitType() const {
    return d->unitType;
}

void SpreadGrid::setUnitType(int type) {
    d->unitType = type == UnitTwips ? UnitTwips : UnitNormal;
}

int SpreadGrid::colWidthPixels(int col) const {
    return (col >= 0 && col <= maxCols()) ? d->model->colWidthPx(col) : 0;
}

int SpreadGrid::rowHeightPixels(int row) const {
    return (row >= 0 && row <= maxRows()) ? d->model->rowHeightPx(row) : 0;
}

// --- look ----------------------------------------------------------------------------------------------

bool SpreadGrid::reDraw() const {
    return d->redraw;
}

void SpreadGrid::setReDraw(bool on) {
    if (on == d->redraw)
        return;
    if (!on) {
        d->redraw = false;
        d->model->freeze();
        d->view->setUpdatesEnabled(false);
        return;
    }
    d->redraw = true;
    const bool reset = d->model->structureChangedWhileFrozen();
    d->model->thaw();
    d->clampActive();
    const bool sizes = d->model->takeSizesDirty();
    const bool spans = d->model->takeSpansDirty();
    if (reset || sizes)
        d->syncSizes();
    if (reset || spans)
        d->syncSpans();
    d->syncActive();
    d->applyPendingScrolls();
    d->view->setUpdatesEnabled(true);
    d->view->viewport()->update();
    d->view->horizontalHeader()->viewport()->update();
    d->view->verticalHeader()->viewport()->update();
}

QString SpreadGrid::fontName() const {
    return d->cursorCell().style.constData()->fontName;
}
double SpreadGrid::fontSize() const {
    return d->cursorCell().style.constData()->fontSize;
}
bool SpreadGrid::fontBold() const {
    return d->cursorCell().style.constData()->bold;
}
bool SpreadGrid::fontItalic() const {
    return d->cursorCell().style.constData()->italic;
}
bool SpreadGrid::fontStrikethru() const {
    return d->cursorCell().style.constData()->strike;
}
bool SpreadGrid::fontUnderline() const {
    return d->cursorCell().style.constData()->underline;
}
int SpreadGrid::backColor() const {
    return d->cursorCell().style.constData()->backColor;
}
int SpreadGrid::foreColor() const {
    return d->cursorCell().style.constData()->foreColor;
}

int SpreadGrid::gridColor() const {
    return d->gridColor;
}

void SpreadGrid::setGridColor(int bgr) {
    d->gridColor = bgr;
    d->print.gridColor = bgr;
    d->view->viewport()->update();
}

bool SpreadGrid::displayColHeaders() const {
    return d->displayColHeaders;
}

void SpreadGrid::setDisplayColHeaders(bool on) {
    d->displayColHeaders = on;
    d->view->horizontalHeader()->setVisible(on);
}

bool SpreadGrid::displayRowHeaders() const {
    return d->displayRowHeaders;
}

void SpreadGrid::setDisplayRowHeaders(bool on) {
    d->displayRowHeaders = on;
    d->view->verticalHeader()->setVisible(on);
}

int SpreadGrid::colsFrozen() const {
    return d->colsFrozen;
}

void SpreadGrid::setColsFrozen(int cols) {
    d->colsFrozen = std::max(0, cols);
}

namespace {

// Modes 0 and 1 let the user drag a header's edges; the others fix them.
QHeaderView::ResizeMode headerResizeMode(int mode) {
    return mode == 0 || mode == 1 ? QHeaderView::Interactive : QHeaderView::Fixed;
}

// Setting a header's mode walks all its sections: done only on a change, since the record book sets
// it again for every row it formats.
void setResizeMode(QHeaderView* header, int& current, int mode) {
    const bool same = headerResizeMode(current) == headerResizeMode(mode);
    current = mode;
    if (!same)
        header->setSectionResizeMode(headerResizeMode(mode));
}

} // namespace

void SpreadGrid::setUserResizeRow(int mode) {
    setResizeMode(d->view->verticalHeader(), d->userResizeRow, mode);
}

void SpreadGrid::setUserResizeCol(int mode) {
    setResizeMode(d->view->horizontalHeader(), d->userResizeCol, mode);
}

// --- selection -----------------------------------------------------------------------------------------

bool SpreadGrid::selModeSelected() const {
    if (d->row < 1 || d->row > maxRows())
        return false;
    return d->model->rowData(d->row).selected;
}

void SpreadGrid::setSelModeSelected(bool on) {
    const Impl::Target t = d->target();
    for (int r = std::max(t.r1, 1); r <= std::min(t.r2, maxRows()); ++r)
        d->model->rowData(r).selected = on;
    d->view->viewport()->update();
}

int SpreadGrid::selModeSelCount() const {
    int n = 0;
    for (int r = 1; r <= maxRows(); ++r)
        n += d->model->rowData(r).selected ? 1 : 0;
    return n;
}

int SpreadGrid::selModeIndex() const {
    for (int r = 1; r <= maxRows(); ++r) {
        if (d->model->rowData(r).selected)
            return r;
    }
    return 0;
}

void SpreadGrid::setSelModeIndex(int row) {
    for (int r = 1; r <= maxRows(); ++r)
        d->model->rowData(r).selected = (r == row);
    d->view->viewport()->update();
}

int SpreadGrid::operationMode() const {
    return d->operationMode;
}

void SpreadGrid::setOperationMode(int mode) {
    d->operationMode = std::clamp(mode, 0, 5);
    d->applyOperationMode();
}

int SpreadGrid::searchCol(int col, int row1, int row2, const QString& text, int /*flags*/) const {
    if (col < 0 || col > maxCols())
        return -1;
    const int last = std::min(row2 < 0 ? maxRows() : row2, maxRows());
    for (int r = std::max(row1 + 1, 1); r <= last; ++r) {
        if (d->model->cellText(col, r) == text)
            return r;
    }
    return -1;
}

// --- files and printing --------------------------------------------------------------------------------

bool SpreadGrid::saveTabFile(const QString& path) const {
    PrintSettings all;
    all.useDataMax = true;
    const int lastRow = printLastRow(*d->model, all);
    const int lastCol = printLastCol(*d->model, all);
    QString out;
    for (int r = 1; r <= lastRow; ++r) {
        for (int c = 1; c <= lastCol; ++c) {
            if (c > 1)
                out += QChar('\t');
            out += d->model->cellText(c, r);
        }
        out += QStringLiteral("\r\n");
    }
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw VbError::of(75, QStringLiteral("SpreadGrid"), path + QStringLiteral(": ") + f.errorString());
    const QByteArray bytes = text::toCp932(out);
    if (f.write(bytes) != bytes.size() || !f.flush())
        throw VbError::of(75, QStringLiteral("SpreadGrid"), path + QStringLiteral(": ") + f.errorString());
    return true;
}

void SpreadGrid::setHDCPrinter(QPrinter* printer) {
    d->printer = printer;
}

QPrinter* SpreadGrid::hDCPrinter() const {
    return d->printer;
}

bool SpreadGrid::printSheet(QPrinter* printer) {
    if (!printer)
        return false;
    d->print.gridColor = d->gridColor;
    d->print.fontName = d->model->defaultFontName;
    d->print.fontSize = d->model->defaultFontSize;
    const int pages = spread::printGrid(*d->model, d->print, *printer);
    d->lastPages = std::max(0, pages);
    return pages >= 0;
}

bool SpreadGrid::printSheet(bool /*showDialog*/) {
    return printSheet(d->printer);
}

int SpreadGrid::lastPrintPageCount() const {
    return d->lastPages;
}

#define SPREAD_PRINT_MEMBER(Get, Set, Type, field)                                                           \
    Type SpreadGrid::Get() const {                                                                           \
        return d->print.field;                                                                               \
    }                                                                                                        \
    void SpreadGrid::Set(Type value) {                                                                       \
        d->print.field = value;                                                                              \
    }

SPREAD_PRINT_MEMBER(printBorder, setPrintBorder, bool, border)
SPREAD_PRINT_MEMBER(printColHeaders, setPrintColHeaders, bool, colHeaders)
SPREAD_PRINT_MEMBER(printColor, setPrintColor, bool, color)
SPREAD_PRINT_MEMBER(printGrid, setPrintGrid, bool, grid)
SPREAD_PRINT_MEMBER(printMarginBottom, setPrintMarginBottom, double, marginBottom)
SPREAD_PRINT_MEMBER(printMarginLeft, setPrintMarginLeft, double, marginLeft)
SPREAD_PRINT_MEMBER(printMarginRight, setPrintMarginRight, double, marginRight)
SPREAD_PRINT_MEMBER(printMarginTop, setPrintMarginTop, double, marginTop)
SPREAD_PRINT_MEMBER(printRowHeaders, setPrintRowHeaders, bool, rowHeaders)
SPREAD_PRINT_MEMBER(printShadows, setPrintShadows, bool, shadows)
SPREAD_PRINT_MEMBER(printType, setPrintType, int, type)
SPREAD_PRINT_MEMBER(printUseDataMax, setPrintUseDataMax, bool, useDataMax)
SPREAD_PRINT_MEMBER(printFitRows, setPrintFitRows, int, fitRows)

#undef SPREAD_PRINT_MEMBER

QString SpreadGrid::printAbortMsg() const {
    return d->print.abortMsg;
}
void SpreadGrid::setPrintAbortMsg(const QString& text) {
    d->print.abortMsg = text;
}
QString SpreadGrid::printFooter() const {
    return d->print.footer;
}
void SpreadGrid::setPrintFooter(const QString& codes) {
    d->print.footer = codes;
}
QString SpreadGrid::printHeader() const {
    return d->print.header;
}
void SpreadGrid::setPrintHeader(const QString& codes) {
    d->print.header = codes;
}
QString SpreadGrid::printJobName() const {
    return d->print.jobName;
}
void SpreadGrid::setPrintJobName(const QString& name) {
    d->print.jobName = name;
}

bool SpreadGrid::rowPageBreak() const {
    if (d->row < 1 || d->row > maxRows())
        return false;
    return d->model->rowData(d->row).pageBreak;
}

void SpreadGrid::setRowPageBreak(bool on) {
    const Impl::Target t = d->target();
    for (int r = std::max(t.r1, 1); r <= std::min(t.r2, maxRows()); ++r)
        d->model->rowData(r).pageBreak = on;
}

// --- numbered settings ---------------------------------------------------------------------------------

QVariant SpreadGrid::setting(int id) const {
    switch (id) {
    case 27:
        return colsFrozen();
    case 67:
        return maxCols();
    case 68:
        return maxRows();
    case 191:
        return unitType();
    case 76:
        return operationMode();
    default:
        return d->settings.value(id);
    }
}

void SpreadGrid::setSetting(int id, const QVariant& value) {
    switch (id) {
    case 27:
        setColsFrozen(value.toInt());
        break;
    case 191:
        setUnitType(value.toInt());
        break;
    case 194:
        setUserResizeRow(value.toInt());
        break;
    case 76:
        setOperationMode(value.toInt());
        break;
    default:
        d->settings.insert(id, value);
        break;
    }
}

// --- painting outside the screen -----------------------------------------------------------------------

void SpreadGrid::renderCells(QPainter& painter, const QPoint& topLeft, int col1, int row1, int col2, int row2,
                             bool colHeaders, bool rowHeaders) const {
    PrintSettings s = d->print;
    s.colHeaders = colHeaders;
    s.rowHeaders = rowHeaders;
    s.border = false;
    s.color = true;
    s.grid = true;
    s.gridColor = d->gridColor;
    s.fontName = d->model->defaultFontName;
    s.fontSize = d->model->defaultFontSize;
    PageSlice slice;
    slice.col1 = std::max(1, col1);
    slice.col2 = std::min(col2, maxCols());
    slice.row1 = std::max(1, row1);
    slice.row2 = std::min(row2, maxRows());
    drawBlock(painter, *d->model, s, topLeft, slice);
}
