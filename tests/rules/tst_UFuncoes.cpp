// Tests of the domain rules: placement, ages, typed dates, CPF, accent folding and the field rules.
#include "rules/PickLists.h"
#include "rules/UFuncoes.h"
#include "seams/Messages.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

using rules::DataValidada;

Q_DECLARE_METATYPE(DataValidada::Resultado)

namespace {

QDate d(const char *text)
{
    const QDate date = QDate::fromString(QString::fromLatin1(text), QStringLiteral("dd/MM/yyyy"));
    Q_ASSERT(date.isValid());
    return date;
}

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// A shown, active window with a CPF field and a next field to move the focus to.
struct CpfForm {
    QWidget window;
    QLineEdit *cpf = new QLineEdit;
    QLineEdit *next = new QLineEdit;

    explicit CpfForm(const QString &mask)
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(cpf);
        layout->addWidget(next);
        cpf->setInputMask(mask);
        window.show();
        window.activateWindow();
    }
    bool ready() { return QTest::qWaitForWindowActive(&window); }
};

} // namespace

class TestUFuncoes : public QObject {
    Q_OBJECT

private slots:
    void ValidarIdadeCompleta_data();
    void ValidarIdadeCompleta();
    void gradeLabelsArePickListEntries();
    void fnc_retorna_idade_data();
    void fnc_retorna_idade();
    void fnc_idade_anos_data();
    void fnc_idade_anos();
    void todayComesFromTheClock();
    void fnc_ValidaData_data();
    void fnc_ValidaData();
    void TestaCpf_data();
    void TestaCpf();
    void TestaCpfAgreesWithIndependentGenerator();
    void RACT_data();
    void RACT();
    void limpaTexto_data();
    void limpaTexto();
    void textoDoCampo();
    void verifica_cpf_data();
    void verifica_cpf();
    void cpfCheckOnLeavingTheField();
    void cleanUpOnLeavingTheField();
};

