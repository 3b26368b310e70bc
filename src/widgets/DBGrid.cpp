#include "widgets/DBGrid.h"

#include "widgets/Guarded.h"

#include <QFont>
#include <QHeaderView>
#include <QItemSelectionModel>

namespace widgets {

void GridModel::setRowPainter(RowPainter painter)
{
    beginResetModel();
    painter_ = std::move(painter);
    endResetModel();
}

void GridModel::setMaskedColumn(const QString &field, QChar c)
{
    beginResetModel();
    masked_.insert(field.toUpper(), c);
    endResetModel();
}

void GridModel::setColumnAlignment(const QString &field, Qt::Alignment alignment)
{
    align_.insert(field.toUpper(), alignment);
}

QString GridModel::fieldNameOf(int column) const
{
    const int f = fieldOfColumn(column);
    return f < 0 ? QString() : dataset()->fields()[size_t(f)].name;
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !dataset() || !dataset()->isActive())
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        QVariant v = DatasetModel::data(index, role);
        const auto it = masked_.constFind(fieldNameOf(index.column()));
        if (it != masked_.constEnd())
            return QString(v.toString().size(), *it);
        return v;
    }
    case Qt::TextAlignmentRole: {
        const auto it = align_.constFind(fieldNameOf(index.column()));
        return it == align_.constEnd() ? QVariant() : QVariant(int(*it | Qt::AlignVCenter));
    }
    case Qt::BackgroundRole:
    case Qt::ForegroundRole:
    case Qt::FontRole: {
        if (!painter_)
            return {};
        const RowStyle s = painter_(*dataset(), index.row());
        if (role == Qt::BackgroundRole)
            return s.background ? QVariant(*s.background) : QVariant();
        if (role == Qt::ForegroundRole)
            return s.text ? QVariant(*s.text) : QVariant();
        if (!s.bold)
            return {};
        QFont f;
        f.setBold(true);
        return f;
    }
    default:
        return {};
    }
}

DBGrid::DBGrid(data::TableDataset *dataset, QWidget *parent)
    : QTableView(parent), ds_(dataset), model_(new GridModel(dataset, this))
{
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    // Selection always visible, also when the grid has no focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
    connect(model_, &data::DatasetModel::currentRowChanged, this, &DBGrid::followCursor);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        fitColumns();
        followCursor(ds_->isActive() ? ds_->recNo() : -1);
    });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { selectionMoved(current); });
    followCursor(ds_->isActive() ? ds_->recNo() : -1);
}

void DBGrid::setColumns(const QList<data::DatasetModel::ColumnSpec> &columns)
{
    fitted_ = false;
    model_->setColumns(columns);
    fitColumns();
}

void DBGrid::fitColumns()
{
    // Once, on the first rows shown: later the user's own column widths stay.
    if (fitted_ || model_->rowCount() == 0)
        return;
    fitted_ = true;
    resizeColumnsToContents();
    for (int c = 0; c < model_->columnCount(); ++c)
        setColumnWidth(c, std::min(columnWidth(c), 320));
}

void DBGrid::followCursor(int row)
{
    if (syncing_)
        return;
    syncing_ = true;
    if (row < 0 || row >= model_->rowCount()) {
        selectionModel()->clear();
    } else {
        const QModelIndex idx = model_->index(row, std::max(0, currentIndex().column()));
        selectionModel()->setCurrentIndex(idx,
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(idx);
    }
    syncing_ = false;
}

void DBGrid::selectionMoved(const QModelIndex &current)
{
    if (syncing_ || !current.isValid() || !ds_->isActive() || current.row() == ds_->recNo())
        return;
    const int clicked = current.row();
    guarded(this, [this, clicked] {
        if (!ds_->isEditing()) {
            ds_->moveTo(clicked);
        } else {
            // Leaving the row posts it, and posting may reorder the rows: find the clicked row
            // again by its values.
            QList<fb::Value> wanted;
            const int n = int(ds_->fields().size());
            for (int f = 0; f < n; ++f)
                wanted << ds_->visibleValue(clicked, f);
            const int editingRow = ds_->recNo();
            ds_->checkBrowseMode();
            int target = -1;
            for (int r = 0; r < ds_->recordCount() && target < 0; ++r) {
                bool same = true;
                for (int f = 0; f < n && same; ++f)
                    same = ds_->visibleValue(r, f) == wanted[f];
                if (same)
                    target = r;
            }
            if (target < 0)
                target = clicked == editingRow ? ds_->recNo() : std::min(clicked, ds_->recordCount() - 1);
            ds_->moveTo(target);
        }
    });
    followCursor(ds_->recNo());
    emit rowClicked(ds_->recNo());
}

} // namespace widgets
