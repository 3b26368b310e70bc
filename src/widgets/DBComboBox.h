#pragma once
// A drop-down pick list bound to a field: the value is the picked text itself. The fixed kind
// offers only its items; the typing kind also takes any typed text.
#include "widgets/DataLink.h"

#include <QComboBox>

namespace widgets {

class DBComboBox : public QComboBox, public DataControl {
    Q_OBJECT
public:
    DBComboBox(DataLink *link, const QString &field, const QStringList &items, bool typingAllowed,
               QWidget *parent = nullptr);

    void setUpperCase(bool on) { upper_ = on; }
    bool isBlank() const override;
    QString controlText() const override;

protected:
    void showValue(const fb::Value &value) override;
    fb::Value typedValue() const override;
    void setWritable(bool writable) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void showPopup() override;

private:
    bool writable_ = false;
    bool upper_ = false;
    bool loading_ = false;
};

} // namespace widgets
