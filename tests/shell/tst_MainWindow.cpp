// The main window and the login: what each level opens, successive logins in one run, the status
// bar, the 20:00 shutdown, F11, the exit paths and their questions, the login window's identity
// labels, timers and support buttons.
#include "ShellFixture.h"
#include "app/Session.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

namespace {

// The columns of the level table, in its order: the six menus, Setor's seven items, "Alterar Senha
// Usuario", "Usuarios", the four toolbar buttons, the 20:00 timer.
const QStringList kColunas = {
    "Setor",
    "Relatorios1",
    "Administracao2",
    "Ajuda1",
    "Utilitarios1",
    "Sair1",
    "AcessoEscolas1",
    "Administracao1",
    "SetorVidaEscolar",
    "AcessoRH1",
    "AcessoTransportes1",
    "AcessoPedaggico1",
    "AcessoVagas1",
    "AlterarSenhaUsuario1",
    "Usuarios1",
    "btnacesso",
    "btn1",
    "btn4",
    "btn5",
    "hora_func",
};

bool ligado(TFormPrincipal &p, const QString &coluna)
{
    if (coluna == "hora_func")
        return p.findChild<QTimer *>(coluna)->isActive();
    QAction *a = p.findChild<QAction *>(coluna);
    if (!a)
        qFatal("no action %s", qPrintable(coluna));
    return coluna.startsWith("btn") ? a->isVisible() : a->isEnabled();
}

void ligar(TFormPrincipal &p, const QString &coluna, bool on)
{
    if (coluna == "hora_func") {
        QTimer *t = p.findChild<QTimer *>(coluna);
        on ? t->start() : t->stop();
    } else if (coluna.startsWith("btn")) {
        p.findChild<QAction *>(coluna)->setVisible(on);
    } else {
        p.findChild<QAction *>(coluna)->setEnabled(on);
    }
}

// The whole state as a text of '1' and '0', one per column.
QString estado(TFormPrincipal &p)
{
    QString s;
    for (const QString &c : kColunas)
        s += ligado(p, c) ? '1' : '0';
    return s;
}

QString semEspacos(QString s)
{
    return s.remove(' ');
}

QString painel(TFormPrincipal &p, int i)
{
    return p.findChild<QLabel *>(QStringLiteral("painel%1").arg(i))->text();
}

} // namespace

class TstMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void startState();
    void levels_data();
    void levels();
    void tenThenOneKeepsSchoolsAdministration();
    void failureAfterSuccessKeepsMenusButNotTheUser();
    void credentialsAreValues_data();
    void credentialsAreValues();
    void statusBar();
    void shutdownTimer_data();
    void shutdownTimer();
    void f11OpensTheLogin();
    void exitPaths_data();
    void exitPaths();
    void addresses_data();
    void addresses();

    void loginShowsTheWorkstation_data();
    void loginShowsTheWorkstation();
    void loginTimers();
    void enterMovesOn();
    void supportButtons_data();
    void supportButtons();

private:
    std::unique_ptr<ShellFixture> fx;
};

void TstMainWindow::initTestCase()
{
    fx = std::make_unique<ShellFixture>();
}

void TstMainWindow::init()
{
    fx->mensagens.shown.clear();
    fx->mensagens.answers.clear();
    fx->shell.opened.clear();
    fx->shell.started.clear();
    fx->http.urls.clear();
    fx->http.ok = true;
    fx->terminou = 0;
    fx->clock.set(QDateTime(QDate(2024, 3, 5), QTime(10, 0, 0)));
}

void TstMainWindow::cleanupTestCase()
{
    fx.reset();
}

void TstMainWindow::startState()
{
    TFormPrincipal p;
    QCOMPARE(p.windowTitle(), QStringLiteral("SISTEMA GESTAO SME"));
    QCOMPARE(estado(p), semEspacos("000100 1011111 11 1000 0"));
    QStringList menus;
    for (QAction *a : p.menuBar()->actions())
        menus << a->text();
    QCOMPARE(menus,
             (QStringList{"Se&tor", "&Relatórios", "&Administração", "A&juda?", "Utilitarios", "Sair"}));
    QCOMPARE(p.findChild<QAction *>("Login1")->shortcut(), QKeySequence(Qt::Key_F11));
    QStringList dicas;
    for (const char *b : {"btnacesso", "btn1", "btn4", "btn5", "btnsair"})
        dicas << p.findChild<QAction *>(b)->toolTip();
    QCOMPARE(dicas, (QStringList{"Senha de Acesso", "Cadastro de Usuarios", "Calculadora", "Fazer Logoof",
                                 "Sair do Sistema"}));
    QVERIFY(p.findChild<QAction *>("btnsair")->isVisible());
    QCOMPARE(p.findChild<QTimer *>("hora_func")->interval(), 100);
}

