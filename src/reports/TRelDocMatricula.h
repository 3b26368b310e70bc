#pragma once
// The enrolment-documents sheet: five copies of the strip of three slips listing what to bring
// for enrolment, fifteen slips to cut from one portrait page.
#include "reports/engine/Report.h"

#include <QPointer>

class QWidget;

class TRelDocMatricula : public reports::Report {
    Q_OBJECT
public:
    explicit TRelDocMatricula(QObject *parent = nullptr);

    QString title() const override { return QStringLiteral("DOCUMENTOS PARA MATRICULA"); }
    reports::ReportDefinition definition() const override;

    static QPointer<TRelDocMatricula> &shared();
};

namespace reports {
// The main window's and the sector screens' entry: fresh and modal, owned by `parent`.
TRelDocMatricula *abrirRelDocMatricula(QWidget *parent);
} // namespace reports
