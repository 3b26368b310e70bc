// Seeded source of believable Vargedo data.
#include "DemoRandom.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace demo {

namespace {

// Names common among today's children, and among their parents and the staff.
const QStringList girls = {
    "ALICE",     "HELENA",    "VALENTINA",   "LAURA",    "MANUELA",   "CECILIA",       "LIVIA",
    "ELOA",      "YASMIN",    "LORENA",      "HELOISA",  "ANTONELLA", "MARIA EDUARDA", "MARIA CLARA",
    "ANA CLARA", "ANA LUIZA", "LUIZA",       "GIOVANNA", "NICOLE",    "EMANUELLY",     "KAMILLY",
    "SOFIA",     "ISABELA",   "JULIA",       "BEATRIZ",  "LARISSA",   "VITORIA",       "SARA",
    "CLARA",     "ESTER",     "MARIA ALICE", "AGATHA",   "LAVINIA",   "MARINA",        "RAYSSA",
};
const QStringList boys = {
    "MIGUEL",         "ARTHUR",  "HEITOR",     "DAVI",    "BERNARDO", "THEO",       "GAEL",
    "SAMUEL",         "ENZO",    "MATHEUS",    "GUSTAVO", "NICOLAS",  "LORENZO",    "BENJAMIN",
    "JOAQUIM",        "BENICIO", "MURILO",     "RAVI",    "ISAAC",    "JOAO PEDRO", "JOAO MIGUEL",
    "PEDRO HENRIQUE", "KAUA",    "RYAN",       "LUCAS",   "GABRIEL",  "RAFAEL",     "PEDRO",
    "ANTHONY",        "BRYAN",   "DAVI LUCCA", "JOSUE",   "EMANUEL",  "CAIO",       "HENRIQUE",
};
const QStringList women = {
    "MARIA",     "ANA",        "JULIANA", "FERNANDA",   "PATRICIA", "ALINE",     "CAMILA",    "AMANDA",
    "BRUNA",     "JESSICA",    "LETICIA", "LUANA",      "VANESSA",  "SIMONE",    "ADRIANA",   "DANIELA",
    "RAFAELA",   "TATIANA",    "ELIANE",  "ROSANGELA",  "LUCIANA",  "CLAUDIA",   "SANDRA",    "MARCIA",
    "REGINA",    "LUCIA",      "JOANA",   "APARECIDA",  "GERALDA",  "TEREZINHA", "ROSELI",    "MARLENE",
    "IVONE",     "NEIDE",      "SONIA",   "VERA LUCIA", "DEBORA",   "KELLY",     "ANA PAULA", "MARIA JOSE",
    "CRISTIANE", "ELISANGELA", "KATIA",   "MICHELE",    "GISELE",   "LARISSA",   "GABRIELA",  "CAROLINA",
};
const QStringList men = {
    "JOSE",    "JOAO",     "ANTONIO",     "FRANCISCO",   "CARLOS",    "PAULO",   "PEDRO",     "LUCAS",
    "LUIZ",    "MARCOS",   "GABRIEL",     "RAFAEL",      "DANIEL",    "MARCELO", "BRUNO",     "EDUARDO",
    "FELIPE",  "RAIMUNDO", "RODRIGO",     "VINICIUS",    "WESLEY",    "GERALDO", "SEBASTIAO", "WANDERSON",
    "ADRIANO", "ANDERSON", "FABIO",       "LEANDRO",     "ROBERTO",   "SERGIO",  "VALDIR",    "WELLINGTON",
    "OTAVIO",  "ELIAS",    "JOSE CARLOS", "LUIZ CARLOS", "REGINALDO", "CLEBER",  "EDSON",     "DOUGLAS",
};

const QStringList surnames = {
    "SILVA",     "SANTOS",    "OLIVEIRA",  "SOUZA",    "RODRIGUES", "FERREIRA", "ALVES",      "PEREIRA",
    "LIMA",      "GOMES",     "COSTA",     "RIBEIRO",  "MARTINS",   "CARVALHO", "ALMEIDA",    "LOPES",
    "SOARES",    "FERNANDES", "VIEIRA",    "BARBOSA",  "ROCHA",     "DIAS",     "NASCIMENTO", "ANDRADE",
    "MOREIRA",   "NUNES",     "MARQUES",   "MACHADO",  "MENDES",    "FREITAS",  "CARDOSO",    "RAMOS",
    "GONCALVES", "SANTANA",   "TEIXEIRA",  "ARAUJO",   "PINTO",     "CAMPOS",   "MOURA",      "REZENDE",
    "FONSECA",   "CUNHA",     "MOTA",      "CORREA",   "BATISTA",   "NEVES",    "PRADO",      "AMARAL",
    "SILVEIRA",  "GUIMARAES", "CONCEICAO", "DE JESUS", "XAVIER",    "DUARTE",   "MAGALHAES",  "QUEIROZ",
};

const QStringList streets = {
    "RUA SAO JOSE",
    "RUA DAS FLORES",
    "RUA TIRADENTES",
    "RUA JOSE BONIFACIO",
    "RUA SETE DE SETEMBRO",
    "RUA QUINZE DE NOVEMBRO",
    "RUA DOM PEDRO II",
    "RUA SANTA RITA",
    "RUA DOS IPES",
    "RUA DAS MANGUEIRAS",
    "RUA JOAO PINHEIRO",
    "RUA CORONEL TIBURCIO NEVES",
    "RUA PREFEITO ANTONIO MOURA",
    "RUA PADRE JOAO VAZ",
    "RUA GOIAS",
    "RUA BAHIA",
    "RUA ESPIRITO SANTO",
    "RUA DO ROSARIO",
    "RUA DA MATRIZ",
    "RUA DOS BURITIS",
    "AVENIDA BRASIL",
    "AVENIDA GETULIO VARGAS",
    "AVENIDA SAO FRANCISCO",
    "AVENIDA DO CONTORNO",
    "TRAVESSA DA SAUDADE",
    "TRAVESSA SANTO ANTONIO",
    "RUA DOS PEQUIZEIROS",
    "RUA VEREADOR OTAVIO PIRES",
};

const QStringList bairros = {
    "CENTRO",
    "SAO JOSE",
    "VILA NOVA",
    "SANTA CRUZ",
    "BELA VISTA",
    "JARDIM DAS FLORES",
    "PLANALTO",
    "ALTO DA BOA VISTA",
    "NOSSA SENHORA APARECIDA",
    "BOM JESUS",
    "SANTO ANTONIO",
    "VILA OPERARIA",
    "SAO GERALDO",
    "NOVO HORIZONTE",
    "JARDIM ELDORADO",
    "CORREGO FUNDO",
    "PONTAL",
    "CORREGO DAS PEDRAS",
};

const QStringList ruralPlaces = {
    "CORREGO FUNDO - PONTO DA IGREJA",  "PONTAL - BAR DO ZE",
    "CORREGO DAS PEDRAS - PORTEIRA",    "FAZENDA BOA ESPERANCA - SEDE",
    "SITIO SAO JUDAS - ENTRADA",        "ASSENTAMENTO SANTA MARIA - CAMPO",
    "BARRA DO RIBEIRAO - ESCOLA VELHA", "CAPAO GRANDE - CAMPO DE FUTEBOL",
    "SAO JOAO DA VARGEM - PRACA",       "VEREDA DO BURITI - MATA-BURRO",
};

const QStringList districts = {"SEDE", "SEDE", "SEDE", "PONTAL", "CORREGO FUNDO", "SAO JOAO DA VARGEM"};

const QStringList birthTowns = {"VARGEDO",  "VARGEDO", "VARGEDO",        "VARGEDO",       "MONTES CLAROS",
                                "JANUARIA", "SALINAS", "BELO HORIZONTE", "TEOFILO OTONI", "SAO PAULO"};

} // namespace