void TstMainWindow::levels_data()
{
    QTest::addColumn<int>("nivel");
    QTest::addColumn<QString>("efeito"); // '1' on, '0' off, '-' left unchanged
    QTest::newRow("1") << 1 << "110111 0-0010- 1- 0-11 1";
    QTest::newRow("2") << 2 << "110111 1-0000- 1- 0-11 1";
    QTest::newRow("3") << 3 << "110111 0-0001- 1- 0-11 -";
    QTest::newRow("4") << 4 << "110111 110001- 1- 0-11 1";
    QTest::newRow("5") << 5 << "110111 0-0100- 10 0-11 1";
    QTest::newRow("6") << 6 << "100101 0000001 1- 0-11 1";
    QTest::newRow("7") << 7 << "110111 001000- 1- 1010 0";
    QTest::newRow("8") << 8 << "------ ------- -- ---- -";
    QTest::newRow("9") << 9 << "------ ------- -- ---- -";
    QTest::newRow("10") << 10 << "111111 -1----- -- 0111 0";
}

void TstMainWindow::levels()
{
    QFETCH(int, nivel);
    QFETCH(QString, efeito);
    efeito = semEspacos(efeito);
    TFormPrincipal p;
    const QString inicio = estado(p);
    QString esperado = efeito;
    for (int i = 0; i < esperado.size(); ++i)
        if (esperado[i] == '-')
            esperado[i] = inicio[i];

    const auto t = ShellFixture::entrar(p, QStringLiteral("NIVEL%1").arg(nivel), "1234");
    QVERIFY(t.aceito);
    QCOMPARE(fx->mensagens.texts(),
             QStringList{QStringLiteral("Ola NIVEL%1 Bemvindo ao Sistema, Bom Trabalho").arg(nivel)});
    QCOMPARE(estado(p), esperado);
    QCOMPARE(app::nivelLogado(), nivel);
    QCOMPARE(app::usuarioLogado(), QStringLiteral("NIVEL%1").arg(nivel));

    // "Left unchanged" means untouched: turned the other way by hand, a second login keeps them so.
    for (int i = 0; i < efeito.size(); ++i)
        if (efeito[i] == '-') {
            ligar(p, kColunas[i], esperado[i] == '0');
            esperado[i] = esperado[i] == '0' ? '1' : '0';
        }
    QVERIFY(ShellFixture::entrar(p, QStringLiteral("NIVEL%1").arg(nivel), "1234").aceito);
    QCOMPARE(estado(p), esperado);
}

void TstMainWindow::tenThenOneKeepsSchoolsAdministration()
{
    TFormPrincipal p;
    QVERIFY(ShellFixture::entrar(p, "NIVEL10", "1234").aceito);
    QVERIFY(ShellFixture::entrar(p, "NIVEL1", "1234").aceito);
    QVERIFY(p.findChild<QAction *>("Administracao1")->isEnabled());
    QVERIFY(!p.findChild<QAction *>("Administracao2")->isEnabled());
    QVERIFY(
        p.findChild<QAction *>("btn1")->isVisible()); // level 1 leaves "Cadastro de Usuarios" as 10 left it
    QVERIFY(p.findChild<QTimer *>("hora_func")->isActive());
}

