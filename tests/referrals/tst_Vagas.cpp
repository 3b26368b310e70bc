// The vacancy register, the vacancy search and the vacancy listing, driven through their controls
// over a throw-away database.
#include "TestDatabase.h"
#include "app/Installation.h"
#include "app/Navigation.h"
#include "app/TDM.h"
#include "referrals/PainelVagas.h"
#include "referrals/TFormCadastroVagas.h"
#include "referrals/TFormCadastroVagasPesquisa.h"
#include "referrals/TRelPesquisaVagas.h"
#include "registers/RecordScreen.h"
#include "reports/ReportSeams.h"
#include "reports/engine/ReportPainter.h"
#include "rules/PickLists.h"
#include "seams/Clock.h"
#include "seams/Messages.h"
#include "widgets/DBComboBox.h"
#include "widgets/DBGrid.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const QString kSantana = QStringLiteral("E.M. SANT'ANA");
const QString kArco = QStringLiteral("CMEI ARCO-IRIS");
const QString kBarao = QStringLiteral("E.E. BARAO DE VARGEDO");
const QString kMaternal = QStringLiteral("MATERNAL I");
const QString kPeriodo = QString::fromUtf8("1° PERIODO");

// The installation of the source tree with one school renamed to hold a single quote.
class Installation {
public:
    Installation()
    {
        QFile in(QStringLiteral(MIRABELTA_SOURCE_DIR "/installation/installation.json"));
        if (!in.open(QIODevice::ReadOnly))
            qFatal("installation.json not readable");
        QString text = QString::fromUtf8(in.readAll());
        text.replace(QStringLiteral("\"E.M. SANTA LUZIA\""), QStringLiteral("\"E.M. SANT'ANA\""));
        QFile out(dir_.filePath(QStringLiteral("installation.json")));
        if (!out.open(QIODevice::WriteOnly) || out.write(text.toUtf8()) < 0)
            qFatal("installation.json not writable");
        out.close();
        if (!data_.load(out.fileName()))
            qFatal("%s", qPrintable(data_.errorString()));
        scoped_ = std::make_unique<app::ScopedInstallation>(data_);
    }

private:
    QTemporaryDir dir_;
    app::InstallationData data_;
    std::unique_ptr<app::ScopedInstallation> scoped_;
};

struct Fixture {
    TestDatabase db;
    std::unique_ptr<TDM> dm;
    Installation installation;
    seams::RecordingMessages messages;
    seams::ScopedMessages messagesGuard{&messages};
    reports::RecordingPreview preview;
    reports::ScopedPreview previewGuard{&preview};

    Fixture() : dm(std::make_unique<TDM>(db.connectAgain())) { DM = dm.get(); }
    ~Fixture() { DM = nullptr; }

    void vaga(int id, const QString &escola, const QString &serie, const QString &turno, const fb::Value &qtd,
              int qmat)
    {
        auto text = [](const QString &s) { return s.isNull() ? fb::Value() : fb::Value(s); };
        db.attachment().executeOnce(
            QStringLiteral(
                "insert into VAGAS (VAGA_CODIGO, ESCOLA, SERIE, TURNO, QTD_VAGAS, Q_MAT_1, USUARIO) "
                "values (?, ?, ?, ?, ?, ?, 'ANTIGO')"),
            {fb::Value(qint64(id)), text(escola), text(serie), text(turno), qtd, fb::Value(qint64(qmat))});
    }
    // Four schools' rows; two of them without places.
    void vagas()
    {
        vaga(1, kArco, kMaternal, QStringLiteral("MATUTINO"), fb::Value(qint64(5)), 20);
        vaga(2, kArco, kMaternal, QStringLiteral("VESPERTINO"), fb::Value(qint64(0)), 15);
        vaga(3, kSantana, kPeriodo, QStringLiteral("MATUTINO"), fb::Value(qint64(3)), 30);
        vaga(4, kSantana, kPeriodo, QStringLiteral("NOTURNO"), fb::Value(qint64(0)), 10);
        vaga(5, kBarao, kPeriodo, QStringLiteral("INTEGRAL"), fb::Value(qint64(7)), 25);
        generatorPast();
    }
    // The rows above were typed with their own keys; "Novo" must draw past them.
    void generatorPast()
    {
        db.attachment().executeOnce(QStringLiteral("alter sequence GEN_VAGAS_ID restart with 100"));
    }
    void login(int nivel)
    {
        db.attachment().executeOnce(QStringLiteral("insert into ACESSO (ID_SENHA, NOME, USUARIO, SENHA, "
                                                   "NIVEL) values (1, 'ANA', 'ANA', 'S', ?)"),
                                    {fb::Value(qint64(nivel))});
        dm->CDSlogin->setParam(QStringLiteral("nome"), fb::Value(QStringLiteral("ANA")));
        dm->CDSlogin->setParam(QStringLiteral("senha"), fb::Value(QStringLiteral("S")));
        dm->CDSlogin->open();
    }
    // The first value of a query, read by the test's own attachment (what the server holds).
    qint64 servidor(const QString &sql)
    {
        fb::Transaction tra(db.attachment(), fb::TransactionOptions::readCommittedReadOnly());
        qint64 n = -1;
        {
            fb::Statement st(tra, sql);
            auto rs = st.openCursor();
            if (rs->next())
                n = rs->value(0).toInt();
        }
        tra.commit();
        return n;
    }
};

