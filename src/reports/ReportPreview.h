#pragma once
// The print preview: shows a laid-out document page by page, zoomed to fit the page at first,
// and prints it or saves it as PDF. Nothing reaches a printer without passing through here.
#include "reports/engine/PageModel.h"

#include <QWidget>

class QLabel;
class QScrollArea;
class QToolButton;

namespace reports {

class ReportPreview : public QWidget {
    Q_OBJECT
public:
    enum class Zoom { FitPage, FitWidth, Actual };

    // A top-level window that deletes itself when closed.
    ReportPreview(const PageModel &pages, const QString &title, QWidget *parent = nullptr);

    int currentPage() const { return page_; } // 0-based
    int pageCount() const { return pages_.pageCount(); }
    Zoom zoom() const { return zoom_; }
    double dpi() const { return dpi_; }

    void showPage(int page);
    void setZoom(Zoom zoom);
    // Asks for a file name (PDF by default) and writes the document; false when cancelled or failed.
    bool saveDocument();
    // Passes the document to the printer dialog; false when cancelled.
    bool printDocument();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void render();
    void updateControls();

    PageModel pages_;
    QString title_;
    int page_ = 0;
    Zoom zoom_ = Zoom::FitPage;
    double dpi_ = 72;
    QScrollArea *area_ = nullptr;
    QLabel *view_ = nullptr;
    QLabel *pageLabel_ = nullptr;
    QToolButton *first_ = nullptr, *prior_ = nullptr, *next_ = nullptr, *last_ = nullptr;
};

} // namespace reports
