#pragma once
// The secretariat's assets (table PATRIMONIO), searched by the start of the asset number.
#include "registers/RecordScreen.h"

class TFormCadastroPatrimonio : public registers::RecordScreen {
    Q_OBJECT
public:
    explicit TFormCadastroPatrimonio(TDM &dm, QWidget *parent = nullptr);
    explicit TFormCadastroPatrimonio(QWidget *parent = nullptr)
        : TFormCadastroPatrimonio(registers::modulo(), parent)
    {
    }
};
