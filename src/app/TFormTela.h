#pragma once
// The early-childhood (CMEI/CRECHE) screen: a borderless window with the user's name, a side
// menu that folds and a clock in its status bar.
#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

class TFormTela : public QDialog {
    Q_OBJECT
public:
    explicit TFormTela(QWidget *parent = nullptr);

    void tmr1Timer();    // rewrites the clock panels
    void btnmenuClick(); // folds or unfolds the side menu
    void btnminimizarClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *menuLateral_;
    bool menuAberto_ = true;
    QLabel *usuario_;
    QLabel *hora_;
    QLabel *data_;
    QTimer *relogio_;
};
