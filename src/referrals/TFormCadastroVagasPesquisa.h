#pragma once
// The vacancy search: the vacancy rows, filters, sort and totals of the register, read-only, for
// the staff who only look at the places; rows without places show in red.
#include <QDialog>

class QPushButton;
class TDM;

namespace widgets {
class IgnoreCloseCommand;
}
namespace referrals {
class PainelVagas;
}

class TFormCadastroVagasPesquisa : public QDialog {
    Q_OBJECT
public:
    explicit TFormCadastroVagasPesquisa(QWidget *parent = nullptr);
    TFormCadastroVagasPesquisa(TDM &dm, QWidget *parent = nullptr);
    ~TFormCadastroVagasPesquisa() override;

    referrals::PainelVagas *painel() const { return painel_; }

    void bntfiltroClick();
    void bntimprimirClick();
    void bntsairClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void formShow();

    TDM &dm_;
    referrals::PainelVagas *painel_ = nullptr;
    QPushButton *filtro_ = nullptr;
    QPushButton *imprimir_ = nullptr;
    QPushButton *sair_ = nullptr;
    widgets::IgnoreCloseCommand *fechamento_ = nullptr;
};
