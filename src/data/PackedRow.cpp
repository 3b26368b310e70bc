#include "data/PackedRow.h"

#include "fb/Fb.h"

namespace data {
namespace {

constexpr qint64 kDateBase = 2400001; // day 0 of the server's dates

template <class T> void put(std::vector<char> &out, T v)
{
    const auto at = out.size();
    out.resize(at + sizeof v);
    std::memcpy(out.data() + at, &v, sizeof v);
}

void putBytes(std::vector<char> &out, const char *p, size_t n)
{
    out.insert(out.end(), p, p + n);
}

// Length in bytes of the first n UTF-8 characters of s.
size_t utf8Prefix(const char *s, size_t len, size_t chars)
{
    size_t i = 0;
    while (i < len && chars > 0) {
        const auto c = uint8_t(s[i]);
        i += c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        --chars;
    }
    return std::min(i, len);
}

} // namespace

FieldDef FieldDef::fromColumn(const fb::Column &c)
{
    FieldDef d;
    d.name = c.name.toUpper();
    d.required = !c.nullable;
    d.scale = c.scale;
    switch (c.type) {
    case fb::ColumnType::Smallint:
    case fb::ColumnType::Integer:
        d.type = c.scale < 0 ? FieldType::Decimal : FieldType::Integer;
        break;
    case fb::ColumnType::Bigint:
        d.type = c.scale < 0 ? FieldType::Decimal : FieldType::Bigint;
        break;
    case fb::ColumnType::Float:
    case fb::ColumnType::Double:
        d.type = FieldType::Double;
        break;
    case fb::ColumnType::Boolean:
        d.type = FieldType::Boolean;
        break;
    case fb::ColumnType::Char:
        d.type = FieldType::FixedText;
        d.size = int(c.charLength);
        break;
    case fb::ColumnType::Varchar:
        d.type = FieldType::Text;
        d.size = int(c.charLength);
        break;
    case fb::ColumnType::Date:
        d.type = FieldType::Date;
        break;
    case fb::ColumnType::Time:
        d.type = FieldType::Time;
        break;
    case fb::ColumnType::Timestamp:
        d.type = FieldType::Timestamp;
        break;
    case fb::ColumnType::TextBlob:
        d.type = FieldType::Memo;
        break;
    case fb::ColumnType::BinaryBlob:
        d.type = FieldType::Blob;
        break;
    case fb::ColumnType::Other:
        throw fb::Error(QStringLiteral("Tipo de coluna não suportado: %1").arg(c.name));
    }
    return d;
}

void encodeField(const FieldDef &def, const fb::Value &v, std::vector<char> &out)
{
    auto fail = [&](const char *why) {
        throw fb::ConversionError(QStringLiteral("Valor '%1' inválido para o campo %2: %3")
                                      .arg(v.toString().left(60), def.name, QString::fromUtf8(why)));
    };
    switch (def.type) {
    case FieldType::Integer: {
        qint64 x = 0;
        try {
            x = v.toInt();
        } catch (const fb::ConversionError &) {
            fail("não é um número inteiro");
        }
        if (x < INT32_MIN || x > INT32_MAX)
            fail("fora do intervalo");
        put<int32_t>(out, int32_t(x));
        return;
    }
    case FieldType::Bigint:
        try {
            put<qint64>(out, v.toInt());
        } catch (const fb::ConversionError &) {
            fail("não é um número inteiro");
        }
        return;
    case FieldType::Decimal: {
        fb::Decimal d;
        if (v.holds<fb::Decimal>())
            d = v.get<fb::Decimal>().rescaled(def.scale);
        else if (v.holds<qint64>())
            d = fb::Decimal{v.get<qint64>(), 0}.rescaled(def.scale);
        else if (v.holds<double>())
            d = fb::Decimal::fromDouble(v.get<double>(), def.scale);
        else if (!fb::Decimal::parse(v.toString(), def.scale, d))
            fail("não é um número");
        put<qint64>(out, d.units);
        return;
    }
    case FieldType::Double:
        try {
            put<double>(out, v.toDouble());
        } catch (const fb::ConversionError &) {
            fail("não é um número");
        }
        return;
    case FieldType::Boolean:
        put<uint8_t>(out, v.toInt() ? 1 : 0);
        return;
    case FieldType::Text:
    case FieldType::FixedText:
    case FieldType::Memo: {
        const QString s = v.toString();
        if (def.size > 0 && s.toUcs4().size() > def.size)
            fail("texto maior que o tamanho do campo");
        const QByteArray b = s.toUtf8();
        putBytes(out, b.constData(), size_t(b.size()));
        return;
    }
    case FieldType::Blob: {
        const QByteArray b = v.holds<QByteArray>() ? v.get<QByteArray>() : v.toString().toUtf8();
        putBytes(out, b.constData(), size_t(b.size()));
        return;
    }
    case FieldType::Date: {
        QDate d;
        try {
            d = v.toDate();
        } catch (const fb::ConversionError &) {
            fail("não é uma data");
        }
        put<int32_t>(out, int32_t(d.toJulianDay() - kDateBase));
        return;
    }
    case FieldType::Time: {
        fb::Time t;
        if (v.holds<fb::Time>())
            t = v.get<fb::Time>();
        else if (v.holds<fb::Timestamp>())
            t = v.get<fb::Timestamp>().time;
        else if (!fb::Time::parse(v.toString(), t))
            fail("não é uma hora");
        put<uint32_t>(out, t.fractions);
        return;
    }
    case FieldType::Timestamp: {
        fb::Timestamp ts;
        if (v.holds<fb::Timestamp>())
            ts = v.get<fb::Timestamp>();
        else {
            const QString s = v.toString().trimmed();
            const auto sp = s.indexOf(QLatin1Char(' '));
            try {
                ts.date = fb::Value(sp < 0 ? s : s.left(sp)).toDate();
            } catch (const fb::ConversionError &) {
                fail("não é uma data e hora");
            }
            if (sp >= 0 && !fb::Time::parse(s.mid(sp + 1), ts.time))
                fail("não é uma data e hora");
        }
        put<int32_t>(out, int32_t(ts.date.toJulianDay() - kDateBase));
        put<uint32_t>(out, ts.time.fractions);
        return;
    }
    }
}

char *RowArena::allocate(size_t bytes)
{
    bytes = (bytes + 7) & ~size_t(7); // keeps every row's header aligned
    if (used_ + bytes > capacity_) {
        capacity_ = std::max<size_t>(bytes, 1 << 20);
        blocks_.emplace_back(new char[capacity_]);
        used_ = 0;
        reserved_ += capacity_;
    }
    char *p = blocks_.back().get() + used_;
    used_ += bytes;
    return p;
}

PackedRow PackedRow::build(const std::vector<FieldDef> &defs, const std::vector<char> &payload,
                           const std::vector<uint32_t> &ends, const std::vector<bool> &nulls, RowArena *arena)
{
    const size_t n = defs.size();
    const bool wide = payload.size() > 0xFFFF;
    const size_t bitmap = (n + 7) / 8;
    const size_t total = kHeader + bitmap + n * (wide ? 4 : 2) + payload.size();
    PackedRow row;
    if (arena) {
        row.data_ = arena->allocate(total);
    } else {
        row.data_ = new char[total];
        row.owned_ = true;
    }
    char *p = row.data_;
    const Header h{uint32_t(total), uint16_t(n), uint8_t(wide), 0};
    std::memcpy(p, &h, sizeof h);
    p += kHeader;
    std::memset(p, 0, bitmap);
    for (size_t i = 0; i < n; ++i)
        if (nulls[i])
            p[i >> 3] = char(uint8_t(p[i >> 3]) | (1u << (i & 7)));
    p += bitmap;
    for (size_t i = 0; i < n; ++i) {
        if (wide) {
            std::memcpy(p, &ends[i], 4);
            p += 4;
        } else {
            const auto e = uint16_t(ends[i]);
            std::memcpy(p, &e, 2);
            p += 2;
        }
    }
    if (!payload.empty())
        std::memcpy(p, payload.data(), payload.size());
    return row;
}

PackedRow PackedRow::clone() const
{
    PackedRow r;
    if (data_) {
        r.data_ = new char[header().total];
        r.owned_ = true;
        std::memcpy(r.data_, data_, header().total);
    }
    return r;
}

PackedRow PackedRow::fromValues(const std::vector<FieldDef> &defs, const QList<fb::Value> &values)
{
    std::vector<char> payload;
    std::vector<uint32_t> ends(defs.size());
    std::vector<bool> nulls(defs.size());
    for (size_t i = 0; i < defs.size(); ++i) {
        const fb::Value &v = values.at(qsizetype(i));
        nulls[i] = v.isNull();
        if (!nulls[i])
            encodeField(defs[i], v, payload);
        ends[i] = uint32_t(payload.size());
    }
    return build(defs, payload, ends, nulls);
}

PackedRow PackedRow::fromResult(const std::vector<FieldDef> &defs, const fb::ResultSet &rs,
                                std::vector<char> &payload, RowArena *arena)
{
    const auto &cols = rs.columns();
    payload.clear();
    thread_local std::vector<uint32_t> ends;
    thread_local std::vector<bool> nulls;
    ends.assign(defs.size(), 0);
    nulls.assign(defs.size(), false);
    for (size_t i = 0; i < defs.size(); ++i) {
        const int ci = int(i);
        if (rs.isNull(ci)) {
            nulls[i] = true;
            ends[i] = uint32_t(payload.size());
            continue;
        }
        const fb::Column &c = cols.at(ci);
        const unsigned char *raw = rs.raw(ci);
        switch (c.type) {
        case fb::ColumnType::Smallint: {
            int16_t v;
            std::memcpy(&v, raw, 2);
            if (defs[i].type == FieldType::Decimal)
                put<qint64>(payload, v);
            else
                put<int32_t>(payload, v);
            break;
        }
        case fb::ColumnType::Integer: {
            int32_t v;
            std::memcpy(&v, raw, 4);
            if (defs[i].type == FieldType::Decimal)
                put<qint64>(payload, v);
            else
                put<int32_t>(payload, v);
            break;
        }
        case fb::ColumnType::Float: {
            float v;
            std::memcpy(&v, raw, 4);
            put<double>(payload, double(v));
            break;
        }
        case fb::ColumnType::Bigint:
        case fb::ColumnType::Double:
        case fb::ColumnType::Timestamp:
            putBytes(payload, reinterpret_cast<const char *>(raw), 8);
            break;
        case fb::ColumnType::Date:
        case fb::ColumnType::Time:
            putBytes(payload, reinterpret_cast<const char *>(raw), 4);
            break;
        case fb::ColumnType::Boolean:
            putBytes(payload, reinterpret_cast<const char *>(raw), 1);
            break;
        case fb::ColumnType::Varchar: {
            uint16_t len;
            std::memcpy(&len, raw, 2);
            putBytes(payload, reinterpret_cast<const char *>(raw) + 2, len);
            break;
        }
        case fb::ColumnType::Char: {
            const char *s = reinterpret_cast<const char *>(raw);
            // A multi-byte CHAR(n) arrives padded to its byte length: keep its n characters.
            const size_t len = c.bytesPerChar > 1 ? utf8Prefix(s, c.length, c.charLength) : c.length;
            putBytes(payload, s, len);
            break;
        }
        case fb::ColumnType::TextBlob:
        case fb::ColumnType::BinaryBlob: {
            const QByteArray b = rs.readBlob(ci);
            putBytes(payload, b.constData(), size_t(b.size()));
            break;
        }
        case fb::ColumnType::Other:
            break;
        }
        ends[i] = uint32_t(payload.size());
    }
    return build(defs, payload, ends, nulls, arena);
}

fb::Value PackedRow::value(const std::vector<FieldDef> &defs, int field) const
{
    if (isNull(field))
        return {};
    const FieldDef &d = defs[size_t(field)];
    switch (d.type) {
    case FieldType::Integer:
        return fb::Value(qint64(scalar<int32_t>(field)));
    case FieldType::Bigint:
        return fb::Value(scalar<qint64>(field));
    case FieldType::Decimal:
        return fb::Value(fb::Decimal{scalar<qint64>(field), d.scale});
    case FieldType::Double:
        return fb::Value(scalar<double>(field));
    case FieldType::Boolean:
        return fb::Value(scalar<uint8_t>(field) != 0);
    case FieldType::Text:
    case FieldType::FixedText:
    case FieldType::Memo: {
        const auto b = bytes(field);
        return fb::Value(QString::fromUtf8(b.data(), b.size()));
    }
    case FieldType::Blob:
        return fb::Value(bytes(field).toByteArray());
    case FieldType::Date:
        return fb::Value(QDate::fromJulianDay(qint64(scalar<int32_t>(field)) + kDateBase));
    case FieldType::Time:
        return fb::Value(fb::Time{scalar<uint32_t>(field)});
    case FieldType::Timestamp: {
        const auto b = bytes(field);
        int32_t day;
        uint32_t t;
        std::memcpy(&day, b.data(), 4);
        std::memcpy(&t, b.data() + 4, 4);
        return fb::Value(fb::Timestamp{QDate::fromJulianDay(qint64(day) + kDateBase), fb::Time{t}});
    }
    }
    return {};
}

} // namespace data
