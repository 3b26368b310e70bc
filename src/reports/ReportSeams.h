#pragma once
// The two modal steps of printing, behind seams so tests never block: showing a document's
// preview (and waiting for it to close) and the printer dialog with the printing itself.
#include "reports/engine/PageModel.h"

#include <QList>
#include <QPointer>
#include <QString>

class QWidget;

namespace reports {

class Report;

enum class PreviewMode {
    Modal,    // the calling screen waits, every other window blocked
    Modeless, // the other windows stay usable; the call still returns when the preview closes
};

class PreviewSeam {
public:
    virtual ~PreviewSeam() = default;
    // Shows the pages the report last prepared; returns when the preview window has closed.
    virtual void showPreview(QWidget *parent, Report &report, PreviewMode mode) = 0;
};

class PrintSeam {
public:
    virtual ~PrintSeam() = default;
    // Asks for the printer and prints; false when the user cancelled or the printer failed.
    virtual bool print(QWidget *parent, const PageModel &pages, const QString &title) = 0;
};

PreviewSeam &previewSeam();
PrintSeam &printSeam();

class ScopedPreview {
public:
    explicit ScopedPreview(PreviewSeam *seam);
    ~ScopedPreview();
    ScopedPreview(const ScopedPreview &) = delete;
    ScopedPreview &operator=(const ScopedPreview &) = delete;

private:
    PreviewSeam *previous_;
};

class ScopedPrint {
public:
    explicit ScopedPrint(PrintSeam *seam);
    ~ScopedPrint();
    ScopedPrint(const ScopedPrint &) = delete;
    ScopedPrint &operator=(const ScopedPrint &) = delete;

private:
    PrintSeam *previous_;
};

// Tests: records every preview asked for, with a copy of the pages it would have shown.
class RecordingPreview : public PreviewSeam {
public:
    struct Shown {
        QPointer<Report> report;
        QWidget *parent = nullptr;
        PreviewMode mode = PreviewMode::Modal;
        PageModel pages;
    };
    QList<Shown> shown;
    void showPreview(QWidget *parent, Report &report, PreviewMode mode) override;
};

// Tests: records what would have been printed; `accept` false plays a cancelled dialog.
class RecordingPrint : public PrintSeam {
public:
    bool accept = true;
    QList<PageModel> printed;
    QStringList titles;
    bool print(QWidget *parent, const PageModel &pages, const QString &title) override;
};

} // namespace reports
