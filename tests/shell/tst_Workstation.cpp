// The workstation identity: the version text, the local address, and the external address read
// from an echo page served here on 127.0.0.1 (digits and dots kept; errors and silence give the
// error text within the time-out).
#include "app/Installation.h"
#include "app/Workstation.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A one-page HTTP server: answers every request with `resposta`, or never answers when it is empty.
class EchoServer : public QObject {
public:
    explicit EchoServer(QByteArray resposta) : resposta_(std::move(resposta))
    {
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = server_.nextPendingConnection()) {
                s->setParent(this);
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    pedidos_ << s->readAll();
                    if (resposta_.isEmpty())
                        return;
                    s->write(resposta_);
                    s->disconnectFromHost();
                });
            }
        });
    }
    bool listen() { return server_.listen(QHostAddress::LocalHost); }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1/ip").arg(server_.serverPort()); }
    QList<QByteArray> pedidos_;

private:
    QTcpServer server_;
    QByteArray resposta_;
};

QByteArray http(const QByteArray &status, const QByteArray &corpo)
{
    return "HTTP/1.1 " + status +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(corpo.size()) +
           "\r\nConnection: close\r\n\r\n" + corpo;
}

} // namespace

class TstWorkstation : public QObject {
    Q_OBJECT
private slots:
    void versionText_data();
    void versionText();
    void versionOfThisBuild();
    void localAddress();
    void externalAddress_data();
    void externalAddress();
    void silentPageGivesTheErrorWithinTheTimeOut();
    void unreachablePageGivesTheError();
    void echoAddressComesFromTheInstallation();
};

void TstWorkstation::versionText_data()
{
    QTest::addColumn<QString>("versao");
    QTest::addColumn<QString>("texto");
    QTest::newRow("four numbers") << "1.0.0.1"
                                  << "1.0.0.1";
    QTest::newRow("leading zeros") << "02.10.003.4"
                                   << "2.10.3.4";
    QTest::newRow("three numbers") << "1.0.0"
                                   << "";
    QTest::newRow("not numbers") << "1.0.x.1"
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TstWorkstation::versionText()
{
    QFETCH(QString, versao);
    QFETCH(QString, texto);
    QCOMPARE(app::versaoFormatada(versao), texto);
}

void TstWorkstation::versionOfThisBuild()
{
    QVERIFY(QRegularExpression("^\\d+\\.\\d+\\.\\d+\\.\\d+$").match(app::VersaoExe()).hasMatch());
    QCOMPARE(app::VersaoExe(), QStringLiteral(MIRABELTA_VERSION));
}

void TstWorkstation::localAddress()
{
    const QString primeiro = app::GetLocalIP();
    const QString todos = app::GetLocalIP(true);
    if (primeiro.isEmpty())
        QSKIP("this machine's host name does not resolve");
    QCOMPARE(QHostAddress(primeiro).protocol(), QAbstractSocket::IPv4Protocol);
    QVERIFY(!primeiro.contains(','));
    QCOMPARE(todos.split(',').first(), primeiro);
}

void TstWorkstation::externalAddress_data()
{
    QTest::addColumn<QByteArray>("resposta");
    QTest::addColumn<QString>("ip");
    QTest::newRow("plain") << http("200 OK", "203.0.113.7\n") << "203.0.113.7";
    QTest::newRow("text around it") << http("200 OK", "  Seu IP: 198.51.100.23 <br>") << "198.51.100.23";
    QTest::newRow("server error") << http("500 Internal Server Error", "10.0.0.1") << "ERRO AO RECUPERAR IP";
    QTest::newRow("not found") << http("404 Not Found", "1.2.3.4") << "ERRO AO RECUPERAR IP";
}

void TstWorkstation::externalAddress()
{
    QFETCH(QByteArray, resposta);
    QFETCH(QString, ip);
    EchoServer server(resposta);
    QVERIFY(server.listen());
    QCOMPARE(app::GetIPReal(server.url(), 3000), ip);
    QCOMPARE(server.pedidos_.size(), 1);
    QVERIFY(server.pedidos_.first().startsWith("GET /ip "));
}

void TstWorkstation::silentPageGivesTheErrorWithinTheTimeOut()
{
    EchoServer server{QByteArray()};
    QVERIFY(server.listen());
    QElapsedTimer relogio;
    relogio.start();
    QCOMPARE(app::GetIPReal(server.url(), 400), QStringLiteral("ERRO AO RECUPERAR IP"));
    QVERIFY2(relogio.elapsed() < 3000, qPrintable(QString::number(relogio.elapsed())));
    QVERIFY(relogio.elapsed() >= 350);
    // The program's own limit is a few seconds, not the network's default minutes.
    QVERIFY(app::kTempoLimiteIpMs >= 2000 && app::kTempoLimiteIpMs <= 10000);
}

void TstWorkstation::unreachablePageGivesTheError()
{
    quint16 porta = 0;
    {
        QTcpServer fechado;
        QVERIFY(fechado.listen(QHostAddress::LocalHost));
        porta = fechado.serverPort();
    }
    QCOMPARE(app::GetIPReal(QStringLiteral("http://127.0.0.1:%1/").arg(porta), 3000),
             QStringLiteral("ERRO AO RECUPERAR IP"));
    QCOMPARE(app::GetIPReal(QString(), 3000), QStringLiteral("ERRO AO RECUPERAR IP"));
}

void TstWorkstation::echoAddressComesFromTheInstallation()
{
    EchoServer server(http("200 OK", "192.0.2.44"));
    QVERIFY(server.listen());
    QFile original(MIRABELTA_SOURCE_DIR "/installation/installation.json");
    QVERIFY(original.open(QIODevice::ReadOnly));
    QJsonObject raiz = QJsonDocument::fromJson(original.readAll()).object();
    QJsonObject enderecos = raiz.value("addresses").toObject();
    enderecos.insert("ipEcho", server.url());
    raiz.insert("addresses", enderecos);
    QTemporaryDir dir;
    QFile copia(dir.filePath("installation.json"));
    QVERIFY(copia.open(QIODevice::WriteOnly));
    copia.write(QJsonDocument(raiz).toJson());
    copia.close();
    app::InstallationData dados;
    QVERIFY2(dados.load(copia.fileName()), qPrintable(dados.errorString()));
    app::ScopedInstallation guard(dados);
    QCOMPARE(app::GetIPReal(), QStringLiteral("192.0.2.44"));
}

QTEST_MAIN(TstWorkstation)
#include "tst_Workstation.moc"
