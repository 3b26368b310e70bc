// Fills a fresh database with the Vargedo demo data.
#include "DemoDatabase.h"

#include "DemoTexts.h"
#include "rules/PickLists.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace demo {

using app::InstallationData;
using Group = InstallationData::Group;

namespace {

constexpr int gradeIntegral = 17; // "INTEGRAL" in the grade list
constexpr int gradeEja = 18;      // "EJA"

// How a clerk types a work place: the school's prefix as it is, the name in title case.
QString titleCase(const QString &text)
{
    QStringList words = text.toLower().split(QLatin1Char(' '));
    words.first() = text.section(QLatin1Char(' '), 0, 0);
    for (QString &w : words) {
        if (!w.isEmpty() && w != QLatin1String("de") && w != QLatin1String("do") &&
            w != QLatin1String("da") && w != QLatin1String("das") && w != QLatin1String("dos"))
            w[0] = w[0].toUpper();
    }
    return words.join(QLatin1Char(' '));
}

QString mailOf(const QString &school)
{
    QString local = school.section(QLatin1Char(' '), 1).toLower();
    local.remove(QLatin1Char(' ')).remove(QLatin1Char('-'));
    return school.section(QLatin1Char(' '), 0, 0).toLower().remove(QLatin1Char('.')) + QLatin1Char('.') +
           local + QStringLiteral("@vargedo.example.org");
}

fb::Value orNull(bool present, const fb::Value &value)
{
    return present ? value : fb::Value();
}

fb::Time timeBetween(DemoRandom &rnd, int fromHour, int toHour, bool seconds)
{
    return fb::Time::fromHms(rnd.between(fromHour, toHour - 1), rnd.between(0, 59),
                             seconds ? rnd.between(0, 59) : 0);
}

} // namespace

const QList<DemoDatabase::User> &DemoDatabase::users()
{
    static const QList<User> list = {
        {1, "TRANSPORTE", "WANDERSON LUIZ PRADO"},   {2, "ESCOLA", "ELIANE SOARES REZENDE"},
        {3, "PEDAGOGICO", "LUCIANA FONSECA MOTA"},   {4, "DIRECAO", "GERALDO MAGALHAES NEVES"},
        {5, "RH", "SIMONE APARECIDA DUARTE"},        {6, "VAGAS", "PATRICIA GOMES XAVIER"},
        {7, "VIDAESCOLAR", "JULIANA ALVES QUEIROZ"}, {8, "CONSULTA", "MARCOS VINICIUS AMARAL"},
        {9, "ESTAGIO", "BEATRIZ CAMPOS NUNES"},      {10, "ADMIN", "ADMINISTRADOR DO SISTEMA"},
    };
    return list;
}

QString DemoDatabase::demoPassword()
{
    return QStringLiteral("1234");
}

QDate DemoDatabase::today()
{
    return QDate(2026, 11, 30);
}

DemoDatabase::DemoDatabase(fb::Attachment &attachment, const InstallationData &installation, quint32 seed)
    : writer_(attachment), installation_(installation), rnd_(seed)
{
}

QMap<QString, int> DemoDatabase::build()
{
    fillUsers();
    fillCatalogues();
    fillSchools();
    fillPresidentAndAssets();
    fillCalendar();
    fillVacancies();
    fillReferrals();
    fillPupils();
    fillRegistrations();
    fillClasses();
    fillEmployees();
    fillAttendance();
    fillPayroll();
    fillFollowUps();
    fillTransport();
    fillLogs();
    writer_.commit();
    return writer_.counts();
}

QString DemoDatabase::stampUser(const QList<int> &levels)
{
    const int level = levels.at(rnd_.between(0, int(levels.size()) - 1));
    return users().at(level - 1).login;
}

QDate DemoDatabase::birthFor(int grade, int year)
{
    if (grade == gradeEja)
        return rnd_.birthForPlacement(rnd_.between(18, 52), year);
    if (grade == gradeIntegral)
        return rnd_.birthForPlacement(rnd_.between(6, 10), year);
    // Entry i of the grade list is the grade of placement age i + 1.
    return rnd_.birthForPlacement(grade + 1, year);
}

QString DemoDatabase::weightedStatus()
{
    // Most cases wait or have been referred; a few were registered without a status yet.
    static const QList<std::pair<int, int>> weights = {{0, 22}, {1, 30}, {2, 12}, {3, 8}, {4, 5},
                                                       {5, 3},  {6, 8},  {7, 5},  {8, 3}, {9, 2}};
    int roll = rnd_.between(1, 100);
    for (const auto &[index, weight] : weights) {
        if (roll <= weight)
            return rules::listaStatusEncaminhamento().at(index);
        roll -= weight;
    }
    return QString();
}

QList<DemoDatabase::Offer> DemoDatabase::offersOf(const QString &school) const
{
    QList<Offer> out;
    for (const Offer &o : offers_)
        if (o.school == school)
            out << o;
    return out;
}

