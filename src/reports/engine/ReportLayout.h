#pragma once
// Lays a report definition out into pages: page header on every page, title once under the first
// header, one detail per visible row of the report's dataset, summary after the last detail, page
// footer at the bottom of every page, then the page elements. Reads the datasets as the screens
// left them and never moves their cursors.
#include "reports/engine/PageModel.h"
#include "reports/engine/ReportDefinition.h"

namespace reports {

class ReportLayout {
public:
    // Throws data::DataError when a data-bound element names a field its dataset lacks.
    static PageModel layout(const ReportDefinition &definition);

    static QFont font(const PageSetup &page, double pointSize, FontStyle style);
    // Width of the text in millimetres, as printed.
    static double textWidth(const QFont &font, const QString &text);
};

} // namespace reports
