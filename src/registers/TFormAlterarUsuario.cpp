#include "registers/TFormAlterarUsuario.h"

#include "app/TDM.h"

using registers::Button;
using registers::Field;

TFormAlterarUsuario::TFormAlterarUsuario(TDM &dm, QWidget *parent)
    : RecordScreen(dm,
                   {.title = QStringLiteral("ALTERAR SENHA USUARIO"),
                    .header = QStringLiteral("ALTERAR SENHA DE USUÁRIOS"),
                    .dataset = dm.CDSlogin,
                    .keyField = QString(),
                    .keyGenerator = QString(),
                    .requiredControl = QStringLiteral("dbnome"),
                    .search = QString(),
                    .variants = QString(),
                    .dataLink = QStringLiteral("dslogin"),
                    .buttons = Button::Gravar | Button::Editar | Button::Sair,
                    .searchBand = false,
                    .fixedDialog = true},
                   parent)
{
    addField(QStringLiteral("Código"), QStringLiteral("dbid"), QStringLiteral("ID_SENHA"), Field::Key, 8);
    addField(QStringLiteral("Nome do Usúario"), QStringLiteral("dbnome"), QStringLiteral("NOME"),
             Field::UpperCase, 40);
    newFieldRow();
    addField(QStringLiteral("Usúario"), QStringLiteral("dbusuario"), QStringLiteral("USUARIO"),
             Field::UpperCase, 20);
    addField(QStringLiteral("Senha"), QStringLiteral("dbsenha"), QStringLiteral("SENHA"), Field::Password,
             20);
    setGridColumns({{QStringLiteral("USUARIO"), {}}});
    resize(520, 360);
}

void TFormAlterarUsuario::gravado()
{
    // The current login is found again by what was just saved, so the session keeps its user and
    // level instead of finding no row at the next refresh.
    data::TableDataset *login = dataset();
    login->setParam(QStringLiteral("nome"), login->value(QStringLiteral("USUARIO")));
    login->setParam(QStringLiteral("senha"), login->value(QStringLiteral("SENHA")));
    login->refresh();
}
