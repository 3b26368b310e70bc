#include "registers/TFormCadastroCronogramaEscolar.h"

#include "app/TDM.h"

using registers::Button;
using registers::Field;

TFormCadastroCronogramaEscolar::TFormCadastroCronogramaEscolar(TDM &dm, QWidget *parent)
    : RecordScreen(dm,
                   {.title = QStringLiteral("SME - CRONOGRAMA DAVURUR"),
                    .header = QStringLiteral("CRONOGRAMA CADASTRO DAVURUR"),
                    .dataset = dm.cds_cad_cronograma_escolar,
                    .keyField = QString(),
                    .keyGenerator = QString(),
                    .requiredControl = QStringLiteral("db_data_i_ed_i"),
                    .search = QString(),
                    .variants = QStringLiteral("O, E"),
                    .dataLink = QStringLiteral("dscronograma"),
                    .buttons = Button::Gravar | Button::Editar | Button::Cancelar | Button::Sair,
                    .searchBand = false,
                    .grid = false},
                   parent)
{
    relabel(Button::Gravar, QStringLiteral("Gravar"), QStringLiteral("Gravar"));
    relabel(Button::Editar, QStringLiteral("Editar"), QStringLiteral("Editar"));
    relabel(Button::Cancelar, QStringLiteral("Cancelar"), QString());
    relabel(Button::Sair, QStringLiteral("Sair"), QStringLiteral("Sair"));
    setButtonOrder({Button::Gravar, Button::Editar, Button::Cancelar, Button::Sair});
    addField(QStringLiteral("ID"), QStringLiteral("dbid"), QStringLiteral("ID"), Field::Display, 8);
    newFieldRow(QStringLiteral("VEZEDUDE INFANTIL"));
    addField(QStringLiteral("DATA INICIAL"), QStringLiteral("db_data_i_ed_i"), QStringLiteral("DATA_I_E_I"),
             Field::Date, 10);
    addField(QStringLiteral("DATA FINAL"), QStringLiteral("db_data_f_ed_i"), QStringLiteral("DATA_F_E_I"),
             Field::Date, 10);
    newFieldRow(QStringLiteral("ENSINO FUNDAMENTAL"));
    addField(QStringLiteral("DATA INICIAL"), QStringLiteral("db_data_i_e_f"), QStringLiteral("DATA_I_E_F"),
             Field::Date, 10);
    addField(QStringLiteral("DATA FINAL"), QStringLiteral("db_data_f_e_f"), QStringLiteral("DATA_F_E_F"),
             Field::Date, 10);
    newFieldRow(QStringLiteral("CADASTROS ESCOLARES"));
    addField(QStringLiteral("DATA INICIAL"), QStringLiteral("db_data_i_cad"),
             QStringLiteral("DATA_I_CAD_GERAL"), Field::Date, 10);
    addField(QStringLiteral("DATA FINAL"), QStringLiteral("db_data_f_cad"),
             QStringLiteral("DATA_F_CAD_GERAL"), Field::Date, 10);
    resize(420, 330);
}

void TFormCadastroCronogramaEscolar::fechando()
{
    desativabanco();
}
