#pragma once
// What the vacancy register and the vacancy search share over cdsvagas: the coloured grid, the
// four filter boxes, and the bottom bar with the red totals, the blinking school filter and the
// sort box.
#include <QObject>
#include <QString>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;

namespace data {
class TableDataset;
}
namespace widgets {
class DBGrid;
}

namespace referrals {

class PainelVagas : public QObject {
    Q_OBJECT
public:
    enum class Tipo {
        Cadastro, // rows coloured by shift; the box "Escola" also filters by shift
        Pesquisa, // rows without places in red; the box "Escola" filters by school alone
    };

    // The widgets are children of `owner`; the caller places grid(), caixas() and barra().
    PainelVagas(data::TableDataset *vagas, Tipo tipo, QWidget *owner);

    widgets::DBGrid *grid() const { return grid_; }
    QWidget *caixas() const { return caixas_; } // the four filter boxes
    QWidget *barra() const { return barra_; }   // the bottom bar

    // Reads both sums of the dataset into the red labels; a sum without a value empties its label.
    void calculaTotais();
    // Empties the filter lists ("Filtro"); the register keeps the shift of the box "Escola".
    void limpaListas();
    // Replaces the dataset's filter, turns it on and recomputes the totals.
    void aplicaFiltro(const QString &texto);

    // The filter buttons and the sort button, as they are clicked.
    void filtrarEscolaSerieTurno();
    void filtrarSerie();
    void filtrarEscolaSerie();
    void filtrarEscola();
    void filtrarPesquisaEscola();
    void filtrarPor();

private:
    QComboBox *lista(const QString &name, const QStringList &items, QWidget *parent);
    QPushButton *botao(const QString &name, const QString &caption, QWidget *parent);
    void handler(QPushButton *b, void (PainelVagas::*step)());

    data::TableDataset *ds_;
    Tipo tipo_;
    QWidget *owner_;
    widgets::DBGrid *grid_ = nullptr;
    QWidget *caixas_ = nullptr;
    QWidget *barra_ = nullptr;
    QComboBox *escola1_ = nullptr, *serie1_ = nullptr, *turno1_ = nullptr; // "ESCOLA E SERIE E TURNO"
    QComboBox *serie2_ = nullptr;                                          // "Serie"
    QComboBox *escola3_ = nullptr, *serie3_ = nullptr;                     // "Escola e Serie"
    QComboBox *escola4_ = nullptr, *turno4_ = nullptr;                     // "Escola" (shift: register only)
    QComboBox *escolaBusca_ = nullptr;                                     // bottom bar
    QLabel *totalVagas_ = nullptr, *quantitativo_ = nullptr, *piscante_ = nullptr;
    QRadioButton *porEscola_ = nullptr, *porTurno_ = nullptr, *porSerie_ = nullptr;
    QTimer *pisca_ = nullptr;
};

} // namespace referrals
