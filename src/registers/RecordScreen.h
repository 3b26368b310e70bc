#pragma once
// The record-editing window every register is built on: the button bar and its two states, the
// data-bound fields, the grid, the prefix search, the messages and the close guard. A member
// declares only what differs (RecordScreen::Declaration, addField, setGridColumns) and adds
// handlers for what it does beyond the pattern through the virtual steps below.
#include "data/DatasetModel.h"
#include "data/TableDataset.h"

#include <QDialog>
#include <QFlags>
#include <QPointer>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class TDM;

namespace widgets {
class DataControl;
class DataLink;
class DBComboBox;
class DBGrid;
class IgnoreCloseCommand;
} // namespace widgets

namespace registers {

// How a field is shown and typed.
enum class Field {
    Key,       // the key column: an edit that is always disabled
    Display,   // display only (a label), never typed
    Text,      // as typed
    UpperCase, // typing forced to upper case
    Password,  // upper case, every character shown as "#"
    Integer,   // digits and a sign
    Date,      // "!99/99/0000;1;_", shown and read as dd/MM/yyyy
    Time,      // "!90:00:00>;1;_"
    Phone,     // "!\(99\)00000-0000;1;_"
    Cpf,       // "000\.000\.000\-00;1;_"
    Cep,       // "00000\-999;1;_"
    Memo,      // several lines, as typed
    Picture,   // a photo in a BLOB column
};

// The six buttons of the bar.
enum class Button {
    Novo = 0x01,     // bntnovo
    Gravar = 0x02,   // bntgravar
    Excluir = 0x04,  // bntexcluir
    Cancelar = 0x08, // bntcancelar
    Editar = 0x10,   // bnteditar
    Sair = 0x20,     // bntsair
};
Q_DECLARE_FLAGS(Buttons, Button)
Q_DECLARE_OPERATORS_FOR_FLAGS(Buttons)
inline constexpr Buttons kAllButtons = Buttons(0x3f);

// The variant letters a member declares, read from a text such as "O, R+, E, X".
struct Variants {
    bool openOnCreate = false;        // O
    bool releaseOnClose = false;      // R (also set by R+)
    bool emptySearchOnClose = false;  // R+
    bool enterMovesOn = false;        // E
    bool noCloseCommand = false;      // X
    bool restrictedDelete = false;    // D
    bool noRereadAfterDelete = false; // N
    bool noCloseGuard = false;        // G
    // Throws std::invalid_argument on a letter it does not know.
    static Variants parse(const QString &letters);
};

class RecordScreen : public QDialog {
    Q_OBJECT
public:
    struct Declaration {
        QString title = {};                    // window caption
        QString header = {};                   // text of the header band
        data::TableDataset *dataset = nullptr; // the table dataset of the data module
        QString keyField = {};                 // filled from the generator by "Novo"
        QString keyGenerator = {};             // "SP_GEN_SERIE_ID"; empty: "Novo" draws no key
        QString requiredControl = {};          // objectName of the control "Salvar" requires
        QString search = {};                   // "SERIE like "; empty: the box filters nothing
        QString variants = {};                 // "O, R+, E, X"
        QString searchCaption = QStringLiteral("Pesquisar");
        QString dataLink = {}; // objectName of the data link ("dsserie")
        Buttons buttons = kAllButtons;
        bool searchBand = true; // the band with the search box
        bool grid = true;
        bool fixedDialog = false; // no maximise box
    };

    RecordScreen(TDM &dm, const Declaration &declaration, QWidget *parent = nullptr);
    ~RecordScreen() override;

    // The fixed texts of the pattern.
    static QString msgCampoObrigatorio(); // "O campo nome é obrigatório"
    static QString msgSalvo();            // "Registro salvo com sucesso!"
    static QString msgExcluir();          // "Deseja Excluir o cadastro?"
    static QString captionExcluir();      // "Excluir Cadastro"
    static QString msgSalveOuCancele();   // "Salve ou cancele as operações antes de sair"
    static QString msgNaoSalvo();         // "Registro não foi salvo"
    static QString msgSemPermissao();     // "Voce Nao tem Permissão" + line break + "Chame o Administrador "
    static QString captionSemPermissao(); // "Sem Permissão"

