#include "platform/spread/SpreadView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>

#include "platform/spread/SpreadGridImpl.h"
#include "platform/spread/SpreadPaint.h"
#include "platform/text/Era.h"

namespace spread {

// --- view --------------------------------------------------------------------------------------------

SpreadView::SpreadView(SpreadGrid* grid, SpreadModel* model) : QTableView(grid), grid_(grid), model_(model) {
    setModel(model);
    setItemDelegate(new SpreadDelegate(this));
    setShowGrid(false); // the delegate draws grid lines together with cell borders
    setTabKeyNavigation(false);
    setWordWrap(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    verticalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(model->defaultRowHeightPx());
    horizontalHeader()->setDefaultSectionSize(model->defaultColWidthPx());
    verticalHeader()->setHighlightSections(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    verticalHeader()->setSectionsClickable(true);

    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { emit grid_->Click(section + 1, 0); });
    connect(horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int section) { emit grid_->DblClick(section + 1, 0); });
    connect(verticalHeader(), &QHeaderView::sectionClicked, this,
            [this](int section) { emit grid_->Click(0, section + 1); });
    connect(verticalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int section) { emit grid_->DblClick(0, section + 1); });
}

PaintOptions SpreadView::paintOptions(const QModelIndex& index) const {
    const SpreadGrid::Impl* d = grid_->d;
    PaintOptions o;
    o.gridColor = d->gridColor;
    o.highlight = palette().color(QPalette::Highlight);
    const int row = index.row() + 1;
    const int col = index.column() + 1;
    o.rowSelected = model_->rowData(row).selected || (d->operationMode == 2 && row == d->activeRow) ||
                    (d->operationMode == 0 && selectionModel() && selectionModel()->isSelected(index) &&
                     index != currentIndex());
    o.active = (d->operationMode == 0 || d->operationMode == 2) && row == d->activeRow && col == d->activeCol;
    return o;
}

void SpreadView::mousePressEvent(QMouseEvent* e) {
    const QModelIndex idx = indexAt(e->position().toPoint());
    QTableView::mousePressEvent(e);
    if (idx.isValid() && e->button() == Qt::LeftButton)
        grid_->d->cellPressed(idx.column() + 1, idx.row() + 1, e->modifiers());
}

void SpreadView::mouseDoubleClickEvent(QMouseEvent* e) {
    const QModelIndex idx = indexAt(e->position().toPoint());
    QTableView::mouseDoubleClickEvent(e);
    if (idx.isValid() && e->button() == Qt::LeftButton)
        grid_->d->cellDoubleClicked(idx.column() + 1, idx.row() + 1);
}

void SpreadView::keyPressEvent(QKeyEvent* e) {
    // Tab and Backtab leave the grid for the next control, as on a form.
    if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) {
        e->ignore();
        grid_->d->keyPressed(e->key(), e->modifiers(), false);
        return;
    }
    const bool space = e->key() == Qt::Key_Space;
    if (!space)
        QTableView::keyPressEvent(e);
    else
        e->accept();
    grid_->d->keyPressed(e->key(), e->modifiers(), space);
}

void SpreadView::focusInEvent(QFocusEvent* e) {
    QTableView::focusInEvent(e);
    emit grid_->GotFocus();
}

void SpreadView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        grid_->d->viewCurrentChanged(current.column() + 1, current.row() + 1);
}

// --- delegate ----------------------------------------------------------------------------------------

SpreadDelegate::SpreadDelegate(SpreadView* view) : QStyledItemDelegate(view), view_(view) {}

void SpreadDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    paintCell(*painter, *view_->spreadModel(), index.column() + 1, index.row() + 1, option.rect,
              view_->paintOptions(index));
}

QWidget* SpreadDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex& index) const {
    const SpreadModel* m = view_->spreadModel();
    const CellStyle& st = m->style(index.column() + 1, index.row() + 1);
    QWidget* editor = nullptr;
    if (st.type == 1 && st.multiLine) {
        auto* e = new QPlainTextEdit(parent);
        e->setFrameShape(QFrame::NoFrame);
        e->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        editor = e;
    } else {
        auto* e = new QLineEdit(parent);
        e->setFrame(false);
        if (st.type == 1 && st.maxLen > 0)
            e->setMaxLength(st.maxLen);
        if (st.type == 1 && st.password)
            e->setEchoMode(QLineEdit::Password);
        editor = e;
    }
    editor->setFont(cellFont(st));
    return editor;
}

void SpreadDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = view_->spreadModel()->cellText(index.column() + 1, index.row() + 1);
    if (auto* e = qobject_cast<QPlainTextEdit*>(editor))
        e->setPlainText(normalizedText(text));
    else if (auto* l = qobject_cast<QLineEdit*>(editor))
        l->setText(text);
}

void SpreadDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    QString text;
    if (auto* e = qobject_cast<QPlainTextEdit*>(editor)) {
        text = e->toPlainText();
        text.replace(QChar('\n'), QStringLiteral("\r\n")); // the program's line break
    } else if (auto* l = qobject_cast<QLineEdit*>(editor)) {
        text = l->text();
    }
    const CellStyle& st = view_->spreadModel()->style(index.column() + 1, index.row() + 1);
    if (st.type == 0 && !text.trimmed().isEmpty()) {
        const QDate date = era::parseDate(text);
        if (!date.isValid())
            return; // not a date: the cell keeps its value
        text = date.toString(QStringLiteral("yyyy/MM/dd"));
    }
    model->setData(index, text, Qt::EditRole);
}

void SpreadDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                          const QModelIndex&) const {
    editor->setGeometry(option.rect.adjusted(0, 0, -1, -1));
}

} // namespace spread
