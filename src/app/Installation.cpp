#include "app/Installation.h"

namespace app {
namespace {
const InstallationData *&atual()
{
    static const InstallationData *data = nullptr;
    return data;
}
} // namespace

const InstallationData &installation()
{
    if (!atual()) {
        static InstallationData padrao;
        padrao.load();
        atual() = &padrao;
    }
    return *atual();
}

ScopedInstallation::ScopedInstallation(const InstallationData &data) : previous_(atual()), data_(data)
{
    atual() = &data_;
}

ScopedInstallation::~ScopedInstallation()
{
    atual() = previous_;
}

} // namespace app
