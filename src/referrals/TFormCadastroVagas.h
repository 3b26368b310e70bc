#pragma once
// The vacancy register: the places each school offers per grade and shift, edited on the
// record-editing pattern, with its filter boxes, shift colours, totals, sort and listing.
#include "registers/RecordScreen.h"

class QPushButton;
class QTabWidget;
class QWidget;

namespace widgets {
class DBEdit;
}

namespace referrals {
class PainelVagas;
}

class TFormCadastroVagas : public registers::RecordScreen {
    Q_OBJECT
public:
    explicit TFormCadastroVagas(QWidget *parent = nullptr);
    TFormCadastroVagas(TDM &dm, QWidget *parent = nullptr);

    static QString zeroFiltro() { return QStringLiteral("QTD_VAGAS > 0"); }

    referrals::PainelVagas *painel() const { return painel_; }
    bool cadastroVisivel() const;
    bool outrosVisivel() const;

    // The handlers of what this screen adds to the pattern.
    void bntfiltroClick();
    void bntimprimirClick();
    void bntbuscaavancadaClick();
    void bntvoltarClick();
    void bntminimizarClick();
    // Decides "Apagar" from the level the login query gives now.
    void aplicaAcesso();

protected:
    void registroNovo() override;
    void edicaoIniciada() override;
    void gravado() override;
    void estadoAplicado(bool editando) override;
    void janelaMostrada() override;

private:
    void montar();
    void carimba(bool comDataHora);
    void mostraCadastro(bool cadastro);
    void aplicaZeroFiltro();

    TDM &dm_;
    referrals::PainelVagas *painel_ = nullptr;
    QTabWidget *paginas_ = nullptr;
    QWidget *cadastro_ = nullptr;
    QWidget *outros_ = nullptr;
    QPushButton *filtro_ = nullptr;
    QPushButton *imprimir_ = nullptr;
    QPushButton *pesquisar_ = nullptr;
    QPushButton *buscaAvancada_ = nullptr;
    QList<QWidget *> editaveis_; // enabled only while editing
    bool apagarPermitido_ = true;
};
