// Benchmark of the cached table dataset on a large referral table (ENCAMINHAMENTO).
//
//   build/bench/bench_dataset [--rows 100000] [--dir /tmp] [--reps 5] [--no-qibase]
//
// Creates an embedded database in --dir, fills ENCAMINHAMENTO with generated rows shaped like the
// real ones (Portuguese names, addresses, telephones, schools, grades, shifts, states, CPF, dates)
// through one prepared INSERT in one transaction, then measures in the same run, each time the
// median of --reps repetitions (the filters: twice as many changes):
//   - opening the dataset (every row into the cache) against a raw fetch that stores nothing;
//   - the cache's memory (cacheBytes and the growth of VmRSS over the first open) against the
//     rows' raw bytes (UTF-8 length of every text, 4 bytes for every integer, date and time);
//   - a prefix filter change, a three-term equality filter, a sort, the two sums after a filter;
//   - applying 1,000 where-all UPDATEs against the same statements run raw (the same text built
//     per row, one prepared statement per distinct text since NULLs change the text, one
//     transaction), and, for information, the edit + post of one row before the apply;
//   - loading the same rows through Qt's QIBASE driver, as a reference.
// Prints a Markdown table (measure | value | reference | ratio | target | met?), the machine, and
// how much CPU other processes took meanwhile. The database file is dropped at the end. This is a
// benchmark, not a test: it is not registered with CTest and nothing in it gates the build.
#include "data/TableDataset.h"
#include "fb/Fb.h"
#include "rules/PickLists.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

QString listMs(const std::vector<double> &v)
{
    QStringList parts;
    for (double x : v)
        parts << QString::number(x, 'f', x < 10 ? 3 : 1);
    return parts.join(QStringLiteral(" "));
}

void say(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

// --- /proc ------------------------------------------------------------------------------------

// A "Key:   1234 kB" line of /proc/self/status, in bytes; -1 when absent.
long long procStatusBytes(const char *key)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string want = std::string(key) + ":";
    while (std::getline(in, line))
        if (line.rfind(want, 0) == 0)
            return std::stoll(line.substr(want.size())) * 1024;
    return -1;
}

// Starts a new peak (VmHWM) from the current RSS; false where the kernel does not allow it.
bool resetPeakRss()
{
    std::ofstream out("/proc/self/clear_refs");
    out << "5";
    out.flush();
    return bool(out);
}

// CPU time in clock ticks: the whole machine's busy and total time (/proc/stat) and this process's
// own (/proc/self/stat). Other work on the machine skews every figure, so the report says how much
// of the machine other processes took while the benchmark ran.
struct CpuTicks {
    long long busy = 0, total = 0, self = 0;
};

CpuTicks cpuTicks()
{
    CpuTicks t;
    {
        std::ifstream in("/proc/stat");
        std::string cpu;
        long long user = 0, nice = 0, system = 0, idle = 0, iowait = 0, irq = 0, softirq = 0, steal = 0;
        in >> cpu >> user >> nice >> system >> idle >> iowait >> irq >> softirq >> steal;
        t.busy = user + nice + system + irq + softirq + steal;
        t.total = t.busy + idle + iowait;
    }
    {
        std::ifstream in("/proc/self/stat");
        std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // Fields after the command name (which ends with the last ')'): state is field 3, utime 14, stime 15.
        std::istringstream rest(all.substr(all.rfind(')') + 2));
        std::string field;
        long long utime = 0, stime = 0;
        for (int i = 3; i <= 15 && rest >> field; ++i) {
            if (i == 14)
                utime = std::stoll(field);
            else if (i == 15)
                stime = std::stoll(field);
        }
        t.self = utime + stime;
    }
    return t;
}

// Share of the machine's CPU capacity that other processes used between two readings, in percent.
double othersShare(const CpuTicks &a, const CpuTicks &b)
{
    const long long total = b.total - a.total;
    if (total <= 0)
        return 0;
    return 100.0 * double(std::max(0LL, (b.busy - a.busy) - (b.self - a.self))) / double(total);
}

QString cpuModel()
{
    std::ifstream in("/proc/cpuinfo");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("model name", 0) == 0) {
            const auto colon = line.find(':');
            return QString::fromStdString(colon == std::string::npos ? line : line.substr(colon + 1)).trimmed();
        }
    return QStringLiteral("(unknown)");
}

// --- generated rows -----------------------------------------------------------------------------

// ENCAMINHAMENTO's columns in table order, with how each counts in the raw bytes.
enum class Kind { Int, Date, Time, Text };
struct Col {
    const char *name;
    Kind kind;
};
constexpr Col kCols[] = {
    {"CODIGO", Kind::Int},         {"DATA_ATENDIMENTO", Kind::Date}, {"NOME_ALUNO", Kind::Text},
    {"DATA_NASC", Kind::Date},     {"RESPONSAVEL_1", Kind::Text},    {"RESPONSAVEL_2", Kind::Text},
    {"ENDERECO", Kind::Text},      {"CONTATO_1", Kind::Text},        {"CONTATO_2", Kind::Text},
    {"BAIRRO", Kind::Text},        {"OBS", Kind::Text},              {"STATUS", Kind::Text},
    {"SITUACAO", Kind::Text},      {"ESCOLA_TROCA", Kind::Text},     {"NOME_ESCOLAS", Kind::Text},
    {"NOMES_TURNOS", Kind::Text},  {"NOMES_SERIES", Kind::Text},     {"NIS_ALUNO", Kind::Text},
    {"RECEBE_S_N", Kind::Text},    {"CPF", Kind::Text},              {"ID_ESCOLA", Kind::Int},
    {"ID_SERIE", Kind::Int},       {"ID_TURNO", Kind::Int},          {"USUARIO", Kind::Text},
    {"DATA_ED", Kind::Date},       {"HORA_ED", Kind::Time},
};
constexpr int kColCount = int(sizeof kCols / sizeof kCols[0]);

