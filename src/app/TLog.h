#pragma once
// The station log writer: appends timestamped lines to a text file on the workstation.
#include <QString>
#include <QStringList>
#include <stdexcept>

class TLog {
public:
    // Raised when the file cannot be opened or written; the caller's handler shows it.
    class IoError : public std::runtime_error {
    public:
        explicit IoError(const QString &message) : std::runtime_error(message.toStdString()) {}
        QString message() const { return QString::fromStdString(what()); }
    };

    static TLog &Instance();

    // "C:\Zavaziz\MeuLog.log" on Windows, ~/Zavaziz/MeuLog.log elsewhere; the environment variable
    // MIRABELTA_STATION_LOG, when set, names another file (tests and test runs never touch the home).
    static QString caminhoPadrao();

    // Appends (or, with `sobrescrever`, rewrites) one line; false when the file is missing and may
    // not be created, or when its folder cannot be created. Throws IoError when the file cannot be
    // opened or written.
    bool WriteLog(const QString &arquivo, const QString &mensagem, bool criarSeFaltar, bool sobrescrever,
                  bool comDataHora);
    // Reads the file's lines into `linhas`; false when there is no list or no file. The list is
    // replaced only when the text differs from it, ignoring letter case.
    bool Load(const QString &arquivo, QStringList *linhas);

    // "YYYY-MM-DD HH:NN:SS - message".
    static QString linhaComDataHora(const QString &mensagem);

private:
    TLog() = default;
};
