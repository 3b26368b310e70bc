// The filter language, sort index and aggregates of the cached datasets, over real loaded rows.
#include "TestDatabase.h"
#include "data/TableDataset.h"

#include <QtTest>

using data::TableDataset;

class TstFilter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void filters_data();
    void filters();
    void refusedTexts_data();
    void refusedTexts();
    void filterSetWhileClosedAppliesAtOpen();
    void sortIsStableAndNullFirst();
    void aggregatesFollowTheVisibleRows();
    void quotedDoublesQuotes();
    void likeMatcher_data();
    void likeMatcher();

private:
    QList<qint64> visibleCodes(TableDataset &ds);
    std::unique_ptr<TestDatabase> db_;
    std::unique_ptr<TableDataset> ds_;
    std::unique_ptr<TableDataset> vagas_;
};

void TstFilter::initTestCase()
{
    db_ = std::make_unique<TestDatabase>();
    auto &att = db_->attachment();
    const QString ins = QStringLiteral("INSERT INTO ENCAMINHAMENTO (CODIGO, NOME_ALUNO, RESPONSAVEL_1, "
                                       "NOME_ESCOLAS, NOMES_SERIES, NOMES_TURNOS, "
                                       "STATUS, DATA_ATENDIMENTO, DATA_ED, CONTATO_1, ID_ESCOLA, RECEBE_S_N) "
                                       "VALUES (?,?,?,?,?,?,?,?,?,?,?,?)");
    const QString p1 = QStringLiteral("1° PERIODO");
    const QList<QList<fb::Value>> rows{
        {1, "MARIA DA SILVA", "ANA", "E.M. VARGEDO", p1, "MATUTINO", "AGUARDANDO", QDate(2024, 1, 1),
         QDate(2024, 3, 1), "(27)99876-5432", 5, "SIM"},
        {2, "MARCOS D'AVILA", "JOANA", "E.M. VARGEDO", p1, "MATUTINO", "ENCAMINHADO", QDate(2024, 12, 31),
         QDate(2024, 3, 31), "(27)3333-1234", 7, "NAO"},
        {3, "mariana lopes", "BEATRIZ", "CMEI PEQUENO PRINCIPE", "MATERNAL I", "VESPERTINO", "AGUARDANDO",
         QDate(2023, 12, 31), QDate(2024, 4, 1), nullptr, nullptr, "NÃO"},
        {4, nullptr, nullptr, "", p1, "MATUTINO", "AGUARDANDO", QDate(2025, 1, 1), nullptr, "", 5, nullptr},
        {5, "JOSÉ CONCEIÇÃO", "MARIA", nullptr, nullptr, "NOTURNO", "CANCELADO", nullptr, QDate(2024, 3, 15),
         nullptr, 12, "SIM"},
        {6, "", "O'BRIEN", "E.M. O'HIGGINS", "EJA", "NOTURNO", "AGUARDANDO", QDate(2024, 6, 15), nullptr,
         nullptr, 0, "SIM"},
    };
    for (const auto &r : rows)
        att.executeOnce(ins, r);
    att.executeOnce(
        QStringLiteral("INSERT INTO VAGAS (VAGA_CODIGO, ESCOLA, QTD_VAGAS, Q_MAT_1) VALUES (1, 'A', 0, 3)"));
    att.executeOnce(QStringLiteral(
        "INSERT INTO VAGAS (VAGA_CODIGO, ESCOLA, QTD_VAGAS, Q_MAT_1) VALUES (2, 'A', 4, NULL)"));
    att.executeOnce(
        QStringLiteral("INSERT INTO VAGAS (VAGA_CODIGO, ESCOLA, QTD_VAGAS, Q_MAT_1) VALUES (3, 'B', 10, 2)"));

    ds_ = std::make_unique<TableDataset>("cdsaluno", "ENCAMINHAMENTO", "select * from ENCAMINHAMENTO");
    ds_->setConnection(&att);
    ds_->open();
    ds_->setFiltered(true);
    vagas_ = std::make_unique<TableDataset>("cdsvagas", "VAGAS", "select * from VAGAS");
    vagas_->setConnection(&att);
    vagas_->addAggregate("qtdv", "sum(qtd_vagas)");
    vagas_->addAggregate("qtq", "sum(q_mat_1)");
    vagas_->setFiltered(true);
    vagas_->open();
}

QList<qint64> TstFilter::visibleCodes(TableDataset &ds)
{
    QList<qint64> out;
    for (int i = 0; i < ds.recordCount(); ++i)
        out << ds.visibleValue(i, 0).toInt();
    std::sort(out.begin(), out.end());
    return out;
}