template <class W> W *child(QWidget *screen, const QString &name)
{
    W *w = screen->findChild<W *>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

void click(QWidget *screen, const QString &name)
{
    child<QPushButton>(screen, name)->click();
}

bool pick(QWidget *screen, const QString &name, const QString &text)
{
    auto *c = child<QComboBox>(screen, name);
    const int i = c->findText(text);
    c->setCurrentIndex(i);
    if (i >= 0)
        emit c->activated(i); // as a pick by the user does
    return i >= 0 || text.isEmpty();
}

QString label(QWidget *screen, const QString &name)
{
    return child<QLabel>(screen, name)->text();
}

QStringList escolasVisiveis(data::TableDataset *ds)
{
    QStringList out;
    const int f = ds->fieldIndex(QStringLiteral("VAGA_CODIGO"));
    for (int r = 0; r < ds->recordCount(); ++r)
        out << ds->visibleValue(r, f).toString();
    return out;
}

} // namespace

class TstVagas : public QObject {
    Q_OBJECT
private slots:
    void filterBoxes_data();
    void filterBoxes();
    void zeroRowsOnOpenAndFiltro();
    void filterMatchingNothing();
    void saveRequiresSchool();
    void refusedSave();
    void apagarByLevel_data();
    void apagarByLevel();
    void deleteAnswers();
    void stampsOnEditAndCancel();
    void sortStaysOnSharedDataset_data();
    void sortStaysOnSharedDataset();
    void rowColours_data();
    void rowColours();
    void selectedRowKeepsColours();
    void searchScreen();
    void labelsBlink();
    void listingFromRegister();
    void listingFromSearch();
    void navigationOpensScreens();
    void artifacts();
};

void TstVagas::filterBoxes_data()
{
    QTest::addColumn<bool>("pesquisa");
    QTest::addColumn<QStringList>("picks"); // objectName, text, objectName, text, ...
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("qtdv");
    QTest::addColumn<QString>("qtq");

    QTest::newRow("escola serie turno")
        << false << QStringList{"ComboEscola1", kArco, "ComboSerie1", kMaternal, "ComboTurno1", "VESPERTINO"}
        << "BtnFiltrar1" << QString("escola = 'CMEI ARCO-IRIS'and serie ='MATERNAL I'and turno ='VESPERTINO'")
        << QStringList{"2"} << "0"
        << "15";
    QTest::newRow("serie") << false << QStringList{"ComboSerie2", kPeriodo} << "BtnFiltrar2"
                           << QString::fromUtf8("serie = '1° PERIODO'") << QStringList{"3", "4", "5"} << "10"
                           << "65";
    QTest::newRow("escola e serie, quote doubled")
        << false << QStringList{"ComboEscola3", kSantana, "ComboSerie3", kPeriodo} << "BtnFiltrar3"
        << QString::fromUtf8("escola = 'E.M. SANT''ANA'and serie ='1° PERIODO'") << QStringList{"3", "4"}
        << "3"
        << "40";
    QTest::newRow("escola with shift")
        << false << QStringList{"ComboEscola4", kSantana, "ComboTurno4", "NOTURNO"} << "BtnFiltrar4"
        << QString("escola = 'E.M. SANT''ANA'and turno ='NOTURNO'") << QStringList{"4"} << "0"
        << "10";
    QTest::newRow("escola, shift left empty")
        << false << QStringList{"ComboEscola4", kArco} << "BtnFiltrar4"
        << QString("escola = 'CMEI ARCO-IRIS'and turno =''") << QStringList{} << ""
        << "";
    QTest::newRow("bottom bar") << false << QStringList{"ComboEscolaBusca", kArco} << "BtnFiltrarEscola"
                                << QString("escola = 'CMEI ARCO-IRIS'") << QStringList{"1", "2"} << "5"
                                << "35";
    QTest::newRow("search: escola serie turno")
        << true << QStringList{"ComboEscola1", kBarao, "ComboSerie1", kPeriodo, "ComboTurno1", "INTEGRAL"}
        << "BtnFiltrar1"
        << QString::fromUtf8("escola = 'E.E. BARAO DE VARGEDO'and serie ='1° PERIODO'and turno ='INTEGRAL'")
        << QStringList{"5"} << "7"
        << "25";
    QTest::newRow("search: serie") << true << QStringList{"ComboSerie2", kMaternal} << "BtnFiltrar2"
                                   << QString("serie = 'MATERNAL I'") << QStringList{"1", "2"} << "5"
                                   << "35";
    QTest::newRow("search: escola e serie")
        << true << QStringList{"ComboEscola3", kArco, "ComboSerie3", kPeriodo} << "BtnFiltrar3"
        << QString::fromUtf8("escola = 'CMEI ARCO-IRIS'and serie ='1° PERIODO'") << QStringList{} << ""
        << "";
    QTest::newRow("search: escola lists every shift")
        << true << QStringList{"ComboEscola4", kSantana} << "BtnFiltrar4"
        << QString("escola = 'E.M. SANT''ANA'") << QStringList{"3", "4"} << "3"
        << "40";
    QTest::newRow("search: bottom bar")
        << true << QStringList{"ComboEscolaBusca", kBarao} << "BtnFiltrarEscola"
        << QString("escola = 'E.E. BARAO DE VARGEDO'") << QStringList{"5"} << "7"
        << "25";
}

