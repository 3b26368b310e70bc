// Start-up and the data module: config.ini as the workstation reads it, every dataset under its
// names, the grid model, and a failed connection ending the program before the main window.
#include "TestDatabase.h"
#include "app/ConfigIni.h"
#include "app/Startup.h"
#include "app/TDM.h"
#include "data/DatasetModel.h"
#include "seams/Messages.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void writeFile(const QString &path, const QByteArray &text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}
} // namespace

class TstApp : public QObject {
    Q_OBJECT
private slots:
    void configIni_data();
    void configIni();
    void missingConfigEndsBeforeTheMainWindow();
    void hostEmptyIsEmbeddedAccess();
    void allFourKeysReachTheServer();
    void everyDatasetUnderItsNames();
    void loginDatasetTakesItsParameters();
    void gridModelFollowsFilterSortAndCursor();
};

void TstApp::configIni_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("expected"); // host, database, user, password
    QTest::newRow("absent") << QByteArray() << QStringList{"", "", "", ""};
    QTest::newRow("all four")
        << QByteArray("[CONFIG]\nHOSTNAME=srv\nDATABASE=C:\\QUORVEN\\MIRABELTA\\banco\\banco.fdb\n"
                      "USER_NAME=SYSDBA\nPASSWORD=masterkey\n")
        << QStringList{"srv", "C:\\QUORVEN\\MIRABELTA\\banco\\banco.fdb", "SYSDBA", "masterkey"};
    QTest::newRow("host empty") << QByteArray("[CONFIG]\nHOSTNAME=\nDATABASE=/dados/banco.fdb\n")
                                << QStringList{"", "/dados/banco.fdb", "", ""};
    QTest::newRow("letter case, blanks, comments, CRLF")
        << QByteArray("; comentario\r\n[config]\r\n hostname = 10.0.0.5 \r\nPassword=a=b\r\n")
        << QStringList{"10.0.0.5", "", "", "a=b"};
    QTest::newRow("other section ignored")
        << QByteArray("[OUTRA]\nHOSTNAME=x\n[CONFIG]\nDATABASE=d\n") << QStringList{"", "d", "", ""};
}

void TstApp::configIni()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath("config.ini");
    if (!ini.isEmpty())
        writeFile(path, ini);
    const fb::ConnectParams p = app::readConnectionSettings(path);
    QCOMPARE((QStringList{p.host, p.database, p.user, p.password}), expected);
    QCOMPARE(p.role, QStringLiteral("RoleName"));
}

void TstApp::missingConfigEndsBeforeTheMainWindow()
{
    QTemporaryDir dir;
    seams::RecordingMessages messages;
    seams::ScopedMessages guard(&messages);
    QCOMPARE(app::run(dir.path(), false), 1);
    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(!messages.shown.first().text.isEmpty()); // the database error, as the client gave it
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!w->isVisible());
    QVERIFY(DM == nullptr);
}

void TstApp::hostEmptyIsEmbeddedAccess()
{
    TestDatabase db;
    QTemporaryDir dir;
    writeFile(dir.filePath("config.ini"),
              "[CONFIG]\nHOSTNAME=\nDATABASE=" + db.params().database.toUtf8() + "\nUSER_NAME=SYSDBA\n");
    TDM dm(dir.path());
    QVERIFY(dm.conexao().params().host.isEmpty());
    dm.cds_serie->open();
    QVERIFY(dm.cds_serie->isActive());
}

void TstApp::allFourKeysReachTheServer()
{
    if (!TestDatabase::serverAvailable()) {
        if (qEnvironmentVariableIsSet("MIRABELTA_FB_SERVER"))
            QFAIL("the local Firebird server is not answering on 127.0.0.1:3050");
        QSKIP("no local Firebird server (scripts/fbserver.sh start)");
    }
    TestDatabase db(true, TestDatabase::Access::Server);
    const fb::ConnectParams p = db.params();
    QTemporaryDir dir;
    writeFile(dir.filePath("config.ini"),
              QStringLiteral("[CONFIG]\nHOSTNAME=%1\nDATABASE=%2\nUSER_NAME=%3\nPASSWORD=%4\n")
                  .arg(p.host, p.database, p.user, p.password)
                  .toUtf8());
    TDM dm(dir.path());
    QCOMPARE(dm.conexao().params().host, p.host);
    QVERIFY(dm.drawKey("SP_GEN_VAGAS_ID") > 0);
    // A wrong password is the server's refusal, carried in the error.
    writeFile(dir.filePath("config.ini"),
              QStringLiteral("[CONFIG]\nHOSTNAME=%1\nDATABASE=%2\nUSER_NAME=%3\nPASSWORD=errada\n")
                  .arg(p.host, p.database, p.user)
                  .toUtf8());
    QVERIFY_THROWS_EXCEPTION(fb::Error, TDM{dir.path()});
}