void TstMainWindow::failureAfterSuccessKeepsMenusButNotTheUser()
{
    TFormPrincipal p;
    QVERIFY(ShellFixture::entrar(p, "NIVEL4", "1234").aceito);
    p.tmr1Timer();
    QCOMPARE(painel(p, 2), QStringLiteral("Usuario: NIVEL4"));
    const QString depoisDoSucesso = estado(p);
    fx->mensagens.shown.clear();

    const auto t = ShellFixture::entrar(p, "NIVEL4", "errada");
    QVERIFY(!t.aceito); // the window stays open for another try
    QVERIFY(t.caixasVazias);
    QCOMPARE(fx->mensagens.texts(), QStringList{"acesso negado"});
    QCOMPARE(estado(p), depoisDoSucesso);
    QCOMPARE(app::nivelLogado(), 0);
    QCOMPARE(app::usuarioLogado(), QString());
    p.tmr1Timer();
    QCOMPARE(painel(p, 2), QStringLiteral("Usuario: "));
}

void TstMainWindow::credentialsAreValues_data()
{
    QTest::addColumn<QString>("usuario");
    QTest::addColumn<QString>("senha");
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<bool>("aceito");
    QTest::newRow("quote in the password") << "ASPAS"
                                           << "A'B"
                                           << "ASPAS" << true;
    QTest::newRow("quote trick in the password") << "ASPAS"
                                                 << "' or '1'='1"
                                                 << "ASPAS" << false;
    QTest::newRow("quote trick in the user") << "x' or 'a'='a"
                                             << "1234"
                                             << "X' OR 'A'='A" << false;
    QTest::newRow("typed in lower case") << "nivel3"
                                         << "1234"
                                         << "NIVEL3" << true;
    QTest::newRow("stored in lower case") << "minusc"
                                          << "x"
                                          << "MINUSC" << false;
    QTest::newRow("password is exact") << "NIVEL3"
                                       << "12345"
                                       << "NIVEL3" << false;
}

void TstMainWindow::credentialsAreValues()
{
    QFETCH(QString, usuario);
    QFETCH(QString, senha);
    QFETCH(QString, digitado);
    QFETCH(bool, aceito);
    TFormPrincipal p;
    const auto t = ShellFixture::entrar(p, usuario, senha);
    QCOMPARE(t.usuarioDigitado, digitado);
    QCOMPARE(t.aceito, aceito);
    QCOMPARE(fx->mensagens.texts().size(), 1);
    QCOMPARE(fx->mensagens.texts().first() == "acesso negado", !aceito);
}

void TstMainWindow::statusBar()
{
    TFormPrincipal p;
    fx->clock.set(QDateTime(QDate(2024, 3, 5), QTime(7, 41, 9)));
    QVERIFY(ShellFixture::entrar(p, "NIVEL7", "1234").aceito);
    p.tmr1Timer();
    QCOMPARE(painel(p, 0), QStringLiteral("07:41:09"));
    QCOMPARE(painel(p, 1), QStringLiteral("terça-feira, 5 de março de 2024"));
    QCOMPARE(painel(p, 2), QStringLiteral("Usuario: NIVEL7"));
    QCOMPARE(painel(p, 3), QString());
    QCOMPARE(painel(p, 4), QStringLiteral("Versão....:") + QStringLiteral(MIRABELTA_VERSION));
    QCOMPARE(p.findChild<QLabel *>("painel0")->alignment(), Qt::AlignCenter);
    QCOMPARE(p.statusBar()->font().pointSize(), 11);
    // The clock runs by itself, once a second.
    QTimer *tmr1 = p.findChild<QTimer *>("tmr1");
    QVERIFY(tmr1->isActive());
    QCOMPARE(tmr1->interval(), 1000);
    fx->clock.set(QDateTime(QDate(2024, 3, 6), QTime(0, 0, 1)));
    QTRY_COMPARE_WITH_TIMEOUT(painel(p, 0), QStringLiteral("00:00:01"), 2500);
    QCOMPARE(painel(p, 1), QStringLiteral("quarta-feira, 6 de março de 2024"));
}