void TstVagas::filterBoxes()
{
    QFETCH(bool, pesquisa);
    QFETCH(QStringList, picks);
    QFETCH(QString, button);
    QFETCH(QString, filter);
    QFETCH(QStringList, rows);
    QFETCH(QString, qtdv);
    QFETCH(QString, qtq);

    Fixture f;
    f.vagas();
    std::unique_ptr<QWidget> screen;
    if (pesquisa)
        screen = std::make_unique<TFormCadastroVagasPesquisa>(*f.dm);
    else
        screen = std::make_unique<TFormCadastroVagas>(*f.dm);
    screen->show();
    for (int i = 0; i + 1 < picks.size(); i += 2)
        QVERIFY2(pick(screen.get(), picks[i], picks[i + 1]), qPrintable(picks[i + 1]));
    click(screen.get(), button);

    data::TableDataset *ds = f.dm->cdsvagas;
    QCOMPARE(ds->filter(), filter);
    QVERIFY(ds->filtered());
    QCOMPARE(escolasVisiveis(ds), rows);
    QCOMPARE(label(screen.get(), "lbqtdv"), qtdv);
    QCOMPARE(label(screen.get(), "lbqtq"), qtq);
    QCOMPARE(child<widgets::DBGrid>(screen.get(), "DBGrid1")->model()->rowCount(), int(rows.size()));
    QVERIFY(f.messages.shown.isEmpty());
}

void TstVagas::zeroRowsOnOpenAndFiltro()
{
    Fixture f;
    f.vagas();
    TFormCadastroVagas screen(*f.dm);
    screen.show();
    data::TableDataset *ds = f.dm->cdsvagas;
    QCOMPARE(ds->filter(), QStringLiteral("QTD_VAGAS > 0"));
    QVERIFY(ds->filtered());
    QCOMPARE(escolasVisiveis(ds), (QStringList{"1", "3", "5"}));
    // Showing computes the totals once more after "Filtro", over the rows with places.
    QCOMPARE(label(&screen, "lbqtdv"), QStringLiteral("15"));
    QCOMPARE(label(&screen, "lbqtq"), QStringLiteral("75"));
    QVERIFY(screen.cadastroVisivel());
    QVERIFY(!screen.outrosVisivel());

    // A filter button brings the rows without places back.
    click(&screen, "bntbuscaavancada");
    QVERIFY(screen.outrosVisivel());
    QVERIFY(!screen.cadastroVisivel());
    QVERIFY(pick(&screen, "ComboEscola4", kArco));
    QVERIFY(pick(&screen, "ComboTurno4", "VESPERTINO"));
    QVERIFY(pick(&screen, "ComboSerie2", kMaternal));
    click(&screen, "BtnFiltrar4");
    QCOMPARE(escolasVisiveis(ds), QStringList{"2"});

    // "Filtro": the lists empty (all but the shift of the box "Escola"), the totals over every
    // row, then the zero filter, and back to "Cadastro".
    click(&screen, "bntfiltro");
    QCOMPARE(ds->filter(), QStringLiteral("QTD_VAGAS > 0"));
    QCOMPARE(escolasVisiveis(ds), (QStringList{"1", "3", "5"}));
    QCOMPARE(label(&screen, "lbqtdv"), QStringLiteral("15"));
    QCOMPARE(label(&screen, "lbqtq"), QStringLiteral("100"));
    QCOMPARE(child<QComboBox>(&screen, "ComboEscola4")->currentIndex(), -1);
    QCOMPARE(child<QComboBox>(&screen, "ComboSerie2")->currentIndex(), -1);
    QCOMPARE(child<QComboBox>(&screen, "ComboTurno4")->currentText(), QStringLiteral("VESPERTINO"));
    QVERIFY(screen.cadastroVisivel());
    QVERIFY(!screen.outrosVisivel());

    // Totals are not recomputed by a sort.
    f.db.attachment().executeOnce(QStringLiteral("update VAGAS set QTD_VAGAS = 50 where VAGA_CODIGO = 1"));
    child<QRadioButton>(&screen, "RadioEscola")->setChecked(true);
    click(&screen, "BtnFiltrarPor");
    QCOMPARE(label(&screen, "lbqtdv"), QStringLiteral("15"));
}