void DemoDatabase::fillUsers()
{
    for (const User &u : users()) {
        writer_.insert("ACESSO", {{"ID_SENHA", writer_.key("SP_GEN_USUARIO_ID")},
                                  {"NOME", u.name},
                                  {"USUARIO", u.login},
                                  {"SENHA", demoPassword()},
                                  {"NIVEL", u.level}});
    }
}

void DemoDatabase::fillLogs()
{
    const QDate today = DemoDatabase::today();
    for (QDate day = today.addMonths(-5); day <= today; day = day.addDays(1)) {
        if (day.dayOfWeek() > 5)
            continue;
        const int count = rnd_.between(0, 2);
        for (int i = 0; i < count; ++i) {
            const QString ip = rnd_.chance(6) ? QStringLiteral("ERRO AO RECUPERAR IP")
                                              : QStringLiteral("203.0.113.%1").arg(rnd_.between(10, 60));
            writer_.insert("LOGS", {{"ID", writer_.key("SP_GEN_LOGS_ID")},
                                    {"DATA", day},
                                    {"HORA", timeBetween(rnd_, 7, 18, true)},
                                    {"IP", ip},
                                    {"USUARIO", stampUser({2, 4, 5, 6, 7, 10})}});
        }
    }
}

void DemoDatabase::fillCatalogues()
{
    for (const QString &serie : rules::listaSeries())
        writer_.insert("SERIE", {{"SERIE_ID", writer_.key("SP_GEN_SERIE_ID")}, {"SERIE", serie}});
    for (const QString &turno : rules::listaTurnos())
        writer_.insert("TURNO", {{"TUNO_ID", writer_.key("SP_GEN_TURNO_ID")}, {"TURNO", turno}});

    QStringList titles;
    for (const Job &j : schoolJobs)
        titles << QString::fromLatin1(j.title);
    for (const Job &j : officeJobs)
        titles << QString::fromLatin1(j.title);
    titles.removeDuplicates();
    titles.sort();
    for (const QString &t : titles)
        writer_.insert("CARGO", {{"ID", writer_.key("SP_GEN_CARGO_ID")}, {"CARGO", t}});

    // Classes: the grades of the municipal network with two or three groups each.
    for (int grade = 0; grade <= 13; ++grade) {
        const int groups = grade < 5 ? 2 : 3;
        for (int g = 0; g < groups; ++g)
            writer_.insert("TURMAS", {{"ID", writer_.key("SP_GEN_TURMAS_ID")},
                                      {"TURMA", rules::listaSeries().at(grade) + QStringLiteral(" - ") +
                                                    QChar(QLatin1Char('A' + char(g)))}});
    }
}

void DemoDatabase::fillSchools()
{
    for (const QString &school : installation_.allSchools()) {
        const QString address =
            QStringLiteral("%1, %2 - %3").arg(rnd_.street(), rnd_.houseNumber(), rnd_.bairro());
        writer_.insert("ESCOLA", {{"ID_ESCOLA", writer_.key("SP_GEN_ESCOLA_ID")},
                                  {"ESCOLA", school},
                                  {"ENDERECO", address},
                                  {"EMAIL", mailOf(school)},
                                  {"CONTATO", rnd_.mobile()},
                                  {"RESPONSAVEL", rnd_.fullName(rnd_.chance(75) ? DemoRandom::Sex::Female
                                                                                : DemoRandom::Sex::Male,
                                                                DemoRandom::Age::Adult)}});
    }
}

void DemoDatabase::fillPresidentAndAssets()
{
    writer_.insert("PRESIDENTE", {{"CODIGO_PRESIDENTE", writer_.key("SP_GEN_PRESIDENTE_ID")},
                                  {"NOME_PRESIDENTE", "Maria Aparecida Fonseca Lima"},
                                  {"DATA_VIGENTE", "GESTAO 2025-2028"},
                                  {"ANO_VIGENTE", "2026"},
                                  {"CIDADE", "Vargedo"},
                                  {"RESP_TRANSPORTE", "JOSE CARLOS PEREIRA DUARTE"}});

    int number = 1000;
    for (int i = 0; i < 85; ++i) {
        number += rnd_.between(1, 6);
        const bool inSchool = rnd_.chance(30);
        const QString sector =
            inSchool ? installation_.schoolList(InstallationData::SchoolList::RegistrationFilter)
                           .at(rnd_.between(0, 20))
                     : rnd_.pick(assetSectors);
        writer_.insert("PATRIMONIO", {{"ID", writer_.key("SP_GEN_PRESIDENTE_ID")},
                                      {"NUM_PATRIMONIO", number},
                                      {"DATA", rnd_.dateBetween(QDate(2015, 2, 1), today())},
                                      {"DESCRICAO", rnd_.pick(assets)},
                                      {"SETOR", sector},
                                      {"ESTADO", rnd_.pick(assetStates)},
                                      {"QTD", rnd_.chance(70) ? 1 : rnd_.between(2, 30)}});
    }
}

