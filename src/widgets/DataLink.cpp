#include "widgets/DataLink.h"

#include "widgets/Guarded.h"

namespace widgets {

DataControl::~DataControl()
{
    if (link_)
        link_->remove(this);
}

void DataControl::bind(QWidget *self, DataLink *link, const QString &field)
{
    widget_ = self;
    link_ = link;
    field_ = field;
    link->add(this);
}

const data::FieldDef *DataControl::fieldDef() const
{
    if (!link_ || fieldIndex_ < 0 || !link_->dataset()->isActive())
        return nullptr;
    return &link_->dataset()->fields()[size_t(fieldIndex_)];
}

void DataControl::writeToField()
{
    if (!dirty_ || !link_)
        return;
    data::TableDataset *ds = link_->dataset();
    if (!ds->isEditing())
        return;
    ds->setValue(field_, typedValue());
    dirty_ = false;
}

void DataControl::leaveControl()
{
    guarded(widget_, [this] { writeToField(); });
}

void DataControl::refresh(bool force)
{
    data::TableDataset *ds = link_ ? link_->dataset() : nullptr;
    if (!ds)
        return;
    const bool editing = ds->isEditing();
    setWritable(editing);
    // Keep what the user is typing when only another field of the row changed.
    if (dirty_ && editing && !force)
        return;
    dirty_ = false;
    if (!ds->isActive() || fieldIndex_ < 0 || (ds->isEmpty() && !editing))
        showValue(fb::Value());
    else
        showValue(ds->value(fieldIndex_));
}

DataLink::DataLink(data::TableDataset *dataset, const QString &name, QObject *parent)
    : QObject(parent), ds_(dataset)
{
    setObjectName(name);
    connect(ds_, &data::TableDataset::stateChanged, this, [this] {
        if (ds_->isActive())
            verify();
        refreshControls();
    });
    connect(ds_, &data::TableDataset::currentChanged, this, &DataLink::refreshControls);
    connect(ds_, &data::TableDataset::rowsChanged, this, [this] {
        if (!ds_->isEditing())
            refreshControls();
    });
    connect(ds_, &data::TableDataset::currentValuesChanged, this, &DataLink::valuesChanged);
}

DataLink::~DataLink()
{
    for (DataControl *c : controls_)
        c->link_ = nullptr;
}

DataControl *DataLink::control(const QString &objectName) const
{
    for (DataControl *c : controls_)
        if (c->widget() && c->widget()->objectName() == objectName)
            return c;
    return nullptr;
}

void DataLink::add(DataControl *c)
{
    controls_ << c;
    if (ds_->isActive())
        resolve(c);
    c->refresh(true);
}

void DataLink::remove(DataControl *c)
{
    controls_.removeAll(c);
}

void DataLink::resolve(DataControl *c) const
{
    const int i = ds_->fieldIndex(c->field_);
    if (i < 0) {
        c->fieldIndex_ = -1;
        const QString who = c->widget() ? c->widget()->objectName() : QString();
        throw data::DataError(QStringLiteral("%1: o controle '%2' pede o campo '%3', que não existe")
                                  .arg(ds_->name(), who, c->field_));
    }
    c->fieldIndex_ = i;
    c->fieldResolved(ds_->fields()[size_t(i)]);
}

void DataLink::verify() const
{
    if (!ds_->isActive())
        return;
    for (DataControl *c : controls_)
        resolve(c);
}

void DataLink::updateRecord()
{
    for (DataControl *c : controls_)
        c->writeToField();
}

void DataLink::refreshControls()
{
    for (DataControl *c : controls_)
        c->refresh(true);
}

void DataLink::valuesChanged()
{
    for (DataControl *c : controls_)
        c->refresh(false);
}

} // namespace widgets
