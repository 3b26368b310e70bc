#pragma once
// The login window: checks a user and password against ACESSO, shows the workstation's identity
// and offers the maker's support actions.
#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class TFrm_login : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_login(QWidget *parent = nullptr);

    // The internet-status check of the `rede` timer; tests give their own.
    void setVerificadorConexao(std::function<bool()> verificador) { conectado_ = std::move(verificador); }

    void FormShow();
    void btn1Click();         // "Login"
    void btn2Click();         // "Fechar"
    void btnatualizarClick(); // "Atualizar"
    void btn3Click();         // "Video Aula"
    void bntremotoClick();    // "Remoto"
    void btn_zapClick();      // "Whatsapp" and the contact label
    void redeTimer();
    void versaoTimer();

signals:
    // The level of the attempt just made (0 when it failed), for the main window's menus.
    void nivelObtido(int nivel);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLineEdit *usuario_;
    QLineEdit *senha_;
    QLabel *versao_;
    QLabel *ipLocal_;
    QLabel *ipExterno_;
    QLabel *rede_;
    QLabel *contato_;
    QTimer *timerRede_;
    QTimer *timerVersao_;
    QPixmap fundo_;
    std::function<bool()> conectado_;
};