void TestUFuncoes::ValidarIdadeCompleta_data()
{
    QTest::addColumn<QDate>("hoje");
    QTest::addColumn<QDate>("nascimento");
    QTest::addColumn<QString>("esperado");

    const QDate junho = d("15/06/2026");
    QTest::newRow("reference day a year before") << junho << d("30/03/2025") << u("MATERNAL I");
    QTest::newRow("day after reference a year before") << junho << d("31/03/2025") << u("Idade fora");
    QTest::newRow("reference day itself") << junho << d("30/03/2026") << u("Idade fora");
    QTest::newRow("day after reference day") << junho << d("31/03/2026") << u("Data de nascimento inválida");
    QTest::newRow("April this year") << junho << d("01/04/2026") << u("Data de nascimento inválida");
    QTest::newRow("31 December this year") << junho << d("31/12/2026") << u("Data de nascimento inválida");
    QTest::newRow("1 January this year") << junho << d("01/01/2026") << u("Idade fora");
    QTest::newRow("2021-03-30") << junho << d("30/03/2021") << u("2° PERIODO");
    QTest::newRow("2021-03-31") << junho << d("31/03/2021") << u("1° PERIODO");
    QTest::newRow("2020-03-30") << junho << d("30/03/2020") << u("1° E. FUNDAMENTAL 1 - INICIAL");
    QTest::newRow("2009-03-30 age 17") << junho << d("30/03/2009") << u("3° E. MEDIO");
    QTest::newRow("2008-03-30 age 18") << junho << d("30/03/2008") << u("Idade fora");
    QTest::newRow("far past") << junho << d("01/01/1950") << u("Idade fora");

    // Year boundaries: the placement year turns on 31 March, not on 1 January.
    QTest::newRow("31 December previous year") << junho << d("31/12/2025") << u("Idade fora");
    QTest::newRow("1 January previous year") << junho << d("01/01/2025") << u("MATERNAL I");
    QTest::newRow("31 December 2020") << junho << d("31/12/2020") << u("2° PERIODO");
    QTest::newRow("1 January 2021") << junho << d("01/01/2021") << u("2° PERIODO");
    QTest::newRow("31 December 2008 age 17") << junho << d("31/12/2008") << u("3° E. MEDIO");
    QTest::newRow("1 January 2008 age 18") << junho << d("01/01/2008") << u("Idade fora");

    // Today's month does not matter; only its year does.
    QTest::newRow("today 1 January, reference day") << d("01/01/2026") << d("30/03/2025") << u("MATERNAL I");
    QTest::newRow("today 1 January, day after") << d("01/01/2026") << d("31/03/2025") << u("Idade fora");
    QTest::newRow("today 1 January, later this year")
        << d("01/01/2026") << d("15/08/2026") << u("Data de nascimento inválida");
    QTest::newRow("today 31 December, reference day")
        << d("31/12/2026") << d("30/03/2025") << u("MATERNAL I");
    QTest::newRow("today 31 December, day after") << d("31/12/2026") << d("31/03/2025") << u("Idade fora");
    QTest::newRow("today 31 December, Christmas birth")
        << d("31/12/2026") << d("25/12/2026") << u("Data de nascimento inválida");
    QTest::newRow("today 31/12/2025, born 30/03/2025")
        << d("31/12/2025") << d("30/03/2025") << u("Idade fora");
    QTest::newRow("today 01/01/2026, born 30/03/2025")
        << d("01/01/2026") << d("30/03/2025") << u("MATERNAL I");

    // 29 February is before the reference day.
    QTest::newRow("29 February two years before") << junho << d("29/02/2024") << u("MATERNAL II");
    QTest::newRow("29 February this leap year") << d("10/05/2024") << d("29/02/2024") << u("Idade fora");
    QTest::newRow("29 February a year before") << d("10/05/2021") << d("29/02/2020") << u("MATERNAL I");

    QTest::newRow("invalid date") << junho << QDate() << u("Data de nascimento inválida");

    // Every placement age, by the labels' own texts.
    const char *const labels[] = {
        "MATERNAL I",
        "MATERNAL II",
        "MATERNAL III",
        "1° PERIODO",
        "2° PERIODO",
        "1° E. FUNDAMENTAL 1 - INICIAL",
        "2° E. FUNDAMENTAL 1 - INICIAL",
        "3° E. FUNDAMENTAL 1 - INICIAL",
        "4° E. FUNDAMENTAL 1 - INICIAL",
        "5° E. FUNDAMENTAL 1 - INICIAL",
        "6° E. FUNDAMENTAL 2 - FINAL",
        "7° E. FUNDAMENTAL 2 - FINAL",
        "8° E. FUNDAMENTAL 2 - FINAL",
        "9° E. FUNDAMENTAL 2 - FINAL",
        "1° E. MEDIO",
        "2° E. MEDIO",
        "3° E. MEDIO",
    };
    for (int age = 1; age <= 17; ++age)
        QTest::addRow("age %d", age) << junho << QDate(2026 - age, 3, 30) << u(labels[age - 1]);
}

void TestUFuncoes::ValidarIdadeCompleta()
{
    QFETCH(QDate, hoje);
    QFETCH(QDate, nascimento);
    QFETCH(QString, esperado);
    QCOMPARE(rules::ValidarIdadeCompleta(nascimento, hoje), esperado);
}

void TestUFuncoes::gradeLabelsArePickListEntries()
{
    // A computed label must compare equal to a grade stored from the pick lists.
    const QDate hoje = d("15/06/2026");
    const QStringList full = rules::listaSeries();
    const QStringList eja = rules::listaSeriesEja();
    QCOMPARE(full.mid(17), (QStringList{u("INTEGRAL"), u("EJA")}));
    QCOMPARE(eja.mid(17), QStringList{u("EJA")});
    for (int age = 1; age <= 17; ++age) {
        const QString label = rules::ValidarIdadeCompleta(QDate(2026 - age, 3, 30), hoje);
        QCOMPARE(full.at(age - 1), label);
        QCOMPARE(eja.at(age - 1), label);
    }
    QVERIFY(rules::listaTurnos().contains(u("INTEGRAL")));
    QCOMPARE(rules::listaStatusEncaminhamento().size(), 10);
}

