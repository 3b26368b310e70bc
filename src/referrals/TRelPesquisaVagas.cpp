#include "referrals/TRelPesquisaVagas.h"

#include "app/TDM.h"
#include "reports/ListingLayout.h"
#include "reports/ReportOpeners.h"

using namespace reports;

namespace {
// Widths in millimetres; together they fill the landscape page between the margins.
const QList<ListingColumn> kColumns = {
    {QStringLiteral("Escola"), QStringLiteral("ESCOLA"), 110, Qt::AlignLeft},
    {QStringLiteral("Turno"), QStringLiteral("TURNO"), 35, Qt::AlignLeft},
    {QStringLiteral("Serie"), QStringLiteral("SERIE"), 80, Qt::AlignLeft},
    {QStringLiteral("Vagas"), QStringLiteral("QTD_VAGAS"), 22, Qt::AlignHCenter},
    {QStringLiteral("Quantitativo"), QStringLiteral("Q_MAT_1"), 30, Qt::AlignHCenter},
};
} // namespace

TRelPesquisaVagas::TRelPesquisaVagas(QObject *parent) : Report(parent) {}

QPointer<TRelPesquisaVagas> &TRelPesquisaVagas::shared()
{
    static QPointer<TRelPesquisaVagas> object;
    return object;
}

ReportDefinition TRelPesquisaVagas::definition() const
{
    ListingStyle style;
    style.captionSize = 9;
    style.captionStyle = FontStyle::Bold;
    style.captionBackground = QColor(0xD3, 0xD3, 0xD3);
    style.valueSize = 7;
    style.detailFrame = FrameAll;
    return listingDefinition(installation(), title(), DM ? DM->cdsvagas : nullptr, kColumns, style);
}

namespace reports {
TRelPesquisaVagas *abrirRelPesquisaVagas(QWidget *caller)
{
    return openFreshModal(caller, TRelPesquisaVagas::shared());
}
} // namespace reports
