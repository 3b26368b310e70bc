#include "app/TFormTelaEscolas.h"

#include "seams/Messages.h"

#include <QMenu>

TFormTelaEscolas::TFormTelaEscolas(QWidget *parent)
    : TelaSetor(QStringLiteral("FormTelaEscolas"), QStringLiteral("SME - GERENCIAMENTO DAVURUR"), true,
                parent)
{
    QMenu *cadastros = menu(QStringLiteral("Cadastros1"), QStringLiteral("Cadastros"));
    item(cadastros, QStringLiteral("Alunos1"), QStringLiteral("Alunos"),
         QStringLiteral("TFormCadastroAluno"));
    item(cadastros, QStringLiteral("Escolas1"), QStringLiteral("Escolas"),
         QStringLiteral("TFormCadastroEscola"));
    item(cadastros, QStringLiteral("Serie1"), QStringLiteral("Serie"), QStringLiteral("TFormCadastroSerie"));
    item(cadastros, QStringLiteral("Turno1"), QStringLiteral("Turno"), QStringLiteral("TFormCadastroTurno"));
    item(cadastros, QStringLiteral("Vagas1"), QStringLiteral("Vagas"), QStringLiteral("TFormCadastroVagas"));
    item(cadastros, QStringLiteral("Turmas1"), QStringLiteral("Turmas"),
         QStringLiteral("TFormCadastroTurmas"));
    QAction *enturmacao = item(cadastros, QStringLiteral("Enturmacao1"), QStringLiteral("Enturmacao"));
    connect(enturmacao, &QAction::triggered, this,
            [this] { seams::showMessage(QStringLiteral("Em construcão!!!"), this); });
    item(cadastros, QStringLiteral("CadastroEscolar1"), QStringLiteral("Cadastro Escolar"),
         QStringLiteral("TFormCadastroAlunoAnual"));
    item(cadastros, QStringLiteral("CMEICRECHE1"), QStringLiteral("CMEI/CRECHE"),
         QStringLiteral("TFormTela"));
    cadastros->addSeparator();
    item(cadastros, QStringLiteral("ESCOLASMUNICIPAIS1"), QStringLiteral("ESCOLAS MUNICIPAIS"));

    QMenu *relatorios = menu(QStringLiteral("Relatorios1"), QStringLiteral("Relatorios"));
    QMenu *pesquisas = submenu(relatorios, QStringLiteral("Pesquisas1"), QStringLiteral("Pesquisas"));
    item(pesquisas, QStringLiteral("ProcurarVagas1"), QStringLiteral("Procurar Vagas"),
         QStringLiteral("TFormPesquisaEncaminhamentoAvancada"));
    item(relatorios, QStringLiteral("DocumentosparaMatricular1"),
         QStringLiteral("Documentos para Matricular"), QStringLiteral("TRelDocMatricula"));

    menu(QStringLiteral("Administracao1"), QStringLiteral("Administracao"));
    itemSair(menu(QStringLiteral("Sair1"), QStringLiteral("Sair")), QStringLiteral("Sair2"));

    figura(QStringLiteral("imgescola"), QStringLiteral("ESCOLA"), QStyle::SP_DirHomeIcon,
           QStringLiteral("TFormCadastroEscola"));
    figura(QStringLiteral("imgvagas"), QStringLiteral("VAGAS - F5"), QStyle::SP_FileDialogListView,
           QStringLiteral("TFormCadastroVagas"));
    figura(QStringLiteral("imgalunos"), QStringLiteral("ALUNOS"), QStyle::SP_FileDialogContentsView,
           QStringLiteral("TFormCadastroAlunoAnual"));
    figuraSair(QStringLiteral("imgsair"), QStringLiteral("SAIR"));
}