int DemoRandom::between(int lo, int hi)
{
    return lo + int(rng_.bounded(quint32(hi - lo + 1)));
}

bool DemoRandom::chance(int percent)
{
    return between(1, 100) <= percent;
}

const QString &DemoRandom::pick(const QStringList &list)
{
    return list.at(between(0, int(list.size()) - 1));
}

QDate DemoRandom::dateBetween(const QDate &from, const QDate &to)
{
    return from.addDays(between(0, int(from.daysTo(to))));
}

QString DemoRandom::firstName(Sex sex, Age age)
{
    if (age == Age::Child)
        return pick(sex == Sex::Female ? girls : boys);
    return pick(sex == Sex::Female ? women : men);
}

QString DemoRandom::surname()
{
    return pick(surnames);
}

QString DemoRandom::fullName(Sex sex, Age age, const QString &familyName)
{
    QStringList parts{firstName(sex, age)};
    const int count = between(1, 2);
    for (int i = 0; i < count; ++i) {
        QString s = surname();
        while (parts.contains(s) || s == familyName)
            s = surname();
        parts << s;
    }
    if (!familyName.isEmpty())
        parts.last() = familyName;
    return parts.join(QLatin1Char(' '));
}

QString DemoRandom::familyName(const QString &name)
{
    // "DE JESUS" is one family name in two words.
    if (name.section(QLatin1Char(' '), -2, -2) == QLatin1String("DE"))
        return name.section(QLatin1Char(' '), -2);
    return name.section(QLatin1Char(' '), -1);
}