void TstVagas::filterMatchingNothing()
{
    Fixture f;
    f.vagas();
    TFormCadastroVagas screen(*f.dm);
    screen.show();
    QVERIFY(pick(&screen, "ComboEscolaBusca", QStringLiteral("E.E. TIRADENTES")));
    click(&screen, "BtnFiltrarEscola");
    QVERIFY(f.dm->cdsvagas->isEmpty());
    QCOMPARE(child<widgets::DBGrid>(&screen, "DBGrid1")->model()->rowCount(), 0);
    QCOMPARE(label(&screen, "lbqtdv"), QString());
    QCOMPARE(label(&screen, "lbqtq"), QString());
}

void TstVagas::saveRequiresSchool()
{
    Fixture f;
    f.vagas();
    f.login(10);
    TFormCadastroVagas screen(*f.dm);
    screen.show();
    data::TableDataset *ds = f.dm->cdsvagas;

    click(&screen, "bntnovo");
    QCOMPARE(ds->state(), data::TableDataset::State::Insert);
    QVERIFY(ds->asInteger("VAGA_CODIGO") > 0);
    QTest::keyClicks(child<QLineEdit>(&screen, "dbvagas"), "4");
    click(&screen, "bntgravar");
    QCOMPARE(f.messages.texts(), QStringList{"O campo nome é obrigatório"});
    QCOMPARE(ds->state(), data::TableDataset::State::Insert);
    QCOMPARE(f.servidor("select count(*) from VAGAS"), 5);

    // The close guard holds while the row is being inserted.
    click(&screen, "bntfechar");
    QVERIFY(screen.isVisible());
    QCOMPARE(f.messages.texts().last(), QStringLiteral("Salve ou cancele as operações antes de sair"));

    // Grade and shift may stay empty.
    QVERIFY(pick(&screen, "db_nomeescola", kSantana));
    auto *quant = child<QLineEdit>(&screen, "dbquantitativo");
    QTest::keyClicks(quant, "9");
    click(&screen, "bntgravar");
    QCOMPARE(f.messages.texts().last(), QStringLiteral("Registro salvo com sucesso!"));
    QCOMPARE(f.servidor("select count(*) from VAGAS where ESCOLA = 'E.M. SANT''ANA' and SERIE is null "
                        "and TURNO is null and QTD_VAGAS = 4 and Q_MAT_1 = 9 and USUARIO = 'ANA'"),
             1);
    // The totals follow the save.
    QCOMPARE(label(&screen, "lbqtdv"), QStringLiteral("19"));
    QCOMPARE(label(&screen, "lbqtq"), QStringLiteral("84"));
    QVERIFY(child<QPushButton>(&screen, "bntnovo")->isEnabled());
    QVERIFY(!child<QWidget>(&screen, "db_nomeescola")->isEnabled());
}

void TstVagas::refusedSave()
{
    Fixture f;
    f.vaga(1, kArco, kMaternal, QStringLiteral("MATUTINO"), fb::Value(qint64(5)), 20);
    // The generator still stands at the start: the new row's key is taken.
    TFormCadastroVagas screen(*f.dm);
    screen.show();
    data::TableDataset *ds = f.dm->cdsvagas;
    click(&screen, "bntnovo");
    QCOMPARE(ds->asInteger("VAGA_CODIGO"), 1);
    QVERIFY(pick(&screen, "db_nomeescola", kBarao));
    QTest::keyClicks(child<QLineEdit>(&screen, "dbvagas"), "8");
    click(&screen, "bntgravar");
    QCOMPARE(f.messages.shown.size(), 1);
    QVERIFY(f.messages.texts()[0].startsWith(QStringLiteral("Registro não foi salvo\n")));
    QVERIFY(f.messages.texts()[0].contains(QStringLiteral("PK_VAGAS")));
    QVERIFY(!f.messages.texts().contains(QStringLiteral("Registro salvo com sucesso!")));
    // Kept pending, still editing, the totals untouched, and the window cannot be left.
    QVERIFY(ds->changeCount() > 0);
    QVERIFY(child<QPushButton>(&screen, "bntcancelar")->isEnabled());
    QCOMPARE(label(&screen, "lbqtdv"), QStringLiteral("5"));
    click(&screen, "bntfechar");
    QVERIFY(screen.isVisible());
    // "Cancela" gives it up.
    click(&screen, "bntcancelar");
    QCOMPARE(ds->changeCount(), 0);
    QCOMPARE(escolasVisiveis(ds), QStringList{"1"});
    click(&screen, "bntfechar");
    QVERIFY(!screen.isVisible());
}

void TstVagas::apagarByLevel_data()
{
    QTest::addColumn<int>("nivel"); // 0: nobody logged in
    QTest::addColumn<bool>("apagar");
    QTest::newRow("level 1") << 1 << false;
    QTest::newRow("level 5") << 5 << false;
    QTest::newRow("level 7") << 7 << false;
    QTest::newRow("level 8") << 8 << true;
    QTest::newRow("level 10") << 10 << true;
    QTest::newRow("no login") << 0 << true;
}

