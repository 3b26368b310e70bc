#include "registers/TFormCadastroTurmas.h"

#include "app/TDM.h"

TFormCadastroTurmas::TFormCadastroTurmas(TDM &dm, QWidget *parent)
    : RecordScreen(dm,
                   {.title = QStringLiteral("CADASTRO DE TURMAS"),
                    .header = QStringLiteral("CADASTRO DE TURMAS"),
                    .dataset = dm.cds_turmas,
                    .keyField = QStringLiteral("ID"),
                    .keyGenerator = QStringLiteral("SP_GEN_TURMAS_ID"),
                    .requiredControl = QStringLiteral("dbnome"),
                    .search = QString(), // the band is there, but its box filters nothing
                    .variants = QStringLiteral("O, X, G"),
                    .dataLink = QStringLiteral("dsturmas"),
                    .fixedDialog = true},
                   parent)
{
    addField(QStringLiteral("Código"), QStringLiteral("dbid"), QStringLiteral("ID"), registers::Field::Key,
             8);
    addField(QStringLiteral("Turma"), QStringLiteral("dbnome"), QStringLiteral("TURMA"),
             registers::Field::UpperCase, 30);
    setGridColumns({{QStringLiteral("TURMA"), {}}});
}
