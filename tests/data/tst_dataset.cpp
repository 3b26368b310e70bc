// Cached dataset: states, change log, apply with the where-all rule, two workstations, details.
#include "TestDatabase.h"
#include "data/KeyGenerator.h"
#include "data/TableDataset.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

using data::TableDataset;
using fb::Value;

Q_DECLARE_METATYPE(fb::Value)

namespace {

const char *kAllTypes = R"(
    CREATE TABLE TIPOS (
        ID INTEGER NOT NULL PRIMARY KEY, TXT VARCHAR(60), FIXO CHAR(4), VALOR NUMERIC(18,2),
        DIA DATE, HORA TIME, MOMENTO TIMESTAMP, MEMO BLOB SUB_TYPE TEXT, FOTO BLOB, GRANDE BIGINT))";

std::unique_ptr<TableDataset> openTable(fb::Attachment &att, const QString &table, const QString &key = {})
{
    auto ds = std::make_unique<TableDataset>("cds_" + table.toLower(), table, "select * from " + table);
    ds->setConnection(&att);
    ds->setKeyField(key);
    ds->setLockTimeout(2);
    ds->open();
    return ds;
}

qint64 count(fb::Attachment &att, const QString &sql)
{
    fb::Transaction tra(att, fb::TransactionOptions::readCommittedReadOnly());
    fb::Statement st(tra, sql);
    auto rs = st.openCursor();
    rs->next();
    return rs->value(0).toInt();
}

} // namespace

class TstDataset : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void roundTripThroughApply_data();
    void roundTripThroughApply();
    void stateTransitions();
    void movingPostsTheEdit();
    void refreshRefusedWhilePending();
    void closeDropsPendingChanges();
    void refusalAtNthChangeLeavesServerAsItWas();
    void deletedRowIsGoneAfterApply();
    void rowChangedElsewhereIsRefusedAndKeptPending();
    void twoWorkstationsOnTheServer();
    void lockedRowIsRefusedAfterTheTimeout();
    void nestedDetailAppliesWithMaster();
    void keyDrawsHaveGapsAfterCancel();
    void requiredFieldRefusedAtPost();
    void fieldAccessConversions();
    void sortBeyondTheFirstBytes_data();
    void sortBeyondTheFirstBytes();

private:
    std::unique_ptr<TestDatabase> db_;
};

void TstDataset::init()
{
    db_ = std::make_unique<TestDatabase>();
    db_->attachment().executeScript(QString::fromLatin1(kAllTypes));
}

void TstDataset::cleanup()
{
    db_.reset();
}

void TstDataset::roundTripThroughApply_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<Value>("value");
    QTest::newRow("accents and degree") << "TXT" << Value(QStringLiteral("JOSÉ CONCEIÇÃO — 1° PERIODO"));
    QTest::newRow("quote") << "TXT" << Value(QStringLiteral("D'AVILA"));
    QTest::newRow("null text") << "TXT" << Value();
    QTest::newRow("char keeps its blanks") << "FIXO" << Value(QStringLiteral("É   "));
    QTest::newRow("largest numeric") << "VALOR" << Value(fb::Decimal{INT64_MAX, -2});
    QTest::newRow("negative cents") << "VALOR" << Value(fb::Decimal{-5, -2});
    QTest::newRow("leap day") << "DIA" << Value(QDate(2024, 2, 29));
    QTest::newRow("time with fractions") << "HORA" << Value(fb::Time::fromHms(19, 59, 59, 9999));
    QTest::newRow("timestamp") << "MOMENTO"
                               << Value(fb::Timestamp{QDate(2026, 12, 11), fb::Time::fromHms(8, 0, 0, 5)});
    QTest::newRow("memo") << "MEMO" << Value(QString(20000, QChar(0x00E7)));
    QTest::newRow("photo") << "FOTO" << Value(QByteArray("\x89PNG\r\n\x1a\n\0\0", 10).repeated(7000));
    QTest::newRow("bigint") << "GRANDE" << Value(qint64(INT64_MIN));
}

