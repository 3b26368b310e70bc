#pragma once
// The secretariat's president and transport officer (table PRESIDENTE).
#include "registers/RecordScreen.h"

class TFormCadastroPresidente : public registers::RecordScreen {
    Q_OBJECT
public:
    explicit TFormCadastroPresidente(TDM &dm, QWidget *parent = nullptr);
    explicit TFormCadastroPresidente(QWidget *parent = nullptr)
        : TFormCadastroPresidente(registers::modulo(), parent)
    {
    }
};
