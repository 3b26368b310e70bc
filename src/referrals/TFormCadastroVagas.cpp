#include "referrals/TFormCadastroVagas.h"

#include "app/Installation.h"
#include "app/Session.h"
#include "app/TDM.h"
#include "referrals/PainelVagas.h"
#include "referrals/TRelPesquisaVagas.h"
#include "rules/PickLists.h"
#include "seams/Clock.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DataLink.h"
#include "widgets/Guarded.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

using registers::Button;

namespace {

registers::RecordScreen::Declaration declaracao(TDM &dm)
{
    registers::RecordScreen::Declaration d;
    d.title = QStringLiteral("SME - CADASTRO DE VAGAS");
    d.header = QStringLiteral("CADASTRO DE VAGAS");
    d.dataset = dm.cdsvagas;
    d.keyField = QStringLiteral("VAGA_CODIGO");
    d.keyGenerator = QStringLiteral("SP_GEN_VAGAS_ID");
    d.requiredControl = QStringLiteral("db_nomeescola");
    d.variants = QStringLiteral("O, R, E, X");
    d.dataLink = QStringLiteral("dsvagas");
    d.searchBand = false; // the filter boxes search instead
    d.grid = false;       // the shared vacancy grid stands beside the pages
    return d;
}

// Stored hours and minutes only: the field shows and keeps no seconds.
const QString kMascaraHora = QStringLiteral("!90:00;1;_");

} // namespace

TFormCadastroVagas::TFormCadastroVagas(QWidget *parent) : TFormCadastroVagas(registers::modulo(), parent) {}

TFormCadastroVagas::TFormCadastroVagas(TDM &dm, QWidget *parent)
    : RecordScreen(dm, declaracao(dm), parent), dm_(dm)
{
    setObjectName(QStringLiteral("FormCadastroVagas"));
    montar();
    ativabtn();
}

