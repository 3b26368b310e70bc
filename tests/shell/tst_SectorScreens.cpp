// The sector screens and what opens what: titles, the screens that ignore their close command,
// F11, every menu item and picture routed through the navigation table, the opening modes, and
// the early-childhood screen.
#include "ShellFixture.h"
#include "app/TFormTela.h"
#include "app/TelaSetor.h"
#include "reports/ReportSeams.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace {

std::unique_ptr<QWidget> criar(const QString &classe)
{
    const app::Destino *d = app::Navigation::destino(classe);
    if (!d || !d->criar)
        qFatal("no row for %s", qPrintable(classe));
    return std::unique_ptr<QWidget>(d->criar(nullptr));
}

// Presses a menu item or a picture of `tela` by objectName.
bool acionar(QWidget *tela, const QString &controle)
{
    if (auto *b = tela->findChild<QToolButton *>(controle)) {
        b->click();
        return true;
    }
    if (auto *a = tela->findChild<QAction *>(controle)) {
        a->trigger();
        return true;
    }
    return false;
}

} // namespace

class TstSectorScreens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void screens_data();
    void screens();
    void wiring_data();
    void wiring();
    void enturmacaoIsAnnounced();
    void openingModes_data();
    void openingModes();
    void reusedScreensKeepTheirState();
    void earlyChildhoodScreen();

private:
    std::unique_ptr<ShellFixture> fx;
};

void TstSectorScreens::initTestCase()
{
    fx = std::make_unique<ShellFixture>();
    // The documents read the installation data beside the program, as the installed program does.
    const QDir origem(QStringLiteral(MIRABELTA_SOURCE_DIR "/installation"));
    const QDir destino(QCoreApplication::applicationDirPath());
    for (const QString &nome : origem.entryList({"*.json", "*.png"}, QDir::Files))
        if (!destino.exists(nome))
            QVERIFY(QFile::copy(origem.filePath(nome), destino.filePath(nome)));
}

void TstSectorScreens::init()
{
    fx->mensagens.shown.clear();
}

void TstSectorScreens::cleanupTestCase()
{
    fx.reset();
}

void TstSectorScreens::screens_data()
{
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<bool>("fechaPelaBarra");
    QTest::addColumn<bool>("f11Fecha");
    QTest::addColumn<QString>("figuraSair"); // empty: the screen has no exit picture
    QTest::newRow("schools") << "TFormTelaEscolas"
                             << "SME - GERENCIAMENTO DAVURUR" << false << false << "imgsair";
    QTest::newRow("school life") << "TFormTelaVidaEscolar"
                                 << "SME - GERENCIAMENTO VIDA DAVURUR" << false << true << "imgsair";
    QTest::newRow("human resources") << "TFormTelaRH"
                                     << "SME - RECURSOS HUMANOS" << true << true << "imgsair";
    QTest::newRow("schools' staff") << "TFormTelaEscolasRH"
                                    << "SME - RH ESCOLA" << true << false << "";
    QTest::newRow("pedagogical") << "TFormTelaPedagogico"
                                 << "SME - SETOR PEDAGOGICO" << false << false << "";
}

void TstSectorScreens::screens()
{
    QFETCH(QString, classe);
    QFETCH(QString, titulo);
    QFETCH(bool, fechaPelaBarra);
    QFETCH(bool, f11Fecha);
    QFETCH(QString, figuraSair);
    auto tela = criar(classe);
    QCOMPARE(tela->windowTitle(), titulo);
    QVERIFY(tela->windowState() & Qt::WindowMaximized);

    tela->show();
    QVERIFY(QTest::qWaitForWindowActive(tela.get()));
    tela->close();
    QCOMPARE(tela->isVisible(), !fechaPelaBarra);
    QTest::keyClick(tela.get(), Qt::Key_Escape);
    QCOMPARE(tela->isVisible(), !fechaPelaBarra);

    tela->show();
    QVERIFY(QTest::qWaitForWindowActive(tela.get()));
    QTest::keyClick(tela.get(), Qt::Key_F11);
    QCOMPARE(tela->isVisible(), !f11Fecha);

    tela->show();
    QVERIFY(acionar(tela.get(), "Sair2"));
    QVERIFY(!tela->isVisible());
    if (!figuraSair.isEmpty()) {
        tela->show();
        QVERIFY(acionar(tela.get(), figuraSair));
        QVERIFY(!tela->isVisible());
    }
}

