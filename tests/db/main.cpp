// Runs the database, demo-builder and installation-data tests in one executable.
#include <QCoreApplication>
#include <QtTest>
#include <memory>

QObject *makeTestSchema();
QObject *makeTestDemoDatabase();
QObject *makeTestInstallationData();

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int failed = 0;
    for (auto make : {makeTestInstallationData, makeTestSchema, makeTestDemoDatabase}) {
        std::unique_ptr<QObject> test(make());
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