void TFormCadastroVagas::montar()
{
    // No system frame: the bar carries its own minimise and close buttons.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);

    // --- toolbar: the pattern's buttons, then Filtro, Imprimir, Pesquisar, and Sair last ------
    QPushButton *sair = button(Button::Sair);
    auto *bar = qobject_cast<QHBoxLayout *>(sair->parentWidget()->layout());
    filtro_ =
        addBarButton(QStringLiteral("bntfiltro"), QStringLiteral("Filtro"), QStringLiteral("Limpar Filtros"));
    imprimir_ =
        addBarButton(QStringLiteral("bntimprimir"), QStringLiteral("Imprimir"), QStringLiteral("Imprimir"));
    imprimir_->setIcon(style()->standardIcon(QStyle::SP_FileDialogInfoView));
    pesquisar_ = addBarButton(QStringLiteral("bntpesquisar"), QStringLiteral("Pesquisar"),
                              QStringLiteral("Pesquisar"));
    // It has no action on this screen; a button that does nothing only puzzles the clerk.
    pesquisar_->hide();
    filtro_->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    bar->removeWidget(sair);
    bar->insertWidget(bar->indexOf(pesquisar_) + 1, sair);
    connect(filtro_, &QPushButton::clicked, this, [this] { bntfiltroClick(); });
    connect(imprimir_, &QPushButton::clicked, this, [this] { bntimprimirClick(); });

    auto *minimizar = new QPushButton(style()->standardIcon(QStyle::SP_TitleBarMinButton), QString());
    minimizar->setObjectName(QStringLiteral("bntminimizar"));
    minimizar->setToolTip(QStringLiteral("Minimizar"));
    minimizar->setAutoDefault(false);
    minimizar->setFocusPolicy(Qt::NoFocus);
    auto *fechar = new QPushButton(style()->standardIcon(QStyle::SP_TitleBarCloseButton), QString());
    fechar->setObjectName(QStringLiteral("bntfechar"));
    fechar->setToolTip(QStringLiteral("Fechar"));
    fechar->setAutoDefault(false);
    fechar->setFocusPolicy(Qt::NoFocus);
    bar->addWidget(minimizar, 0, Qt::AlignTop);
    bar->addWidget(fechar, 0, Qt::AlignTop);
    connect(minimizar, &QPushButton::clicked, this, [this] { bntminimizarClick(); });
    connect(fechar, &QPushButton::clicked, this, [this] { bntsairClick(); });

    // --- body: the pages at the left, the grid at the right, the totals bar under both -------
    auto *root = qobject_cast<QVBoxLayout *>(layout());
    // The pattern's field rows and the place above its grid stay empty here.
    for (int i = 0; i < root->count(); ++i) {
        QWidget *w = root->itemAt(i)->widget();
        if (w && w != sair->parentWidget() && i >= 2)
            w->hide();
    }
    if (QLayoutItem *stretch = root->itemAt(root->count() - 1); stretch && stretch->spacerItem())
        delete root->takeAt(root->count() - 1);

    painel_ = new referrals::PainelVagas(dataset(), referrals::PainelVagas::Tipo::Cadastro, this);
    auto *corpo = new QWidget(this);
    auto *hl = new QHBoxLayout(corpo);
    hl->setContentsMargins(6, 6, 6, 0);
    paginas_ = new QTabWidget(corpo);
    paginas_->setObjectName(QStringLiteral("PageControl1"));
    paginas_->setFixedWidth(360);
    hl->addWidget(paginas_);
    hl->addWidget(painel_->grid(), 1);
    root->addWidget(corpo, 1);
    root->addWidget(painel_->barra());

    // Page "Cadastro".
    widgets::DataLink *link = dataLink();
    cadastro_ = new QWidget;
    cadastro_->setObjectName(QStringLiteral("TabCadastro"));
    auto *cl = new QGridLayout(cadastro_);
    cl->setVerticalSpacing(2);
    int linha = 0;
    auto rotulo = [&](const QString &texto, QWidget *w, int col = 0, int span = 2) {
        auto *l = new QLabel(texto, cadastro_);
        l->setBuddy(w);
        cl->addWidget(l, linha, col, 1, span);
        cl->addWidget(w, linha + 1, col, 1, span);
    };
    auto *codigo = new widgets::DBEdit(link, QStringLiteral("VAGA_CODIGO"), cadastro_);
    codigo->setObjectName(QStringLiteral("dbcodigo"));
    codigo->setIntegerOnly(true);
    rotulo(QStringLiteral("CODIGO"), codigo, 0, 1);
    auto *usuario = new widgets::DBEdit(link, QStringLiteral("USUARIO"), cadastro_);
    usuario->setObjectName(QStringLiteral("dbusuario"));
    usuario->setEnabled(false);
    rotulo(QStringLiteral("USUARIO ATUAL"), usuario, 1, 1);
    linha += 2;
    auto *dataEdit = new widgets::DBEdit(link, QStringLiteral("DATA"), cadastro_);
    dataEdit->setObjectName(QStringLiteral("dbdata"));
    dataEdit->setEditMask(QStringLiteral("!99/99/0000;1;_"));
    dataEdit->setEnabled(false);
    rotulo(QStringLiteral("DATA"), dataEdit, 0, 1);
    auto *hora = new widgets::DBEdit(link, QStringLiteral("HORA"), cadastro_);
    hora->setObjectName(QStringLiteral("dbhora"));
    hora->setEditMask(kMascaraHora);
    hora->setEnabled(false);
    rotulo(QStringLiteral("HORA"), hora, 1, 1);
    linha += 2;

    const QStringList escolas = app::installation().schoolList(app::InstallationData::SchoolList::Vacancy);
    auto *escola = new widgets::DBComboBox(link, QStringLiteral("ESCOLA"), escolas, false, cadastro_);
    escola->setObjectName(QStringLiteral("db_nomeescola"));
    escola->setUpperCase(true);
    rotulo(QStringLiteral("ESCOLA"), escola);
    linha += 2;
    auto *serie =
        new widgets::DBComboBox(link, QStringLiteral("SERIE"), rules::listaSeries(), false, cadastro_);
    serie->setObjectName(QStringLiteral("dbserie"));
    serie->setUpperCase(true);
    rotulo(QStringLiteral("SERIE"), serie);
    linha += 2;
    auto *turno =
        new widgets::DBComboBox(link, QStringLiteral("TURNO"), rules::listaTurnos(), false, cadastro_);
    turno->setObjectName(QStringLiteral("dbturno"));
    turno->setUpperCase(true);
    rotulo(QStringLiteral("TURNO"), turno);
    linha += 2;

    auto *verde = new QGroupBox(cadastro_);
    verde->setObjectName(QStringLiteral("GroupVagas"));
    verde->setAutoFillBackground(true);
    QPalette pv = verde->palette();
    pv.setColor(QPalette::Window, QColor(0x9c, 0xd8, 0x8c));
    verde->setPalette(pv);
    auto *vl = new QGridLayout(verde);
    auto *vagas = new widgets::DBEdit(link, QStringLiteral("QTD_VAGAS"), verde);
    vagas->setObjectName(QStringLiteral("dbvagas"));
    vagas->setIntegerOnly(true);
    auto *quant = new widgets::DBEdit(link, QStringLiteral("Q_MAT_1"), verde);
    quant->setObjectName(QStringLiteral("dbquantitativo"));
    quant->setIntegerOnly(true);
    vl->addWidget(new QLabel(QStringLiteral("VAGAS"), verde), 0, 0);
    vl->addWidget(new QLabel(QStringLiteral("QUANTITATIVO"), verde), 0, 1);
    vl->addWidget(vagas, 1, 0);
    vl->addWidget(quant, 1, 1);
    cl->addWidget(verde, linha, 0, 1, 2);
    ++linha;
    buscaAvancada_ = new QPushButton(QStringLiteral("Busca Avancada"), cadastro_);
    buscaAvancada_->setObjectName(QStringLiteral("bntbuscaavancada"));
    buscaAvancada_->setAutoDefault(false);
    cl->addWidget(buscaAvancada_, linha, 0, 1, 2);
    cl->setRowStretch(linha + 1, 1);
    connect(buscaAvancada_, &QPushButton::clicked, this, [this] { bntbuscaavancadaClick(); });
    editaveis_ = {codigo, escola, serie, turno, vagas, quant};

    // Page "Outros".
    outros_ = new QWidget;
    outros_->setObjectName(QStringLiteral("TabOutros"));
    auto *ol = new QVBoxLayout(outros_);
    ol->setContentsMargins(0, 0, 0, 0);
    ol->addWidget(painel_->caixas(), 1);
    auto *voltar = new QPushButton(QStringLiteral("Voltar"), outros_);
    voltar->setObjectName(QStringLiteral("bntvoltar"));
    voltar->setAutoDefault(false);
    ol->addWidget(voltar);
    connect(voltar, &QPushButton::clicked, this, [this] { bntvoltarClick(); });

    paginas_->addTab(cadastro_, QStringLiteral("Cadastro"));
    paginas_->addTab(outros_, QStringLiteral("Outros"));
    mostraCadastro(true);

    // The grid's context menu: "Editar" does what "Alterar" does.
    auto *editar = new QAction(QStringLiteral("Editar"), painel_->grid());
    editar->setObjectName(QStringLiteral("Editar1"));
    painel_->grid()->addAction(editar);
    painel_->grid()->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(editar, &QAction::triggered, this, [this] { bnteditarClick(); });

    resize(1180, 660);
}

