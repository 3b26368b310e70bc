#include "widgets/DBImage.h"

#include "seams/Messages.h"
#include "seams/Shell.h"
#include "widgets/Guarded.h"

#include <QFile>
#include <QImage>
#include <QPixmap>

namespace widgets {

DBImage::DBImage(DataLink *link, const QString &field, QWidget *parent) : QLabel(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setAlignment(Qt::AlignCenter);
    setMinimumSize(90, 110);
    bind(this, link, field);
}

bool DBImage::loadFromFile()
{
    if (!writable_)
        return false;
    const QString path = seams::shell().openFileName(
        this, QStringLiteral("Abrir imagem"),
        QStringLiteral("Imagens (*.jpg *.jpeg *.png *.bmp);;Todos os arquivos (*.*)"));
    if (path.isEmpty())
        return false;
    QFile f(path);
    QByteArray bytes;
    if (f.open(QIODevice::ReadOnly))
        bytes = f.readAll();
    if (bytes.isEmpty() || QImage::fromData(bytes).isNull()) {
        seams::showMessage(QStringLiteral("O arquivo não é uma imagem: %1").arg(path), this);
        return false;
    }
    bytes_ = bytes;
    render();
    markDirty();
    return guarded(this, [this] { writeToField(); });
}

void DBImage::clearPicture()
{
    if (!writable_)
        return;
    bytes_.clear();
    render();
    markDirty();
    guarded(this, [this] { writeToField(); });
}

void DBImage::showValue(const fb::Value &value)
{
    bytes_ = value.holds<QByteArray>() ? value.get<QByteArray>() : QByteArray();
    render();
}

fb::Value DBImage::typedValue() const
{
    return bytes_.isEmpty() ? fb::Value() : fb::Value(bytes_);
}

void DBImage::render()
{
    QPixmap pm;
    if (!bytes_.isEmpty())
        pm.loadFromData(bytes_);
    if (pm.isNull())
        setPixmap(QPixmap());
    else
        setPixmap(pm.scaled(contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void DBImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    loadFromFile();
}

void DBImage::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    render();
}

} // namespace widgets
