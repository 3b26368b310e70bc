#pragma once
// A document object: builds its definition from the data module's datasets when asked and keeps
// the pages of its last preparation. Screens own it the way their opening requires.
#include "app/InstallationData.h"
#include "reports/engine/PageModel.h"
#include "reports/engine/ReportDefinition.h"

#include <QObject>
#include <memory>

namespace reports {

class Report : public QObject {
    Q_OBJECT
public:
    explicit Report(QObject *parent = nullptr);
    ~Report() override;

    // The window caption of the preview and the suggested name of the saved file.
    virtual QString title() const = 0;
    // Built anew for every preparation, from the datasets as they are at that moment.
    virtual ReportDefinition definition() const = 0;

    // Lays the document out now and keeps the pages.
    const PageModel &prepare();
    const PageModel &pages() const { return pages_; }
    bool isPrepared() const { return prepared_; }

    // Letterhead data and pictures; loaded from installation.json beside the program unless given.
    void setInstallation(const app::InstallationData &data);
    // Throws std::runtime_error with the reason when the installation file cannot be read.
    const app::InstallationData &installation() const;

private:
    PageModel pages_;
    bool prepared_ = false;
    mutable std::unique_ptr<app::InstallationData> installation_;
};

} // namespace reports