void TestUFuncoes::fnc_retorna_idade_data()
{
    QTest::addColumn<QDate>("hoje");
    QTest::addColumn<QDate>("nascimento");
    QTest::addColumn<QString>("esperado");

    const QDate hoje = d("15/06/2026");
    const auto back = [&](int days) { return hoje.addDays(-days); };
    QTest::newRow("born today") << hoje << hoje << u("0 Anos e 0 Meses");
    QTest::newRow("D=30") << hoje << back(30) << u("0 Anos e 0 Meses");
    QTest::newRow("D=31") << hoje << back(31) << u("0 Anos e 1 Meses");
    QTest::newRow("D=59") << hoje << back(59) << u("0 Anos e 1 Meses");
    QTest::newRow("D=60") << hoje << back(60) << u("0 Anos e 2 Meses");
    QTest::newRow("D=364") << hoje << back(364) << u("0 Anos e 12 Meses");
    QTest::newRow("D=365") << hoje << back(365) << u("1 Anos e 0 Meses");
    QTest::newRow("D=395") << hoje << back(395) << u("1 Anos e 0 Meses");
    QTest::newRow("D=396") << hoje << back(396) << u("1 Anos e 1 Meses");
    QTest::newRow("D=729") << hoje << back(729) << u("1 Anos e 12 Meses");
    QTest::newRow("D=730") << hoje << back(730) << u("2 Anos e 0 Meses");
    QTest::newRow("3 years and 12 months") << hoje << back(3 * 365 + 360) << u("3 Anos e 12 Meses");
    QTest::newRow("future birth counts the same") << hoje << hoje.addDays(396) << u("1 Anos e 1 Meses");

    // Real calendars across year ends and leap days.
    QTest::newRow("31/12 to 01/01") << d("01/01/2026") << d("31/12/2025") << u("0 Anos e 0 Meses");
    QTest::newRow("01/01 to 31/12") << d("31/12/2025") << d("01/01/2025") << u("0 Anos e 12 Meses");
    QTest::newRow("2019-12-31 to 2026-01-01") << d("01/01/2026") << d("31/12/2019") << u("6 Anos e 0 Meses");
    QTest::newRow("four years with a leap day")
        << d("01/01/2024") << d("01/01/2020") << u("4 Anos e 0 Meses");
    QTest::newRow("2016-01-01 to 2025-12-31") << d("31/12/2025") << d("01/01/2016") << u("10 Anos e 0 Meses");
}

void TestUFuncoes::fnc_retorna_idade()
{
    QFETCH(QDate, hoje);
    QFETCH(QDate, nascimento);
    QFETCH(QString, esperado);
    QCOMPARE(rules::fnc_retorna_idade(nascimento, hoje), esperado);
}

