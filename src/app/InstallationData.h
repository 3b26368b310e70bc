#pragma once
// The deployment's own data, read from installation.json beside the program: the municipality's
// schools, the secretariat's letterhead data, the outside addresses and the pictures.
#include <QString>
#include <QStringList>

namespace app {

class InstallationData {
public:
    // The school groups of the installation file, by the prefix every name of the group starts with.
    enum class Group {
        Cmei,      // "CMEI": early-childhood centres
        Estadual,  // "E.E.": state schools
        Municipal, // "E.M.": municipal schools
        Colegio,   // "COLEGIO": private schools
    };

    // The school pick lists. Each is composed from the groups in a fixed order; inside a group the
    // names are in alphabetical order.
    enum class SchoolList {
        // CMEI, E.M., then one empty entry that clears the field: "ESCOLA" of the annual registration.
        Registration,
        // CMEI, E.M. (21 names): the school filter of the annual registration and the registration search.
        RegistrationFilter,
        // CMEI, E.E., E.M. (29 names): the vacancy register and the vacancy search.
        Vacancy,
        // The vacancy list, the two private schools and "OUTRO(A)S" (32 entries): the referral register
        // and its searches, the technical-team follow-up and the transport authorisation.
        Referral,
        // The vacancy list less the school named by "referralVacancyFilterOmits", then the private
        // schools: the "ESCOLA E SERIE E TURNO" box on the referral register's vacancy page.
        ReferralVacancyFilter,
        // CMEI, E.M., the eleven secretariats and "OUTRO(A)S" (33 entries): the employee's department.
        Department,
    };

    enum class Picture {
        CoatOfArms,          // letterhead, left
        SecretariatLogo,     // letterhead, right
        BannerLarge,         // registration and referral listings, registration receipt
        BannerSmall,         // the other listings
        MainBackground,      // main window
        LoginBackground,     // login window
        CardBackground,      // employee contact cards
        TransportCoatOfArms, // the transport authorisation's own letterhead pair
        TransportLogo,
        EnrolmentDocuments, // the sheet of enrolment-documents slips
        RequiredDocuments,  // the framed list of documents in the referral letter
    };

    struct Letterhead {
        QString cnpj;
        QString email;
        QString telephone;
        QString address; // street and number, district, postal code
    };

    // installation.json in the folder of the running program.
    static QString defaultPath();

    // Reads and checks the file; on failure keeps nothing and errorString() says why.
    bool load(const QString &path = defaultPath());
    bool isLoaded() const { return loaded_; }
    QString errorString() const { return error_; }
    QString path() const { return path_; }

    static QString prefix(Group group);
    QStringList schools(Group group) const;
    QStringList schoolList(SchoolList list) const;
    // Every school of every group, in the order of the groups: the seed of the school catalogue.
    QStringList allSchools() const;

    QString municipality() const { return municipality_; }
    QString state() const { return state_; }
    Letterhead letterhead() const { return letterhead_; }

    QString ipEchoUrl() const { return ipEcho_; }
    QString updateUrl() const;        // the new executable on the maker's download server
    QString remoteSupportUrl() const; // the remote-support program on the same server
    QString helpVideosUrl() const { return helpVideos_; }
    QString enrolmentFormUrl() const { return enrolmentForm_; }
    // Scheme and host of the messaging service's click-to-chat addresses, without a trailing slash.
    QString messagingEndpoint() const { return messagingEndpoint_; }
    QString supportEmail() const { return supportEmail_; }
    QString supportTelephone() const { return supportTelephone_; }
    QString supportMessagingPhone() const { return supportMessagingPhone_; }
    // The login window's contact link: a chat with the maker's support number.
    QString supportChatUrl() const;

    // Absolute path of the picture file; it is not checked to exist.
    QString picturePath(Picture picture) const;

private:
    bool fail(const QString &message);

    bool loaded_ = false;
    QString error_;
    QString path_;
    QString dir_;
    QStringList groups_[4];
    QString omittedFromReferralVacancyFilter_;
    QString municipality_;
    QString state_;
    Letterhead letterhead_;
    QString ipEcho_;
    QString downloadServer_;
    QString helpVideos_;
    QString messagingEndpoint_;
    QString enrolmentForm_;
    QString supportEmail_;
    QString supportTelephone_;
    QString supportMessagingPhone_;
    QStringList pictures_;
};

} // namespace app