void TstMainWindow::shutdownTimer_data()
{
    QTest::addColumn<QList<int>>("niveis");
    QTest::addColumn<QTime>("hora");
    QTest::addColumn<bool>("termina");
    for (int n : {1, 2, 4, 5, 6})
        QTest::addRow("level %d at 20:00:00", n) << QList<int>{n} << QTime(20, 0, 0) << true;
    QTest::newRow("level 1 at 19:59:59") << QList<int>{1} << QTime(19, 59, 59) << false;
    QTest::newRow("level 6 at 23:59:59") << QList<int>{6} << QTime(23, 59, 59) << true;
    QTest::newRow("level 7 at 21:00") << QList<int>{7} << QTime(21, 0) << false;
    QTest::newRow("level 10 at 20:00") << QList<int>{10} << QTime(20, 0) << false;
    QTest::newRow("level 3 at 20:30") << QList<int>{3} << QTime(20, 30) << false;
    QTest::newRow("level 1 then 3 at 20:30") << QList<int>{1, 3} << QTime(20, 30) << true;
    QTest::newRow("level 1 then 7 at 20:30") << QList<int>{1, 7} << QTime(20, 30) << false;
    QTest::newRow("level 1 then a failure at 20:30") << QList<int>{1, 0} << QTime(20, 30) << true;
}

void TstMainWindow::shutdownTimer()
{
    QFETCH(QList<int>, niveis);
    QFETCH(QTime, hora);
    QFETCH(bool, termina);
    TFormPrincipal p;
    for (int n : niveis)
        ShellFixture::entrar(p, n ? QStringLiteral("NIVEL%1").arg(n) : QStringLiteral("NINGUEM"), "1234");
    QCOMPARE(fx->terminou, 0);
    fx->clock.set(QDateTime(QDate(2024, 3, 5), hora));
    if (termina) {
        QTRY_VERIFY_WITH_TIMEOUT(fx->terminou > 0, 1000);
    } else {
        QTest::qWait(400);
        QCOMPARE(fx->terminou, 0);
    }
    QVERIFY(fx->mensagens.texts().size() == niveis.size()); // greetings only: the shutdown says nothing
}

void TstMainWindow::f11OpensTheLogin()
{
    TFormPrincipal p;
    p.show();
    QVERIFY(QTest::qWaitForWindowActive(&p));
    QStringList abertas;
    app::Navigation::ScopedExibidor exibidor(
        [&](QWidget *tela) { abertas << tela->metaObject()->className(); });
    QTest::keyClick(&p, Qt::Key_F11);
    QCOMPARE(abertas, QStringList{"TFrm_login"});
}

void TstMainWindow::exitPaths_data()
{
    QTest::addColumn<QString>("caminho");
    QTest::addColumn<int>("resposta");
    QTest::addColumn<QString>("pergunta"); // empty: none asked
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<bool>("termina");
    QTest::addColumn<bool>("lancador");

    const QString sair = "Deseja Realmente Sair do Sistema?";
    const QString fechar = "A T E N Ç Ã O ! ! !\rRealmente deseja encerrar o sistema ? ? ?";
    const QString logoff = "A T E N Ç Ã O ! ! !\rDeseja Fechar o sistema ?";
    const QString atualizar = "A T E N Ç Ã O ! ! !\rDeseja fazer atualização ?";
    const int sim = QMessageBox::Yes, nao = QMessageBox::No;
    QTest::newRow("Sair do Sistema, menu, Yes")
        << "SairdoSistema1" << sim << sair << "DAVURUR" << true << false;
    QTest::newRow("Sair do Sistema, menu, No")
        << "SairdoSistema1" << nao << sair << "DAVURUR" << false << false;
    QTest::newRow("Sair do Sistema, toolbar, Yes") << "btnsair" << sim << sair << "DAVURUR" << true << false;
    QTest::newRow("close box, Yes") << "close" << sim << fechar << "DAVURUR" << true << false;
    QTest::newRow("close box, No") << "close" << nao << fechar << "DAVURUR" << false << false;
    QTest::newRow("Logoff, menu, Yes") << "Logoff1" << sim << logoff << "DAVURUR" << true << true;
    QTest::newRow("Logoff, menu, No") << "Logoff1" << nao << logoff << "DAVURUR" << false << false;
    QTest::newRow("Fazer Logoof, toolbar, Yes") << "btn5" << sim << logoff << "DAVURUR" << true << true;
    QTest::newRow("login Fechar") << "btn2" << sim << ""
                                  << "" << true << false;
    QTest::newRow("login Atualizar, Yes")
        << "btnatualizar" << sim << atualizar << "Norvalis SISTEMAS" << true << false;
    QTest::newRow("login Atualizar, No")
        << "btnatualizar" << nao << atualizar << "Norvalis SISTEMAS" << false << false;
}

