#include "app/TFormPrincipal.h"

#include "app/Installation.h"
#include "app/Navigation.h"
#include "app/Session.h"
#include "app/TLog.h"
#include "app/TLogSemaphor.h"
#include "app/Terminate.h"
#include "app/Workstation.h"
#include "seams/Clock.h"
#include "seams/Messages.h"
#include "seams/Shell.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <stdexcept>

namespace {

// The client area: the installation's background picture stretched over it.
class Fundo : public QWidget {
public:
    explicit Fundo(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("img1"));
        figura_ = QPixmap(app::installation().picturePath(app::InstallationData::Picture::MainBackground));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        if (figura_.isNull())
            p.fillRect(rect(), QColor(0x3A, 0x5F, 0x8A));
        else
            p.drawPixmap(rect(), figura_);
    }

private:
    QPixmap figura_;
};

// What each level does to the main window, column by column: menus Setor, Relatórios,
// Administração, Ajuda, Utilitarios, Sair; Setor's items Escolas, Escolas > Administracao, Vida
// Escolar, RH, Transportes, Pedagógico, Vagas; Alterar Senha, Usuarios; toolbar Senha de Acesso,
// Cadastro de Usuarios, Calculadora, Logoff; the 20:00 timer. '1' on, '0' off, '-' left as it is.
struct LinhaNivel {
    int nivel;
    const char *efeito;
};
constexpr LinhaNivel kNiveis[] = {
    {1, "110111 0-0010- 1- 0-11 1"}, {2, "110111 1-0000- 1- 0-11 1"},  {3, "110111 0-0001- 1- 0-11 -"},
    {4, "110111 110001- 1- 0-11 1"}, {5, "110111 0-0100- 10 0-11 1"},  {6, "100101 0000001 1- 0-11 1"},
    {7, "110111 001000- 1- 1010 0"}, {10, "111111 -1----- -- 0111 0"},
};
// Object names of the columns, in the order above ("hora_func" is the timer).
const char *const kColunas[] = {
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

QString pergunta(const QString &linha2)
{
    return QStringLiteral("A T E N Ç Ã O ! ! !\r") + linha2;
}

} // namespace

TFormPrincipal::TFormPrincipal(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormPrincipal"));
    setWindowTitle(QStringLiteral("SISTEMA GESTAO SME"));
    setCentralWidget(new Fundo(this));
    criarMenus();
    criarBarraFerramentas();
    criarBarraStatus();

    tmr1_ = new QTimer(this);
    tmr1_->setObjectName(QStringLiteral("tmr1"));
    tmr1_->setInterval(1000);
    connect(tmr1_, &QTimer::timeout, this, &TFormPrincipal::tmr1Timer);
    tmr1_->start();
    horaFunc_ = new QTimer(this);
    horaFunc_->setObjectName(QStringLiteral("hora_func"));
    horaFunc_->setInterval(100);
    connect(horaFunc_, &QTimer::timeout, this, &TFormPrincipal::hora_funcTimer);

    // Without a window manager the maximised state is not honoured: start at the screen's size.
    if (QScreen *tela = QGuiApplication::primaryScreen())
        setGeometry(tela->availableGeometry());
    setWindowState(Qt::WindowMaximized);
    escreverLog(QStringLiteral("Criando o formulário."));
}

TFormPrincipal::~TFormPrincipal()
{
    escreverLog(QStringLiteral("Destruindo o formulário."));
}

void TFormPrincipal::escreverLog(const QString &mensagem)
{
    // A log that cannot be written is reported and the program goes on.
    try {
        TLogSemaphor::WriteLog(TLog::caminhoPadrao(), mensagem, true, false, true);
    } catch (const TLog::IoError &e) {
        seams::showError(e.message(), this);
    }
}

QAction *TFormPrincipal::acao(QMenu *menu, const QString &nome, const QString &texto, const QString &destino)
{
    QAction *a = menu->addAction(texto);
    a->setObjectName(nome);
    acoes_.insert(nome, a);
    if (!destino.isEmpty())
        connect(a, &QAction::triggered, this, [this, destino] { app::Navigation::abrir(destino, this); });
    return a;
}

QAction *TFormPrincipal::acaoPorNome(const QString &nome) const
{
    QAction *a = acoes_.value(nome);
    if (!a)
        throw std::logic_error("ação inexistente: " + nome.toStdString());
    return a;
}

