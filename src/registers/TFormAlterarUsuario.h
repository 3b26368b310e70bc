#pragma once
// The logged-in user's own name, login and password (the current login's row).
#include "registers/RecordScreen.h"

class TFormAlterarUsuario : public registers::RecordScreen {
    Q_OBJECT
public:
    explicit TFormAlterarUsuario(TDM &dm, QWidget *parent = nullptr);
    explicit TFormAlterarUsuario(QWidget *parent = nullptr) : TFormAlterarUsuario(registers::modulo(), parent)
    {
    }

protected:
    void gravado() override;
};
