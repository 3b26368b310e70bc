// mirabelta-demodb end to end: the database it builds, the config.ini it writes, and what it
// refuses to do.
#include "DbQuery.h"
#include "DemoDatabase.h"
#include "app/ConfigIni.h"
#include "app/InstallationData.h"
#include "rules/PickLists.h"
#include "rules/UFuncoes.h"

#include <QCryptographicHash>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using app::InstallationData;

class TestDemoDatabase : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void configIniPointsAtTheDatabase();
    void everyTableHasRows();
    void usersOfEveryLevelCanLogIn();
    void keysStayBelowTheirGenerators_data();
    void keysStayBelowTheirGenerators();
    void presidentSequenceNumbersThreeTables();
    void storedTextsComeFromThePickLists_data();
    void storedTextsComeFromThePickLists();
    void documentsAndTelephonesInStoredForm_data();
    void documentsAndTelephonesInStoredForm();
    void gradeCatalogueHoldsTheGradeList();
    void attendanceSheetsForEveryMonth();
    void photosArePictures();
    void existingDatabaseIsLeftAlone();
    void sameSeedGivesSameData();

private:
    struct Run {
        int exitCode;
        QString output;
    };
    static Run runBuilder(const QStringList &arguments);
    QString digest(fb::Attachment &att, const QString &sql);

    QTemporaryDir dir_;
    QString database_;
    std::unique_ptr<fb::Attachment> att_;
    InstallationData installation_;
};

TestDemoDatabase::Run TestDemoDatabase::runBuilder(const QStringList &arguments)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(MIRABELTA_DEMODB), arguments);
    if (!p.waitForFinished(120000))
        return {-1, QStringLiteral("did not finish")};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAll())};
}

