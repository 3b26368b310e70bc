#include "app/TLog.h"

#include "seams/Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {
const QString kFimDeLinha = QStringLiteral("\r\n");
}

TLog &TLog::Instance()
{
    static TLog log;
    return log;
}

QString TLog::caminhoPadrao()
{
    const QString override = qEnvironmentVariable("MIRABELTA_STATION_LOG");
    if (!override.isEmpty())
        return override;
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Zavaziz\\MeuLog.log");
#else
    return QDir::home().filePath(QStringLiteral("Zavaziz/MeuLog.log"));
#endif
}

QString TLog::linhaComDataHora(const QString &mensagem)
{
    return QStringLiteral("%1 - %2").arg(seams::now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                         mensagem);
}

bool TLog::WriteLog(const QString &arquivo, const QString &mensagem, bool criarSeFaltar, bool sobrescrever,
                    bool comDataHora)
{
    const QFileInfo info(arquivo);
    const bool existe = info.exists();
    if (!existe && !criarSeFaltar)
        return false;
    if (!QDir().mkpath(info.absolutePath()))
        return false;

    QFile file(arquivo);
    const QIODevice::OpenMode modo = existe && !sobrescrever ? QIODevice::WriteOnly | QIODevice::Append
                                                             : QIODevice::WriteOnly | QIODevice::Truncate;
    if (!file.open(modo))
        throw IoError(QStringLiteral("%1: %2").arg(arquivo, file.errorString()));
    // The workstation's own code page, as every other program there reads plain text.
    QStringEncoder encoder(QStringConverter::System);
    const QString linha = (comDataHora ? linhaComDataHora(mensagem) : mensagem) + kFimDeLinha;
    const QByteArray bytes = encoder.encode(linha);
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw IoError(QStringLiteral("%1: %2").arg(arquivo, file.errorString()));
    return true;
}

bool TLog::Load(const QString &arquivo, QStringList *linhas)
{
    if (!linhas || !QFileInfo::exists(arquivo))
        return false;
    QFile file(arquivo);
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(QStringLiteral("%1: %2").arg(arquivo, file.errorString()));
    QStringDecoder decoder(QStringConverter::System);
    const QString texto = decoder.decode(file.readAll());
    const QString atual = linhas->isEmpty() ? QString() : linhas->join(kFimDeLinha) + kFimDeLinha;
    if (texto.compare(atual, Qt::CaseInsensitive) != 0) {
        QString corpo = texto;
        corpo.replace(kFimDeLinha, QStringLiteral("\n"));
        if (corpo.endsWith(QLatin1Char('\n')))
            corpo.chop(1);
        *linhas = corpo.isEmpty() ? QStringList() : corpo.split(QLatin1Char('\n'));
    }
    return true;
}