void TstDataset::roundTripThroughApply()
{
    QFETCH(QString, field);
    QFETCH(Value, value);
    auto &att = db_->attachment();
    // Every other column holds an edge value too, so the where-all clause meets all of them.
    const QList<std::pair<QString, Value>> others{
        {"TXT", QStringLiteral("Ação °")},
        {"FIXO", QStringLiteral("AB")},
        {"VALOR", fb::Decimal{INT64_MAX, -2}},
        {"DIA", QDate(1900, 1, 1)},
        {"HORA", fb::Time::fromHms(0, 0, 0, 1)},
        {"MOMENTO", fb::Timestamp{QDate(2000, 2, 29), fb::Time::fromHms(23, 59, 59, 9999)}}};
    {
        auto ds = openTable(att, "TIPOS", "ID");
        ds->insert();
        ds->setValue("ID", 1);
        for (const auto &[f, v] : others)
            ds->setValue(f, v);
        ds->setValue(field, value);
        ds->post();
        QCOMPARE(ds->changeCount(), 1);
        const auto r = ds->applyUpdates(0);
        QVERIFY2(r.ok(), qPrintable(r.reasons.join('\n')));
        QCOMPARE(ds->changeCount(), 0);
    }
    auto ds = openTable(att, "TIPOS", "ID");
    QCOMPARE(ds->recordCount(), 1);
    QVERIFY2(ds->value(field) == value, qPrintable(ds->value(field).toString().left(60)));
    // Change another column: the UPDATE must find exactly this row by its old values.
    ds->edit();
    ds->setValue("GRANDE", field == "GRANDE" ? 1 : 2);
    ds->post();
    auto r = ds->applyUpdates(0);
    QVERIFY2(r.ok(), qPrintable(r.reasons.join('\n')));
    QCOMPARE(count(att, "select count(*) from TIPOS where GRANDE in (1, 2)"), 1);
    ds->remove();
    r = ds->applyUpdates(0);
    QVERIFY2(r.ok(), qPrintable(r.reasons.join('\n')));
    QCOMPARE(count(att, "select count(*) from TIPOS"), 0);
}

void TstDataset::stateTransitions()
{
    auto &att = db_->attachment();
    TableDataset ds("cds_serie", "SERIE", "select * from SERIE");
    ds.setConnection(&att);
    QCOMPARE(ds.state(), TableDataset::State::Inactive);
    QVERIFY_THROWS_EXCEPTION(data::DataError, ds.value("SERIE"));
    ds.open();
    QCOMPARE(ds.state(), TableDataset::State::Browse);
    QVERIFY(ds.isEmpty());
    // Edit on an empty dataset starts an insert.
    ds.edit();
    QCOMPARE(ds.state(), TableDataset::State::Insert);
    ds.cancel();
    QCOMPARE(ds.state(), TableDataset::State::Browse);
    QCOMPARE(ds.recordCount(), 0);
    QVERIFY_THROWS_EXCEPTION(data::DataError, ds.setValue("SERIE", "X"));

    for (int i = 1; i <= 3; ++i) {
        ds.last();
        ds.insert();
        ds.setValue("SERIE_ID", i);
        ds.setValue("SERIE", QStringLiteral("S%1").arg(i));
        ds.post();
    }
    QCOMPARE(ds.recordCount(), 3);
    // Insert puts the new row at the cursor.
    ds.first();
    ds.insert();
    QCOMPARE(ds.recNo(), 0);
    QCOMPARE(ds.recordCount(), 4);
    ds.cancel();
    QCOMPARE(ds.recordCount(), 3);
    QCOMPARE(ds.asString("SERIE"), QStringLiteral("S1"));
    // Edit and cancel restores the values.
    ds.edit();
    ds.setValue("SERIE", "MUDOU");
    QCOMPARE(ds.asString("SERIE"), QStringLiteral("MUDOU"));
    ds.cancel();
    QCOMPARE(ds.asString("SERIE"), QStringLiteral("S1"));
    // Delete while inserting only drops the new row.
    ds.insert();
    ds.remove();
    QCOMPARE(ds.recordCount(), 3);
    QCOMPARE(ds.changeCount(), 3);
    // Eof/bof walk.
    int seen = 0;
    for (ds.first(); !ds.eof(); ds.next())
        ++seen;
    QCOMPARE(seen, 3);
    // Open when open leaves everything as it is.
    ds.open();
    QCOMPARE(ds.changeCount(), 3);
}

