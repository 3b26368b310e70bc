#include "registers/RecordScreen.h"

#include "app/TDM.h"
#include "data/FilterExpression.h"
#include "seams/Messages.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBImage.h"
#include "widgets/DBMemo.h"
#include "widgets/DBText.h"
#include "widgets/DataLink.h"
#include "widgets/EditMask.h"
#include "widgets/Guarded.h"
#include "widgets/WindowBehaviours.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <QValidator>
#include <stdexcept>

namespace registers {
namespace {

class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

QWidget *band(QWidget *parent, const QString &colour)
{
    auto *w = new QFrame(parent);
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, QColor(colour));
    w->setPalette(p);
    return w;
}

} // namespace

Variants Variants::parse(const QString &letters)
{
    Variants v;
    QString text = letters;
    text.replace(QLatin1Char(','), QLatin1Char(' '));
    for (const QString &t : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString l = t.trimmed().toUpper();
        if (l == QLatin1String("O"))
            v.openOnCreate = true;
        else if (l == QLatin1String("R"))
            v.releaseOnClose = true;
        else if (l == QLatin1String("R+"))
            v.releaseOnClose = v.emptySearchOnClose = true;
        else if (l == QLatin1String("E"))
            v.enterMovesOn = true;
        else if (l == QLatin1String("X"))
            v.noCloseCommand = true;
        else if (l == QLatin1String("D"))
            v.restrictedDelete = true;
        else if (l == QLatin1String("N"))
            v.noRereadAfterDelete = true;
        else if (l == QLatin1String("G"))
            v.noCloseGuard = true;
        else
            throw std::invalid_argument("variante desconhecida: " + l.toStdString());
    }
    return v;
}

TDM &modulo()
{
    if (!DM)
        throw std::logic_error("o módulo de dados ainda não foi criado");
    return *DM;
}

QString RecordScreen::msgCampoObrigatorio()
{
    return QStringLiteral("O campo nome é obrigatório");
}
QString RecordScreen::msgSalvo()
{
    return QStringLiteral("Registro salvo com sucesso!");
}
QString RecordScreen::msgExcluir()
{
    return QStringLiteral("Deseja Excluir o cadastro?");
}
QString RecordScreen::captionExcluir()
{
    return QStringLiteral("Excluir Cadastro");
}
QString RecordScreen::msgSalveOuCancele()
{
    return QStringLiteral("Salve ou cancele as operações antes de sair");
}
QString RecordScreen::msgNaoSalvo()
{
    return QStringLiteral("Registro não foi salvo");
}
QString RecordScreen::msgSemPermissao()
{
    return QStringLiteral("Voce Nao tem Permissão\nChame o Administrador ");
}
QString RecordScreen::captionSemPermissao()
{
    return QStringLiteral("Sem Permissão");
}

