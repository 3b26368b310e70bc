#pragma once
// An item model over a table dataset for grids: chosen columns with titles, following the
// dataset's filter, order and cursor. It never reads from the server by itself.
#include "data/TableDataset.h"

#include <QAbstractTableModel>
#include <QPointer>

namespace data {

class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct ColumnSpec {
        QString field;
        QString title; // empty: the field's display label, else its name
    };

    explicit DatasetModel(TableDataset *dataset, QObject *parent = nullptr);
    // Columns by field name; an empty list shows every field. Names resolve at each open, and a
    // name the dataset does not have is refused when the dataset is open.
    void setColumns(const QList<ColumnSpec> &columns);
    TableDataset *dataset() const { return ds_; }
    int fieldOfColumn(int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // How a stored value reads in a grid cell (dates dd/MM/yyyy, decimals with a comma).
    static QString displayText(const FieldDef &field, const fb::Value &value);

signals:
    // The dataset's current row, as a model row (-1 when none).
    void currentRowChanged(int row);

private:
    void resolve();
    void reset();
    QPointer<TableDataset> ds_;
    QList<ColumnSpec> specs_;
    std::vector<int> fields_;
};

} // namespace data