void TestUFuncoes::fnc_idade_anos_data()
{
    QTest::addColumn<QDate>("hoje");
    QTest::addColumn<QDate>("data");
    QTest::addColumn<QString>("esperado");

    const QDate hoje = d("15/06/2026");
    const auto back = [&](int days) { return hoje.addDays(-days); };
    QTest::newRow("same day") << hoje << hoje << u("0 Anos ");
    QTest::newRow("365 days") << hoje << back(365) << u("0 Anos ");
    QTest::newRow("366 days") << hoje << back(366) << u("1 Anos ");
    QTest::newRow("730 days") << hoje << back(730) << u("1 Anos ");
    QTest::newRow("731 days") << hoje << back(731) << u("2 Anos ");
    QTest::newRow("1460 days") << hoje << back(1460) << u("3 Anos ");
    QTest::newRow("1461 days") << hoje << back(1461) << u("4 Anos ");
    QTest::newRow("future date") << hoje << hoje.addDays(366) << u("1 Anos ");
    QTest::newRow("birthday itself") << d("01/03/2026") << d("01/03/2025") << u("0 Anos ");
    QTest::newRow("day after birthday") << d("02/03/2026") << d("01/03/2025") << u("1 Anos ");
    QTest::newRow("31/12/2024 to 01/01/2026") << d("01/01/2026") << d("31/12/2024") << u("1 Anos ");
    QTest::newRow("01/01/2025 to 31/12/2025") << d("31/12/2025") << d("01/01/2025") << u("0 Anos ");
    QTest::newRow("ten years less a day") << d("31/12/2025") << d("01/01/2016") << u("9 Anos ");
    QTest::newRow("ten years to the day") << d("31/12/2025") << d("31/12/2015") << u("10 Anos ");
    QTest::newRow("seventy years") << d("01/01/2026") << d("01/01/1956") << u("70 Anos ");
}

void TestUFuncoes::fnc_idade_anos()
{
    QFETCH(QDate, hoje);
    QFETCH(QDate, data);
    QFETCH(QString, esperado);
    QCOMPARE(rules::fnc_idade_anos(data, hoje), esperado);
}

void TestUFuncoes::todayComesFromTheClock()
{
    seams::FixedClock clock(d("15/06/2026"));
    QCOMPARE(rules::ValidarIdadeCompleta(d("30/03/2025")), u("MATERNAL I"));
    QCOMPARE(rules::fnc_retorna_idade(d("15/06/2026").addDays(-396)), u("1 Anos e 1 Meses"));
    QCOMPARE(rules::fnc_idade_anos(d("15/06/2026").addDays(-366)), u("1 Anos "));
    QCOMPARE(rules::fnc_ValidaData(u("01/02/76")).texto(), u("01/02/1976"));
    clock.set(QDateTime(d("01/01/2027"), QTime(9, 0)));
    QCOMPARE(rules::ValidarIdadeCompleta(d("30/03/2025")), u("MATERNAL II"));
    QCOMPARE(rules::fnc_ValidaData(u("01/02/76")).texto(), u("01/02/2076"));
}

void TestUFuncoes::fnc_ValidaData_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<DataValidada::Resultado>("resultado");
    QTest::addColumn<QString>("esperado");

    using R = DataValidada::Resultado;
    QTest::newRow("empty mask") << u("  /  /    ") << R::Vazia << QString();
    QTest::newRow("empty mask, unfilled places") << u("__/__/____") << R::Vazia << QString();
    QTest::newRow("canonical") << u("01/02/2020") << R::Data << u("01/02/2020");
    QTest::newRow("31 December") << u("31/12/2025") << R::Data << u("31/12/2025");
    QTest::newRow("1 January") << u("01/01/2026") << R::Data << u("01/01/2026");
    QTest::newRow("29/02 leap year") << u("29/02/2020") << R::Data << u("29/02/2020");
    QTest::newRow("one-digit day and month") << u("1 /2 /2020") << R::Data << u("01/02/2020");
    QTest::newRow("blanks before numbers") << u(" 1/ 2/2020") << R::Data << u("01/02/2020");
    QTest::newRow("two-digit year, window start") << u("01/02/76") << R::Data << u("01/02/1976");
    QTest::newRow("two-digit year, window end") << u("01/02/75") << R::Data << u("01/02/2075");
    QTest::newRow("two-digit year in a mask") << u("12/05/20__") << R::Data << u("12/05/2020");
    QTest::newRow("31/02/2020") << u("31/02/2020") << R::Parar << QString();
    QTest::newRow("29/02 common year") << u("29/02/2021") << R::Parar << QString();
    QTest::newRow("day zero") << u("00/01/2020") << R::Parar << QString();
    QTest::newRow("month 13") << u("01/13/2020") << R::Parar << QString();
    QTest::newRow("year zero") << u("01/01/0000") << R::Parar << QString();
    QTest::newRow("month missing") << u("12/  /2020") << R::Parar << QString();
    QTest::newRow("year missing") << u("12/05/    ") << R::Parar << QString();
    QTest::newRow("day missing") << u("__/05/2020") << R::Parar << QString();
    QTest::newRow("empty text is no mask") << QString() << R::Parar << QString();
    QTest::newRow("other separator") << u("01-02-2020") << R::Parar << QString();
    QTest::newRow("trailing garbage") << u("01/02/2020x") << R::Parar << QString();
    QTest::newRow("five-digit year") << u("01/02/20201") << R::Parar << QString();
    QTest::newRow("letters") << u("ab/cd/efgh") << R::Parar << QString();
}

