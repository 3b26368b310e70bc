#pragma once
// Seeded source of believable Vargedo data: names, documents, telephones, addresses and dates,
// in the forms the registers store them (upper case, accents folded, masks' literals kept).
#include <QDate>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

namespace demo {

class DemoRandom {
public:
    enum class Sex { Female, Male };
    enum class Age { Child, Adult };

    explicit DemoRandom(quint32 seed) : rng_(seed) {}

    int between(int lo, int hi); // both ends included
    bool chance(int percent);
    const QString &pick(const QStringList &list);
    QDate dateBetween(const QDate &from, const QDate &to);
    Sex sex() { return chance(50) ? Sex::Female : Sex::Male; }

    QString firstName(Sex sex, Age age);
    QString surname();
    // First name and one or two surnames, ending with the given family name when there is one.
    QString fullName(Sex sex, Age age, const QString &familyName = {});
    static QString familyName(const QString &name);

    QString cpf(); // ddd.ddd.ddd-dd with correct check digits
    QString digits(int count);
    QString mobile();   // (38)9dddd-dddd
    QString landline(); // (38)37dd-dddd
    QString rg();       // MG-dd.ddd.ddd
    QString cep();      // 39475-ddd

    QString street();
    QString houseNumber();
    QString bairro();
    QString ruralPlace(); // a boarding place of the school transport
    QString district();
    QString birthTown();

    // A birth date that the grade placement of the given year puts at the given age.
    QDate birthForPlacement(int placementAge, int year);
    QString sentence(const QStringList &pool, int minParts, int maxParts);

    // A small picture of a person in PNG: the photo of some pupils and employees.
    QByteArray portrait();

private:
    QRandomGenerator rng_;
};

} // namespace demo
