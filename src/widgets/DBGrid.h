#pragma once
// A grid over a table dataset: whole-row selection, titled columns, the dataset's cursor and the
// selected row kept in step both ways, and an optional painter giving each row its colours.
#include "data/DatasetModel.h"

#include <QColor>
#include <QTableView>
#include <functional>
#include <optional>

namespace widgets {

// How one row is drawn; unset parts keep the grid's look.
struct RowStyle {
    std::optional<QColor> background;
    std::optional<QColor> text;
    bool bold = false;
};

// The grid's model: the dataset model plus row colours and columns shown masked.
class GridModel : public data::DatasetModel {
    Q_OBJECT
public:
    using RowPainter = std::function<RowStyle(data::TableDataset &dataset, int visibleRow)>;
    using DatasetModel::DatasetModel;

    void setRowPainter(RowPainter painter);
    // Every character of the column's values shown as `c` (passwords).
    void setMaskedColumn(const QString &field, QChar c);
    void setColumnAlignment(const QString &field, Qt::Alignment alignment);
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QString fieldNameOf(int column) const;
    RowPainter painter_;
    QHash<QString, QChar> masked_;
    QHash<QString, Qt::Alignment> align_;
};

class DBGrid : public QTableView {
    Q_OBJECT
public:
    explicit DBGrid(data::TableDataset *dataset, QWidget *parent = nullptr);

    // Columns by field name, with titles (an empty title shows the field's label or name).
    void setColumns(const QList<data::DatasetModel::ColumnSpec> &columns);
    void setRowPainter(GridModel::RowPainter painter) { model_->setRowPainter(std::move(painter)); }
    void setMaskedColumn(const QString &field, QChar c) { model_->setMaskedColumn(field, c); }
    void setColumnAlignment(const QString &field, Qt::Alignment a) { model_->setColumnAlignment(field, a); }
    GridModel *gridModel() const { return model_; }
    data::TableDataset *dataset() const { return ds_; }

signals:
    // The user picked a row (click or keys) and the dataset's cursor followed it.
    void rowClicked(int visibleRow);

private:
    void followCursor(int row);
    void fitColumns();
    void selectionMoved(const QModelIndex &current);
    data::TableDataset *ds_;
    GridModel *model_;
    bool syncing_ = false;
    bool fitted_ = false;
};

} // namespace widgets
