#pragma once
// The station log's guard: one process-wide lock, many readers or one writer, around TLog.
#include <QString>
#include <QStringList>

class TLogSemaphor {
public:
    static bool WriteLog(const QString &arquivo, const QString &mensagem, bool criarSeFaltar,
                         bool sobrescrever, bool comDataHora);
    static bool ReadLog(const QString &arquivo, QStringList *linhas);
};
