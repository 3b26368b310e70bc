#include "app/Workstation.h"

#include "app/Installation.h"
#include "seams/Http.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkInformation>
#include <QNetworkInterface>

namespace app {

QString erroRecuperarIp()
{
    return QStringLiteral("ERRO AO RECUPERAR IP");
}

QString versaoFormatada(const QString &versao)
{
    const QStringList partes = versao.split(QLatin1Char('.'));
    if (partes.size() != 4)
        return QString();
    int n[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        n[i] = partes.at(i).toInt(&ok);
        if (!ok || n[i] < 0)
            return QString();
    }
    return QString::asprintf("%d.%d.%d.%d", n[0], n[1], n[2], n[3]);
}

QString VersaoExe()
{
#ifdef MIRABELTA_VERSION
    return versaoFormatada(QStringLiteral(MIRABELTA_VERSION));
#else
    return QString();
#endif
}

QString GetLocalIP(bool todos)
{
    const QString nome = QHostInfo::localHostName().left(64);
    if (nome.isEmpty())
        return QString();
    const QHostInfo info = QHostInfo::fromName(nome);
    QStringList enderecos;
    for (const QHostAddress &a : info.addresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            enderecos << a.toString();
    if (enderecos.isEmpty())
        return QString();
    return todos ? enderecos.join(QLatin1Char(',')) : enderecos.first();
}

QString GetIPReal()
{
    return GetIPReal(installation().ipEchoUrl());
}

QString GetIPReal(const QString &enderecoEco, int tempoLimiteMs)
{
    if (enderecoEco.isEmpty())
        return erroRecuperarIp();
    const seams::HttpReply resposta = seams::http().get(enderecoEco, tempoLimiteMs);
    if (!resposta.ok)
        return erroRecuperarIp();
    QString ip;
    for (char c : resposta.body)
        if (c == '.' || (c >= '0' && c <= '9'))
            ip += QLatin1Char(c);
    return ip.trimmed();
}

bool IsConnected()
{
    // The system's own view when a backend is present; otherwise any running interface with an
    // address that is not the loopback.
    static const bool comBackend = QNetworkInformation::loadDefaultBackend();
    if (comBackend) {
        if (const QNetworkInformation *info = QNetworkInformation::instance()) {
            switch (info->reachability()) {
            case QNetworkInformation::Reachability::Online:
                return true;
            case QNetworkInformation::Reachability::Disconnected:
            case QNetworkInformation::Reachability::Local:
            case QNetworkInformation::Reachability::Site:
                return false;
            case QNetworkInformation::Reachability::Unknown:
                break;
            }
        }
    }
    for (const QNetworkInterface &i : QNetworkInterface::allInterfaces()) {
        const auto f = i.flags();
        if (!(f & QNetworkInterface::IsUp) || !(f & QNetworkInterface::IsRunning) ||
            (f & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &e : i.addressEntries())
            if (!e.ip().isLoopback() && !e.ip().isLinkLocal())
                return true;
    }
    return false;
}

} // namespace app
