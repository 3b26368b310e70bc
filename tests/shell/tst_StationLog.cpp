// The station log: the line format, created folders, the flags of the writer, reading it back,
// and the two lines every run of the main window leaves.
#include "app/TFormPrincipal.h"
#include "app/TLog.h"
#include "app/TLogSemaphor.h"
#include "seams/Clock.h"
#include "seams/Messages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray conteudo(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
}
} // namespace

class TstStationLog : public QObject {
    Q_OBJECT
private slots:
    void missingFolderIsCreated();
    void writerFlags_data();
    void writerFlags();
    void unwritablePlaces();
    void loadReadsLinesUnlessOnlyCaseDiffers();
    void twoRunsLeaveFourLinesInOrder();
    void aLogThatCannotBeWrittenIsReportedAndTheWindowGoesOn();
    void defaultPathFollowsTheOverride();
};

void TstStationLog::missingFolderIsCreated()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Zavaziz/sub/MeuLog.log");
    seams::FixedClock clock(QDateTime(QDate(2024, 3, 5), QTime(7, 41, 9)));
    QVERIFY(TLogSemaphor::WriteLog(path, QStringLiteral("Criando o formulário."), true, false, true));
    QCOMPARE(QString::fromUtf8(conteudo(path)),
             QStringLiteral("2024-03-05 07:41:09 - Criando o formulário.\r\n"));
}

void TstStationLog::writerFlags_data()
{
    QTest::addColumn<bool>("existe");
    QTest::addColumn<bool>("criar");
    QTest::addColumn<bool>("sobrescrever");
    QTest::addColumn<bool>("comDataHora");
    QTest::addColumn<bool>("resultado");
    QTest::addColumn<QByteArray>("depois");

    const QByteArray antes = "linha antiga\r\n";
    QTest::newRow("missing, no create")
        << false << false << false << true << false << QByteArray("<ausente>");
    QTest::newRow("appends") << true << false << false << true << true
                             << antes + "2024-12-31 23:05:00 - M\r\n";
    QTest::newRow("overwrites") << true << true << true << true << true
                                << QByteArray("2024-12-31 23:05:00 - M\r\n");
    QTest::newRow("no timestamp") << true << false << false << false << true << antes + "M\r\n";
    QTest::newRow("missing, created") << false << true << true << false << true << QByteArray("M\r\n");
}

void TstStationLog::writerFlags()
{
    QFETCH(bool, existe);
    QFETCH(bool, criar);
    QFETCH(bool, sobrescrever);
    QFETCH(bool, comDataHora);
    QFETCH(bool, resultado);
    QFETCH(QByteArray, depois);
    QTemporaryDir dir;
    const QString path = dir.filePath("MeuLog.log");
    if (existe) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("linha antiga\r\n");
    }
    seams::FixedClock clock(QDateTime(QDate(2024, 12, 31), QTime(23, 5, 0)));
    QCOMPARE(TLogSemaphor::WriteLog(path, QStringLiteral("M"), criar, sobrescrever, comDataHora), resultado);
    QCOMPARE(conteudo(path), depois);
}

void TstStationLog::unwritablePlaces()
{
    QTemporaryDir dir;
    // A folder that cannot be created (a file stands in its way): false, silently.
    QFile bloqueio(dir.filePath("Zavaziz"));
    QVERIFY(bloqueio.open(QIODevice::WriteOnly));
    bloqueio.close();
    QVERIFY(
        !TLogSemaphor::WriteLog(dir.filePath("Zavaziz/MeuLog.log"), QStringLiteral("x"), true, false, true));
    // A file that cannot be opened (a folder has its name): an input/output error.
    QVERIFY(QDir(dir.path()).mkdir("pasta.log"));
    QVERIFY_THROWS_EXCEPTION(TLog::IoError, TLogSemaphor::WriteLog(dir.filePath("pasta.log"),
                                                                   QStringLiteral("x"), true, false, true));
}

void TstStationLog::loadReadsLinesUnlessOnlyCaseDiffers()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("MeuLog.log");
    QStringList linhas{"antes"};
    QVERIFY(!TLogSemaphor::ReadLog(path, &linhas));
    QCOMPARE(linhas, QStringList{"antes"});
    QVERIFY(TLogSemaphor::WriteLog(path, QStringLiteral("Primeira"), true, false, false));
    QVERIFY(TLogSemaphor::WriteLog(path, QStringLiteral("Segunda"), true, false, false));
    QVERIFY(!TLogSemaphor::ReadLog(path, nullptr));

    QVERIFY(TLogSemaphor::ReadLog(path, &linhas));
    QCOMPARE(linhas, (QStringList{"Primeira", "Segunda"}));
    // Same text in another letter case: the list is left as it is.
    QStringList maiusculas{"PRIMEIRA", "SEGUNDA"};
    QVERIFY(TLogSemaphor::ReadLog(path, &maiusculas));
    QCOMPARE(maiusculas, (QStringList{"PRIMEIRA", "SEGUNDA"}));
}

void TstStationLog::twoRunsLeaveFourLinesInOrder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Zavaziz/MeuLog.log");
    qputenv("MIRABELTA_STATION_LOG", path.toUtf8());
    seams::FixedClock clock(QDateTime(QDate(2024, 3, 5), QTime(7, 41, 9)));
    for (int run = 0; run < 2; ++run) {
        TFormPrincipal principal;
        clock.set(QDateTime(QDate(2024, 3, 5), QTime(17, 0, run)));
    }
    QStringList linhas;
    QVERIFY(TLogSemaphor::ReadLog(path, &linhas));
    QCOMPARE(linhas, (QStringList{
                         "2024-03-05 07:41:09 - Criando o formulário.",
                         "2024-03-05 17:00:00 - Destruindo o formulário.",
                         "2024-03-05 17:00:00 - Criando o formulário.",
                         "2024-03-05 17:00:01 - Destruindo o formulário.",
                     }));
}

void TstStationLog::aLogThatCannotBeWrittenIsReportedAndTheWindowGoesOn()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("MeuLog.log"));
    qputenv("MIRABELTA_STATION_LOG", dir.filePath("MeuLog.log").toUtf8());
    seams::RecordingMessages rec;
    seams::ScopedMessages guard(&rec);
    {
        TFormPrincipal principal;
        QCOMPARE(principal.windowTitle(), QStringLiteral("SISTEMA GESTAO SME"));
        QCOMPARE(rec.shown.size(), 1);
        QCOMPARE(rec.shown.first().icon, seams::Icon::Error);
        QVERIFY(rec.shown.first().text.contains("MeuLog.log"));
    }
    QCOMPARE(rec.shown.size(), 2); // the destruction line failed the same way
}

void TstStationLog::defaultPathFollowsTheOverride()
{
    qunsetenv("MIRABELTA_STATION_LOG");
#ifdef Q_OS_WIN
    QCOMPARE(TLog::caminhoPadrao(), QStringLiteral("C:\\Zavaziz\\MeuLog.log"));
#else
    QCOMPARE(TLog::caminhoPadrao(), QDir::home().filePath("Zavaziz/MeuLog.log"));
#endif
    qputenv("MIRABELTA_STATION_LOG", "/tmp/outro/arquivo.log");
    QCOMPARE(TLog::caminhoPadrao(), QStringLiteral("/tmp/outro/arquivo.log"));
}

QTEST_MAIN(TstStationLog)
#include "tst_StationLog.moc"
