#include "widgets/EditMask.h"

#include <QStringList>

namespace widgets {
namespace {

// Characters that mean something in a Qt input mask and must be escaped to stand for themselves.
bool specialInQt(QChar c)
{
    return QStringLiteral("AaNnXx90DdHhBb#><!;[]{}\\").contains(c);
}

} // namespace

EditMask::EditMask(const QString &declared) : declared_(declared)
{
    QString pendingCase;
    int i = 0;
    const int n = int(declared.size());
    for (; i < n; ++i) {
        const QChar c = declared[i];
        if (c == QLatin1Char(';'))
            break;
        Place p;
        switch (c.unicode()) {
        case '\\':
            if (i + 1 < n) {
                p.literal = true;
                p.ch = declared[++i];
            }
            break;
        case '!':
            continue;
        case '>':
            if (i + 1 < n && declared[i + 1] == QLatin1Char('<')) {
                ++i;
                pendingCase = QStringLiteral("!");
            } else {
                pendingCase = QStringLiteral(">");
            }
            continue;
        case '<':
            pendingCase = QStringLiteral("<");
            continue;
        case 'L':
            p = {false, QLatin1Char('A'), true};
            break;
        case 'l':
            p = {false, QLatin1Char('a'), false};
            break;
        case 'A':
            p = {false, QLatin1Char('N'), true};
            break;
        case 'a':
            p = {false, QLatin1Char('n'), false};
            break;
        case 'C':
            p = {false, QLatin1Char('X'), true};
            break;
        case 'c':
            p = {false, QLatin1Char('x'), false};
            break;
        case '0':
            p = {false, QLatin1Char('9'), true};
            break;
        case '9':
            p = {false, QLatin1Char('0'), false};
            break;
        case '#':
            p = {false, QLatin1Char('#'), false};
            break;
        case '_':
            p = {true, QLatin1Char(' '), false};
            break;
        default:
            p = {true, c, false};
            break;
        }
        if (p.ch.isNull())
            continue;
        places_.push_back(p);
        caseMarks_.push_back(pendingCase);
        pendingCase.clear();
    }
    // ";1" or ";0", then the blank character.
    const QStringList rest = declared.mid(i + 1).split(QLatin1Char(';'));
    if (i < n && !rest.isEmpty() && !rest[0].isEmpty())
        keepLiterals_ = rest[0] != QLatin1String("0");
    if (rest.size() > 1 && !rest[1].isEmpty())
        blank_ = rest[1][0];
}

QString EditMask::inputMask() const
{
    if (places_.empty())
        return {};
    QString out;
    for (size_t k = 0; k < places_.size(); ++k) {
        out += caseMarks_[k];
        const Place &p = places_[k];
        if (p.literal && specialInQt(p.ch))
            out += QLatin1Char('\\');
        out += p.ch;
    }
    out += QLatin1Char(';');
    out += blank_;
    return out;
}

QString EditMask::storedText(const QString &displayed) const
{
    QString out;
    for (size_t k = 0; k < places_.size(); ++k) {
        const QChar c = k < size_t(displayed.size()) ? displayed[qsizetype(k)] : blank_;
        if (places_[k].literal) {
            if (keepLiterals_)
                out += places_[k].ch;
        } else {
            out += c == blank_ ? QLatin1Char(' ') : c;
        }
    }
    return out;
}

bool EditMask::nothingTyped(const QString &displayed) const
{
    for (size_t k = 0; k < places_.size() && k < size_t(displayed.size()); ++k)
        if (!places_[k].literal && displayed[qsizetype(k)] != blank_ &&
            displayed[qsizetype(k)] != QLatin1Char(' '))
            return false;
    return true;
}

} // namespace widgets
