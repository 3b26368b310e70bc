// db/schema.sql through our own script runner: the tables, their keys, the column types that
// matter and the key generators.
#include "DbQuery.h"
#include "TestDatabase.h"

#include <QtTest>

class TestSchema : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void tablesAndKeys_data();
    void tablesAndKeys();
    void noOtherTables();
    void columnTypes_data();
    void columnTypes();
    void generatorsDrawIncreasingValues_data();
    void generatorsDrawIncreasingValues();
    void noOtherGenerators();

private:
    std::unique_ptr<TestDatabase> db_;
};

namespace {

// Table and the columns of its primary key; RH_FREQ_CORPO has none (its lines are found by value).
const QList<std::pair<QString, QStringList>> expectedKeys = {
    {"ACESSO", {"ID_SENHA"}},
    {"LOGS", {"ID"}},
    {"SERIE", {"SERIE_ID"}},
    {"TURNO", {"TUNO_ID"}},
    {"TURMAS", {"ID"}},
    {"ESCOLA", {"ID_ESCOLA"}},
    {"CARGO", {"ID"}},
    {"PRESIDENTE", {"CODIGO_PRESIDENTE"}},
    {"CAD_ESCOLAR_CRON", {"ID"}},
    {"PATRIMONIO", {"ID"}},
    {"ALUNOS_GERAL", {"ID"}},
    {"CAD_ESCOLAR_ANUAL", {"CODIGO"}},
    {"VAGAS", {"VAGA_CODIGO"}},
    {"ENCAMINHAMENTO", {"CODIGO"}},
    {"FUNCIONARIO", {"ID"}},
    {"RH_FREQ_CABECA", {"ID"}},
    {"RH_FREQ_CORPO", {}},
    {"RH_FREQ", {"ID"}},
    {"SPEDAGOGICO", {"ID"}},
    {"FOLHA", {"ID"}},
    {"C_TRANSPORTE", {"ID"}},
    {"ENTURMACAO", {"ID"}},
    {"ENTURMACAO_DETALHES", {"ID_DETALHE"}},
};

const QStringList generators = {
    "SP_GEN_SERIE_ID",
    "SP_GEN_TURNO_ID",
    "SP_GEN_TURMAS_ID",
    "SP_GEN_ESCOLA_ID",
    "SP_GEN_CARGO_ID",
    "SP_GEN_PRESIDENTE_ID",
    "SP_GEN_USUARIO_ID",
    "SP_GEN_LOGS_ID",
    "SP_GEN_ALUNOS_GERAL_ID",
    "SP_GEN_CAD_ESCOLAR_ANUAL_ID",
    "SP_GEN_ENCAMINHAMENTO_ID",
    "SP_GEN_VAGAS_ID",
    "SP_GEN_FUNCIONARIO_ID",
    "SP_GEN_SPEDAGOGICO_ID",
    "SP_GEN_RH_FREQ_CABECA_ID",
    "SP_GEN_ENTURMACAO_ID",
    "SP_GEN_ENTURMACAO_DETALHES_ID",
};

// The declared type as the system tables hold it, written the way schema.sql declares it.
QString declaredType(const QList<fb::Value> &f)
{
    const qint64 type = f[0].toInt(), subType = f[1].isNull() ? 0 : f[1].toInt();
    const qint64 precision = f[2].isNull() ? 0 : f[2].toInt(), scale = f[3].isNull() ? 0 : f[3].toInt();
    const qint64 chars = f[4].isNull() ? 0 : f[4].toInt();
    switch (type) {
    case 7:
    case 8:
    case 16:
        if (subType == 1 || subType == 2)
            return QStringLiteral("%1(%2,%3)")
                .arg(subType == 1 ? "NUMERIC" : "DECIMAL")
                .arg(precision)
                .arg(-scale);
        return type == 7 ? "SMALLINT" : type == 8 ? "INTEGER" : "BIGINT";
    case 14:
        return QStringLiteral("CHAR(%1)").arg(chars);
    case 37:
        return QStringLiteral("VARCHAR(%1)").arg(chars);
    case 12:
        return "DATE";
    case 13:
        return "TIME";
    case 35:
        return "TIMESTAMP";
    case 261:
        return subType == 1 ? "BLOB SUB_TYPE TEXT" : subType == 0 ? "BLOB SUB_TYPE BINARY" : "BLOB";
    default:
        return QStringLiteral("type %1").arg(type);
    }
}

} // namespace

