#pragma once
// The main window "SISTEMA GESTAO SME": menus and toolbar that the login's level opens, the
// background picture, the status bar clock, the 20:00 shutdown and the exit paths.
#include <QHash>
#include <QMainWindow>

class QLabel;
class QTimer;

class TFormPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormPrincipal(QWidget *parent = nullptr);
    ~TFormPrincipal() override;

    // Enables, shows or starts what the level allows (levels without a row change nothing).
    void aplicarNivel(int nivel);

    void tmr1Timer();      // rewrites the status bar
    void hora_funcTimer(); // ends the program at 20:00:00 or later

    // Handlers of the menus and toolbar.
    void Login1Click();
    void SairdoSistema1Click();
    void Logoff1Click();
    void btn4Click(); // calculator
    void FichadeMatricula1Click();
    void Anydesk1Click();

    // Where "Logoff" finds the workstation's launcher.
    static QString caminhoLancador();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void criarMenus();
    void criarBarraFerramentas();
    void criarBarraStatus();
    QAction *acao(QMenu *menu, const QString &nome, const QString &texto, const QString &destino = {});
    void escreverLog(const QString &mensagem);

    QAction *acaoPorNome(const QString &nome) const;

    // The window's own actions by objectName: screens it opens are its children and have
    // actions of the same names.
    QHash<QString, QAction *> acoes_;
    QLabel *paineis_[5] = {};
    QTimer *tmr1_ = nullptr;
    QTimer *horaFunc_ = nullptr;
};