void TstApp::everyDatasetUnderItsNames()
{
    TestDatabase db;
    TDM dm(db.connectAgain());
    struct Expect {
        const char *query, *provider, *cached, *table, *sort;
        bool filtered;
        const char *key;
    };
    const Expect expected[] = {
        {"SqlUsuario", "DspUsuario", "CdsUsuario", "ACESSO", "USUARIO", false, ""},
        {"sqlpresidente", "provpresidente", "cdspresidente", "PRESIDENTE", "", true, "CODIGO_PRESIDENTE"},
        {"sqlaluno", "provaluno", "cdsaluno", "ENCAMINHAMENTO", "DATA_ATENDIMENTO", true, "CODIGO"},
        {"sqlvagas", "provvagas", "cdsvagas", "VAGAS", "", true, "VAGA_CODIGO"},
        {"sql_funcionario", "prov_funcionario", "cds_funcionario", "FUNCIONARIO", "NOME", false, "ID"},
        {"sql_controle_transp", "prov_controle_transp", "cds_controle_transp", "C_TRANSPORTE", "NOME_ALUNO",
         false, "ID"},
        {"sql_aluno_geral", "prov_aluno_geral", "cds_aluno_geral", "ALUNOS_GERAL", "NOME", false, "ID"},
        {"sql_escola", "prov_escola", "cds_escola", "ESCOLA", "ESCOLA", false, "ID_ESCOLA"},
        {"sql_equipe_tec", "prov_equipe_Tec", "cds_equipe_tec", "SPEDAGOGICO", "", false, ""},
        {"sql_rh_freq_cabeca", "dsp_rh_freq_cabeca", "cds_rh_freq_cabeca", "RH_FREQ_CABECA", "", false, "ID"},
    };
    for (const Expect &e : expected) {
        auto *ds = dm.dataset(e.cached);
        QCOMPARE(dm.dataset(e.query), ds);
        QCOMPARE(dm.dataset(e.provider), ds);
        QCOMPARE(ds->tableName(), QString(e.table));
        QCOMPARE(ds->indexFieldNames(), QString(e.sort));
        QCOMPARE(ds->filtered(), e.filtered);
        QCOMPARE(ds->keyField(), QString(e.key));
        QVERIFY(!ds->isActive()); // every cached dataset starts closed
    }
    // Every dataset opens on the schema, and the details follow their masters.
    for (auto *ds : dm.datasets())
        if (ds->paramNames().isEmpty())
            ds->open();
    QVERIFY(dm.cds_rh_freq_corpo->isActive());
    QCOMPARE(dm.cds_rh_freq_corpo->master(), dm.cds_rh_freq_cabeca);
    QCOMPARE(dm.cdscorpo->master(), dm.cdscabeca);
    QVERIFY(!dm.cdsvagas->aggregate("qtdv").has_value());
    QVERIFY(!dm.cdscorpo->aggregate("qtd").has_value());
    QVERIFY_THROWS_EXCEPTION(data::DataError, dm.dataset("nao_existe"));
}

void TstApp::loginDatasetTakesItsParameters()
{
    TestDatabase db;
    db.attachment().executeOnce(
        "INSERT INTO ACESSO (ID_SENHA, USUARIO, SENHA, NIVEL) VALUES (1, 'ANA', ?, 9)",
        {QStringLiteral("a' or '1'='1")});
    TDM dm(db.connectAgain());
    QCOMPARE(dm.CDSlogin->paramNames(), (QStringList{"nome", "senha"}));
    dm.CDSlogin->setParam("nome", "ANA");
    dm.CDSlogin->setParam("senha", "errada");
    dm.CDSlogin->open();
    QCOMPARE(dm.CDSlogin->recordCount(), 0);
    dm.CDSlogin->close();
    // A quote in the password is a value, never statement text.
    dm.CDSlogin->setParam("senha", QStringLiteral("a' or '1'='1"));
    dm.CDSlogin->open();
    QCOMPARE(dm.CDSlogin->recordCount(), 1);
    QCOMPARE(dm.CDSlogin->asInteger("NIVEL"), 9);
}

void TstApp::gridModelFollowsFilterSortAndCursor()
{
    TestDatabase db;
    for (int i = 1; i <= 3; ++i)
        db.attachment().executeOnce("INSERT INTO VAGAS (VAGA_CODIGO, ESCOLA, QTD_VAGAS) VALUES (?, ?, ?)",
                                    {i, QStringLiteral("ESCOLA %1").arg(4 - i), i - 1});
    TDM dm(db.connectAgain());
    data::DatasetModel model(dm.cdsvagas);
    model.setColumns({{"QTD_VAGAS", ""}, {"escola", "Escola"}});
    QCOMPARE(model.rowCount(), 0);
    dm.cdsvagas->open();
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("QTD_VAGAS"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Escola"));
    dm.cdsvagas->setFilter("QTD_VAGAS > 0");
    QCOMPARE(model.rowCount(), 2);
    dm.cdsvagas->setIndexFieldNames("escola");
    QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("ESCOLA 1"));
    QSignalSpy moved(&model, &data::DatasetModel::currentRowChanged);
    dm.cdsvagas->last();
    QVERIFY(!moved.isEmpty());
    QCOMPARE(moved.last().first().toInt(), 1);
    // The row being edited shows its typed values.
    dm.cdsvagas->edit();
    dm.cdsvagas->setValue("ESCOLA", "NOVA");
    QCOMPARE(model.index(1, 1).data().toString(), QStringLiteral("NOVA"));
    dm.cdsvagas->cancel();
    data::DatasetModel bad(dm.cdsvagas);
    QVERIFY_THROWS_EXCEPTION(data::DataError, bad.setColumns({{"NAO_EXISTE", ""}}));
}

QTEST_MAIN(TstApp)
#include "tst_app.moc"