void TstVagas::apagarByLevel()
{
    QFETCH(int, nivel);
    QFETCH(bool, apagar);
    Fixture f;
    f.vagas();
    if (nivel)
        f.login(nivel);
    TFormCadastroVagas screen(*f.dm);
    screen.show();
    auto *excluir = child<QPushButton>(&screen, "bntexcluir");
    QCOMPARE(excluir->isEnabled(), apagar);
    // It keeps its state while editing and after it.
    click(&screen, "bnteditar");
    QVERIFY(child<QPushButton>(&screen, "bntgravar")->isEnabled());
    QCOMPARE(excluir->isEnabled(), apagar);
    click(&screen, "bntcancelar");
    QCOMPARE(excluir->isEnabled(), apagar);
}

void TstVagas::deleteAnswers()
{
    Fixture f;
    f.vagas();
    f.login(10);
    TFormCadastroVagas screen(*f.dm);
    screen.show();
    data::TableDataset *ds = f.dm->cdsvagas;
    ds->last();
    QCOMPARE(ds->asInteger("VAGA_CODIGO"), 5);

    f.messages.answers << QMessageBox::No;
    click(&screen, "bntexcluir");
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown[0].text, QStringLiteral("Deseja Excluir o cadastro?"));
    QCOMPARE(f.messages.shown[0].caption, QStringLiteral("Excluir Cadastro"));
    QCOMPARE(f.servidor("select count(*) from VAGAS"), 5);
    // Re-read: the first row, the same filter.
    QCOMPARE(ds->recNo(), 0);
    QCOMPARE(ds->filter(), QStringLiteral("QTD_VAGAS > 0"));
    QCOMPARE(escolasVisiveis(ds), (QStringList{"1", "3", "5"}));

    f.messages.answers << QMessageBox::Yes;
    click(&screen, "bntexcluir");
    QCOMPARE(f.servidor("select count(*) from VAGAS where VAGA_CODIGO = 1"), 0);
    QCOMPARE(escolasVisiveis(ds), (QStringList{"3", "5"}));
    // Deleting does not recompute the totals.
    QCOMPARE(label(&screen, "lbqtdv"), QStringLiteral("15"));
}

void TstVagas::stampsOnEditAndCancel()
{
    Fixture f;
    f.vagas();
    f.login(10);
    seams::FixedClock clock(QDateTime(QDate(2026, 3, 5), QTime(14, 37, 52)));
    TFormCadastroVagas screen(*f.dm);
    screen.show();
    data::TableDataset *ds = f.dm->cdsvagas;

    click(&screen, "bntbuscaavancada");
    // "Editar" of the grid's menu does what "Alterar" does, and shows "Cadastro".
    QAction *editar = child<widgets::DBGrid>(&screen, "DBGrid1")->actions().value(0);
    QVERIFY(editar);
    QCOMPARE(editar->text(), QStringLiteral("Editar"));
    editar->trigger();
    QCOMPARE(ds->state(), data::TableDataset::State::Edit);
    QVERIFY(screen.cadastroVisivel());
    QCOMPARE(ds->asString("USUARIO"), QStringLiteral("ANA"));
    QCOMPARE(ds->asDate("DATA"), QDate(2026, 3, 5));
    QCOMPARE(ds->value("HORA").toString(), QStringLiteral("14:37:00"));
    QCOMPARE(child<QLineEdit>(&screen, "dbusuario")->text(), QStringLiteral("ANA"));
    QCOMPARE(child<QLineEdit>(&screen, "dbdata")->text(), QStringLiteral("05/03/2026"));
    QCOMPARE(child<QLineEdit>(&screen, "dbhora")->text(), QStringLiteral("14:37"));
    QVERIFY(!child<QLineEdit>(&screen, "dbusuario")->isEnabled());
    QVERIFY(!child<QLineEdit>(&screen, "dbhora")->isEnabled());
    QVERIFY(child<QLineEdit>(&screen, "dbcodigo")->isEnabled());
    QVERIFY(!child<QPushButton>(&screen, "bntfiltro")->isEnabled());
    QVERIFY(!child<QPushButton>(&screen, "bntimprimir")->isEnabled());

    click(&screen, "bntcancelar");
    QCOMPARE(ds->asString("USUARIO"), QStringLiteral("ANTIGO"));
    QVERIFY(ds->isNull("DATA"));
    QVERIFY(ds->isNull("HORA"));
    QCOMPARE(ds->changeCount(), 0);
    QCOMPARE(f.servidor("select count(*) from VAGAS where USUARIO <> 'ANTIGO' or DATA is not null"), 0);

    // "Novo" stamps the new row the same way.
    click(&screen, "bntnovo");
    QCOMPARE(ds->asString("USUARIO"), QStringLiteral("ANA"));
    QCOMPARE(ds->asDate("DATA"), QDate(2026, 3, 5));
    QCOMPARE(ds->value("HORA").toString(), QStringLiteral("14:37:00"));
    click(&screen, "bntcancelar");
    QCOMPARE(f.servidor("select count(*) from VAGAS"), 5);
}

