// The audit-log screen: what "Novo" records and that it reaches the server at once, the external
// address it keeps, refusals reported instead of a false success, the restricted delete, and the
// buttons and search box that do nothing.
#include "ShellFixture.h"
#include "app/TFormCadastroLogs.h"
#include "data/TableDataset.h"

#include <QMenuBar>
#include <QPushButton>

namespace {

// The LOGS rows as the server holds them, read on the test's own connection.
QList<QStringList> linhasNoServidor(fb::Attachment &att)
{
    data::TableDataset logs("check", "LOGS", "select * from LOGS order by ID");
    logs.setConnection(&att);
    logs.open();
    QList<QStringList> out;
    for (logs.first(); !logs.eof(); logs.next())
        out << QStringList{logs.asString("ID"), logs.asString("USUARIO"), logs.asString("DATA"),
                           logs.asString("HORA"), logs.asString("IP")};
    return out;
}

} // namespace

class TstAuditLog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void showingKeepsTheExternalAddress_data();
    void showingKeepsTheExternalAddress();
    void novoRecordsAndSendsAtOnce_data();
    void novoRecordsAndSendsAtOnce();
    void novoTwiceGivesConsecutiveKeys();
    void refusedRowIsReportedAndGivenUp();
    void restrictedDelete_data();
    void restrictedDelete();
    void alterarAndSearchDoNothing();
    void failingKeyDrawIsReported();

private:
    std::unique_ptr<ShellFixture> fx;
    std::unique_ptr<TFormPrincipal> principal;
};

void TstAuditLog::initTestCase()
{
    fx = std::make_unique<ShellFixture>();
    principal = std::make_unique<TFormPrincipal>();
}

void TstAuditLog::init()
{
    fx->mensagens.shown.clear();
    fx->mensagens.answers.clear();
    fx->http.ok = true;
    fx->http.body = "203.0.113.9\n";
    fx->clock.set(QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15)));
    fx->db.attachment().executeOnce("delete from LOGS");
    DM->cds_logs->close();
}

void TstAuditLog::cleanupTestCase()
{
    principal.reset();
    fx.reset();
}

void TstAuditLog::showingKeepsTheExternalAddress_data()
{
    QTest::addColumn<bool>("ecoResponde");
    QTest::addColumn<QString>("ip");
    QTest::newRow("echo answers") << true << "203.0.113.9";
    QTest::newRow("echo fails") << false << "ERRO AO RECUPERAR IP";
}

void TstAuditLog::showingKeepsTheExternalAddress()
{
    QFETCH(bool, ecoResponde);
    QFETCH(QString, ip);
    fx->http.ok = ecoResponde;
    TFormCadastroLogs tela(*DM);
    tela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tela));
    QCOMPARE(tela.windowTitle(), QStringLiteral("LOGS"));
    QVERIFY(DM->cds_logs->isActive());
    QCOMPARE(tela.ipGuardado(), ip);
    for (const char *campo : {"dbid", "dbusuario", "dbdata", "dbhora", "dbip"})
        QVERIFY2(!tela.findChild<QWidget *>(campo)->isEnabled(), campo);
    QVERIFY(!tela.button(registers::Button::Gravar)->isEnabled());
    QVERIFY(!tela.button(registers::Button::Cancelar)->isEnabled());
    QVERIFY(tela.button(registers::Button::Novo)->isEnabled());

    QVERIFY(ShellFixture::entrar(*principal, "NIVEL5", "1234").aceito);
    fx->mensagens.shown.clear();
    tela.button(registers::Button::Novo)->click();
    const auto linhas = linhasNoServidor(fx->db.attachment());
    QCOMPARE(linhas.size(), 1);
    QCOMPARE(linhas.first().last(), ip);
}

void TstAuditLog::novoRecordsAndSendsAtOnce_data()
{
    QTest::addColumn<QString>("usuario"); // empty: nobody logged in
    QTest::addColumn<bool>("pelaMenu");
    QTest::newRow("logged in, button") << "NIVEL5" << false;
    QTest::newRow("logged in, menu Log > Novo") << "NIVEL7" << true;
    QTest::newRow("nobody logged in") << "" << false;
}

void TstAuditLog::novoRecordsAndSendsAtOnce()
{
    QFETCH(QString, usuario);
    QFETCH(bool, pelaMenu);
    if (usuario.isEmpty())
        ShellFixture::entrar(*principal, "NINGUEM", "x");
    else
        QVERIFY(ShellFixture::entrar(*principal, usuario, "1234").aceito);
    fx->mensagens.shown.clear();
    {
        TFormCadastroLogs tela(*DM);
        tela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tela));
        if (pelaMenu)
            tela.findChild<QAction *>("Novo1")->trigger();
        else
            tela.button(registers::Button::Novo)->click();
        QCOMPARE(fx->mensagens.texts(), QStringList{"Registro de log salvo com sucesso."});
        QCOMPARE(DM->cds_logs->changeCount(), 0);
        QVERIFY(!DM->cds_logs->isEditing());
    }
    // Already on the server: closing the dataset (as the end of the program does) loses nothing.
    DM->cds_logs->close();
    const auto linhas = linhasNoServidor(fx->db.attachment());
    QCOMPARE(linhas.size(), 1);
    QCOMPARE(linhas.first().mid(1), (QStringList{usuario, "05/03/2024", "14:30:15", "203.0.113.9"}));
}

