#include "registers/TFormCadastroSerie.h"

#include "app/TDM.h"

TFormCadastroSerie::TFormCadastroSerie(TDM &dm, QWidget *parent)
    : RecordScreen(dm,
                   {.title = QStringLiteral("CADASTRO DE SERIE"),
                    .header = QStringLiteral("CADASTRO DE SERIES"),
                    .dataset = dm.cds_serie,
                    .keyField = QStringLiteral("SERIE_ID"),
                    .keyGenerator = QStringLiteral("SP_GEN_SERIE_ID"),
                    .requiredControl = QStringLiteral("dbnome"),
                    .search = QStringLiteral("SERIE like "),
                    .variants = QString(),
                    .dataLink = QStringLiteral("dsserie")},
                   parent)
{
    addField(QStringLiteral("Código"), QStringLiteral("dbid"), QStringLiteral("SERIE_ID"),
             registers::Field::Key, 8);
    addField(QStringLiteral("Serie"), QStringLiteral("dbnome"), QStringLiteral("SERIE"),
             registers::Field::UpperCase, 50);
    setGridColumns({{QStringLiteral("SERIE"), {}}});
}