RecordScreen::RecordScreen(TDM &dm, const Declaration &declaration, QWidget *parent)
    : QDialog(parent), dm_(dm), decl_(declaration), variants_(Variants::parse(declaration.variants)),
      ds_(declaration.dataset)
{
    if (!ds_)
        throw std::invalid_argument("tela de cadastro sem dataset");
    setWindowTitle(decl_.title);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (!decl_.fixedDialog)
        flags |= Qt::WindowMaximizeButtonHint;
    setWindowFlags(flags);
    setSizeGripEnabled(false);

    QString linkName = decl_.dataLink;
    if (linkName.isEmpty())
        linkName =
            QStringLiteral("ds") +
            ds_->name().mid(ds_->name().startsWith(QLatin1String("cds_"), Qt::CaseInsensitive) ? 4 : 3);
    link_ = new widgets::DataLink(ds_, linkName, this);

    // O: the dataset is opened with the window, so the controls resolve their fields at once.
    if (variants_.openOnCreate)
        ativabanco();

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    QWidget *barBand = band(this, QStringLiteral("#2f5f8f"));
    bar_ = new QHBoxLayout(barBand);
    bar_->setContentsMargins(6, 6, 6, 6);
    makeButton(Button::Novo, QStringLiteral("bntnovo"), QStringLiteral("Novo"),
               QStringLiteral("Novo Registro"), QStyle::SP_FileIcon);
    makeButton(Button::Gravar, QStringLiteral("bntgravar"), QStringLiteral("Salvar"),
               QStringLiteral("Salvar Registro"), QStyle::SP_DialogSaveButton);
    makeButton(Button::Excluir, QStringLiteral("bntexcluir"), QStringLiteral("Apagar"),
               QStringLiteral("Apagar Registro"), QStyle::SP_TrashIcon);
    makeButton(Button::Cancelar, QStringLiteral("bntcancelar"), QStringLiteral("Cancela"),
               QStringLiteral("Cancela Registro"), QStyle::SP_DialogCancelButton);
    makeButton(Button::Editar, QStringLiteral("bnteditar"), QStringLiteral("Alterar"),
               QStringLiteral("Altera Registro"), QStyle::SP_FileDialogDetailedView);
    makeButton(Button::Sair, QStringLiteral("bntsair"), QStringLiteral("Sair"),
               QStringLiteral("Fechar Formulário"), QStyle::SP_DialogCloseButton);
    bar_->addStretch(1);
    root->addWidget(barBand);

    QWidget *headerBand = band(this, QStringLiteral("#dfe8f2"));
    auto *hl = new QHBoxLayout(headerBand);
    header_ = new QLabel(decl_.header, headerBand);
    header_->setObjectName(QStringLiteral("lbcabecalho"));
    QFont hf = header_->font();
    hf.setBold(true);
    hf.setPointSizeF(hf.pointSizeF() * 1.4);
    header_->setFont(hf);
    hl->addWidget(header_);
    root->addWidget(headerBand);

    fieldsArea_ = new QWidget(this);
    fields_ = new QGridLayout(fieldsArea_);
    fields_->setContentsMargins(10, 8, 10, 8);
    fields_->setHorizontalSpacing(10);
    fields_->setVerticalSpacing(2);
    fields_->setColumnStretch(40, 1); // fields keep their widths; the rest of the row stays empty
    root->addWidget(fieldsArea_);

    if (decl_.searchBand) {
        QWidget *searchBand = band(this, QStringLiteral("#87ceeb"));
        auto *sl = new QHBoxLayout(searchBand);
        sl->setContentsMargins(10, 6, 10, 6);
        auto *caption = new QLabel(decl_.searchCaption, searchBand);
        busca_ = new QLineEdit(searchBand);
        busca_->setObjectName(QStringLiteral("Editbusca"));
        busca_->setValidator(new UpperCaseValidator(busca_));
        caption->setBuddy(busca_);
        sl->addWidget(caption);
        sl->addWidget(busca_, 1);
        root->addWidget(searchBand);
        connect(busca_, &QLineEdit::textChanged, this, [this] { EditbuscaChange(); });
    }

    aboveGrid_ = new QWidget(this);
    auto *al = new QVBoxLayout(aboveGrid_);
    al->setContentsMargins(0, 0, 0, 0);
    root->addWidget(aboveGrid_);

    if (decl_.grid) {
        grid_ = new widgets::DBGrid(ds_, this);
        grid_->setObjectName(QStringLiteral("DBGrid1"));
        root->addWidget(grid_, 1);
    } else {
        root->addStretch(1);
    }

    if (variants_.enterMovesOn)
        widgets::EnterMovesFocus::install(this);
    if (variants_.noCloseCommand)
        closeCommand_ = widgets::IgnoreCloseCommand::install(this);
    applyButtonState(false);
    resize(640, decl_.grid ? 480 : 300);
}

RecordScreen::~RecordScreen() = default;