void TstFilter::filters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QList<qint64>>("codes");
    using L = QList<qint64>;
    QTest::newRow("prefix") << "NOME_ALUNO like 'MAR%'" << L{1, 2};
    QTest::newRow("column in lower case") << "nome_aluno like 'MAR%'" << L{1, 2};
    QTest::newRow("case-sensitive") << "NOME_ALUNO like 'mar%'" << L{3};
    QTest::newRow("like % keeps rows with a name") << "NOME_ALUNO like '%'" << L{1, 2, 3, 5, 6};
    QTest::newRow("contains") << "NOME_ALUNO like '%SILVA%'" << L{1};
    QTest::newRow("% in the middle") << "NOME_ALUNO like 'M%S'" << L{};
    QTest::newRow("% in the middle 2") << "NOME_ALUNO like 'MAR%VA'" << L{1};
    QTest::newRow("accents") << "NOME_ALUNO like 'JOSÉ CONCEIÇÃO%'" << L{5};
    QTest::newRow("quote doubled") << "NOME_ALUNO like 'MARCOS D''AVILA%'" << L{2};
    QTest::newRow("quote in equality") << "RESPONSAVEL_1 = 'O''BRIEN'" << L{6};
    QTest::newRow("four terms, no blank after quote")
        << QStringLiteral(
               "NOME_ESCOLAS = 'E.M. VARGEDO'and nomes_series ='1° PERIODO'and nomes_turnos ='MATUTINO'"
               "and status ='AGUARDANDO'")
        << L{1};
    QTest::newRow("terms with blanks") << "nome_escolas = 'E.M. VARGEDO' and status = 'ENCAMINHADO'" << L{2};
    QTest::newRow("empty matches empty and null") << "NOME_ESCOLAS = ''" << L{4, 5};
    QTest::newRow("empty pick in a group")
        << "nome_escolas = ''and nomes_series =''and nomes_turnos ='NOTURNO'" << L{5};
    QTest::newRow("dates quoted") << "data_atendimento>='01/01/2024' and data_atendimento<='31/12/2024'"
                                  << L{1, 2, 6};
    QTest::newRow("dates bare") << "data_atendimento>=01/01/2024 and data_atendimento<=31/12/2024"
                                << L{1, 2, 6};
    QTest::newRow("dates then status")
        << "DATA_ED>='01/03/2024' and DATA_ED<='31/03/2024'and status ='AGUARDANDO'" << L{1};
    QTest::newRow("dates then school grade status")
        << QStringLiteral("DATA_ED>='01/03/2024' and DATA_ED<='31/03/2024'and NOME_ESCOLAS ='E.M. VARGEDO'"
                          "and NOMES_SERIES ='1° PERIODO'and status ='ENCAMINHADO'")
        << L{2};
    QTest::newRow("integer") << "ID_ESCOLA = 5" << L{1, 4};
    QTest::newRow("integer greater") << "ID_ESCOLA > 5" << L{2, 5};
    QTest::newRow("integer quoted") << "ID_ESCOLA = '7'" << L{2};
    QTest::newRow("integer empty text") << "ID_ESCOLA = ''" << L{3};
    QTest::newRow("tilde is exact") << "recebe_s_n = 'NÃO'" << L{3};
    QTest::newRow("tilde is exact 2") << "recebe_s_n = 'NAO'" << L{2};
    QTest::newRow("telephone half typed") << "CONTATO_1 like '(27)9    -    %'" << L{};
    QTest::newRow("telephone typed") << "CONTATO_1 like '(27)99876-5432%'" << L{1};
    QTest::newRow("or and parentheses")
        << "(ID_ESCOLA = 0 or ID_ESCOLA = 12) and STATUS = 'CANCELADO'" << L{5};
    QTest::newRow("empty text keeps all") << "" << L{1, 2, 3, 4, 5, 6};
}

void TstFilter::filters()
{
    QFETCH(QString, filter);
    QFETCH(QList<qint64>, codes);
    ds_->setFilter(filter);
    QCOMPARE(visibleCodes(*ds_), codes);
    QCOMPARE(ds_->filter(), filter);
}

void TstFilter::refusedTexts_data()
{
    QTest::addColumn<QString>("filter");
    QTest::newRow("unterminated quote") << "NOME_ALUNO like 'MAR";
    QTest::newRow("unknown column") << "XPTO = 'A'";
    QTest::newRow("no value") << "NOME_ALUNO = ";
    QTest::newRow("dangling and") << "NOME_ALUNO = 'A' and";
    QTest::newRow("no operator") << "NOME_ALUNO 'A'";
    QTest::newRow("impossible date") << "DATA_NASC = '31/02/2020'";
    QTest::newRow("text for an integer") << "CODIGO = 'abc'";
    QTest::newRow("stray character") << "NOME_ALUNO = 'A' ; drop";
    QTest::newRow("unbalanced parenthesis") << "(CODIGO = 1";
    QTest::newRow("keyword as column") << "and = 'A'";
}