void DemoDatabase::fillCalendar()
{
    // The one row of the registration calendar, for next year's places.
    writer_.insert("CAD_ESCOLAR_CRON", {{"ID", 1},
                                        {"DATA_I_E_I", QDate(2026, 10, 5)},
                                        {"DATA_F_E_I", QDate(2026, 10, 30)},
                                        {"DATA_I_E_F", QDate(2026, 11, 3)},
                                        {"DATA_F_E_F", QDate(2026, 11, 27)},
                                        {"DATA_I_CAD_GERAL", QDate(2026, 9, 1)},
                                        {"DATA_F_CAD_GERAL", QDate(2026, 12, 18)}});
}

void DemoDatabase::fillVacancies()
{
    const QStringList &turnos = rules::listaTurnos();
    const QString matutino = turnos.at(0), vespertino = turnos.at(1), noturno = turnos.at(2),
                  integral = turnos.at(3);
    for (const QString &s : installation_.schools(Group::Cmei))
        for (int grade = 0; grade <= 4; ++grade)
            for (const QString &shift : {matutino, vespertino, integral})
                offers_ << Offer{s, grade, shift};
    for (const QString &s : installation_.schools(Group::Estadual)) {
        for (int grade = 10; grade <= 16; ++grade)
            for (const QString &shift : {matutino, vespertino})
                offers_ << Offer{s, grade, shift};
        offers_ << Offer{s, gradeEja, noturno};
    }
    bool fullDay = false;
    for (const QString &s : installation_.schools(Group::Municipal)) {
        for (int grade = 3; grade <= 13; ++grade)
            for (const QString &shift : {matutino, vespertino})
                offers_ << Offer{s, grade, shift};
        if ((fullDay = !fullDay))
            offers_ << Offer{s, gradeIntegral, integral};
    }

    for (const Offer &o : offers_) {
        const int total = o.grade <= 2 ? rnd_.between(12, 20) : rnd_.between(20, 35);
        // About a quarter of the rows are full, so the register's zero filter has work to do.
        const int free = rnd_.chance(25) ? 0 : rnd_.between(1, std::min(8, total));
        writer_.insert("VAGAS", {{"VAGA_CODIGO", writer_.key("SP_GEN_VAGAS_ID")},
                                 {"ESCOLA", o.school},
                                 {"SERIE", rules::listaSeries().at(o.grade)},
                                 {"TURNO", o.shift},
                                 {"QTD_VAGAS", free},
                                 {"USUARIO", stampUser({6, 7, 10})},
                                 {"Q_MAT_1", total},
                                 {"DATA", rnd_.dateBetween(QDate(2026, 1, 12), today())},
                                 {"HORA", timeBetween(rnd_, 7, 18, false)}});
    }
}

void DemoDatabase::fillReferrals()
{
    const QStringList privateSchools = installation_.schools(Group::Colegio);
    const QString outros = installation_.schoolList(InstallationData::SchoolList::Referral).last();
    // The referral screen opens on 2024, so that year is the busiest.
    const QList<std::pair<int, int>> perYear = {{2023, 160}, {2024, 320}, {2025, 180}, {2026, 110}};
    for (const auto &[year, count] : perYear) {
        QList<QDate> days;
        for (int i = 0; i < count; ++i) {
            QDate d = rnd_.dateBetween(QDate(year, 1, 9), std::min(QDate(year, 12, 18), today()));
            while (d.dayOfWeek() > 5)
                d = d.addDays(1);
            days << d;
        }
        // Keys grow with the attendance date, as they did when the rows were typed in.
        std::sort(days.begin(), days.end());
        for (const QDate &attended : days) {
            Offer o = offers_.at(rnd_.between(0, int(offers_.size()) - 1));
            if (rnd_.chance(4))
                o.school = rnd_.chance(70) ? rnd_.pick(privateSchools) : outros;
            const int placementYear = attended.month() >= 8 ? year + 1 : year;
            const auto childSex = rnd_.sex();
            const QString mother = rnd_.fullName(DemoRandom::Sex::Female, DemoRandom::Age::Adult);
            const bool hasFather = rnd_.chance(70);
            const QString father =
                hasFather ? rnd_.fullName(DemoRandom::Sex::Male, DemoRandom::Age::Adult) : QString();
            const QString family =
                hasFather ? DemoRandom::familyName(father) : DemoRandom::familyName(mother);
            const bool edited = rnd_.chance(60);
            const QDate editedOn =
                edited ? rnd_.dateBetween(attended, std::min(attended.addDays(90), today())) : attended;
            QString bairro = rnd_.bairro();
            writer_.insert("ENCAMINHAMENTO",
                           {{"CODIGO", writer_.key("SP_GEN_ENCAMINHAMENTO_ID")},
                            {"DATA_ATENDIMENTO", attended},
                            {"NOME_ALUNO", rnd_.fullName(childSex,
                                                         o.grade == gradeEja ? DemoRandom::Age::Adult
                                                                             : DemoRandom::Age::Child,
                                                         family)},
                            {"DATA_NASC", birthFor(o.grade, placementYear)},
                            {"RESPONSAVEL_1", mother},
                            {"RESPONSAVEL_2", father},
                            {"ENDERECO", QStringLiteral("%1, %2").arg(rnd_.street(), rnd_.houseNumber())},
                            {"CONTATO_1", rnd_.mobile()},
                            {"CONTATO_2", rnd_.chance(55) ? rnd_.mobile() : QString()},
                            {"BAIRRO", bairro},
                            {"OBS", rnd_.chance(40) ? rnd_.pick(referralNotes) : QString()},
                            {"STATUS", weightedStatus()},
                            {"NOME_ESCOLAS", o.school},
                            {"NOMES_TURNOS", o.shift},
                            {"NOMES_SERIES", rules::listaSeries().at(o.grade)},
                            {"NIS_ALUNO", orNull(rnd_.chance(50), rnd_.cpf())},
                            {"RECEBE_S_N", rnd_.chance(35) ? "SIM" : "NAO"},
                            {"CPF", orNull(rnd_.chance(60), rnd_.cpf())},
                            {"USUARIO", stampUser({6, 7, 10})},
                            {"DATA_ED", editedOn},
                            {"HORA_ED", timeBetween(rnd_, 7, 18, true)}});
        }
    }
}

