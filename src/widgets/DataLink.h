#pragma once
// The link between one table dataset and the data-aware controls of a window: it shows the
// current row in every control, keeps the controls read-only unless the dataset is being edited,
// and writes what was typed into the row.
#include "data/TableDataset.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace widgets {

class DataLink;

// What every data-aware control does; the controls are QWidgets that also derive from this.
class DataControl {
public:
    virtual ~DataControl();
    const QString &fieldName() const { return field_; }
    DataLink *dataLink() const { return link_; }
    QWidget *widget() const { return widget_; }

    // True when the user typed something not yet written into the row.
    bool isDirty() const { return dirty_; }
    // True when the control holds nothing typed (blanks and mask literals do not count).
    virtual bool isBlank() const = 0;
    // The control's text as the required-field check reads it.
    virtual QString controlText() const = 0;

    // Writes the typed value into the row when the dataset is being edited; throws when the
    // text cannot be read as the field's type (the control keeps it).
    void writeToField();

protected:
    // Binds to `field` of the link's dataset; throws data::DataError at once when the dataset is
    // open and has no such field, or when it opens later without it.
    void bind(QWidget *self, DataLink *link, const QString &field);
    void markDirty() { dirty_ = true; }

    // Shows a stored value (null: empty).
    virtual void showValue(const fb::Value &value) = 0;
    // What was typed, as the value to store.
    virtual fb::Value typedValue() const = 0;
    // Read-only unless the dataset is being edited.
    virtual void setWritable(bool writable) = 0;
    // Called with the field's definition once it resolves (length limits, formats).
    virtual void fieldResolved(const data::FieldDef &) {}
    const data::FieldDef *fieldDef() const;
    // For focus-out handlers: writes what was typed, showing an error instead of throwing.
    void leaveControl();

private:
    friend class DataLink;
    void refresh(bool force);
    QString field_;
    QPointer<DataLink> link_;
    QWidget *widget_ = nullptr;
    bool dirty_ = false;
    int fieldIndex_ = -1;
};

class DataLink : public QObject {
    Q_OBJECT
public:
    // `name` is the link's objectName (the screens' "dsserie", "dslogin", ...).
    DataLink(data::TableDataset *dataset, const QString &name, QObject *parent = nullptr);
    ~DataLink() override;
    data::TableDataset *dataset() const { return ds_; }
    const QList<DataControl *> &controls() const { return controls_; }
    DataControl *control(const QString &objectName) const;

    // Checks that every bound field exists in the open dataset; throws data::DataError naming
    // the control and the field otherwise. No effect while the dataset is closed.
    void verify() const;
    // Writes every control's typed value into the row being edited (before a post).
    void updateRecord();
    // Shows the current row again in every control, dropping what was typed.
    void refreshControls();

private:
    friend class DataControl;
    void add(DataControl *c);
    void remove(DataControl *c);
    void resolve(DataControl *c) const;
    void valuesChanged();

    data::TableDataset *ds_;
    QList<DataControl *> controls_;
};

} // namespace widgets