void TstDataset::movingPostsTheEdit()
{
    auto &att = db_->attachment();
    att.executeOnce("INSERT INTO SERIE (SERIE_ID, SERIE) VALUES (1, 'A')");
    att.executeOnce("INSERT INTO SERIE (SERIE_ID, SERIE) VALUES (2, 'B')");
    auto ds = openTable(att, "SERIE");
    ds->first();
    ds->edit();
    ds->setValue("SERIE", "A2");
    ds->moveTo(1); // a click on another grid row
    QCOMPARE(ds->state(), TableDataset::State::Browse);
    QCOMPARE(ds->changeCount(), 1);
    QVERIFY(ds->locate("SERIE_ID", {1}));
    QCOMPARE(ds->asString("SERIE"), QStringLiteral("A2"));
    QCOMPARE(ds->oldValue("SERIE").toString(), QStringLiteral("A"));
}

void TstDataset::refreshRefusedWhilePending()
{
    auto &att = db_->attachment();
    auto ds = openTable(att, "SERIE");
    ds->insert();
    ds->setValue("SERIE_ID", 9);
    ds->post();
    QVERIFY_THROWS_EXCEPTION(data::DataError, ds->refresh());
    QCOMPARE(ds->changeCount(), 1);
    QVERIFY(ds->applyUpdates(0).ok());
    att.executeOnce("INSERT INTO SERIE (SERIE_ID, SERIE) VALUES (10, 'OUTRA ESTACAO')");
    ds->refresh();
    QCOMPARE(ds->recordCount(), 2);
}

void TstDataset::closeDropsPendingChanges()
{
    auto &att = db_->attachment();
    auto ds = openTable(att, "SERIE");
    ds->insert();
    ds->setValue("SERIE_ID", 1);
    ds->post();
    ds->close();
    ds->open();
    QCOMPARE(ds->recordCount(), 0);
    QCOMPARE(ds->changeCount(), 0);
}

void TstDataset::refusalAtNthChangeLeavesServerAsItWas()
{
    auto &att = db_->attachment();
    att.executeOnce("INSERT INTO SERIE (SERIE_ID, SERIE) VALUES (3, 'EXISTE')");
    auto ds = openTable(att, "SERIE");
    ds->edit();
    ds->setValue("SERIE", "MUDADA");
    ds->post();
    for (int id : {1, 2, 3}) { // the third collides with the stored key
        ds->append();
        ds->setValue("SERIE_ID", id);
        ds->setValue("SERIE", "NOVA");
        ds->post();
    }
    const auto r = ds->applyUpdates(0);
    QCOMPARE(r.refused, 1);
    QCOMPARE(r.reasons.size(), 1);
    QVERIFY2(r.reasons.first().contains("PRIMARY or UNIQUE KEY"), qPrintable(r.reasons.first()));
    QCOMPARE(ds->changeCount(), 4); // everything still pending
    QCOMPARE(count(att, "select count(*) from SERIE"), 1);
    QCOMPARE(count(att, "select count(*) from SERIE where SERIE = 'EXISTE'"), 1);
    // The clerk mends the row and applies again: all four go through together.
    QVERIFY(ds->locate("SERIE_ID;SERIE", {3, "NOVA"}));
    ds->edit();
    ds->setValue("SERIE_ID", 4);
    ds->post();
    const auto again = ds->applyUpdates(0);
    QVERIFY2(again.ok(), qPrintable(again.reasons.join('\n')));
    QCOMPARE(count(att, "select count(*) from SERIE"), 4);
    QCOMPARE(count(att, "select count(*) from SERIE where SERIE = 'MUDADA'"), 1);
}

