#pragma once
// A one-line edit bound to a field: plain, forced to upper case, a password shown as one
// character per letter, or masked (dates, times, telephones, CPF, postal codes).
#include "widgets/DataLink.h"
#include "widgets/EditMask.h"

#include <QLineEdit>

namespace widgets {

class DBEdit : public QLineEdit, public DataControl {
    Q_OBJECT
public:
    DBEdit(DataLink *link, const QString &field, QWidget *parent = nullptr);

    // Typing (and pasting) turns letters to upper case.
    void setUpperCase(bool on);
    bool upperCase() const { return upper_; }
    // Every character shown as `c` (the user register shows "#").
    void setPasswordChar(QChar c);
    // A mask in its declared form (see EditMask); empty removes it.
    void setEditMask(const QString &declared);
    const EditMask &editMask() const { return mask_; }
    // Accepts only an integer (digits and a leading sign).
    void setIntegerOnly(bool on);

    bool isBlank() const override;
    QString controlText() const override;

protected:
    void showValue(const fb::Value &value) override;
    fb::Value typedValue() const override;
    void setWritable(bool writable) override;
    void fieldResolved(const data::FieldDef &field) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void updateValidator();
    bool upper_ = false;
    bool integerOnly_ = false;
    EditMask mask_;
};

} // namespace widgets