void TestDemoDatabase::initTestCase()
{
    QVERIFY(dir_.isValid());
    database_ = dir_.filePath("demo/demo.fdb");
    // No --installation: the builder reads the installation data the build copied beside it.
    const Run run = runBuilder({database_, "--config", dir_.filePath("cfg")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    att_ = fb::Attachment::connect(
        {.host = QString(), .database = database_, .user = "SYSDBA", .password = "masterkey"});
    QVERIFY2(
        installation_.load(QFileInfo(QStringLiteral(MIRABELTA_DEMODB)).dir().filePath("installation.json")),
        qPrintable(installation_.errorString()));
}

void TestDemoDatabase::cleanupTestCase()
{
    att_.reset();
}

void TestDemoDatabase::configIniPointsAtTheDatabase()
{
    const QString path = dir_.filePath("cfg/config.ini");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList keys;
    for (const QString &line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts))
        keys << line.section('=', 0, 0);
    QCOMPARE(keys, (QStringList{"[CONFIG]", "HOSTNAME", "DATABASE", "USER_NAME", "PASSWORD"}));
    // Read back the way the program reads it at start, and used for an embedded attachment.
    const fb::ConnectParams params = app::readConnectionSettings(path);
    QCOMPARE(params.host, QString());
    QCOMPARE(params.database, QFileInfo(database_).absoluteFilePath());
    QCOMPARE(params.user, QStringLiteral("SYSDBA"));
    QCOMPARE(params.password, QStringLiteral("masterkey"));
    auto att = fb::Attachment::connect(params);
    QCOMPARE(queryRows(*att, "select count(*) from ACESSO").first().first().toInt(), qint64(10));
}

void TestDemoDatabase::everyTableHasRows()
{
    const QStringList tables =
        queryTexts(*att_, "select trim(rdb$relation_name) from rdb$relations "
                          "where coalesce(rdb$system_flag, 0) = 0 and rdb$view_blr is null");
    QVERIFY(tables.size() >= 23);
    QStringList empty;
    for (const QString &t : tables)
        if (queryRows(*att_, "select count(*) from " + t).first().first().toInt() == 0)
            empty << t;
    QVERIFY2(empty.isEmpty(), qPrintable("empty tables: " + empty.join(", ")));
}

void TestDemoDatabase::usersOfEveryLevelCanLogIn()
{
    // The login query of the program: exact user name and password.
    QList<int> levels;
    for (const auto &u : demo::DemoDatabase::users()) {
        const auto rows = queryRows(*att_, "select NIVEL from acesso where USUARIO = ? and SENHA = ?",
                                    {u.login, demo::DemoDatabase::demoPassword()});
        QVERIFY2(rows.size() == 1, qPrintable(u.login));
        QCOMPARE(rows.first().first().toInt(), qint64(u.level));
        // Only capitals can be typed into the user box.
        QCOMPARE(u.login, u.login.toUpper());
        levels << u.level;
    }
    QCOMPARE(levels, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

void TestDemoDatabase::keysStayBelowTheirGenerators_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("generator");
    QTest::newRow("ACESSO") << "ACESSO"
                            << "ID_SENHA"
                            << "SP_GEN_USUARIO_ID";
    QTest::newRow("LOGS") << "LOGS"
                          << "ID"
                          << "SP_GEN_LOGS_ID";
    QTest::newRow("SERIE") << "SERIE"
                           << "SERIE_ID"
                           << "SP_GEN_SERIE_ID";
    QTest::newRow("TURNO") << "TURNO"
                           << "TUNO_ID"
                           << "SP_GEN_TURNO_ID";
    QTest::newRow("TURMAS") << "TURMAS"
                            << "ID"
                            << "SP_GEN_TURMAS_ID";
    QTest::newRow("ESCOLA") << "ESCOLA"
                            << "ID_ESCOLA"
                            << "SP_GEN_ESCOLA_ID";
    QTest::newRow("CARGO") << "CARGO"
                           << "ID"
                           << "SP_GEN_CARGO_ID";
    QTest::newRow("PRESIDENTE") << "PRESIDENTE"
                                << "CODIGO_PRESIDENTE"
                                << "SP_GEN_PRESIDENTE_ID";
    QTest::newRow("PATRIMONIO") << "PATRIMONIO"
                                << "ID"
                                << "SP_GEN_PRESIDENTE_ID";
    QTest::newRow("C_TRANSPORTE") << "C_TRANSPORTE"
                                  << "ID"
                                  << "SP_GEN_PRESIDENTE_ID";
    QTest::newRow("ALUNOS_GERAL") << "ALUNOS_GERAL"
                                  << "ID"
                                  << "SP_GEN_ALUNOS_GERAL_ID";
    QTest::newRow("CAD_ESCOLAR_ANUAL") << "CAD_ESCOLAR_ANUAL"
                                       << "CODIGO"
                                       << "SP_GEN_CAD_ESCOLAR_ANUAL_ID";
    QTest::newRow("ENCAMINHAMENTO") << "ENCAMINHAMENTO"
                                    << "CODIGO"
                                    << "SP_GEN_ENCAMINHAMENTO_ID";
    QTest::newRow("VAGAS") << "VAGAS"
                           << "VAGA_CODIGO"
                           << "SP_GEN_VAGAS_ID";
    QTest::newRow("FUNCIONARIO") << "FUNCIONARIO"
                                 << "ID"
                                 << "SP_GEN_FUNCIONARIO_ID";
    QTest::newRow("SPEDAGOGICO") << "SPEDAGOGICO"
                                 << "ID"
                                 << "SP_GEN_SPEDAGOGICO_ID";
    QTest::newRow("RH_FREQ_CABECA") << "RH_FREQ_CABECA"
                                    << "ID"
                                    << "SP_GEN_RH_FREQ_CABECA_ID";
    QTest::newRow("ENTURMACAO") << "ENTURMACAO"
                                << "ID"
                                << "SP_GEN_ENTURMACAO_ID";
    QTest::newRow("ENTURMACAO_DETALHES") << "ENTURMACAO_DETALHES"
                                         << "ID_DETALHE"
                                         << "SP_GEN_ENTURMACAO_DETALHES_ID";
}

void TestDemoDatabase::keysStayBelowTheirGenerators()
{
    QFETCH(QString, table);
    QFETCH(QString, key);
    QFETCH(QString, generator);
    // The program inserts the generator's next value unchecked: it must not be taken already.
    const qint64 highest =
        queryRows(*att_, QStringLiteral("select max(%1) from %2").arg(key, table)).first().first().toInt();
    const qint64 next = att_->executeProcedure(generator, "ID").toInt();
    QVERIFY2(next > highest, qPrintable(QStringLiteral("%1 gives %2, %3 already holds %4")
                                            .arg(generator)
                                            .arg(next)
                                            .arg(table)
                                            .arg(highest)));
}

void TestDemoDatabase::presidentSequenceNumbersThreeTables()
{
    // Presidents, assets and transport authorisations share one numbering: no number twice.
    const auto rows =
        queryRows(*att_, "select CODIGO_PRESIDENTE from PRESIDENTE union all select ID from PATRIMONIO "
                         "union all select ID from C_TRANSPORTE");
    QSet<qint64> keys;
    for (const auto &r : rows)
        keys.insert(r.first().toInt());
    QCOMPARE(keys.size(), rows.size());
}

void TestDemoDatabase::storedTextsComeFromThePickLists_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("allowed");
    InstallationData inst;
    QVERIFY(inst.load(QFileInfo(QStringLiteral(MIRABELTA_DEMODB)).dir().filePath("installation.json")));
    using L = InstallationData::SchoolList;
    const QStringList statuses = rules::listaStatusEncaminhamento() + QStringList{QString()};
    // Screens filter with "=" on these texts, so a value outside its list is a row no filter finds.
    QTest::newRow("referral school") << "select distinct NOME_ESCOLAS from ENCAMINHAMENTO"
                                     << inst.schoolList(L::Referral);
    QTest::newRow("referral grade") << "select distinct NOMES_SERIES from ENCAMINHAMENTO"
                                    << rules::listaSeries();
    QTest::newRow("referral shift") << "select distinct NOMES_TURNOS from ENCAMINHAMENTO"
                                    << rules::listaTurnos();
    QTest::newRow("referral status") << "select distinct STATUS from ENCAMINHAMENTO" << statuses;
    QTest::newRow("referral benefit")
        << "select distinct RECEBE_S_N from ENCAMINHAMENTO" << QStringList{"SIM", "NAO"};
    QTest::newRow("vacancy school") << "select distinct ESCOLA from VAGAS" << inst.schoolList(L::Vacancy);
    QTest::newRow("vacancy grade") << "select distinct SERIE from VAGAS" << rules::listaSeries();
    QTest::newRow("vacancy shift") << "select distinct TURNO from VAGAS" << rules::listaTurnos();
    QTest::newRow("registration school")
        << "select distinct NOME_ESCOLA from CAD_ESCOLAR_ANUAL" << inst.schoolList(L::RegistrationFilter);
    QTest::newRow("registration grade")
        << "select distinct NOME_SERIE from CAD_ESCOLAR_ANUAL" << rules::listaSeriesEja();
    QTest::newRow("registration year")
        << "select distinct ANO_BASE from CAD_ESCOLAR_ANUAL" << QStringList{"2023", "2024", "2025"};
    QTest::newRow("registration criterion")
        << "select distinct CRITERIO from CAD_ESCOLAR_ANUAL"
        << QStringList{"VULNERAVEL", "ESPECIAL", "ENDERECO PROXIMO", "OUTROS"};
    QTest::newRow("transport school")
        << "select distinct ESCOLA from C_TRANSPORTE" << inst.schoolList(L::Referral);
    QTest::newRow("transport grade") << "select distinct SERIE from C_TRANSPORTE" << rules::listaSeries();
    QTest::newRow("transport state") << "select distinct SITUACAO from C_TRANSPORTE"
                                     << QStringList{"AGUARDANDO", "AUTORIZADO", "INATIVO"};
    QTest::newRow("follow-up school")
        << "select distinct ESCOLA from SPEDAGOGICO" << inst.schoolList(L::Referral);
    QTest::newRow("follow-up grade") << "select distinct SERIE from SPEDAGOGICO" << rules::listaSeries();
    QTest::newRow("employee department")
        << "select distinct DPTO from FUNCIONARIO" << inst.schoolList(L::Department);
    QTest::newRow("employee bond") << "select distinct VINCULO from FUNCIONARIO"
                                   << QStringList{"COMISSIONADO RECRUTAMENTO AMPLO",
                                                  "COMISSIONADO RECRUTAMENTO LIMITADO",
                                                  "CONTRATO ADMINISTRATIVO",
                                                  "REG. JURIDICO UNICO - EST. EFETIVO", "OUTROS"};
    QTest::newRow("employee sex") << "select distinct SEXO from FUNCIONARIO"
                                  << QStringList{"FEMININO", "MASCULINO", "OUTROS"};
    QTest::newRow("pupil situation") << "select distinct SITUACAO from ALUNOS_GERAL"
                                     << QStringList{"ATIVO", "INATIVO"};
    QTest::newRow("pupil sex") << "select distinct SEXO from ALUNOS_GERAL" << QStringList{"M", "F"};
    QTest::newRow("sheet month") << "select distinct MES from RH_FREQ_CABECA"
                                 << QStringList{"JANEIRO",  "FEVEREIRO", "MARCO",    "ABRIL",
                                                "MAIO",     "JUNHO",     "JULHO",    "AGOSTO",
                                                "SETEMBRO", "OUTUBRO",   "NOVEMBRO", "DEZEMBRO"};
    QTest::newRow("shift catalogue") << "select TURNO from TURNO" << rules::listaTurnos();
    QTest::newRow("school catalogue") << "select ESCOLA from ESCOLA" << inst.allSchools();
}

void TestDemoDatabase::storedTextsComeFromThePickLists()
{
    QFETCH(QString, query);
    QFETCH(QStringList, allowed);
    const QStringList values = queryTexts(*att_, query);
    QVERIFY(!values.isEmpty());
    for (const QString &v : values)
        QVERIFY2(allowed.contains(v), qPrintable(QStringLiteral("\"%1\" is not in its list").arg(v)));
}

void TestDemoDatabase::documentsAndTelephonesInStoredForm_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("isCpf");
    const QString cpf = R"(^\d{3}\.\d{3}\.\d{3}-\d{2}$)";
    const QString phone = R"(^\(\d{2}\)\d{5}-\d{4}$)";
    // Masks keep their literals in the stored value; the searches type them the same way.
    QTest::newRow("referral CPF") << "select CPF from ENCAMINHAMENTO where CPF is not null" << cpf << true;
    QTest::newRow("registration CPF")
        << "select CPF from CAD_ESCOLAR_ANUAL where CPF is not null" << cpf << true;
    QTest::newRow("pupil CPF") << "select CPF from ALUNOS_GERAL where CPF is not null" << cpf << true;
    QTest::newRow("mother CPF") << "select MAE_CPF from ALUNOS_GERAL where MAE_CPF is not null" << cpf
                                << true;
    QTest::newRow("employee CPF") << "select CPF from FUNCIONARIO" << cpf << true;
    QTest::newRow("referral NIS") << "select NIS_ALUNO from ENCAMINHAMENTO where NIS_ALUNO is not null" << cpf
                                  << false;
    QTest::newRow("referral phone") << "select CONTATO_1 from ENCAMINHAMENTO" << phone << false;
    QTest::newRow("registration phone") << "select CONTATO_1 from CAD_ESCOLAR_ANUAL" << phone << false;
    QTest::newRow("pupil phone") << "select TELEFONE_ALUNO from ALUNOS_GERAL" << phone << false;
    QTest::newRow("school phone") << "select CONTATO from ESCOLA" << phone << false;
    QTest::newRow("employee phone") << "select CONTATO from FUNCIONARIO" << phone << false;
    QTest::newRow("guardian phone") << "select CONTATO_RESPONSAVEL_1 from C_TRANSPORTE" << phone << false;
    QTest::newRow("monitor phone") << "select CONTATO_MONITOR from C_TRANSPORTE" << phone << false;
    QTest::newRow("follow-up phone") << "select CONTATO from SPEDAGOGICO" << phone << false;
    QTest::newRow("postal code") << "select CEP from ALUNOS_GERAL"
                                 << R"(^\d{5}-\d{3}$)" << false;
}