void TFormPrincipal::criarMenus()
{
    auto novoMenu = [this](QMenu *pai, const QString &nome, const QString &texto) {
        QMenu *m = pai ? pai->addMenu(texto) : menuBar()->addMenu(texto);
        m->setObjectName(nome + QStringLiteral("Menu"));
        m->menuAction()->setObjectName(nome);
        acoes_.insert(nome, m->menuAction());
        return m;
    };

    QMenu *setor = novoMenu(nullptr, QStringLiteral("Setor"), QStringLiteral("Se&tor"));
    QMenu *escolas = novoMenu(setor, QStringLiteral("AcessoEscolas1"), QStringLiteral("Acesso Escolas"));
    acao(escolas, QStringLiteral("Cadastros2"), QStringLiteral("Cadastros"),
         QStringLiteral("TFormTelaEscolas"));
    acao(escolas, QStringLiteral("Administracao1"), QStringLiteral("Administracao"),
         QStringLiteral("TFormTelaEscolasRH"));
    acao(setor, QStringLiteral("SetorVidaEscolar"), QStringLiteral("Acesso Vida Escolar"),
         QStringLiteral("TFormTelaVidaEscolar"));
    acao(setor, QStringLiteral("AcessoRH1"), QStringLiteral("Acesso RH"), QStringLiteral("TFormTelaRH"));
    acao(setor, QStringLiteral("AcessoTransportes1"), QStringLiteral("Acesso Transportes"),
         QStringLiteral("TFormCadastroControleTransporte"));
    acao(setor, QStringLiteral("AcessoPedaggico1"), QStringLiteral("Acesso Pedagógico"),
         QStringLiteral("TFormTelaPedagogico"));
    acao(setor, QStringLiteral("AcessoVagas1"), QStringLiteral("Acesso Vagas"),
         QStringLiteral("TFormCadastroVagas"));

    QMenu *relatorios = novoMenu(nullptr, QStringLiteral("Relatorios1"), QStringLiteral("&Relatórios"));
    acao(relatorios, QStringLiteral("Atendimentos1"), QStringLiteral("Atendimentos"));
    QMenu *formularios = novoMenu(relatorios, QStringLiteral("Formularios1"), QStringLiteral("Formularios"));
    connect(acao(formularios, QStringLiteral("FichadeMatricula1"), QStringLiteral("Ficha de Matricula")),
            &QAction::triggered, this, &TFormPrincipal::FichadeMatricula1Click);
    acao(formularios, QStringLiteral("RelacaodedocumentosparaMatricula1"),
         QStringLiteral("Relacao de documentos para Matricula"), QStringLiteral("TRelDocMatricula"));
    QMenu *pesquisas = novoMenu(relatorios, QStringLiteral("Pesquisas1"), QStringLiteral("Pesquisas"));
    acao(pesquisas, QStringLiteral("Encaminhamento1"), QStringLiteral("Encaminhamento"));

    QMenu *adm = novoMenu(nullptr, QStringLiteral("Administracao2"), QStringLiteral("&Administração"));
    acao(adm, QStringLiteral("Suporte1"), QStringLiteral("Suporte"));
    QMenu *cadastros = novoMenu(adm, QStringLiteral("Cadastros1"), QStringLiteral("Cadastros"));
    acao(cadastros, QStringLiteral("Presidente1"), QStringLiteral("Presidente"),
         QStringLiteral("TFormCadastroPresidente"));
    acao(cadastros, QStringLiteral("CronogramaEscolar1"), QStringLiteral("Cronograma Escolar"),
         QStringLiteral("TFormCadastroCronogramaEscolar"));
    acao(cadastros, QStringLiteral("Usuarios1"), QStringLiteral("Usuarios"),
         QStringLiteral("TFormCadastroUsuario"));
    acao(adm, QStringLiteral("Logs1"), QStringLiteral("Logs"), QStringLiteral("TFormCadastroLogs"));
    QMenu *importar = novoMenu(adm, QStringLiteral("Importar1"), QStringLiteral("Importar"));
    acao(importar, QStringLiteral("Folha1"), QStringLiteral("Folha"), QStringLiteral("TFormImportar"));
    acao(importar, QStringLiteral("VerFolha1"), QStringLiteral("Ver Folha"),
         QStringLiteral("TFormImportarExcel"));
    acao(importar, QStringLiteral("ApagarDados1"), QStringLiteral("Apagar Dados"),
         QStringLiteral("TFormManutencaoDados"));

    QMenu *ajuda = novoMenu(nullptr, QStringLiteral("Ajuda1"), QStringLiteral("A&juda?"));
    acao(ajuda, QStringLiteral("Versao1"), QStringLiteral("Versao"));
    QAction *login = acao(ajuda, QStringLiteral("Login1"), QStringLiteral("Login"));
    login->setShortcut(QKeySequence(Qt::Key_F11));
    connect(login, &QAction::triggered, this, &TFormPrincipal::Login1Click);
    QMenu *remoto = novoMenu(ajuda, QStringLiteral("Remoto1"), QStringLiteral("Remoto"));
    connect(acao(remoto, QStringLiteral("Anydesk1"), QStringLiteral("Anydesk")), &QAction::triggered, this,
            &TFormPrincipal::Anydesk1Click);

    QMenu *util = novoMenu(nullptr, QStringLiteral("Utilitarios1"), QStringLiteral("Utilitarios"));
    acao(util, QStringLiteral("Rede1"), QStringLiteral("Rede"));
    acao(util, QStringLiteral("AlterarSenhaUsuario1"), QStringLiteral("Alterar Senha Usuario"),
         QStringLiteral("TFormAlterarUsuario"));

    QMenu *sair = novoMenu(nullptr, QStringLiteral("Sair1"), QStringLiteral("Sair"));
    connect(acao(sair, QStringLiteral("Logoff1"), QStringLiteral("Logoff")), &QAction::triggered, this,
            &TFormPrincipal::Logoff1Click);
    connect(acao(sair, QStringLiteral("SairdoSistema1"), QStringLiteral("Sair do Sistema")),
            &QAction::triggered, this, &TFormPrincipal::SairdoSistema1Click);

    // Before any login only "Ajuda?" and the two shown toolbar buttons work.
    for (const char *nome :
         {"Setor", "Relatorios1", "Administracao2", "Utilitarios1", "Sair1", "Administracao1"})
        acaoPorNome(QString::fromLatin1(nome))->setEnabled(false);
}

