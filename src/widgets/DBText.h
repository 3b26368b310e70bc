#pragma once
// A read-only display of a field (the registers' "display only" codes).
#include "widgets/DataLink.h"

#include <QLabel>

namespace widgets {

class DBText : public QLabel, public DataControl {
    Q_OBJECT
public:
    DBText(DataLink *link, const QString &field, QWidget *parent = nullptr);
    bool isBlank() const override { return text().trimmed().isEmpty(); }
    QString controlText() const override { return text(); }

protected:
    void showValue(const fb::Value &value) override;
    fb::Value typedValue() const override { return {}; }
    void setWritable(bool) override {}
};

} // namespace widgets
