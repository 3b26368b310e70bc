#include "registers/TFormCadastroEscola.h"

#include "app/TDM.h"
#include "widgets/DBGrid.h"
#include "widgets/Guarded.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

std::function<void(QWidget *)> TFormCadastroEscola::abrirRelatorio;

TFormCadastroEscola::TFormCadastroEscola(TDM &dm, QWidget *parent)
    : RecordScreen(dm,
                   {.title = QStringLiteral("CADASTRO DE ESCOLAS"),
                    .header = QStringLiteral("CADASTRO DE ESCOLA"),
                    .dataset = dm.cds_escola,
                    .keyField = QStringLiteral("ID_ESCOLA"),
                    .keyGenerator = QStringLiteral("SP_GEN_ESCOLA_ID"),
                    .requiredControl = QStringLiteral("dbnome"),
                    .search = QStringLiteral("ESCOLA like "),
                    .variants = QStringLiteral("R+, E"),
                    .dataLink = QStringLiteral("dsescola"),
                    .fixedDialog = true},
                   parent)
{
    using registers::Field;
    addField(QStringLiteral("Código"), QStringLiteral("dbid"), QStringLiteral("ID_ESCOLA"), Field::Key, 8);
    addField(QStringLiteral("Escola"), QStringLiteral("dbnome"), QStringLiteral("ESCOLA"), Field::UpperCase,
             45);
    addField(QStringLiteral("E-mail"), QStringLiteral("dbemail"), QStringLiteral("EMAIL"), Field::Text, 30);
    newFieldRow();
    addField(QStringLiteral("Contato"), QStringLiteral("dbcontato"), QStringLiteral("CONTATO"), Field::Phone,
             16);
    addField(QStringLiteral("Responsavel"), QStringLiteral("dbresponsavel"), QStringLiteral("RESPONSAVEL"),
             Field::UpperCase, 35);
    addField(QStringLiteral("Endereço"), QStringLiteral("dbendereco"), QStringLiteral("ENDERECO"),
             Field::UpperCase, 40);
    resize(860, 520);
    setGridColumns({{QStringLiteral("ESCOLA"), {}},
                    {QStringLiteral("EMAIL"), {}},
                    {QStringLiteral("CONTATO"), {}},
                    {QStringLiteral("RESPONSAVEL"), {}}});

    QPushButton *imprimir =
        addBarButton(QStringLiteral("bntimprimir"), QStringLiteral("Imprimir"), QStringLiteral("Imprimir"));
    connect(imprimir, &QPushButton::clicked, this, [this] { bntimprimirClick(); });

    auto *row = new QHBoxLayout();
    row->setContentsMargins(10, 4, 10, 4);
    auto *caption = new QLabel(QStringLiteral("Quantidade "), aboveGrid());
    quantidade_ = new QLabel(aboveGrid());
    quantidade_->setObjectName(QStringLiteral("lbquantidade"));
    nome_ = new QLabel(aboveGrid());
    nome_->setObjectName(QStringLiteral("pnescola"));
    nome_->setFrameShape(QFrame::Panel);
    nome_->setFrameShadow(QFrame::Sunken);
    nome_->setAlignment(Qt::AlignCenter);
    QFont f = nome_->font();
    f.setBold(true);
    nome_->setFont(f);
    row->addWidget(caption);
    row->addWidget(quantidade_);
    row->addSpacing(20);
    row->addWidget(nome_, 1);
    aboveGrid()->layout()->addItem(row);
    connect(grid(), &widgets::DBGrid::clicked, this, [this] { mostraNome(); });
}

void TFormCadastroEscola::janelaMostrada()
{
    quantidade_->setText(QString::number(dataset()->recordCount()));
}

void TFormCadastroEscola::pesquisaAplicada()
{
    mostraNome();
}

void TFormCadastroEscola::mostraNome()
{
    data::TableDataset *ds = dataset();
    nome_->setText(ds->isActive() && (!ds->isEmpty() || ds->isEditing())
                       ? ds->asString(QStringLiteral("ESCOLA"))
                       : QString());
}

void TFormCadastroEscola::bntimprimirClick()
{
    if (abrirRelatorio)
        widgets::guarded(this, [this] { abrirRelatorio(this); });
}
