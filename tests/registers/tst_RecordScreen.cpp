// The record-editing pattern: every member's declaration as it shows in use, the grade screen's
// edge cases, the variant letters, and saves or deletes the server refuses.
#include "RegistersFixture.h"
#include "registers/Screens.h"
#include "registers/TFormCadastroSerie.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>

using registers::RecordScreen;

namespace {

// A member declared only here, to reach the letters and failures the catalogues do not have.
class TesteCadastro : public RecordScreen {
public:
    TesteCadastro(TDM &dm, const QString &variants,
                  const QString &generator = QStringLiteral("SP_GEN_SERIE_ID"))
        : RecordScreen(dm, {.title = QStringLiteral("TESTE"),
                            .header = QStringLiteral("TESTE"),
                            .dataset = dm.cds_serie,
                            .keyField = QStringLiteral("SERIE_ID"),
                            .keyGenerator = generator,
                            .requiredControl = QStringLiteral("dbnome"),
                            .search = QStringLiteral("SERIE like "),
                            .variants = variants})
    {
        addField(QStringLiteral("Código"), QStringLiteral("dbid"), QStringLiteral("SERIE_ID"),
                 registers::Field::Key);
        addField(QStringLiteral("Serie"), QStringLiteral("dbnome"), QStringLiteral("SERIE"),
                 registers::Field::UpperCase);
        setGridColumns({{QStringLiteral("SERIE"), {}}});
    }
};

void seedSeries(RegistersFixture &f, const QStringList &names)
{
    qint64 id = 0;
    for (const QString &n : names)
        f.exec(QStringLiteral("insert into SERIE values (next value for GEN_SERIE_ID, ?)"), {fb::Value(n)});
    Q_UNUSED(id);
}

} // namespace

class TstRecordScreen : public QObject {
    Q_OBJECT
private slots:
    void members_data();
    void members();
    void blankNameRefused_data();
    void blankNameRefused();
    void saveStoresTheUntrimmedText();
    void deleteAppliesAndRereadsWhateverTheAnswer_data();
    void deleteAppliesAndRereadsWhateverTheAnswer();
    void closingWhileInsertingRefusedUntilCancelled();
    void searchFilterOutlivesTheWindow();
    void searchTextWithAQuote();
    void cancelledNewRowsLeaveGapsInKeys();
    void gridClickWhileEditingPostsWithoutTheCheck();
    void failingKeyGeneratorInsertsNothing();
    void restrictedDelete_data();
    void restrictedDelete();
    void noRereadAfterDelete();
    void noCloseGuard();
    void refusedSave_data();
    void refusedSave();
    void refusedDeleteShowsTheServerRow();
};

// ---------------------------------------------------------------------------------------------

