#pragma once
// The three ways a screen opens a document. Each document class keeps its shared reference
// (a QPointer that empties itself when the object dies) and passes it here.
#include "reports/ReportSeams.h"
#include "reports/engine/Report.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace reports {

// Fresh and modal: a new object owned by the calling screen (by the application when there is
// none), stored in the shared reference, prepared and previewed while every other window waits.
// The object lives until its owner is destroyed.
template <class R> R *openFreshModal(QWidget *caller, QPointer<R> &shared)
{
    QObject *owner = caller ? static_cast<QObject *>(caller) : QCoreApplication::instance();
    auto *report = new R(owner);
    shared = report;
    report->prepare();
    previewSeam().showPreview(caller, *report, PreviewMode::Modal);
    return report;
}

// Kept and prepared: created once, owned by the application, and reused by later requests; the
// pages are generated anew each time, and the preview leaves the other windows usable.
template <class R> R *openKeptPrepared(QPointer<R> &shared)
{
    if (!shared)
        shared = new R(QCoreApplication::instance());
    R *report = shared.data();
    report->prepare();
    previewSeam().showPreview(nullptr, *report, PreviewMode::Modeless);
    return report;
}

// Created at start: the application makes the object while starting and keeps it for the run.
template <class R> R *createAtStart(QPointer<R> &shared)
{
    if (!shared)
        shared = new R(QCoreApplication::instance());
    return shared.data();
}

// What screens do with an object created at start: prepare it and ask for the preview.
void showCreatedAtStart(Report &report, QWidget *caller = nullptr);

} // namespace reports
