#include "app/TelaSetor.h"

#include "app/Navigation.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

TelaSetor::TelaSetor(const QString &nome, const QString &titulo, bool semFecharPelaBarra, QWidget *parent)
    : QDialog(parent), semFecharPelaBarra_(semFecharPelaBarra)
{
    setObjectName(nome);
    setWindowTitle(titulo);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    // Without a window manager the maximised state is not honoured: start at the screen's size.
    if (QScreen *tela = QGuiApplication::primaryScreen())
        setGeometry(tela->availableGeometry());
    setWindowState(Qt::WindowMaximized);
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    barraMenu_ = new QMenuBar(this);
    barraMenu_->setObjectName(QStringLiteral("MainMenu1"));
    layout->setMenuBar(barraMenu_);

    auto *painel = new QWidget(this);
    painel->setObjectName(QStringLiteral("pnl1"));
    figuras_ = new QHBoxLayout(painel);
    figuras_->setContentsMargins(24, 24, 24, 24);
    figuras_->setSpacing(24);
    figuras_->addStretch(1);
    layout->addWidget(painel);
    layout->addStretch(1);
}

void TelaSetor::sair()
{
    saindo_ = true;
    done(QDialog::Accepted);
    saindo_ = false;
}

QMenu *TelaSetor::menu(const QString &nome, const QString &texto)
{
    QMenu *m = barraMenu_->addMenu(texto);
    m->setObjectName(nome);
    m->menuAction()->setObjectName(nome);
    return m;
}

QMenu *TelaSetor::submenu(QMenu *pai, const QString &nome, const QString &texto)
{
    QMenu *m = pai->addMenu(texto);
    m->setObjectName(nome);
    m->menuAction()->setObjectName(nome);
    return m;
}

QAction *TelaSetor::item(QMenu *menu, const QString &nome, const QString &texto, const QString &destino)
{
    QAction *a = menu->addAction(texto);
    a->setObjectName(nome);
    if (!destino.isEmpty())
        connect(a, &QAction::triggered, this, [this, destino] { abrir(destino); });
    return a;
}

QAction *TelaSetor::itemSair(QMenu *menu, const QString &nome)
{
    QAction *a = menu->addAction(QStringLiteral("Sair"));
    a->setObjectName(nome);
    connect(a, &QAction::triggered, this, &TelaSetor::sair);
    return a;
}

QToolButton *TelaSetor::figura(const QString &nome, const QString &legenda, QStyle::StandardPixmap imagem,
                               const QString &destino, const QString &dica)
{
    auto *b = new QToolButton(this);
    b->setObjectName(nome);
    b->setText(legenda);
    b->setToolTip(dica);
    b->setIcon(style()->standardIcon(imagem));
    b->setIconSize(QSize(64, 64));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setMinimumWidth(120);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    figuras_->insertWidget(figuras_->count() - 1, b);
    if (!destino.isEmpty())
        connect(b, &QToolButton::clicked, this, [this, destino] { abrir(destino); });
    return b;
}

QToolButton *TelaSetor::figuraSair(const QString &nome, const QString &legenda)
{
    QToolButton *b = figura(nome, legenda, QStyle::SP_DialogCloseButton);
    connect(b, &QToolButton::clicked, this, &TelaSetor::sair);
    return b;
}

void TelaSetor::abrir(const QString &destino)
{
    app::Navigation::abrir(destino, this);
}

void TelaSetor::pintarFundo(QPainter &painter)
{
    painter.fillRect(rect(), QColor(0xE8, 0xEE, 0xF4));
}

void TelaSetor::closeEvent(QCloseEvent *event)
{
    if (semFecharPelaBarra_ && !saindo_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TelaSetor::keyPressEvent(QKeyEvent *event)
{
    // Escape is no way out of a sector screen: only its "Sair" (or, where it works, the close box).
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TelaSetor::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    pintarFundo(painter);
}