void TstMainWindow::exitPaths()
{
    QFETCH(QString, caminho);
    QFETCH(int, resposta);
    QFETCH(QString, pergunta);
    QFETCH(QString, titulo);
    QFETCH(bool, termina);
    QFETCH(bool, lancador);
    TFormPrincipal p;
    QVERIFY(ShellFixture::entrar(p, "NIVEL10", "1234").aceito);
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    const QString antes = estado(p);
    fx->mensagens.shown.clear();
    fx->mensagens.answers << QMessageBox::StandardButton(resposta);

    if (caminho == "close") {
        p.close();
    } else if (caminho.startsWith("btn") && p.findChild<QAction *>(caminho)) {
        p.findChild<QAction *>(caminho)->trigger();
    } else if (QAction *a = p.findChild<QAction *>(caminho)) {
        a->trigger();
    } else {
        TFrm_login login(&p);
        login.findChild<QPushButton *>(caminho)->click();
    }

    if (pergunta.isEmpty()) {
        QVERIFY(fx->mensagens.shown.isEmpty());
    } else {
        QCOMPARE(fx->mensagens.shown.size(), 1);
        const seams::MessageRequest &m = fx->mensagens.shown.first();
        QCOMPARE(m.text, pergunta);
        QCOMPARE(m.caption, titulo);
        QCOMPARE(m.icon, seams::Icon::Question);
        QCOMPARE(m.buttons, QMessageBox::Yes | QMessageBox::No);
        if (caminho == "SairdoSistema1" || caminho == "btnsair")
            QCOMPARE(m.defaultButton, QMessageBox::No);
    }
    QCOMPARE(fx->terminou, termina ? 1 : 0);
    QCOMPARE(fx->shell.started, lancador ? QStringList{TFormPrincipal::caminhoLancador()} : QStringList());
    if (caminho == "btnatualizar")
        QCOMPARE(fx->shell.opened, termina ? QStringList{fx->inst.updateUrl()} : QStringList());
    // Nothing else changed: the window is still there with its menus.
    QVERIFY(p.isVisible());
    QCOMPARE(estado(p), antes);
}

void TstMainWindow::addresses_data()
{
    QTest::addColumn<QString>("acao");
    QTest::addColumn<QString>("endereco");
    QTest::newRow("Ficha de Matricula") << "FichadeMatricula1" << fx->inst.enrolmentFormUrl();
    QTest::newRow("Anydesk") << "Anydesk1" << fx->inst.remoteSupportUrl();
}

void TstMainWindow::addresses()
{
    QFETCH(QString, acao);
    QFETCH(QString, endereco);
    QVERIFY(!endereco.isEmpty());
    TFormPrincipal p;
    p.findChild<QAction *>(acao)->trigger();
    QCOMPARE(fx->shell.opened, QStringList{endereco});
    if (acao == "Anydesk1")
        QVERIFY(endereco.endsWith("/vodo/programas/tecnico/AnyDesk-5-3-3.exe"));
    // The calculator goes through the same seam.
    fx->shell.opened.clear();
    p.findChild<QAction *>("btn4")->trigger();
#ifdef Q_OS_WIN
    QCOMPARE(fx->shell.opened, QStringList{"calc.exe"});
#else
    QCOMPARE(fx->shell.started.size(), 1);
    QVERIFY(fx->shell.opened.isEmpty());
#endif
}

void TstMainWindow::loginShowsTheWorkstation_data()
{
    QTest::addColumn<bool>("ecoResponde");
    QTest::addColumn<QString>("ipExterno");
    QTest::newRow("echo answers") << true << "Ip Externo.:203.0.113.9";
    QTest::newRow("echo fails") << false << "Ip Externo.:ERRO AO RECUPERAR IP";
}