void TstSectorScreens::wiring_data()
{
    QTest::addColumn<QString>("tela");
    QTest::addColumn<QString>("controle");
    QTest::addColumn<QString>("destino"); // empty: the item does nothing
    auto row = [](const char *tela, const char *controle, const char *destino) {
        QTest::addRow("%s %s", tela, controle) << tela << controle << destino;
    };
    const char *p = "TFormPrincipal";
    row(p, "Cadastros2", "TFormTelaEscolas");
    row(p, "Administracao1", "TFormTelaEscolasRH");
    row(p, "SetorVidaEscolar", "TFormTelaVidaEscolar");
    row(p, "AcessoRH1", "TFormTelaRH");
    row(p, "AcessoTransportes1", "TFormCadastroControleTransporte");
    row(p, "AcessoPedaggico1", "TFormTelaPedagogico");
    row(p, "AcessoVagas1", "TFormCadastroVagas");
    row(p, "RelacaodedocumentosparaMatricula1", "TRelDocMatricula");
    row(p, "Presidente1", "TFormCadastroPresidente");
    row(p, "CronogramaEscolar1", "TFormCadastroCronogramaEscolar");
    row(p, "Usuarios1", "TFormCadastroUsuario");
    row(p, "btn1", "TFormCadastroUsuario");
    row(p, "Logs1", "TFormCadastroLogs");
    row(p, "Folha1", "TFormImportar");
    row(p, "VerFolha1", "TFormImportarExcel");
    row(p, "ApagarDados1", "TFormManutencaoDados");
    row(p, "Login1", "TFrm_login");
    row(p, "btnacesso", "TFrm_login");
    row(p, "AlterarSenhaUsuario1", "TFormAlterarUsuario");
    for (const char *nada : {"Atendimentos1", "Encaminhamento1", "Suporte1", "Versao1", "Rede1"})
        row(p, nada, "");

    const char *e = "TFormTelaEscolas";
    row(e, "Alunos1", "TFormCadastroAluno");
    row(e, "Escolas1", "TFormCadastroEscola");
    row(e, "imgescola", "TFormCadastroEscola");
    row(e, "Serie1", "TFormCadastroSerie");
    row(e, "Turno1", "TFormCadastroTurno");
    row(e, "Vagas1", "TFormCadastroVagas");
    row(e, "imgvagas", "TFormCadastroVagas");
    row(e, "Turmas1", "TFormCadastroTurmas");
    row(e, "CadastroEscolar1", "TFormCadastroAlunoAnual");
    row(e, "imgalunos", "TFormCadastroAlunoAnual");
    row(e, "CMEICRECHE1", "TFormTela");
    row(e, "ProcurarVagas1", "TFormPesquisaEncaminhamentoAvancada");
    row(e, "DocumentosparaMatricular1", "TRelDocMatricula");
    row(e, "ESCOLASMUNICIPAIS1", "");

    const char *v = "TFormTelaVidaEscolar";
    row(v, "Encaminhamento1", "TFormCadastroEncaminhamento");
    row(v, "imgencaminhamento", "TFormCadastroEncaminhamento");
    row(v, "Vagas1", "TFormCadastroVagas");
    row(v, "imgvagas", "TFormCadastroVagas");
    row(v, "Alunos1", "TFormCadastroAluno");
    row(v, "DocumentosparaMatricular1", "TRelDocMatricula");
    for (const char *nada :
         {"Atendimento1", "imgatendimento", "Pesquisas1", "FolhaparaAssinar1", "PesquisarEscolas1"})
        row(v, nada, "");

    const char *r = "TFormTelaRH";
    row(r, "Patrimonio1", "TFormCadastroPatrimonio");
    row(r, "imgpatrimonio", "TFormCadastroPatrimonio");
    row(r, "Funcionario1", "TFormCadastroFuncionario");
    row(r, "imgfuncionarios", "TFormCadastroFuncionario");
    row(r, "FolhadePonto1", "TFormRHFreqCadastro");
    row(r, "imgfrequencia", "TFormRHFreqCadastro");
    row(r, "Cargo1", "TFormCadastroCargo");
    row(r, "Vagas1", "TFormPesquisaEncaminhamentoAvancada");
    row(r, "Alunos1", "TFormPesquisaCadastroEscolar");
    row(r, "Vagas2", "TFormCadastroVagasPesquisa");

    row("TFormTelaEscolasRH", "Funcionarios1", "TFormPesquisaFuncionario");

    const char *g = "TFormTelaPedagogico";
    row(g, "EquipeTecnica1", "TFormCadastroEquipeTecnica");
    row(g, "DocumentosparaMatricular1", "TRelDocMatricula");
    row(g, "Alunos1", "TFormPesquisaCadastroEscolar");
    row(g, "FiladeEspera1", "TFormPesquisaEncaminhamentoAvancada");
    row(g, "Vagas1", "TFormCadastroVagasPesquisa");
}