void TstRecordScreen::members_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("dataset");
    QTest::addColumn<QString>("keyField");
    QTest::addColumn<QString>("sequence"); // the generator's sequence; empty: "Novo" is not offered
    QTest::addColumn<QString>("required");
    QTest::addColumn<QString>("filterForAB"); // empty: the search box filters nothing
    QTest::addColumn<QStringList>("buttons"); // captions, left to right
    QTest::addColumn<QStringList>("columns"); // grid titles
    QTest::addColumn<QString>("variants");    // O R R+ E X as behaviour
    const QStringList six{"Novo", "Salvar", "Apagar", "Cancela", "Alterar", "Sair"};
    QTest::newRow("grades") << "TFormCadastroSerie"
                            << "CADASTRO DE SERIE"
                            << "CADASTRO DE SERIES"
                            << "cds_serie"
                            << "SERIE_ID"
                            << "GEN_SERIE_ID"
                            << "dbnome"
                            << "SERIE like 'AB%'" << six << QStringList{"SERIE"} << "";
    QTest::newRow("shifts") << "TFormCadastroTurno"
                            << "CADASTRO DE TURNO"
                            << "CADASTRO DE TURNOS"
                            << "cds_turno"
                            << "TUNO_ID"
                            << "GEN_TURNO_ID"
                            << "dbnome"
                            << "TURNO like 'AB%'" << six << QStringList{"TUNO_ID", "TURNO"} << "";
    QTest::newRow("classes") << "TFormCadastroTurmas"
                             << "CADASTRO DE TURMAS"
                             << "CADASTRO DE TURMAS"
                             << "cds_turmas"
                             << "ID"
                             << "GEN_TURMAS_ID"
                             << "dbnome"
                             << "" << six << QStringList{"TURMA"} << "O X";
    QTest::newRow("schools") << "TFormCadastroEscola"
                             << "CADASTRO DE ESCOLAS"
                             << "CADASTRO DE ESCOLA"
                             << "cds_escola"
                             << "ID_ESCOLA"
                             << "GEN_ESCOLA_ID"
                             << "dbnome"
                             << "ESCOLA like 'AB%'" << (six + QStringList{"Imprimir"})
                             << QStringList{"ESCOLA", "EMAIL", "CONTATO", "RESPONSAVEL"} << "R+ E";
    QTest::newRow("job titles") << "TFormCadastroCargo"
                                << "FormCadastroCargo"
                                << "CADASTRO DE CARGOS"
                                << "cds_cargo"
                                << "ID"
                                << "GEN_CARGO_ID"
                                << "dbcargo"
                                << "cargo like 'AB%'" << six << QStringList{"ID", "CARGO"} << "O";
    QTest::newRow("president") << "TFormCadastroPresidente"
                               << "SME - CADASTRO DE PRESIDENTE"
                               << "CADASTRO DE PRESIDENTE"
                               << "cdspresidente"
                               << "CODIGO_PRESIDENTE"
                               << "GEN_PRESIDENTE_ID"
                               << "dbnome"
                               << "NOME_PRESIDENTE like 'AB%'" << six
                               << QStringList{"PRESIDENTE", "DATA VIGENTE", "ANO VIGENTE"} << "O R+ E X";
    QTest::newRow("assets") << "TFormCadastroPatrimonio"
                            << "SME - CADASTRO PATRIMONIO"
                            << "CADASTRO DE PATRIMÔNIO"
                            << "cds_patrimonio"
                            << "ID"
                            << "GEN_PRESIDENTE_ID"
                            << "dbnumpatrimonio"
                            << "NUM_PATRIMONIO like 'AB%'" << six
                            << QStringList{"NUM_PATRIMONIO", "DESCRICAO", "SETOR"} << "O E X";
    QTest::newRow("calendar") << "TFormCadastroCronogramaEscolar"
                              << "SME - CRONOGRAMA DAVURUR"
                              << "CRONOGRAMA CADASTRO DAVURUR"
                              << "cds_cad_cronograma_escolar"
                              << "ID"
                              << ""
                              << "db_data_i_ed_i"
                              << "" << QStringList{"Gravar", "Editar", "Cancelar", "Sair"} << QStringList()
                              << "O R E";
    QTest::newRow("users") << "TFormCadastroUsuario"
                           << "SME - CADASTRO DE USUARIO"
                           << "CADASTRO DE USUÁRIOS"
                           << "CdsUsuario"
                           << "ID_SENHA"
                           << "GEN_USUARIO_ID"
                           << "dbnome"
                           << "usuario like 'AB%'" << six << QStringList{"Usuário", "Nível", "SENHA"}
                           << "E X";
    QTest::newRow("own password") << "TFormAlterarUsuario"
                                  << "ALTERAR SENHA USUARIO"
                                  << "ALTERAR SENHA DE USUÁRIOS"
                                  << "CDSlogin"
                                  << "ID_SENHA"
                                  << ""
                                  << "dbnome"
                                  << "" << QStringList{"Salvar", "Alterar", "Sair"} << QStringList{"USUARIO"}
                                  << "";
}

