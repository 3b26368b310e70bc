#pragma once
// The shift catalogue (table TURNO).
#include "registers/RecordScreen.h"

class TFormCadastroTurno : public registers::RecordScreen {
    Q_OBJECT
public:
    explicit TFormCadastroTurno(TDM &dm, QWidget *parent = nullptr);
    explicit TFormCadastroTurno(QWidget *parent = nullptr) : TFormCadastroTurno(registers::modulo(), parent)
    {
    }
};
