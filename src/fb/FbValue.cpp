#include "fb/FbValue.h"
#include "fb/Fb.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace fb {
namespace {

__extension__ typedef __int128 Int128;

qint64 pow10(int n)
{
    qint64 r = 1;
    while (n-- > 0)
        r *= 10;
    return r;
}

} // namespace

Time Time::fromHms(int h, int m, int s, int tenThousandths)
{
    return Time{quint32(((h * 60 + m) * 60 + s)) * perSecond + quint32(tenThousandths)};
}

Time Time::fromQTime(const QTime &t)
{
    return fromHms(t.hour(), t.minute(), t.second(), t.msec() * 10);
}

QTime Time::toQTime() const
{
    const quint32 secs = fractions / perSecond;
    return QTime(int(secs / 3600), int(secs / 60 % 60), int(secs % 60), int(fractions % perSecond / 10));
}

QString Time::toString() const
{
    const quint32 secs = fractions / perSecond;
    const quint32 frac = fractions % perSecond;
    QString s = QStringLiteral("%1:%2:%3")
                    .arg(secs / 3600, 2, 10, QLatin1Char('0'))
                    .arg(secs / 60 % 60, 2, 10, QLatin1Char('0'))
                    .arg(secs % 60, 2, 10, QLatin1Char('0'));
    if (frac)
        s += QStringLiteral(".%1").arg(frac, 4, 10, QLatin1Char('0'));
    return s;
}

bool Time::parse(const QString &text, Time &out)
{
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*(\d{1,2}):(\d{2})(?::(\d{2})(?:[.,](\d{1,4}))?)?\s*$)"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    const int h = m.captured(1).toInt(), mi = m.captured(2).toInt(), s = m.captured(3).toInt();
    if (h > 23 || mi > 59 || s > 59)
        return false;
    QString frac = m.captured(4);
    while (!frac.isEmpty() && frac.size() < 4)
        frac += QLatin1Char('0');
    out = fromHms(h, mi, s, frac.toInt());
    return true;
}

std::strong_ordering Timestamp::operator<=>(const Timestamp &o) const
{
    if (auto c = date.toJulianDay() <=> o.date.toJulianDay(); c != 0)
        return c;
    return time <=> o.time;
}

bool Decimal::parse(const QString &text, int scale, Decimal &out)
{
    static const QRegularExpression re(QStringLiteral(R"(^\s*([+-]?)(\d*)(?:[.,](\d*))?\s*$)"));
    const auto m = re.match(text);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return false;
    const int places = -scale;
    QString frac = m.captured(3);
    if (frac.size() > places) {
        // More decimals than the column keeps: only trailing zeros may go.
        if (frac.mid(places).count(QLatin1Char('0')) != frac.size() - places)
            return false;
        frac.truncate(places);
    }
    while (frac.size() < places)
        frac += QLatin1Char('0');
    const QString digits = (m.captured(2).isEmpty() ? QStringLiteral("0") : m.captured(2)) + frac;
    bool ok = false;
    const qulonglong magnitude = digits.toULongLong(&ok);
    const bool negative = m.captured(1) == QLatin1String("-");
    if (!ok || magnitude > qulonglong(std::numeric_limits<qint64>::max()) + (negative ? 1 : 0))
        return false;
    out.scale = scale;
    out.units = negative ? qint64(0 - magnitude) : qint64(magnitude);
    return true;
}

Decimal Decimal::fromDouble(double v, int scale)
{
    return Decimal{qint64(std::llround(v * double(pow10(-scale)))), scale};
}

double Decimal::toDouble() const
{
    return double(units) / double(pow10(-scale));
}

QString Decimal::toString() const
{
    const int places = -scale;
    const bool negative = units < 0;
    // Work on the unsigned magnitude so the smallest value does not overflow.
    const quint64 mag = negative ? quint64(0) - quint64(units) : quint64(units);
    QString digits = QString::number(mag);
    if (places == 0)
        return negative ? QLatin1Char('-') + digits : digits;
    while (digits.size() <= places)
        digits.prepend(QLatin1Char('0'));
    digits.insert(digits.size() - places, QLatin1Char('.'));
    return negative ? QLatin1Char('-') + digits : digits;
}

