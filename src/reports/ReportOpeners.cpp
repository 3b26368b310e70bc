#include "reports/ReportOpeners.h"

namespace reports {

void showCreatedAtStart(Report &report, QWidget *caller)
{
    report.prepare();
    previewSeam().showPreview(caller, report, PreviewMode::Modal);
}

} // namespace reports
