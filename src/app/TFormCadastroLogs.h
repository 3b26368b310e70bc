#pragma once
// The audit log: rows of user, date, time and external address, created by hand, listed and
// deleted on the record-editing pattern (restricted delete).
#include "registers/RecordScreen.h"

class QLabel;

class TFormCadastroLogs : public registers::RecordScreen {
    Q_OBJECT
public:
    explicit TFormCadastroLogs(TDM &dm, QWidget *parent = nullptr);

    // "Novo" of the button and of the menu: records the current user, today, now and the external
    // address, and sends the row to the server at once.
    void SaveLogToDatabase();
    QString ipGuardado() const;

protected:
    void janelaMostrada() override;

private:
    TDM &dm_;
    QLabel *ip_;
};
