// installation.json: how the school lists are composed from the groups, what a faulty file gives,
// and the file the program ships with.
#include "app/InstallationData.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using app::InstallationData;
using L = InstallationData::SchoolList;

Q_DECLARE_METATYPE(InstallationData::SchoolList)

class TestInstallationData : public QObject {
    Q_OBJECT

private slots:
    void schoolLists_data();
    void schoolLists();
    void addressesAndPictures();
    void faultyFileIsRefused_data();
    void faultyFileIsRefused();
    void shippedFile();

private:
    QString write(const QJsonObject &root);
    static QJsonObject sample();
    QTemporaryDir dir_;
    int files_ = 0;
};

// A small installation whose groups are listed out of order in the file.
QJsonObject TestInstallationData::sample()
{
    return QJsonDocument::fromJson(R"({
        "municipality": {"name": "VARGEDO", "state": "MG"},
        "schools": {
            "CMEI": ["CMEI SOL", "CMEI LUA"],
            "E.E.": ["E.E. RIO", "E.E. MAR", "E.E. LAGO"],
            "E.M.": ["E.M. SERRA", "E.M. CAMPO"],
            "COLEGIO": ["COLEGIO B", "COLEGIO A"]
        },
        "referralVacancyFilterOmits": "E.E. MAR",
        "letterhead": {"cnpj": "00.000.000/0001-91", "email": "sme@example.org", "telephone": "(38)3741-0000",
                       "address": "Rua A, 1 - Centro - CEP 39475-000"},
        "support": {"email": "s@example.org", "telephone": "(38)99999-0000", "messagingPhone": "5538999990000"},
        "addresses": {"ipEcho": "https://ip.example.org/", "downloadServer": "http://dl.example.org:8080/",
                      "helpVideos": "https://v.example.org/", "messagingEndpoint": "https://chat.example.org/",
                      "enrolmentForm": "https://docs.example.org/ficha.pdf"},
        "pictures": {"coatOfArms": "a.png", "secretariatLogo": "b.png", "bannerLarge": "c.png", "bannerSmall": "d.png",
                     "mainBackground": "e.png", "loginBackground": "f.png", "cardBackground": "g.png",
                     "transportCoatOfArms": "h.png", "transportLogo": "i.png", "enrolmentDocuments": "j.png",
                     "requiredDocuments": "k.png"}
    })")
        .object();
}

QString TestInstallationData::write(const QJsonObject &root)
{
    const QString path = dir_.filePath(QStringLiteral("installation%1.json").arg(++files_));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(QJsonDocument(root).toJson());
    return path;
}

void TestInstallationData::schoolLists_data()
{
    QTest::addColumn<InstallationData::SchoolList>("list");
    QTest::addColumn<QStringList>("expected");
    const QStringList cmei{"CMEI LUA", "CMEI SOL"}, ee{"E.E. LAGO", "E.E. MAR", "E.E. RIO"},
        em{"E.M. CAMPO", "E.M. SERRA"}, col{"COLEGIO A", "COLEGIO B"};
    QTest::newRow("annual registration field") << L::Registration << cmei + em + QStringList{QString()};
    QTest::newRow("registration filter and search") << L::RegistrationFilter << cmei + em;
    QTest::newRow("vacancies") << L::Vacancy << cmei + ee + em;
    QTest::newRow("referrals, follow-up, transport")
        << L::Referral << cmei + ee + em + col + QStringList{"OUTRO(A)S"};
    QTest::newRow("referral vacancy page")
        << L::ReferralVacancyFilter << cmei + QStringList{"E.E. LAGO", "E.E. RIO"} + em + col;
    QTest::newRow("employee department")
        << L::Department << cmei + em + QStringList{"SEC. ADMINISTRACAO", "SEC. ASSISTENCIA SOCIAL",
                                                    "SEC. COMPRAS",       "SEC. CULTURA E LAZER",
                                                    "SEC. VEZEDUDE",      "SEC. GABINETE",
                                                    "SEC. MEIO AMBIENTE", "SEC. OBRAS",
                                                    "SEC. PLANEJAMENTO",  "SEC. SAUDE",
                                                    "SEC. TRANSPORTE",    "OUTRO(A)S"};
}

void TestInstallationData::schoolLists()
{
    QFETCH(InstallationData::SchoolList, list);
    QFETCH(QStringList, expected);
    InstallationData data;
    QVERIFY2(data.load(write(sample())), qPrintable(data.errorString()));
    QCOMPARE(data.schoolList(list), expected);
}

