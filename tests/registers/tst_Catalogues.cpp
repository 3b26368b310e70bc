// What the reference catalogues and the user screens add to the record-editing pattern.
#include "RegistersFixture.h"
#include "registers/TFormAlterarUsuario.h"
#include "registers/TFormCadastroCargo.h"
#include "registers/TFormCadastroCronogramaEscolar.h"
#include "registers/TFormCadastroEscola.h"
#include "registers/TFormCadastroPatrimonio.h"
#include "registers/TFormCadastroPresidente.h"
#include "registers/TFormCadastroTurmas.h"
#include "registers/TFormCadastroUsuario.h"
#include "widgets/DBComboBox.h"

#include <QLabel>

using registers::RecordScreen;

class TstCatalogues : public QObject {
    Q_OBJECT
private slots:
    void schoolCountNamePanelAndPrint();
    void schoolCloseLeavesTheEmptySearch();
    void typedCaseAndTheSearch_data();
    void typedCaseAndTheSearch();
    void classSearchFiltersNothing();
    void assetSearchReadsTheNumberAsText();
    void calendarEditsTheOneRow();
    void calendarWithoutItsRowCannotSave();
    void userRegister();
    void ownPasswordKeepsTheSession();
    void ownPasswordIsLeftOnlyBySaving();
};

void TstCatalogues::schoolCountNamePanelAndPrint()
{
    RegistersFixture f;
    for (const char *n : {"ESCOLA ALFA", "ESCOLA BETA", "CRECHE GAMA"})
        f.exec(
            QStringLiteral("insert into ESCOLA (ID_ESCOLA, ESCOLA) values (next value for GEN_ESCOLA_ID, ?)"),
            {fb::Value(QString::fromLatin1(n))});
    data::TableDataset *ds = f.dm->cds_escola;
    // A filter left by an earlier search is what the count counts.
    ds->setFilter(QStringLiteral("ESCOLA like 'ESCOLA%'"));
    ds->setFiltered(true);
    int printed = 0;
    QStringList printedNames;
    TFormCadastroEscola::abrirRelatorio = [&](QWidget *) {
        ++printed;
        for (int r = 0; r < ds->recordCount(); ++r)
            printedNames << ds->visibleValue(r, ds->fieldIndex(QStringLiteral("ESCOLA"))).toString();
    };
    TFormCadastroEscola s(*f.dm);
    s.show();
    auto *count = s.findChild<QLabel *>(QStringLiteral("lbquantidade"));
    auto *name = s.findChild<QLabel *>(QStringLiteral("pnescola"));
    QCOMPARE(count->text(), QStringLiteral("2"));
    QTest::keyClicks(s.searchBox(), QStringLiteral("c"));
    QCOMPARE(name->text(), QStringLiteral("CRECHE GAMA"));
    QCOMPARE(count->text(), QStringLiteral("2")); // counted when shown
    click(&s, "bntnovo");
    QVERIFY(btn(&s, "bntimprimir")->isEnabled()); // in both states
    click(&s, "bntcancelar");
    s.searchBox()->clear();
    QTest::keyClicks(s.searchBox(), QStringLiteral("escola b"));
    click(&s, "bntimprimir");
    QCOMPARE(printed, 1);
    QCOMPARE(printedNames, QStringList{"ESCOLA BETA"});
    // A click on a grid row shows that school's name.
    s.searchBox()->clear();
    const QModelIndex second = s.grid()->model()->index(1, 0);
    s.grid()->selectRow(1);
    emit s.grid()->clicked(second);
    QCOMPARE(name->text(), ds->asString(QStringLiteral("ESCOLA")));
    TFormCadastroEscola::abrirRelatorio = nullptr;
    click(&s, "bntimprimir"); // nothing to open: nothing happens
    QVERIFY(f.messages.shown.isEmpty());
}

