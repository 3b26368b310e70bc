#include "app/TFormTela.h"

#include "app/Installation.h"
#include "app/Session.h"
#include "seams/Clock.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kMenuAberto = 160;
constexpr int kMenuFechado = 40;
} // namespace

TFormTela::TFormTela(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormTela"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    resize(960, 600);

    auto *raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(0, 0, 0, 0);
    raiz->setSpacing(0);

    auto *topo = new QWidget(this);
    topo->setObjectName(QStringLiteral("pnltopo"));
    topo->setAutoFillBackground(true);
    QPalette branco = topo->palette();
    branco.setColor(QPalette::Window, Qt::white);
    topo->setPalette(branco);
    auto *linhaTopo = new QHBoxLayout(topo);
    auto *logo = new QLabel(topo);
    logo->setObjectName(QStringLiteral("imglogo"));
    const QPixmap figura(app::installation().picturePath(app::InstallationData::Picture::SecretariatLogo));
    if (!figura.isNull())
        logo->setPixmap(figura.scaledToHeight(48, Qt::SmoothTransformation));
    linhaTopo->addWidget(logo);
    linhaTopo->addStretch(1);
    usuario_ = new QLabel(topo);
    usuario_->setObjectName(QStringLiteral("lblusuario"));
    QFont negrito = usuario_->font();
    negrito.setBold(true);
    usuario_->setFont(negrito);
    linhaTopo->addWidget(usuario_);
    auto *minimizar = new QPushButton(QStringLiteral("_"), topo);
    minimizar->setObjectName(QStringLiteral("btnminimizar"));
    minimizar->setFixedSize(32, 32);
    connect(minimizar, &QPushButton::clicked, this, &TFormTela::btnminimizarClick);
    linhaTopo->addWidget(minimizar);
    auto *fechar = new QPushButton(QStringLiteral("X"), topo);
    fechar->setObjectName(QStringLiteral("btnfechar"));
    fechar->setFixedSize(32, 32);
    connect(fechar, &QPushButton::clicked, this, &QDialog::close);
    linhaTopo->addWidget(fechar);
    raiz->addWidget(topo);

    auto *meio = new QHBoxLayout;
    meio->setSpacing(0);
    menuLateral_ = new QWidget(this);
    menuLateral_->setObjectName(QStringLiteral("pnlmenu"));
    menuLateral_->setAutoFillBackground(true);
    QPalette escuro = menuLateral_->palette();
    escuro.setColor(QPalette::Window, QColor(0x2F, 0x3E, 0x4E));
    menuLateral_->setPalette(escuro);
    auto *colunaMenu = new QVBoxLayout(menuLateral_);
    auto *menu = new QPushButton(QStringLiteral("MENU"), menuLateral_);
    menu->setObjectName(QStringLiteral("btnmenu"));
    connect(menu, &QPushButton::clicked, this, &TFormTela::btnmenuClick);
    colunaMenu->addWidget(menu);
    // The schools screen this button was meant to place in the main panel does not exist.
    auto *escolas = new QPushButton(QStringLiteral("Escolas"), menuLateral_);
    escolas->setObjectName(QStringLiteral("btnescolas"));
    escolas->setToolTip(QStringLiteral("Escola"));
    colunaMenu->addWidget(escolas);
    colunaMenu->addStretch(1);
    meio->addWidget(menuLateral_);
    auto *principal = new QWidget(this);
    principal->setObjectName(QStringLiteral("pnlprincipal"));
    meio->addWidget(principal, 1);
    raiz->addLayout(meio, 1);

    auto *barra = new QWidget(this);
    barra->setObjectName(QStringLiteral("barra"));
    auto *linhaBarra = new QHBoxLayout(barra);
    linhaBarra->setContentsMargins(6, 2, 6, 2);
    hora_ = new QLabel(barra);
    hora_->setObjectName(QStringLiteral("painel0"));
    data_ = new QLabel(barra);
    data_->setObjectName(QStringLiteral("painel1"));
    linhaBarra->addWidget(hora_);
    linhaBarra->addWidget(data_);
    linhaBarra->addStretch(1);
    raiz->addWidget(barra);

    relogio_ = new QTimer(this);
    relogio_->setObjectName(QStringLiteral("tmr1"));
    relogio_->setInterval(1000);
    connect(relogio_, &QTimer::timeout, this, &TFormTela::tmr1Timer);
    relogio_->start();
}

void TFormTela::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    menuAberto_ = true;
    menuLateral_->setFixedWidth(kMenuAberto);
    usuario_->setText(QStringLiteral("USUÁRIO: ") + app::usuarioLogado());
    if (QScreen *tela = screen())
        move(tela->availableGeometry().center() - rect().center());
    tmr1Timer();
}

void TFormTela::tmr1Timer()
{
    const QDateTime agora = seams::now();
    hora_->setText(agora.time().toString(QStringLiteral("HH:mm:ss")));
    data_->setText(QLocale().toString(agora.date(), QLocale::LongFormat));
}

void TFormTela::btnmenuClick()
{
    menuAberto_ = !menuAberto_;
    menuLateral_->setFixedWidth(menuAberto_ ? kMenuAberto : kMenuFechado);
}

void TFormTela::btnminimizarClick()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            w->showMinimized();
}
