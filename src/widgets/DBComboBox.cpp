#include "widgets/DBComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace widgets {

DBComboBox::DBComboBox(DataLink *link, const QString &field, const QStringList &items, bool typingAllowed,
                       QWidget *parent)
    : QComboBox(parent)
{
    setEditable(typingAllowed);
    setInsertPolicy(QComboBox::NoInsert);
    addItems(items);
    connect(this, &QComboBox::activated, this, [this] {
        if (!loading_) {
            markDirty();
            leaveControl(); // a pick is a finished choice, as leaving the control would be
        }
    });
    if (typingAllowed)
        connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString &t) {
            if (upper_ && t != t.toUpper()) {
                const int pos = lineEdit()->cursorPosition();
                lineEdit()->setText(t.toUpper());
                lineEdit()->setCursorPosition(pos);
            }
            markDirty();
        });
    bind(this, link, field);
}

bool DBComboBox::isBlank() const
{
    return controlText().trimmed().isEmpty();
}

QString DBComboBox::controlText() const
{
    return isEditable() ? currentText() : (currentIndex() < 0 ? QString() : currentText());
}

void DBComboBox::showValue(const fb::Value &value)
{
    loading_ = true;
    const QString text = value.isNull() ? QString() : value.toString();
    const int i = findText(text, Qt::MatchExactly);
    if (isEditable()) {
        setCurrentIndex(i);
        setEditText(text);
    } else {
        // A stored text that is not an item shows as no choice.
        setCurrentIndex(i);
    }
    loading_ = false;
}

fb::Value DBComboBox::typedValue() const
{
    const QString t = controlText();
    return t.isEmpty() ? fb::Value() : fb::Value(t);
}

void DBComboBox::setWritable(bool writable)
{
    writable_ = writable;
    if (isEditable())
        lineEdit()->setReadOnly(!writable);
}

void DBComboBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    leaveControl();
}

void DBComboBox::keyPressEvent(QKeyEvent *event)
{
    // Arrow keys would change the pick; in browse state the row must not change.
    if (!writable_ &&
        (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down || event->key() == Qt::Key_PageUp ||
         event->key() == Qt::Key_PageDown || event->key() == Qt::Key_Home || event->key() == Qt::Key_End ||
         !event->text().isEmpty())) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void DBComboBox::wheelEvent(QWheelEvent *event)
{
    if (!writable_)
        return;
    QComboBox::wheelEvent(event);
}

void DBComboBox::showPopup()
{
    if (writable_)
        QComboBox::showPopup();
}

} // namespace widgets
