#pragma once
// The school catalogue (table ESCOLA), with the count of the schools listed, the name of the
// current school over the grid, and the printed school list.
#include "registers/RecordScreen.h"

#include <functional>

class TFormCadastroEscola : public registers::RecordScreen {
    Q_OBJECT
public:
    explicit TFormCadastroEscola(TDM &dm, QWidget *parent = nullptr);
    explicit TFormCadastroEscola(QWidget *parent = nullptr) : TFormCadastroEscola(registers::modulo(), parent)
    {
    }

    // Opens the school list over cds_escola as this screen left it; the report module sets it
    // at start-up. While it is empty, "Imprimir" does nothing.
    static std::function<void(QWidget *parent)> abrirRelatorio;

    void bntimprimirClick();

protected:
    void janelaMostrada() override;
    void pesquisaAplicada() override;

private:
    void mostraNome();
    QLabel *quantidade_ = nullptr;
    QLabel *nome_ = nullptr;
};
