#pragma once
// The vacancy listing: every vacancy row the vacancy screens show, in their filter and order, as
// a landscape listing under the small banner, with the number of rows printed.
#include "reports/engine/Report.h"

#include <QPointer>

class QWidget;

class TRelPesquisaVagas : public reports::Report {
    Q_OBJECT
public:
    explicit TRelPesquisaVagas(QObject *parent = nullptr);

    QString title() const override { return QStringLiteral("RELATORIO GERAL -VAGAS"); }
    // Reads DM->cdsvagas as the screen left it.
    reports::ReportDefinition definition() const override;

    // The object of the last request.
    static QPointer<TRelPesquisaVagas> &shared();
};

namespace reports {
// "Imprimir" of the vacancy screens: a new listing owned by `caller`, previewed modally; returns
// when the preview closes.
TRelPesquisaVagas *abrirRelPesquisaVagas(QWidget *caller);
} // namespace reports
