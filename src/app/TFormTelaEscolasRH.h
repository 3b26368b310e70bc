#pragma once
// The schools' staff sector: the employee search.
#include "app/TelaSetor.h"

class TFormTelaEscolasRH : public TelaSetor {
    Q_OBJECT
public:
    explicit TFormTelaEscolasRH(QWidget *parent = nullptr);
};