void TstVagas::sortStaysOnSharedDataset_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("index");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("Serie") << "RadioSerie"
                           << "SERIE" << QStringList{"3", "5", "1"};
    QTest::newRow("Escola") << "RadioEscola"
                            << "escola" << QStringList{"1", "5", "3"};
    QTest::newRow("Turno") << "RadioTurno"
                           << "turno" << QStringList{"5", "1", "3"};
    QTest::newRow("none") << QString() << QString() << QStringList{"1", "3", "5"};
}

void TstVagas::sortStaysOnSharedDataset()
{
    QFETCH(QString, radio);
    QFETCH(QString, index);
    QFETCH(QStringList, rows);
    Fixture f;
    f.vagas();
    data::TableDataset *ds = f.dm->cdsvagas;
    {
        TFormCadastroVagas screen(*f.dm);
        screen.show();
        if (!radio.isEmpty())
            child<QRadioButton>(&screen, radio)->setChecked(true);
        click(&screen, "BtnFiltrarPor");
        QCOMPARE(ds->indexFieldNames(), index);
        QCOMPARE(escolasVisiveis(ds), rows);
        click(&screen, "bntsair");
        QVERIFY(!screen.isVisible());
    }
    QVERIFY(!ds->isActive());
    QCOMPARE(ds->indexFieldNames(), index);
    QCOMPARE(ds->filter(), QStringLiteral("QTD_VAGAS > 0"));
    QVERIFY(ds->filtered());
    ds->open();
    QCOMPARE(escolasVisiveis(ds), rows);
}

void TstVagas::rowColours_data()
{
    QTest::addColumn<bool>("pesquisa");
    QTest::addColumn<QString>("turno");
    QTest::addColumn<QVariant>("qtd");
    QTest::addColumn<QColor>("cor"); // invalid: the grid's own look
    const QColor buttonText = QApplication::palette().color(QPalette::ButtonText);
    QTest::newRow("MATUTINO") << false << "MATUTINO" << QVariant(2) << QColor(0xFF, 0, 0);
    QTest::newRow("VESPERTINO") << false << "VESPERTINO" << QVariant(2) << QColor(0, 0, 0x80);
    QTest::newRow("NOTURNO") << false << "NOTURNO" << QVariant(2) << QColor(0, 0x80, 0);
    QTest::newRow("INTEGRAL") << false << "INTEGRAL" << QVariant(2) << buttonText;
    QTest::newRow("empty shift") << false << QString() << QVariant(2) << QColor();
    QTest::newRow("other spelling") << false << "Matutino" << QVariant(2) << QColor();
    QTest::newRow("search: no places") << true << "MATUTINO" << QVariant(0) << QColor(0xFF, 0, 0);
    QTest::newRow("search: places") << true << "NOTURNO" << QVariant(3) << QColor();
    QTest::newRow("search: no value") << true << "NOTURNO" << QVariant() << QColor();
}

void TstVagas::rowColours()
{
    QFETCH(bool, pesquisa);
    QFETCH(QString, turno);
    QFETCH(QVariant, qtd);
    QFETCH(QColor, cor);
    Fixture f;
    f.vaga(1, kArco, kMaternal, turno, qtd.isValid() ? fb::Value(qint64(qtd.toInt())) : fb::Value(), 9);
    std::unique_ptr<QWidget> screen;
    if (pesquisa)
        screen = std::make_unique<TFormCadastroVagasPesquisa>(*f.dm);
    else
        screen = std::make_unique<TFormCadastroVagas>(*f.dm);
    screen->show();
    QAbstractItemModel *m = child<widgets::DBGrid>(screen.get(), "DBGrid1")->model();
    QCOMPARE(m->rowCount(), 1);
    for (int c = 0; c < m->columnCount(); ++c) {
        const QModelIndex i = m->index(0, c);
        if (!cor.isValid()) {
            QVERIFY(!i.data(Qt::ForegroundRole).isValid());
            QVERIFY(!i.data(Qt::BackgroundRole).isValid());
            continue;
        }
        QCOMPARE(i.data(Qt::ForegroundRole).value<QColor>(), cor);
        QCOMPARE(i.data(Qt::BackgroundRole).value<QColor>(), screen->palette().color(QPalette::Window));
        QVERIFY(i.data(Qt::FontRole).value<QFont>().bold());
    }
}

void TstVagas::selectedRowKeepsColours()
{
    Fixture f;
    f.vagas();
    TFormCadastroVagas screen(*f.dm);
    screen.show();
    auto *grid = child<widgets::DBGrid>(&screen, "DBGrid1");
    QCOMPARE(grid->currentIndex().row(), 0);
    QVERIFY(grid->selectionModel()->isRowSelected(0, {}));
    // Left edge of the centred "V" cell of the selected (red, MATUTINO) row: the window colour,
    // not the selection colour.
    const QRect cell = grid->visualRect(grid->model()->index(0, 1));
    const QImage shot = grid->viewport()->grab().toImage();
    const QColor seen = shot.pixelColor(cell.left() + 2, cell.center().y());
    QCOMPARE(seen, screen.palette().color(QPalette::Window));
    QVERIFY(seen != grid->palette().color(QPalette::Highlight));
}