void TFormPrincipal::criarBarraFerramentas()
{
    QToolBar *barra = addToolBar(QStringLiteral("Ferramentas"));
    barra->setObjectName(QStringLiteral("tlb1"));
    barra->setMovable(false);
    barra->setIconSize(QSize(32, 32));
    auto botao = [&](const char *nome, const QString &dica, QStyle::StandardPixmap figura, bool visivel) {
        QAction *a = barra->addAction(style()->standardIcon(figura), dica);
        a->setObjectName(QString::fromLatin1(nome));
        acoes_.insert(a->objectName(), a);
        a->setToolTip(dica);
        a->setVisible(visivel);
        return a;
    };
    connect(botao("btnacesso", QStringLiteral("Senha de Acesso"), QStyle::SP_DialogYesButton, true),
            &QAction::triggered, this, &TFormPrincipal::Login1Click);
    connect(botao("btn1", QStringLiteral("Cadastro de Usuarios"), QStyle::SP_FileDialogDetailedView, false),
            &QAction::triggered, this,
            [this] { app::Navigation::abrir(QStringLiteral("TFormCadastroUsuario"), this); });
    connect(botao("btn4", QStringLiteral("Calculadora"), QStyle::SP_ComputerIcon, false), &QAction::triggered,
            this, &TFormPrincipal::btn4Click);
    connect(botao("btn5", QStringLiteral("Fazer Logoof"), QStyle::SP_BrowserReload, false),
            &QAction::triggered, this, &TFormPrincipal::Logoff1Click);
    connect(botao("btnsair", QStringLiteral("Sair do Sistema"), QStyle::SP_DialogCloseButton, true),
            &QAction::triggered, this, &TFormPrincipal::SairdoSistema1Click);
}

void TFormPrincipal::criarBarraStatus()
{
    QStatusBar *barra = statusBar();
    barra->setObjectName(QStringLiteral("barra"));
    barra->setSizeGripEnabled(false);
    QFont fonte = barra->font();
    fonte.setPointSize(11);
    barra->setFont(fonte);
    const int larguras[5] = {120, 300, 260, 60, 0};
    for (int i = 0; i < 5; ++i) {
        paineis_[i] = new QLabel(barra);
        paineis_[i]->setObjectName(QStringLiteral("painel%1").arg(i));
        paineis_[i]->setFont(fonte);
        paineis_[i]->setFrameShape(QFrame::Panel);
        paineis_[i]->setFrameShadow(QFrame::Sunken);
        if (i < 3)
            paineis_[i]->setAlignment(Qt::AlignCenter);
        if (larguras[i] > 0)
            paineis_[i]->setMinimumWidth(larguras[i]);
        barra->addWidget(paineis_[i], i == 4 ? 1 : 0);
    }
}

