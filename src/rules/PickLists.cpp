// The fixed pick lists shared by the registers and searches.
#include "rules/PickLists.h"

namespace rules {

const QStringList &rotulosSeries()
{
    // The sign after the digit is the degree sign (U+00B0), as the stored grades have it.
    static const QStringList labels = {
        QStringLiteral("MATERNAL I"),
        QStringLiteral("MATERNAL II"),
        QStringLiteral("MATERNAL III"),
        QStringLiteral("1\u00B0 PERIODO"),
        QStringLiteral("2\u00B0 PERIODO"),
        QStringLiteral("1\u00B0 E. FUNDAMENTAL 1 - INICIAL"),
        QStringLiteral("2\u00B0 E. FUNDAMENTAL 1 - INICIAL"),
        QStringLiteral("3\u00B0 E. FUNDAMENTAL 1 - INICIAL"),
        QStringLiteral("4\u00B0 E. FUNDAMENTAL 1 - INICIAL"),
        QStringLiteral("5\u00B0 E. FUNDAMENTAL 1 - INICIAL"),
        QStringLiteral("6\u00B0 E. FUNDAMENTAL 2 - FINAL"),
        QStringLiteral("7\u00B0 E. FUNDAMENTAL 2 - FINAL"),
        QStringLiteral("8\u00B0 E. FUNDAMENTAL 2 - FINAL"),
        QStringLiteral("9\u00B0 E. FUNDAMENTAL 2 - FINAL"),
        QStringLiteral("1\u00B0 E. MEDIO"),
        QStringLiteral("2\u00B0 E. MEDIO"),
        QStringLiteral("3\u00B0 E. MEDIO"),
    };
    return labels;
}

const QStringList &listaSeries()
{
    static const QStringList list =
        rotulosSeries() + QStringList{QStringLiteral("INTEGRAL"), QStringLiteral("EJA")};
    return list;
}

const QStringList &listaSeriesEja()
{
    static const QStringList list = rotulosSeries() + QStringList{QStringLiteral("EJA")};
    return list;
}

const QStringList &listaTurnos()
{
    static const QStringList list = {QStringLiteral("MATUTINO"), QStringLiteral("VESPERTINO"),
                                     QStringLiteral("NOTURNO"), QStringLiteral("INTEGRAL")};
    return list;
}

const QStringList &listaStatusEncaminhamento()
{
    static const QStringList list = {
        QStringLiteral("AGUARDANDO"), QStringLiteral("ENCAMINHADO"),   QStringLiteral("ESTUDANDO"),
        QStringLiteral("JA AVISADO"), QStringLiteral("NAO ATENDE"),    QStringLiteral("OUTROS"),
        QStringLiteral("SEM VAGA"),   QStringLiteral("TRANSFERENCIA"), QStringLiteral("TROCA"),
        QStringLiteral("URGENTE"),
    };
    return list;
}

} // namespace rules