void TstDataset::deletedRowIsGoneAfterApply()
{
    auto &att = db_->attachment();
    for (int i = 1; i <= 3; ++i)
        att.executeOnce("INSERT INTO SERIE (SERIE_ID, SERIE) VALUES (?, ?)",
                        {i, QStringLiteral("S%1").arg(i)});
    auto ds = openTable(att, "SERIE");
    ds->setIndexFieldNames("SERIE_ID");
    ds->moveTo(1);
    ds->remove();
    QCOMPARE(ds->recordCount(), 2);
    QCOMPARE(ds->asInteger("SERIE_ID"), 3); // the cursor moves to the next row
    QVERIFY(ds->applyUpdates(0).ok());
    QCOMPARE(ds->changeCount(), 0);
    QCOMPARE(ds->asInteger("SERIE_ID"), 3);
    QCOMPARE(count(att, "select count(*) from SERIE"), 2);
}

void TstDataset::rowChangedElsewhereIsRefusedAndKeptPending()
{
    auto &att = db_->attachment();
    att.executeOnce("INSERT INTO SERIE (SERIE_ID, SERIE) VALUES (1, 'A')");
    auto mine = openTable(att, "SERIE");
    auto other = db_->connectAgain();
    other->executeOnce("UPDATE SERIE SET SERIE = 'OUTRA' WHERE SERIE_ID = 1");
    mine->edit();
    mine->setValue("SERIE", "MINHA");
    mine->post();
    auto r = mine->applyUpdates(0);
    QCOMPARE(r.refused, 1);
    QVERIFY(!r.reasons.first().isEmpty());
    QCOMPARE(mine->changeCount(), 1);
    QCOMPARE(mine->asString("SERIE"), QStringLiteral("MINHA"));
    QCOMPARE(count(att, "select count(*) from SERIE where SERIE = 'OUTRA'"), 1);
    // A row deleted elsewhere is refused the same way.
    other->executeOnce("DELETE FROM SERIE");
    r = mine->applyUpdates(0);
    QCOMPARE(r.refused, 1);
}

void TstDataset::twoWorkstationsOnTheServer()
{
    if (!TestDatabase::serverAvailable()) {
        if (qEnvironmentVariableIsSet("MIRABELTA_FB_SERVER"))
            QFAIL("the local Firebird server is not answering on 127.0.0.1:3050");
        QSKIP("no local Firebird server (scripts/fbserver.sh start)");
    }
    TestDatabase server(true, TestDatabase::Access::Server);
    auto ws1 = server.connectAgain();
    auto ws2 = server.connectAgain();
    ws1->executeOnce("INSERT INTO VAGAS (VAGA_CODIGO, ESCOLA, QTD_VAGAS) VALUES (1, 'E.M. VARGEDO', 10)");
    auto a = openTable(*ws1, "VAGAS", "VAGA_CODIGO");
    auto b = openTable(*ws2, "VAGAS", "VAGA_CODIGO");
    a->edit();
    a->setValue("QTD_VAGAS", 9);
    a->post();
    b->edit();
    b->setValue("QTD_VAGAS", 8);
    b->post();
    QVERIFY(a->applyUpdates(0).ok());
    const auto r = b->applyUpdates(0);
    QCOMPARE(r.refused, 1);
    QCOMPARE(b->changeCount(), 1);
    QCOMPARE(b->asInteger("QTD_VAGAS"), 8);
    QCOMPARE(count(*ws2, "select QTD_VAGAS from VAGAS"), 9);
}

void TstDataset::lockedRowIsRefusedAfterTheTimeout()
{
    auto &att = db_->attachment();
    att.executeOnce("INSERT INTO SERIE (SERIE_ID, SERIE) VALUES (1, 'A')");
    auto ds = openTable(att, "SERIE");
    ds->setLockTimeout(1);
    auto other = db_->connectAgain();
    fb::Transaction holder(*other, fb::TransactionOptions::readCommittedWrite(0));
    fb::Statement lock(holder, "UPDATE SERIE SET SERIE = 'PRESA' WHERE SERIE_ID = 1");
    lock.execute();
    ds->edit();
    ds->setValue("SERIE", "B");
    ds->post();
    QElapsedTimer t;
    t.start();
    const auto r = ds->applyUpdates(0);
    QVERIFY(t.elapsed() < 15000);
    QCOMPARE(r.refused, 1);
    QVERIFY2(r.reasons.first().contains("bloqueado"), qPrintable(r.reasons.first()));
    QCOMPARE(ds->changeCount(), 1);
    holder.rollback();
    QVERIFY(ds->applyUpdates(0).ok());
}

