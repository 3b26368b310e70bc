#include "referrals/PainelVagas.h"

#include "app/Installation.h"
#include "data/FilterExpression.h"
#include "data/TableDataset.h"
#include "rules/PickLists.h"
#include "widgets/DBGrid.h"
#include "widgets/Guarded.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPainter>
#include <QPolygon>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

namespace referrals {
namespace {

// A coloured row keeps its colours when selected: the selection then shows only in the row
// indicator, as the clerks are used to.
class CoresNaSelecao : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem o(option);
        if (index.data(Qt::BackgroundRole).isValid())
            o.state &= ~QStyle::State_Selected;
        QStyledItemDelegate::paint(painter, o, index);
    }
};

// The row indicator: a marker beside the current row, the one sign of selection a coloured row has.
class IndicadorDeLinha : public QHeaderView {
public:
    explicit IndicadorDeLinha(QTableView *view) : QHeaderView(Qt::Vertical, view), view_(view) {}

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        if (!view_->selectionModel() || view_->selectionModel()->currentIndex().row() != logicalIndex)
            return;
        painter->save();
        painter->setClipping(false);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette().color(QPalette::Highlight));
        const int h = std::max(4, rect.height() / 3);
        const int x = rect.right() - h - 2;
        const int y = rect.center().y();
        painter->drawPolygon(QPolygon({QPoint(x, y - h), QPoint(x + h, y), QPoint(x, y + h)}));
        painter->restore();
    }

private:
    QTableView *view_;
};

QColor corDoTurno(const QString &turno, const QPalette &palette)
{
    if (turno == QLatin1String("MATUTINO"))
        return QColor(0xFF, 0x00, 0x00);
    if (turno == QLatin1String("VESPERTINO"))
        return QColor(0x00, 0x00, 0x80);
    if (turno == QLatin1String("NOTURNO"))
        return QColor(0x00, 0x80, 0x00);
    if (turno == QLatin1String("INTEGRAL"))
        return palette.color(QPalette::ButtonText);
    return {};
}

QString totalComoTexto(const std::optional<fb::Value> &soma)
{
    if (!soma || soma->isNull())
        return {};
    return QString::number(soma->toInt());
}

} // namespace