void TstMainWindow::loginShowsTheWorkstation()
{
    QFETCH(bool, ecoResponde);
    QFETCH(QString, ipExterno);
    fx->http.ok = ecoResponde;
    DM->CDSlogin->close();
    TFrm_login login;
    login.show();
    QVERIFY(QTest::qWaitForWindowExposed(&login));
    QVERIFY(DM->CDSlogin->isActive());
    QCOMPARE(login.findChild<QLabel *>("lblversao")->text(),
             QStringLiteral("Versão....:") + MIRABELTA_VERSION);
    QVERIFY(login.findChild<QLabel *>("lbliplocal")->text().startsWith("Ip Local.:"));
    QCOMPARE(login.findChild<QLabel *>("lblipexterno")->text(), ipExterno);
    QCOMPARE(fx->http.urls, QStringList{fx->inst.ipEchoUrl()});
    QVERIFY(fx->http.timeouts.first() > 0 && fx->http.timeouts.first() <= 10000);
    QVERIFY(login.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(login.findChild<QLineEdit *>("edtsenha")->echoMode(), QLineEdit::Password);
}

void TstMainWindow::loginTimers()
{
    TFrm_login login;
    bool conectado = false;
    login.setVerificadorConexao([&] { return conectado; });
    QTimer *rede = login.findChild<QTimer *>("rede");
    QTimer *versao = login.findChild<QTimer *>("versao");
    QCOMPARE(rede->interval(), 60);
    QCOMPARE(versao->interval(), 400);
    QVERIFY(!rede->isActive());
    login.show();
    QVERIFY(QTest::qWaitForWindowExposed(&login));
    QLabel *status = login.findChild<QLabel *>("lbl_rede");
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), QStringLiteral("Status Internet: Desconectado"), 1000);
    conectado = true;
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), QStringLiteral("Status Internet: Conectado"), 1000);
    QLabel *lblversao = login.findChild<QLabel *>("lblversao");
    QTRY_VERIFY_WITH_TIMEOUT(lblversao->isHidden(), 1500);
    QTRY_VERIFY_WITH_TIMEOUT(!lblversao->isHidden(), 1500);
    login.hide();
    QVERIFY(!rede->isActive());
    QVERIFY(!versao->isActive());
}

void TstMainWindow::enterMovesOn()
{
    TFrm_login login;
    login.show();
    QVERIFY(QTest::qWaitForWindowActive(&login));
    auto *usuario = login.findChild<QLineEdit *>("edtusuario");
    auto *senha = login.findChild<QLineEdit *>("edtsenha");
    QTRY_VERIFY(usuario->hasFocus());
    QTest::keyClicks(usuario, "nivel2");
    QTest::keyClick(usuario, Qt::Key_Return);
    QVERIFY(senha->hasFocus());
    QTest::keyClicks(senha, "1234");
    QTest::keyClick(senha, Qt::Key_Enter);
    QVERIFY(!senha->hasFocus());
    QVERIFY(fx->mensagens.shown.isEmpty()); // Enter never pressed "Login"
    QVERIFY(login.isVisible());
    QCOMPARE(usuario->text(), QStringLiteral("NIVEL2"));
}

void TstMainWindow::supportButtons_data()
{
    QTest::addColumn<QString>("controle");
    QTest::addColumn<QString>("endereco");
    QTest::newRow("Remoto") << "bntremoto" << fx->inst.remoteSupportUrl();
    QTest::newRow("Whatsapp") << "btn_zap" << fx->inst.supportChatUrl();
    QTest::newRow("contact label") << "lblcontato" << fx->inst.supportChatUrl();
    QTest::newRow("Video Aula") << "btn3" << fx->inst.helpVideosUrl();
}

void TstMainWindow::supportButtons()
{
    QFETCH(QString, controle);
    QFETCH(QString, endereco);
    TFrm_login login;
    login.show();
    QVERIFY(QTest::qWaitForWindowExposed(&login));
    if (auto *b = login.findChild<QPushButton *>(controle))
        b->click();
    else
        QTest::mouseClick(login.findChild<QLabel *>(controle), Qt::LeftButton);
#ifdef Q_OS_WIN
    if (controle == "btn3") {
        QCOMPARE(fx->shell.started, QStringList{"chrome.exe " + endereco});
        return;
    }
#endif
    QCOMPARE(fx->shell.opened, QStringList{endereco});
    QVERIFY(fx->terminou == 0);
    if (controle == "btn_zap")
        QVERIFY(endereco.contains("/send?phone="));
    QCOMPARE(login.findChild<QLabel *>("lblcontato")->toolTip(),
             QStringLiteral("Clique aqui para ir para site de suporte"));
}

QTEST_MAIN(TstMainWindow)
#include "tst_MainWindow.moc"