QPushButton *RecordScreen::makeButton(Button b, const QString &name, const QString &caption,
                                      const QString &hint, int standardIcon)
{
    if (!(decl_.buttons & b))
        return nullptr;
    auto *btn = new QPushButton(style()->standardIcon(QStyle::StandardPixmap(standardIcon)), caption);
    btn->setObjectName(name);
    btn->setProperty("hint", hint);
    btn->setAutoDefault(false);
    btn->setMinimumWidth(80);
    bar_->addWidget(btn);
    buttons_.insert(int(b), btn);
    switch (b) {
    case Button::Novo:
        connect(btn, &QPushButton::clicked, this, [this] { bntnovoClick(); });
        break;
    case Button::Gravar:
        connect(btn, &QPushButton::clicked, this, [this] { bntgravarClick(); });
        break;
    case Button::Excluir:
        connect(btn, &QPushButton::clicked, this, [this] { bntexcluirClick(); });
        break;
    case Button::Cancelar:
        connect(btn, &QPushButton::clicked, this, [this] { bntcancelarClick(); });
        break;
    case Button::Editar:
        connect(btn, &QPushButton::clicked, this, [this] { bnteditarClick(); });
        break;
    case Button::Sair:
        connect(btn, &QPushButton::clicked, this, [this] { bntsairClick(); });
        break;
    }
    return btn;
}

QPushButton *RecordScreen::button(Button b) const
{
    return buttons_.value(int(b));
}

void RecordScreen::relabel(Button b, const QString &caption, const QString &hint)
{
    if (QPushButton *btn = button(b)) {
        btn->setText(caption);
        btn->setProperty("hint", hint);
    }
}

void RecordScreen::setButtonOrder(const QList<Button> &order)
{
    int at = 0;
    for (Button b : order)
        if (QPushButton *btn = button(b)) {
            bar_->removeWidget(btn);
            bar_->insertWidget(at++, btn);
        }
}

QPushButton *RecordScreen::addBarButton(const QString &objectName, const QString &caption,
                                        const QString &hint)
{
    auto *btn = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogContentsView), caption);
    btn->setObjectName(objectName);
    btn->setProperty("hint", hint);
    btn->setAutoDefault(false);
    btn->setMinimumWidth(80);
    bar_->insertWidget(bar_->count() - 1, btn); // before the stretch
    return btn;
}

widgets::DataControl *RecordScreen::dataControl(const QString &objectName) const
{
    return link_->control(objectName);
}

// ---------------------------------------------------------------------------------------------
// declaring

void RecordScreen::placeField(const QString &caption, QWidget *w, int widthChars)
{
    auto *label = new QLabel(caption, fieldsArea_);
    label->setBuddy(w);
    if (widthChars > 0)
        w->setFixedWidth(w->fontMetrics().averageCharWidth() * widthChars + 16);
    fields_->addWidget(label, fieldRow_, fieldCol_);
    fields_->addWidget(w, fieldRow_ + 1, fieldCol_);
    ++fieldCol_;
}

void RecordScreen::newFieldRow(const QString &caption)
{
    if (fieldCol_ > 0)
        fieldRow_ += 2;
    fieldCol_ = 0;
    if (!caption.isEmpty()) {
        auto *l = new QLabel(caption, fieldsArea_);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        fields_->addWidget(l, fieldRow_, 0, 1, -1);
        ++fieldRow_;
    }
}

QWidget *RecordScreen::addField(const QString &caption, const QString &objectName, const QString &field,
                                Field kind, int widthChars)
{
    QWidget *w = nullptr;
    bool editable = true;
    switch (kind) {
    case Field::Display: {
        w = new widgets::DBText(link_, field, fieldsArea_);
        editable = false;
        break;
    }
    case Field::Memo: {
        auto *m = new widgets::DBMemo(link_, field, fieldsArea_);
        m->setMaximumHeight(m->fontMetrics().height() * 4 + 12);
        w = m;
        break;
    }
    case Field::Picture:
        w = new widgets::DBImage(link_, field, fieldsArea_);
        break;
    default: {
        auto *e = new widgets::DBEdit(link_, field, fieldsArea_);
        switch (kind) {
        case Field::Key:
            editable = false;
            e->setEnabled(false);
            break;
        case Field::UpperCase:
            e->setUpperCase(true);
            break;
        case Field::Password:
            e->setUpperCase(true);
            e->setPasswordChar(QLatin1Char('#'));
            break;
        case Field::Integer:
            e->setIntegerOnly(true);
            break;
        case Field::Date:
            e->setEditMask(widgets::masks::date);
            break;
        case Field::Time:
            e->setEditMask(widgets::masks::hour);
            break;
        case Field::Phone:
            e->setEditMask(widgets::masks::telephone);
            break;
        case Field::Cpf:
            e->setEditMask(widgets::masks::cpf);
            break;
        case Field::Cep:
            e->setEditMask(widgets::masks::postalCode);
            break;
        default:
            break;
        }
        w = e;
        break;
    }
    }
    w->setObjectName(objectName);
    placeField(caption, w, widthChars);
    if (editable) {
        editable_ << w;
        w->setEnabled(editingState_);
    }
    return w;
}

