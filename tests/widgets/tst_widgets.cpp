// The data-aware controls: what masked edits store, binding by field name, read-only browsing,
// writing on leaving, the grid kept in step with the cursor, and the two window behaviours.
#include "TestDatabase.h"
#include "app/TDM.h"
#include "seams/Messages.h"
#include "seams/Shell.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/DBImage.h"
#include "widgets/DataLink.h"
#include "widgets/EditMask.h"
#include "widgets/WindowBehaviours.h"

#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

using widgets::DBEdit;

namespace {

// A data module on a fresh database, set as the program's one for the test's lifetime.
struct Fixture {
    TestDatabase db;
    std::unique_ptr<TDM> dm;
    Fixture() : dm(std::make_unique<TDM>(db.connectAgain())) { DM = dm.get(); }
    ~Fixture() { DM = nullptr; }
    void exec(const QString &sql, const QList<fb::Value> &params = {})
    {
        db.attachment().executeOnce(sql, params);
    }
};

// Leaves the control the way the user does, so it writes what was typed.
void leave(QWidget *w)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &out);
}

} // namespace

class TstWidgets : public QObject {
    Q_OBJECT
private slots:
    void maskStoredText_data();
    void maskStoredText();
    void bindingToAMissingFieldThrows();
    void browsingLeavesTheRowAlone();
    void upperCaseAndColumnLength();
    void maskedFieldsStoreTheirTypes_data();
    void maskedFieldsStoreTheirTypes();
    void unreadableDateIsRefusedAndKept();
    void pickLists();
    void gridFollowsTheCursorBothWays();
    void gridClickWhileEditingPostsAndLandsOnTheClickedRow();
    void gridPainterAndMaskedColumn();
    void pictureFromFile();
    void enterMovesToTheNextControl();
    void closeCommandIgnored();
};

void TstWidgets::maskStoredText_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("nothingTyped");
    using namespace widgets::masks;
    QTest::newRow("date") << date << "01022020"
                          << "01/02/2020" << false;
    QTest::newRow("date untouched") << date << ""
                                    << "  /  /    " << true;
    QTest::newRow("date partly typed") << date << "0102"
                                       << "01/02/    " << false;
    QTest::newRow("time") << hour << "083015"
                          << "08:30:15" << false;
    QTest::newRow("telephone") << telephone << "11987654321"
                               << "(11)98765-4321" << false;
    QTest::newRow("telephone area code only") << telephone << "11"
                                              << "(11)     -    " << false;
    QTest::newRow("CPF") << cpf << "12345678909"
                         << "123.456.789-09" << false;
    QTest::newRow("CPF letters refused") << cpf << "12a3"
                                         << "123.   .   -  " << false;
    QTest::newRow("postal code") << postalCode << "12345678"
                                 << "12345-678" << false;
    QTest::newRow("postal code without suffix") << postalCode << "12345"
                                                << "12345-   " << false;
    QTest::newRow("literals not kept") << QStringLiteral("000\\.000;0;_") << "123456"
                                       << "123456" << false;
    QTest::newRow("upper-case letters") << QStringLiteral(">LL-00;1;_") << "ab12"
                                        << "AB-12" << false;
    QTest::newRow("own blank character") << QStringLiteral("00/00;1;*") << "1"
                                         << "1 /  " << false;
}

void TstWidgets::maskStoredText()
{
    QFETCH(QString, mask);
    QFETCH(QString, keys);
    QFETCH(QString, stored);
    QFETCH(bool, nothingTyped);
    const widgets::EditMask m(mask);
    QLineEdit edit;
    edit.setInputMask(m.inputMask());
    edit.setCursorPosition(0);
    QTest::keyClicks(&edit, keys);
    QCOMPARE(m.storedText(edit.displayText()), stored);
    QCOMPARE(m.nothingTyped(edit.displayText()), nothingTyped);
}