void TestInstallationData::addressesAndPictures()
{
    InstallationData data;
    const QString path = write(sample());
    QVERIFY2(data.load(path), qPrintable(data.errorString()));
    // The fixed paths go after the configured host, whatever slashes the file puts at its end.
    QCOMPARE(data.updateUrl(),
             QStringLiteral("http://dl.example.org:8080/vezedude/vodo/reduroz/DAVURUR.exe"));
    QCOMPARE(data.remoteSupportUrl(),
             QStringLiteral("http://dl.example.org:8080/vodo/programas/tecnico/AnyDesk-5-3-3.exe"));
    QCOMPARE(data.messagingEndpoint(), QStringLiteral("https://chat.example.org"));
    QCOMPARE(data.supportChatUrl(), QStringLiteral("https://chat.example.org/send?phone=5538999990000"));
    QCOMPARE(data.letterhead().cnpj, QStringLiteral("00.000.000/0001-91"));
    // Pictures are found beside the file, not beside the working folder.
    QCOMPARE(data.picturePath(InstallationData::Picture::BannerSmall), QDir(dir_.path()).filePath("d.png"));
    QCOMPARE(data.picturePath(InstallationData::Picture::RequiredDocuments),
             QDir(dir_.path()).filePath("k.png"));
}

void TestInstallationData::faultyFileIsRefused_data()
{
    QTest::addColumn<QJsonObject>("root");
    QTest::addColumn<QString>("mentions");
    QJsonObject root = sample();
    QJsonObject schools = root["schools"].toObject();

    QJsonObject noGroup = root, s = schools;
    s.remove("E.E.");
    noGroup["schools"] = s;
    QTest::newRow("group missing") << noGroup << "E.E.";

    QJsonObject wrongPrefix = root;
    s = schools;
    s["E.M."] = QJsonArray{"E.M. SERRA", "ESCOLA CAMPO"};
    wrongPrefix["schools"] = s;
    QTest::newRow("name without its prefix") << wrongPrefix << "ESCOLA CAMPO";

    QJsonObject twice = root;
    s = schools;
    s["CMEI"] = QJsonArray{"CMEI SOL", "CMEI SOL"};
    twice["schools"] = s;
    QTest::newRow("school twice") << twice << "CMEI SOL";

    QJsonObject omitted = root;
    omitted["referralVacancyFilterOmits"] = "COLEGIO A";
    QTest::newRow("omitted school not a vacancy school") << omitted << "COLEGIO A";

    QJsonObject noCnpj = root;
    QJsonObject letterhead = root["letterhead"].toObject();
    letterhead["cnpj"] = "  ";
    noCnpj["letterhead"] = letterhead;
    QTest::newRow("blank CNPJ") << noCnpj << "letterhead.cnpj";

    QJsonObject noPicture = root;
    QJsonObject pictures = root["pictures"].toObject();
    pictures.remove("cardBackground");
    noPicture["pictures"] = pictures;
    QTest::newRow("picture missing") << noPicture << "pictures.cardBackground";
}

void TestInstallationData::faultyFileIsRefused()
{
    QFETCH(QJsonObject, root);
    QFETCH(QString, mentions);
    InstallationData data;
    QVERIFY(!data.load(write(root)));
    QVERIFY(!data.isLoaded());
    QVERIFY2(data.errorString().contains(mentions), qPrintable(data.errorString()));
    QVERIFY(data.schoolList(L::Vacancy).isEmpty());
}

void TestInstallationData::shippedFile()
{
    InstallationData data;
    const QString path = qEnvironmentVariable("MIRABELTA_SOURCE") + "/installation/installation.json";
    QVERIFY2(data.load(path), qPrintable(data.errorString()));
    // The group sizes the screens were laid out for.
    QCOMPARE(data.schools(InstallationData::Group::Cmei).size(), 11);
    QCOMPARE(data.schools(InstallationData::Group::Estadual).size(), 8);
    QCOMPARE(data.schools(InstallationData::Group::Municipal).size(), 10);
    QCOMPARE(data.schools(InstallationData::Group::Colegio).size(), 2);
    QCOMPARE(data.schoolList(L::Vacancy).size(), 29);
    QCOMPARE(data.schoolList(L::Referral).size(), 32);
    QCOMPARE(data.schoolList(L::Department).size(), 33);
    // The annual registration stores the school in 50 characters; the other tables in 100.
    for (const QString &s : data.schoolList(L::Registration))
        QVERIFY2(s.size() <= 50, qPrintable(s));
    for (const QString &s : data.allSchools())
        QVERIFY2(s.size() <= 100 && s == s.toUpper(), qPrintable(s));
    for (int p = int(InstallationData::Picture::CoatOfArms);
         p <= int(InstallationData::Picture::RequiredDocuments); ++p) {
        const QString file = data.picturePath(InstallationData::Picture(p));
        QVERIFY2(!QImage(file).isNull(), qPrintable(file + " is not a readable picture"));
    }
    // Demo addresses only: nothing the program opens may reach a real service.
    for (const QString &url : {data.ipEchoUrl(), data.updateUrl(), data.remoteSupportUrl(),
                               data.helpVideosUrl(), data.enrolmentFormUrl(), data.supportChatUrl()}) {
        const QString host = QUrl(url).host();
        QVERIFY2(host.endsWith(".example.org") || host.endsWith(".invalid"), qPrintable(url));
    }
}

QObject *makeTestInstallationData()
{
    return new TestInstallationData;
}

#include "tst_InstallationData.moc"