PainelVagas::PainelVagas(data::TableDataset *vagas, Tipo tipo, QWidget *owner)
    : QObject(owner), ds_(vagas), tipo_(tipo), owner_(owner)
{
    const QStringList escolas = app::installation().schoolList(app::InstallationData::SchoolList::Vacancy);
    const QStringList &series = rules::listaSeries();
    const QStringList &turnos = rules::listaTurnos();

    // --- grid ---------------------------------------------------------------------------------
    grid_ = new widgets::DBGrid(ds_, owner);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->setColumns({{QStringLiteral("ESCOLA"), {}},
                       {QStringLiteral("QTD_VAGAS"), QStringLiteral("V")},
                       {QStringLiteral("SERIE"), {}},
                       {QStringLiteral("TURNO"), {}},
                       {QStringLiteral("Q_MAT_1"), QStringLiteral("Q")}});
    grid_->setColumnAlignment(QStringLiteral("QTD_VAGAS"), Qt::AlignHCenter);
    grid_->setColumnAlignment(QStringLiteral("Q_MAT_1"), Qt::AlignHCenter);
    QFont negrito = grid_->font();
    negrito.setBold(true);
    grid_->setFont(negrito);
    grid_->setItemDelegate(new CoresNaSelecao(grid_));
    {
        const int altura = grid_->verticalHeader()->defaultSectionSize();
        auto *indicador = new IndicadorDeLinha(grid_);
        grid_->setVerticalHeader(indicador);
        indicador->setDefaultSectionSize(altura);
        indicador->setSectionResizeMode(QHeaderView::Fixed);
        indicador->setMinimumWidth(indicador->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
        connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, indicador,
                [indicador] { indicador->viewport()->update(); });
    }
    // The school names are long: their column takes the room left by the others.
    auto larguras = [this] {
        QHeaderView *h = grid_->horizontalHeader();
        if (h->count() < 5)
            return;
        const int ch = grid_->fontMetrics().averageCharWidth();
        h->setStretchLastSection(false);
        h->setSectionResizeMode(0, QHeaderView::Stretch);
        const int widths[] = {0, 6, 32, 14, 6};
        for (int c = 1; c < 5; ++c) {
            h->setSectionResizeMode(c, QHeaderView::Interactive);
            h->resizeSection(c, ch * widths[c] + 12);
        }
    };
    connect(grid_->model(), &QAbstractItemModel::modelReset, this, larguras);
    connect(grid_->model(), &QAbstractItemModel::columnsInserted, this, larguras);
    larguras();
    const QColor fundo = owner->palette().color(QPalette::Window);
    const QPalette paleta = owner->palette();
    if (tipo_ == Tipo::Cadastro) {
        grid_->setRowPainter([fundo, paleta](data::TableDataset &ds, int row) {
            widgets::RowStyle s;
            const int turno = ds.fieldIndex(QStringLiteral("TURNO"));
            if (turno < 0)
                return s;
            const fb::Value v = ds.visibleValue(row, turno);
            const QColor cor = v.isNull() ? QColor() : corDoTurno(v.toString(), paleta);
            if (cor.isValid()) {
                s.background = fundo;
                s.text = cor;
                s.bold = true;
            }
            return s;
        });
    } else {
        grid_->setRowPainter([fundo](data::TableDataset &ds, int row) {
            widgets::RowStyle s;
            const int qtd = ds.fieldIndex(QStringLiteral("QTD_VAGAS"));
            if (qtd < 0)
                return s;
            const fb::Value v = ds.visibleValue(row, qtd);
            if (!v.isNull() && v.toString() == QLatin1String("0")) {
                s.background = fundo;
                s.text = QColor(0xFF, 0x00, 0x00);
                s.bold = true;
            }
            return s;
        });
    }

    // --- the four filter boxes ----------------------------------------------------------------
    caixas_ = new QWidget(owner);
    auto *cl = new QVBoxLayout(caixas_);
    cl->setContentsMargins(4, 4, 4, 4);
    auto caixa = [this, cl](const QString &name, const QString &title) {
        auto *g = new QGroupBox(title, caixas_);
        g->setObjectName(name);
        auto *l = new QVBoxLayout(g);
        l->setSpacing(3);
        cl->addWidget(g);
        return g;
    };
    {
        QGroupBox *g =
            caixa(QStringLiteral("GroupEscolaSerieTurno"), QStringLiteral("ESCOLA E SERIE E TURNO"));
        escola1_ = lista(QStringLiteral("ComboEscola1"), escolas, g);
        serie1_ = lista(QStringLiteral("ComboSerie1"), series, g);
        turno1_ = lista(QStringLiteral("ComboTurno1"), turnos, g);
        handler(botao(QStringLiteral("BtnFiltrar1"), QStringLiteral("Filtrar"), g),
                &PainelVagas::filtrarEscolaSerieTurno);
    }
    {
        QGroupBox *g = caixa(QStringLiteral("GroupSerie"), QStringLiteral("Serie"));
        serie2_ = lista(QStringLiteral("ComboSerie2"), series, g);
        handler(botao(QStringLiteral("BtnFiltrar2"), QStringLiteral("Filtrar"), g),
                &PainelVagas::filtrarSerie);
    }
    {
        QGroupBox *g = caixa(QStringLiteral("GroupEscolaSerie"), QStringLiteral("Escola e Serie"));
        escola3_ = lista(QStringLiteral("ComboEscola3"), escolas, g);
        serie3_ = lista(QStringLiteral("ComboSerie3"), series, g);
        handler(botao(QStringLiteral("BtnFiltrar3"), QStringLiteral("Filtrar"), g),
                &PainelVagas::filtrarEscolaSerie);
    }
    {
        QGroupBox *g = caixa(QStringLiteral("GroupEscola"), QStringLiteral("Escola"));
        escola4_ = lista(QStringLiteral("ComboEscola4"), escolas, g);
        if (tipo_ == Tipo::Cadastro)
            turno4_ = lista(QStringLiteral("ComboTurno4"), turnos, g);
        handler(botao(QStringLiteral("BtnFiltrar4"), QStringLiteral("Filtrar"), g),
                &PainelVagas::filtrarEscola);
    }
    cl->addStretch(1);

    // --- bottom bar ---------------------------------------------------------------------------
    barra_ = new QWidget(owner);
    auto *bl = new QHBoxLayout(barra_);
    bl->setContentsMargins(8, 4, 8, 4);
    auto vermelho = [this](const QString &name) {
        auto *l = new QLabel(barra_);
        l->setObjectName(name);
        QFont f = l->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.3);
        l->setFont(f);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
        l->setPalette(p);
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
        return l;
    };
    bl->addWidget(new QLabel(QStringLiteral("Total Vagas:"), barra_));
    totalVagas_ = vermelho(QStringLiteral("lbqtdv"));
    bl->addWidget(totalVagas_);
    bl->addWidget(new QLabel(QStringLiteral("Quantitativo:"), barra_));
    quantitativo_ = vermelho(QStringLiteral("lbqtq"));
    bl->addWidget(quantitativo_);
    bl->addSpacing(16);

    auto *busca = new QWidget(barra_);
    auto *buscal = new QVBoxLayout(busca);
    buscal->setContentsMargins(0, 0, 0, 0);
    buscal->setSpacing(1);
    piscante_ = new QLabel(QStringLiteral("Pesquisar por Escola"), busca);
    piscante_->setObjectName(QStringLiteral("lbpesquisarescola"));
    QSizePolicy sp = piscante_->sizePolicy();
    sp.setRetainSizeWhenHidden(true); // blinking must not shake the bar
    piscante_->setSizePolicy(sp);
    buscal->addWidget(piscante_);
    escolaBusca_ = lista(QStringLiteral("ComboEscolaBusca"), escolas, busca);
    escolaBusca_->setMinimumWidth(escolaBusca_->fontMetrics().averageCharWidth() * 36);
    bl->addWidget(busca);
    QPushButton *filtrar = botao(QStringLiteral("BtnFiltrarEscola"), QStringLiteral("Filtrar"), barra_);
    bl->addWidget(filtrar, 0, Qt::AlignBottom);
    handler(filtrar, &PainelVagas::filtrarPesquisaEscola);
    bl->addSpacing(16);

    auto *ordem = new QGroupBox(barra_);
    ordem->setObjectName(QStringLiteral("GroupOrdem"));
    auto *ol = new QHBoxLayout(ordem);
    porEscola_ = new QRadioButton(QStringLiteral("Escola"), ordem);
    porEscola_->setObjectName(QStringLiteral("RadioEscola"));
    porTurno_ = new QRadioButton(QStringLiteral("Turno"), ordem);
    porTurno_->setObjectName(QStringLiteral("RadioTurno"));
    porSerie_ = new QRadioButton(QStringLiteral("Serie"), ordem);
    porSerie_->setObjectName(QStringLiteral("RadioSerie"));
    ol->addWidget(porEscola_);
    ol->addWidget(porTurno_);
    ol->addWidget(porSerie_);
    QPushButton *porBtn = botao(QStringLiteral("BtnFiltrarPor"), QStringLiteral("Filtrar por"), ordem);
    ol->addWidget(porBtn);
    handler(porBtn, &PainelVagas::filtrarPor);
    bl->addWidget(ordem);
    bl->addStretch(1);

    pisca_ = new QTimer(this);
    pisca_->setObjectName(QStringLiteral("Timer1"));
    pisca_->setInterval(600);
    connect(pisca_, &QTimer::timeout, this, [this] { piscante_->setVisible(!piscante_->isVisible()); });
    pisca_->start();
}

