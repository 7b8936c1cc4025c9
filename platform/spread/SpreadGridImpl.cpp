// Inside behaviour of the grid: the cells a setting applies to, unit conversion, keeping the view in
// step with the model, delayed scrolling while redraw is off, and the user's clicks and keys in each
// selection and operation mode.
#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

#include "platform/spread/SpreadGridImpl.h"
#include "platform/spread/SpreadPaint.h"
#include "platform/text/KeyCodes.h"

using namespace spread;

namespace {

const Cell& noCell() {
    static const Cell c = [] {
        Cell x;
        x.style = new CellStyle;
        x.style->fontName = QStringLiteral("ＭＳ Ｐゴシック");
        return x;
    }();
    return c;
}

} // namespace

// --- Impl: addressing ------------------------------------------------------------------------------------

bool SpreadGrid::Impl::rangeOf(int a, int b, int maxv, int& lo, int& hi) {
    if (a == -1 || b == -1) {
        lo = 1;
        hi = maxv;
        return true;
    }
    lo = std::min(a, b);
    hi = std::max(a, b);
    return false;
}

SpreadGrid::Impl::Target SpreadGrid::Impl::target() const {
    Target t{};
    const int nr = model->maxRows();
    const int nc = model->maxCols();
    const auto range = &Impl::rangeOf;
    if (block) {
        t.allRows = range(row, row2, nr, t.r1, t.r2);
        range(col, col2, nc, t.c1, t.c2);
    } else {
        range(col, col, nc, t.c1, t.c2);
        t.allRows = range(row, row, nr, t.r1, t.r2);
    }
    if (t.r1 < 0 || t.c1 < 0) { // below -1: nothing
        t.r1 = 1;
        t.r2 = 0;
    }
    return t;
}

const Cell& SpreadGrid::Impl::cursorCell() const {
    const int c = col == -1 ? 1 : col;
    if (c < 0 || c > model->maxCols())
        return noCell();
    if (row == -1)
        return model->column(c).defaults;
    if (row < 0 || row > model->maxRows())
        return noCell();
    return model->cell(c, row);
}

// --- Impl: units ---------------------------------------------------------------------------------------

int SpreadGrid::Impl::rowPx(double h) const {
    return std::max(0, unitType == UnitTwips ? qRound(h / kTwipsPerPixel) : qRound(h / kRowUnitsPerPixel));
}
double SpreadGrid::Impl::rowUnits(int px) const {
    return unitType == UnitTwips ? double(px) * kTwipsPerPixel : double(px) * 15.0 / 22.0;
}
int SpreadGrid::Impl::colPx(double w) const {
    return std::max(0, unitType == UnitTwips ? qRound(w / kTwipsPerPixel) : qRound(w * kPixelsPerColUnit));
}
double SpreadGrid::Impl::colUnits(int px) const {
    return unitType == UnitTwips ? double(px) * kTwipsPerPixel : double(px) / kPixelsPerColUnit;
}

// --- Impl: view upkeep ---------------------------------------------------------------------------------

void SpreadGrid::Impl::clampActive() {
    const int nr = model->maxRows();
    const int nc = model->maxCols();
    if (nr < 1 || nc < 1) {
        activeRow = nr < 1 ? 0 : std::clamp(activeRow, 1, nr);
        activeCol = nc < 1 ? 0 : std::clamp(activeCol, 1, nc);
        return;
    }
    activeRow = std::clamp(activeRow, 1, nr);
    activeCol = std::clamp(activeCol, 1, nc);
}

void SpreadGrid::Impl::afterChange() {
    clampActive();
    if (!redraw)
        return;
    if (model->takeSizesDirty())
        syncSizes();
    if (model->takeSpansDirty())
        syncSpans();
    syncActive();
}

void SpreadGrid::Impl::syncSpans() {
    view->clearSpans();
    for (const Span& s : model->spans())
        view->setSpan(s.row - 1, s.col - 1, s.rows, s.cols);
}

void SpreadGrid::Impl::syncSizes() {
    syncing = true;
    QHeaderView* vh = view->verticalHeader();
    QHeaderView* hh = view->horizontalHeader();
    if (vh->defaultSectionSize() != model->defaultRowHeightPx())
        vh->setDefaultSectionSize(model->defaultRowHeightPx());
    const int nr = model->maxRows();
    for (int r = 1; r <= nr; ++r) {
        const int px = model->rowHeightPx(r);
        if (vh->sectionSize(r - 1) != px)
            vh->resizeSection(r - 1, px);
    }
    const int nc = model->maxCols();
    for (int c = 1; c <= nc; ++c) {
        const ColumnData& cd = model->column(c);
        if (view->isColumnHidden(c - 1) != cd.hidden)
            view->setColumnHidden(c - 1, cd.hidden);
        if (!cd.hidden && hh->sectionSize(c - 1) != cd.width)
            hh->resizeSection(c - 1, cd.width);
    }
    hh->setFixedHeight(model->rowHeightPx(0));
    vh->setFixedWidth(model->colWidthPx(0));
    hh->setVisible(displayColHeaders);
    vh->setVisible(displayRowHeaders);
    syncing = false;
}

void SpreadGrid::Impl::syncActive() {
    if (!redraw || !view->selectionModel())
        return;
    syncing = true;
    if (activeRow >= 1 && activeCol >= 1) {
        const QModelIndex idx = model->index(activeRow - 1, activeCol - 1);
        if (view->currentIndex() != idx)
            view->selectionModel()->setCurrentIndex(idx, QItemSelectionModel::NoUpdate);
    }
    syncing = false;
    view->viewport()->update();
}