void TestDemoDatabase::documentsAndTelephonesInStoredForm()
{
    QFETCH(QString, query);
    QFETCH(QString, pattern);
    QFETCH(bool, isCpf);
    const QRegularExpression re(pattern);
    const QStringList values = queryTexts(*att_, query);
    QVERIFY(!values.isEmpty());
    for (const QString &v : values) {
        QVERIFY2(re.match(v).hasMatch(), qPrintable(v));
        if (isCpf)
            QVERIFY2(rules::TestaCpf(v), qPrintable(v + " fails the CPF check"));
    }
}

void TestDemoDatabase::gradeCatalogueHoldsTheGradeList()
{
    // The 17 labels with their degree signs, then "INTEGRAL" and "EJA", in that order.
    QCOMPARE(queryTexts(*att_, "select SERIE from SERIE order by SERIE_ID"), rules::listaSeries());
}

void TestDemoDatabase::attendanceSheetsForEveryMonth()
{
    const auto rows = queryRows(*att_, "select ANO, MES from RH_FREQ_CABECA");
    QSet<QString> sheets;
    for (const auto &r : rows)
        sheets.insert(r[0].toString() + "/" + r[1].toString());
    QCOMPARE(rows.size(), 48);
    QCOMPARE(sheets.size(), 48);
    for (int year = 2023; year <= 2026; ++year)
        QVERIFY(sheets.contains(QString::number(year) + "/JANEIRO") &&
                sheets.contains(QString::number(year) + "/DEZEMBRO"));
    // Every line belongs to a sheet and names a registered employee.
    QCOMPARE(queryRows(*att_, "select count(*) from RH_FREQ_CORPO c where not exists "
                              "(select 1 from RH_FREQ_CABECA h where h.ID = c.ID) or not exists "
                              "(select 1 from FUNCIONARIO f where f.ID = c.ID_FUNCIONARIO)")
                 .first()
                 .first()
                 .toInt(),
             qint64(0));
}