const QStringList kGirls = {
    "MARIA EDUARDA", "MARIA CLARA", "MARIA JULIA", "MARIA LUIZA", "ANA CLARA", "ANA JULIA", "ANA LUIZA",
    "ALICE", "HELENA", "VALENTINA", "LAURA", "MANUELA", "SOPHIA", "ISABELLA", "HELOISA", "LUIZA", "JULIA",
    "LORENA", "LIVIA", "GIOVANNA", "BEATRIZ", "MARIANA", "CECILIA", "ELOA", "YASMIN", "EMANUELLY",
    "ISADORA", "LARISSA", "RAFAELA", "NICOLE", "KAILANE", "VITORIA", "MARINA", "AGATHA", "LETICIA",
    "GABRIELLY", "ESTHER", "MIRELLA", "STHEFANY", "ANA BEATRIZ", "JOSEFA", "JOSIANE"};
const QStringList kBoys = {
    "MIGUEL", "ARTHUR", "HEITOR", "BERNARDO", "DAVI", "THEO", "LORENZO", "GABRIEL", "PEDRO", "BENJAMIN",
    "MATHEUS", "LUCAS", "NICOLAS", "JOAQUIM", "SAMUEL", "HENRIQUE", "RAFAEL", "GUILHERME", "ENZO",
    "MURILO", "BENICIO", "GUSTAVO", "ISAAC", "JOÃO MIGUEL", "JOÃO PEDRO", "PEDRO HENRIQUE", "KAUÃ",
    "JOSÉ", "JOSUÉ", "MARCOS VINICIUS", "MARCELO", "ENZO GABRIEL", "CAUÃ", "RYAN", "DAVI LUCCA",
    "WESLEY", "WELLINGTON", "KAIQUE", "VITOR HUGO", "JOÃO VITOR"};
const QStringList kWomen = {
    "MARIA", "ANA", "FRANCISCA", "ANTONIA", "ADRIANA", "JULIANA", "MARCIA", "FERNANDA", "PATRICIA",
    "ALINE", "SANDRA", "CAMILA", "AMANDA", "BRUNA", "JESSICA", "LUCIANA", "VANESSA", "ROSANGELA",
    "SIMONE", "DANIELA", "CRISTIANE", "ELIANE", "LUANA", "RAQUEL", "TATIANE", "KARINA", "VALERIA",
    "ROSIMERE", "MARIA DA PENHA", "MARIA APARECIDA", "CONCEIÇÃO", "LUCIMAR", "ZENAIDE", "ELISÂNGELA",
    "GRACIELE", "JOSILENE", "MARLENE", "SOLANGE"};
const QStringList kMen = {
    "JOSÉ", "JOÃO", "ANTONIO", "FRANCISCO", "CARLOS", "PAULO", "PEDRO", "LUCAS", "LUIZ", "MARCOS",
    "GABRIEL", "RAFAEL", "DANIEL", "MARCELO", "BRUNO", "EDUARDO", "FELIPE", "RAIMUNDO", "RODRIGO",
    "SEBASTIÃO", "JOSÉ CARLOS", "JOÃO BATISTA", "ADEMIR", "VALDIR", "GILSON", "ROBSON", "EDSON",
    "WANDERSON", "CLEBER", "FABIO", "ALEXANDRE", "LEANDRO"};
const QStringList kSurnames = {
    "DA SILVA", "DOS SANTOS", "DE OLIVEIRA", "DE SOUZA", "RODRIGUES", "FERREIRA", "ALVES", "PEREIRA",
    "LIMA", "GOMES", "DA COSTA", "RIBEIRO", "MARTINS", "CARVALHO", "DE ALMEIDA", "LOPES", "SOARES",
    "FERNANDES", "VIEIRA", "BARBOSA", "ROCHA", "DIAS", "DO NASCIMENTO", "DE ANDRADE", "MOREIRA",
    "NUNES", "MARQUES", "MACHADO", "MENDES", "DE FREITAS", "CARDOSO", "RAMOS", "GONÇALVES", "SANTANA",
    "TEIXEIRA", "DE JESUS", "PIMENTEL", "COUTINHO", "BERMUDES", "ZANOTTI", "LOUREIRO", "FALCÃO",
    "DA CONCEIÇÃO", "BRANDÃO", "PIRES", "CORREA", "DE ASSIS", "SIQUEIRA", "PASSOS", "MONTEIRO"};
const QStringList kStreetTypes = {"RUA", "RUA", "RUA", "AVENIDA", "TRAVESSA", "ESCADARIA", "RODOVIA"};
const QStringList kStreets = {
    "DAS ACACIAS", "DOS IPES", "DAS PALMEIRAS", "DAS ORQUIDEAS", "SÃO JOÃO", "SÃO PEDRO", "VITORIA",
    "CAPITÃO GOMES", "DOUTOR JOSÉ MOREIRA", "PRESIDENTE VARGAS", "SETE DE SETEMBRO", "QUINZE DE NOVEMBRO",
    "DOM PEDRO II", "DAS FLORES", "DOS PESCADORES", "BEIRA MAR", "DO CONTORNO", "SANTA LUZIA",
    "NOSSA SENHORA DA PENHA", "DAS MANGUEIRAS", "JOAQUIM LIRIO", "LUCIANO DAS NEVES", "DOS EUCALIPTOS",
    "DAS GAIVOTAS", "JOSÉ DE ANCHIETA", "DOS TRABALHADORES", "PROJETADA", "DO CANAL", "DAS ANDORINHAS",
    "SANTO ANTONIO"};