void TstVagas::searchScreen()
{
    Fixture f;
    f.vagas();
    data::TableDataset *ds = f.dm->cdsvagas;
    ds->open();
    ds->setIndexFieldNames(QStringLiteral("turno"));
    {
        TFormCadastroVagasPesquisa screen(*f.dm);
        screen.show();
        // No zero filter: every row, in the sort left on the shared dataset.
        QVERIFY(!ds->filtered());
        QCOMPARE(escolasVisiveis(ds), (QStringList{"5", "1", "3", "4", "2"}));
        QCOMPARE(label(&screen, "lbqtdv"), QStringLiteral("15"));
        QCOMPARE(label(&screen, "lbqtq"), QStringLiteral("100"));
        QVERIFY(!screen.findChild<QPushButton *>(QStringLiteral("bntnovo")));
        QVERIFY(!screen.findChild<QComboBox *>(QStringLiteral("ComboTurno4")));
        QVERIFY(screen.findChild<QAction *>(QStringLiteral("LISTASDEENCAMINHAMENTOS1")));

        QVERIFY(pick(&screen, "ComboSerie2", kPeriodo));
        click(&screen, "BtnFiltrar2");
        QCOMPARE(escolasVisiveis(ds), (QStringList{"5", "3", "4"}));
        // "Filtro" empties the lists and drops the filter.
        click(&screen, "bntfiltro");
        QVERIFY(!ds->filtered());
        QCOMPARE(ds->recordCount(), 5);
        QCOMPARE(child<QComboBox>(&screen, "ComboSerie2")->currentIndex(), -1);

        // The title bar's close does nothing; "Sair" leaves.
        QVERIFY(pick(&screen, "ComboEscolaBusca", kArco));
        click(&screen, "BtnFiltrarEscola");
        screen.close();
        QVERIFY(screen.isVisible());
        click(&screen, "bntsair");
        QVERIFY(!screen.isVisible());
    }
    // Closing closes nothing: the dataset stays open with the last filter.
    QVERIFY(ds->isActive());
    QCOMPARE(ds->filter(), QStringLiteral("escola = 'CMEI ARCO-IRIS'"));
    QCOMPARE(escolasVisiveis(ds), (QStringList{"1", "2"}));
    QVERIFY(f.messages.shown.isEmpty());
}

void TstVagas::labelsBlink()
{
    Fixture f;
    TFormCadastroVagas cadastro(*f.dm);
    TFormCadastroVagasPesquisa pesquisa(*f.dm);
    cadastro.show();
    pesquisa.show();
    auto *a = child<QLabel>(&cadastro, "lbpesquisarescola");
    auto *b = child<QLabel>(&pesquisa, "lbpesquisarescola");
    QCOMPARE(a->text(), QStringLiteral("Pesquisar por Escola"));
    const bool antes = a->isVisible();
    QTRY_VERIFY_WITH_TIMEOUT(a->isVisible() != antes, 1000);
    QTRY_VERIFY_WITH_TIMEOUT(a->isVisible() == antes, 1000);
    const bool outra = b->isVisible();
    QTRY_VERIFY_WITH_TIMEOUT(b->isVisible() != outra, 1000);
    click(&cadastro, "bntsair");
    click(&pesquisa, "bntsair");
}

void TstVagas::listingFromRegister()
{
    Fixture f;
    f.vagas();
    seams::FixedClock clock(QDate(2026, 3, 5));
    // The sort last chosen there, by a screen closed before.
    {
        TFormCadastroVagas screen(*f.dm);
        screen.show();
        child<QRadioButton>(&screen, "RadioEscola")->setChecked(true);
        click(&screen, "BtnFiltrarPor");
        click(&screen, "bntsair");
    }
    TFormCadastroVagas screen(*f.dm);
    screen.show();
    click(&screen, "bntimprimir");
    QCOMPARE(f.preview.shown.size(), 1);
    const auto &shown = f.preview.shown[0];
    QCOMPARE(shown.mode, reports::PreviewMode::Modal);
    QCOMPARE(shown.parent, &screen);
    QVERIFY(qobject_cast<TRelPesquisaVagas *>(shown.report.data()));
    QCOMPARE(shown.report->parent(), &screen);
    const reports::PageModel &pages = shown.pages;
    QCOMPARE(pages.pageCount(), 1);
    QVERIFY(pages.pageSize.width() > pages.pageSize.height());
    const reports::Page &p = pages.pages[0];
    QVERIFY(p.textsOf(reports::BandKind::PageHeader).contains(QStringLiteral("RELATORIO GERAL -VAGAS")));
    QCOMPARE(p.textsOf(reports::BandKind::Title),
             (QStringList{"Escola", "Turno", "Serie", "Vagas", "Quantitativo"}));
    QCOMPARE(p.textsOf(reports::BandKind::Detail),
             (QStringList{kArco, "MATUTINO", kMaternal, "5", "20", kBarao, "INTEGRAL", kPeriodo, "7", "25",
                          kSantana, "MATUTINO", kPeriodo, "3", "30"}));
    QCOMPARE(p.textsOf(reports::BandKind::Summary), (QStringList{"Registro:", "3"}));
    QCOMPARE(pages.detailCount, 3);
    QCOMPARE(p.pageElementTexts(), QStringList{"05/03/2026"});
}

