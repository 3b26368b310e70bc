#include "data/DatasetModel.h"

namespace data {

DatasetModel::DatasetModel(TableDataset *dataset, QObject *parent) : QAbstractTableModel(parent), ds_(dataset)
{
    connect(dataset, &TableDataset::rowsChanged, this, &DatasetModel::reset);
    connect(dataset, &TableDataset::stateChanged, this, &DatasetModel::reset);
    connect(dataset, &TableDataset::currentChanged, this, [this] { emit currentRowChanged(ds_->recNo()); });
    connect(dataset, &TableDataset::currentValuesChanged, this, [this] {
        const int row = ds_->recNo();
        if (row >= 0 && !fields_.empty())
            emit dataChanged(index(row, 0), index(row, int(fields_.size()) - 1));
    });
    resolve();
}

void DatasetModel::setColumns(const QList<ColumnSpec> &columns)
{
    beginResetModel();
    specs_ = columns;
    resolve();
    endResetModel();
}

void DatasetModel::resolve()
{
    fields_.clear();
    if (!ds_ || !ds_->isActive())
        return;
    if (specs_.isEmpty()) {
        for (int i = 0; i < int(ds_->fields().size()); ++i)
            fields_.push_back(i);
        return;
    }
    for (const ColumnSpec &c : specs_) {
        const int i = ds_->fieldIndex(c.field);
        if (i < 0)
            throw DataError(
                QStringLiteral("%1: a grade pede o campo '%2', que não existe").arg(ds_->name(), c.field));
        fields_.push_back(i);
    }
}

void DatasetModel::reset()
{
    beginResetModel();
    resolve();
    endResetModel();
    emit currentRowChanged(ds_ ? ds_->recNo() : -1);
}

int DatasetModel::fieldOfColumn(int column) const
{
    return column >= 0 && column < int(fields_.size()) ? fields_[size_t(column)] : -1;
}

int DatasetModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !ds_ || !ds_->isActive())
        return 0;
    return ds_->recordCount();
}

int DatasetModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    if (!ds_ || !ds_->isActive())
        return int(specs_.size());
    return int(fields_.size());
}

QString DatasetModel::displayText(const FieldDef &f, const fb::Value &v)
{
    if (v.isNull())
        return {};
    switch (f.type) {
    case FieldType::Decimal:
        return v.get<fb::Decimal>().toString().replace(QLatin1Char('.'), QLatin1Char(','));
    case FieldType::Double:
        return QString::number(v.toDouble(), 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
    case FieldType::Time:
        return v.get<fb::Time>().toQTime().toString(QStringLiteral("HH:mm:ss"));
    case FieldType::Blob:
        return QStringLiteral("(BLOB)");
    case FieldType::Memo:
        return v.toString().section(QLatin1Char('\n'), 0, 0);
    default:
        return v.toString();
    }
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !ds_ || !ds_->isActive() || role != Qt::DisplayRole)
        return {};
    const int field = fieldOfColumn(index.column());
    if (field < 0)
        return {};
    return displayText(ds_->fields()[size_t(field)], ds_->visibleValue(index.row(), field));
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < specs_.size() && !specs_[section].title.isEmpty())
        return specs_[section].title;
    const int field = fieldOfColumn(section);
    if (field >= 0)
        return ds_->fields()[size_t(field)].title();
    return section < specs_.size() ? specs_[section].field : QString();
}

} // namespace data