void TestSchema::initTestCase()
{
    // The same runner the program and the demo builder use must take the script as it is.
    db_ = std::make_unique<TestDatabase>();
}

void TestSchema::cleanupTestCase()
{
    db_.reset();
}

void TestSchema::tablesAndKeys_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("key");
    for (const auto &[table, key] : expectedKeys)
        QTest::newRow(qPrintable(table)) << table << key;
}

void TestSchema::tablesAndKeys()
{
    QFETCH(QString, table);
    QFETCH(QStringList, key);
    const QStringList exists =
        queryTexts(db_->attachment(),
                   "select trim(rdb$relation_name) from rdb$relations where rdb$relation_name = ?", {table});
    QCOMPARE(exists, QStringList{table});
    const QStringList columns =
        queryTexts(db_->attachment(),
                   "select trim(s.rdb$field_name) from rdb$relation_constraints c "
                   "join rdb$index_segments s on s.rdb$index_name = c.rdb$index_name "
                   "where c.rdb$relation_name = ? and c.rdb$constraint_type = 'PRIMARY KEY' "
                   "order by s.rdb$field_position",
                   {table});
    QCOMPARE(columns, key);
}

void TestSchema::noOtherTables()
{
    QStringList expected;
    for (const auto &entry : expectedKeys)
        expected << entry.first;
    expected.sort();
    const QStringList tables = queryTexts(
        db_->attachment(), "select trim(rdb$relation_name) from rdb$relations "
                           "where coalesce(rdb$system_flag, 0) = 0 and rdb$view_blr is null order by 1");
    QCOMPARE(tables, expected);
}