void TstVagas::listingFromSearch()
{
    Fixture f;
    f.vagas();
    TFormCadastroVagasPesquisa screen(*f.dm);
    screen.show();
    click(&screen, "bntimprimir");
    QCOMPARE(f.preview.shown.size(), 1);
    const reports::PageModel &pages = f.preview.shown[0].pages;
    QCOMPARE(pages.detailCount, 5);
    QCOMPARE(pages.pages[0].textsOf(reports::BandKind::Summary), (QStringList{"Registro:", "5"}));
    // The saved file carries the same texts.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("vagas.pdf"));
    QVERIFY(reports::ReportPainter::writePdf(pages, pdf));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY2(text.waitForFinished(30000) && text.exitCode() == 0, "pdftotext (poppler-utils) is needed");
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY(out.contains(QStringLiteral("RELATORIO GERAL -VAGAS")));
    QVERIFY(
        out.contains(QRegularExpression(QStringLiteral("E\\.M\\. SANT'ANA +NOTURNO +1° PERIODO +0 +10"))));
    QVERIFY(out.contains(QRegularExpression(QStringLiteral("Registro: +5"))));

    // A filter letting nothing through: header and column heads, no line.
    QVERIFY(pick(&screen, "ComboEscolaBusca", QStringLiteral("E.E. TIRADENTES")));
    click(&screen, "BtnFiltrarEscola");
    click(&screen, "bntimprimir");
    QCOMPARE(f.preview.shown.size(), 2);
    const reports::PageModel &empty = f.preview.shown[1].pages;
    QCOMPARE(empty.pageCount(), 1);
    QCOMPARE(empty.detailCount, 0);
    QCOMPARE(empty.pages[0].textsOf(reports::BandKind::Title).size(), 5);
    QVERIFY(empty.pages[0].textsOf(reports::BandKind::Detail).isEmpty());
    click(&screen, "bntsair");
}

void TstVagas::navigationOpensScreens()
{
    Fixture f;
    QStringList shown;
    app::Navigation::ScopedExibidor exibidor([&](QWidget *w) { shown << w->metaObject()->className(); });
    for (const QString &classe :
         {QStringLiteral("TFormCadastroVagas"), QStringLiteral("TFormCadastroVagasPesquisa")}) {
        const app::Destino *d = app::Navigation::destino(classe);
        QVERIFY(d);
        QVERIFY(d->disponivel());
        QCOMPARE(d->abertura, app::Abertura::Modal);
        app::Navigation::abrir(classe, nullptr);
    }
    QCOMPARE(shown, (QStringList{"TFormCadastroVagas", "TFormCadastroVagasPesquisa"}));
}

// Pictures to look at: set MIRABELTA_SHOTS to a folder.
void TstVagas::artifacts()
{
    const QString dir = qEnvironmentVariable("MIRABELTA_SHOTS");
    if (dir.isEmpty())
        QSKIP("MIRABELTA_SHOTS not set");
    Fixture f;
    f.vagas();
    const QStringList turnos = rules::listaTurnos();
    for (int i = 0; i < 40; ++i)
        f.vaga(10 + i, i % 2 ? kBarao : kSantana, rules::listaSeries()[i % 19], turnos[i % 4],
               fb::Value(qint64(i % 3)), 10 + i);
    f.login(10);
    {
        TFormCadastroVagas screen(*f.dm);
        screen.show();
        screen.painel()->grid()->selectRow(2);
        QVERIFY(screen.grab().save(dir + QStringLiteral("/cadastro.png")));
        click(&screen, "bntbuscaavancada");
        QVERIFY(pick(&screen, "ComboEscola4", kBarao));
        click(&screen, "BtnFiltrar4");
        QVERIFY(screen.grab().save(dir + QStringLiteral("/cadastro-outros.png")));
        click(&screen, "bntfiltro");
        child<QRadioButton>(&screen, "RadioSerie")->setChecked(true);
        click(&screen, "BtnFiltrarPor");
        click(&screen, "bntimprimir");
        QVERIFY(reports::ReportPainter::writePdf(f.preview.shown.last().pages,
                                                 dir + QStringLiteral("/vagas-cadastro.pdf")));
        click(&screen, "bntsair");
    }
    TFormCadastroVagasPesquisa screen(*f.dm);
    screen.show();
    screen.painel()->grid()->selectRow(1);
    QVERIFY(screen.grab().save(dir + QStringLiteral("/pesquisa.png")));
    click(&screen, "bntimprimir");
    QVERIFY(reports::ReportPainter::writePdf(f.preview.shown.last().pages,
                                             dir + QStringLiteral("/vagas-pesquisa.pdf")));
    click(&screen, "bntsair");
}

QTEST_MAIN(TstVagas)
#include "tst_Vagas.moc"