const QStringList kBairros = {
    "CENTRO", "JARDIM CAMBURI", "SÃO PEDRO", "NOVA ALMEIDA", "PRAIA DO CANTO", "SANTA MARTA", "ITARARE",
    "BELA VISTA", "PARQUE RESIDENCIAL LARANJEIRAS", "VILA NOVA", "BOA VISTA", "JACARAIPE", "MANGUINHOS",
    "CAMPO GRANDE", "JARDIM AMERICA", "SANTA INES", "PRIMAVERA", "NOVO HORIZONTE", "SÃO FRANCISCO",
    "PORTAL DE JACARAIPE", "CIDADE CONTINENTAL", "FEU ROSA", "VILA NOVA DE COLARES", "SERRA SEDE",
    "BARCELONA", "ELDORADO", "ALTEROSAS", "PLANALTO SERRANO", "CASTELANDIA", "ROSARIO DE FATIMA"};
const QStringList kSchools = {
    "E.M. PROFESSORA MARIA DA PENHA ALVES", "E.M. PROFESSORA ANA MARIA ROCHA",
    "E.M. PROFESSOR JOSÉ CARLOS DE LIMA", "E.M. PROFESSORA CONCEIÇÃO PIMENTEL",
    "E.M. PROFESSORA ELZA MARIA BERMUDES", "E.M. PROFESSOR ANTONIO SOARES",
    "E.M. PROFESSORA DIRCE DE SOUZA", "E.M. PROFESSORA NEUZA FERREIRA",
    "E.M.E.F. SÃO JOÃO BATISTA", "E.M.E.F. VALE DO SOL", "E.M.E.F. NOVA ALMEIDA",
    "E.M.E.F. JARDIM CAMBURI", "E.M.E.F. DOM PEDRO II", "E.M.E.F. BARÃO DE MONJARDIM",
    "E.M.E.F. PRESIDENTE VARGAS", "E.M.E.F. PADRE ANCHIETA", "E.M.E.F. BOA VISTA",
    "C.M.E.I. PEQUENO PRÍNCIPE", "C.M.E.I. MENINO JESUS", "C.M.E.I. CRIANÇA FELIZ",
    "C.M.E.I. SONHO DE CRIANÇA", "C.M.E.I. BRANCA DE NEVE", "C.M.E.I. PROFESSORA LUCIA GOMES",
    "C.M.E.I. TIA NENZINHA", "E.M. PROFESSORA ZILDA ARNS", "E.M. PROFESSOR FLORENTINO AVIDOS",
    "E.M. PROFESSORA EMILIA GONÇALVES", "E.M. PROFESSORA ROSA MARIA ZANOTTI", "E.M.E.F. CAMPO GRANDE",
    "E.M.E.F. SANTA MARTA"};
const QStringList kSituacoes = {"MATRICULA NOVA", "TRANSFERENCIA", "REMANEJAMENTO", "RETORNO",
                                "MUDANÇA DE ENDEREÇO"};
const QStringList kObs = {
    "ALUNO COM LAUDO", "IRMÃO ESTUDA NA MESMA ESCOLA", "AGUARDANDO VAGA NO TURNO MATUTINO",
    "MUDOU DE ENDEREÇO", "RESPONSÁVEL TRABALHA À NOITE", "PRECISA DE TRANSPORTE ESCOLAR",
    "VEIO TRANSFERIDO DE OUTRO MUNICIPIO", "LIGAR APÓS AS 17H", "DOCUMENTAÇÃO INCOMPLETA",
    "ENCAMINHADO PELO CONSELHO TUTELAR"};
const QStringList kUsers = {"ADMIN", "JULIANA", "ROSANGELA", "MARCIA", "CARLOS", "SECRETARIA", "LUCIMAR"};

// The filters measured below; the generator counts their rows so the results can be checked.
const QString kPrefixA = QStringLiteral("MAR"), kPrefixB = QStringLiteral("JOS");
const int kSchoolA = 0, kSchoolB = 8;
const QString kGradeFilter = QStringLiteral("1\u00B0 PERIODO");
const QString kShiftFilter = QStringLiteral("MATUTINO");

class Generator {
public:
    explicit Generator(quint64 seed) : rng_(seed) {}

    QList<fb::Value> row(int codigo);

