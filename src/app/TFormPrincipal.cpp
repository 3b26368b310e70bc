#include "app/TFormPrincipal.h"

#include "app/TDM.h"
#include "data/DatasetModel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

TFormPrincipal::TFormPrincipal(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormPrincipal"));
    setWindowTitle(QStringLiteral("SISTEMA GESTAO SME"));
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Tabela:"), central));
    tabelas_ = new QComboBox(central);
    tabelas_->setObjectName(QStringLiteral("cbtabelas"));
    tabelas_->setMinimumWidth(260);
    top->addWidget(tabelas_);
    total_ = new QLabel(central);
    total_->setObjectName(QStringLiteral("lbltotal"));
    top->addWidget(total_);
    top->addStretch();
    layout->addLayout(top);
    grade_ = new QTableView(central);
    grade_->setObjectName(QStringLiteral("DBGrid1"));
    grade_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade_->setSelectionMode(QAbstractItemView::SingleSelection);
    grade_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade_->verticalHeader()->setDefaultSectionSize(20);
    layout->addWidget(grade_);
    setCentralWidget(central);
    statusBar()->showMessage(QStringLiteral("Aguardando conexão"));
    resize(1100, 700);
    setWindowState(Qt::WindowMaximized);
}

TFormPrincipal::~TFormPrincipal() = default;

void TFormPrincipal::attach(TDM &dm)
{
    dm_ = &dm;
    for (auto *ds : dm.datasets())
        tabelas_->addItem(QStringLiteral("%1 (%2)").arg(ds->tableName(), ds->name()));
    connect(tabelas_, &QComboBox::currentIndexChanged, this, &TFormPrincipal::showTable);
    const auto params = dm.conexao().params();
    statusBar()->showMessage(QStringLiteral("Conectado: %1").arg(params.connectionString()));
    tabelas_->setCurrentIndex(dm.datasets().indexOf(dm.cdsaluno));
    showTable(tabelas_->currentIndex());
}

void TFormPrincipal::showTable(int index)
{
    if (!dm_ || index < 0)
        return;
    auto *ds = dm_->datasets().at(index);
    if (!ds->isActive() && !ds->paramNames().isEmpty())
        return; // the login check reads one user at a time
    ds->open();
    delete model_;
    model_ = new data::DatasetModel(ds, this);
    grade_->setModel(model_);
    grade_->resizeColumnsToContents();
    total_->setText(QStringLiteral("Total Geral %1").arg(ds->recordCount()));
}
