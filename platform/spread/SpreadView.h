// The table view of the grid and the delegate that paints and edits its cells.
#pragma once
#include <QStyledItemDelegate>
#include <QTableView>

class SpreadGrid;

namespace spread {

class SpreadModel;
struct PaintOptions;

class SpreadView : public QTableView {
    Q_OBJECT
public:
    SpreadView(SpreadGrid* grid, SpreadModel* model);

    SpreadGrid* grid() const { return grid_; }
    SpreadModel* spreadModel() const { return model_; }
    // What the delegate needs beyond the cell itself.
    PaintOptions paintOptions(const QModelIndex& index) const;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    SpreadGrid* grid_;
    SpreadModel* model_;
};

class SpreadDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit SpreadDelegate(SpreadView* view);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

private:
    SpreadView* view_;
};

} // namespace spread
