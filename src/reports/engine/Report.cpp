#include "reports/engine/Report.h"

#include "reports/engine/ReportLayout.h"

#include <stdexcept>

namespace reports {

Report::Report(QObject *parent) : QObject(parent) {}

Report::~Report() = default;

const PageModel &Report::prepare()
{
    pages_ = ReportLayout::layout(definition());
    prepared_ = true;
    return pages_;
}

void Report::setInstallation(const app::InstallationData &data)
{
    installation_ = std::make_unique<app::InstallationData>(data);
}

const app::InstallationData &Report::installation() const
{
    if (!installation_) {
        auto data = std::make_unique<app::InstallationData>();
        if (!data->load())
            throw std::runtime_error(data->errorString().toStdString());
        installation_ = std::move(data);
    }
    return *installation_;
}

} // namespace reports