void DemoDatabase::fillPupils()
{
    static const QStringList complements = {"CASA", "CASA 2", "FUNDOS", "APTO 101", "APTO 202", "LOJA"};
    static const QStringList races = {"PARDA", "PARDA", "PARDA",    "BRANCA", "BRANCA",
                                      "NEGRA", "NEGRA", "INDIGENA", "OUTROS"};
    for (int i = 0; i < 360; ++i) {
        const QDate registered = rnd_.dateBetween(QDate(2023, 1, 16), today());
        const QDate birth = rnd_.birthForPlacement(rnd_.between(1, 17), today().year());
        const auto sex = rnd_.sex();
        const QString mother = rnd_.fullName(DemoRandom::Sex::Female, DemoRandom::Age::Adult);
        const QString name = rnd_.fullName(sex, DemoRandom::Age::Child, DemoRandom::familyName(mother));
        const QString bairro = rnd_.bairro();
        const bool rural = bairro.startsWith(QLatin1String("CORREGO")) || bairro == QLatin1String("PONTAL");
        const QString town = rnd_.birthTown();
        const QString townUf =
            town == QLatin1String("SAO PAULO") ? QStringLiteral("SP") : installation_.state();
        const bool hasRg = birth.daysTo(today()) > 7 * 365 && rnd_.chance(50);
        const QDate motherRg = rnd_.dateBetween(QDate(1998, 1, 1), QDate(2022, 12, 31));
        const int id = writer_.key("SP_GEN_ALUNOS_GERAL_ID");
        pupils_ << Pupil{id, name, birth};
        writer_.insert(
            "ALUNOS_GERAL",
            {{"ID", id},
             {"CODIGO", QStringLiteral("%1%2").arg(registered.year()).arg(id, 4, 10, QLatin1Char('0'))},
             {"NOME", name},
             {"SITUACAO", rnd_.chance(90) ? "ATIVO" : "INATIVO"},
             {"SEXO", sex == DemoRandom::Sex::Female ? "F" : "M"},
             {"TELEFONE_ALUNO", rnd_.mobile()},
             {"DN", birth},
             {"ENDERECO", rnd_.street()},
             {"COMPLEMENTO", rnd_.chance(30) ? rnd_.pick(complements) : QString()},
             {"NUMEND", rnd_.houseNumber()},
             {"BAIRRO", bairro},
             {"CEP", rnd_.cep()},
             {"UF", installation_.state()},
             {"CIDADE", installation_.municipality()},
             {"DISTRITO", rural ? bairro : QStringLiteral("SEDE")},
             {"ZONA_RESIDENCIAL", rural ? "RURAL" : "URBANA"},
             {"NATURALIDADE_CIDADE", town},
             {"NATURALIDADE_UF", townUf},
             {"ESTADO_CIVIL", "SOLTEIRO(A)"},
             {"RACA", rnd_.pick(races)},
             {"RG_ALUNO", orNull(hasRg, rnd_.rg())},
             {"RG_DATA_EXP", orNull(hasRg, rnd_.dateBetween(birth.addYears(6), today()))},
             {"RG_ORGAO_EXP", orNull(hasRg, QStringLiteral("SSP/MG"))},
             {"CPF", orNull(rnd_.chance(70), rnd_.cpf())},
             {"NIS", orNull(rnd_.chance(60), rnd_.digits(11))},
             {"CARTORIO", QStringLiteral("CARTORIO DE REGISTRO CIVIL DE ") + town},
             {"CERTIDAO_MATRIC_NOVA",
              QStringLiteral("%1 01 55 %2 1 %3 %4 %5 %6")
                  .arg(rnd_.digits(6))
                  .arg(birth.year())
                  .arg(rnd_.digits(5), rnd_.digits(3), rnd_.digits(7), rnd_.digits(2))},
             {"CERTIDAO_LIVRO", QStringLiteral("A-%1").arg(rnd_.between(10, 120))},
             {"CERTIDAO_TERMO", rnd_.digits(5)},
             {"CERTIDAO_DATA", birth.addDays(rnd_.between(2, 40))},
             {"CERTIDAO_FOLHA", QString::number(rnd_.between(1, 300))},
             {"CERTIDAO_CIDADE", town},
             {"CERTIDAO_UF", townUf},
             {"MAE", mother},
             {"MAE_RG", rnd_.rg()},
             {"MAE_ORG_EPEDI_RG", "SSP/MG"},
             {"MAE_RG_DATA", motherRg},
             {"MAE_RG_UF", "MG"},
             {"MAE_NIS", orNull(rnd_.chance(60), rnd_.digits(11))},
             {"MAE_CPF", rnd_.cpf()},
             {"FOTO", orNull(rnd_.chance(12), rnd_.portrait())},
             {"USUARIO", stampUser({2, 4, 7, 10})},
             {"DATA_CAD", registered}});
    }
}