void TstRecordScreen::members()
{
    QFETCH(QString, screen);
    QFETCH(QString, title);
    QFETCH(QString, header);
    QFETCH(QString, dataset);
    QFETCH(QString, keyField);
    QFETCH(QString, sequence);
    QFETCH(QString, required);
    QFETCH(QString, filterForAB);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, columns);
    QFETCH(QString, variants);
    const QStringList v = variants.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    RegistersFixture f;
    // Rows so that "Alterar" has one to work on.
    f.exec(QStringLiteral("insert into CAD_ESCOLAR_CRON (ID) values (1)"));
    f.exec(QStringLiteral("insert into ACESSO values (1, 'ANA', 'ANA', 'S', 10)"));
    f.dm->CDSlogin->setParam(QStringLiteral("nome"), fb::Value(QStringLiteral("ANA")));
    f.dm->CDSlogin->setParam(QStringLiteral("senha"), fb::Value(QStringLiteral("S")));
    if (screen != QLatin1String("TFormAlterarUsuario"))
        f.dm->CDSlogin->open();
    data::TableDataset *ds = f.dm->dataset(dataset);
    const QString filterBefore = ds->filter();

    std::unique_ptr<QDialog> d(registers::createScreen(screen, *f.dm));
    QVERIFY(d);
    auto *s = qobject_cast<RecordScreen *>(d.get());
    QVERIFY(s);
    QCOMPARE(s->windowTitle(), title);
    QCOMPARE(s->findChild<QLabel *>(QStringLiteral("lbcabecalho"))->text(), header);
    QCOMPARE(s->dataset(), ds);
    QCOMPARE(ds->isActive(), v.contains(QLatin1String("O")));
    QVERIFY2(s->dataControl(required), qPrintable(required));

    s->show();
    QVERIFY(QTest::qWaitForWindowActive(s));
    QVERIFY(ds->isActive());
    QList<QPushButton *> bar = s->findChildren<QPushButton *>();
    std::sort(bar.begin(), bar.end(), [](QPushButton *a, QPushButton *b) { return a->x() < b->x(); });
    QStringList captions;
    for (QPushButton *b : bar)
        captions << b->text();
    QCOMPARE(captions, buttons);
    QVERIFY(!btn(s, "bntgravar")->isEnabled());
    QVERIFY(!s->findChild<QWidget *>(required)->isEnabled());
    QStringList titles;
    if (s->grid())
        for (int c = 0; c < s->grid()->model()->columnCount(); ++c)
            titles << s->grid()->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(titles, columns);

    if (QLineEdit *busca = s->searchBox()) {
        QTest::keyClicks(busca, QStringLiteral("ab"));
        QCOMPARE(busca->text(), QStringLiteral("AB"));
        QCOMPARE(ds->filter(), filterForAB.isEmpty() ? filterBefore : filterForAB);
        busca->clear();
    }

    // Into the editing state: a new row with its key drawn, or the current row.
    if (!sequence.isEmpty()) {
        click(s, "bntnovo");
        QCOMPARE(ds->state(), data::TableDataset::State::Insert);
        QCOMPARE(ds->asInteger(keyField), f.sequence(sequence));
    } else {
        QVERIFY(!btn(s, "bntnovo"));
        click(s, "bnteditar");
        QCOMPARE(ds->state(), data::TableDataset::State::Edit);
    }
    QVERIFY(btn(s, "bntgravar")->isEnabled());
    QWidget *req = s->findChild<QWidget *>(required);
    QVERIFY(req->isEnabled());
    QCOMPARE(QApplication::focusWidget(), req);
    QTest::keyClick(req, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget() != req, v.contains(QLatin1String("E")));

    // The close box while editing: ignored outright (X) or refused by the guard.
    f.messages.shown.clear();
    QVERIFY(!s->close());
    QVERIFY(s->isVisible());
    QCOMPARE(f.messages.texts(),
             v.contains(QLatin1String("X")) ? QStringList() : QStringList{RecordScreen::msgSalveOuCancele()});
    if (!btn(s, "bntcancelar"))
        return; // the own-password screen is left only by saving (tested with the catalogues)
    click(s, "bntcancelar");
    QCOMPARE(ds->state(), data::TableDataset::State::Browse);
    if (v.contains(QLatin1String("X"))) {
        QVERIFY(!s->close());
        QVERIFY(s->isVisible());
        click(s, "bntsair");
    } else {
        QVERIFY(s->close());
    }
    QVERIFY(!s->isVisible());
    const bool released = v.contains(QLatin1String("R")) || v.contains(QLatin1String("R+"));
    QCOMPARE(ds->isActive(), !released);
}