void TestUFuncoes::fnc_ValidaData()
{
    QFETCH(QString, texto);
    QFETCH(DataValidada::Resultado, resultado);
    QFETCH(QString, esperado);
    const DataValidada r = rules::fnc_ValidaData(texto, d("15/06/2026"));
    QCOMPARE(r.resultado(), resultado);
    QCOMPARE(r.texto(), esperado);
    QCOMPARE(r.deveParar(), resultado == DataValidada::Resultado::Parar);
    QCOMPARE(r.ehVazia(), resultado == DataValidada::Resultado::Vazia);
}

void TestUFuncoes::TestaCpf_data()
{
    QTest::addColumn<QString>("cpf");
    QTest::addColumn<bool>("valido");

    QTest::newRow("formatted") << u("123.456.789-09") << true;
    QTest::newRow("bare") << u("12345678909") << true;
    QTest::newRow("wrong last digit") << u("123.456.789-08") << false;
    QTest::newRow("wrong first check digit") << u("123.456.789-19") << false;
    QTest::newRow("all zeros") << u("000.000.000-00") << true;
    QTest::newRow("all ones") << u("111.111.111-11") << true;
    QTest::newRow("all nines") << u("999.999.999-99") << true;
    QTest::newRow("slash separator") << u("123/456/789/09") << true;
    QTest::newRow("mixed separators") << u("1.2-3/456789-09") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("one character") << u("0") << false;
    QTest::newRow("two characters 00") << u("00") << true;
    QTest::newRow("two characters 01") << u("01") << false;
    QTest::newRow("separators only") << u("..-00") << true;
    // More or fewer digits still go through the formula with the weights going on decreasing.
    QTest::newRow("eight digits") << u("1234567862") << true;
    QTest::newRow("ten digits") << u("123456789009") << true;
    QTest::newRow("leading zero changes weights") << u("0123456789-09") << false;
    QTest::newRow("leading zero, own digits") << u("0123456789-00") << true;
    QTest::newRow("fifteen digits") << u("12345678901234560") << true;
    // Negative sums give a negative remainder, hence a zero digit.
    QTest::newRow("negative first sum") << u("1234567890123456789006") << true;
    QTest::newRow("negative first sum, floor remainder") << u("1234567890123456789086") << false;
    QTest::newRow("negative sums, thirty nines") << QString(30, u'9') + u("00") << true;
    // Characters that are neither digits nor separators make it false instead of failing.
    QTest::newRow("letter among digits") << u("12a.456.789-09") << false;
    QTest::newRow("blank among digits") << u("123 456 789 09") << false;
    QTest::newRow("unfilled mask place") << u("123.456.78_-09") << false;
    QTest::newRow("leading blank") << u(" 123.456.789-09") << false;
    QTest::newRow("letter as check digit") << u("123.456.789-0X") << false;
    QTest::newRow("separator as check digit") << u("123.456.789-0.") << false;
    QTest::newRow("fullwidth digits") << u("１２３.４５６.７８９-09") << false;
    QTest::newRow("Arabic-Indic digit") << u("١23.456.789-09") << false;
    QTest::newRow("non-ASCII letter") << u("ÇPF.456.789-09") << false;
}

