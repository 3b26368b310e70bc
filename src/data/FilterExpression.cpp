#include "data/FilterExpression.h"

#include <QRegularExpression>
#include <optional>

namespace data {
namespace {

// How a comparison reads its column.
enum Kind { KText, KFixedText, KTextOfValue, KInteger, KReal, KDate, KTime, KTimestamp, KBool };

constexpr qint64 kDateBase = 2400001;

struct Token {
    enum Type { Word, Text, Number, Date, Symbol, End } type = End;
    QString text;
    qsizetype pos = 0;
};

class Parser {
public:
    Parser(const QString &source, const std::vector<FieldDef> &fields,
           std::vector<FilterExpression::Node> &nodes)
        : src_(source), fields_(fields), nodes_(nodes)
    {
        tokenize();
    }

    void parse()
    {
        parseOr();
        if (tokens_[pos_].type != Token::End)
            fail(QStringLiteral("texto inesperado em \"%1\"").arg(src_.mid(tokens_[pos_].pos)));
    }

private:
    [[noreturn]] void fail(const QString &why) const
    {
        throw DataError(QStringLiteral("Filtro inválido: %1 (%2)").arg(src_, why));
    }

    void tokenize()
    {
        qsizetype i = 0;
        const qsizetype n = src_.size();
        while (i < n) {
            const QChar c = src_.at(i);
            if (c.isSpace()) {
                ++i;
                continue;
            }
            Token t;
            t.pos = i;
            if (c == QLatin1Char('\'')) {
                QString s;
                ++i;
                for (;;) {
                    if (i >= n)
                        fail(QStringLiteral("aspas sem fechamento"));
                    if (src_.at(i) == QLatin1Char('\'')) {
                        if (i + 1 < n && src_.at(i + 1) == QLatin1Char('\'')) {
                            s += QLatin1Char('\'');
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    s += src_.at(i++);
                }
                t.type = Token::Text;
                t.text = s;
            } else if (c.isLetter() || c == QLatin1Char('_')) {
                const qsizetype start = i;
                while (i < n && (src_.at(i).isLetterOrNumber() || src_.at(i) == QLatin1Char('_') ||
                                 src_.at(i) == QLatin1Char('$')))
                    ++i;
                t.type = Token::Word;
                t.text = src_.mid(start, i - start);
            } else if (c.isDigit() || ((c == QLatin1Char('-') || c == QLatin1Char('+')) && i + 1 < n &&
                                       src_.at(i + 1).isDigit())) {
                const qsizetype start = i++;
                while (i < n && (src_.at(i).isDigit() || src_.at(i) == QLatin1Char('.') ||
                                 src_.at(i) == QLatin1Char('/')))
                    ++i;
                t.text = src_.mid(start, i - start);
                t.type = t.text.contains(QLatin1Char('/')) ? Token::Date : Token::Number;
            } else if (QStringLiteral("<>=!").contains(c)) {
                const qsizetype start = i++;
                if (i < n && (src_.at(i) == QLatin1Char('=') ||
                              (c == QLatin1Char('<') && src_.at(i) == QLatin1Char('>'))))
                    ++i;
                t.type = Token::Symbol;
                t.text = src_.mid(start, i - start);
            } else if (c == QLatin1Char('(') || c == QLatin1Char(')')) {
                t.type = Token::Symbol;
                t.text = c;
                ++i;
            } else {
                fail(QStringLiteral("caractere inesperado '%1'").arg(c));
            }
            tokens_.push_back(t);
        }
        Token end;
        end.pos = n;
        tokens_.push_back(end);
    }

    bool isWord(const char *w) const
    {
        return tokens_[pos_].type == Token::Word &&
               tokens_[pos_].text.compare(QLatin1String(w), Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(const char *s) const
    {
        return tokens_[pos_].type == Token::Symbol && tokens_[pos_].text == QLatin1String(s);
    }

    int add(FilterExpression::Node n)
    {
        nodes_.push_back(std::move(n));
        return int(nodes_.size()) - 1;
    }

    int parseOr()
    {
        int left = parseAnd();
        while (isWord("or")) {
            ++pos_;
            FilterExpression::Node n;
            n.op = FilterExpression::Op::Or;
            n.left = left;
            n.right = parseAnd();
            left = add(std::move(n));
        }
        return left;
    }

    int parseAnd()
    {
        int left = parsePrimary();
        while (isWord("and")) {
            ++pos_;
            FilterExpression::Node n;
            n.op = FilterExpression::Op::And;
            n.left = left;
            n.right = parsePrimary();
            left = add(std::move(n));
        }
        return left;
    }

    int parsePrimary()
    {
        if (isSymbol("(")) {
            ++pos_;
            const int inner = parseOr();
            if (!isSymbol(")"))
                fail(QStringLiteral("falta ')'"));
            ++pos_;
            return inner;
        }
        return parseComparison();
    }

    int fieldIndex(const QString &name) const
    {
        for (size_t i = 0; i < fields_.size(); ++i)
            if (fields_[i].name.compare(name, Qt::CaseInsensitive) == 0)
                return int(i);
        return -1;
    }

    int parseComparison()
    {
        const Token &col = tokens_[pos_];
        if (col.type != Token::Word || isWord("and") || isWord("or") || isWord("like"))
            fail(col.type == Token::End
                     ? QStringLiteral("expressão incompleta")
                     : QStringLiteral("esperado o nome de um campo em \"%1\"").arg(src_.mid(col.pos)));
        FilterExpression::Node n;
        n.field = fieldIndex(col.text);
        if (n.field < 0)
            fail(QStringLiteral("campo '%1' não encontrado").arg(col.text));
        ++pos_;
        if (isWord("like")) {
            n.op = FilterExpression::Op::Like;
        } else if (tokens_[pos_].type == Token::Symbol) {
            const QString s = tokens_[pos_].text;
            if (s == QLatin1String("="))
                n.op = FilterExpression::Op::Eq;
            else if (s == QLatin1String("<>") || s == QLatin1String("!="))
                n.op = FilterExpression::Op::Ne;
            else if (s == QLatin1String("<"))
                n.op = FilterExpression::Op::Lt;
            else if (s == QLatin1String("<="))
                n.op = FilterExpression::Op::Le;
            else if (s == QLatin1String(">"))
                n.op = FilterExpression::Op::Gt;
            else if (s == QLatin1String(">="))
                n.op = FilterExpression::Op::Ge;
            else
                fail(QStringLiteral("operador '%1' desconhecido").arg(s));
        } else {
            fail(QStringLiteral("esperado um operador depois de '%1'").arg(col.text));
        }
        ++pos_;
        const Token constant = tokens_[pos_];
        if (constant.type != Token::Text && constant.type != Token::Number && constant.type != Token::Date)
            fail(QStringLiteral("esperado um valor depois de '%1'").arg(col.text));
        ++pos_;
        bind(n, constant);
        return add(std::move(n));
    }

    // Turns the constant into the column's own form, once.
    void bind(FilterExpression::Node &n, const Token &c) const
    {
        const FieldDef &f = fields_[size_t(n.field)];
        const QString value = c.text;
        if (n.op == FilterExpression::Op::Like) {
            n.kind = f.isText() ? (f.type == FieldType::FixedText ? KFixedText : KText) : KTextOfValue;
            n.likeAnchoredStart = !value.startsWith(QLatin1Char('%'));
            n.likeAnchoredEnd = !value.endsWith(QLatin1Char('%'));
            for (const QString &part : value.split(QLatin1Char('%'), Qt::SkipEmptyParts))
                n.likeParts.push_back(part.toUtf8());
            return;
        }
        n.emptyText = c.type == Token::Text && value.isEmpty();
        n.text = value.toUtf8();
        if (n.emptyText)
            return; // matches an empty or NULL column, whatever its type
        auto bad = [&](const char *what) {
            fail(QStringLiteral("'%1' não é %2 para o campo %3").arg(value, QString::fromUtf8(what), f.name));
        };
        switch (f.type) {
        case FieldType::Text:
        case FieldType::Memo:
            n.kind = KText;
            return;
        case FieldType::FixedText:
            n.kind = KFixedText;
            return;
        case FieldType::Integer:
        case FieldType::Bigint: {
            bool ok = false;
            n.number = value.trimmed().toLongLong(&ok);
            if (!ok)
                bad("um número inteiro");
            n.kind = KInteger;
            return;
        }
        case FieldType::Decimal:
        case FieldType::Double: {
            bool ok = false;
            n.real = QString(value).replace(QLatin1Char(','), QLatin1Char('.')).trimmed().toDouble(&ok);
            if (!ok)
                bad("um número");
            n.kind = KReal;
            return;
        }
        case FieldType::Boolean: {
            const QString v = value.trimmed().toUpper();
            if (v != QLatin1String("TRUE") && v != QLatin1String("FALSE") && v != QLatin1String("1") &&
                v != QLatin1String("0"))
                bad("um valor lógico");
            n.number = (v == QLatin1String("TRUE") || v == QLatin1String("1")) ? 1 : 0;
            n.kind = KBool;
            return;
        }
        case FieldType::Date:
        case FieldType::Timestamp: {
            const QString v = value.trimmed();
            const QString day = v.section(QLatin1Char(' '), 0, 0);
            QDate d = QDate::fromString(day, QStringLiteral("dd/MM/yyyy"));
            if (!d.isValid())
                d = QDate::fromString(day, QStringLiteral("d/M/yyyy"));
            if (!d.isValid())
                bad("uma data");
            n.number = d.toJulianDay() - kDateBase;
            if (f.type == FieldType::Timestamp) {
                fb::Time t;
                if (v.contains(QLatin1Char(' ')) && !fb::Time::parse(v.section(QLatin1Char(' '), 1), t))
                    bad("uma data e hora");
                n.number = n.number * 864000000LL + t.fractions;
                n.kind = KTimestamp;
            } else {
                n.kind = KDate;
            }
            return;
        }
        case FieldType::Time: {
            fb::Time t;
            if (!fb::Time::parse(value, t))
                bad("uma hora");
            n.number = t.fractions;
            n.kind = KTime;
            return;
        }
        case FieldType::Blob:
            bad("comparável");
        }
    }

    QString src_;
    const std::vector<FieldDef> &fields_;
    std::vector<FilterExpression::Node> &nodes_;
    std::vector<Token> tokens_;
    size_t pos_ = 0;
};

template <class T> bool ordered(FilterExpression::Op op, const T &a, const T &b)
{
    switch (op) {
    case FilterExpression::Op::Eq:
        return a == b;
    case FilterExpression::Op::Ne:
        return !(a == b);
    case FilterExpression::Op::Lt:
        return a < b;
    case FilterExpression::Op::Le:
        return a < b || a == b;
    case FilterExpression::Op::Gt:
        return b < a;
    case FilterExpression::Op::Ge:
        return b < a || a == b;
    default:
        return false;
    }
}

QByteArrayView trimRight(QByteArrayView v)
{
    qsizetype n = v.size();
    while (n > 0 && v[n - 1] == ' ')
        --n;
    return v.first(n);
}

} // namespace

QString quoted(const QString &text)
{
    QString s = text;
    s.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

bool likeMatch(QByteArrayView value, const std::vector<QByteArray> &parts, bool anchoredStart,
               bool anchoredEnd)
{
    if (parts.empty())
        return !(anchoredStart && anchoredEnd) || value.isEmpty();
    qsizetype at = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        const QByteArrayView part(parts[i]);
        const bool first = i == 0, last = i + 1 == parts.size();
        if (first && anchoredStart) {
            if (!value.startsWith(part))
                return false;
            at = part.size();
            if (last && anchoredEnd)
                return value.size() == part.size();
            continue;
        }
        if (last && anchoredEnd) {
            // The last piece must end the value, after everything matched so far.
            return value.size() - at >= part.size() && value.endsWith(part);
        }
        const qsizetype found = value.indexOf(part, at);
        if (found < 0)
            return false;
        at = found + part.size();
    }
    return true;
}

FilterExpression::FilterExpression(const QString &text, const std::vector<FieldDef> &fields)
    : fields_(&fields)
{
    if (text.trimmed().isEmpty())
        return;
    Parser(text, fields, nodes_).parse();
}

bool FilterExpression::eval(int index, const PackedRow &row) const
{
    const Node &n = nodes_[size_t(index)];
    if (n.op == Op::And)
        return eval(n.left, row) && eval(n.right, row);
    if (n.op == Op::Or)
        return eval(n.left, row) || eval(n.right, row);
    return compare(n, row);
}

bool FilterExpression::compare(const Node &n, const PackedRow &row) const
{
    const bool null = row.isNull(n.field);
    if (n.op == Op::Like) {
        if (null)
            return false;
        if (n.kind == KTextOfValue)
            return likeMatch(row.value(*fields_, n.field).toString().toUtf8(), n.likeParts,
                             n.likeAnchoredStart, n.likeAnchoredEnd);
        return likeMatch(row.bytes(n.field), n.likeParts, n.likeAnchoredStart, n.likeAnchoredEnd);
    }
    if (n.emptyText) {
        // An empty constant stands for "nothing picked": empty text and NULL look the same.
        const bool empty =
            null || (fields_->at(size_t(n.field)).isText() && trimRight(row.bytes(n.field)).isEmpty());
        if (n.op == Op::Eq)
            return empty;
        if (n.op == Op::Ne)
            return !empty;
        return !null && ordered(n.op, row.bytes(n.field), QByteArrayView());
    }
    if (null)
        return false;
    switch (n.kind) {
    case KText:
        return ordered(n.op, row.bytes(n.field), QByteArrayView(n.text));
    case KFixedText:
        return ordered(n.op, trimRight(row.bytes(n.field)), trimRight(QByteArrayView(n.text)));
    case KInteger: {
        const qint64 v = fields_->at(size_t(n.field)).type == FieldType::Integer
                             ? row.scalar<int32_t>(n.field)
                             : row.scalar<qint64>(n.field);
        return ordered(n.op, v, n.number);
    }
    case KReal: {
        const FieldDef &f = fields_->at(size_t(n.field));
        const double v = f.type == FieldType::Double
                             ? row.scalar<double>(n.field)
                             : fb::Decimal{row.scalar<qint64>(n.field), f.scale}.toDouble();
        return ordered(n.op, v, n.real);
    }
    case KDate:
        return ordered(n.op, qint64(row.scalar<int32_t>(n.field)), n.number);
    case KTime:
        return ordered(n.op, qint64(row.scalar<uint32_t>(n.field)), n.number);
    case KTimestamp: {
        const auto b = row.bytes(n.field);
        int32_t day;
        uint32_t t;
        std::memcpy(&day, b.data(), 4);
        std::memcpy(&t, b.data() + 4, 4);
        return ordered(n.op, qint64(day) * 864000000LL + t, n.number);
    }
    case KBool:
        return ordered(n.op, qint64(row.scalar<uint8_t>(n.field)), n.number);
    default:
        return false;
    }
}

} // namespace data
