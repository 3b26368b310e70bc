#pragma once
// The human-resources sector: assets, employees, attendance sheets, job titles and searches.
#include "app/TelaSetor.h"

class TFormTelaRH : public TelaSetor {
    Q_OBJECT
public:
    explicit TFormTelaRH(QWidget *parent = nullptr);
};
