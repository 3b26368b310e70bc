#include "widgets/DBEdit.h"

#include "data/DatasetModel.h"
#include "rules/UFuncoes.h"

#include <QRegularExpressionValidator>
#include <QValidator>

namespace widgets {
namespace {

// Turns what is typed or pasted to upper case, as the registers store their texts.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

// "HH:mm:ss" with blanks in unfilled places, as a masked time field shows it.
fb::Value readTime(const QString &text, const QString &shown)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    bool ok = parts.size() == 3;
    int hms[3] = {0, 0, 0};
    for (int i = 0; ok && i < 3; ++i) {
        const QString p = parts[i].trimmed();
        hms[i] = p.isEmpty() ? 0 : p.toInt(&ok);
    }
    if (!ok || !QTime::isValid(hms[0], hms[1], hms[2]))
        throw fb::ConversionError(QStringLiteral("'%1' não é uma hora válida").arg(shown));
    return fb::Value(fb::Time::fromHms(hms[0], hms[1], hms[2]));
}

} // namespace

DBEdit::DBEdit(DataLink *link, const QString &field, QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, [this] { markDirty(); });
    bind(this, link, field);
}

void DBEdit::setUpperCase(bool on)
{
    upper_ = on;
    updateValidator();
}

void DBEdit::setIntegerOnly(bool on)
{
    integerOnly_ = on;
    updateValidator();
}

void DBEdit::updateValidator()
{
    QValidator *old = const_cast<QValidator *>(validator());
    if (integerOnly_)
        setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-+]?[0-9]*")), this));
    else if (upper_ && mask_.isEmpty())
        setValidator(new UpperCaseValidator(this));
    else
        setValidator(nullptr);
    delete old;
}

void DBEdit::setPasswordChar(QChar c)
{
    setEchoMode(QLineEdit::Password);
    setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: %1; }").arg(c.unicode()));
}

void DBEdit::setEditMask(const QString &declared)
{
    mask_ = EditMask(declared);
    setInputMask(mask_.inputMask());
    updateValidator();
}

bool DBEdit::isBlank() const
{
    if (!mask_.isEmpty())
        return mask_.nothingTyped(displayText());
    return text().trimmed().isEmpty();
}

QString DBEdit::controlText() const
{
    return mask_.isEmpty() ? text() : mask_.storedText(displayText());
}

void DBEdit::showValue(const fb::Value &value)
{
    const data::FieldDef *f = fieldDef();
    QString shown;
    if (!value.isNull()) {
        if (f && f->type == data::FieldType::Date)
            shown = rules::escreverData(value.toDate());
        else if (f)
            shown = data::DatasetModel::displayText(*f, value);
        else
            shown = value.toString();
    }
    setText(shown);
    setCursorPosition(0);
}

fb::Value DBEdit::typedValue() const
{
    const data::FieldDef *f = fieldDef();
    if (isBlank() && (!f || !f->isText() || !mask_.isEmpty()))
        return fb::Value();
    const QString stored = controlText();
    if (!f)
        return fb::Value(stored);
    switch (f->type) {
    case data::FieldType::Date: {
        const auto d = rules::lerData(stored);
        if (!d)
            throw fb::ConversionError(QStringLiteral("'%1' não é uma data válida").arg(displayText()));
        return fb::Value(*d);
    }
    case data::FieldType::Time:
        return readTime(stored, displayText());
    default:
        if (f->isText() && stored.isEmpty())
            return fb::Value();
        return fb::Value(stored);
    }
}

void DBEdit::setWritable(bool writable)
{
    setReadOnly(!writable);
}

void DBEdit::fieldResolved(const data::FieldDef &field)
{
    // A mask declared on the dataset's field applies when the control has none of its own.
    if (mask_.isEmpty() && !field.editMask.isEmpty())
        setEditMask(field.editMask);
    // A masked field is as long as its mask; a text field as its column.
    if (mask_.isEmpty() && field.isText() && field.size > 0)
        setMaxLength(field.size);
}

void DBEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    leaveControl();
}

} // namespace widgets
