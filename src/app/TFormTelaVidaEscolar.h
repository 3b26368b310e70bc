#pragma once
// The school-life sector: referrals, vacancies and pupils.
#include "app/TelaSetor.h"

class TFormTelaVidaEscolar : public TelaSetor {
    Q_OBJECT
public:
    explicit TFormTelaVidaEscolar(QWidget *parent = nullptr);

protected:
    void pintarFundo(QPainter &painter) override;
};
