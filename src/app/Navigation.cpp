#include "app/Navigation.h"

#include "app/TDM.h"
#include "app/TFormCadastroLogs.h"
#include "app/TFormPrincipal.h"
#include "app/TFormTela.h"
#include "app/TFormTelaEscolas.h"
#include "app/TFormTelaEscolasRH.h"
#include "app/TFormTelaPedagogico.h"
#include "app/TFormTelaRH.h"
#include "app/TFormTelaVidaEscolar.h"
#include "app/TFrm_login.h"
#include "referrals/TFormCadastroVagas.h"
#include "referrals/TFormCadastroVagasPesquisa.h"
#include "registers/Screens.h"
#include "reports/TRelDocMatricula.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QHash>
#include <QPointer>

namespace app {
namespace {

template <class Tela> std::function<QWidget *(QWidget *)> tela()
{
    return [](QWidget *origem) -> QWidget * { return new Tela(origem); };
}

// A register screen of the record-editing pattern, by its class name.
std::function<QWidget *(QWidget *)> registro(const QString &classe)
{
    return [classe](QWidget *origem) -> QWidget * { return registers::createScreen(classe, origem); };
}

// A screen whose class is not in the program yet: the row is there, opening it does nothing.
std::function<QWidget *(QWidget *)> ausente()
{
    return {};
}

QWidget *criarLogin(QWidget *origem)
{
    auto *login = new TFrm_login(origem);
    if (auto *principal = qobject_cast<TFormPrincipal *>(origem))
        QObject::connect(login, &TFrm_login::nivelObtido, principal, &TFormPrincipal::aplicarNivel);
    return login;
}

QList<Destino> montarTabela()
{
    using enum Abertura;
    const QString encaminhamento = QStringLiteral("cdsaluno");
    return {
        // The shell's own windows.
        {"TFrm_login", Modal, {}, criarLogin, {}},
        {"TFormTelaEscolas", Modal, {}, tela<TFormTelaEscolas>(), {}},
        {"TFormTelaEscolasRH", Modal, {}, tela<TFormTelaEscolasRH>(), {}},
        {"TFormTelaVidaEscolar", Modal, {}, tela<TFormTelaVidaEscolar>(), {}},
        {"TFormTelaRH", Modal, {}, tela<TFormTelaRH>(), {}},
        {"TFormTelaPedagogico", Modal, {}, tela<TFormTelaPedagogico>(), {}},
        {"TFormTela", Modal, {}, tela<TFormTela>(), {}},
        {"TFormCadastroLogs",
         Modal,
         {},
         [](QWidget *origem) -> QWidget * { return new TFormCadastroLogs(*DM, origem); },
         {}},
        // Catalogues and users.
        {"TFormCadastroSerie", Modal, {}, registro("TFormCadastroSerie"), {}},
        {"TFormCadastroTurno", Modal, {}, registro("TFormCadastroTurno"), {}},
        {"TFormCadastroTurmas", Modal, {}, registro("TFormCadastroTurmas"), {}},
        {"TFormCadastroEscola", Modal, {}, registro("TFormCadastroEscola"), {}},
        {"TFormCadastroCargo", Reutilizada, {}, registro("TFormCadastroCargo"), {}},
        {"TFormCadastroPresidente", Modal, {}, registro("TFormCadastroPresidente"), {}},
        {"TFormCadastroPatrimonio", Reutilizada, {}, registro("TFormCadastroPatrimonio"), {}},
        {"TFormCadastroCronogramaEscolar", Modal, {}, registro("TFormCadastroCronogramaEscolar"), {}},
        {"TFormCadastroUsuario", Modal, {}, registro("TFormCadastroUsuario"), {}},
        {"TFormAlterarUsuario", Modal, {}, registro("TFormAlterarUsuario"), {}},
        // Pupils and school registration.
        {"TFormCadastroAluno", Modal, {}, ausente(), {}},
        {"TFormCadastroAlunoAnual", Modal, {}, ausente(), {}},
        {"TFormPesquisaCadastroEscolar", Reutilizada, {}, ausente(), {}},
        {"TRelDocMatricula", Previa, {}, {}, [](QWidget *origem) { reports::abrirRelDocMatricula(origem); }},
        // Referrals and vacancies.
        {"TFormCadastroVagas", Modal, {}, tela<TFormCadastroVagas>(), {}},
        {"TFormCadastroEncaminhamento", Modal, {}, ausente(), {}},
        {"TFormPesquisaEncaminhamentoAvancada", Reutilizada, encaminhamento, ausente(), {}},
        {"TFormCadastroVagasPesquisa", Modal, {}, tela<TFormCadastroVagasPesquisa>(), {}},
        // Staff.
        {"TFormCadastroFuncionario", Reutilizada, {}, ausente(), {}},
        {"TFormPesquisaFuncionario", Modal, {}, ausente(), {}},
        {"TFormRHFreqCadastro", Modal, {}, ausente(), {}},
        {"TFormCadastroEquipeTecnica", Modal, {}, ausente(), {}},
        {"TFormImportar", Modal, {}, ausente(), {}},
        {"TFormImportarExcel", Modal, {}, ausente(), {}},
        {"TFormManutencaoDados", Modal, {}, ausente(), {}},
        // Transport.
        {"TFormCadastroControleTransporte", Modal, {}, ausente(), {}},
    };
}

QHash<QString, QPointer<QWidget>> &reutilizadas()
{
    static QHash<QString, QPointer<QWidget>> kept;
    return kept;
}

// Ends a local loop when the screen it shows is hidden or destroyed.
class FimDaExibicao : public QObject {
public:
    FimDaExibicao(QWidget *tela, QEventLoop *loop) : QObject(tela), loop_(loop)
    {
        tela->installEventFilter(this);
    }
    ~FimDaExibicao() override { loop_->quit(); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            loop_->quit();
        return false;
    }

private:
    QEventLoop *loop_;
};

void exibirDeVerdade(QWidget *tela)
{
    if (auto *dialogo = qobject_cast<QDialog *>(tela)) {
        dialogo->exec();
        return;
    }
    QEventLoop loop;
    QPointer<QWidget> guarda(tela);
    auto *fim = new FimDaExibicao(tela, &loop);
    tela->setWindowModality(Qt::ApplicationModal);
    tela->show();
    if (guarda && tela->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guarda)
        delete fim;
}

Navigation::Exibidor &exibidorAtual()
{
    static Navigation::Exibidor exibidor = exibirDeVerdade;
    return exibidor;
}

} // namespace

const QList<Destino> &Navigation::destinos()
{
    static const QList<Destino> tabela = montarTabela();
    return tabela;
}

const Destino *Navigation::destino(const QString &classe)
{
    for (const Destino &d : destinos())
        if (d.classe == classe)
            return &d;
    return nullptr;
}

static Navigation::Observador &observadorAtual()
{
    static Navigation::Observador observador;
    return observador;
}

QWidget *Navigation::abrir(const QString &classe, QWidget *origem)
{
    if (observadorAtual())
        observadorAtual()(classe);
    const Destino *d = destino(classe);
    return d ? abrir(*d, origem) : nullptr;
}

QWidget *Navigation::abrir(const Destino &destino, QWidget *origem)
{
    const Destino *d = &destino;
    const QString &classe = d->classe;
    if (!d->disponivel())
        return nullptr;
    if (!d->abrirAntes.isEmpty() && DM)
        if (data::TableDataset *ds = DM->dataset(d->abrirAntes))
            ds->open();

    switch (d->abertura) {
    case Abertura::Previa:
        d->previa(origem);
        return nullptr;
    case Abertura::Reutilizada: {
        QPointer<QWidget> &kept = reutilizadas()[classe];
        if (!kept) {
            // Not owned by the caller: a sector screen that opened it may be gone next time.
            kept = d->criar(nullptr);
            kept->setObjectName(classe);
        }
        exibirModal(kept);
        return kept;
    }
    case Abertura::Modal:
        break;
    }
    QPointer<QWidget> novo = d->criar(origem);
    QWidget *mostrado = novo;
    exibirModal(novo);
    delete novo.data();
    return mostrado;
}

QWidget *Navigation::reutilizada(const QString &classe)
{
    return reutilizadas().value(classe);
}

void Navigation::liberarReutilizadas()
{
    for (QPointer<QWidget> &w : reutilizadas())
        delete w.data();
    reutilizadas().clear();
}

void Navigation::exibirModal(QWidget *tela)
{
    if (!tela)
        return;
    if (!tela->isWindow())
        tela->setWindowFlag(Qt::Window);
    exibidorAtual()(tela);
}

Navigation::ScopedExibidor::ScopedExibidor(Exibidor exibidor) : previous_(exibidorAtual())
{
    exibidorAtual() = std::move(exibidor);
}

Navigation::ScopedExibidor::~ScopedExibidor()
{
    exibidorAtual() = previous_;
}

Navigation::ScopedObservador::ScopedObservador(Observador observador) : previous_(observadorAtual())
{
    observadorAtual() = std::move(observador);
}

Navigation::ScopedObservador::~ScopedObservador()
{
    observadorAtual() = previous_;
}

} // namespace app