void DemoDatabase::fillRegistrations()
{
    static const QStringList criteria = {"VULNERAVEL", "ESPECIAL", "ENDERECO PROXIMO", "ENDERECO PROXIMO",
                                         "OUTROS"};
    static const QStringList proofs = {"AGUA", "LUZ", "LUZ", "OUTROS"};
    static const QStringList disabilities = {"TEA - TRANSTORNO DO ESPECTRO AUTISTA", "TDAH",
                                             "DEFICIENCIA AUDITIVA", "BAIXA VISAO", "SINDROME DE DOWN"};
    const QStringList schools = installation_.schoolList(InstallationData::SchoolList::RegistrationFilter);
    QList<Offer> candidates;
    for (const QString &s : schools)
        for (const Offer &o : offersOf(s))
            if (o.grade != gradeIntegral)
                candidates << o;

    for (int baseYear : {2023, 2024, 2025}) {
        int inscription = 0;
        for (int i = 0; i < 150; ++i) {
            const Offer o = candidates.at(rnd_.between(0, int(candidates.size()) - 1));
            inscription += rnd_.between(1, 3);
            const QString mother = rnd_.fullName(DemoRandom::Sex::Female, DemoRandom::Age::Adult);
            const bool hasFather = rnd_.chance(65);
            const QString father =
                hasFather ? rnd_.fullName(DemoRandom::Sex::Male, DemoRandom::Age::Adult) : QString();
            const QString family = DemoRandom::familyName(hasFather ? father : mother);
            const bool special = rnd_.chance(6);
            writer_.insert(
                "CAD_ESCOLAR_ANUAL",
                {{"CODIGO", writer_.key("SP_GEN_CAD_ESCOLAR_ANUAL_ID")},
                 {"DATA_ATENDIMENTO", rnd_.dateBetween(QDate(baseYear - 1, 9, 1), QDate(baseYear, 2, 27))},
                 {"NOME_ALUNO", rnd_.fullName(rnd_.sex(), DemoRandom::Age::Child, family)},
                 {"DATA_NASC", birthFor(o.grade, baseYear)},
                 {"CPF", orNull(rnd_.chance(55), rnd_.cpf())},
                 {"NIS_ALUNO", orNull(rnd_.chance(50), rnd_.digits(11))},
                 {"ENDERECO", QStringLiteral("%1, %2").arg(rnd_.street(), rnd_.houseNumber())},
                 {"BAIRRO", rnd_.bairro()},
                 {"RESPONSAVEL_1", mother},
                 {"CONTATO_1", rnd_.mobile()},
                 {"RESPONSAVEL_2", father},
                 {"CONTATO_2", orNull(hasFather && rnd_.chance(70), rnd_.mobile())},
                 {"OBS", rnd_.chance(25) ? rnd_.pick(referralNotes) : QString()},
                 {"SITUACAO", rnd_.chance(88) ? "ATIVO" : "INATIVO"},
                 {"RECEBE_S_N", rnd_.chance(35) ? "SIM" : "NAO"},
                 {"ANO_BASE", QString::number(baseYear)},
                 {"USUARIO", stampUser({2, 4, 10})},
                 {"NOME_ESCOLA", o.school},
                 {"NOME_SERIE", rules::listaSeries().at(o.grade)},
                 {"NOME_TURNO", o.shift},
                 {"DECL_TRABALHO", o.grade <= 2 && rnd_.chance(70) ? "SIM" : "NAO"},
                 {"DECL_ENDERECO", rnd_.pick(proofs)},
                 {"NUM_SUS", QStringLiteral("7") + rnd_.digits(14)},
                 {"DEFICIENCIA", special ? rnd_.pick(disabilities) : QString()},
                 {"CONTROLE_INTERNO", QString::number(inscription)},
                 {"CRITERIO", special ? QStringLiteral("ESPECIAL") : rnd_.pick(criteria)}});
        }
    }
}

