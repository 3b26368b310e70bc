#include "TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QTcpSocket>
#include <QUuid>

namespace {
QString serverHost()
{
    return qEnvironmentVariable("MIRABELTA_FB_SERVER", QStringLiteral("127.0.0.1"));
}
} // namespace

QString TestDatabase::schemaPath()
{
    return qEnvironmentVariable("MIRABELTA_SCHEMA", QStringLiteral(MIRABELTA_SOURCE_DIR "/db/schema.sql"));
}

bool TestDatabase::serverAvailable()
{
    QTcpSocket s;
    s.connectToHost(serverHost(), 3050);
    return s.waitForConnected(1000);
}

TestDatabase::TestDatabase(bool withSchema, Access access)
{
    const QString name = QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".fdb");
    if (access == Access::Server) {
        // The server runs as its own user: the folder must be one it can write to.
        dir_ = qEnvironmentVariable("MIRABELTA_FB_SERVER_DIR", QStringLiteral("/tmp/mirabelta-fb"));
        params_.host = serverHost();
        params_.user = QStringLiteral("SYSDBA");
        params_.password = qEnvironmentVariable("MIRABELTA_FB_PASSWORD", QStringLiteral("masterkey"));
    } else {
        tmp_ = std::make_unique<QTemporaryDir>();
        dir_ = tmp_->path();
        params_.user = QStringLiteral("SYSDBA");
    }
    params_.database = QDir(dir_).filePath(name);
    att_ = fb::Attachment::create(params_);
    if (withSchema) {
        QFile f(schemaPath());
        if (!f.open(QIODevice::ReadOnly))
            throw fb::Error(QStringLiteral("schema not found: ") + schemaPath());
        att_->executeScript(QString::fromUtf8(f.readAll()));
    }
}

TestDatabase::~TestDatabase()
{
    try {
        att_->dropDatabase();
    } catch (const fb::Error &) {
        // Another attachment still holds it; the temporary folder goes anyway.
    }
}
