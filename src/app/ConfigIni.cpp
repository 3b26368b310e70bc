#include "app/ConfigIni.h"

#include <QFile>

namespace app {

QString readIniText(const QString &path, const QString &section, const QString &key, const QString &fallback)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return fallback;
    bool inSection = false;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.startsWith(QChar(0xFEFF)))
            line.remove(0, 1);
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            inSection = line.mid(1, line.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const auto eq = line.indexOf(QLatin1Char('='));
        if (!inSection || eq < 0 || line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
            continue;
        QString value = line.mid(eq + 1).trimmed();
        // A value wrapped in matching quotes is read without them.
        if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        return value;
    }
    return fallback;
}

fb::ConnectParams readConnectionSettings(const QString &iniPath)
{
    fb::ConnectParams p;
    const QString section = QStringLiteral("CONFIG");
    p.host = readIniText(iniPath, section, QStringLiteral("HOSTNAME"));
    p.database = readIniText(iniPath, section, QStringLiteral("DATABASE"));
    p.user = readIniText(iniPath, section, QStringLiteral("USER_NAME"));
    p.password = readIniText(iniPath, section, QStringLiteral("PASSWORD"));
    return p;
}

} // namespace app