Decimal Decimal::rescaled(int newScale) const
{
    if (newScale == scale)
        return *this;
    if (newScale < scale)
        return Decimal{units * pow10(scale - newScale), newScale};
    const qint64 div = pow10(newScale - scale);
    qint64 q = units / div;
    const qint64 r = units % div;
    if (2 * (r < 0 ? -r : r) >= div)
        q += units < 0 ? -1 : 1;
    return Decimal{q, newScale};
}

bool Decimal::operator==(const Decimal &o) const
{
    return (*this <=> o) == 0;
}

std::strong_ordering Decimal::operator<=>(const Decimal &o) const
{
    if (scale == o.scale)
        return units <=> o.units;
    // Compare at the finer scale; 128-bit keeps large values exact.
    const int s = std::min(scale, o.scale);
    const Int128 a = Int128(units) * pow10(scale - s);
    const Int128 b = Int128(o.units) * pow10(o.scale - s);
    return a < b   ? std::strong_ordering::less
           : a > b ? std::strong_ordering::greater
                   : std::strong_ordering::equal;
}

QString Value::toString() const
{
    return std::visit(
        [](const auto &v) -> QString {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return {};
            else if constexpr (std::is_same_v<T, qint64>)
                return QString::number(v);
            else if constexpr (std::is_same_v<T, double>)
                return QString::number(v, 'g', 15);
            else if constexpr (std::is_same_v<T, bool>)
                return v ? QStringLiteral("True") : QStringLiteral("False");
            else if constexpr (std::is_same_v<T, QString>)
                return v;
            else if constexpr (std::is_same_v<T, QByteArray>)
                return QString::fromUtf8(v);
            else if constexpr (std::is_same_v<T, QDate>)
                return v.toString(QStringLiteral("dd/MM/yyyy"));
            else if constexpr (std::is_same_v<T, Time>)
                return v.toString();
            else if constexpr (std::is_same_v<T, Timestamp>)
                return v.date.toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(' ') + v.time.toString();
            else
                return v.toString();
        },
        v_);
}

qint64 Value::toInt() const
{
    if (auto p = std::get_if<qint64>(&v_))
        return *p;
    if (auto p = std::get_if<Decimal>(&v_))
        return p->rescaled(0).units;
    if (auto p = std::get_if<double>(&v_))
        return qint64(std::llround(*p));
    if (auto p = std::get_if<bool>(&v_))
        return *p ? 1 : 0;
    if (isNull())
        return 0;
    bool ok = false;
    const qint64 v = toString().trimmed().toLongLong(&ok);
    if (!ok)
        throw ConversionError(QStringLiteral("'%1' não é um valor inteiro válido").arg(toString()));
    return v;
}

double Value::toDouble() const
{
    if (auto p = std::get_if<double>(&v_))
        return *p;
    if (auto p = std::get_if<Decimal>(&v_))
        return p->toDouble();
    if (auto p = std::get_if<qint64>(&v_))
        return double(*p);
    if (isNull())
        return 0;
    bool ok = false;
    const double v = QString(toString()).replace(QLatin1Char(','), QLatin1Char('.')).trimmed().toDouble(&ok);
    if (!ok)
        throw ConversionError(QStringLiteral("'%1' não é um valor numérico válido").arg(toString()));
    return v;
}

QDate Value::toDate() const
{
    if (auto p = std::get_if<QDate>(&v_))
        return *p;
    if (auto p = std::get_if<Timestamp>(&v_))
        return p->date;
    if (isNull())
        return {};
    const QString text = toString().trimmed();
    QDate d = QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
    if (!d.isValid())
        d = QDate::fromString(text, QStringLiteral("d/M/yyyy"));
    if (!d.isValid())
        d = QDate::fromString(text, Qt::ISODate);
    if (!d.isValid())
        throw ConversionError(QStringLiteral("'%1' não é uma data válida").arg(text));
    return d;
}

} // namespace fb
