#pragma once
// Exact values as Firebird stores them: scaled decimals, times in 1/10,000 s, CHAR as stored.
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>
#include <compare>
#include <cstdint>
#include <variant>

namespace fb {

// Time of day in the server's own unit: 1/10,000 of a second since midnight.
struct Time {
    quint32 fractions = 0;

    static constexpr quint32 perSecond = 10000;
    static Time fromHms(int h, int m, int s, int tenThousandths = 0);
    static Time fromQTime(const QTime &t);
    QTime toQTime() const; // loses the last digit (milliseconds)
    // "HH:mm:ss" when there is no fraction, else "HH:mm:ss.ffff".
    QString toString() const;
    static bool parse(const QString &text, Time &out);
    auto operator<=>(const Time &) const = default;
};

struct Timestamp {
    QDate date;
    Time time;
    bool operator==(const Timestamp &) const = default;
    std::strong_ordering operator<=>(const Timestamp &o) const;
};

// A NUMERIC/DECIMAL value kept as a scaled integer: value = units * 10^scale (scale <= 0).
struct Decimal {
    qint64 units = 0;
    int scale = 0;

    // Parses "1234.56", "-0,5", "12" into the given scale; false when out of range or not a number.
    static bool parse(const QString &text, int scale, Decimal &out);
    static Decimal fromDouble(double v, int scale);
    double toDouble() const;
    QString toString() const; // always with |scale| decimals, '.' as separator
    Decimal rescaled(int newScale) const;
    bool operator==(const Decimal &o) const;
    std::strong_ordering operator<=>(const Decimal &o) const;
};

// One value of a column or a parameter. Text is QString; binary and BLOB data QByteArray.
class Value {
public:
    using Storage = std::variant<std::monostate, qint64, double, bool, QString, QByteArray, QDate, Time,
                                 Timestamp, Decimal>;
    Value() = default;
    Value(std::nullptr_t) {}
    Value(int v) : v_(qint64(v)) {}
    Value(qint64 v) : v_(v) {}
    Value(double v) : v_(v) {}
    Value(bool v) : v_(v) {}
    Value(const char *v) : v_(QString::fromUtf8(v)) {}
    Value(const QString &v) : v_(v) {}
    Value(const QByteArray &v) : v_(v) {}
    Value(const QDate &v) : v_(v) {}
    Value(Time v) : v_(v) {}
    Value(const Timestamp &v) : v_(v) {}
    Value(const Decimal &v) : v_(v) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(v_); }
    const Storage &storage() const { return v_; }
    template <class T> bool holds() const { return std::holds_alternative<T>(v_); }
    template <class T> const T &get() const { return std::get<T>(v_); }

    // Conversions used by screens and parameters; a failed conversion throws fb::ConversionError.
    QString toString() const; // NULL gives ""; dates dd/MM/yyyy
    qint64 toInt() const;
    double toDouble() const;
    QDate toDate() const;

    bool operator==(const Value &o) const { return v_ == o.v_; }

private:
    Storage v_;
};

} // namespace fb