void TstAuditLog::novoTwiceGivesConsecutiveKeys()
{
    TFormCadastroLogs tela(*DM);
    tela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tela));
    tela.SaveLogToDatabase();
    tela.SaveLogToDatabase();
    const auto linhas = linhasNoServidor(fx->db.attachment());
    QCOMPARE(linhas.size(), 2);
    QCOMPARE(linhas.at(1).first().toLongLong(), linhas.at(0).first().toLongLong() + 1);
}

void TstAuditLog::refusedRowIsReportedAndGivenUp()
{
    // An echo page that answers with more digits and dots than the column holds.
    fx->http.body = "203.0.113.9 198.51.100.200 192.0.2.1";
    TFormCadastroLogs tela(*DM);
    tela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tela));
    QVERIFY(tela.ipGuardado().size() > 20);
    tela.SaveLogToDatabase();
    QCOMPARE(fx->mensagens.shown.size(), 1);
    QVERIFY2(fx->mensagens.texts().first().startsWith("Erro ao salvar o registro de log: "),
             qPrintable(fx->mensagens.texts().first()));
    QCOMPARE(DM->cds_logs->changeCount(), 0);
    QCOMPARE(DM->cds_logs->recordCount(), 0);
    QVERIFY(linhasNoServidor(fx->db.attachment()).isEmpty());
    // The screen can be left: nothing is pending behind the close guard.
    tela.button(registers::Button::Sair)->click();
    QVERIFY(!tela.isVisible());
}

void TstAuditLog::restrictedDelete_data()
{
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<bool>("apaga");
    QTest::newRow("level 2 is refused") << "NIVEL2" << false;
    QTest::newRow("level 1 is refused") << "NIVEL1" << false;
    QTest::newRow("level 3 deletes") << "NIVEL3" << true;
}

void TstAuditLog::restrictedDelete()
{
    QFETCH(QString, usuario);
    QFETCH(bool, apaga);
    QVERIFY(ShellFixture::entrar(*principal, usuario, "1234").aceito);
    TFormCadastroLogs tela(*DM);
    tela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tela));
    tela.SaveLogToDatabase();
    fx->mensagens.shown.clear();
    fx->mensagens.answers << QMessageBox::Yes;
    tela.button(registers::Button::Excluir)->click();
    QCOMPARE(fx->mensagens.shown.size(), 1);
    if (apaga) {
        QCOMPARE(fx->mensagens.shown.first().text, QStringLiteral("Deseja Excluir o cadastro?"));
        QVERIFY(linhasNoServidor(fx->db.attachment()).isEmpty());
    } else {
        QCOMPARE(fx->mensagens.shown.first().text,
                 QStringLiteral("Voce Nao tem Permissão\nChame o Administrador "));
        QCOMPARE(fx->mensagens.shown.first().caption, QStringLiteral("Sem Permissão"));
        QCOMPARE(linhasNoServidor(fx->db.attachment()).size(), 1);
    }
}

void TstAuditLog::alterarAndSearchDoNothing()
{
    QVERIFY(ShellFixture::entrar(*principal, "NIVEL10", "1234").aceito);
    TFormCadastroLogs tela(*DM);
    tela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tela));
    tela.SaveLogToDatabase();
    tela.SaveLogToDatabase();
    fx->mensagens.shown.clear();
    tela.button(registers::Button::Editar)->click();
    QVERIFY(!DM->cds_logs->isEditing());
    QVERIFY(!tela.button(registers::Button::Gravar)->isEnabled());
    QTest::keyClicks(tela.searchBox(), "ZZZ");
    QCOMPARE(DM->cds_logs->recordCount(), 2);
    QVERIFY(fx->mensagens.shown.isEmpty());
}

void TstAuditLog::failingKeyDrawIsReported()
{
    // Last: the generator is gone for the rest of this database's life.
    fx->db.attachment().executeOnce("drop procedure SP_GEN_LOGS_ID");
    TFormCadastroLogs tela(*DM);
    tela.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tela));
    tela.SaveLogToDatabase();
    QCOMPARE(fx->mensagens.shown.size(), 1);
    QVERIFY(fx->mensagens.texts().first().startsWith("Erro ao salvar o registro de log: "));
    QVERIFY(fx->mensagens.texts().first().size() >
            QStringLiteral("Erro ao salvar o registro de log: ").size());
    QVERIFY(!DM->cds_logs->isEditing());
    QCOMPARE(DM->cds_logs->recordCount(), 0);
}

QTEST_MAIN(TstAuditLog)
#include "tst_AuditLog.moc"