void TstSectorScreens::wiring()
{
    QFETCH(QString, tela);
    QFETCH(QString, controle);
    QFETCH(QString, destino);
    std::unique_ptr<QWidget> origem =
        tela == "TFormPrincipal" ? std::make_unique<TFormPrincipal>() : criar(tela);
    // The wiring, not the levels: every item of the main window is made available first.
    for (QAction *a : origem->findChildren<QAction *>())
        a->setEnabled(true);
    QStringList pedidos, mostradas;
    app::Navigation::ScopedObservador observador([&](const QString &classe) { pedidos << classe; });
    app::Navigation::ScopedExibidor exibidor([&](QWidget *w) { mostradas << w->metaObject()->className(); });
    reports::RecordingPreview previa;
    reports::ScopedPreview previaGuard(&previa);
    QVERIFY2(acionar(origem.get(), controle), "no such control");
    QCOMPARE(pedidos, destino.isEmpty() ? QStringList() : QStringList{destino});
    const app::Destino *d = app::Navigation::destino(destino);
    if (destino.isEmpty() || !d->disponivel()) {
        QVERIFY(mostradas.isEmpty());
        QVERIFY(previa.shown.isEmpty());
    } else if (d->abertura == app::Abertura::Previa) {
        QCOMPARE(previa.shown.size(), 1);
        QCOMPARE(previa.shown.first().parent, origem.get());
    } else {
        QCOMPARE(mostradas.size(), 1);
    }
    QVERIFY(fx->mensagens.shown.isEmpty());
}

void TstSectorScreens::enturmacaoIsAnnounced()
{
    auto tela = criar("TFormTelaEscolas");
    app::Navigation::ScopedObservador observador([](const QString &classe) { QFAIL(qPrintable(classe)); });
    QVERIFY(acionar(tela.get(), "Enturmacao1"));
    QCOMPARE(fx->mensagens.texts(), QStringList{"Em construcão!!!"});
}

void TstSectorScreens::openingModes_data()
{
    QTest::addColumn<QString>("classe");
    QTest::addColumn<int>("abertura");
    QTest::addColumn<QString>("abrirAntes");
    const int modal = int(app::Abertura::Modal), reutilizada = int(app::Abertura::Reutilizada);
    QTest::newRow("advanced referral search")
        << "TFormPesquisaEncaminhamentoAvancada" << reutilizada << "cdsaluno";
    for (const char *c : {"TFormCadastroPatrimonio", "TFormCadastroFuncionario", "TFormCadastroCargo",
                          "TFormPesquisaCadastroEscolar"})
        QTest::newRow(c) << c << reutilizada << "";
    QTest::newRow("enrolment documents") << "TRelDocMatricula" << int(app::Abertura::Previa) << "";
    for (const char *c : {"TFormCadastroVagas", "TFormCadastroVagasPesquisa", "TFormRHFreqCadastro",
                          "TFrm_login", "TFormCadastroLogs", "TFormTela"})
        QTest::newRow(c) << c << modal << "";
}

