#include "app/TFormTelaVidaEscolar.h"

#include <QLinearGradient>
#include <QMenu>
#include <QPainter>

TFormTelaVidaEscolar::TFormTelaVidaEscolar(QWidget *parent)
    : TelaSetor(QStringLiteral("FormTelaVidaEscolar"), QStringLiteral("SME - GERENCIAMENTO VIDA DAVURUR"),
                true, parent)
{
    QMenu *cadastro = menu(QStringLiteral("Cadastro1"), QStringLiteral("&Cadastro"));
    item(cadastro, QStringLiteral("Encaminhamento1"), QStringLiteral("Encaminhamento"),
         QStringLiteral("TFormCadastroEncaminhamento"));
    item(cadastro, QStringLiteral("Vagas1"), QStringLiteral("Vagas"), QStringLiteral("TFormCadastroVagas"));
    item(cadastro, QStringLiteral("Alunos1"), QStringLiteral("Alunos"), QStringLiteral("TFormCadastroAluno"));
    item(cadastro, QStringLiteral("Atendimento1"), QStringLiteral("Atendimento"));

    QMenu *relatorios = menu(QStringLiteral("Relatorios1"), QStringLiteral("&Relatorios"));
    QMenu *sub = submenu(relatorios, QStringLiteral("Relatorios2"), QStringLiteral("Relatorios"));
    item(sub, QStringLiteral("DocumentosparaMatricular1"), QStringLiteral("Documentos para Matricular"),
         QStringLiteral("TRelDocMatricula"));
    item(sub, QStringLiteral("FolhaparaAssinar1"), QStringLiteral("Folha para Assinar"));
    QAction *pesquisas = item(relatorios, QStringLiteral("Pesquisas1"), QStringLiteral("Pesquisas"));
    pesquisas->setShortcut(QKeySequence(Qt::Key_F3));
    item(relatorios, QStringLiteral("PesquisarEscolas1"), QStringLiteral("Pesquisar Escolas"));

    QAction *sair = itemSair(menu(QStringLiteral("Sair1"), QStringLiteral("Sair")), QStringLiteral("Sair2"));
    sair->setShortcut(QKeySequence(Qt::Key_F11));

    figura(QStringLiteral("imgencaminhamento"), QStringLiteral("ENCAMINHAMENTO"),
           QStyle::SP_FileDialogNewFolder, QStringLiteral("TFormCadastroEncaminhamento"));
    figura(QStringLiteral("imgvagas"), QStringLiteral("VAGAS - F4"), QStyle::SP_FileDialogListView,
           QStringLiteral("TFormCadastroVagas"), QStringLiteral("CADASTRO DE VAGAS - F4"));
    figura(QStringLiteral("imgatendimento"), QStringLiteral("ATENDIMENTO - F6"),
           QStyle::SP_MessageBoxInformation);
    figuraSair(QStringLiteral("imgsair"), QStringLiteral("SAIR - F11"));
}

void TFormTelaVidaEscolar::pintarFundo(QPainter &painter)
{
    QLinearGradient g(rect().topLeft(), rect().bottomLeft());
    g.setColorAt(0, Qt::red);
    g.setColorAt(1, QColor(0x00, 0x80, 0x80));
    painter.fillRect(rect(), g);
}
