#pragma once
// The class catalogue (table TURMAS); its search box filters nothing.
#include "registers/RecordScreen.h"

class TFormCadastroTurmas : public registers::RecordScreen {
    Q_OBJECT
public:
    explicit TFormCadastroTurmas(TDM &dm, QWidget *parent = nullptr);
    explicit TFormCadastroTurmas(QWidget *parent = nullptr) : TFormCadastroTurmas(registers::modulo(), parent)
    {
    }
};
