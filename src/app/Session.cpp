#include "app/Session.h"

#include "app/TDM.h"

namespace app {
namespace {
const data::TableDataset *login()
{
    if (!DM || !DM->CDSlogin || !DM->CDSlogin->isActive() || DM->CDSlogin->isEmpty())
        return nullptr;
    return DM->CDSlogin;
}
} // namespace

QString usuarioLogado()
{
    const data::TableDataset *ds = login();
    return ds ? ds->asString(QStringLiteral("USUARIO")) : QString();
}

int nivelLogado()
{
    const data::TableDataset *ds = login();
    if (!ds || ds->isNull(QStringLiteral("NIVEL")))
        return 0;
    return int(ds->asInteger(QStringLiteral("NIVEL")));
}

} // namespace app
