#include "app/Startup.h"

#include "app/Navigation.h"
#include "app/TDM.h"
#include "app/TFormPrincipal.h"
#include "reports/ReportHooks.h"
#include "seams/Messages.h"

#include <QApplication>
#include <memory>

namespace app {

int run(const QString &programDir, bool runLoop)
{
    // The main window comes first and must not touch the data module while being created.
    auto principal = std::make_unique<TFormPrincipal>();
    std::unique_ptr<TDM> dm;
    try {
        dm = std::make_unique<TDM>(programDir);
    } catch (const fb::Error &e) {
        seams::showError(e.message());
        return 1;
    }
    DM = dm.get();
    reports::ligaTelas();
    principal->show();
    const int code = runLoop ? QApplication::exec() : 0;
    // Windows go before the data module they work on.
    Navigation::liberarReutilizadas();
    principal.reset();
    DM = nullptr;
    dm.reset();
    return code;
}

} // namespace app