QComboBox *PainelVagas::lista(const QString &name, const QStringList &items, QWidget *parent)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(false);
    c->addItems(items);
    c->setCurrentIndex(-1);
    c->setMaxVisibleItems(20);
    c->setPlaceholderText(name.contains(QLatin1String("Escola"))  ? QStringLiteral("Escola")
                          : name.contains(QLatin1String("Serie")) ? QStringLiteral("Serie")
                                                                  : QStringLiteral("Turno"));
    if (parent->layout())
        parent->layout()->addWidget(c);
    return c;
}

QPushButton *PainelVagas::botao(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    if (parent->layout() && parent != barra_)
        parent->layout()->addWidget(b);
    return b;
}

void PainelVagas::handler(QPushButton *b, void (PainelVagas::*step)())
{
    connect(b, &QPushButton::clicked, this, [this, step] { (this->*step)(); });
}

void PainelVagas::calculaTotais()
{
    totalVagas_->setText(totalComoTexto(ds_->aggregate(QStringLiteral("qtdv"))));
    quantitativo_->setText(totalComoTexto(ds_->aggregate(QStringLiteral("qtq"))));
}

void PainelVagas::limpaListas()
{
    for (QComboBox *c : {escola1_, serie1_, turno1_, serie2_, escola3_, serie3_, escola4_, escolaBusca_})
        c->setCurrentIndex(-1);
    // The shift of the register's box "Escola" keeps its pick on purpose.
}