void TstSectorScreens::openingModes()
{
    QFETCH(QString, classe);
    QFETCH(int, abertura);
    QFETCH(QString, abrirAntes);
    const app::Destino *d = app::Navigation::destino(classe);
    QVERIFY(d);
    QCOMPARE(int(d->abertura), abertura);
    QCOMPARE(d->abrirAntes, abrirAntes);
}

void TstSectorScreens::reusedScreensKeepTheirState()
{
    // A screen made here stands for any reused one: kept between openings with what was typed,
    // made again once it disposed of itself; a modal one is gone after its opening.
    int criadas = 0;
    app::Destino reutilizada{"TFormDeTeste",
                             app::Abertura::Reutilizada,
                             "cdsaluno",
                             [&](QWidget *origem) -> QWidget * {
                                 ++criadas;
                                 auto *w = new QDialog(origem);
                                 new QLineEdit(w);
                                 return w;
                             },
                             {}};
    QList<QPointer<QWidget>> mostradas;
    app::Navigation::ScopedExibidor exibidor([&](QWidget *w) { mostradas << w; });
    DM->cdsaluno->close();
    QWidget *primeira = app::Navigation::abrir(reutilizada, nullptr);
    QVERIFY(DM->cdsaluno->isActive()); // the referral dataset is opened first
    primeira->findChild<QLineEdit *>()->setText("MARIA");
    QWidget *segunda = app::Navigation::abrir(reutilizada, nullptr);
    QCOMPARE(segunda, primeira);
    QCOMPARE(segunda->findChild<QLineEdit *>()->text(), QStringLiteral("MARIA"));
    QCOMPARE(criadas, 1);
    delete primeira; // its own close handling disposed of it
    QVERIFY(app::Navigation::abrir(reutilizada, nullptr));
    QCOMPARE(criadas, 2);
    QVERIFY(app::Navigation::reutilizada("TFormDeTeste"));
    app::Navigation::liberarReutilizadas();
    QVERIFY(!app::Navigation::reutilizada("TFormDeTeste"));

    app::Destino modal = reutilizada;
    modal.abertura = app::Abertura::Modal;
    mostradas.clear();
    QWidget *origem = new QWidget;
    app::Navigation::abrir(modal, origem);
    QCOMPARE(mostradas.size(), 1);
    QVERIFY(mostradas.first().isNull());
    delete origem;
}

void TstSectorScreens::earlyChildhoodScreen()
{
    TFormPrincipal p;
    QVERIFY(ShellFixture::entrar(p, "NIVEL2", "1234").aceito);
    fx->clock.set(QDateTime(QDate(2024, 3, 5), QTime(7, 41, 9)));
    auto tela = criar("TFormTela");
    QVERIFY(tela->windowFlags() & Qt::FramelessWindowHint);
    tela->show();
    QVERIFY(QTest::qWaitForWindowExposed(tela.get()));
    QCOMPARE(tela->findChild<QLabel *>("lblusuario")->text(), QStringLiteral("USUÁRIO: NIVEL2"));
    QCOMPARE(tela->findChild<QLabel *>("painel0")->text(), QStringLiteral("07:41:09"));
    QCOMPARE(tela->findChild<QLabel *>("painel1")->text(), QStringLiteral("terça-feira, 5 de março de 2024"));
    fx->clock.set(QDateTime(QDate(2024, 3, 5), QTime(7, 41, 30)));
    QTRY_COMPARE_WITH_TIMEOUT(tela->findChild<QLabel *>("painel0")->text(), QStringLiteral("07:41:30"), 2500);

    QWidget *menu = tela->findChild<QWidget *>("pnlmenu");
    auto *botaoMenu = tela->findChild<QPushButton *>("btnmenu");
    QCOMPARE(menu->width(), 160);
    botaoMenu->click();
    QCOMPARE(menu->width(), 40);
    botaoMenu->click();
    QCOMPARE(menu->width(), 160);
    QCOMPARE(tela->findChild<QPushButton *>("btnescolas")->toolTip(), QStringLiteral("Escola"));

    tela->findChild<QPushButton *>("btnfechar")->click();
    QVERIFY(!tela->isVisible());
}

QTEST_MAIN(TstSectorScreens)
#include "tst_SectorScreens.moc"
