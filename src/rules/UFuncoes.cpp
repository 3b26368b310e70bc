// Shared domain rules: grade placement, ages, typed dates, the CPF check and accent folding.
#include "rules/UFuncoes.h"

#include "rules/PickLists.h"
#include "seams/Messages.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>
#include <functional>

namespace rules {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Runs an action when the field loses the focus to another control of the program. Losing it to
// another application or to a popup menu is not leaving the field.
class FocusOutFilter : public QObject {
public:
    FocusOutFilter(QLineEdit *edit, std::function<void(QLineEdit *)> action)
        : QObject(edit), action_(std::move(action))
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                action_(static_cast<QLineEdit *>(watched));
        }
        return false;
    }

private:
    std::function<void(QLineEdit *)> action_;
};

} // namespace

QString textoDoCampo(const QLineEdit *edit)
{
    // text() drops a mask's unfilled places; the rules need them, so read what is displayed.
    QString text = edit->inputMask().isEmpty() ? edit->text() : edit->displayText();
    text.replace(u'_', u' ');
    return text;
}

QString idadeFora()
{
    return QStringLiteral("Idade fora");
}
QString dataNascimentoInvalida()
{
    return QStringLiteral("Data de nascimento inválida");
}
QString cpfInvalido()
{
    return QStringLiteral("CPF INVÁLIDO");
}

QString ValidarIdadeCompleta(const QDate &nascimento, const QDate &hoje)
{
    // Placement is settled on 30 March of the current year (not 31), whatever the month today.
    const QDate referencia(hoje.year(), 3, 30);
    if (!nascimento.isValid() || nascimento > referencia)
        return dataNascimentoInvalida();

    int idade = referencia.year() - nascimento.year();
    if (nascimento.month() > 3 || (nascimento.month() == 3 && nascimento.day() > 30))
        --idade;

    const QStringList &labels = rotulosSeries();
    if (idade < 1 || idade > labels.size())
        return idadeFora();
    return labels.at(idade - 1);
}

QString fnc_retorna_idade(const QDate &nascimento, const QDate &hoje)
{
    const qint64 dias = qAbs(nascimento.daysTo(hoje));
    const qint64 anos = dias / 365;
    const qint64 resto = dias % 365;
    // Up to 30 spare days count as no month; 360 to 364 give a twelfth month.
    const qint64 meses = resto <= 30 ? 0 : resto / 30;
    return QStringLiteral("%1 Anos e %2 Meses").arg(anos).arg(meses);
}

QString fnc_idade_anos(const QDate &data, const QDate &hoje)
{
    // Whole periods of 365.25 days, from the difference in milliseconds; on a birthday the count
    // can still be one short.
    constexpr qint64 msPorDia = 86'400'000;
    constexpr qint64 msPorAno = 31'557'600'000; // 365.25 days
    const qint64 ms = qAbs(data.daysTo(hoje)) * msPorDia;
    return QStringLiteral("%1 Anos ").arg(ms / msPorAno);
}

QString mascaraDataVazia()
{
    return QStringLiteral("  /  /    ");
}

std::optional<QDate> lerData(const QString &texto, const QDate &hoje)
{
    QString s = texto;
    s.replace(u'_', u' ');
    qsizetype pos = 0;
    auto skipBlanks = [&] {
        while (pos < s.size() && s.at(pos) == u' ')
            ++pos;
    };
    // At most four digits per number: longer runs are no date.
    auto number = [&](int &value, qsizetype &digits) {
        skipBlanks();
        const qsizetype start = pos;
        value = 0;
        while (pos < s.size() && isAsciiDigit(s.at(pos)) && pos - start < 4) {
            value = value * 10 + (s.at(pos).unicode() - u'0');
            ++pos;
        }
        digits = pos - start;
        return digits > 0;
    };
    auto separator = [&] {
        skipBlanks();
        if (pos < s.size() && s.at(pos) == u'/') {
            ++pos;
            return true;
        }
        return false;
    };

    int dia = 0, mes = 0, ano = 0;
    qsizetype dDia = 0, dMes = 0, dAno = 0;
    if (!number(dia, dDia) || !separator() || !number(mes, dMes) || !separator() || !number(ano, dAno))
        return std::nullopt;
    skipBlanks();
    if (pos != s.size())
        return std::nullopt;

    if (dAno <= 2) {
        // A two-digit year falls within the fifty years before today and the fifty after.
        const int base = hoje.year() - 50;
        ano += base / 100 * 100;
        if (ano < base)
            ano += 100;
    }
    const QDate data(ano, mes, dia);
    if (!data.isValid())
        return std::nullopt;
    return data;
}

