#include "app/TFormTelaEscolasRH.h"

#include <QMenu>

TFormTelaEscolasRH::TFormTelaEscolasRH(QWidget *parent)
    : TelaSetor(QStringLiteral("FormTelaEscolasRH"), QStringLiteral("SME - RH ESCOLA"), false, parent)
{
    QMenu *cadastros = menu(QStringLiteral("Cadastros1"), QStringLiteral("Cadastros"));
    item(cadastros, QStringLiteral("Funcionarios1"), QStringLiteral("Funcionarios"),
         QStringLiteral("TFormPesquisaFuncionario"));
    menu(QStringLiteral("Relatorios1"), QStringLiteral("Relatorios"));
    menu(QStringLiteral("Administracao1"), QStringLiteral("Administracao"));
    itemSair(menu(QStringLiteral("Sair1"), QStringLiteral("Sair")), QStringLiteral("Sair2"));
}