widgets::DBComboBox *RecordScreen::addPickList(const QString &caption, const QString &objectName,
                                               const QString &field, const QStringList &items,
                                               bool typingAllowed, int widthChars)
{
    auto *c = new widgets::DBComboBox(link_, field, items, typingAllowed, fieldsArea_);
    c->setUpperCase(true);
    c->setObjectName(objectName);
    placeField(caption, c, widthChars);
    editable_ << c;
    c->setEnabled(editingState_);
    return c;
}

void RecordScreen::addFieldWidget(const QString &caption, QWidget *widget, bool editable)
{
    widget->setParent(fieldsArea_);
    placeField(caption, widget, 0);
    if (editable) {
        editable_ << widget;
        widget->setEnabled(editingState_);
    }
}

void RecordScreen::setGridColumns(const QList<data::DatasetModel::ColumnSpec> &columns)
{
    if (grid_)
        grid_->setColumns(columns);
}

// ---------------------------------------------------------------------------------------------
// states

void RecordScreen::applyButtonState(bool editing)
{
    editingState_ = editing;
    auto set = [this](Button b, bool on) {
        if (QPushButton *btn = button(b))
            btn->setEnabled(on);
    };
    set(Button::Novo, !editing);
    set(Button::Editar, !editing);
    set(Button::Excluir, !editing);
    set(Button::Sair, !editing);
    set(Button::Cancelar, editing);
    set(Button::Gravar, editing);
    for (QWidget *w : std::as_const(editable_))
        w->setEnabled(editing);
    estadoAplicado(editing);
}

void RecordScreen::ativabtn()
{
    applyButtonState(false);
}

void RecordScreen::desativabtn()
{
    applyButtonState(true);
}

void RecordScreen::ativabanco()
{
    ds_->open();
    link_->verify();
}

void RecordScreen::desativabanco()
{
    ds_->close();
}

int RecordScreen::nivelUsuario() const
{
    data::TableDataset *login = dm_.CDSlogin;
    if (!login || !login->isActive() || login->isEmpty())
        return 0;
    return login->isNull(QStringLiteral("NIVEL")) ? 0 : int(login->asInteger(QStringLiteral("NIVEL")));
}