    qint64 rawBytes = 0;
    qint64 sumEscola = 0, sumSerie = 0;
    int prefixA = 0, prefixB = 0, triadA = 0, triadB = 0;

private:
    int range(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    const QString &pick(const QStringList &l) { return l[range(0, int(l.size()) - 1)]; }
    QString digits(int n)
    {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QChar(u'0' + range(0, 9));
        return s;
    }
    QString cpf();
    QString phone(bool mobile)
    {
        return mobile ? QStringLiteral("(27)9%1-%2").arg(digits(4), digits(4))
                      : QStringLiteral("(27)3%1-%2").arg(digits(3), digits(4));
    }
    std::mt19937_64 rng_;
};

QString Generator::cpf()
{
    int d[11];
    for (int i = 0; i < 9; ++i)
        d[i] = range(0, 9);
    for (int k = 9; k <= 10; ++k) {
        int s = 0;
        for (int i = 0; i < k; ++i)
            s += d[i] * (k + 1 - i);
        const int r = (s * 10) % 11;
        d[k] = r == 10 ? 0 : r;
    }
    QString t;
    for (int i = 0; i < 11; ++i) {
        t += QChar(u'0' + d[i]);
        if (i == 2 || i == 5)
            t += QLatin1Char('.');
        else if (i == 8)
            t += QLatin1Char('-');
    }
    return t;
}

QList<fb::Value> Generator::row(int codigo)
{
    const QDate atendimento = QDate(2019, 1, 2).addDays(range(0, 6 * 365));
    // Placement age 1..17 picks the grade (entry age-1 of the labels), a few go to EJA / INTEGRAL.
    const int age = std::min(range(1, 17), range(1, 17)); // younger children are referred more
    const QDate nascimento = atendimento.addYears(-age).addDays(-range(0, 364));
    const QStringList &series = rules::listaSeries();
    int serie = age - 1;
    if (chance(0.03))
        serie = int(series.indexOf(chance(0.5) ? QStringLiteral("EJA") : QStringLiteral("INTEGRAL")));
    const int r = range(0, 99);
    const int turno = r < 42 ? 0 : r < 82 ? 1 : r < 87 ? 2 : 3; // MATUTINO, VESPERTINO, NOTURNO, INTEGRAL
    const int escola = range(0, int(kSchools.size()) - 1);

    const QString maeSobrenome = pick(kSurnames), paiSobrenome = pick(kSurnames);
    const QString primeiro = chance(0.5) ? pick(kGirls) : pick(kBoys);
    const QString nome = chance(0.7) ? primeiro + ' ' + maeSobrenome + ' ' + paiSobrenome : primeiro + ' ' + maeSobrenome;
    const QString mae = pick(kWomen) + ' ' + pick(kSurnames) + ' ' + maeSobrenome;
    const QString pai = chance(0.65) ? pick(kMen) + ' ' + pick(kSurnames) + ' ' + paiSobrenome : QString();
    QString endereco = pick(kStreetTypes) + ' ' + pick(kStreets) + QStringLiteral(", ") + QString::number(range(1, 2500));
    if (chance(0.1))
        endereco += chance(0.5) ? QStringLiteral(" - CASA %1").arg(range(1, 4)) : QStringLiteral(" - APTO %1").arg(range(101, 404));

    const QStringList &statuses = rules::listaStatusEncaminhamento();
    const int s = range(0, 99);
    const QString status = s < 30 ? statuses[0] : s < 65 ? statuses[1] : pick(statuses);
    const QString troca = chance(0.25) ? kSchools[range(0, int(kSchools.size()) - 1)] : QString();

    auto text = [](const QString &t) { return t.isNull() ? fb::Value() : fb::Value(t); };
    QList<fb::Value> v;
    v.reserve(kColCount);
    v << fb::Value(codigo) << fb::Value(atendimento) << fb::Value(nome) << fb::Value(nascimento) << fb::Value(mae)
      << text(pai) << fb::Value(endereco) << fb::Value(phone(true))
      << (chance(0.45) ? fb::Value(phone(chance(0.5))) : fb::Value()) << fb::Value(pick(kBairros))
      << (chance(0.35) ? fb::Value(pick(kObs)) : fb::Value()) << fb::Value(status) << fb::Value(pick(kSituacoes))
      << text(troca) << fb::Value(kSchools[escola]) << fb::Value(rules::listaTurnos()[turno])
      << fb::Value(series[serie]) << (chance(0.7) ? fb::Value(digits(11)) : fb::Value())
      << fb::Value(chance(0.4) ? QStringLiteral("SIM") : QStringLiteral("NAO"))
      << (chance(0.75) ? fb::Value(cpf()) : fb::Value()) << fb::Value(escola + 1) << fb::Value(serie + 1)
      << fb::Value(turno + 1) << fb::Value(pick(kUsers)) << fb::Value(atendimento.addDays(range(0, 30)))
      << fb::Value(fb::Time::fromHms(range(7, 17), range(0, 59), range(0, 59)));

    for (int i = 0; i < kColCount; ++i) {
        const fb::Value &x = v[i];
        if (x.isNull())
            continue;
        rawBytes += kCols[i].kind == Kind::Text ? x.get<QString>().toUtf8().size() : 4;
    }
    sumEscola += escola + 1;
    sumSerie += serie + 1;
    prefixA += nome.startsWith(kPrefixA);
    prefixB += nome.startsWith(kPrefixB);
    const bool triad = series[serie] == kGradeFilter && turno == 0;
    triadA += triad && escola == kSchoolA;
    triadB += triad && escola == kSchoolB;
    return v;
}

// --- measured operations ------------------------------------------------------------------------

const QString kSelect = QStringLiteral("select * from ENCAMINHAMENTO");

QString quotedName(const QString &identifier)
{
    return QLatin1Char('"') + QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// The raw fetch: every row through the object API, nothing stored.
double rawFetch(fb::Attachment &att, qint64 &rows)
{
    rows = 0;
    const auto t0 = Clock::now();
    fb::Transaction tra(att, fb::TransactionOptions::readCommittedReadOnly());
    {
        fb::Statement st(tra, kSelect);
        auto rs = st.openCursor();
        while (rs->next())
            ++rows;
    }
    tra.commit();
    return msSince(t0);
}

struct RawRow {
    QList<fb::Value> values;
};

// Reads the given rows as they are now (not timed), for the raw UPDATEs.
std::vector<RawRow> readRows(fb::Attachment &att, const std::vector<int> &codes, QList<fb::Column> &columns)
{
    std::vector<RawRow> out;
    fb::Transaction tra(att, fb::TransactionOptions::readCommittedReadOnly());
    {
        fb::Statement st(tra, QStringLiteral("select * from ENCAMINHAMENTO where CODIGO = ?"));
        columns = st.outputs();
        for (int code : codes) {
            auto rs = st.openCursor({code});
            if (!rs->next())
                throw fb::Error(QStringLiteral("row %1 vanished").arg(code));
            RawRow r;
            for (int i = 0; i < rs->columnCount(); ++i)
                r.values << rs->value(i);
            out.push_back(std::move(r));
        }
    }
    tra.commit();
    return out;
}

// The raw counterpart of the dataset's apply: the same where-all UPDATE text built per row (every
// non-BLOB column, IS NULL where null), one prepared statement per distinct text, one transaction.
double rawUpdates(fb::Attachment &att, const std::vector<RawRow> &rows, const QList<fb::Column> &columns,
                  int obsIndex, const std::function<QString(int)> &newObs, int &statements)
{
    const auto t0 = Clock::now();
    fb::Transaction tra(att, fb::TransactionOptions::readCommittedWrite(10));
    QHash<QString, std::shared_ptr<fb::Statement>> prepared;
    for (size_t k = 0; k < rows.size(); ++k) {
        const RawRow &row = rows[k];
        QList<fb::Value> params;
        params << fb::Value(newObs(int(k)));
        QStringList terms;
        for (int i = 0; i < columns.size(); ++i) {
            const fb::ColumnType t = columns[i].type;
            if (t == fb::ColumnType::TextBlob || t == fb::ColumnType::BinaryBlob)
                continue;
            if (row.values[i].isNull()) {
                terms << quotedName(columns[i].name) + QStringLiteral(" IS NULL");
            } else {
                terms << quotedName(columns[i].name) + QStringLiteral(" = ?");
                params << row.values[i];
            }
        }
        const QString sql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3")
                                .arg(quotedName(QStringLiteral("ENCAMINHAMENTO")), quotedName(columns[obsIndex].name),
                                     terms.join(QStringLiteral(" AND ")));
        auto &stmt = prepared[sql];
        if (!stmt)
            stmt = std::make_shared<fb::Statement>(tra, sql);
        if (stmt->execute(params) != 1)
            throw fb::Error(QStringLiteral("raw UPDATE did not reach exactly one row"));
    }
    statements = int(prepared.size());
    prepared.clear();
    tra.commit();
    return msSince(t0);
}

// --- report ---------------------------------------------------------------------------------------

struct Line {
    QString measure, value, reference, ratio, target, met;
};

QString fmtMs(double ms) { return QStringLiteral("%1 ms").arg(ms, 0, 'f', ms < 10 ? 2 : 1); }
QString fmtMiB(double bytes) { return QStringLiteral("%1 MiB").arg(bytes / (1024.0 * 1024.0), 0, 'f', 1); }
QString fmtRatio(double r) { return QStringLiteral("%1\u00D7").arg(r, 0, 'f', 2); }
QString yesNo(bool b) { return b ? QStringLiteral("yes") : QStringLiteral("**no**"); }

struct Options {
    int rows = 100000;
    QString dir = QStringLiteral("/tmp");
    int reps = 5;
    bool qibase = true;
};

int usage()
{
    std::fprintf(stderr, "usage: bench_dataset [--rows 100000] [--dir /tmp] [--reps 5] [--no-qibase]\n");
    return 2;
}

int run(const Options &opt, const QString &path)
{
    std::vector<Line> table;
    QFile::remove(path);

    const CpuTicks ticksBefore = cpuTicks();
    say(QStringLiteral("bench_dataset: %1 rows, %2 repetitions, database %3").arg(opt.rows).arg(opt.reps).arg(path));
    auto att = fb::Attachment::create({.host = "", .database = path, .user = "SYSDBA", .password = {}});
    {
        QFile f(QStringLiteral(MIRABELTA_SOURCE_DIR "/db/schema.sql"));
        if (!f.open(QIODevice::ReadOnly))
            throw fb::Error(QStringLiteral("cannot read %1").arg(f.fileName()));
        att->executeScript(QString::fromUtf8(f.readAll()));
    }

    // ---- fill
    Generator gen(20240517);
    {
        QStringList names, marks;
        for (const Col &c : kCols) {
            names << QString::fromLatin1(c.name);
            marks << QStringLiteral("?");
        }
        const auto t0 = Clock::now();
        fb::Transaction tra(*att, fb::TransactionOptions::readCommittedWrite(10));
        {
            fb::Statement ins(tra, QStringLiteral("INSERT INTO ENCAMINHAMENTO (%1) VALUES (%2)")
                                       .arg(names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
            for (int i = 1; i <= opt.rows; ++i)
                ins.execute(gen.row(i));
        }
        tra.commit();
        say(QStringLiteral("filled ENCAMINHAMENTO: %1 rows in %2 (one prepared INSERT, one transaction); raw "
                           "UTF-8 bytes %3")
                .arg(opt.rows)
                .arg(fmtMs(msSince(t0)), fmtMiB(double(gen.rawBytes))));
    }

    data::TableDataset ds(QStringLiteral("cdsaluno"), QStringLiteral("ENCAMINHAMENTO"), kSelect);
    ds.setConnection(att.get());
    ds.setKeyField(QStringLiteral("CODIGO"));
    ds.addAggregate(QStringLiteral("qtdv"), QStringLiteral("sum(ID_ESCOLA)"));
    ds.addAggregate(QStringLiteral("qtq"), QStringLiteral("sum(ID_SERIE)"));

    // ---- 2. memory, on the first open (the engine's page cache is warmed by one raw fetch first)
    qint64 fetched = 0;
    rawFetch(*att, fetched);
    if (fetched != opt.rows)
        throw fb::Error(QStringLiteral("raw fetch saw %1 rows").arg(fetched));
    const bool peakOk = resetPeakRss();
    const long long rss0 = procStatusBytes("VmRSS");
    ds.open();
    const long long rss1 = procStatusBytes("VmRSS");
    const long long hwm = procStatusBytes("VmHWM");
    const double cache = double(ds.cacheBytes());
    const double raw = double(gen.rawBytes);
    if (ds.recordCount() != opt.rows)
        throw fb::Error(QStringLiteral("dataset loaded %1 rows").arg(ds.recordCount()));
    say(QStringLiteral("memory: cacheBytes %1, VmRSS %2 -> %3 (+%4), peak during open +%5, raw bytes %6")
            .arg(fmtMiB(cache), fmtMiB(double(rss0)), fmtMiB(double(rss1)), fmtMiB(double(rss1 - rss0)),
                 peakOk ? fmtMiB(double(hwm - rss0)) : QStringLiteral("n/a"), fmtMiB(raw)));

    // ---- 1. open against raw fetch, interleaved
    std::vector<double> tOpen, tRaw;
    for (int r = 0; r < opt.reps; ++r) {
        tRaw.push_back(rawFetch(*att, fetched));
        ds.close();
        const auto t0 = Clock::now();
        ds.open();
        tOpen.push_back(msSince(t0));
    }
    const double openMs = median(tOpen), rawMs = median(tRaw);
    say(QStringLiteral("open: %1 | raw fetch: %2 (ms)").arg(listMs(tOpen), listMs(tRaw)));
    table.push_back({QStringLiteral("open the table dataset (%1 rows into the cache)").arg(opt.rows), fmtMs(openMs),
                     QStringLiteral("raw fetch %1").arg(fmtMs(rawMs)), fmtRatio(openMs / rawMs),
                     QStringLiteral("\u2264 1.5\u00D7"), yesNo(openMs / rawMs <= 1.5)});
    table.push_back({QStringLiteral("cache memory (cacheBytes)"), fmtMiB(cache),
                     QStringLiteral("raw bytes %1").arg(fmtMiB(raw)), fmtRatio(cache / raw),
                     QStringLiteral("\u2264 2\u00D7"), yesNo(cache / raw <= 2)});
    const double rssGrowth = double(rss1 - rss0);
    table.push_back({QStringLiteral("process RSS growth on open (VmRSS)"), fmtMiB(rssGrowth),
                     QStringLiteral("raw bytes %1").arg(fmtMiB(raw)), fmtRatio(rssGrowth / raw),
                     QStringLiteral("\u2264 2\u00D7"), yesNo(rssGrowth / raw <= 2)});

    // ---- 3. prefix filter change, alternating prefixes
    ds.setFiltered(true);
    auto prefix = [](const QString &p) { return QStringLiteral("NOME_ALUNO like '%1%'").arg(p); };
    ds.setFilter(QStringLiteral("NOME_ALUNO like 'ANA%'")); // warm-up
    std::vector<double> tPrefix;
    int seenA = -1, seenB = -1;
    for (int r = 0; r < 2 * opt.reps; ++r) {
        const bool a = r % 2 == 0;
        const QString f = prefix(a ? kPrefixA : kPrefixB);
        const auto t0 = Clock::now();
        ds.setFilter(f);
        tPrefix.push_back(msSince(t0));
        (a ? seenA : seenB) = ds.recordCount();
    }
    const double prefixMs = median(tPrefix);
    say(QStringLiteral("prefix filter: %1 (ms); rows %2 / %3, generated %4 / %5")
            .arg(listMs(tPrefix))
            .arg(seenA)
            .arg(seenB)
            .arg(gen.prefixA)
            .arg(gen.prefixB));
    if (seenA != gen.prefixA || seenB != gen.prefixB)
        say(QStringLiteral("WARNING: the prefix filter's row count differs from the generated data"));
    table.push_back({QStringLiteral("prefix filter change (NOME_ALUNO like 'MAR%' / 'JOS%')"), fmtMs(prefixMs),
                     QStringLiteral("\u2014"), QStringLiteral("\u2014"), QStringLiteral("\u2264 10 ms"),
                     yesNo(prefixMs <= 10)});

    // ---- 4. three-term equality filter, alternating schools
    auto triad = [](int school) {
        return QStringLiteral("NOME_ESCOLAS = %1and NOMES_SERIES =%2and NOMES_TURNOS =%3")
            .arg(data::quoted(kSchools[school]), data::quoted(kGradeFilter), data::quoted(kShiftFilter));
    };
    std::vector<double> tTriad;
    for (int r = 0; r < 2 * opt.reps; ++r) {
        const bool a = r % 2 == 0;
        const QString f = triad(a ? kSchoolA : kSchoolB);
        const auto t0 = Clock::now();
        ds.setFilter(f);
        tTriad.push_back(msSince(t0));
        (a ? seenA : seenB) = ds.recordCount();
    }
    const double triadMs = median(tTriad);
    say(QStringLiteral("three-term filter: %1 (ms); rows %2 / %3, generated %4 / %5; text: %6")
            .arg(listMs(tTriad))
            .arg(seenA)
            .arg(seenB)
            .arg(gen.triadA)
            .arg(gen.triadB)
            .arg(triad(kSchoolA)));
    if (seenA != gen.triadA || seenB != gen.triadB)
        say(QStringLiteral("WARNING: the three-term filter's row count differs from the generated data"));
    table.push_back({QStringLiteral("three-term equality filter (school, grade, shift)"), fmtMs(triadMs),
                     QStringLiteral("\u2014"), QStringLiteral("\u2014"), QStringLiteral("\u2264 10 ms"),
                     yesNo(triadMs <= 10)});

    // ---- 6. the two sums right after a filter change, every row visible
    std::vector<double> tSums;
    bool sumsOk = true;
    for (int r = 0; r < opt.reps; ++r) {
        ds.setFilter(prefix(r % 2 ? kPrefixB : kPrefixA));
        ds.setFilter(QString());
        const auto t0 = Clock::now();
        const std::optional<fb::Value> qtdv = ds.aggregate(QStringLiteral("qtdv"));
        const std::optional<fb::Value> qtq = ds.aggregate(QStringLiteral("qtq"));
        tSums.push_back(msSince(t0));
        sumsOk = sumsOk && qtdv && qtq && qtdv->toInt() == gen.sumEscola && qtq->toInt() == gen.sumSerie;
    }
    const double sumsMs = median(tSums);
    say(QStringLiteral("two sums: %1 (ms); equal to the generated totals: %2")
            .arg(listMs(tSums), sumsOk ? QStringLiteral("yes") : QStringLiteral("NO")));

    // ---- 5. sort on NOME_ALUNO, filter off, from load order each time
    ds.setFiltered(false);
    std::vector<double> tSort;
    bool sortedOk = true;
    for (int r = 0; r < opt.reps; ++r) {
        ds.setIndexFieldNames(QString());
        const auto t0 = Clock::now();
        ds.setIndexFieldNames(QStringLiteral("NOME_ALUNO"));
        tSort.push_back(msSince(t0));
    }
    {
        const int nome = ds.fieldIndex(QStringLiteral("NOME_ALUNO"));
        QByteArray prev;
        for (int i = 0; i < ds.recordCount() && sortedOk; ++i) {
            const QByteArray cur = ds.visibleValue(i, nome).toString().toUtf8();
            sortedOk = i == 0 || prev <= cur;
            prev = cur;
        }
    }
    ds.setIndexFieldNames(QString());
    const double sortMs = median(tSort);
    say(QStringLiteral("sort: %1 (ms); order checked: %2")
            .arg(listMs(tSort), sortedOk ? QStringLiteral("yes") : QStringLiteral("NO")));
    table.push_back({QStringLiteral("sort on NOME_ALUNO (filter off)"), fmtMs(sortMs), QStringLiteral("\u2014"),
                     QStringLiteral("\u2014"), QStringLiteral("\u2264 150 ms"), yesNo(sortMs <= 150)});
    table.push_back({QStringLiteral("two sums (sum(ID_ESCOLA), sum(ID_SERIE)) after a filter change, all rows visible"),
                     fmtMs(sumsMs), QStringLiteral("\u2014"), QStringLiteral("\u2014"), QStringLiteral("\u2264 5 ms"),
                     yesNo(sumsMs <= 5)});

    // ---- 7. 1,000 where-all UPDATEs: dataset rows [0, n), raw rows [n, 2n) of the load order
    const int n = std::min(1000, opt.rows / 2);
    const int codigo = ds.fieldIndex(QStringLiteral("CODIGO"));
    std::vector<int> rawCodes;
    for (int i = n; i < 2 * n; ++i)
        rawCodes.push_back(int(ds.visibleValue(i, codigo).toInt()));
    std::vector<double> tApply, tRawUpd, tEdit;
    int dsStatements = 0, rawStatements = 0;
    for (int r = 0; r < opt.reps; ++r) {
        auto obs = [r](int k) { return QStringLiteral("REVISADO NA RODADA %1, ITEM %2").arg(r + 1).arg(k + 1); };
        // The raw side's rows are read first, so the edits below run between that read and either
        // apply: neither side finds its rows' pages freshly touched.
        QList<fb::Column> columns;
        const std::vector<RawRow> rows = readRows(*att, rawCodes, columns);
        int obsIndex = -1;
        for (int i = 0; i < columns.size(); ++i)
            if (columns[i].name == QLatin1String("OBS"))
                obsIndex = i;
        const auto tEdits0 = Clock::now();
        for (int i = 0; i < n; ++i) {
            ds.moveTo(i);
            ds.edit();
            ds.setValue(QStringLiteral("OBS"), obs(i));
            ds.post();
        }
        tEdit.push_back(msSince(tEdits0) / n);
        QSet<QString> texts; // distinct UPDATE texts the dataset will prepare (counted from its rows)
        for (int i = 0; i < n; ++i) {
            ds.moveTo(i);
            QString shape;
            for (int c = 0; c < int(ds.fields().size()); ++c)
                shape += ds.oldValue(ds.fields()[size_t(c)].name).isNull() ? u'N' : u'V';
            texts.insert(shape);
        }
        dsStatements = int(texts.size());
        if (ds.changeCount() != n)
            throw fb::Error(QStringLiteral("dataset holds %1 changes").arg(ds.changeCount()));

        // Which side goes first alternates, so neither always finds the other's leftovers.
        auto applyDataset = [&] {
            const auto t0 = Clock::now();
            const data::ApplyResult res = ds.applyUpdates(0);
            tApply.push_back(msSince(t0));
            if (!res.ok() || res.applied != n)
                throw fb::Error(QStringLiteral("applyUpdates: %1 applied, %2 refused: %3")
                                    .arg(res.applied)
                                    .arg(res.refused)
                                    .arg(res.reasons.join(QStringLiteral("; "))));
        };
        auto applyRaw = [&] { tRawUpd.push_back(rawUpdates(*att, rows, columns, obsIndex, obs, rawStatements)); };
        if (r % 2 == 0) {
            applyDataset();
            applyRaw();
        } else {
            applyRaw();
            applyDataset();
        }
    }
    const double applyMs = median(tApply), rawUpdMs = median(tRawUpd);
    std::vector<double> perRound;
    for (size_t i = 0; i < tApply.size(); ++i)
        perRound.push_back(tApply[i] / tRawUpd[i]);
    QStringList ratios;
    for (double x : perRound)
        ratios << QString::number(x, 'f', 2);
    say(QStringLiteral("apply %1 UPDATEs: %2 | raw: %3 (ms); ratio per round %4 (median %5); distinct statement "
                       "texts in the last round: dataset %6, raw %7")
            .arg(n)
            .arg(listMs(tApply), listMs(tRawUpd), ratios.join(QLatin1Char(' ')))
            .arg(median(perRound), 0, 'f', 2)
            .arg(dsStatements)
            .arg(rawStatements));
    const double editMs = median(tEdit);
    say(QStringLiteral("edit + setValue + post of one row (mean over %1 rows): %2 (ms)").arg(n).arg(listMs(tEdit)));
    table.push_back({QStringLiteral("applyUpdates of %1 where-all UPDATEs").arg(n), fmtMs(applyMs),
                     QStringLiteral("raw prepared UPDATEs %1").arg(fmtMs(rawUpdMs)), fmtRatio(applyMs / rawUpdMs),
                     QStringLiteral("\u2264 1.2\u00D7"), yesNo(applyMs / rawUpdMs <= 1.2)});
    table.push_back({QStringLiteral("edit + setValue + post of one row, before the apply (mean over %1; no target)")
                         .arg(n),
                     fmtMs(editMs), QStringLiteral("\u2014"), QStringLiteral("\u2014"), QStringLiteral("\u2014"),
                     QStringLiteral("\u2014")});
    ds.close();

    // ---- 8. Qt's QIBASE driver, default (scrollable) QSqlQuery
    bool reopenOurs = false;
    if (!opt.qibase) {
        table.push_back({QStringLiteral("QIBASE QSqlQuery load (reference)"), QStringLiteral("not run (--no-qibase)"),
                         QStringLiteral("\u2014"), QStringLiteral("\u2014"), QStringLiteral("\u2014"),
                         QStringLiteral("\u2014")});
    } else if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QIBASE"))) {
        const QString why = QStringLiteral("QIBASE driver not available (drivers: %1)")
                                .arg(QSqlDatabase::drivers().join(QStringLiteral(", ")));
        say(why);
        table.push_back({QStringLiteral("QIBASE QSqlQuery load (reference)"), why, QStringLiteral("\u2014"),
                         QStringLiteral("\u2014"), QStringLiteral("\u2014"), QStringLiteral("\u2014")});
    } else {
        const QString conn = QStringLiteral("bench-qibase");
        QString failure;
        std::vector<double> tQt;
        qint64 qtRows = 0, touched = 0;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), conn);
            db.setDatabaseName(path);
            db.setUserName(QStringLiteral("SYSDBA"));
            if (!db.open()) {
                // An embedded attach beside ours may be refused: close ours and try once more.
                say(QStringLiteral("QIBASE open beside our attachment failed (%1); retrying with ours closed")
                        .arg(db.lastError().text()));
                att.reset();
                reopenOurs = true;
                if (!db.open())
                    failure = QStringLiteral("QIBASE cannot open the database: %1").arg(db.lastError().text());
            }
            if (failure.isEmpty()) {
                for (int r = 0; r < std::min(opt.reps, 3) && failure.isEmpty(); ++r) {
                    QSqlQuery q(db);
                    const auto t0 = Clock::now();
                    if (!q.exec(kSelect)) {
                        failure = QStringLiteral("QIBASE query failed: %1").arg(q.lastError().text());
                        break;
                    }
                    const int cols = q.record().count();
                    qtRows = 0;
                    while (q.next()) {
                        for (int i = 0; i < cols; ++i)
                            touched += q.value(i).isNull() ? 0 : 1;
                        ++qtRows;
                    }
                    tQt.push_back(msSince(t0));
                }
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(conn);
        if (!failure.isEmpty()) {
            say(failure);
            table.push_back({QStringLiteral("QIBASE QSqlQuery load (reference)"), failure, QStringLiteral("\u2014"),
                             QStringLiteral("\u2014"), QStringLiteral("\u2014"), QStringLiteral("\u2014")});
        } else {
            const double qtMs = median(tQt);
            say(QStringLiteral("QIBASE: %1 (ms); %2 rows, %3 non-null values touched")
                    .arg(listMs(tQt))
                    .arg(qtRows)
                    .arg(touched));
            table.push_back({QStringLiteral("QIBASE default (scrollable) QSqlQuery load, every value read (reference)"),
                             fmtMs(qtMs), QStringLiteral("raw fetch %1").arg(fmtMs(rawMs)), fmtRatio(qtMs / rawMs),
                             QStringLiteral("\u2014"), QStringLiteral("\u2014")});
        }
    }

    // ---- report
    say(QString());
    say(QStringLiteral("| measure | value | reference | ratio | target | met? |"));
    say(QStringLiteral("|---|---|---|---|---|---|"));
    for (const Line &l : table)
        say(QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 |").arg(l.measure, l.value, l.reference, l.ratio, l.target, l.met));
    say(QString());
    say(QStringLiteral("Each value is the median of %1 runs (the filters: %2 changes; QIBASE: %3 runs) on %4 rows.")
            .arg(opt.reps)
            .arg(2 * opt.reps)
            .arg(std::min(opt.reps, 3))
            .arg(opt.rows));
    say(QStringLiteral("machine: nproc %1, CPU %2; Qt %3; embedded Firebird, database file in %4; other "
                       "processes used %5% of the machine's CPU during the run")
            .arg(sysconf(_SC_NPROCESSORS_ONLN))
            .arg(cpuModel(), QString::fromLatin1(qVersion()), opt.dir)
            .arg(othersShare(ticksBefore, cpuTicks()), 0, 'f', 1));

    if (reopenOurs)
        att = fb::Attachment::connect({.host = "", .database = path, .user = "SYSDBA", .password = {}});
    att->dropDatabase();
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Options opt;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        auto next = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        if (a == QLatin1String("--rows")) {
            const auto v = next();
            bool ok = false;
            opt.rows = v ? v->toInt(&ok) : 0;
            if (!ok || opt.rows < 2)
                return usage();
        } else if (a == QLatin1String("--dir")) {
            const auto v = next();
            if (!v)
                return usage();
            opt.dir = *v;
        } else if (a == QLatin1String("--reps")) {
            const auto v = next();
            bool ok = false;
            opt.reps = v ? v->toInt(&ok) : 0;
            if (!ok || opt.reps < 1)
                return usage();
        } else if (a == QLatin1String("--no-qibase")) {
            opt.qibase = false;
        } else {
            return usage();
        }
    }
    const QString path = QDir(opt.dir).filePath(QStringLiteral("mirabelta-bench-%1.fdb").arg(::getpid()));
    try {
        return run(opt, path);
    } catch (const fb::Error &e) {
        std::fprintf(stderr, "bench_dataset: %s\n", e.message().toUtf8().constData());
    } catch (const data::DataError &e) {
        std::fprintf(stderr, "bench_dataset: %s\n", e.message().toUtf8().constData());
    } catch (const fb::ConversionError &e) {
        std::fprintf(stderr, "bench_dataset: %s\n", e.message().toUtf8().constData());
    }
    QFile::remove(path); // every attachment is gone by now
    return 1;
}
