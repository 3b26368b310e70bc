#include "referrals/TFormCadastroVagasPesquisa.h"

#include "app/TDM.h"
#include "referrals/PainelVagas.h"
#include "referrals/TRelPesquisaVagas.h"
#include "registers/RecordScreen.h"
#include "widgets/DBGrid.h"
#include "widgets/Guarded.h"
#include "widgets/WindowBehaviours.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QFrame *faixa(QWidget *parent, const QColor &cor)
{
    auto *w = new QFrame(parent);
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, cor);
    w->setPalette(p);
    return w;
}

} // namespace

TFormCadastroVagasPesquisa::TFormCadastroVagasPesquisa(QWidget *parent)
    : TFormCadastroVagasPesquisa(registers::modulo(), parent)
{
}

TFormCadastroVagasPesquisa::TFormCadastroVagasPesquisa(TDM &dm, QWidget *parent) : QDialog(parent), dm_(dm)
{
    setObjectName(QStringLiteral("FormCadastroVagasPesquisa"));
    setWindowTitle(QStringLiteral("CADASTRO DE VAGAS"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    dm_.cdsvagas->open();

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    auto *menu = new QMenuBar(this);
    QMenu *pesquisas = menu->addMenu(QStringLiteral("PESQUISAS"));
    pesquisas->setObjectName(QStringLiteral("PESQUISAS1"));
    QAction *listas = pesquisas->addAction(QStringLiteral("LISTAS DE ENCAMINHAMENTOS"));
    listas->setObjectName(QStringLiteral("LISTASDEENCAMINHAMENTOS1"));
    // The entry leads nowhere yet; shown disabled so nobody waits for it.
    listas->setEnabled(false);
    root->setMenuBar(menu);

    QFrame *barra = faixa(this, QColor(0x2f, 0x5f, 0x8f));
    auto *bl = new QHBoxLayout(barra);
    bl->setContentsMargins(6, 6, 6, 6);
    auto botao = [this, bl](const QString &name, const QString &caption, QStyle::StandardPixmap icon) {
        auto *b = new QPushButton(style()->standardIcon(icon), caption);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setMinimumWidth(80);
        bl->addWidget(b);
        return b;
    };
    filtro_ = botao(QStringLiteral("bntfiltro"), QStringLiteral("Filtro"), QStyle::SP_BrowserReload);
    imprimir_ =
        botao(QStringLiteral("bntimprimir"), QStringLiteral("Imprimir"), QStyle::SP_FileDialogInfoView);
    sair_ = botao(QStringLiteral("bntsair"), QStringLiteral("Sair"), QStyle::SP_DialogCloseButton);
    bl->addStretch(1);
    root->addWidget(barra);
    connect(filtro_, &QPushButton::clicked, this, [this] { bntfiltroClick(); });
    connect(imprimir_, &QPushButton::clicked, this, [this] { bntimprimirClick(); });
    connect(sair_, &QPushButton::clicked, this, [this] { bntsairClick(); });

    QFrame *cabecalho = faixa(this, QColor(0xdf, 0xe8, 0xf2));
    auto *hl = new QHBoxLayout(cabecalho);
    auto *titulo = new QLabel(QStringLiteral("CADASTRO DE VAGAS"), cabecalho);
    titulo->setObjectName(QStringLiteral("lbcabecalho"));
    QFont hf = titulo->font();
    hf.setBold(true);
    hf.setPointSizeF(hf.pointSizeF() * 1.4);
    titulo->setFont(hf);
    hl->addWidget(titulo);
    root->addWidget(cabecalho);

    painel_ = new referrals::PainelVagas(dm_.cdsvagas, referrals::PainelVagas::Tipo::Pesquisa, this);
    auto *corpo = new QWidget(this);
    auto *cl = new QHBoxLayout(corpo);
    cl->setContentsMargins(6, 6, 6, 0);
    auto *paginas = new QTabWidget(corpo);
    paginas->setObjectName(QStringLiteral("PageControl1"));
    paginas->setFixedWidth(360);
    painel_->caixas()->setObjectName(QStringLiteral("TabOutros"));
    paginas->addTab(painel_->caixas(), QStringLiteral("Outros"));
    cl->addWidget(paginas);
    cl->addWidget(painel_->grid(), 1);
    root->addWidget(corpo, 1);
    root->addWidget(painel_->barra());

    // Left only through "Sair".
    fechamento_ = widgets::IgnoreCloseCommand::install(this);
    resize(1180, 660);
}

TFormCadastroVagasPesquisa::~TFormCadastroVagasPesquisa() = default;

void TFormCadastroVagasPesquisa::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        formShow();
}

void TFormCadastroVagasPesquisa::formShow()
{
    filtro_->setEnabled(true);
    imprimir_->setEnabled(true);
    sair_->setEnabled(true);
    bntfiltroClick();
    painel_->calculaTotais();
}

void TFormCadastroVagasPesquisa::bntfiltroClick()
{
    widgets::guarded(this, [this] {
        painel_->limpaListas();
        data::TableDataset *ds = dm_.cdsvagas;
        ds->close();
        ds->setFiltered(false);
        ds->open();
        painel_->calculaTotais();
    });
}

void TFormCadastroVagasPesquisa::bntimprimirClick()
{
    widgets::guarded(this, [this] { reports::abrirRelPesquisaVagas(this); });
}

void TFormCadastroVagasPesquisa::bntsairClick()
{
    fechamento_->permitClose();
    close();
}