void TestUFuncoes::TestaCpf()
{
    QFETCH(QString, cpf);
    QFETCH(bool, valido);
    QCOMPARE(rules::TestaCpf(cpf), valido);
}

void TestUFuncoes::TestaCpfAgreesWithIndependentGenerator()
{
    QFile file(QStringLiteral(RULES_TEST_DATA "/cpfs.txt"));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
    QStringList cpfs;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty())
            cpfs << line;
    }
    QVERIFY2(cpfs.size() >= 300, "fixture of generated CPF numbers is incomplete");

    for (const QString &cpf : cpfs) {
        QVERIFY2(rules::TestaCpf(cpf), qPrintable(cpf));
        const int last = cpf.back().digitValue();
        for (int wrong = 0; wrong <= 9; ++wrong) {
            if (wrong == last)
                continue;
            QString altered = cpf;
            altered.back() = QChar(u'0' + wrong);
            QVERIFY2(!rules::TestaCpf(altered), qPrintable(altered));
        }
    }
}

void TestUFuncoes::RACT_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("name") << u("JOSÉ CONCEIÇÃO") << u("JOSE CONCEICAO");
    QTest::newRow("lower-case n tilde to capital N") << u("peña") << u("peNa");
    QTest::newRow("capital N tilde unchanged") << u("PEÑA") << u("PEÑA");
    QTest::newRow("lower-case a umlaut unchanged") << u("ä") << u("ä");
    QTest::newRow("capital A umlaut folded") << u("Ä") << u("A");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("whole table") << u("àâêôûãõáéíóúçüñÀÂÄÊÔÛÃÕÁÉÍÓÚÇÜ")
                                 << u("aaeouaoaeioucuNAAAEOUAOAEIOUCU");
    QTest::newRow("grave accents outside the table") << u("èìòùÈÌÒÙ") << u("èìòùÈÌÒÙ");
    QTest::newRow("plain text, digits, blanks") << u("RUA 7 DE SETEMBRO, 123") << u("RUA 7 DE SETEMBRO, 123");
    QTest::newRow("mixed") << u("São João D'Ávila") << u("Sao Joao D'Avila");
}

void TestUFuncoes::RACT()
{
    QFETCH(QString, texto);
    QFETCH(QString, esperado);
    QCOMPARE(rules::RACT(texto), esperado);
}

void TestUFuncoes::limpaTexto_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("esperado");

    QTest::newRow("blanks both ends") << u("  JOSÉ DA SILVA  ") << u("JOSE DA SILVA");
    QTest::newRow("control characters") << u("\t\r\nANA\x01\x1f ") << u("ANA");
    QTest::newRow("inner blanks kept") << u(" A  B ") << u("A  B");
    QTest::newRow("only blanks") << u("   ") << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("no-break space is not padding") << u("\u00a0ANA\u00a0") << u("\u00a0ANA\u00a0");
    QTest::newRow("already clean") << u("CONCEICAO") << u("CONCEICAO");
}

void TestUFuncoes::limpaTexto()
{
    QFETCH(QString, texto);
    QFETCH(QString, esperado);
    QCOMPARE(rules::limpaTexto(texto), esperado);
}

void TestUFuncoes::textoDoCampo()
{
    QLineEdit date;
    date.setInputMask(QStringLiteral("99/99/9999;_"));
    QCOMPARE(rules::textoDoCampo(&date), rules::mascaraDataVazia());
    QTest::keyClicks(&date, QStringLiteral("1205"));
    QCOMPARE(rules::textoDoCampo(&date), u("12/05/    "));
    QCOMPARE(rules::fnc_ValidaData(rules::textoDoCampo(&date)).resultado(), DataValidada::Resultado::Parar);

    QLineEdit plain;
    plain.setText(u(" abc_"));
    QCOMPARE(rules::textoDoCampo(&plain), u(" abc "));
}

