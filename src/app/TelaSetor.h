#pragma once
// Base of the sector screens: a maximised modal window with its menu bar and a panel of picture
// buttons over a background; its items open their screens through the navigation table.
#include <QDialog>
#include <QStyle>

class QHBoxLayout;
class QMenu;
class QMenuBar;
class QToolButton;

class TelaSetor : public QDialog {
    Q_OBJECT
public:
    // `semFecharPelaBarra`: the window's close command (close box, Alt+F4) is ignored and the
    // screen is left only through its "Sair".
    TelaSetor(const QString &nome, const QString &titulo, bool semFecharPelaBarra, QWidget *parent);

    // Leaves the screen (its "Sair" item and picture).
    void sair();

protected:
    QMenu *menu(const QString &nome, const QString &texto);
    QMenu *submenu(QMenu *pai, const QString &nome, const QString &texto);
    // An item that opens `destino` of the navigation table; an empty destino gives an item that
    // does nothing.
    QAction *item(QMenu *menu, const QString &nome, const QString &texto, const QString &destino = {});
    QAction *itemSair(QMenu *menu, const QString &nome);
    // A picture with its caption beneath; opens `destino` like a menu item.
    QToolButton *figura(const QString &nome, const QString &legenda, QStyle::StandardPixmap imagem,
                        const QString &destino = {}, const QString &dica = {});
    QToolButton *figuraSair(const QString &nome, const QString &legenda);
    void abrir(const QString &destino);
    // Paints the background behind the picture panel.
    virtual void pintarFundo(QPainter &painter);

    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QMenuBar *barraMenu_;
    QHBoxLayout *figuras_;
    bool semFecharPelaBarra_;
    bool saindo_ = false;
};