// ---------------------------------------------------------------------------------------------

void TstRecordScreen::blankNameRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
}

void TstRecordScreen::blankNameRefused()
{
    QFETCH(QString, typed);
    RegistersFixture f;
    TFormCadastroSerie s(*f.dm);
    s.show();
    QVERIFY(QTest::qWaitForWindowActive(&s));
    click(&s, "bntnovo");
    type(&s, "dbnome", typed);
    click(&s, "bntgravar");
    QCOMPARE(f.messages.texts(), QStringList{RecordScreen::msgCampoObrigatorio()});
    QCOMPARE(f.messages.shown.first().caption, seams::programTitle());
    QCOMPARE(QApplication::focusWidget(), edit(&s, "dbnome"));
    QVERIFY(s.isEditingState());
    QCOMPARE(f.dm->cds_serie->state(), data::TableDataset::State::Insert);
    QVERIFY(f.texts(QStringLiteral("select SERIE from SERIE")).isEmpty());
}

void TstRecordScreen::saveStoresTheUntrimmedText()
{
    RegistersFixture f;
    TFormCadastroSerie s(*f.dm);
    s.show();
    click(&s, "bntnovo");
    type(&s, "dbnome", QStringLiteral(" pre escola "));
    click(&s, "bntgravar");
    QCOMPARE(f.messages.texts(), QStringList{RecordScreen::msgSalvo()});
    QCOMPARE(f.messages.shown.first().caption, seams::programTitle());
    QCOMPARE(f.texts(QStringLiteral("select SERIE from SERIE")), QStringList{" PRE ESCOLA "});
    QVERIFY(!s.isEditingState());
    QVERIFY(btn(&s, "bntnovo")->isEnabled());
    QVERIFY(!edit(&s, "dbnome")->isEnabled());

    // "Alterar" then "Salvar" writes the change to the same row.
    click(&s, "bnteditar");
    type(&s, "dbnome", QStringLiteral("CRECHE"));
    click(&s, "bntgravar");
    QCOMPARE(f.texts(QStringLiteral("select SERIE from SERIE")), QStringList{"CRECHE"});
}

void TstRecordScreen::deleteAppliesAndRereadsWhateverTheAnswer_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("onServer");
    QTest::newRow("yes") << true << QStringList{"B", "NOVA"};
    QTest::newRow("no") << false << QStringList{"A", "B", "NOVA"};
}

void TstRecordScreen::deleteAppliesAndRereadsWhateverTheAnswer()
{
    QFETCH(bool, yes);
    QFETCH(QStringList, onServer);
    RegistersFixture f;
    seedSeries(f, {"A", "B"});
    TFormCadastroSerie s(*f.dm);
    s.show();
    data::TableDataset *ds = f.dm->cds_serie;
    // A row posted but not yet applied, as a screen sharing the dataset may leave it.
    ds->last();
    ds->insert();
    ds->setValue(QStringLiteral("SERIE_ID"), fb::Value(qint64(50)));
    ds->setValue(QStringLiteral("SERIE"), fb::Value(QStringLiteral("NOVA")));
    ds->post();
    ds->first();
    f.messages.shown.clear();
    f.messages.answers << (yes ? QMessageBox::Yes : QMessageBox::No);
    click(&s, "bntexcluir");
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown.first().text, RecordScreen::msgExcluir());
    QCOMPARE(f.messages.shown.first().caption, RecordScreen::captionExcluir());
    QCOMPARE(f.messages.shown.first().icon, seams::Icon::Question);
    QCOMPARE(f.texts(QStringLiteral("select SERIE from SERIE order by SERIE")), onServer);
    QCOMPARE(ds->changeCount(), 0);
    QCOMPARE(ds->recNo(), 0);
    QCOMPARE(gridColumn(s).size(), onServer.size());
}

