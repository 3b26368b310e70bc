#pragma once
// Reads the database settings of config.ini, the way the workstation's settings file is read:
// section and key names in any letter case, values trimmed, a missing file or key reads as empty.
#include "fb/Fb.h"

#include <QString>

namespace app {

// Text of one key; `fallback` when the file, the section or the key is missing.
QString readIniText(const QString &path, const QString &section, const QString &key,
                    const QString &fallback = QString());

// The connection settings from section CONFIG: HOSTNAME, DATABASE, USER_NAME and PASSWORD. An
// empty value leaves that setting out of the connection altogether.
fb::ConnectParams readConnectionSettings(const QString &iniPath);

} // namespace app