void SpreadGrid::Impl::syncFull() {
    syncSizes();
    syncSpans();
    syncActive();
}

void SpreadGrid::Impl::scrollTo(const ScrollRequest& request) {
    if (model->maxRows() < 1 || model->maxCols() < 1)
        return;
    const int r = std::clamp(request.row, 1, model->maxRows());
    const int c = std::clamp(request.col, 1, model->maxCols());
    view->updateGeometry();
    view->doItemsLayout();
    const QModelIndex idx = model->index(r - 1, c - 1);
    if (request.pos < 0) {
        view->scrollTo(idx, QAbstractItemView::EnsureVisible);
        return;
    }
    if (request.pos <= 2) {
        // Top-left of the view: rows scroll by item, columns by pixel.
        view->verticalScrollBar()->setValue(r - 1);
        view->horizontalScrollBar()->setValue(view->horizontalHeader()->sectionPosition(c - 1));
        return;
    }
    view->scrollTo(idx, request.pos <= 5 ? QAbstractItemView::PositionAtCenter
                                         : QAbstractItemView::PositionAtBottom);
}

void SpreadGrid::Impl::applyPendingScrolls() {
    const ScrollRequest show = pendingShow;
    const ScrollRequest active = pendingActive;
    pendingShow.pending = false;
    pendingActive.pending = false;
    if (show.pending)
        scrollTo(show);
    if (active.pending)
        scrollTo(active);
}

void SpreadGrid::Impl::applyOperationMode() {
    model->editable = operationMode == 0 || operationMode == 2;
    if (operationMode == 0) {
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setSelectionBehavior(QAbstractItemView::SelectItems);
    } else {
        view->setSelectionMode(QAbstractItemView::NoSelection);
    }
    view->setEditTriggers(model->editable
                              ? (QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::AnyKeyPressed)
                              : QAbstractItemView::NoEditTriggers);
    view->viewport()->update();
}

// --- Impl: events from the view ------------------------------------------------------------------------

void SpreadGrid::Impl::toAnchor(int& c, int& r) const {
    if (const Span* s = model->spanAt(c, r)) {
        c = s->col;
        r = s->row;
    }
}

void SpreadGrid::Impl::activateByUser(int& c, int& r) {
    toAnchor(c, r);
    activeCol = c;
    activeRow = r;
    syncActive();
}

bool SpreadGrid::Impl::toggleCheckBox(int c, int r) {
    const Cell& cell = model->cell(c, r);
    if (cell.style.constData()->type != SpreadGrid::CellTypeCheckBox || !model->editable)
        return false;
    model->setCellText(c, r, cell.text == QLatin1String("1") ? QStringLiteral("0") : QStringLiteral("1"));
    emit q->ButtonClicked(c, r, 1);
    emit q->Change(c, r);
    return true;
}

void SpreadGrid::Impl::viewCurrentChanged(int c, int r) {
    if (syncing || !redraw)
        return;
    toAnchor(c, r);
    activeCol = c;
    activeRow = r;
    view->viewport()->update();
}

void SpreadGrid::Impl::cellPressed(int c, int r, Qt::KeyboardModifiers mods) {
    activateByUser(c, r);
    toggleCheckBox(c, r);
    auto selectOnly = [&](int row) {
        for (int k = 1; k <= model->maxRows(); ++k)
            model->rowData(k).selected = (k == row);
    };
    switch (operationMode) {
    case 3:
        selectOnly(r);
        break;
    case 1: // read only: the row still toggles, and the program's click handler turns it back
    case 4:
        model->rowData(r).selected = !model->rowData(r).selected;
        break;
    case 5:
        if (mods & Qt::ControlModifier) {
            model->rowData(r).selected = !model->rowData(r).selected;
        } else if ((mods & Qt::ShiftModifier) && extendAnchorRow >= 1 &&
                   extendAnchorRow <= model->maxRows()) {
            const int a = std::min(extendAnchorRow, r);
            const int b = std::max(extendAnchorRow, r);
            for (int k = 1; k <= model->maxRows(); ++k)
                model->rowData(k).selected = k >= a && k <= b;
        } else {
            selectOnly(r);
        }
        if (!(mods & Qt::ShiftModifier))
            extendAnchorRow = r;
        break;
    default:
        break;
    }
    view->viewport()->update();
    emit q->Click(c, r);
}

void SpreadGrid::Impl::cellDoubleClicked(int c, int r) {
    activateByUser(c, r);
    emit q->DblClick(c, r);
}

void SpreadGrid::Impl::keyPressed(int key, Qt::KeyboardModifiers mods, bool space) {
    if (activeRow >= 1 && activeCol >= 1) {
        if (space && !toggleCheckBox(activeCol, activeRow) && operationMode == 4)
            model->rowData(activeRow).selected = !model->rowData(activeRow).selected;
        const bool moves = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
                           key == Qt::Key_PageDown || key == Qt::Key_Home || key == Qt::Key_End;
        if (moves && (operationMode == 3 || (operationMode == 5 && !(mods & Qt::ControlModifier)))) {
            for (int k = 1; k <= model->maxRows(); ++k)
                model->rowData(k).selected = (k == activeRow);
            extendAnchorRow = activeRow;
        }
        view->viewport()->update();
    }
    emit q->KeyDown(keys::windowsKeyCode(key, mods), keys::windowsShiftState(mods));
}
