#include "reports/engine/ReportLayout.h"

#include "data/DatasetModel.h"
#include "data/TableDataset.h"
#include "seams/Clock.h"

#include <QFontMetricsF>

namespace reports {

namespace {

// Bands that end exactly at the footer must still fit despite rounding of the millimetres.
constexpr double kEpsilon = 1e-6;

// Text is measured on a fine-grained device so widths do not depend on the screen.
constexpr int kMeasureDpi = 720;

const QImage &measureDevice()
{
    static const QImage device = [] {
        QImage img(1, 1, QImage::Format_ARGB32);
        const int dpm = qRound(kMeasureDpi / 0.0254);
        img.setDotsPerMeterX(dpm);
        img.setDotsPerMeterY(dpm);
        return img;
    }();
    return device;
}

class Run {
public:
    explicit Run(const ReportDefinition &def) : def_(def)
    {
        model_.pageSize = def.page.pageSize();
        model_.margin = def.page.margin;
        top_ = def.page.margin;
        bottom_ = def.page.margin + def.page.printableSize().height();
        if (const Band *footer = def.band(BandKind::PageFooter))
            footerTop_ = bottom_ - footer->height;
        else
            footerTop_ = bottom_;
    }

    PageModel run()
    {
        const Band *title = def_.band(BandKind::Title);
        const Band *detail = def_.band(BandKind::Detail);
        const Band *summary = def_.band(BandKind::Summary);

        startPage();
        if (title)
            place(*title, -1);
        if (detail) {
            if (def_.dataset) {
                // Rows are read by their visible position, so the screen's cursor stays put.
                const int rows = def_.dataset->isActive() ? def_.dataset->recordCount() : 0;
                for (int row = 0; row < rows; ++row) {
                    ++count_;
                    placeFlowing(*detail, row);
                }
            } else {
                ++count_;
                placeFlowing(*detail, -1);
            }
        }
        if (summary)
            placeFlowing(*summary, -1);
        finishPage();
        model_.detailCount = count_;
        return std::move(model_);
    }

private:
    void startPage()
    {
        model_.pages.append(Page{});
        y_ = top_;
        placedAfterHeader_ = false;
        if (const Band *header = def_.band(BandKind::PageHeader)) {
            place(*header, -1);
            placedAfterHeader_ = false;
        }
    }

    void finishPage()
    {
        if (const Band *footer = def_.band(BandKind::PageFooter)) {
            y_ = footerTop_;
            place(*footer, -1);
        }
        Page &page = model_.pages.last();
        const QPointF origin(def_.page.margin, def_.page.margin);
        for (const Element &e : def_.pageElements)
            page.elements.append(resolve(e, origin, std::nullopt, -1, -1));
    }

    // Starts a new page first when the band does not fit above the footer; a band taller than an
    // empty page is placed anyway, overflowing, rather than paging forever.
    void placeFlowing(const Band &band, int row)
    {
        if (y_ + band.height > footerTop_ + kEpsilon && placedAfterHeader_) {
            finishPage();
            startPage();
        }
        place(band, row);
    }

    void place(const Band &band, int row)
    {
        Page &page = model_.pages.last();
        PlacedBand placed;
        placed.kind = band.kind;
        placed.rect = QRectF(def_.page.margin, y_, def_.page.printableSize().width(), band.height);
        placed.frame = band.frame;
        placed.row = band.kind == BandKind::Detail ? row : -1;
        const int index = int(page.bands.size());
        page.bands.append(placed);
        for (const Element &e : band.elements)
            page.elements.append(resolve(e, placed.rect.topLeft(), band.kind, index, row));
        y_ += band.height;
        placedAfterHeader_ = true;
    }

    PlacedElement resolve(const Element &e, const QPointF &origin, std::optional<BandKind> band,
                          int bandIndex, int row) const
    {
        PlacedElement p;
        p.kind = e.kind;
        p.band = band;
        p.bandIndex = bandIndex;
        p.font = ReportLayout::font(def_.page, e.pointSize, e.style);
        p.color = e.color;
        p.background = e.background;
        p.alignment = e.alignment;
        p.image = e.image;
        p.stretch = e.stretch;
        switch (e.kind) {
        case ElementKind::Text:
            p.text = e.text;
            break;
        case ElementKind::Field:
            p.text = fieldText(e, band == BandKind::Detail ? row : -1);
            break;
        case ElementKind::SystemDate:
            p.text = seams::today().toString(QStringLiteral("dd/MM/yyyy"));
            break;
        case ElementKind::PageNumber:
            p.text = QString::number(model_.pages.size());
            break;
        case ElementKind::Count:
            p.text = QString::number(count_);
            break;
        case ElementKind::Image:
            break;
        }
        QRectF rect = e.rect.translated(origin);
        if (rect.width() <= 0 && e.kind != ElementKind::Image)
            rect.setWidth(ReportLayout::textWidth(p.font, p.text));
        p.rect = rect;
        return p;
    }

    // The detail band over the report's dataset prints the row being printed; everything else
    // prints the current row of its dataset as the screen left it.
    QString fieldText(const Element &e, int detailRow) const
    {
        data::TableDataset *ds = e.dataset.data();
        if (!ds)
            return {};
        if (!ds->isActive())
            return {};
        const int index = ds->fieldIndex(e.field);
        if (index < 0)
            throw data::DataError(QStringLiteral("%1: campo '%2' não encontrado").arg(ds->name(), e.field));
        const int row = (detailRow >= 0 && ds == def_.dataset.data()) ? detailRow : ds->recNo();
        if (row < 0)
            return {};
        return data::DatasetModel::displayText(ds->fields()[size_t(index)], ds->visibleValue(row, index));
    }

    const ReportDefinition &def_;
    PageModel model_;
    double top_ = 0, bottom_ = 0, footerTop_ = 0, y_ = 0;
    bool placedAfterHeader_ = false;
    int count_ = 0;
};

} // namespace

PageModel ReportLayout::layout(const ReportDefinition &definition)
{
    return Run(definition).run();
}

QFont ReportLayout::font(const PageSetup &page, double pointSize, FontStyle style)
{
    QFont f(page.fontFamily);
    f.setPointSizeF(pointSize > 0 ? pointSize : page.baseFontSize);
    f.setBold(style != FontStyle::Regular);
    f.setUnderline(style == FontStyle::BoldUnderline);
    // Kerning and hinting would make widths differ between measuring and printing devices.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double ReportLayout::textWidth(const QFont &font, const QString &text)
{
    const QFontMetricsF metrics(font, &measureDevice());
    return metrics.horizontalAdvance(text) * 25.4 / kMeasureDpi;
}

} // namespace reports
