#include "app/TFormTelaPedagogico.h"

#include <QMenu>

TFormTelaPedagogico::TFormTelaPedagogico(QWidget *parent)
    : TelaSetor(QStringLiteral("FormTelaPedagogico"), QStringLiteral("SME - SETOR PEDAGOGICO"), true, parent)
{
    QMenu *cadastros = menu(QStringLiteral("Cadastros1"), QStringLiteral("Cadastros"));
    QMenu *suporte = submenu(cadastros, QStringLiteral("Suporte1"), QStringLiteral("Suporte"));
    item(suporte, QStringLiteral("EquipeTecnica1"), QStringLiteral("Equipe Tecnica"),
         QStringLiteral("TFormCadastroEquipeTecnica"));

    QMenu *relatorios = menu(QStringLiteral("Relatorios1"), QStringLiteral("Relatorios"));
    item(relatorios, QStringLiteral("DocumentosparaMatricular1"),
         QStringLiteral("Documentos para Matricular"), QStringLiteral("TRelDocMatricula"));

    QMenu *pesquisas = menu(QStringLiteral("Pesquisas1"), QStringLiteral("Pesquisas"));
    QMenu *cad = submenu(pesquisas, QStringLiteral("Cadastros2"), QStringLiteral("Cadastros"));
    item(cad, QStringLiteral("Alunos1"), QStringLiteral("Alunos"),
         QStringLiteral("TFormPesquisaCadastroEscolar"));
    item(pesquisas, QStringLiteral("FiladeEspera1"), QStringLiteral("Fila de Espera"),
         QStringLiteral("TFormPesquisaEncaminhamentoAvancada"));
    item(pesquisas, QStringLiteral("Vagas1"), QStringLiteral("Vagas"),
         QStringLiteral("TFormCadastroVagasPesquisa"));

    itemSair(menu(QStringLiteral("Sair1"), QStringLiteral("Sair")), QStringLiteral("Sair2"));
}
