#include "registers/TFormCadastroTurno.h"

#include "app/TDM.h"

TFormCadastroTurno::TFormCadastroTurno(TDM &dm, QWidget *parent)
    : RecordScreen(dm,
                   {.title = QStringLiteral("CADASTRO DE TURNO"),
                    .header = QStringLiteral("CADASTRO DE TURNOS"),
                    .dataset = dm.cds_turno,
                    .keyField = QStringLiteral("TUNO_ID"),
                    .keyGenerator = QStringLiteral("SP_GEN_TURNO_ID"),
                    .requiredControl = QStringLiteral("dbnome"),
                    .search = QStringLiteral("TURNO like "),
                    .variants = QString(),
                    .dataLink = QStringLiteral("dsturno")},
                   parent)
{
    addField(QStringLiteral("Código"), QStringLiteral("dbid"), QStringLiteral("TUNO_ID"),
             registers::Field::Key, 8);
    addField(QStringLiteral("Turno"), QStringLiteral("dbnome"), QStringLiteral("TURNO"),
             registers::Field::UpperCase, 50);
    setGridColumns({{QStringLiteral("TUNO_ID"), {}}, {QStringLiteral("TURNO"), {}}});
}
