#include "registers/TFormCadastroCargo.h"

#include "app/TDM.h"

TFormCadastroCargo::TFormCadastroCargo(TDM &dm, QWidget *parent)
    : RecordScreen(dm,
                   {.title = QStringLiteral("FormCadastroCargo"),
                    .header = QStringLiteral("CADASTRO DE CARGOS"),
                    .dataset = dm.cds_cargo,
                    .keyField = QStringLiteral("ID"),
                    .keyGenerator = QStringLiteral("SP_GEN_CARGO_ID"),
                    .requiredControl = QStringLiteral("dbcargo"),
                    .search = QStringLiteral("cargo like "),
                    .variants = QStringLiteral("O"),
                    .searchCaption = QStringLiteral("Digite para Localizar"),
                    .dataLink = QStringLiteral("dscargo")},
                   parent)
{
    addField(QStringLiteral("CODIGO"), QStringLiteral("dbid"), QStringLiteral("ID"),
             registers::Field::Display, 8);
    // The title keeps the case it was typed in, while the search box forces upper case.
    addField(QStringLiteral("CARGO"), QStringLiteral("dbcargo"), QStringLiteral("CARGO"),
             registers::Field::Text, 50);
    setGridColumns({{QStringLiteral("ID"), {}}, {QStringLiteral("CARGO"), {}}});
}
