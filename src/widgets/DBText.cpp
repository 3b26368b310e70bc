#include "widgets/DBText.h"

#include "data/DatasetModel.h"
#include "rules/UFuncoes.h"

namespace widgets {

DBText::DBText(DataLink *link, const QString &field, QWidget *parent) : QLabel(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setMinimumWidth(60);
    bind(this, link, field);
}

void DBText::showValue(const fb::Value &value)
{
    const data::FieldDef *f = fieldDef();
    if (value.isNull())
        setText(QString());
    else if (f && f->type == data::FieldType::Date)
        setText(rules::escreverData(value.toDate()));
    else
        setText(f ? data::DatasetModel::displayText(*f, value) : value.toString());
}

} // namespace widgets
