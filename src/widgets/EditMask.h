#pragma once
// An edit mask written the way the registers declare them ("!99/99/0000;1;_"): its input mask for
// a line edit, and the text a masked field stores.
#include <QChar>
#include <QString>
#include <vector>

namespace widgets {

class EditMask {
public:
    // The declared form: mask characters, then ";1" (literals stored) or ";0", then the blank
    // character. "0" is a required digit, "9" an optional one, "L"/"l" a letter, "A"/"a" a letter
    // or digit, "C"/"c" any character, "#" a digit or sign; "\" makes the next character a literal;
    // "!", ">" and "<" place nothing; "_" is a literal blank.
    explicit EditMask(const QString &declared = QString());

    bool isEmpty() const { return places_.empty(); }
    const QString &declared() const { return declared_; }
    // The same mask in QLineEdit::setInputMask form.
    QString inputMask() const;
    bool keepsLiterals() const { return keepLiterals_; }
    QChar blank() const { return blank_; }
    int length() const { return int(places_.size()); }

    // The text to store from what the edit displays: unfilled places read as blanks, literals
    // kept when the mask says so.
    QString storedText(const QString &displayed) const;
    // True when no place of the displayed text was filled (literals do not count).
    bool nothingTyped(const QString &displayed) const;

private:
    struct Place {
        bool literal = false;
        QChar ch; // the literal, or the Qt mask character of an input place
        bool required = false;
    };
    QString declared_;
    std::vector<Place> places_;
    std::vector<QString> caseMarks_;
    bool keepLiterals_ = true;
    QChar blank_ = QLatin1Char('_');
};

// The masks of the registers.
namespace masks {
inline const QString date = QStringLiteral("!99/99/0000;1;_");
inline const QString hour = QStringLiteral("!90:00:00>;1;_");
inline const QString telephone = QStringLiteral("!\\(99\\)00000-0000;1;_");
inline const QString cpf = QStringLiteral("000\\.000\\.000\\-00;1;_");
inline const QString postalCode = QStringLiteral("00000\\-999;1;_");
} // namespace masks

} // namespace widgets