QString escreverData(const QDate &data)
{
    return data.toString(QStringLiteral("dd/MM/yyyy"));
}

DataValidada fnc_ValidaData(const QString &texto, const QDate &hoje)
{
    QString s = texto;
    s.replace(u'_', u' ');
    if (s == mascaraDataVazia())
        return DataValidada::vazia();
    const auto data = lerData(s, hoje);
    if (!data)
        return DataValidada::parar();
    return DataValidada::data(escreverData(*data));
}

bool TestaCpf(const QString &cpf)
{
    if (cpf.size() < 2)
        return false;
    const qsizetype n = cpf.size() - 2;

    // The weights keep decreasing past the ninth digit, so longer texts are still computed; 64-bit
    // sums keep that exact for any text that fits in memory.
    qint64 s1 = 0;
    qint64 s2 = 0;
    qint64 k = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = cpf.at(i);
        if (c == u'.' || c == u'-' || c == u'/')
            continue;
        if (!isAsciiDigit(c))
            return false;
        const qint64 d = c.unicode() - u'0';
        ++k;
        s1 += (11 - k) * d;
        s2 += (12 - k) * d;
    }

    // A negative sum leaves a remainder below 2 (truncating remainder), hence a zero digit.
    const qint64 r1 = s1 % 11;
    const qint64 v1 = r1 < 2 ? 0 : 11 - r1;
    s2 += 2 * v1;
    const qint64 r2 = s2 % 11;
    const qint64 v2 = r2 < 2 ? 0 : 11 - r2;

    return cpf.at(n) == QChar(u'0' + char16_t(v1)) && cpf.at(n + 1) == QChar(u'0' + char16_t(v2));
}

QString RACT(const QString &texto)
{
    // Matched by position; the table is deliberately lopsided: "ñ" folds to a capital "N", "Ä" is
    // folded but "ä" and "Ñ" are not.
    static const QString origem = QStringLiteral("àâêôûãõáéíóúçüñÀÂÄÊÔÛÃÕÁÉÍÓÚÇÜ");
    static const QString destino = QStringLiteral("aaeouaoaeioucuNAAAEOUAOAEIOUCU");
    static_assert(sizeof(u"àâêôûãõáéíóúçüñÀÂÄÊÔÛÃÕÁÉÍÓÚÇÜ") == sizeof(u"aaeouaoaeioucuNAAAEOUAOAEIOUCU"));

    QString out = texto;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const qsizetype at = origem.indexOf(out.at(i));
        if (at >= 0)
            out[i] = destino.at(at);
    }
    return out;
}

QString limpaTexto(const QString &texto)
{
    // Blanks and every control character (code 32 and below) count as padding.
    qsizetype first = 0;
    qsizetype last = texto.size();
    while (first < last && texto.at(first).unicode() <= 0x20)
        ++first;
    while (last > first && texto.at(last - 1).unicode() <= 0x20)
        --last;
    return RACT(texto.mid(first, last - first));
}

bool verifica_cpf(QLineEdit *edit)
{
    const QString text = textoDoCampo(edit);
    // An empty or partly filled field is not checked yet.
    if (text.isEmpty() || text.contains(u' '))
        return true;
    if (TestaCpf(text))
        return true;
    seams::showMessage(cpfInvalido(), edit);
    edit->setFocus(Qt::OtherFocusReason);
    return false;
}

void limpaTexto(QLineEdit *edit)
{
    edit->setText(limpaTexto(edit->text()));
}

void instalaLimpezaAoSair(QLineEdit *edit)
{
    edit->installEventFilter(new FocusOutFilter(edit, [](QLineEdit *e) { limpaTexto(e); }));
}

void instalaVerificaCpfAoSair(QLineEdit *edit)
{
    edit->installEventFilter(new FocusOutFilter(edit, [](QLineEdit *e) {
        // The timer is owned by the field, so a field closed meanwhile is simply not checked.
        QTimer::singleShot(0, e, [e] { verifica_cpf(e); });
    }));
}

} // namespace rules