void TstWidgets::bindingToAMissingFieldThrows()
{
    Fixture f;
    data::TableDataset *ds = f.dm->cds_escola;
    widgets::DataLink link(ds, QStringLiteral("dsescola"));
    // Bound while closed: the name is checked when the dataset opens.
    DBEdit later(&link, QStringLiteral("NAO_EXISTE"));
    later.setObjectName(QStringLiteral("dbnada"));
    try {
        ds->open();
        QFAIL("opening with a control on a missing field must fail");
    } catch (const data::DataError &e) {
        QVERIFY2(e.message().contains(QLatin1String("dbnada")) &&
                     e.message().contains(QLatin1String("NAO_EXISTE")),
                 qPrintable(e.message()));
    }
    // Bound while open: at once.
    widgets::DataLink open(ds, QStringLiteral("ds2"));
    QVERIFY(ds->isActive());
    QVERIFY_THROWS_EXCEPTION(data::DataError, DBEdit(&open, QStringLiteral("ESCOLAS")));
}

void TstWidgets::browsingLeavesTheRowAlone()
{
    Fixture f;
    f.exec(QStringLiteral("insert into ESCOLA (ID_ESCOLA, ESCOLA) values (1, 'ESCOLA A')"));
    data::TableDataset *ds = f.dm->cds_escola;
    ds->open();
    widgets::DataLink link(ds, QStringLiteral("dsescola"));
    DBEdit nome(&link, QStringLiteral("ESCOLA"));
    QCOMPARE(nome.text(), QStringLiteral("ESCOLA A"));
    QVERIFY(nome.isReadOnly());
    QTest::keyClicks(&nome, QStringLiteral("XYZ"));
    leave(&nome);
    QCOMPARE(nome.text(), QStringLiteral("ESCOLA A"));
    QCOMPARE(ds->state(), data::TableDataset::State::Browse);
    QCOMPARE(ds->changeCount(), 0);

    ds->edit();
    QVERIFY(!nome.isReadOnly());
    nome.selectAll();
    QTest::keyClicks(&nome, QStringLiteral("ESCOLA B"));
    QCOMPARE(ds->asString(QStringLiteral("ESCOLA")), QStringLiteral("ESCOLA A")); // not before leaving
    leave(&nome);
    QCOMPARE(ds->asString(QStringLiteral("ESCOLA")), QStringLiteral("ESCOLA B"));
    ds->cancel();
    QCOMPARE(nome.text(), QStringLiteral("ESCOLA A"));
    QVERIFY(nome.isReadOnly());
}

void TstWidgets::upperCaseAndColumnLength()
{
    Fixture f;
    data::TableDataset *ds = f.dm->cds_turmas; // TURMA is 40 characters
    ds->open();
    widgets::DataLink link(ds, QStringLiteral("dsturmas"));
    DBEdit turma(&link, QStringLiteral("TURMA"));
    turma.setUpperCase(true);
    QCOMPARE(turma.maxLength(), 40);
    ds->insert();
    QTest::keyClicks(&turma, QStringLiteral("turma "));
    turma.insert(QStringLiteral("ção ")); // what a keyboard with accents sends
    QTest::keyClicks(&turma, QString(40, QLatin1Char('x')));
    QCOMPARE(turma.text().size(), 40);
    QVERIFY2(turma.text().startsWith(QStringLiteral("TURMA ÇÃO XX")), qPrintable(turma.text()));
    turma.setText(QStringLiteral("colado"));
    QCOMPARE(turma.text(), QStringLiteral("COLADO")); // pasted text too
}

void TstWidgets::maskedFieldsStoreTheirTypes_data()
{
    QTest::addColumn<QString>("dataset");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<fb::Value>("stored");
    QTest::addColumn<QString>("shownAgain");
    using namespace widgets::masks;
    QTest::newRow("date") << "cds_patrimonio"
                          << "DATA" << date << "05032024" << fb::Value(QDate(2024, 3, 5)) << "05/03/2024";
    QTest::newRow("date untouched is empty") << "cds_patrimonio"
                                             << "DATA" << date << "" << fb::Value() << "  /  /    ";
    QTest::newRow("time") << "cds_logs"
                          << "HORA" << hour << "083015" << fb::Value(fb::Time::fromHms(8, 30, 15))
                          << "08:30:15";
    QTest::newRow("telephone with literals")
        << "cds_escola"
        << "CONTATO" << telephone << "11987654321" << fb::Value(QStringLiteral("(11)98765-4321"))
        << "(11)98765-4321";
    QTest::newRow("telephone untouched is empty")
        << "cds_escola"
        << "CONTATO" << telephone << "" << fb::Value() << "(  )     -    ";
    QTest::newRow("CPF") << "cds_cad_escolar_anual"
                         << "CPF" << cpf << "12345678909" << fb::Value(QStringLiteral("123.456.789-09"))
                         << "123.456.789-09";
    QTest::newRow("postal code") << "cds_aluno_geral"
                                 << "CEP" << postalCode << "12345" << fb::Value(QStringLiteral("12345-   "))
                                 << "12345-   ";
}

