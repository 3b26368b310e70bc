#include "reports/ListingLayout.h"

namespace reports {
namespace {
constexpr double kLineHeight = 6.4;
constexpr double kInset = 1;
constexpr double kBannerWidth = 230;
} // namespace

ReportDefinition listingDefinition(const app::InstallationData &installation, const QString &title,
                                   data::TableDataset *dataset, const QList<ListingColumn> &columns,
                                   const ListingStyle &style)
{
    ReportDefinition def;
    def.page.orientation = QPageLayout::Landscape;
    if (style.baseFontSize > 0)
        def.page.baseFontSize = style.baseFontSize;
    def.dataset = dataset;
    const double width = def.page.printableSize().width();

    Band &header = def.addBand(BandKind::PageHeader, 35);
    header.elements.append(letterhead::banner(installation, style.banner,
                                              QRectF((width - kBannerWidth) / 2, 0, kBannerWidth, 0)));
    Element caption = text(QRectF(0, 27, width, 7), title, 14, FontStyle::Bold, Qt::AlignCenter);
    caption.color = Qt::red;
    header.elements.append(caption);

    Band &captions = def.addBand(BandKind::Title, kLineHeight, FrameAll);
    Band &detail = def.addBand(BandKind::Detail, kLineHeight, style.detailFrame);
    double x = 0;
    for (const ListingColumn &c : columns) {
        const QRectF box(x + kInset, 0, c.width - 2 * kInset, kLineHeight);
        Element head =
            text(box, c.caption, style.captionSize, style.captionStyle, c.alignment | Qt::AlignVCenter);
        head.background = style.captionBackground;
        captions.elements.append(head);
        detail.elements.append(field(box, dataset, c.field, style.valueSize, FontStyle::Regular,
                                     c.alignment | Qt::AlignVCenter));
        x += c.width;
    }

    Band &summary = def.addBand(BandKind::Summary, 7, FrameTop);
    summary.elements.append(text(QRectF(kInset, 0, 0, 7), QStringLiteral("Registro:"), 10));
    summary.elements.append(count(QRectF(kInset + 17, 0, 30, 7), 10));

    def.addBand(BandKind::PageFooter, 10.6);

    def.pageElements.append(
        systemDate(QRectF(width - 40, 27, 40, 7), 10, FontStyle::Regular, Qt::AlignRight | Qt::AlignVCenter));
    return def;
}

} // namespace reports
