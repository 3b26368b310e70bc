#include "reports/TFormRelCadastroEscola.h"

#include "app/TDM.h"
#include "reports/ListingLayout.h"
#include "reports/ReportOpeners.h"

using namespace reports;

namespace {
// Widths in millimetres; together they fill the landscape page between the margins.
const QList<ListingColumn> kColumns = {
    {QStringLiteral("ID"), QStringLiteral("ID_ESCOLA"), 12},
    {QStringLiteral("ESCOLA"), QStringLiteral("ESCOLA"), 64},
    {QStringLiteral("CONTATO"), QStringLiteral("CONTATO"), 27},
    {QStringLiteral("E-MAIL"), QStringLiteral("EMAIL"), 52},
    {QStringLiteral("ENDEREÇO"), QStringLiteral("ENDERECO"), 72},
    {QStringLiteral("RESPONSAVEL"), QStringLiteral("RESPONSAVEL"), 50},
};
} // namespace

TFormRelCadastroEscola::TFormRelCadastroEscola(QObject *parent) : Report(parent) {}

QPointer<TFormRelCadastroEscola> &TFormRelCadastroEscola::shared()
{
    static QPointer<TFormRelCadastroEscola> object;
    return object;
}

ReportDefinition TFormRelCadastroEscola::definition() const
{
    // Without the data module the detail band would print once as if the list had no dataset.
    if (!DM)
        throw data::DataError(QStringLiteral("RELATORIO ESCOLAS: módulo de dados não criado"));
    ListingStyle style;
    style.baseFontSize = 8;
    return listingDefinition(installation(), title(), DM->cds_escola, kColumns, style);
}

namespace reports {
TFormRelCadastroEscola *abrirRelCadastroEscola()
{
    return openKeptPrepared(TFormRelCadastroEscola::shared());
}
} // namespace reports