void TstWidgets::maskedFieldsStoreTheirTypes()
{
    QFETCH(QString, dataset);
    QFETCH(QString, field);
    QFETCH(QString, mask);
    QFETCH(QString, keys);
    QFETCH(fb::Value, stored);
    QFETCH(QString, shownAgain);
    Fixture f;
    data::TableDataset *ds = f.dm->dataset(dataset);
    ds->open();
    widgets::DataLink link(ds, QStringLiteral("ds"));
    DBEdit edit(&link, field);
    edit.setEditMask(mask);
    ds->insert();
    edit.setCursorPosition(0);
    QTest::keyClicks(&edit, keys);
    leave(&edit);
    QCOMPARE(ds->value(field), stored);
    ds->cancel();
    ds->insert(); // another row shows empty, then the value comes back through the dataset
    QVERIFY(edit.isBlank());
    ds->setValue(field, stored);
    QCOMPARE(edit.displayText().replace(QLatin1Char('_'), QLatin1Char(' ')), shownAgain);
}

void TstWidgets::unreadableDateIsRefusedAndKept()
{
    Fixture f;
    data::TableDataset *ds = f.dm->cds_patrimonio;
    ds->open();
    widgets::DataLink link(ds, QStringLiteral("dspatrimonio"));
    DBEdit edit(&link, QStringLiteral("DATA"));
    edit.setEditMask(widgets::masks::date);
    ds->insert();
    ds->setValue(QStringLiteral("DATA"), fb::Value(QDate(2020, 1, 1)));
    edit.setCursorPosition(0);
    QTest::keyClicks(&edit, QStringLiteral("31022024"));
    seams::RecordingMessages rec;
    seams::ScopedMessages guard(&rec);
    leave(&edit);
    QCOMPARE(rec.shown.size(), 1);
    QVERIFY2(rec.shown.first().text.contains(QLatin1String("31/02/2024")),
             qPrintable(rec.shown.first().text));
    QCOMPARE(ds->asDate(QStringLiteral("DATA")), QDate(2020, 1, 1));
    QCOMPARE(edit.displayText(), QStringLiteral("31/02/2024")); // left as typed, to be corrected
    QVERIFY(edit.isDirty());
}

void TstWidgets::pickLists()
{
    Fixture f;
    data::TableDataset *vagas = f.dm->cdsvagas;
    vagas->open();
    widgets::DataLink link(vagas, QStringLiteral("dsvagas"));
    const QStringList turnos{"MATUTINO", "VESPERTINO", "NOTURNO", "INTEGRAL"};
    widgets::DBComboBox fixed(&link, QStringLiteral("TURNO"), turnos, false);
    QVERIFY(!fixed.isEditable());
    vagas->insert();
    fixed.setCurrentIndex(2);
    emit fixed.activated(2);
    QCOMPARE(vagas->asString(QStringLiteral("TURNO")), QStringLiteral("NOTURNO"));
    vagas->setValue(QStringLiteral("TURNO"), fb::Value(QStringLiteral("OUTRO")));
    QCOMPARE(fixed.currentIndex(), -1); // a text that is no item shows as no choice
    QVERIFY(fixed.isBlank());
    vagas->cancel();

    // The typing kind on an integer column: a level outside the list is stored as typed.
    data::TableDataset *usuarios = f.dm->CdsUsuario;
    usuarios->open();
    widgets::DataLink ul(usuarios, QStringLiteral("dsusuario"));
    widgets::DBComboBox nivel(&ul, QStringLiteral("NIVEL"), {"1", "2", "3"}, true);
    usuarios->insert();
    nivel.lineEdit()->clear();
    QTest::keyClicks(nivel.lineEdit(), QStringLiteral("15"));
    leave(&nivel);
    QCOMPARE(usuarios->value(QStringLiteral("NIVEL")), fb::Value(qint64(15)));
    usuarios->cancel();
    // Browsing: typing does not reach the row.
    QVERIFY(nivel.lineEdit()->isReadOnly());
}

