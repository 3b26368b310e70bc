#pragma once
// Paints a laid-out document through QPainter: onto an image for the preview, into a PDF file, or
// onto a printer.
#include "reports/engine/PageModel.h"

class QPainter;
class QPrinter;

namespace reports {

class ReportPainter {
public:
    // Paints one page with the painter's origin at the paper's top-left corner; `dotsPerMm` is the
    // device's resolution, which fonts in points follow by themselves.
    static void paintPage(QPainter &painter, const PageModel &model, int page, double dotsPerMm);
    static QImage renderPage(const PageModel &model, int page, double dpi);
    // False, with the reason in `error`, when the file cannot be written.
    static bool writePdf(const PageModel &model, const QString &path, const QString &title = {},
                         QString *error = nullptr);
    // Prints on a printer already set up by its dialog.
    static bool print(const PageModel &model, QPrinter &printer);
    static QPageLayout pageLayout(const PageModel &model);
};

} // namespace reports