void TestDemoDatabase::photosArePictures()
{
    const auto rows = queryRows(*att_, "select FOTO from ALUNOS_GERAL where FOTO is not null union all "
                                       "select FOTO from FUNCIONARIO where FOTO is not null");
    QVERIFY(!rows.isEmpty());
    for (const auto &r : rows) {
        QImage image;
        QVERIFY(image.loadFromData(r.first().get<QByteArray>()));
        QVERIFY(!image.isNull());
    }
}

void TestDemoDatabase::existingDatabaseIsLeftAlone()
{
    const QFileInfo before(database_);
    QDir().mkpath(dir_.filePath("other"));
    const Run run = runBuilder({database_, "--config", dir_.filePath("other")});
    QVERIFY(run.exitCode != 0);
    const QFileInfo after(database_);
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.lastModified(), before.lastModified());
    QVERIFY(!QFileInfo::exists(dir_.filePath("other/config.ini")));
    QCOMPARE(queryRows(*att_, "select count(*) from ACESSO").first().first().toInt(), qint64(10));
}

QString TestDemoDatabase::digest(fb::Attachment &att, const QString &sql)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const auto &row : queryRows(att, sql))
        for (const auto &v : row)
            hash.addData((v.toString() + QChar(0x1f)).toUtf8());
    return QString::fromLatin1(hash.result().toHex());
}

void TestDemoDatabase::sameSeedGivesSameData()
{
    const QString second = dir_.filePath("again/demo.fdb");
    const Run run = runBuilder({second, "--config", dir_.filePath("again")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    auto att = fb::Attachment::connect(
        {.host = QString(), .database = second, .user = "SYSDBA", .password = "masterkey"});
    for (const char *table : {"ENCAMINHAMENTO", "FUNCIONARIO", "VAGAS", "FOLHA"})
        QCOMPARE(digest(*att, QStringLiteral("select * from %1 order by 1").arg(table)),
                 digest(*att_, QStringLiteral("select * from %1 order by 1").arg(table)));
    att->dropDatabase();
}

QObject *makeTestDemoDatabase()
{
    return new TestDemoDatabase;
}

#include "tst_DemoDatabase.moc"
