#pragma once
// The fixed pick lists of the registers and searches: grades, shifts and referral states. Picked
// values are stored as these very texts, so every screen takes them from here.
#include <QString>
#include <QStringList>

namespace rules {

// The 17 grade labels in placement order: entry i is the grade of placement age i + 1.
const QStringList &rotulosSeries();
// Grade list of the vacancy, referral, transport and follow-up screens: the 17 labels, "INTEGRAL", "EJA".
const QStringList &listaSeries();
// Grade list of the screens that offer "EJA" alone after the 17 labels.
const QStringList &listaSeriesEja();
// "MATUTINO", "VESPERTINO", "NOTURNO", "INTEGRAL".
const QStringList &listaTurnos();
// The referral states, in list order.
const QStringList &listaStatusEncaminhamento();

} // namespace rules