void PainelVagas::aplicaFiltro(const QString &texto)
{
    widgets::guarded(owner_, [this, &texto] {
        ds_->setFiltered(false);
        ds_->setFilter(texto);
        ds_->setFiltered(true);
        calculaTotais();
    });
}

// No blank goes between a closing quote and the next word: the texts are the ones the clerks'
// saved habits and the other screens compare with.
void PainelVagas::filtrarEscolaSerieTurno()
{
    aplicaFiltro(QStringLiteral("escola = ") + data::quoted(escola1_->currentText()) +
                 QStringLiteral("and serie =") + data::quoted(serie1_->currentText()) +
                 QStringLiteral("and turno =") + data::quoted(turno1_->currentText()));
}

void PainelVagas::filtrarSerie()
{
    aplicaFiltro(QStringLiteral("serie = ") + data::quoted(serie2_->currentText()));
}

void PainelVagas::filtrarEscolaSerie()
{
    aplicaFiltro(QStringLiteral("escola = ") + data::quoted(escola3_->currentText()) +
                 QStringLiteral("and serie =") + data::quoted(serie3_->currentText()));
}

void PainelVagas::filtrarEscola()
{
    QString texto = QStringLiteral("escola = ") + data::quoted(escola4_->currentText());
    if (turno4_)
        texto += QStringLiteral("and turno =") + data::quoted(turno4_->currentText());
    aplicaFiltro(texto);
}

void PainelVagas::filtrarPesquisaEscola()
{
    aplicaFiltro(QStringLiteral("escola = ") + data::quoted(escolaBusca_->currentText()));
}

void PainelVagas::filtrarPor()
{
    // Looked at in this order; the first choice made wins.
    QString campo;
    if (porSerie_->isChecked())
        campo = QStringLiteral("SERIE");
    else if (porEscola_->isChecked())
        campo = QStringLiteral("escola");
    else if (porTurno_->isChecked())
        campo = QStringLiteral("turno");
    if (campo.isEmpty())
        return;
    widgets::guarded(owner_, [this, &campo] { ds_->setIndexFieldNames(campo); });
}

} // namespace referrals
