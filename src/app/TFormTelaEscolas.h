#pragma once
// The schools sector: registers of pupils, schools, grades, shifts, vacancies and classes.
#include "app/TelaSetor.h"

class TFormTelaEscolas : public TelaSetor {
    Q_OBJECT
public:
    explicit TFormTelaEscolas(QWidget *parent = nullptr);
};
