#pragma once
// The job-title catalogue (table CARGO); titles keep the case they were typed in.
#include "registers/RecordScreen.h"

class TFormCadastroCargo : public registers::RecordScreen {
    Q_OBJECT
public:
    explicit TFormCadastroCargo(TDM &dm, QWidget *parent = nullptr);
    explicit TFormCadastroCargo(QWidget *parent = nullptr) : TFormCadastroCargo(registers::modulo(), parent)
    {
    }
};
