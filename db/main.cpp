// mirabelta-demodb: creates a demo database for Vargedo and points the program's config.ini at it.
#include "DemoDatabase.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

namespace {

void say(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

QString readText(const QString &path, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, f.errorString());
        return {};
    }
    return QString::fromUtf8(f.readAll());
}

// The program reads only these four keys; the host stays empty for embedded access to a local file.
bool writeConfig(const QString &dir, const QString &database, QString *error)
{
    if (!QDir().mkpath(dir)) {
        *error = QStringLiteral("não foi possível criar a pasta %1").arg(dir);
        return false;
    }
    QFile f(QDir(dir).filePath(QStringLiteral("config.ini")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        *error = QStringLiteral("%1: %2").arg(f.fileName(), f.errorString());
        return false;
    }
    QTextStream out(&f);
    out << "[CONFIG]\n"
        << "HOSTNAME=\n"
        << "DATABASE=" << database << "\n"
        << "USER_NAME=SYSDBA\n"
        << "PASSWORD=masterkey\n";
    out.flush();
    if (f.error() != QFile::NoError) {
        *error = QStringLiteral("%1: %2").arg(f.fileName(), f.errorString());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("mirabelta-demodb"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Cria um banco de demonstração do MIRABELTA e grava o config.ini que aponta para ele."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("database-file"), QStringLiteral("arquivo .fdb a criar"));
    const QCommandLineOption configOption(
        QStringLiteral("config"), QStringLiteral("pasta onde gravar o config.ini (padrão: a do programa)"),
        QStringLiteral("dir"), QCoreApplication::applicationDirPath());
    const QCommandLineOption forceOption(QStringLiteral("force"),
                                         QStringLiteral("substitui um arquivo existente"));
    const QCommandLineOption schemaOption(
        QStringLiteral("schema"), QStringLiteral("script do esquema (padrão: o embutido no programa)"),
        QStringLiteral("file"));
    const QCommandLineOption installationOption(
        QStringLiteral("installation"),
        QStringLiteral("dados da instalação (padrão: installation.json do programa)"), QStringLiteral("file"),
        app::InstallationData::defaultPath());
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("semente dos dados sorteados"),
                                        QStringLiteral("n"),
                                        QString::number(demo::DemoDatabase::defaultSeed));
    parser.addOptions({configOption, forceOption, schemaOption, installationOption, seedOption});
    parser.process(app);

    if (parser.positionalArguments().size() != 1) {
        say(QStringLiteral("uso: mirabelta-demodb <database-file> [--config <dir>] [--force]"));
        return 2;
    }
    const QString database = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    bool seedOk = false;
    const quint32 seed = parser.value(seedOption).toUInt(&seedOk);
    if (!seedOk) {
        say(QStringLiteral("semente inválida: %1").arg(parser.value(seedOption)));
        return 2;
    }

    if (QFileInfo::exists(database)) {
        if (!parser.isSet(forceOption)) {
            say(QStringLiteral("%1 já existe; nada foi feito (use --force para substituí-lo)").arg(database));
            return 1;
        }
        if (!QFile::remove(database)) {
            say(QStringLiteral("não foi possível apagar %1").arg(database));
            return 1;
        }
    }

    QString error;
    app::InstallationData installation;
    if (!installation.load(parser.value(installationOption))) {
        say(installation.errorString());
        return 1;
    }
    const QString schema = readText(
        parser.isSet(schemaOption) ? parser.value(schemaOption) : QStringLiteral(":/db/schema.sql"), &error);
    if (schema.isEmpty()) {
        say(error.isEmpty() ? QStringLiteral("esquema vazio") : error);
        return 1;
    }
    QDir().mkpath(QFileInfo(database).absolutePath());

    std::unique_ptr<fb::Attachment> att;
    // A half-built database would only mislead the next start of the program.
    auto discard = [&](const QString &message) {
        say(message);
        try {
            if (att)
                att->dropDatabase();
        } catch (const fb::Error &) {
            att.reset();
            QFile::remove(database);
        }
        return 1;
    };
    try {
        att = fb::Attachment::create({.host = QString(),
                                      .database = database,
                                      .user = QStringLiteral("SYSDBA"),
                                      .password = QStringLiteral("masterkey")});
        att->executeScript(schema);
        demo::DemoDatabase demoDb(*att, installation, seed);
        const QMap<QString, int> counts = demoDb.build();
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            say(QStringLiteral("%1 %2").arg(it.key(), -20).arg(it.value()));
    } catch (const fb::Error &e) {
        return discard(e.message());
    } catch (const fb::ConversionError &e) {
        return discard(e.message());
    }
    att.reset();

    if (!writeConfig(parser.value(configOption), database, &error)) {
        say(error);
        return 1;
    }
    say(QStringLiteral("banco %1 criado; config.ini em %2")
            .arg(database, QDir(parser.value(configOption)).absolutePath()));
    return 0;
}