void TestSchema::columnTypes_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("type");
    // Columns whose exact type the program depends on: exact money, padded marks, times, memo
    // text, photos, and the text sizes that stored pick-list values and fixed texts must fit.
    QTest::newRow("payroll amount") << "FOLHA"
                                    << "VALOR"
                                    << "NUMERIC(18,2)";
    QTest::newRow("licence category") << "FUNCIONARIO"
                                      << "CNH_CAT"
                                      << "CHAR(10)";
    QTest::newRow("electoral zone") << "FUNCIONARIO"
                                    << "TITULO_ZONA"
                                    << "CHAR(10)";
    QTest::newRow("electoral section") << "FUNCIONARIO"
                                       << "TITULO_SECAO"
                                       << "CHAR(10)";
    QTest::newRow("rural mark") << "RH_FREQ_CORPO"
                                << "ADICIONAL_ZONA_RURAL"
                                << "CHAR(1)";
    QTest::newRow("night mark (old sheet)") << "RH_FREQ"
                                            << "ADICIONAL_NOTURNO"
                                            << "CHAR(1)";
    QTest::newRow("vacancy time") << "VAGAS"
                                  << "HORA"
                                  << "TIME";
    QTest::newRow("referral edit time") << "ENCAMINHAMENTO"
                                        << "HORA_ED"
                                        << "TIME";
    QTest::newRow("audit time") << "LOGS"
                                << "HORA"
                                << "TIME";
    QTest::newRow("complaint") << "SPEDAGOGICO"
                               << "QUEIXA"
                               << "BLOB SUB_TYPE TEXT";
    QTest::newRow("observations") << "SPEDAGOGICO"
                                  << "OBS"
                                  << "BLOB SUB_TYPE TEXT";
    QTest::newRow("decision") << "SPEDAGOGICO"
                              << "ENCAMINHAMENTO"
                              << "BLOB SUB_TYPE TEXT";
    QTest::newRow("pupil photo") << "ALUNOS_GERAL"
                                 << "FOTO"
                                 << "BLOB SUB_TYPE BINARY";
    QTest::newRow("employee photo") << "FUNCIONARIO"
                                    << "FOTO"
                                    << "BLOB SUB_TYPE BINARY";
    QTest::newRow("audit address") << "LOGS"
                                   << "IP"
                                   << "VARCHAR(20)";
    QTest::newRow("registration school") << "CAD_ESCOLAR_ANUAL"
                                         << "NOME_ESCOLA"
                                         << "VARCHAR(50)";
    QTest::newRow("inscription number") << "CAD_ESCOLAR_ANUAL"
                                        << "CONTROLE_INTERNO"
                                        << "VARCHAR(10)";
    QTest::newRow("referral name") << "ENCAMINHAMENTO"
                                   << "NOME_ALUNO"
                                   << "VARCHAR(255)";
    QTest::newRow("referral school") << "ENCAMINHAMENTO"
                                     << "NOME_ESCOLAS"
                                     << "VARCHAR(100)";
    QTest::newRow("sheet month") << "RH_FREQ_CABECA"
                                 << "MES"
                                 << "VARCHAR(15)";
    QTest::newRow("payroll month") << "FOLHA"
                                   << "MES"
                                   << "VARCHAR(2)";
    QTest::newRow("transport user") << "C_TRANSPORTE"
                                    << "USUARIO"
                                    << "VARCHAR(20)";
    QTest::newRow("birth date") << "ALUNOS_GERAL"
                                << "DN"
                                << "DATE";
    QTest::newRow("asset number") << "PATRIMONIO"
                                  << "NUM_PATRIMONIO"
                                  << "INTEGER";
}

void TestSchema::columnTypes()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QString, type);
    const auto rows = queryRows(db_->attachment(),
                                "select f.rdb$field_type, f.rdb$field_sub_type, f.rdb$field_precision, "
                                "f.rdb$field_scale, f.rdb$character_length from rdb$relation_fields rf "
                                "join rdb$fields f on f.rdb$field_name = rf.rdb$field_source "
                                "where rf.rdb$relation_name = ? and rf.rdb$field_name = ?",
                                {table, column});
    QCOMPARE(rows.size(), 1);
    QCOMPARE(declaredType(rows.first()), type);
}

void TestSchema::generatorsDrawIncreasingValues_data()
{
    QTest::addColumn<QString>("procedure");
    for (const QString &g : generators)
        QTest::newRow(qPrintable(g)) << g;
}

void TestSchema::generatorsDrawIncreasingValues()
{
    QFETCH(QString, procedure);
    // The screens call EXECUTE PROCEDURE and read the output "id": each draw must be a new, larger key.
    qint64 previous = 0;
    for (int i = 0; i < 3; ++i) {
        const fb::Value v = db_->attachment().executeProcedure(procedure, "id");
        QVERIFY2(v.holds<qint64>(), qPrintable(procedure + " did not return an integer"));
        QVERIFY2(v.toInt() > previous,
                 qPrintable(
                     QStringLiteral("%1 returned %2 after %3").arg(procedure).arg(v.toInt()).arg(previous)));
        previous = v.toInt();
    }
}

void TestSchema::noOtherGenerators()
{
    // PATRIMONIO and C_TRANSPORTE take their keys from SP_GEN_PRESIDENTE_ID: no procedure of their own.
    QStringList expected = generators;
    expected.sort();
    QCOMPARE(queryTexts(db_->attachment(), "select trim(rdb$procedure_name) from rdb$procedures "
                                           "where coalesce(rdb$system_flag, 0) = 0 order by 1"),
             expected);
}

QObject *makeTestSchema()
{
    return new TestSchema;
}

#include "tst_Schema.moc"
