#include "registers/TFormCadastroPatrimonio.h"

#include "app/TDM.h"

TFormCadastroPatrimonio::TFormCadastroPatrimonio(TDM &dm, QWidget *parent)
    : RecordScreen(dm,
                   {.title = QStringLiteral("SME - CADASTRO PATRIMONIO"),
                    .header = QStringLiteral("CADASTRO DE PATRIMÔNIO"),
                    .dataset = dm.cds_patrimonio,
                    .keyField = QStringLiteral("ID"),
                    // PATRIMONIO shares the president's sequence.
                    .keyGenerator = QStringLiteral("SP_GEN_PRESIDENTE_ID"),
                    .requiredControl = QStringLiteral("dbnumpatrimonio"),
                    .search = QStringLiteral("NUM_PATRIMONIO like "),
                    .variants = QStringLiteral("O, E, X"),
                    .searchCaption = QStringLiteral("Digite para Localizar"),
                    .dataLink = QStringLiteral("dspatrimonio")},
                   parent)
{
    using registers::Field;
    addField(QStringLiteral("CODIGO"), QStringLiteral("dbcodigo"), QStringLiteral("ID"), Field::Display, 8);
    addField(QStringLiteral("NUMERO PATRIMONIO"), QStringLiteral("dbnumpatrimonio"),
             QStringLiteral("NUM_PATRIMONIO"), Field::Integer, 12);
    addField(QStringLiteral("SETOR"), QStringLiteral("dbsetor"), QStringLiteral("SETOR"), Field::UpperCase,
             30);
    addField(QStringLiteral("DATA"), QStringLiteral("dbdata"), QStringLiteral("DATA"), Field::Date, 10);
    newFieldRow();
    addField(QStringLiteral("DESCRICAO"), QStringLiteral("dbdescricao"), QStringLiteral("DESCRICAO"),
             Field::UpperCase, 50);
    addField(QStringLiteral("ESTADO"), QStringLiteral("dbestado"), QStringLiteral("ESTADO"), Field::UpperCase,
             20);
    addField(QStringLiteral("QTD"), QStringLiteral("dbqtd"), QStringLiteral("QTD"), Field::Integer, 6);
    resize(820, 480);
    setGridColumns({{QStringLiteral("NUM_PATRIMONIO"), {}},
                    {QStringLiteral("DESCRICAO"), {}},
                    {QStringLiteral("SETOR"), {}}});
}