void TstWidgets::gridFollowsTheCursorBothWays()
{
    Fixture f;
    for (int i = 1; i <= 5; ++i)
        f.exec(QStringLiteral("insert into SERIE values (?, ?)"),
               {fb::Value(qint64(i)), fb::Value(QString(QChar('A' + i)))});
    data::TableDataset *ds = f.dm->cds_serie;
    ds->open();
    widgets::DBGrid grid(ds);
    grid.setColumns({{QStringLiteral("SERIE"), QStringLiteral("Série")}});
    QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Série"));
    QCOMPARE(grid.selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(grid.currentIndex().row(), 0);
    ds->moveTo(3);
    QCOMPARE(grid.currentIndex().row(), 3);
    QVERIFY(grid.selectionModel()->isRowSelected(3, {}));
    QSignalSpy clicked(&grid, &widgets::DBGrid::rowClicked);
    grid.selectRow(1);
    QCOMPARE(ds->recNo(), 1);
    QCOMPARE(clicked.size(), 1);
    // A filter rebuilds the rows; the selection follows the dataset's cursor again.
    ds->setFilter(QStringLiteral("SERIE >= 'D'"));
    ds->setFiltered(true);
    QCOMPARE(grid.model()->rowCount(), 3);
    QCOMPARE(grid.currentIndex().row(), ds->recNo());
}

void TstWidgets::gridClickWhileEditingPostsAndLandsOnTheClickedRow()
{
    Fixture f;
    for (int i = 1; i <= 4; ++i)
        f.exec(QStringLiteral("insert into SERIE values (?, ?)"),
               {fb::Value(qint64(i)), fb::Value(QStringLiteral("S%1").arg(i))});
    data::TableDataset *ds = f.dm->cds_serie;
    ds->open();
    widgets::DBGrid grid(ds);
    ds->moveTo(1);
    ds->insert(); // shows at row 1 while inserted; posting puts it elsewhere
    ds->setValue(QStringLiteral("SERIE_ID"), fb::Value(qint64(9)));
    ds->setValue(QStringLiteral("SERIE"), fb::Value(QStringLiteral("NOVA")));
    grid.selectRow(3); // "S3" while the new row is shown at 1
    QCOMPARE(ds->state(), data::TableDataset::State::Browse);
    QCOMPARE(ds->changeCount(), 1);
    QCOMPARE(ds->asString(QStringLiteral("SERIE")), QStringLiteral("S3"));
    QCOMPARE(grid.currentIndex().row(), ds->recNo());
}

void TstWidgets::gridPainterAndMaskedColumn()
{
    Fixture f;
    f.exec(QStringLiteral("insert into ACESSO values (1, 'ANA', 'ANA', 'SEGREDO', 10)"));
    f.exec(QStringLiteral("insert into ACESSO values (2, 'BIA', 'BIA', 'X1', 1)"));
    data::TableDataset *ds = f.dm->CdsUsuario;
    ds->open();
    widgets::DBGrid grid(ds);
    grid.setColumns({{QStringLiteral("USUARIO"), {}}, {QStringLiteral("SENHA"), {}}});
    grid.setMaskedColumn(QStringLiteral("SENHA"), QLatin1Char('#'));
    grid.setRowPainter([](data::TableDataset &d, int row) {
        widgets::RowStyle s;
        if (d.visibleValue(row, d.fieldIndex(QStringLiteral("NIVEL"))).toInt() == 10) {
            s.background = QColor(Qt::red);
            s.text = QColor(Qt::white);
            s.bold = true;
        }
        return s;
    });
    QAbstractItemModel *m = grid.model();
    QCOMPARE(m->data(m->index(0, 1)).toString(), QStringLiteral("#######"));
    QCOMPARE(m->data(m->index(1, 1)).toString(), QStringLiteral("##"));
    QCOMPARE(m->data(m->index(0, 0)).toString(), QStringLiteral("ANA"));
    QCOMPARE(m->data(m->index(0, 0), Qt::BackgroundRole).value<QColor>(), QColor(Qt::red));
    QCOMPARE(m->data(m->index(0, 1), Qt::ForegroundRole).value<QColor>(), QColor(Qt::white));
    QVERIFY(m->data(m->index(0, 0), Qt::FontRole).value<QFont>().bold());
    QVERIFY(!m->data(m->index(1, 0), Qt::BackgroundRole).isValid());
    QVERIFY(!m->data(m->index(1, 0), Qt::FontRole).isValid());
}

void TstWidgets::pictureFromFile()
{
    Fixture f;
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("foto.png"));
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QVERIFY(img.save(png));
    const QString txt = dir.filePath(QStringLiteral("nota.txt"));
    {
        QFile t(txt);
        QVERIFY(t.open(QIODevice::WriteOnly));
        t.write("nao e imagem");
    }
    data::TableDataset *ds = f.dm->cds_funcionario;
    ds->open();
    widgets::DataLink link(ds, QStringLiteral("dsfuncionario"));
    widgets::DBImage foto(&link, QStringLiteral("FOTO"));
    seams::RecordingShell shell;
    seams::ScopedShell sg(&shell);
    seams::RecordingMessages rec;
    seams::ScopedMessages mg(&rec);

    QVERIFY(!foto.loadFromFile()); // browsing: no dialog at all
    QVERIFY(shell.dialogs.isEmpty());

    ds->insert();
    shell.openAnswers << txt << png;
    QVERIFY(!foto.loadFromFile());
    QCOMPARE(rec.shown.size(), 1);
    QVERIFY(ds->isNull(QStringLiteral("FOTO")));
    QVERIFY(foto.loadFromFile());
    QFile pf(png);
    QVERIFY(pf.open(QIODevice::ReadOnly));
    QCOMPARE(ds->value(QStringLiteral("FOTO")), fb::Value(pf.readAll()));
    QVERIFY(!foto.pixmap().isNull());
    QVERIFY(!foto.loadFromFile()); // cancelled dialog: the picture stays
    QVERIFY(!ds->isNull(QStringLiteral("FOTO")));
}