void TstCatalogues::schoolCloseLeavesTheEmptySearch()
{
    RegistersFixture f;
    f.exec(QStringLiteral("insert into ESCOLA (ID_ESCOLA, ESCOLA) values (1, 'ESCOLA ALFA')"));
    TFormCadastroEscola s(*f.dm);
    s.show();
    QTest::keyClicks(s.searchBox(), QStringLiteral("ESC"));
    QVERIFY(s.close());
    QVERIFY(!f.dm->cds_escola->isActive());
    QCOMPARE(f.dm->cds_escola->filter(), QStringLiteral("ESCOLA like '%'"));
    QVERIFY(s.searchBox()->text().isEmpty());
}

void TstCatalogues::typedCaseAndTheSearch_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::newRow("president") << "TFormCadastroPresidente"
                               << "dbnome"
                               << "PRESIDENTE"
                               << "NOME_PRESIDENTE";
    QTest::newRow("job title") << "TFormCadastroCargo"
                               << "dbcargo"
                               << "CARGO"
                               << "CARGO";
}

void TstCatalogues::typedCaseAndTheSearch()
{
    QFETCH(QString, screen);
    QFETCH(QString, control);
    QFETCH(QString, table);
    QFETCH(QString, column);
    RegistersFixture f;
    std::unique_ptr<RecordScreen> s;
    if (screen == QLatin1String("TFormCadastroPresidente"))
        s = std::make_unique<TFormCadastroPresidente>(*f.dm);
    else
        s = std::make_unique<TFormCadastroCargo>(*f.dm);
    s->show();
    click(s.get(), "bntnovo");
    type(s.get(), qPrintable(control), QStringLiteral("Maria Souza"));
    click(s.get(), "bntgravar");
    QCOMPARE(f.texts(QStringLiteral("select %1 from %2").arg(column, table)), QStringList{"Maria Souza"});
    // The search box forces upper case, so a mixed-case name is not found.
    QTest::keyClicks(s->searchBox(), QStringLiteral("Mar"));
    QCOMPARE(s->searchBox()->text(), QStringLiteral("MAR"));
    QCOMPARE(s->dataset()->recordCount(), 0);
    s->searchBox()->clear();
    QCOMPARE(s->dataset()->recordCount(), 1);
}

void TstCatalogues::classSearchFiltersNothing()
{
    RegistersFixture f;
    f.exec(QStringLiteral("insert into TURMAS values (1, 'A1')"));
    f.exec(QStringLiteral("insert into TURMAS values (2, 'B1')"));
    TFormCadastroTurmas s(*f.dm);
    s.show();
    QTest::keyClicks(s.searchBox(), QStringLiteral("B"));
    QCOMPARE(gridColumn(s), (QStringList{"A1", "B1"}));
    QVERIFY(f.dm->cds_turmas->filter().isEmpty());
}

void TstCatalogues::assetSearchReadsTheNumberAsText()
{
    RegistersFixture f;
    TFormCadastroPatrimonio s(*f.dm);
    s.show();
    QVERIFY(QTest::qWaitForWindowActive(&s));
    for (const char *n : {"12", "123", "312"}) {
        click(&s, "bntnovo");
        QCOMPARE(QApplication::focusWidget(), s.findChild<QWidget *>(QStringLiteral("dbnumpatrimonio")));
        type(&s, "dbnumpatrimonio", QString::fromLatin1(n));
        type(&s, "dbdescricao", QStringLiteral("mesa"));
        click(&s, "bntgravar");
    }
    // Letters cannot be typed into the number.
    click(&s, "bntnovo");
    type(&s, "dbnumpatrimonio", QStringLiteral("4a5"));
    QCOMPARE(edit(&s, "dbnumpatrimonio")->text(), QStringLiteral("45"));
    click(&s, "bntcancelar");
    QCOMPARE(f.texts(QStringLiteral("select DESCRICAO from PATRIMONIO")),
             (QStringList{"MESA", "MESA", "MESA"}));
    QTest::keyClicks(s.searchBox(), QStringLiteral("12"));
    QCOMPARE(gridColumn(s), (QStringList{"12", "123"}));
    // The key came from the president's sequence.
    QCOMPARE(f.sequence(QStringLiteral("GEN_PRESIDENTE_ID")), 4);
}