void RecordScreen::focusRequired()
{
    QWidget *w = decl_.requiredControl.isEmpty() ? nullptr : findChild<QWidget *>(decl_.requiredControl);
    if (!w && !editable_.isEmpty())
        w = editable_.first();
    if (w)
        w->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------------------------
// handlers

void RecordScreen::formShow()
{
    widgets::guarded(this, [this] {
        if (!variants_.openOnCreate) {
            ativabanco();
            ds_->refresh();
        }
        ativabtn();
        janelaMostrada();
    });
}

void RecordScreen::bntnovoClick()
{
    widgets::guarded(this, [this] {
        // The key comes first: when the generator fails, no row is inserted.
        qint64 key = 0;
        if (!decl_.keyGenerator.isEmpty())
            key = dm_.drawKey(decl_.keyGenerator);
        ds_->last();
        ds_->insert();
        if (!decl_.keyGenerator.isEmpty() && !decl_.keyField.isEmpty())
            ds_->setValue(decl_.keyField, fb::Value(key));
        registroNovo();
        desativabtn();
        focusRequired();
    });
}

void RecordScreen::bnteditarClick()
{
    widgets::guarded(this, [this] {
        ds_->edit();
        edicaoIniciada();
        desativabtn();
        focusRequired();
    });
}

void RecordScreen::bntcancelarClick()
{
    widgets::guarded(this, [this] {
        ds_->cancel();
        // A change the server refused stays pending until here: "Cancela" gives it up and shows
        // the rows as the server holds them.
        if (ds_->changeCount() > 0) {
            ds_->cancelUpdates();
            ds_->refresh();
        }
        ativabtn();
    });
}

bool RecordScreen::reportRefused(const data::ApplyResult &result)
{
    if (result.ok())
        return false;
    QString text = msgNaoSalvo();
    for (const QString &r : result.reasons)
        text += QLatin1Char('\n') + r;
    seams::messageBox(this, text, seams::programTitle(), seams::Icon::Warning);
    return true;
}

void RecordScreen::bntgravarClick()
{
    if (!decl_.requiredControl.isEmpty()) {
        widgets::DataControl *req = dataControl(decl_.requiredControl);
        if (!req)
            throw std::logic_error("campo obrigatório sem controle: " + decl_.requiredControl.toStdString());
        if (req->isBlank()) {
            seams::showMessage(msgCampoObrigatorio(), this);
            req->widget()->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (!validaGravacao())
        return;
    widgets::guarded(this, [this] {
        if (!ds_->isEditing())
            ds_->edit();
        link_->updateRecord();
        ds_->post();
        const data::ApplyResult result = ds_->applyUpdates(0);
        if (reportRefused(result)) {
            // The change stays pending; with no "Cancela" to give it up, it is given up here,
            // or the window could never be left.
            if (!button(Button::Cancelar)) {
                ds_->cancelUpdates();
                ds_->refresh();
                ativabtn();
            }
            return;
        }
        seams::showMessage(msgSalvo(), this);
        ativabtn();
        gravado();
    });
}

void RecordScreen::bntexcluirClick()
{
    if (variants_.restrictedDelete && nivelUsuario() <= 2) {
        seams::messageBox(this, msgSemPermissao(), captionSemPermissao(), seams::Icon::Error);
        return;
    }
    const auto answer = seams::messageBox(this, msgExcluir(), captionExcluir(), seams::Icon::Question,
                                          QMessageBox::Yes | QMessageBox::No);
    widgets::guarded(this, [this, answer] {
        if (answer == QMessageBox::Yes)
            ds_->remove();
        // Applied whatever the answer: anything left pending goes too.
        reportRefused(ds_->applyUpdates(0));
        if (!variants_.noRereadAfterDelete) {
            ds_->close();
            ds_->open();
        }
    });
}

void RecordScreen::bntsairClick()
{
    if (closeCommand_)
        closeCommand_->permitClose();
    close();
}

void RecordScreen::EditbuscaChange()
{
    if (!busca_)
        return;
    const QString text = busca_->text();
    widgets::guarded(this, [this, &text] {
        aplicaPesquisa(text);
        pesquisaAplicada();
    });
}

void RecordScreen::aplicaPesquisa(const QString &texto)
{
    if (decl_.search.isEmpty())
        return;
    ds_->setFiltered(false);
    ds_->setFilter(decl_.search + data::quoted(texto + QLatin1Char('%')));
    ds_->setFiltered(true);
}

// ---------------------------------------------------------------------------------------------
// window

void RecordScreen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        formShow();
}

void RecordScreen::closeEvent(QCloseEvent *event)
{
    // A row being edited, or a change the server refused and nobody gave up yet.
    if (!variants_.noCloseGuard && (ds_->isEditing() || (ds_->isActive() && ds_->changeCount() > 0))) {
        seams::showMessage(msgSalveOuCancele(), this);
        event->ignore();
        return;
    }
    fechando();
    if (variants_.releaseOnClose) {
        desativabanco();
        // R+: the search step runs on the emptied box and leaves its filter on the closed dataset.
        if (variants_.emptySearchOnClose && busca_)
            busca_->clear();
    }
    event->accept();
}

void RecordScreen::keyPressEvent(QKeyEvent *event)
{
    // Esc does not close a register; only its buttons and its close box do.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void RecordScreen::reject()
{
    close();
}

} // namespace registers
