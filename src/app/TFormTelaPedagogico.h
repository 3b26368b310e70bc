#pragma once
// The pedagogical sector: the technical team's follow-up, searches and the waiting queue.
#include "app/TelaSetor.h"

class TFormTelaPedagogico : public TelaSetor {
    Q_OBJECT
public:
    explicit TFormTelaPedagogico(QWidget *parent = nullptr);
};
