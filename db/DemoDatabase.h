#pragma once
// Fills a fresh MIRABELTA database with a believable, reproducible picture of the Vargedo
// secretariat: users of every level, the catalogues, vacancies, referrals, pupils, staff,
// attendance sheets, payroll, transport and follow-up records.
#include "DemoRandom.h"
#include "DemoWriter.h"
#include "app/InstallationData.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

namespace demo {

class DemoDatabase {
public:
    static constexpr quint32 defaultSeed = 20261130;

    struct User {
        int level;
        QString login;
        QString name;
    };
    // One user per level the user register offers; all share demoPassword().
    static const QList<User> &users();
    static QString demoPassword();
    // The day the demo data was "taken": nothing is dated later.
    static QDate today();

    DemoDatabase(fb::Attachment &attachment, const app::InstallationData &installation,
                 quint32 seed = defaultSeed);

    // Inserts every row and commits; returns the rows inserted per table.
    QMap<QString, int> build();

private:
    struct Offer {
        QString school;
        int grade; // index into the grade list
        QString shift;
    };
    struct Employee {
        int id;
        QString name;
        QString matricula;
        QString funcao;
        QString vinculo;
        QString dpto;
        QString local;
        QDate admission;
        int salaryCents;
    };
    struct Pupil {
        int id;
        QString name;
        QDate birth;
    };

    void fillUsers();
    void fillLogs();
    void fillCatalogues();
    void fillSchools();
    void fillPresidentAndAssets();
    void fillCalendar();
    void fillVacancies();
    void fillReferrals();
    void fillPupils();
    void fillRegistrations();
    void fillClasses();
    void fillEmployees();
    void fillAttendance();
    void fillPayroll();
    void fillFollowUps();
    void fillTransport();

    QList<Offer> offersOf(const QString &school) const;
    QDate birthFor(int grade, int year);
    QString stampUser(const QList<int> &levels);
    QString weightedStatus();

    DemoWriter writer_;
    const app::InstallationData &installation_;
    DemoRandom rnd_;
    QList<Offer> offers_; // what the vacancy table holds: school, grade and shift of every row
    QList<Employee> employees_;
    QList<Pupil> pupils_;
};

} // namespace demo