void TstRecordScreen::closingWhileInsertingRefusedUntilCancelled()
{
    RegistersFixture f;
    TFormCadastroSerie s(*f.dm);
    s.show();
    click(&s, "bntnovo");
    QVERIFY(!btn(&s, "bntsair")->isEnabled());
    QVERIFY(!s.close());
    QVERIFY(s.isVisible());
    QCOMPARE(f.messages.texts(), QStringList{RecordScreen::msgSalveOuCancele()});
    QCOMPARE(f.messages.shown.first().caption, seams::programTitle());
    QVERIFY(s.isEditingState());
    click(&s, "bntcancelar");
    QVERIFY(s.close());
    QCOMPARE(f.messages.shown.size(), 1);
    QVERIFY(f.dm->cds_serie->isActive()); // left open for the next screen
}

void TstRecordScreen::searchFilterOutlivesTheWindow()
{
    RegistersFixture f;
    seedSeries(f, {"ABC", "ABD", "XYZ"});
    {
        TFormCadastroSerie s(*f.dm);
        s.show();
        QTest::keyClicks(s.searchBox(), QStringLiteral("ab"));
        QCOMPARE(gridColumn(s), (QStringList{"ABC", "ABD"}));
        click(&s, "bntsair");
    }
    TFormCadastroSerie again(*f.dm);
    again.show();
    QVERIFY(again.searchBox()->text().isEmpty());
    QCOMPARE(gridColumn(again), (QStringList{"ABC", "ABD"}));
    QTest::keyClicks(again.searchBox(), QStringLiteral("x"));
    QCOMPARE(gridColumn(again), QStringList{"XYZ"});
    again.searchBox()->clear();
    QCOMPARE(f.dm->cds_serie->filter(), QStringLiteral("SERIE like '%'"));
    QCOMPARE(gridColumn(again).size(), 3);
}

void TstRecordScreen::searchTextWithAQuote()
{
    RegistersFixture f;
    seedSeries(f, {"O'BRIEN", "OBA"});
    TFormCadastroSerie s(*f.dm);
    s.show();
    QTest::keyClicks(s.searchBox(), QStringLiteral("o'b"));
    QCOMPARE(f.dm->cds_serie->filter(), QStringLiteral("SERIE like 'O''B%'"));
    QCOMPARE(gridColumn(s), QStringList{"O'BRIEN"});
    QVERIFY(f.messages.shown.isEmpty());
}

void TstRecordScreen::cancelledNewRowsLeaveGapsInKeys()
{
    RegistersFixture f;
    TFormCadastroSerie s(*f.dm);
    s.show();
    QList<qint64> drawn;
    for (int i = 0; i < 2; ++i) {
        click(&s, "bntnovo");
        drawn << f.dm->cds_serie->asInteger(QStringLiteral("SERIE_ID"));
        click(&s, "bntcancelar");
    }
    click(&s, "bntnovo");
    type(&s, "dbnome", QStringLiteral("C"));
    click(&s, "bntgravar");
    QCOMPARE(f.texts(QStringLiteral("select SERIE_ID from SERIE")),
             QStringList{QString::number(drawn[1] + 1)});
    QCOMPARE(drawn[1], drawn[0] + 1);
    QCOMPARE(f.dm->cds_serie->recordCount(), 1);
}

void TstRecordScreen::gridClickWhileEditingPostsWithoutTheCheck()
{
    RegistersFixture f;
    seedSeries(f, {"A", "B"});
    TFormCadastroSerie s(*f.dm);
    s.show();
    data::TableDataset *ds = f.dm->cds_serie;
    click(&s, "bntnovo");
    // The name is left blank: the click posts the row all the same. The new row shows above
    // the last one, so the first row is another row.
    QCOMPARE(ds->recNo(), 1);
    s.grid()->selectRow(0);
    QCOMPARE(ds->asString(QStringLiteral("SERIE")), QStringLiteral("A"));
    QCOMPARE(ds->state(), data::TableDataset::State::Browse);
    QCOMPARE(ds->changeCount(), 1);
    QVERIFY(s.isEditingState()); // the buttons stay as they were
    QVERIFY(btn(&s, "bntgravar")->isEnabled());
    QCOMPARE(f.texts(QStringLiteral("select count(*) from SERIE")), QStringList{"2"});
    QVERIFY(f.messages.shown.isEmpty());
    // Typing in the search box does the same to a row being edited.
    click(&s, "bntcancelar");
    click(&s, "bnteditar");
    type(&s, "dbnome", QStringLiteral("BB"));
    edit(&s, "dbnome")->clearFocus();
    s.dataLink()->updateRecord();
    QTest::keyClicks(s.searchBox(), QStringLiteral("B"));
    QCOMPARE(ds->state(), data::TableDataset::State::Browse);
    QCOMPARE(ds->changeCount(), 1);
    click(&s, "bntgravar");
    QCOMPARE(f.texts(QStringLiteral("select SERIE from SERIE order by SERIE")), (QStringList{"B", "BB"}));
}

