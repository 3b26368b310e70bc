#include "widgets/DBMemo.h"

#include <QKeyEvent>

namespace widgets {

DBMemo::DBMemo(DataLink *link, const QString &field, QWidget *parent) : QPlainTextEdit(parent)
{
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!loading_)
            markDirty();
    });
    bind(this, link, field);
}

void DBMemo::fieldResolved(const data::FieldDef &field)
{
    maxLength_ = field.type == data::FieldType::Text ? field.size : 0;
}

void DBMemo::showValue(const fb::Value &value)
{
    loading_ = true;
    setPlainText(value.isNull() ? QString() : value.toString());
    loading_ = false;
}

fb::Value DBMemo::typedValue() const
{
    QString t = toPlainText();
    if (maxLength_ > 0 && t.size() > maxLength_)
        t.truncate(maxLength_);
    return t.isEmpty() ? fb::Value() : fb::Value(t);
}

void DBMemo::keyPressEvent(QKeyEvent *event)
{
    if (upper_ && !isReadOnly() && !event->text().isEmpty() && event->text() != event->text().toUpper()) {
        QKeyEvent up(event->type(), event->key(), event->modifiers(), event->text().toUpper(),
                     event->isAutoRepeat(), ushort(event->count()));
        QPlainTextEdit::keyPressEvent(&up);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void DBMemo::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    leaveControl();
}

} // namespace widgets