bool TFormCadastroVagas::cadastroVisivel() const
{
    return paginas_->isTabVisible(0);
}

bool TFormCadastroVagas::outrosVisivel() const
{
    return paginas_->isTabVisible(1);
}

void TFormCadastroVagas::mostraCadastro(bool cadastro)
{
    // Exactly one of the two pages is there at a time.
    paginas_->setTabVisible(cadastro ? 0 : 1, true);
    paginas_->setCurrentIndex(cadastro ? 0 : 1);
    paginas_->setTabVisible(cadastro ? 1 : 0, false);
}

void TFormCadastroVagas::aplicaZeroFiltro()
{
    dataset()->setFilter(zeroFiltro());
    dataset()->setFiltered(true);
}

void TFormCadastroVagas::carimba(bool comDataHora)
{
    data::TableDataset *ds = dataset();
    ds->setValue(QStringLiteral("USUARIO"), fb::Value(app::usuarioLogado()));
    if (!comDataHora)
        return;
    const QDateTime agora = seams::now();
    ds->setValue(QStringLiteral("DATA"), fb::Value(seams::today()));
    ds->setValue(QStringLiteral("HORA"),
                 fb::Value(fb::Time::fromHms(agora.time().hour(), agora.time().minute(), 0)));
}

void TFormCadastroVagas::registroNovo()
{
    carimba(true);
}

