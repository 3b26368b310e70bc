#pragma once
// The school list: every school the school register shows, in its filter and order, as a
// landscape listing under the small banner.
#include "reports/engine/Report.h"

#include <QPointer>

class TFormRelCadastroEscola : public reports::Report {
    Q_OBJECT
public:
    explicit TFormRelCadastroEscola(QObject *parent = nullptr);

    QString title() const override { return QStringLiteral("RELATORIO ESCOLAS"); }
    // Reads DM->cds_escola as the school register left it.
    reports::ReportDefinition definition() const override;

    // The object kept between requests.
    static QPointer<TFormRelCadastroEscola> &shared();
};

namespace reports {
// The school register's "Imprimir": kept and prepared (created on first use, then reused); returns
// when the preview closes.
TFormRelCadastroEscola *abrirRelCadastroEscola();
} // namespace reports