void TstDataset::nestedDetailAppliesWithMaster()
{
    auto &att = db_->attachment();
    TableDataset cabeca("cds_rh_freq_cabeca", "RH_FREQ_CABECA", "select * from RH_FREQ_CABECA");
    TableDataset corpo("cds_rh_freq_corpo", "RH_FREQ_CORPO", "select *  from RH_FREQ_CORPO");
    for (auto *d : {&cabeca, &corpo}) {
        d->setConnection(&att);
        d->setLockTimeout(2);
    }
    cabeca.setKeyField("ID");
    corpo.setMaster(&cabeca);
    cabeca.open();
    QVERIFY(corpo.isActive());
    for (int id : {1, 2}) {
        cabeca.append();
        cabeca.setValue("ID", id);
        cabeca.setValue("MES", id == 1 ? "JANEIRO" : "FEVEREIRO");
        cabeca.post();
        for (int f = 0; f < id + 1; ++f) {
            corpo.append();
            QCOMPARE(corpo.asInteger("ID"), id); // the link is filled from the master
            corpo.setValue("ID_FUNCIONARIO", 100 + f);
            corpo.setValue("FALTAS", f);
            corpo.post();
        }
    }
    QCOMPARE(corpo.recordCount(), 3);     // the details of the current master row only
    const auto r = corpo.applyUpdates(0); // through the master, in one call
    QVERIFY2(r.ok(), qPrintable(r.reasons.join('\n')));
    QCOMPARE(r.applied, 7);
    QCOMPARE(count(att, "select count(*) from RH_FREQ_CORPO where ID = 2"), 3);

    cabeca.close();
    QVERIFY(!corpo.isActive());
    cabeca.open();
    QVERIFY(cabeca.locate("ID", {1}));
    QCOMPARE(corpo.recordCount(), 2);
    QVERIFY(cabeca.locate("ID", {2}));
    QCOMPARE(corpo.recordCount(), 3);
    // A detail row without a key of its own is changed by all its old values.
    QVERIFY(corpo.locate("ID_FUNCIONARIO", {101}));
    corpo.edit();
    corpo.setValue("FALTAS", 5);
    corpo.post();
    corpo.remove();
    QVERIFY(cabeca.applyUpdates(0).ok());
    QCOMPARE(count(att, "select count(*) from RH_FREQ_CORPO where ID = 2"), 2);
    QCOMPARE(count(att, "select count(*) from RH_FREQ_CORPO where FALTAS = 5"), 0);
}

void TstDataset::keyDrawsHaveGapsAfterCancel()
{
    auto &att = db_->attachment();
    auto ds = openTable(att, "SERIE", "SERIE_ID");
    const qint64 first = data::drawKey(att, "SP_GEN_SERIE_ID");
    ds->insert();
    ds->setValue("SERIE_ID", first);
    ds->cancel();
    const qint64 second = data::drawKey(att, "SP_GEN_SERIE_ID");
    QVERIFY(second > first);
    // PRESIDENTE's sequence numbers three tables.
    const qint64 p1 = data::drawKey(att, "SP_GEN_PRESIDENTE_ID");
    const qint64 p2 = data::drawKey(att, "SP_GEN_PRESIDENTE_ID");
    QCOMPARE(p2, p1 + 1);
    QVERIFY_THROWS_EXCEPTION(fb::Error, data::drawKey(att, "SP_GEN_NAO_EXISTE_ID"));
}

void TstDataset::requiredFieldRefusedAtPost()
{
    auto &att = db_->attachment();
    auto ds = openTable(att, "SERIE", "SERIE_ID");
    ds->insert();
    ds->setValue("SERIE", "SEM CHAVE");
    QVERIFY_THROWS_EXCEPTION(data::DataError, ds->post());
    QCOMPARE(ds->state(), TableDataset::State::Insert);
    ds->cancel();
}

