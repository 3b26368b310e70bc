#pragma once
// The grade catalogue (table SERIE).
#include "registers/RecordScreen.h"

class TFormCadastroSerie : public registers::RecordScreen {
    Q_OBJECT
public:
    explicit TFormCadastroSerie(TDM &dm, QWidget *parent = nullptr);
    explicit TFormCadastroSerie(QWidget *parent = nullptr) : TFormCadastroSerie(registers::modulo(), parent)
    {
    }
};
