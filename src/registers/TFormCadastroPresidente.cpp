#include "registers/TFormCadastroPresidente.h"

#include "app/TDM.h"

TFormCadastroPresidente::TFormCadastroPresidente(TDM &dm, QWidget *parent)
    : RecordScreen(dm,
                   {.title = QStringLiteral("SME - CADASTRO DE PRESIDENTE"),
                    .header = QStringLiteral("CADASTRO DE PRESIDENTE"),
                    .dataset = dm.cdspresidente,
                    .keyField = QStringLiteral("CODIGO_PRESIDENTE"),
                    .keyGenerator = QStringLiteral("SP_GEN_PRESIDENTE_ID"),
                    .requiredControl = QStringLiteral("dbnome"),
                    .search = QStringLiteral("NOME_PRESIDENTE like "),
                    .variants = QStringLiteral("O, R+, E, X"),
                    .searchCaption = QStringLiteral("Digite para Localizar"),
                    .dataLink = QStringLiteral("dspresidente")},
                   parent)
{
    using registers::Field;
    addField(QStringLiteral("CODIGO"), QStringLiteral("dbcodigo"), QStringLiteral("CODIGO_PRESIDENTE"),
             Field::Display, 8);
    addField(QStringLiteral("PRESIDENTE"), QStringLiteral("dbnome"), QStringLiteral("NOME_PRESIDENTE"),
             Field::Text, 45);
    addField(QStringLiteral("DATA VIGENTE"), QStringLiteral("dbdatavigente"), QStringLiteral("DATA_VIGENTE"),
             Field::Text, 20);
    addField(QStringLiteral("ANO VIGENTE"), QStringLiteral("dbanovigente"), QStringLiteral("ANO_VIGENTE"),
             Field::Text, 8);
    newFieldRow();
    addField(QStringLiteral("CIDADE"), QStringLiteral("db_cidade"), QStringLiteral("CIDADE"), Field::Text,
             30);
    addField(QStringLiteral("RESPONSAVEL PELO TRANSPORTE DAVURUR"), QStringLiteral("dbresptransp"),
             QStringLiteral("RESP_TRANSPORTE"), Field::UpperCase, 45);
    resize(820, 480);
    setGridColumns({{QStringLiteral("NOME_PRESIDENTE"), QStringLiteral("PRESIDENTE")},
                    {QStringLiteral("DATA_VIGENTE"), QStringLiteral("DATA VIGENTE")},
                    {QStringLiteral("ANO_VIGENTE"), QStringLiteral("ANO VIGENTE")}});
}