void TstDataset::fieldAccessConversions()
{
    auto &att = db_->attachment();
    auto ds = openTable(att, "TIPOS", "ID");
    ds->insert();
    ds->setValue("id", "7");           // text into an integer, column name in any case
    ds->setValue("DIA", "30/03/2026"); // the screens' date form
    ds->setValue("VALOR", "1234,5");
    ds->setValue("HORA", ""); // nothing typed: NULL
    QVERIFY_THROWS_EXCEPTION(fb::ConversionError, ds->setValue("DIA", "31/02/2026"));
    QVERIFY_THROWS_EXCEPTION(fb::ConversionError, ds->setValue("TXT", QString(61, 'A')));
    QVERIFY_THROWS_EXCEPTION(data::DataError, ds->setValue("NAO_EXISTE", 1));
    ds->post();
    QCOMPARE(ds->asInteger("ID"), 7);
    QCOMPARE(ds->asDate("DIA"), QDate(2026, 3, 30));
    QCOMPARE(ds->asString("DIA"), QStringLiteral("30/03/2026"));
    QCOMPARE(ds->asString("VALOR"), QStringLiteral("1234.50"));
    QVERIFY(ds->isNull("HORA"));
    QVERIFY(ds->isNull("TXT"));
}

void TstDataset::sortBeyondTheFirstBytes_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QList<Value>>("values"); // stored in this order; expected sorted
    QTest::newRow("long shared prefix")
        << "TXT" << QList<Value>{"MARIA EDUARDA SILVA", "MARIA EDUARDA", "MARIA EDUARDA DOS SANTOS",
                                 "MARIA EDUARDA SILVA", "MARIA EDUARDO", "MARIA"};
    QTest::newRow("negative and positive numerics")
        << "VALOR"
        << QList<Value>{fb::Decimal{5, -2}, fb::Decimal{-700, -2}, fb::Decimal{0, -2}, fb::Decimal{-1, -2}};
    QTest::newRow("dates across years")
        << "DIA" << QList<Value>{QDate(2024, 1, 1), QDate(1899, 12, 31), QDate(2023, 12, 31)};
    QTest::newRow("bigints around zero")
        << "GRANDE" << QList<Value>{qint64(1), qint64(INT64_MIN), qint64(-1), qint64(INT64_MAX)};
}

void TstDataset::sortBeyondTheFirstBytes()
{
    QFETCH(QString, field);
    QFETCH(QList<Value>, values);
    auto &att = db_->attachment();
    for (int i = 0; i < values.size(); ++i)
        att.executeOnce(QStringLiteral("INSERT INTO TIPOS (ID, %1) VALUES (?, ?)").arg(field),
                        {i + 1, values[i]});
    auto ds = openTable(att, "TIPOS", "ID");
    ds->setIndexFieldNames(field);
    QList<Value> got;
    for (ds->first(); !ds->eof(); ds->next())
        got << ds->value(field);
    const auto less = [](const Value &a, const Value &b) {
        if (a.holds<QString>())
            return a.get<QString>().toUtf8() < b.get<QString>().toUtf8();
        if (a.holds<fb::Decimal>())
            return a.get<fb::Decimal>() < b.get<fb::Decimal>();
        if (a.holds<QDate>())
            return a.get<QDate>() < b.get<QDate>();
        return a.toInt() < b.toInt();
    };
    QList<Value> expected = values;
    std::stable_sort(expected.begin(), expected.end(), less);
    QCOMPARE(got, expected);
    // A row edited afterwards takes its sorted place without a full re-sort.
    ds->first();
    ds->edit();
    ds->setValue(field, values.last());
    ds->post();
    QCOMPARE(ds->value(field), values.last());
    for (int i = 1; i < ds->recordCount(); ++i)
        QVERIFY(!less(ds->visibleValue(i, ds->fieldIndex(field)),
                      ds->visibleValue(i - 1, ds->fieldIndex(field))));
}

QTEST_GUILESS_MAIN(TstDataset)
#include "tst_dataset.moc"
