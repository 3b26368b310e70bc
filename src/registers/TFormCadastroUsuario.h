#pragma once
// The user register (table ACESSO): names, logins, passwords and access levels.
#include "registers/RecordScreen.h"

class TFormCadastroUsuario : public registers::RecordScreen {
    Q_OBJECT
public:
    explicit TFormCadastroUsuario(TDM &dm, QWidget *parent = nullptr);
    explicit TFormCadastroUsuario(QWidget *parent = nullptr)
        : TFormCadastroUsuario(registers::modulo(), parent)
    {
    }
};