void DemoDatabase::fillClasses()
{
    // A few classes of this year, each with pupils of the general register.
    const QStringList schools = installation_.schools(Group::Municipal).mid(0, 4);
    for (const QString &school : schools) {
        for (int grade : {5, 6, 7}) {
            const int id = writer_.key("SP_GEN_ENTURMACAO_ID");
            writer_.insert("ENTURMACAO",
                           {{"ID", id},
                            {"ANO_BASE", QString::number(today().year())},
                            {"ESCOLA", school},
                            {"SERIE", rules::listaSeries().at(grade)},
                            {"TURNO", rules::listaTurnos().at(rnd_.between(0, 1))},
                            {"TURMA", rules::listaSeries().at(grade) + QStringLiteral(" - A")},
                            {"PROFESSOR", rnd_.fullName(DemoRandom::Sex::Female, DemoRandom::Age::Adult)},
                            {"USUARIO", stampUser({4, 10})},
                            {"DATA", QDate(today().year(), 2, 3)}});
            const int size = rnd_.between(14, 24);
            for (int i = 0; i < size; ++i) {
                const Pupil &p = pupils_.at(rnd_.between(0, int(pupils_.size()) - 1));
                writer_.insert("ENTURMACAO_DETALHES",
                               {{"ID_DETALHE", writer_.key("SP_GEN_ENTURMACAO_DETALHES_ID")},
                                {"ID", id},
                                {"ID_ALUNO", p.id},
                                {"NOME_ALUNO", p.name},
                                {"DN", p.birth},
                                {"SITUACAO", "CURSANDO"}});
            }
        }
    }
}

void DemoDatabase::fillEmployees()
{
    const QStringList departments = installation_.schoolList(InstallationData::SchoolList::Department);
    const QStringList schools = installation_.schoolList(InstallationData::SchoolList::RegistrationFilter);
    const QString secretariat = QStringLiteral("SEC. VEZEDUDE");
    int matricula = 100200;
    for (int i = 0; i < 170; ++i) {
        const bool office = i % 5 == 0 || rnd_.chance(8);
        const Job &job = office ? officeJobs[rnd_.between(0, int(std::size(officeJobs)) - 1)]
                                : schoolJobs[rnd_.between(0, int(std::size(schoolJobs)) - 1)];
        QString dpto = office ? secretariat : rnd_.pick(schools);
        if (!office && rnd_.chance(4))
            dpto = departments.at(
                rnd_.between(int(schools.size()), int(departments.size()) - 1)); // not a school
        const QString funcao = QString::fromLatin1(job.title);
        const auto sex = funcao.startsWith(QLatin1String("MERENDEIRA")) || rnd_.chance(72)
                             ? DemoRandom::Sex::Female
                             : DemoRandom::Sex::Male;
        const QDate birth = rnd_.dateBetween(QDate(1965, 1, 1), QDate(2002, 12, 31));
        const QDate admission =
            rnd_.dateBetween(std::max(birth.addYears(19), QDate(1995, 2, 1)), today().addMonths(-2));
        const QString mother = rnd_.fullName(DemoRandom::Sex::Female, DemoRandom::Age::Adult);
        const QString father = rnd_.fullName(DemoRandom::Sex::Male, DemoRandom::Age::Adult);
        const QString name = rnd_.fullName(sex, DemoRandom::Age::Adult, DemoRandom::familyName(father));
        const QString local =
            dpto == secretariat ? QStringLiteral("Sede da Secretaria de Educacao") : titleCase(dpto);
        const bool drives = funcao == QLatin1String("MOTORISTA") || rnd_.chance(35);
        matricula += rnd_.between(1, 40);
        const int id = writer_.key("SP_GEN_FUNCIONARIO_ID");
        employees_ << Employee{id,     name,      QString::number(matricula),
                               funcao, QString(), dpto,
                               local,  admission, rnd_.between(job.minPay, job.maxPay) * 100};
        Employee &e = employees_.last();
        e.vinculo = office && rnd_.chance(40) ? vinculos.at(rnd_.between(0, 1))
                                              : vinculos.at(rnd_.chance(60) ? 3 : rnd_.between(2, 4));
        writer_.insert(
            "FUNCIONARIO",
            {{"ID", id},
             {"NOME", name},
             {"ENDERECO", rnd_.street()},
             {"NUMERO", rnd_.houseNumber()},
             {"BAIRRO", rnd_.bairro()},
             {"CIDADE", installation_.municipality()},
             {"CONTATO", rnd_.mobile()},
             {"FUNCAO", funcao},
             {"DN", birth},
             {"FOTO", orNull(rnd_.chance(15), rnd_.portrait())},
             {"DATA_ADMISSAO", admission},
             {"SEXO", sex == DemoRandom::Sex::Female ? "FEMININO" : "MASCULINO"},
             {"NATURALIDADE", rnd_.birthTown()},
             {"CPF", rnd_.cpf()},
             {"RG", rnd_.rg()},
             {"RG_D_EMISSAO", rnd_.dateBetween(birth.addYears(16), today())},
             {"RG_ORGAO", "SSP/MG"},
             {"CNH", orNull(drives, rnd_.digits(11))},
             {"CNH_CAT", orNull(drives, funcao == QLatin1String("MOTORISTA") ? QStringLiteral("D")
                                                                             : QStringLiteral("B"))},
             {"TITULO_ELEITOR", rnd_.digits(12)},
             {"TITULO_ZONA", QString::number(rnd_.between(150, 320))},
             {"TITULO_SECAO", QStringLiteral("%1").arg(rnd_.between(1, 250), 4, 10, QLatin1Char('0'))},
             {"PASSAPORTE", orNull(rnd_.chance(3), QStringLiteral("FX") + rnd_.digits(6))},
             {"MAE", mother},
             {"PAI", father},
             {"USUARIO", stampUser({5, 10})},
             {"MATRICULA", e.matricula},
             {"VINCULO", e.vinculo},
             {"DPTO", dpto},
             {"LOCAL", local}});
    }
}