QString DemoRandom::digits(int count)
{
    QString s;
    for (int i = 0; i < count; ++i)
        s += QChar(QLatin1Char('0' + char(between(0, 9))));
    return s;
}

QString DemoRandom::cpf()
{
    int d[11];
    for (int i = 0; i < 9; ++i)
        d[i] = between(0, 9);
    for (int check = 9; check <= 10; ++check) {
        int sum = 0;
        for (int i = 0; i < check; ++i)
            sum += d[i] * (check + 1 - i);
        const int r = sum % 11;
        d[check] = r < 2 ? 0 : 11 - r;
    }
    QString s;
    for (int i = 0; i < 11; ++i) {
        if (i == 3 || i == 6)
            s += QLatin1Char('.');
        if (i == 9)
            s += QLatin1Char('-');
        s += QChar(QLatin1Char('0' + char(d[i])));
    }
    return s;
}

QString DemoRandom::mobile()
{
    return QStringLiteral("(38)9%1-%2").arg(digits(4), digits(4));
}

QString DemoRandom::landline()
{
    return QStringLiteral("(38)37%1-%2").arg(digits(2), digits(4));
}

QString DemoRandom::rg()
{
    return QStringLiteral("MG-%1.%2.%3").arg(digits(2), digits(3), digits(3));
}

QString DemoRandom::cep()
{
    return QStringLiteral("39475-%1").arg(digits(3));
}

QString DemoRandom::street()
{
    return pick(streets);
}

QString DemoRandom::houseNumber()
{
    return chance(8) ? QStringLiteral("S/N") : QString::number(between(10, 1800));
}

QString DemoRandom::bairro()
{
    return pick(bairros);
}

QString DemoRandom::ruralPlace()
{
    return pick(ruralPlaces);
}

QString DemoRandom::district()
{
    return pick(districts);
}

QString DemoRandom::birthTown()
{
    return pick(birthTowns);
}

QDate DemoRandom::birthForPlacement(int placementAge, int year)
{
    // The placement counts whole years completed on 30 March of the year.
    const QDate reference(year, 3, 30);
    return dateBetween(reference.addYears(-(placementAge + 1)).addDays(1), reference.addYears(-placementAge));
}

QString DemoRandom::sentence(const QStringList &pool, int minParts, int maxParts)
{
    QStringList parts;
    const int count = between(minParts, maxParts);
    while (parts.size() < count && parts.size() < pool.size()) {
        const QString &p = pick(pool);
        if (!parts.contains(p))
            parts << p;
    }
    return parts.join(QLatin1Char('\n'));
}

QByteArray DemoRandom::portrait()
{
    static const QColor backgrounds[] = {QColor(0xd6, 0xe6, 0xf5), QColor(0xf5, 0xe6, 0xd6),
                                         QColor(0xe0, 0xf0, 0xe0)};
    static const QColor skins[] = {QColor(0xf1, 0xc2, 0x7d), QColor(0xc6, 0x86, 0x42),
                                   QColor(0x8d, 0x55, 0x24), QColor(0xe0, 0xac, 0x69)};
    static const QColor shirts[] = {QColor(0x1d, 0x4e, 0x89), QColor(0x2e, 0x8b, 0x57),
                                    QColor(0xb0, 0x30, 0x30), QColor(0x60, 0x60, 0x60)};
    QImage image(90, 120, QImage::Format_RGB32);
    image.fill(backgrounds[between(0, 2)]);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(shirts[between(0, 3)]);
    p.drawEllipse(QRectF(8, 78, 74, 70));
    p.setBrush(skins[between(0, 3)]);
    p.drawEllipse(QRectF(25, 22, 40, 50));
    p.setBrush(QColor(0x3a, 0x2a, 0x1a));
    p.drawChord(QRectF(23, 18, 44, 34), 0, 180 * 16);
    p.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

} // namespace demo
