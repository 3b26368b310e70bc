#include "reports/engine/ReportPainter.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace reports {

namespace {

constexpr double kFrameWidthMm = 0.25;

QRectF toDevice(const QRectF &mm, double dotsPerMm)
{
    return {mm.left() * dotsPerMm, mm.top() * dotsPerMm, mm.width() * dotsPerMm, mm.height() * dotsPerMm};
}

void paintFrame(QPainter &p, const PlacedBand &band, double dotsPerMm)
{
    if (band.frame == FrameNone)
        return;
    const QRectF r = toDevice(band.rect, dotsPerMm);
    p.setPen(QPen(Qt::black, kFrameWidthMm * dotsPerMm));
    if (band.frame & FrameTop)
        p.drawLine(r.topLeft(), r.topRight());
    if (band.frame & FrameBottom)
        p.drawLine(r.bottomLeft(), r.bottomRight());
    if (band.frame & FrameLeft)
        p.drawLine(r.topLeft(), r.bottomLeft());
    if (band.frame & FrameRight)
        p.drawLine(r.topRight(), r.bottomRight());
}

void paintElement(QPainter &p, const PlacedElement &e, double dotsPerMm)
{
    const QRectF r = toDevice(e.rect, dotsPerMm);
    if (e.kind == ElementKind::Image) {
        if (e.image.isNull())
            return;
        if (e.stretch) {
            p.drawImage(r, e.image);
        } else {
            // Natural size follows the picture's own resolution; what passes the box is cut off.
            const double dpmm = e.image.dotsPerMeterX() > 0 ? e.image.dotsPerMeterX() / 1000.0 : 96 / 25.4;
            const QSizeF natural(e.image.width() / dpmm * dotsPerMm, e.image.height() / dpmm * dotsPerMm);
            p.save();
            p.setClipRect(r);
            p.drawImage(QRectF(r.topLeft(), natural), e.image);
            p.restore();
        }
        return;
    }
    if (e.background.isValid())
        p.fillRect(r, e.background);
    if (e.text.isEmpty())
        return;
    p.setFont(e.font);
    p.setPen(e.color);
    // Text that passes its box is cut at the box, as a fixed-size label would.
    p.drawText(r, int(e.alignment) | Qt::TextSingleLine, e.text);
}

} // namespace

void ReportPainter::paintPage(QPainter &painter, const PageModel &model, int page, double dotsPerMm)
{
    const Page &pg = model.pages.at(page);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Frames go over their band's pictures and backgrounds, so a picture as wide as its band does
    // not hide the frame; page elements come last, as the layout placed them.
    for (const PlacedElement &e : pg.elements)
        if (e.band)
            paintElement(painter, e, dotsPerMm);
    for (const PlacedBand &band : pg.bands)
        paintFrame(painter, band, dotsPerMm);
    for (const PlacedElement &e : pg.elements)
        if (!e.band)
            paintElement(painter, e, dotsPerMm);
    painter.restore();
}

QImage ReportPainter::renderPage(const PageModel &model, int page, double dpi)
{
    const double dotsPerMm = dpi / 25.4;
    QImage img(QSize(qRound(model.pageSize.width() * dotsPerMm), qRound(model.pageSize.height() * dotsPerMm)),
               QImage::Format_RGB32);
    const int dpm = qRound(dpi / 0.0254);
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    img.fill(Qt::white);
    QPainter p(&img);
    paintPage(p, model, page, dotsPerMm);
    return img;
}

QPageLayout ReportPainter::pageLayout(const PageModel &model)
{
    const bool landscape = model.pageSize.width() > model.pageSize.height();
    return QPageLayout(QPageSize(QPageSize::A4), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

bool ReportPainter::writePdf(const PageModel &model, const QString &path, const QString &title,
                             QString *error)
{
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly)) {
            if (error)
                *error = probe.errorString();
            return false;
        }
    }
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setPageLayout(pageLayout(model));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("MIRABELTA"));
    QPainter p;
    if (!p.begin(&writer)) {
        if (error)
            *error = QStringLiteral("Não foi possível gravar %1").arg(path);
        return false;
    }
    const double dotsPerMm = writer.resolution() / 25.4;
    for (int i = 0; i < model.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        paintPage(p, model, i, dotsPerMm);
    }
    return p.end();
}

bool ReportPainter::print(const PageModel &model, QPrinter &printer)
{
    printer.setFullPage(true);
    printer.setPageLayout(pageLayout(model));
    QPainter p;
    if (!p.begin(&printer))
        return false;
    const double dotsPerMm = printer.resolution() / 25.4;
    const int from = printer.fromPage() > 0 ? printer.fromPage() - 1 : 0;
    const int to =
        printer.toPage() > 0 ? qMin(printer.toPage(), model.pageCount()) - 1 : model.pageCount() - 1;
    for (int i = from; i <= to; ++i) {
        if (i > from)
            printer.newPage();
        paintPage(p, model, i, dotsPerMm);
    }
    return p.end();
}

} // namespace reports