void DemoDatabase::fillAttendance()
{
    QMap<QString, int> sheetOf; // "MES/ANO" -> header ID
    for (int year = 2023; year <= 2026; ++year)
        for (const QString &month : months) {
            const int id = writer_.key("SP_GEN_RH_FREQ_CABECA_ID");
            sheetOf.insert(month + QLatin1Char('/') + QString::number(year), id);
            writer_.insert("RH_FREQ_CABECA", {{"ID", id}, {"MES", month}, {"ANO", QString::number(year)}});
        }

    // The secretariat's own staff is on the sheets; the schools keep theirs on paper.
    QList<Employee> staff;
    for (const Employee &e : employees_)
        if (e.dpto == QLatin1String("SEC. VEZEDUDE"))
            staff << e;

    for (QDate month(2024, 1, 1); month <= today(); month = month.addMonths(1)) {
        const int sheet =
            sheetOf.value(months.at(month.month() - 1) + QLatin1Char('/') + QString::number(month.year()));
        for (const Employee &e : staff) {
            if (e.admission > month.addMonths(1).addDays(-1))
                continue;
            const int faltas = rnd_.chance(80) ? 0 : rnd_.between(1, 3);
            const int atestado = rnd_.chance(88) ? 0 : rnd_.between(1, 5);
            const int ferias = month.month() == 1 && rnd_.chance(40) ? rnd_.between(10, 30) : 0;
            writer_.insert(
                "RH_FREQ_CORPO",
                {{"ID", sheet},
                 {"ID_FUNCIONARIO", e.id},
                 {"SITUACAO", ferias >= 30 ? "FERIAS" : "ATIVO"},
                 {"FALTAS", faltas},
                 {"ATESTADO", atestado},
                 {"LIC_GREDUROZ", 0},
                 {"DIAS_FERIAS", ferias},
                 {"DIAS_TRABALHADO", 30 - (faltas + atestado + ferias)},
                 {"HORAS_AULA", 0},
                 {"ADICIONAL_ZONA_RURAL", e.funcao.startsWith(QLatin1String("MOTORISTA")) ? "S" : "N"},
                 {"ADICIONAL_NOTURNO", "N"},
                 {"OBSERVACAO", atestado ? QStringLiteral("ATESTADO MEDICO ENTREGUE NO RH") : QString()}});
        }
    }

    // The old flat sheets of 2023, before the sheets got their lines.
    int id = 0;
    for (int m = 1; m <= 12; ++m)
        for (int i = 0; i < std::min(10, int(staff.size())); ++i) {
            const Employee &e = staff.at(i);
            const int faltas = rnd_.chance(80) ? 0 : rnd_.between(1, 3);
            writer_.insert("RH_FREQ", {{"ID", ++id},
                                       {"MES", months.at(m - 1) + QStringLiteral("/2023")},
                                       {"LOCA_TRABALHO", e.local},
                                       {"MATRICULA", e.matricula},
                                       {"FUNCIONARIO", e.name},
                                       {"CARGO", e.funcao},
                                       {"DATA_ADM", e.admission},
                                       {"SITUACAO", "ATIVO"},
                                       {"FALTAS", faltas},
                                       {"ATESTADO", 0},
                                       {"LIC_GREDUROZ", 0},
                                       {"DIAS_FERIAS", 0},
                                       {"DIAS_TRABALHADO", 30 - faltas},
                                       {"HORAS_AULA", 0},
                                       {"ADICIONAL_ZONA_RURAL", "N"},
                                       {"ADICIONAL_NOTURNO", "N"},
                                       {"OBSERVACAO", QString()}});
        }
}

void DemoDatabase::fillPayroll()
{
    // The last six monthly workbooks; each line's ID is the workbook's own running number.
    int id = 0;
    for (QDate month = today().addMonths(-5); month <= today(); month = month.addMonths(1)) {
        for (const Employee &e : employees_) {
            if (e.admission > month)
                continue;
            const int cents = e.salaryCents + (rnd_.chance(30) ? rnd_.between(0, 45000) : 0);
            writer_.insert("FOLHA",
                           {{"ID", ++id},
                            {"MATRICULA", e.matricula},
                            {"ANO", QString::number(month.year())},
                            {"MES", QStringLiteral("%1").arg(month.month(), 2, 10, QLatin1Char('0'))},
                            {"SERVIDOR", e.name},
                            {"DATA_ADM", e.admission},
                            {"CARGO", e.funcao},
                            {"VINCULO", e.vinculo},
                            {"DPTO", e.dpto},
                            {"LOCAL", e.local},
                            {"VALOR", fb::Decimal{cents, -2}}});
        }
    }
}

