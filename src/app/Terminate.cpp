#include "app/Terminate.h"

#include <QCoreApplication>

namespace app {
namespace {
std::function<void()> &acaoAtual()
{
    // exit() leaves every running loop of the thread, modal screens included.
    static std::function<void()> acao = [] { QCoreApplication::exit(0); };
    return acao;
}
} // namespace

void terminar()
{
    acaoAtual()();
}

ScopedTerminate::ScopedTerminate(std::function<void()> acao) : previous_(acaoAtual())
{
    acaoAtual() = std::move(acao);
}

ScopedTerminate::~ScopedTerminate()
{
    acaoAtual() = previous_;
}

} // namespace app
