#include "app/TFrm_login.h"

#include "app/Installation.h"
#include "app/TDM.h"
#include "app/Terminate.h"
#include "app/Workstation.h"
#include "seams/Messages.h"
#include "seams/Shell.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel *rotulo(const QString &nome, const QString &texto, QWidget *pai, int tamanho = 0, bool negrito = false)
{
    auto *l = new QLabel(texto, pai);
    l->setObjectName(nome);
    QFont f = l->font();
    if (tamanho > 0)
        f.setPointSize(tamanho);
    f.setBold(negrito);
    l->setFont(f);
    return l;
}

QPushButton *botao(const QString &nome, const QString &texto, QWidget *pai, const QString &dica = {})
{
    auto *b = new QPushButton(texto, pai);
    b->setObjectName(nome);
    b->setToolTip(dica);
    b->setAutoDefault(false);
    return b;
}

// Forces what is typed into the box to upper case, keeping the cursor where it was.
void maiusculas(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &texto) {
        const QString alto = texto.toUpper();
        if (alto != texto) {
            const int pos = edit->cursorPosition();
            edit->setText(alto);
            edit->setCursorPosition(pos);
        }
    });
}

} // namespace

TFrm_login::TFrm_login(QWidget *parent) : QDialog(parent), conectado_(app::IsConnected)
{
    setObjectName(QStringLiteral("Frm_login"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    setFixedSize(640, 420);
    fundo_ = QPixmap(app::installation().picturePath(app::InstallationData::Picture::LoginBackground));

    auto *raiz = new QHBoxLayout(this);
    raiz->setContentsMargins(28, 24, 28, 20);
    raiz->setSpacing(28);

    auto *esquerda = new QVBoxLayout;
    esquerda->addWidget(
        rotulo(QStringLiteral("lbltitulo"), QStringLiteral("GESTÃO DAVURUR"), this, 22, true));
    esquerda->addWidget(rotulo(QStringLiteral("lblano"), QStringLiteral("2024"), this, 14, true));
    esquerda->addSpacing(12);
    esquerda->addWidget(
        rotulo(QStringLiteral("lblsuporte"), QStringLiteral("SUPORTE TÉCNICO"), this, 11, true));
    const app::InstallationData &inst = app::installation();
    contato_ = rotulo(QStringLiteral("lblcontato"),
                      inst.supportEmail() + QLatin1Char('\n') + inst.supportTelephone(), this);
    contato_->setToolTip(QStringLiteral("Clique aqui para ir para site de suporte"));
    contato_->setCursor(Qt::PointingHandCursor);
    contato_->installEventFilter(this);
    esquerda->addWidget(contato_);
    esquerda->addStretch(1);
    versao_ = rotulo(QStringLiteral("lblversao"), QString(), this);
    ipLocal_ = rotulo(QStringLiteral("lbliplocal"), QString(), this);
    ipExterno_ = rotulo(QStringLiteral("lblipexterno"), QString(), this);
    rede_ = rotulo(QStringLiteral("lbl_rede"), QString(), this);
    for (QLabel *l : {versao_, ipLocal_, ipExterno_, rede_})
        esquerda->addWidget(l);
    // The blinking version text must not make the labels under it jump.
    QSizePolicy politica = versao_->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    versao_->setSizePolicy(politica);
    raiz->addLayout(esquerda, 1);

    auto *direita = new QVBoxLayout;
    direita->addStretch(1);
    auto *campos = new QGridLayout;
    campos->addWidget(rotulo(QStringLiteral("lblusuario"), QStringLiteral("Usuário:"), this, 11, true), 0, 0);
    usuario_ = new QLineEdit(this);
    usuario_->setObjectName(QStringLiteral("edtusuario"));
    usuario_->setMaxLength(30);
    maiusculas(usuario_);
    campos->addWidget(usuario_, 1, 0);
    campos->addWidget(rotulo(QStringLiteral("lblsenha"), QStringLiteral("Senha:"), this, 11, true), 2, 0);
    senha_ = new QLineEdit(this);
    senha_->setObjectName(QStringLiteral("edtsenha"));
    senha_->setMaxLength(30);
    senha_->setEchoMode(QLineEdit::Password);
    senha_->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    campos->addWidget(senha_, 3, 0);
    direita->addLayout(campos);
    usuario_->installEventFilter(this);
    senha_->installEventFilter(this);

    auto *linha1 = new QHBoxLayout;
    QPushButton *login = botao(QStringLiteral("btn1"), QStringLiteral("Login"), this);
    QPushButton *fechar = botao(QStringLiteral("btn2"), QStringLiteral("Fechar"), this);
    linha1->addWidget(login);
    linha1->addWidget(fechar);
    direita->addLayout(linha1);
    auto *linha2 = new QHBoxLayout;
    QPushButton *atualizar = botao(QStringLiteral("btnatualizar"), QStringLiteral("Atualizar"), this);
    QPushButton *video = botao(QStringLiteral("btn3"), QStringLiteral("Video Aula"), this,
                               QStringLiteral("Video Aula - Ajuda"));
    linha2->addWidget(atualizar);
    linha2->addWidget(video);
    direita->addLayout(linha2);
    auto *linha3 = new QHBoxLayout;
    QPushButton *remoto = botao(QStringLiteral("bntremoto"), QStringLiteral("Remoto"), this);
    QPushButton *zap = botao(QStringLiteral("btn_zap"), QStringLiteral("Whatsapp"), this);
    linha3->addWidget(remoto);
    linha3->addWidget(zap);
    direita->addLayout(linha3);
    direita->addStretch(1);
    raiz->addLayout(direita, 1);

    connect(login, &QPushButton::clicked, this, &TFrm_login::btn1Click);
    connect(fechar, &QPushButton::clicked, this, &TFrm_login::btn2Click);
    connect(atualizar, &QPushButton::clicked, this, &TFrm_login::btnatualizarClick);
    connect(video, &QPushButton::clicked, this, &TFrm_login::btn3Click);
    connect(remoto, &QPushButton::clicked, this, &TFrm_login::bntremotoClick);
    connect(zap, &QPushButton::clicked, this, &TFrm_login::btn_zapClick);

    timerRede_ = new QTimer(this);
    timerRede_->setObjectName(QStringLiteral("rede"));
    timerRede_->setInterval(60);
    connect(timerRede_, &QTimer::timeout, this, &TFrm_login::redeTimer);
    timerVersao_ = new QTimer(this);
    timerVersao_->setObjectName(QStringLiteral("versao"));
    timerVersao_->setInterval(400);
    connect(timerVersao_, &QTimer::timeout, this, &TFrm_login::versaoTimer);
}

void TFrm_login::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (QScreen *tela = screen())
        move(tela->availableGeometry().center() - rect().center());
    FormShow();
    timerRede_->start();
    timerVersao_->start();
}

void TFrm_login::hideEvent(QHideEvent *event)
{
    timerRede_->stop();
    timerVersao_->stop();
    QDialog::hideEvent(event);
}

void TFrm_login::FormShow()
{
    if (DM)
        DM->CDSlogin->open();
    usuario_->setFocus();
    versao_->setText(QStringLiteral("Versão....:") + app::VersaoExe());
    ipLocal_->setText(QStringLiteral("Ip Local.:") + app::GetLocalIP(false));
    ipExterno_->setText(QStringLiteral("Ip Externo.:") + app::GetIPReal());
}

void TFrm_login::btn1Click()
{
    data::TableDataset *login = DM->CDSlogin;
    login->close();
    // Values travel as parameters: a quote in a password is part of the password, never SQL.
    login->setParam(QStringLiteral("nome"), fb::Value(usuario_->text()));
    login->setParam(QStringLiteral("senha"), fb::Value(senha_->text()));
    login->open();
    int nivel = 0;
    if (!login->isEmpty()) {
        login->first();
        if (!login->isNull(QStringLiteral("NIVEL")))
            nivel = int(login->asInteger(QStringLiteral("NIVEL")));
    }
    const bool entrou = !login->isEmpty();
    if (entrou)
        seams::showMessage(QStringLiteral("Ola ") + login->asString(QStringLiteral("USUARIO")) +
                               QStringLiteral(" Bemvindo ao ") + QStringLiteral("Sistema, Bom Trabalho"),
                           this);
    else
        seams::showMessage(QStringLiteral("acesso negado"), this);
    usuario_->clear();
    senha_->clear();
    usuario_->setFocus();
    emit nivelObtido(nivel);
    if (entrou)
        accept();
}

void TFrm_login::btn2Click()
{
    app::terminar();
}

void TFrm_login::btnatualizarClick()
{
    const auto resposta = seams::messageBox(
        this, QStringLiteral("A T E N Ç Ã O ! ! !\rDeseja fazer atualização ?"),
        QStringLiteral("Norvalis SISTEMAS"), seams::Icon::Question, QMessageBox::Yes | QMessageBox::No);
    if (resposta != QMessageBox::Yes)
        return;
    seams::shell().openAddress(app::installation().updateUrl());
    app::terminar();
}

void TFrm_login::btn3Click()
{
    const QString endereco = app::installation().helpVideosUrl();
#ifdef Q_OS_WIN
    seams::shell().startProgram(QStringLiteral("chrome.exe"), {endereco});
#else
    // No Chrome to name here: the workstation's browser opens the playlist.
    seams::shell().openAddress(endereco);
#endif
}

void TFrm_login::bntremotoClick()
{
    seams::shell().openAddress(app::installation().remoteSupportUrl());
}

void TFrm_login::btn_zapClick()
{
    seams::shell().openAddress(app::installation().supportChatUrl());
}

void TFrm_login::redeTimer()
{
    rede_->setText(conectado_() ? QStringLiteral("Status Internet: Conectado")
                                : QStringLiteral("Status Internet: Desconectado"));
}

void TFrm_login::versaoTimer()
{
    versao_->setHidden(!versao_->isHidden());
}

bool TFrm_login::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == contato_ && event->type() == QEvent::MouseButtonRelease) {
        btn_zapClick();
        return true;
    }
    if ((watched == usuario_ || watched == senha_) && event->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent *>(event)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFrm_login::keyPressEvent(QKeyEvent *event)
{
    // A borderless window offers no way out but its buttons: Escape does not close it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFrm_login::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!fundo_.isNull())
        p.drawPixmap(rect(), fundo_);
    else
        p.fillRect(rect(), QColor(0xDD, 0xE6, 0xF0));
}