    const Declaration &declaration() const { return decl_; }
    const Variants &variants() const { return variants_; }
    data::TableDataset *dataset() const { return ds_; }
    widgets::DataLink *dataLink() const { return link_; }
    widgets::DBGrid *grid() const { return grid_; }
    QLineEdit *searchBox() const { return busca_; }
    QPushButton *button(Button b) const;
    // A bound control by its objectName; nullptr when there is none.
    widgets::DataControl *dataControl(const QString &objectName) const;
    // True between "Novo"/"Alterar" and a successful "Salvar" or "Cancela".
    bool isEditingState() const { return editingState_; }
    // The logged-in user's level (NIVEL of the current login; 0 when nobody is logged in).
    int nivelUsuario() const;

    // The handlers of the bar and of the search box, as the buttons call them.
    void bntnovoClick();
    void bnteditarClick();
    void bntcancelarClick();
    void bntgravarClick();
    void bntexcluirClick();
    void bntsairClick();
    void EditbuscaChange();

    // Button states: browse (`ativabtn`) and editing (`desativabtn`).
    void ativabtn();
    void desativabtn();
    // Opens / closes the table dataset.
    void ativabanco();
    void desativabanco();

protected:
    // --- declaring the member ---------------------------------------------------------------
    // Adds a labelled control bound to `field`, after the previous one on the current row.
    QWidget *addField(const QString &caption, const QString &objectName, const QString &field, Field kind,
                      int widthChars = 0);
    widgets::DBComboBox *addPickList(const QString &caption, const QString &objectName, const QString &field,
                                     const QStringList &items, bool typingAllowed, int widthChars = 0);
    // Any other widget on the field rows (enabled and disabled with the fields when `editable`).
    void addFieldWidget(const QString &caption, QWidget *widget, bool editable);
    // Starts a new row of fields, with an optional caption over it.
    void newFieldRow(const QString &caption = QString());
    void setGridColumns(const QList<data::DatasetModel::ColumnSpec> &columns);
    // An extra button at the end of the bar, enabled in both states.
    QPushButton *addBarButton(const QString &objectName, const QString &caption, const QString &hint);
    // Puts the bar's buttons in this order (left to right), before any extra button.
    void setButtonOrder(const QList<Button> &order);
    // Relabels a button of the bar (edit-only screens: "Gravar", "Editar", "Cancelar").
    void relabel(Button b, const QString &caption, const QString &hint);
    // A place between the search band and the grid for what a member adds there.
    QWidget *aboveGrid() const { return aboveGrid_; }

    // --- the steps a member may add to ------------------------------------------------------
    virtual void registroNovo() {}                 // "Novo": after the key was set
    virtual void edicaoIniciada() {}               // "Alterar": after the row entered edit state
    virtual bool validaGravacao() { return true; } // "Salvar": after the required field passed
    virtual void gravado() {}                      // "Salvar": after the server took the row
    virtual void estadoAplicado(bool editando) { Q_UNUSED(editando); }
    virtual void aplicaPesquisa(const QString &texto); // builds and sets the filter
    virtual void pesquisaAplicada() {}                 // after every search change
    virtual void janelaMostrada() {}                   // after the showing steps
    virtual void fechando() {}                         // the close guard passed; before the release

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

public slots:
    void reject() override;

private:
    void formShow();
    void applyButtonState(bool editing);
    void focusRequired();
    bool reportRefused(const data::ApplyResult &result);
    QPushButton *makeButton(Button b, const QString &name, const QString &caption, const QString &hint,
                            int standardIcon);
    void placeField(const QString &caption, QWidget *w, int widthChars);

    TDM &dm_;
    Declaration decl_;
    Variants variants_;
    data::TableDataset *ds_;
    widgets::DataLink *link_ = nullptr;
    QHBoxLayout *bar_ = nullptr;
    QLabel *header_ = nullptr;
    QWidget *fieldsArea_ = nullptr;
    QGridLayout *fields_ = nullptr;
    int fieldRow_ = 0, fieldCol_ = 0;
    QWidget *aboveGrid_ = nullptr;
    QLineEdit *busca_ = nullptr;
    widgets::DBGrid *grid_ = nullptr;
    QHash<int, QPushButton *> buttons_;
    QList<QWidget *> editable_;
    widgets::IgnoreCloseCommand *closeCommand_ = nullptr;
    bool editingState_ = false;
};

// The data module a member opens on when none is given (the running program's one).
TDM &modulo();

} // namespace registers
