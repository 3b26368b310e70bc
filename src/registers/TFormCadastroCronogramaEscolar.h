#pragma once
// The school-calendar dates (the one row of CAD_ESCOLAR_CRON), edited in place.
#include "registers/RecordScreen.h"

class TFormCadastroCronogramaEscolar : public registers::RecordScreen {
    Q_OBJECT
public:
    explicit TFormCadastroCronogramaEscolar(TDM &dm, QWidget *parent = nullptr);
    explicit TFormCadastroCronogramaEscolar(QWidget *parent = nullptr)
        : TFormCadastroCronogramaEscolar(registers::modulo(), parent)
    {
    }

protected:
    void fechando() override;
};
