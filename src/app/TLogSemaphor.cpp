#include "app/TLogSemaphor.h"

#include "app/TLog.h"

#include <QReadWriteLock>

namespace {
QReadWriteLock &trava()
{
    static QReadWriteLock lock;
    return lock;
}
} // namespace

bool TLogSemaphor::WriteLog(const QString &arquivo, const QString &mensagem, bool criarSeFaltar,
                            bool sobrescrever, bool comDataHora)
{
    QWriteLocker guard(&trava());
    return TLog::Instance().WriteLog(arquivo, mensagem, criarSeFaltar, sobrescrever, comDataHora);
}

bool TLogSemaphor::ReadLog(const QString &arquivo, QStringList *linhas)
{
    QReadLocker guard(&trava());
    return TLog::Instance().Load(arquivo, linhas);
}
