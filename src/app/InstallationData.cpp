// The deployment's own data: schools, letterhead, outside addresses and pictures.
#include "app/InstallationData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace app {

namespace {

constexpr int groupCount = 4;

const char *const groupKeys[groupCount] = {"CMEI", "E.E.", "E.M.", "COLEGIO"};

const char *const pictureKeys[] = {
    "coatOfArms",     "secretariatLogo",    "bannerLarge",       "bannerSmall",
    "mainBackground", "loginBackground",    "cardBackground",    "transportCoatOfArms",
    "transportLogo",  "enrolmentDocuments", "requiredDocuments",
};

const QString outros = QStringLiteral("OUTRO(A)S");

// The secretariats of the employee's department list; they belong to the program, not to a school list.
const QStringList &secretarias()
{
    static const QStringList list = {
        QStringLiteral("SEC. ADMINISTRACAO"), QStringLiteral("SEC. ASSISTENCIA SOCIAL"),
        QStringLiteral("SEC. COMPRAS"),       QStringLiteral("SEC. CULTURA E LAZER"),
        QStringLiteral("SEC. VEZEDUDE"),      QStringLiteral("SEC. GABINETE"),
        QStringLiteral("SEC. MEIO AMBIENTE"), QStringLiteral("SEC. OBRAS"),
        QStringLiteral("SEC. PLANEJAMENTO"),  QStringLiteral("SEC. SAUDE"),
        QStringLiteral("SEC. TRANSPORTE"),
    };
    return list;
}

QString joinUrl(const QString &base, const QString &path)
{
    QString b = base;
    while (b.endsWith(QLatin1Char('/')))
        b.chop(1);
    return b + path;
}

} // namespace

QString InstallationData::defaultPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("installation.json"));
}

QString InstallationData::prefix(Group group)
{
    return QString::fromLatin1(groupKeys[int(group)]);
}

bool InstallationData::fail(const QString &message)
{
    *this = InstallationData();
    error_ = message;
    return false;
}

bool InstallationData::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (doc.isNull())
        return fail(
            QStringLiteral("%1: %2 (posição %3)").arg(path, parseError.errorString()).arg(parseError.offset));
    const QJsonObject root = doc.object();

    // A missing or empty text is an installation fault: report it instead of showing blanks later.
    QString missing;
    auto text = [&](const QJsonObject &obj, const char *section, const char *key) {
        const QString value = obj.value(QLatin1String(key)).toString().trimmed();
        if (value.isEmpty() && missing.isEmpty())
            missing = *section ? QStringLiteral("%1.%2").arg(QLatin1String(section), QLatin1String(key))
                               : QString::fromLatin1(key);
        return value;
    };

    const QJsonObject schools = root.value(QLatin1String("schools")).toObject();
    QStringList seen;
    for (int g = 0; g < groupCount; ++g) {
        const QString groupPrefix = QString::fromLatin1(groupKeys[g]);
        const QJsonValue value = schools.value(groupPrefix);
        if (!value.isArray())
            return fail(QStringLiteral("%1: falta o grupo de escolas \"%2\"").arg(path, groupPrefix));
        QStringList names;
        for (const QJsonValue &v : value.toArray()) {
            const QString name = v.toString();
            // The lists store the name itself, so it must carry its group's prefix and be unique.
            if (!name.startsWith(groupPrefix + QLatin1Char(' ')) || name.trimmed() != name)
                return fail(QStringLiteral("%1: a escola \"%2\" não começa com \"%3 \"")
                                .arg(path, name, groupPrefix));
            if (seen.contains(name))
                return fail(QStringLiteral("%1: a escola \"%2\" aparece duas vezes").arg(path, name));
            seen << name;
            names << name;
        }
        // Ordinal order: the names are upper case without accents, as the registers store them.
        names.sort(Qt::CaseSensitive);
        groups_[g] = names;
    }

    omittedFromReferralVacancyFilter_ = text(root, "", "referralVacancyFilterOmits");

    const QJsonObject municipality = root.value(QLatin1String("municipality")).toObject();
    municipality_ = text(municipality, "municipality", "name");
    state_ = text(municipality, "municipality", "state");

    const QJsonObject letterhead = root.value(QLatin1String("letterhead")).toObject();
    letterhead_.cnpj = text(letterhead, "letterhead", "cnpj");
    letterhead_.email = text(letterhead, "letterhead", "email");
    letterhead_.telephone = text(letterhead, "letterhead", "telephone");
    letterhead_.address = text(letterhead, "letterhead", "address");

    const QJsonObject support = root.value(QLatin1String("support")).toObject();
    supportEmail_ = text(support, "support", "email");
    supportTelephone_ = text(support, "support", "telephone");
    supportMessagingPhone_ = text(support, "support", "messagingPhone");

    const QJsonObject addresses = root.value(QLatin1String("addresses")).toObject();
    ipEcho_ = text(addresses, "addresses", "ipEcho");
    downloadServer_ = text(addresses, "addresses", "downloadServer");
    helpVideos_ = text(addresses, "addresses", "helpVideos");
    messagingEndpoint_ = text(addresses, "addresses", "messagingEndpoint");
    while (messagingEndpoint_.endsWith(QLatin1Char('/')))
        messagingEndpoint_.chop(1);
    enrolmentForm_ = text(addresses, "addresses", "enrolmentForm");

    const QJsonObject pictures = root.value(QLatin1String("pictures")).toObject();
    for (const char *key : pictureKeys)
        pictures_ << text(pictures, "pictures", key);

    if (!missing.isEmpty())
        return fail(QStringLiteral("%1: falta o valor de %2").arg(path, missing));
    if (!schoolList(SchoolList::Vacancy).contains(omittedFromReferralVacancyFilter_))
        return fail(
            QStringLiteral("%1: referralVacancyFilterOmits \"%2\" não está na lista de escolas das vagas")
                .arg(path, omittedFromReferralVacancyFilter_));

    path_ = QFileInfo(path).absoluteFilePath();
    dir_ = QFileInfo(path).absolutePath();
    loaded_ = true;
    return true;
}

