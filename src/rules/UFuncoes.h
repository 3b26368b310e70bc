#pragma once
// Shared domain rules: grade placement and ages from a birth date, typed-date checking, the CPF check
// and the accent folding of names and addresses.
#include "seams/Clock.h"

#include <QDate>
#include <QString>
#include <optional>
#include <utility>

class QLineEdit;

namespace rules {

// Texts that ValidarIdadeCompleta gives instead of a grade label.
QString idadeFora();              // "Idade fora"
QString dataNascimentoInvalida(); // "Data de nascimento inválida"
// The CPF field check's message.
QString cpfInvalido(); // "CPF INVÁLIDO"

// Grade label for a birth date, placed by the whole years completed on 30 March of today's year.
// An invalid date is reported like a birth after the reference day.
QString ValidarIdadeCompleta(const QDate &nascimento, const QDate &hoje = seams::today());

// "Y Anos e M Meses" from the days between the date and today, counted in 365-day years and
// 30-day months (so "3 Anos e 12 Meses" can happen). A future date counts like a past one.
QString fnc_retorna_idade(const QDate &nascimento, const QDate &hoje = seams::today());

// "Y Anos " with Y the whole 365.25-day periods between the date and today.
QString fnc_idade_anos(const QDate &data, const QDate &hoje = seams::today());

// Outcome of checking a typed date: the canonical text, an empty field, or a text that is no
// date, on which the calling handler must stop without a word and leave the field as typed.
class DataValidada {
public:
    enum class Resultado { Data, Vazia, Parar };

    static DataValidada data(const QString &texto) { return DataValidada(Resultado::Data, texto); }
    static DataValidada vazia() { return DataValidada(Resultado::Vazia, QString()); }
    static DataValidada parar() { return DataValidada(Resultado::Parar, QString()); }

    Resultado resultado() const { return resultado_; }
    bool deveParar() const { return resultado_ == Resultado::Parar; }
    bool ehVazia() const { return resultado_ == Resultado::Vazia; }
    bool ehData() const { return resultado_ == Resultado::Data; }
    // The text to write back into the field: the canonical date, or empty for Vazia and Parar
    // alike, which is why callers decide on resultado() and never on this text.
    QString texto() const { return texto_; }

    friend bool operator==(const DataValidada &, const DataValidada &) = default;

private:
    DataValidada(Resultado r, QString t) : resultado_(r), texto_(std::move(t)) {}
    Resultado resultado_;
    QString texto_;
};

// The empty date mask as a masked date field reads it: "  /  /    ".
QString mascaraDataVazia();

// Reads a date written day/month/year as the workstation's short date format accepts it: blanks
// around each number, one- or two-digit day and month, a four-digit year or a two-digit one placed
// in the hundred years that start fifty years before today. Unfilled mask places ("_") read as blanks.
std::optional<QDate> lerData(const QString &texto, const QDate &hoje = seams::today());
// A date in the short date format, "dd/MM/yyyy".
QString escreverData(const QDate &data);

// Checks the text of a masked date field: the empty mask gives Vazia, a readable date gives its
// canonical text, anything else Parar.
DataValidada fnc_ValidaData(const QString &texto, const QDate &hoje = seams::today());

// True when the last two characters are the modulus-11 check digits of the digits before them.
// ".", "-" and "/" are skipped; any other non-digit makes the text invalid.
bool TestaCpf(const QString &cpf);

// Folds the accented letters of the folding table; every other character passes unchanged.
QString RACT(const QString &texto);

// The clean-up applied to a text field on leaving it: trims blanks and control characters at both
// ends, then folds accents.
QString limpaTexto(const QString &texto);

// The text of a field as the rules read it: with an input mask, literals kept and every unfilled
// place (mask blank "_") read as a blank, e.g. "  /  /    " for an empty date field.
QString textoDoCampo(const QLineEdit *edit);

// CPF field check for leaving the field. Does nothing while the field is empty or has an unfilled
// place; otherwise, when TestaCpf fails, shows "CPF INVÁLIDO" and puts the focus back into the field.
// Returns false only when the message was shown. The field keeps its text either way.
bool verifica_cpf(QLineEdit *edit);

// Text clean-up written back into the field.
void limpaTexto(QLineEdit *edit);

// Wire the two rules to the field's focus loss. The CPF check runs once the focus has settled on
// the next control, so its message and the focus return are not fought by the focus change.
void instalaLimpezaAoSair(QLineEdit *edit);
void instalaVerificaCpfAoSair(QLineEdit *edit);

} // namespace rules
