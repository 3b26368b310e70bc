#pragma once
// What opens what: one row per screen the shell windows open, saying how it is shown and what
// builds it. A screen that joins the program later changes only its own row.
#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace app {

enum class Abertura {
    Modal,       // created, shown modally, destroyed when it closes
    Reutilizada, // created once, shown modally at every opening, kept with its state
    Previa,      // a report whose print preview the row's function shows, owned by the caller
};

struct Destino {
    QString classe;
    Abertura abertura = Abertura::Modal;
    // A table dataset (any of its names) opened before the screen is built; empty for none.
    QString abrirAntes;
    // Builds the screen for Modal and Reutilizada rows; empty while the screen is not in the program.
    std::function<QWidget *(QWidget *origem)> criar;
    // Shows the preview of a Previa row; empty while the document is not in the program.
    std::function<void(QWidget *origem)> previa;

    bool disponivel() const { return abertura == Abertura::Previa ? bool(previa) : bool(criar); }
};

class Navigation {
public:
    // The table.
    static const QList<Destino> &destinos();
    static const Destino *destino(const QString &classe);

    // Opens `classe` from `origem` as its row says. Returns the screen that was shown (null for a
    // preview, for a screen not yet in the program, or for an unknown name); a modal screen is
    // already destroyed when this returns, so the pointer is only good for comparisons.
    static QWidget *abrir(const QString &classe, QWidget *origem);
    // The same for a row given by the caller (tests of the opening modes).
    static QWidget *abrir(const Destino &destino, QWidget *origem);

    // The kept instance of a reused screen, if one exists.
    static QWidget *reutilizada(const QString &classe);
    // Destroys the kept instances (end of the run, tests).
    static void liberarReutilizadas();

    // Shows a screen modally and returns when it is closed. Tests install one that records the
    // screen and returns at once.
    using Exibidor = std::function<void(QWidget *tela)>;
    static void exibirModal(QWidget *tela);
    class ScopedExibidor {
    public:
        explicit ScopedExibidor(Exibidor exibidor);
        ~ScopedExibidor();
        ScopedExibidor(const ScopedExibidor &) = delete;
        ScopedExibidor &operator=(const ScopedExibidor &) = delete;

    private:
        Exibidor previous_;
    };

    // Hears every request to open a screen by name, available or not (tests of the wiring).
    using Observador = std::function<void(const QString &classe)>;
    class ScopedObservador {
    public:
        explicit ScopedObservador(Observador observador);
        ~ScopedObservador();
        ScopedObservador(const ScopedObservador &) = delete;
        ScopedObservador &operator=(const ScopedObservador &) = delete;

    private:
        Observador previous_;
    };
};

} // namespace app