QStringList InstallationData::schools(Group group) const
{
    return groups_[int(group)];
}

QStringList InstallationData::allSchools() const
{
    return groups_[0] + groups_[1] + groups_[2] + groups_[3];
}

QStringList InstallationData::schoolList(SchoolList list) const
{
    const QStringList &cmei = groups_[int(Group::Cmei)];
    const QStringList &estadual = groups_[int(Group::Estadual)];
    const QStringList &municipal = groups_[int(Group::Municipal)];
    const QStringList &colegio = groups_[int(Group::Colegio)];
    switch (list) {
    case SchoolList::Registration:
        return cmei + municipal + QStringList{QString()};
    case SchoolList::RegistrationFilter:
        return cmei + municipal;
    case SchoolList::Vacancy:
        return cmei + estadual + municipal;
    case SchoolList::Referral:
        return cmei + estadual + municipal + colegio + QStringList{outros};
    case SchoolList::ReferralVacancyFilter: {
        QStringList l = cmei + estadual + municipal;
        l.removeOne(omittedFromReferralVacancyFilter_);
        return l + colegio;
    }
    case SchoolList::Department:
        return cmei + municipal + secretarias() + QStringList{outros};
    }
    return {};
}

QString InstallationData::updateUrl() const
{
    return joinUrl(downloadServer_, QStringLiteral("/vezedude/vodo/reduroz/DAVURUR.exe"));
}

QString InstallationData::remoteSupportUrl() const
{
    return joinUrl(downloadServer_, QStringLiteral("/vodo/programas/tecnico/AnyDesk-5-3-3.exe"));
}

QString InstallationData::supportChatUrl() const
{
    return messagingEndpoint_ + QStringLiteral("/send?phone=") + supportMessagingPhone_;
}

QString InstallationData::picturePath(Picture picture) const
{
    const int i = int(picture);
    if (!loaded_ || i >= pictures_.size())
        return {};
    return QDir(dir_).filePath(pictures_.at(i));
}

} // namespace app
