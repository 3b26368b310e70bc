#include "reports/ReportSeams.h"

#include "reports/ReportPreview.h"
#include "reports/engine/Report.h"
#include "reports/engine/ReportPainter.h"

#include <QEventLoop>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

namespace reports {

namespace {

class RealPreview : public PreviewSeam {
public:
    void showPreview(QWidget *parent, Report &report, PreviewMode mode) override
    {
        QPointer<ReportPreview> preview = new ReportPreview(report.pages(), report.title(), parent);
        preview->setWindowModality(mode == PreviewMode::Modal ? Qt::ApplicationModal : Qt::NonModal);
        QEventLoop loop;
        QObject::connect(preview, &QObject::destroyed, &loop, &QEventLoop::quit);
        preview->show();
        loop.exec();
    }
};

class RealPrint : public PrintSeam {
public:
    bool print(QWidget *parent, const PageModel &pages, const QString &title) override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(title);
        printer.setPageLayout(ReportPainter::pageLayout(pages));
        QPrintDialog dialog(&printer, parent);
        dialog.setMinMax(1, pages.pageCount());
        if (dialog.exec() != QDialog::Accepted)
            return false;
        return ReportPainter::print(pages, printer);
    }
};

PreviewSeam *&currentPreview()
{
    static RealPreview real;
    static PreviewSeam *current = &real;
    return current;
}

PrintSeam *&currentPrint()
{
    static RealPrint real;
    static PrintSeam *current = &real;
    return current;
}

} // namespace

PreviewSeam &previewSeam()
{
    return *currentPreview();
}

PrintSeam &printSeam()
{
    return *currentPrint();
}

ScopedPreview::ScopedPreview(PreviewSeam *seam) : previous_(currentPreview())
{
    static RealPreview real;
    currentPreview() = seam ? seam : &real;
}

ScopedPreview::~ScopedPreview()
{
    currentPreview() = previous_;
}

ScopedPrint::ScopedPrint(PrintSeam *seam) : previous_(currentPrint())
{
    static RealPrint real;
    currentPrint() = seam ? seam : &real;
}

ScopedPrint::~ScopedPrint()
{
    currentPrint() = previous_;
}

void RecordingPreview::showPreview(QWidget *parent, Report &report, PreviewMode mode)
{
    shown.append({&report, parent, mode, report.pages()});
}

bool RecordingPrint::print(QWidget *, const PageModel &pages, const QString &title)
{
    if (!accept)
        return false;
    printed.append(pages);
    titles.append(title);
    return true;
}

} // namespace reports