void TstRecordScreen::failingKeyGeneratorInsertsNothing()
{
    RegistersFixture f;
    seedSeries(f, {"A"});
    TesteCadastro s(*f.dm, QString(), QStringLiteral("SP_GEN_NAO_EXISTE_ID"));
    s.show();
    click(&s, "bntnovo");
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown.first().icon, seams::Icon::Error);
    QCOMPARE(f.dm->cds_serie->state(), data::TableDataset::State::Browse);
    QCOMPARE(f.dm->cds_serie->recordCount(), 1);
    QVERIFY(!s.isEditingState());
}

void TstRecordScreen::restrictedDelete_data()
{
    QTest::addColumn<QString>("login"); // empty: nobody logged in
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("nobody") << "" << 0 << false;
    QTest::newRow("level 2") << "ANA" << 2 << false;
    QTest::newRow("level 3") << "ANA" << 3 << true;
    QTest::newRow("level 10") << "ANA" << 10 << true;
}

void TstRecordScreen::restrictedDelete()
{
    QFETCH(QString, login);
    QFETCH(int, level);
    QFETCH(bool, allowed);
    RegistersFixture f;
    seedSeries(f, {"A"});
    f.exec(QStringLiteral("insert into ACESSO values (1, 'ANA', 'ANA', 'S', ?)"), {fb::Value(qint64(level))});
    f.dm->CDSlogin->setParam(QStringLiteral("nome"), fb::Value(login));
    f.dm->CDSlogin->setParam(QStringLiteral("senha"), fb::Value(QStringLiteral("S")));
    f.dm->CDSlogin->open();
    TesteCadastro s(*f.dm, QStringLiteral("D"));
    s.show();
    QCOMPARE(s.nivelUsuario(), level);
    f.messages.answers << QMessageBox::Yes;
    click(&s, "bntexcluir");
    QCOMPARE(f.messages.shown.size(), 1);
    if (allowed) {
        QCOMPARE(f.messages.shown.first().text, RecordScreen::msgExcluir());
        QVERIFY(f.texts(QStringLiteral("select SERIE from SERIE")).isEmpty());
    } else {
        QCOMPARE(f.messages.shown.first().text,
                 QStringLiteral("Voce Nao tem Permissão\nChame o Administrador "));
        QCOMPARE(f.messages.shown.first().caption, QStringLiteral("Sem Permissão"));
        QCOMPARE(f.messages.shown.first().icon, seams::Icon::Error);
        QCOMPARE(f.texts(QStringLiteral("select SERIE from SERIE")), QStringList{"A"});
    }
}

void TstRecordScreen::noRereadAfterDelete()
{
    RegistersFixture f;
    seedSeries(f, {"AA", "AB", "AC", "B"});
    TesteCadastro s(*f.dm, QStringLiteral("N"));
    s.show();
    data::TableDataset *ds = f.dm->cds_serie;
    QTest::keyClicks(s.searchBox(), QStringLiteral("A"));
    ds->moveTo(1);
    // Rows another workstation adds are not seen: the dataset is not read again.
    f.exec(QStringLiteral("insert into SERIE values (99, 'AZ')"));
    f.messages.answers << QMessageBox::Yes;
    click(&s, "bntexcluir");
    QCOMPARE(f.texts(QStringLiteral("select SERIE from SERIE order by SERIE")),
             (QStringList{"AA", "AC", "AZ", "B"}));
    QCOMPARE(gridColumn(s), (QStringList{"AA", "AC"}));
    QCOMPARE(ds->recNo(), 1);
    QCOMPARE(ds->filter(), QStringLiteral("SERIE like 'A%'"));
}

