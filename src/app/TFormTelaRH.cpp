#include "app/TFormTelaRH.h"

#include <QMenu>

TFormTelaRH::TFormTelaRH(QWidget *parent)
    : TelaSetor(QStringLiteral("FormTelaRH"), QStringLiteral("SME - RECURSOS HUMANOS"), false, parent)
{
    QMenu *cadastro = menu(QStringLiteral("Cadastro1"), QStringLiteral("&Cadastro"));
    item(cadastro, QStringLiteral("Patrimonio1"), QStringLiteral("Patrimonio"),
         QStringLiteral("TFormCadastroPatrimonio"));
    item(cadastro, QStringLiteral("Funcionario1"), QStringLiteral("Funcionario"),
         QStringLiteral("TFormCadastroFuncionario"));
    item(cadastro, QStringLiteral("FolhadePonto1"), QStringLiteral("Folha de Ponto"),
         QStringLiteral("TFormRHFreqCadastro"));
    item(cadastro, QStringLiteral("Cargo1"), QStringLiteral("Cargo"), QStringLiteral("TFormCadastroCargo"));

    QMenu *pesquisas = menu(QStringLiteral("Pesquisas1"), QStringLiteral("Pesquisas"));
    item(pesquisas, QStringLiteral("Vagas1"), QStringLiteral("Vagas"),
         QStringLiteral("TFormPesquisaEncaminhamentoAvancada"));
    QMenu *cadastros = submenu(pesquisas, QStringLiteral("Cadastros1"), QStringLiteral("Cadastros"));
    item(cadastros, QStringLiteral("Alunos1"), QStringLiteral("Alunos"),
         QStringLiteral("TFormPesquisaCadastroEscolar"));
    item(pesquisas, QStringLiteral("Vagas2"), QStringLiteral("Vagas"),
         QStringLiteral("TFormCadastroVagasPesquisa"));

    QAction *sair = itemSair(menu(QStringLiteral("Sair1"), QStringLiteral("Sair")), QStringLiteral("Sair2"));
    sair->setShortcut(QKeySequence(Qt::Key_F11));

    figura(QStringLiteral("imgpatrimonio"), QStringLiteral("PATRIMONIO"), QStyle::SP_DriveHDIcon,
           QStringLiteral("TFormCadastroPatrimonio"));
    figura(QStringLiteral("imgfuncionarios"), QStringLiteral("FUNCIONARIOS"),
           QStyle::SP_FileDialogDetailedView, QStringLiteral("TFormCadastroFuncionario"));
    figura(QStringLiteral("imgfrequencia"), QStringLiteral("FREQUENCIA"), QStyle::SP_FileDialogInfoView,
           QStringLiteral("TFormRHFreqCadastro"));
    figuraSair(QStringLiteral("imgsair"), QStringLiteral("SAIR"));
}