void DemoDatabase::fillFollowUps()
{
    const QStringList schools = installation_.schoolList(InstallationData::SchoolList::Referral);
    for (int i = 0; i < 95; ++i) {
        const QString school =
            rnd_.chance(3) ? schools.last() : schools.at(rnd_.between(0, int(schools.size()) - 2));
        QList<Offer> offers = offersOf(school);
        const Offer o = offers.isEmpty() ? Offer{school, rnd_.between(3, 13), rules::listaTurnos().at(0)}
                                         : offers.at(rnd_.between(0, int(offers.size()) - 1));
        const QDate attended = rnd_.dateBetween(QDate(2024, 2, 5), today());
        writer_.insert("SPEDAGOGICO",
                       {{"ID", writer_.key("SP_GEN_SPEDAGOGICO_ID")},
                        {"ESCOLA", school},
                        {"ALUNO", rnd_.fullName(rnd_.sex(), DemoRandom::Age::Child)},
                        {"DN", birthFor(o.grade, attended.year())},
                        {"RESPONSAVEL", rnd_.fullName(DemoRandom::Sex::Female, DemoRandom::Age::Adult)},
                        {"CONTATO", rnd_.mobile()},
                        {"ENDERECO",
                         QStringLiteral("%1, %2 - %3").arg(rnd_.street(), rnd_.houseNumber(), rnd_.bairro())},
                        {"SERIE", rules::listaSeries().at(o.grade)},
                        {"TURNO", o.shift},
                        {"PROFESSOR", rnd_.fullName(DemoRandom::Sex::Female, DemoRandom::Age::Adult)},
                        {"SUPERVISOR", rnd_.fullName(rnd_.sex(), DemoRandom::Age::Adult)},
                        {"QUEIXA", rnd_.sentence(complaints, 1, 3)},
                        {"OBS", rnd_.sentence(observations, 1, 2)},
                        {"ENCAMINHAMENTO", rnd_.sentence(decisions, 1, 2)},
                        {"DATA_ATD", attended}});
    }
}

void DemoDatabase::fillTransport()
{
    // The rural schools carry most of the riders.
    const QStringList schools = installation_.schoolList(InstallationData::SchoolList::Vacancy);
    QStringList rural;
    for (const QString &s : schools)
        if (s.contains(QLatin1String("CORREGO")) || s.contains(QLatin1String("PONTAL")))
            rural << s;
    static const QStringList situations = {"AUTORIZADO", "AUTORIZADO", "AUTORIZADO", "AUTORIZADO",
                                           "AUTORIZADO", "AUTORIZADO", "AUTORIZADO", "AGUARDANDO",
                                           "AGUARDANDO", "INATIVO"};
    QList<std::pair<QString, QString>> monitors;
    for (int i = 0; i < 6; ++i)
        monitors << std::pair{rnd_.fullName(DemoRandom::Sex::Female, DemoRandom::Age::Adult), rnd_.mobile()};

    for (int i = 0; i < 230; ++i) {
        const QString school = !rural.isEmpty() && rnd_.chance(65) ? rnd_.pick(rural) : rnd_.pick(schools);
        QList<Offer> offers = offersOf(school);
        const Offer o = offers.at(rnd_.between(0, int(offers.size()) - 1));
        const QDate authorised = rnd_.dateBetween(QDate(2024, 2, 1), today());
        const auto &[monitor, monitorPhone] = monitors.at(rnd_.between(0, int(monitors.size()) - 1));
        const QString guardian = rnd_.fullName(DemoRandom::Sex::Female, DemoRandom::Age::Adult);
        writer_.insert("C_TRANSPORTE", {{"ID", writer_.key("SP_GEN_PRESIDENTE_ID")},
                                        {"ESCOLA", school},
                                        {"TURNO", o.shift},
                                        {"SERIE", rules::listaSeries().at(o.grade)},
                                        {"LOCAL_EMBARQUE", rnd_.ruralPlace()},
                                        {"NOME_MONITOR", monitor},
                                        {"CONTATO_MONITOR", monitorPhone},
                                        {"USUARIO", fb::Value()},
                                        {"SITUACAO", rnd_.pick(situations)},
                                        {"RESPONSAVEL_1", guardian},
                                        {"CONTATO_RESPONSAVEL_1", rnd_.mobile()},
                                        {"NOME_ALUNO", rnd_.fullName(rnd_.sex(), DemoRandom::Age::Child,
                                                                     DemoRandom::familyName(guardian))},
                                        {"DN", birthFor(o.grade, authorised.year())},
                                        {"DATA_HOJE", authorised}});
    }
}

} // namespace demo