void TstRecordScreen::noCloseGuard()
{
    RegistersFixture f;
    TesteCadastro s(*f.dm, QStringLiteral("G"));
    s.show();
    click(&s, "bntnovo");
    QVERIFY(s.close());
    QVERIFY(f.messages.shown.isEmpty());
}

// ---------------------------------------------------------------------------------------------
// Saves the server refuses.

void TstRecordScreen::refusedSave_data()
{
    QTest::addColumn<bool>("changedElsewhere"); // else: held by another workstation's open transaction
    QTest::newRow("row changed on another workstation") << true;
    QTest::newRow("row locked by another workstation") << false;
}

void TstRecordScreen::refusedSave()
{
    QFETCH(bool, changedElsewhere);
    RegistersFixture f;
    seedSeries(f, {"A"});
    data::TableDataset *ds = f.dm->cds_serie;
    ds->setLockTimeout(1);
    TFormCadastroSerie s(*f.dm);
    s.show();
    click(&s, "bnteditar");
    type(&s, "dbnome", QStringLiteral("MINHA"));

    auto other = f.db.connectAgain();
    std::unique_ptr<fb::Transaction> holding;
    if (changedElsewhere) {
        f.exec(QStringLiteral("update SERIE set SERIE = 'OUTRA'"));
    } else {
        holding = std::make_unique<fb::Transaction>(*other, fb::TransactionOptions::readCommittedWrite(0));
        fb::Statement(*holding, QStringLiteral("update SERIE set SERIE = 'PRESA'")).execute();
    }
    click(&s, "bntgravar");
    QCOMPARE(f.messages.shown.size(), 1);
    const QString shown = f.messages.shown.first().text;
    QVERIFY2(shown.startsWith(RecordScreen::msgNaoSalvo() + QLatin1Char('\n')) && shown.size() > 25,
             qPrintable(shown));
    QVERIFY(!f.messages.texts().contains(RecordScreen::msgSalvo()));
    QCOMPARE(ds->changeCount(), 1); // still pending
    QVERIFY(s.isEditingState());
    // Pending and refused: the window is not left with it.
    QVERIFY(!s.close());

    f.messages.shown.clear();
    if (changedElsewhere) {
        click(&s, "bntcancelar");
        QCOMPARE(ds->changeCount(), 0);
        QCOMPARE(edit(&s, "dbnome")->text(), QStringLiteral("OUTRA")); // as the server holds it
        QVERIFY(!s.isEditingState());
        QVERIFY(s.close());
    } else {
        holding->rollback();
        click(&s, "bntgravar");
        QCOMPARE(f.messages.texts(), QStringList{RecordScreen::msgSalvo()});
        QCOMPARE(f.texts(QStringLiteral("select SERIE from SERIE")), QStringList{"MINHA"});
        QCOMPARE(ds->changeCount(), 0);
    }
}

void TstRecordScreen::refusedDeleteShowsTheServerRow()
{
    RegistersFixture f;
    seedSeries(f, {"A"});
    TFormCadastroSerie s(*f.dm);
    s.show();
    f.exec(QStringLiteral("update SERIE set SERIE = 'OUTRA'"));
    f.messages.answers << QMessageBox::Yes;
    click(&s, "bntexcluir");
    QCOMPARE(f.messages.shown.size(), 2);
    QVERIFY(f.messages.shown[1].text.startsWith(RecordScreen::msgNaoSalvo() + QLatin1Char('\n')));
    QCOMPARE(gridColumn(s), QStringList{"OUTRA"});
    QCOMPARE(f.texts(QStringLiteral("select SERIE from SERIE")), QStringList{"OUTRA"});
}

QTEST_MAIN(TstRecordScreen)
#include "tst_RecordScreen.moc"