void TstCatalogues::calendarEditsTheOneRow()
{
    RegistersFixture f;
    f.exec(QStringLiteral("insert into CAD_ESCOLAR_CRON (ID, DATA_I_E_I) values (1, '2024-01-10')"));
    TFormCadastroCronogramaEscolar s(*f.dm);
    s.show();
    QCOMPARE(btn(&s, "bntgravar")->text(), QStringLiteral("Gravar"));
    QCOMPARE(btn(&s, "bnteditar")->text(), QStringLiteral("Editar"));
    QCOMPARE(btn(&s, "bntcancelar")->text(), QStringLiteral("Cancelar"));
    QVERIFY(!btn(&s, "bntgravar")->isEnabled());
    QVERIFY(!btn(&s, "bntcancelar")->isEnabled());
    QCOMPARE(edit(&s, "db_data_i_ed_i")->text(), QStringLiteral("10/01/2024"));
    click(&s, "bnteditar");
    QLineEdit *inicio = edit(&s, "db_data_i_ed_i");
    inicio->clear();
    click(&s, "bntgravar");
    QCOMPARE(f.messages.texts(), QStringList{RecordScreen::msgCampoObrigatorio()});
    f.messages.shown.clear();
    inicio->setCursorPosition(0);
    QTest::keyClicks(inicio, QStringLiteral("01022025"));
    QLineEdit *fim = edit(&s, "db_data_f_cad");
    fim->setCursorPosition(0);
    QTest::keyClicks(fim, QStringLiteral("30112025"));
    click(&s, "bntgravar");
    QCOMPARE(f.messages.texts(), QStringList{RecordScreen::msgSalvo()});
    const auto rows =
        queryRows(f.db.attachment(),
                  QStringLiteral("select DATA_I_E_I, DATA_F_E_I, DATA_F_CAD_GERAL from CAD_ESCOLAR_CRON"));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0][0].toDate(), QDate(2025, 2, 1));
    QVERIFY(rows[0][1].isNull());
    QCOMPARE(rows[0][2].toDate(), QDate(2025, 11, 30));
    QVERIFY(s.close());
    QVERIFY(!f.dm->cds_cad_cronograma_escolar->isActive());
}

void TstCatalogues::calendarWithoutItsRowCannotSave()
{
    RegistersFixture f;
    TFormCadastroCronogramaEscolar s(*f.dm);
    s.show();
    click(&s, "bnteditar");
    QCOMPARE(f.dm->cds_cad_cronograma_escolar->state(), data::TableDataset::State::Insert);
    QLineEdit *inicio = edit(&s, "db_data_i_ed_i");
    inicio->setCursorPosition(0);
    QTest::keyClicks(inicio, QStringLiteral("01022025"));
    click(&s, "bntgravar");
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown.first().icon, seams::Icon::Error); // the key is required
    QVERIFY(s.isEditingState());
    click(&s, "bntcancelar");
    QVERIFY(s.close());
    QVERIFY(f.texts(QStringLiteral("select ID from CAD_ESCOLAR_CRON")).isEmpty());
}

void TstCatalogues::userRegister()
{
    RegistersFixture f;
    TFormCadastroUsuario s(*f.dm);
    s.show();
    click(&s, "bntnovo");
    type(&s, "dbnome", QStringLiteral("joana silva"));
    type(&s, "dbusuario", QStringLiteral("joana"));
    type(&s, "dbsenha", QStringLiteral("abc1"));
    QCOMPARE(edit(&s, "dbsenha")->echoMode(), QLineEdit::Password);
    auto *nivel = s.findChild<widgets::DBComboBox *>(QStringLiteral("combonivel"));
    QCOMPARE(nivel->count(), 10);
    QCOMPARE(nivel->itemText(9), QStringLiteral("10"));
    nivel->lineEdit()->clear();
    QTest::keyClicks(nivel->lineEdit(), QStringLiteral("15"));
    click(&s, "bntgravar");
    const auto rows =
        queryRows(f.db.attachment(), QStringLiteral("select NOME, USUARIO, SENHA, NIVEL from ACESSO"));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0][0].toString(), QStringLiteral("JOANA SILVA"));
    QCOMPARE(rows[0][1].toString(), QStringLiteral("JOANA"));
    QCOMPARE(rows[0][2].toString(), QStringLiteral("ABC1"));
    QCOMPARE(rows[0][3].toInt(), 15);
    // The grid hides the password as the field does.
    QCOMPARE(gridColumn(s, 2), QStringList{"####"});
    QCOMPARE(gridColumn(s, 0), QStringList{"JOANA"});
}