void TstWidgets::enterMovesToTheNextControl()
{
    QDialog w;
    auto *lay = new QVBoxLayout(&w);
    auto *a = new QLineEdit(&w);
    auto *b = new QLineEdit(&w);
    auto *disabled = new QLineEdit(&w);
    disabled->setEnabled(false);
    auto *memo = new QPlainTextEdit(&w);
    auto *c = new QLineEdit(&w);
    for (QWidget *x : {static_cast<QWidget *>(a), static_cast<QWidget *>(b), static_cast<QWidget *>(disabled),
                       static_cast<QWidget *>(memo), static_cast<QWidget *>(c)})
        lay->addWidget(x);
    widgets::EnterMovesFocus::install(&w);
    QSignalSpy returned(a, &QLineEdit::returnPressed);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    a->setFocus();
    QTest::keyClick(a, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), b);
    QCOMPARE(returned.size(), 0); // the control itself did not act on it
    QTest::keyClick(b, Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), memo); // the disabled one is skipped
    QTest::keyClick(memo, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), memo); // a memo keeps its line breaks
    QCOMPARE(memo->toPlainText(), QStringLiteral("\n"));
}

void TstWidgets::closeCommandIgnored()
{
    QDialog w;
    auto *guard = widgets::IgnoreCloseCommand::install(&w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(w.isVisible());
    guard->permitClose();
    QVERIFY(w.close());
    QVERIFY(!w.isVisible());
    // The permission served once.
    w.show();
    QVERIFY(!w.close());
}

QTEST_MAIN(TstWidgets)
#include "tst_widgets.moc"
