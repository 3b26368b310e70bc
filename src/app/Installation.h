#pragma once
// The installation data of the running program, read once from installation.json beside it.
#include "app/InstallationData.h"

namespace app {

// The data read from InstallationData::defaultPath() at first use; an unreadable file gives empty
// addresses and picture paths, which the screens treat as "not available".
const InstallationData &installation();

// Replaces the installation data until the guard dies (tests).
class ScopedInstallation {
public:
    explicit ScopedInstallation(const InstallationData &data);
    ~ScopedInstallation();
    ScopedInstallation(const ScopedInstallation &) = delete;
    ScopedInstallation &operator=(const ScopedInstallation &) = delete;

private:
    const InstallationData *previous_;
    InstallationData data_;
};

} // namespace app