void TestUFuncoes::verifica_cpf_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("complains");

    const QString cpfMask = QStringLiteral("999.999.999-99;_");
    QTest::newRow("masked, empty") << cpfMask << QString() << false;
    QTest::newRow("masked, partly filled") << cpfMask << u("1234567") << false;
    QTest::newRow("masked, one place short") << cpfMask << u("1234567890") << false;
    QTest::newRow("masked, valid") << cpfMask << u("12345678909") << false;
    QTest::newRow("masked, invalid") << cpfMask << u("12345678908") << true;
    QTest::newRow("masked, repeated digit") << cpfMask << u("11111111111") << false;
    QTest::newRow("plain, empty") << QString() << QString() << false;
    QTest::newRow("plain, with a blank") << QString() << u("123 456 789 08") << false;
    QTest::newRow("plain, valid") << QString() << u("123.456.789-09") << false;
    QTest::newRow("plain, invalid") << QString() << u("123.456.789-08") << true;
    QTest::newRow("plain, letters") << QString() << u("abc") << true;
}

void TestUFuncoes::verifica_cpf()
{
    QFETCH(QString, mask);
    QFETCH(QString, typed);
    QFETCH(bool, complains);

    CpfForm form(mask);
    QVERIFY(form.ready());
    form.cpf->setFocus();
    QTest::keyClicks(form.cpf, typed);
    form.next->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), form.next);

    seams::RecordingMessages rec;
    seams::ScopedMessages guard(&rec);
    QCOMPARE(rules::verifica_cpf(form.cpf), !complains);
    if (complains) {
        QCOMPARE(rec.texts(), QStringList{u("CPF INVÁLIDO")});
        QCOMPARE(rec.shown.first().icon, seams::Icon::None);
        QCOMPARE(rec.shown.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(QApplication::focusWidget(), form.cpf);
    } else {
        QVERIFY(rec.texts().isEmpty());
        QCOMPARE(QApplication::focusWidget(), form.next);
    }
    // The field keeps what was typed either way.
    QCOMPARE(form.cpf->text().remove(u'.').remove(u'-').remove(u' '),
             QString(typed).remove(u'.').remove(u'-').remove(u' '));
}

void TestUFuncoes::cpfCheckOnLeavingTheField()
{
    CpfForm form(QStringLiteral("999.999.999-99;_"));
    QVERIFY(form.ready());
    rules::instalaVerificaCpfAoSair(form.cpf);
    seams::RecordingMessages rec;
    seams::ScopedMessages guard(&rec);

    // Leaving a partly filled field says nothing.
    form.cpf->setFocus();
    QTest::keyClicks(form.cpf, QStringLiteral("123456"));
    QTest::keyClick(form.cpf, Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), form.next);
    QTest::qWait(20);
    QVERIFY(rec.texts().isEmpty());

    // Leaving with a wrong number complains once and brings the focus back.
    form.cpf->setFocus();
    form.cpf->clear();
    QTest::keyClicks(form.cpf, QStringLiteral("12345678908"));
    QTest::keyClick(form.cpf, Qt::Key_Tab);
    QTRY_COMPARE(rec.texts(), QStringList{u("CPF INVÁLIDO")});
    QTRY_COMPARE(QApplication::focusWidget(), form.cpf);
    QCOMPARE(form.cpf->text(), u("123.456.789-08"));

    // Losing the focus to another application is not leaving the field.
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(form.cpf, &away);
    QTest::qWait(20);
    QCOMPARE(rec.texts().size(), 1);
}

void TestUFuncoes::cleanUpOnLeavingTheField()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *name = new QLineEdit;
    auto *next = new QLineEdit;
    layout->addWidget(name);
    layout->addWidget(next);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    rules::instalaLimpezaAoSair(name);

    name->setFocus();
    name->setText(u("  JOÃO PEÑA peña\t")); // pasted: a tab cannot be typed into the field
    next->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), next);
    QCOMPARE(name->text(), u("JOAO PEÑA peNa"));
}

QTEST_MAIN(TestUFuncoes)
#include "tst_UFuncoes.moc"
