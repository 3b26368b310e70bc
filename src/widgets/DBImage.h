#pragma once
// A picture box for a photo kept in a BLOB field: shows the picture, and while the row is being
// edited takes a new one from a file the user picks.
#include "widgets/DataLink.h"

#include <QByteArray>
#include <QLabel>

namespace widgets {

class DBImage : public QLabel, public DataControl {
    Q_OBJECT
public:
    DBImage(DataLink *link, const QString &field, QWidget *parent = nullptr);

    bool isBlank() const override { return bytes_.isEmpty(); }
    QString controlText() const override { return {}; }
    // Asks for a picture file and puts it into the row; false when cancelled, not editing, or the
    // file is not a picture (the row is left as it was).
    bool loadFromFile();
    // Empties the picture of the row being edited.
    void clearPicture();
    const QByteArray &pictureBytes() const { return bytes_; }

protected:
    void showValue(const fb::Value &value) override;
    fb::Value typedValue() const override;
    void setWritable(bool writable) override { writable_ = writable; }
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void render();
    QByteArray bytes_;
    bool writable_ = false;
};

} // namespace widgets