void TFormPrincipal::tmr1Timer()
{
    const QDateTime agora = seams::now();
    paineis_[0]->setText(agora.time().toString(QStringLiteral("HH:mm:ss")));
    paineis_[1]->setText(QLocale().toString(agora.date(), QLocale::LongFormat));
    paineis_[2]->setText(QStringLiteral("Usuario: ") + app::usuarioLogado());
    paineis_[4]->setText(QStringLiteral("Versão....:") + app::VersaoExe());
}

void TFormPrincipal::hora_funcTimer()
{
    if (seams::now().time() >= QTime::fromString(QStringLiteral("20:00:00"), QStringLiteral("HH:mm:ss")))
        app::terminar();
}

void TFormPrincipal::aplicarNivel(int nivel)
{
    const LinhaNivel *linha = nullptr;
    for (const LinhaNivel &l : kNiveis)
        if (l.nivel == nivel)
            linha = &l;
    if (!linha)
        return;
    int coluna = 0;
    for (const char *c = linha->efeito; *c; ++c) {
        if (*c == ' ')
            continue;
        const QString nome = QString::fromLatin1(kColunas[coluna++]);
        if (*c == '-')
            continue;
        const bool ligado = *c == '1';
        if (nome == QLatin1String("hora_func")) {
            if (ligado)
                horaFunc_->start();
            else
                horaFunc_->stop();
        } else if (nome.startsWith(QLatin1String("btn"))) {
            acaoPorNome(nome)->setVisible(ligado);
        } else {
            acaoPorNome(nome)->setEnabled(ligado);
        }
    }
}

void TFormPrincipal::Login1Click()
{
    app::Navigation::abrir(QStringLiteral("TFrm_login"), this);
}

void TFormPrincipal::SairdoSistema1Click()
{
    const auto resposta = seams::messageBox(this, QStringLiteral("Deseja Realmente Sair do Sistema?"),
                                            QStringLiteral("DAVURUR"), seams::Icon::Question,
                                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (resposta == QMessageBox::Yes)
        app::terminar();
}

void TFormPrincipal::closeEvent(QCloseEvent *event)
{
    // The window itself never closes here: Yes ends the program, which then destroys it.
    event->ignore();
    const auto resposta = seams::messageBox(
        this, pergunta(QStringLiteral("Realmente deseja encerrar o sistema ? ? ?")),
        QStringLiteral("DAVURUR"), seams::Icon::Question, QMessageBox::Yes | QMessageBox::No);
    if (resposta == QMessageBox::Yes)
        app::terminar();
}

QString TFormPrincipal::caminhoLancador()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\REDUROZ\\Norvalis.exe");
#else
    return QDir::home().filePath(QStringLiteral("REDUROZ/Norvalis"));
#endif
}

void TFormPrincipal::Logoff1Click()
{
    const auto resposta = seams::messageBox(this, pergunta(QStringLiteral("Deseja Fechar o sistema ?")),
                                            QStringLiteral("DAVURUR"), seams::Icon::Question,
                                            QMessageBox::Yes | QMessageBox::No);
    if (resposta != QMessageBox::Yes)
        return;
    app::terminar();
    // A missing launcher is not reported.
    seams::shell().startProgram(caminhoLancador(), {});
}

void TFormPrincipal::btn4Click()
{
#ifdef Q_OS_WIN
    seams::shell().openAddress(QStringLiteral("calc.exe"));
#else
    // The desktop's own calculator, whichever is installed.
    for (const char *nome : {"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"}) {
        const QString caminho = QStandardPaths::findExecutable(QString::fromLatin1(nome));
        if (!caminho.isEmpty()) {
            seams::shell().startProgram(caminho, {});
            return;
        }
    }
    seams::shell().startProgram(QStringLiteral("gnome-calculator"), {});
#endif
}

void TFormPrincipal::FichadeMatricula1Click()
{
    seams::shell().openAddress(app::installation().enrolmentFormUrl());
}

void TFormPrincipal::Anydesk1Click()
{
    seams::shell().openAddress(app::installation().remoteSupportUrl());
}

void TFormPrincipal::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    setWindowState(windowState() | Qt::WindowMaximized);
    tmr1Timer();
}
