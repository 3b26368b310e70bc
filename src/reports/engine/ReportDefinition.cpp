#include "reports/engine/ReportDefinition.h"

#include "data/TableDataset.h"

#include <QPageSize>

namespace reports {

QSizeF PageSetup::pageSize() const
{
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? a4.transposed() : a4;
}

QSizeF PageSetup::printableSize() const
{
    const QSizeF size = pageSize();
    return {size.width() - 2 * margin, size.height() - 2 * margin};
}

Band &ReportDefinition::addBand(BandKind kind, double height, int frame)
{
    Band band;
    band.kind = kind;
    band.height = height;
    band.frame = frame;
    bands.push_back(band);
    return bands.back();
}

const Band *ReportDefinition::band(BandKind kind) const
{
    for (const Band &b : bands)
        if (b.kind == kind)
            return &b;
    return nullptr;
}

namespace {
Element make(ElementKind kind, const QRectF &rect, double pointSize, FontStyle style, Qt::Alignment alignment)
{
    Element e;
    e.kind = kind;
    e.rect = rect;
    e.pointSize = pointSize;
    e.style = style;
    e.alignment = alignment;
    return e;
}
} // namespace

Element text(const QRectF &rect, const QString &text, double pointSize, FontStyle style,
             Qt::Alignment alignment)
{
    Element e = make(ElementKind::Text, rect, pointSize, style, alignment);
    e.text = text;
    return e;
}

Element field(const QRectF &rect, data::TableDataset *dataset, const QString &field, double pointSize,
              FontStyle style, Qt::Alignment alignment)
{
    Element e = make(ElementKind::Field, rect, pointSize, style, alignment);
    e.dataset = dataset;
    e.field = field;
    return e;
}

Element systemDate(const QRectF &rect, double pointSize, FontStyle style, Qt::Alignment alignment)
{
    return make(ElementKind::SystemDate, rect, pointSize, style, alignment);
}

Element pageNumber(const QRectF &rect, double pointSize, FontStyle style, Qt::Alignment alignment)
{
    return make(ElementKind::PageNumber, rect, pointSize, style, alignment);
}

Element count(const QRectF &rect, double pointSize, FontStyle style, Qt::Alignment alignment)
{
    return make(ElementKind::Count, rect, pointSize, style, alignment);
}

Element image(const QRectF &rect, const QImage &picture, bool stretch)
{
    Element e = make(ElementKind::Image, rect, 0, FontStyle::Regular, Qt::AlignLeft | Qt::AlignTop);
    e.image = picture;
    e.stretch = stretch;
    return e;
}

} // namespace reports