void TstCatalogues::ownPasswordKeepsTheSession()
{
    RegistersFixture f;
    f.exec(QStringLiteral("insert into ACESSO values (7, 'JOANA', 'JOANA', 'ABC', 5)"));
    data::TableDataset *login = f.dm->CDSlogin;
    login->setParam(QStringLiteral("nome"), fb::Value(QStringLiteral("JOANA")));
    login->setParam(QStringLiteral("senha"), fb::Value(QStringLiteral("ABC")));
    login->open();
    {
        TFormAlterarUsuario s(*f.dm);
        s.show();
        QCOMPARE(edit(&s, "dbusuario")->text(), QStringLiteral("JOANA"));
        click(&s, "bnteditar");
        type(&s, "dbusuario", QStringLiteral("joana2"));
        type(&s, "dbsenha", QStringLiteral("nova"));
        click(&s, "bntgravar");
        QCOMPARE(f.messages.texts(), QStringList{RecordScreen::msgSalvo()});
        click(&s, "bntsair");
    }
    QCOMPARE(f.texts(QStringLiteral("select USUARIO || '/' || SENHA from ACESSO")),
             QStringList{"JOANA2/NOVA"});
    QCOMPARE(login->param(QStringLiteral("nome")).toString(), QStringLiteral("JOANA2"));
    QCOMPARE(login->param(QStringLiteral("senha")).toString(), QStringLiteral("NOVA"));
    // The next opening refreshes with the session's login and still finds the user and level.
    TFormAlterarUsuario again(*f.dm);
    again.show();
    QCOMPARE(login->recordCount(), 1);
    QCOMPARE(login->asInteger(QStringLiteral("NIVEL")), 5);
    QCOMPARE(edit(&again, "dbnome")->text(), QStringLiteral("JOANA"));
}

void TstCatalogues::ownPasswordIsLeftOnlyBySaving()
{
    RegistersFixture f;
    f.exec(QStringLiteral("insert into ACESSO values (7, 'JOANA', 'JOANA', 'ABC', 5)"));
    f.dm->CDSlogin->setParam(QStringLiteral("nome"), fb::Value(QStringLiteral("JOANA")));
    f.dm->CDSlogin->setParam(QStringLiteral("senha"), fb::Value(QStringLiteral("ABC")));
    TFormAlterarUsuario s(*f.dm);
    s.show();
    QVERIFY(!btn(&s, "bntgravar")->isEnabled());
    click(&s, "bnteditar");
    QVERIFY(!btn(&s, "bntsair")->isEnabled());
    QVERIFY(!btn(&s, "bnteditar")->isEnabled());
    QVERIFY(!s.close());
    QCOMPARE(f.messages.texts(), QStringList{RecordScreen::msgSalveOuCancele()});
    // A save the server refuses cannot trap the user: the row is read again as it now is.
    f.messages.shown.clear();
    f.exec(QStringLiteral("update ACESSO set NOME = 'OUTRO NOME'"));
    type(&s, "dbnome", QStringLiteral("MEU NOME"));
    click(&s, "bntgravar");
    QCOMPARE(f.messages.shown.size(), 1);
    QVERIFY(f.messages.shown.first().text.startsWith(RecordScreen::msgNaoSalvo()));
    QVERIFY(!s.isEditingState());
    QCOMPARE(edit(&s, "dbnome")->text(), QStringLiteral("OUTRO NOME"));
    QVERIFY(s.close());
}

QTEST_MAIN(TstCatalogues)
#include "tst_Catalogues.moc"