void TFormCadastroVagas::edicaoIniciada()
{
    carimba(true);
    mostraCadastro(true);
}

void TFormCadastroVagas::gravado()
{
    painel_->calculaTotais();
}

void TFormCadastroVagas::estadoAplicado(bool editando)
{
    if (!painel_) // still inside the pattern's constructor
        return;
    // "Apagar" follows the access rule alone, in both states.
    button(Button::Excluir)->setEnabled(apagarPermitido_);
    filtro_->setEnabled(!editando);
    imprimir_->setEnabled(!editando);
    buscaAvancada_->setEnabled(!editando);
    for (QWidget *w : std::as_const(editaveis_))
        w->setEnabled(editando);
    for (QAction *a : painel_->grid()->actions())
        a->setEnabled(!editando);
}

void TFormCadastroVagas::aplicaAcesso()
{
    widgets::guarded(this, [this] {
        data::TableDataset *login = dm_.CDSlogin;
        if (!login)
            return;
        // The login query again, with the name and password of the last login.
        if (!login->isActive())
            login->open();
        else if (!login->isEditing() && login->changeCount() == 0)
            login->refresh();
        if (login->isEmpty() || login->isNull(QStringLiteral("NIVEL")))
            return;
        const qint64 nivel = login->asInteger(QStringLiteral("NIVEL"));
        if (nivel >= 1 && nivel <= 7)
            apagarPermitido_ = false;
        else if (nivel == 10)
            apagarPermitido_ = true;
        button(Button::Excluir)->setEnabled(apagarPermitido_);
    });
}

void TFormCadastroVagas::janelaMostrada()
{
    aplicaAcesso();
    ativabtn();
    bntfiltroClick();
    mostraCadastro(true);
    painel_->calculaTotais();
    aplicaZeroFiltro();
}

void TFormCadastroVagas::bntfiltroClick()
{
    widgets::guarded(this, [this] {
        painel_->limpaListas();
        data::TableDataset *ds = dataset();
        ds->close();
        ds->setFiltered(false);
        ds->open();
        painel_->calculaTotais(); // over every row: the zero filter comes after
        aplicaZeroFiltro();
        mostraCadastro(true);
    });
}

void TFormCadastroVagas::bntimprimirClick()
{
    widgets::guarded(this, [this] { reports::abrirRelPesquisaVagas(this); });
}

void TFormCadastroVagas::bntbuscaavancadaClick()
{
    mostraCadastro(false);
}

void TFormCadastroVagas::bntvoltarClick()
{
    mostraCadastro(true);
}

void TFormCadastroVagas::bntminimizarClick()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isWindow())
            w->showMinimized();
}
