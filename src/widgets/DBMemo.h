#pragma once
// A multi-line text bound to a field.
#include "widgets/DataLink.h"

#include <QPlainTextEdit>

namespace widgets {

class DBMemo : public QPlainTextEdit, public DataControl {
    Q_OBJECT
public:
    DBMemo(DataLink *link, const QString &field, QWidget *parent = nullptr);
    void setUpperCase(bool on) { upper_ = on; }
    bool isBlank() const override { return toPlainText().trimmed().isEmpty(); }
    QString controlText() const override { return toPlainText(); }

protected:
    void showValue(const fb::Value &value) override;
    fb::Value typedValue() const override;
    void setWritable(bool writable) override { setReadOnly(!writable); }
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool loading_ = false;
    bool upper_ = false;
    int maxLength_ = 0;
    void fieldResolved(const data::FieldDef &field) override;
};

} // namespace widgets