void TstFilter::refusedTexts()
{
    QFETCH(QString, filter);
    ds_->setFilter(QStringLiteral("CODIGO = 1"));
    try {
        ds_->setFilter(filter);
        QFAIL("the text was accepted");
    } catch (const data::DataError &e) {
        QVERIFY2(e.message().contains(filter), qPrintable(e.message()));
    }
    // The filter in force is the last good one, never a silent match-all.
    QCOMPARE(ds_->filter(), QStringLiteral("CODIGO = 1"));
    QCOMPARE(visibleCodes(*ds_), QList<qint64>{1});
}

void TstFilter::filterSetWhileClosedAppliesAtOpen()
{
    TableDataset ds("cdsvagas", "VAGAS", "select * from VAGAS");
    ds.setConnection(&db_->attachment());
    ds.setFiltered(true);
    ds.setFilter("QTD_VAGAS > 0");
    ds.open();
    QCOMPARE(ds.recordCount(), 2);
    ds.close();
    // The filter and its flag outlive a close, as a screen that leaves expects.
    ds.open();
    QCOMPARE(ds.recordCount(), 2);
    ds.close();
    ds.setFilter("QTD_VAGAS >");
    QVERIFY_THROWS_EXCEPTION(data::DataError, ds.open());
}

void TstFilter::sortIsStableAndNullFirst()
{
    ds_->setFilter(QString());
    ds_->setIndexFieldNames("nome_aluno");
    QList<qint64> order;
    for (int i = 0; i < ds_->recordCount(); ++i)
        order << ds_->visibleValue(i, 0).toInt();
    // NULL, then '' , then bytes order (upper case before lower, É after Z).
    QCOMPARE(order, (QList<qint64>{4, 6, 5, 2, 1, 3}));
    ds_->setIndexFieldNames("STATUS");
    order.clear();
    for (int i = 0; i < ds_->recordCount(); ++i)
        order << ds_->visibleValue(i, 0).toInt();
    QCOMPARE(order, (QList<qint64>{1, 3, 4, 6, 5, 2})); // ties keep the load order
    // The current row survives a change of order.
    QVERIFY(ds_->locate("CODIGO", {3}));
    ds_->setIndexFieldNames("CODIGO");
    QCOMPARE(ds_->asInteger("CODIGO"), 3);
    QVERIFY_THROWS_EXCEPTION(data::DataError, ds_->setIndexFieldNames("NOPE"));
    ds_->setIndexFieldNames(QString());
}

void TstFilter::aggregatesFollowTheVisibleRows()
{
    vagas_->setFilter(QString());
    QCOMPARE(vagas_->aggregate("qtdv")->toInt(), 14);
    QCOMPARE(vagas_->aggregate("qtq")->toInt(), 5); // NULL adds nothing
    vagas_->setFilter("QTD_VAGAS > 0");
    QCOMPARE(vagas_->aggregate("qtdv")->toInt(), 14);
    QCOMPARE(vagas_->aggregate("qtq")->toInt(), 2);
    vagas_->setFilter("escola = 'A'and QTD_VAGAS =0");
    QCOMPARE(vagas_->aggregate("QTDV")->toInt(), 0);
    vagas_->setFilter("escola = 'nenhuma'");
    QVERIFY(!vagas_->aggregate("qtdv").has_value()); // no visible row: no value
    QVERIFY_THROWS_EXCEPTION(data::DataError, vagas_->aggregate("nope"));
    vagas_->setFilter(QString());
}

void TstFilter::quotedDoublesQuotes()
{
    QCOMPARE(data::quoted("O'B"), QStringLiteral("'O''B'"));
    QCOMPARE(data::quoted(""), QStringLiteral("''"));
    QCOMPARE(QStringLiteral("SERIE like ") + data::quoted("AB%"), QStringLiteral("SERIE like 'AB%'"));
}

void TstFilter::likeMatcher_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("match");
    QTest::newRow("exact") << "ABC"
                           << "ABC" << true;
    QTest::newRow("exact longer") << "ABCD"
                                  << "ABC" << false;
    QTest::newRow("prefix") << "ABCD"
                            << "AB%" << true;
    QTest::newRow("suffix") << "ABCD"
                            << "%CD" << true;
    QTest::newRow("suffix overlapping prefix") << "ABA"
                                               << "AB%BA" << false;
    QTest::newRow("two pieces") << "A-B-C"
                                << "%B%C" << true;
    QTest::newRow("only percent on empty") << ""
                                           << "%" << true;
    QTest::newRow("empty pattern on text") << "A"
                                           << "" << false;
    QTest::newRow("multibyte") << "ÇÃO"
                               << "%ÃO" << true;
}

void TstFilter::likeMatcher()
{
    QFETCH(QString, value);
    QFETCH(QString, pattern);
    QFETCH(bool, match);
    std::vector<QByteArray> parts;
    for (const QString &p : pattern.split(QLatin1Char('%'), Qt::SkipEmptyParts))
        parts.push_back(p.toUtf8());
    QCOMPARE(data::likeMatch(value.toUtf8(), parts, !pattern.startsWith('%'), !pattern.endsWith('%')), match);
}

QTEST_GUILESS_MAIN(TstFilter)
#include "tst_filter.moc"
