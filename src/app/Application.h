#pragma once
// The windowing application: pt_BR locale and standard-button texts, Liberation Sans, and the one
// place where an error escaping an event handler is shown in the general error box.
#include <QApplication>

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
