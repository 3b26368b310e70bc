#pragma once
// The listing layout every listing shares: landscape A4, the banner and the red title in the page
// header, the column captions once under the first header, one line per visible row, then
// "Registro:" with the number of lines, and today's date at the right of the header on every page.
#include "reports/Letterhead.h"
#include "data/TableDataset.h"
#include "reports/engine/ReportDefinition.h"

#include <QList>

namespace app {
class InstallationData;
}

namespace reports {

struct ListingColumn {
    QString caption;
    QString field;
    double width; // millimetres; the columns together fill the page between the margins
    Qt::Alignment alignment = Qt::AlignLeft;
};

struct ListingStyle {
    letterhead::BannerSize banner = letterhead::BannerSize::Small;
    double captionSize = 8;
    FontStyle captionStyle = FontStyle::Regular;
    QColor captionBackground; // invalid: none
    double valueSize = 8;
    int detailFrame = FrameNone;
    double baseFontSize = 0; // 0: the page's default
};

ReportDefinition listingDefinition(const app::InstallationData &installation, const QString &title,
                                   data::TableDataset *dataset, const QList<ListingColumn> &columns,
                                   const ListingStyle &style = {});

} // namespace reports
