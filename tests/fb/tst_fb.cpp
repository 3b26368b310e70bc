// Firebird access: exact round trips of every column type, errors, lock waits and scripts.
#include "TestDatabase.h"
#include "fb/Fb.h"

#include <QElapsedTimer>
#include <QtTest>

using fb::Value;

Q_DECLARE_METATYPE(fb::Value)

class TstFb : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
    void whereAllMatchesExactlyOneRow();
    void charKeepsItsPadding();
    void badParametersAreRefused_data();
    void badParametersAreRefused();
    void serverErrorCarriesMessage();
    void lockedRowTimesOut();
    void procedureOutput();
    void connectionString_data();
    void connectionString();
    void splitScript_data();
    void splitScript();
    void decimalText_data();
    void decimalText();

private:
    std::unique_ptr<TestDatabase> db_;
};

void TstFb::initTestCase()
{
    db_ = std::make_unique<TestDatabase>(false);
    db_->attachment().executeScript(QStringLiteral(R"(
        CREATE TABLE T (
            ID INTEGER NOT NULL PRIMARY KEY,
            V VARCHAR(60), C CHAR(5), N NUMERIC(18,2), S SMALLINT, B BIGINT,
            D DATE, H TIME, TS TIMESTAMP, MEMO BLOB SUB_TYPE TEXT, FOTO BLOB, DBL DOUBLE PRECISION);
        SET TERM ^ ;
        CREATE PROCEDURE P RETURNS (ID INTEGER) AS BEGIN ID = 41 + 1; END^
        SET TERM ; ^
    )"));
}

void TstFb::roundTrip_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<Value>("value");
    QTest::newRow("accents and degree") << "V" << Value(QStringLiteral("JOSÉ CONCEIÇÃO 1° PERIODO"));
    QTest::newRow("empty text is not null") << "V" << Value(QString(""));
    QTest::newRow("text of full size") << "V" << Value(QString(60, QChar(0x00C7)));
    QTest::newRow("null text") << "V" << Value();
    QTest::newRow("largest numeric") << "N" << Value(fb::Decimal{INT64_MAX, -2});
    QTest::newRow("smallest numeric") << "N" << Value(fb::Decimal{INT64_MIN, -2});
    QTest::newRow("cents") << "N" << Value(fb::Decimal{-1, -2});
    QTest::newRow("smallint") << "S" << Value(qint64(-32768));
    QTest::newRow("bigint") << "B" << Value(qint64(INT64_MAX));
    QTest::newRow("leap day") << "D" << Value(QDate(2024, 2, 29));
    QTest::newRow("first date") << "D" << Value(QDate(1, 1, 1));
    QTest::newRow("time with fractions") << "H" << Value(fb::Time::fromHms(23, 59, 59, 9999));
    QTest::newRow("midnight") << "H" << Value(fb::Time{});
    QTest::newRow("timestamp") << "TS"
                               << Value(fb::Timestamp{QDate(2026, 12, 31), fb::Time::fromHms(20, 0, 0, 1)});
    QTest::newRow("long memo") << "MEMO" << Value(QString(100000, QChar(0x00E3)) + QStringLiteral("fim"));
    QTest::newRow("empty memo") << "MEMO" << Value(QString(""));
    QTest::newRow("binary blob with zeros")
        << "FOTO" << Value(QByteArray("\x89PNG\0\0\xff\x01", 8).repeated(9000));
    QTest::newRow("double") << "DBL" << Value(0.1);
}

void TstFb::roundTrip()
{
    QFETCH(QString, column);
    QFETCH(Value, value);
    static int id = 0;
    ++id;
    auto &att = db_->attachment();
    att.executeOnce(QStringLiteral("INSERT INTO T (ID, %1) VALUES (?, ?)").arg(column), {id, value});
    fb::Transaction tra(att, fb::TransactionOptions::readCommittedReadOnly());
    fb::Statement st(tra, QStringLiteral("SELECT %1 FROM T WHERE ID = ?").arg(column));
    auto rs = st.openCursor({id});
    QVERIFY(rs->next());
    const Value back = rs->value(0);
    QCOMPARE(back.isNull(), value.isNull());
    QVERIFY2(back == value, qPrintable(back.toString().left(80) + " != " + value.toString().left(80)));
    QVERIFY(!rs->next());
}

void TstFb::whereAllMatchesExactlyOneRow()
{
    // Values read back and used as parameters must find their own row again.
    auto &att = db_->attachment();
    const QList<Value> row{1000,
                           QStringLiteral("Ação °"),
                           QStringLiteral("AB"),
                           fb::Decimal{92233720368547758, -2},
                           QDate(2023, 3, 30),
                           fb::Time::fromHms(7, 30, 15, 1234)};
    att.executeOnce(QStringLiteral("INSERT INTO T (ID, V, C, N, D, H) VALUES (?, ?, ?, ?, ?, ?)"), row);
    QList<Value> read;
    {
        fb::Transaction tra(att, fb::TransactionOptions::readCommittedReadOnly());
        fb::Statement st(tra, QStringLiteral("SELECT ID, V, C, N, D, H FROM T WHERE ID = 1000"));
        auto rs = st.openCursor();
        QVERIFY(rs->next());
        for (int i = 0; i < rs->columnCount(); ++i)
            read << rs->value(i);
    }
    const qint64 n = att.executeOnce(
        QStringLiteral("UPDATE T SET V = 'x' WHERE ID = ? AND V = ? AND C = ? AND N = ? AND D = ? AND H = ?"),
        read);
    QCOMPARE(n, qint64(1));
}

void TstFb::charKeepsItsPadding()
{
    auto &att = db_->attachment();
    att.executeOnce(QStringLiteral("INSERT INTO T (ID, C) VALUES (2000, ?)"), {QStringLiteral("É")});
    fb::Transaction tra(att, fb::TransactionOptions::readCommittedReadOnly());
    fb::Statement st(tra, QStringLiteral("SELECT C FROM T WHERE ID = 2000"));
    auto rs = st.openCursor();
    QVERIFY(rs->next());
    QCOMPARE(rs->value(0).toString(), QStringLiteral("É    "));
    QCOMPARE(st.outputs().at(0).charLength, 5u);
}

void TstFb::badParametersAreRefused_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<Value>("value");
    QTest::newRow("text too long") << "V" << Value(QString(61, QLatin1Char('A')));
    QTest::newRow("not a date") << "D" << Value(QStringLiteral("31/02/2020"));
    QTest::newRow("numeric with too many places") << "N" << Value(QStringLiteral("1.234"));
    QTest::newRow("smallint overflow") << "S" << Value(qint64(40000));
    QTest::newRow("not a time") << "H" << Value(QStringLiteral("25:00"));
}

void TstFb::badParametersAreRefused()
{
    QFETCH(QString, column);
    QFETCH(Value, value);
    QVERIFY_THROWS_EXCEPTION(
        fb::ConversionError,
        db_->attachment().executeOnce(QStringLiteral("INSERT INTO T (ID, %1) VALUES (3000, ?)").arg(column),
                                      {value}));
}

void TstFb::serverErrorCarriesMessage()
{
    auto &att = db_->attachment();
    att.executeOnce(QStringLiteral("INSERT INTO T (ID) VALUES (4000)"));
    try {
        att.executeOnce(QStringLiteral("INSERT INTO T (ID) VALUES (4000)"));
        QFAIL("duplicate key accepted");
    } catch (const fb::Error &e) {
        QVERIFY2(e.message().contains(QStringLiteral("PRIMARY or UNIQUE KEY")), qPrintable(e.message()));
        QVERIFY(e.sqlCode() < 0);
    }
    QVERIFY_THROWS_EXCEPTION(fb::Error, att.executeOnce(QStringLiteral("SELEC nothing")));
}

void TstFb::lockedRowTimesOut()
{
    auto &att = db_->attachment();
    att.executeOnce(QStringLiteral("INSERT INTO T (ID, V) VALUES (5000, 'A')"));
    auto other = db_->connectAgain();
    fb::Transaction holder(*other, fb::TransactionOptions::readCommittedWrite(0));
    fb::Statement lock(holder, QStringLiteral("UPDATE T SET V = 'B' WHERE ID = 5000"));
    QCOMPARE(lock.execute(), qint64(1));

    fb::Transaction waiter(att, fb::TransactionOptions::readCommittedWrite(2));
    fb::Statement upd(waiter, QStringLiteral("UPDATE T SET V = 'C' WHERE ID = 5000"));
    QElapsedTimer t;
    t.start();
    try {
        upd.execute();
        QFAIL("a locked row was updated");
    } catch (const fb::Error &e) {
        QVERIFY2(e.isLockConflict(), qPrintable(e.message()));
    }
    QVERIFY(t.elapsed() >= 1000); // it waited, and not for ever
    QVERIFY(t.elapsed() < 10000);
}

void TstFb::procedureOutput()
{
    QCOMPARE(db_->attachment().executeProcedure(QStringLiteral("P"), QStringLiteral("id")).toInt(), 42);
    QVERIFY_THROWS_EXCEPTION(fb::Error, db_->attachment().executeProcedure(QStringLiteral("P; drop table T"),
                                                                           QStringLiteral("ID")));
}

void TstFb::connectionString_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("embedded") << ""
                              << "/var/db/banco.fdb"
                              << "/var/db/banco.fdb";
    QTest::newRow("server") << "srv"
                            << "C:\\QUORVEN\\banco.fdb"
                            << "srv:C:\\QUORVEN\\banco.fdb";
}

void TstFb::connectionString()
{
    QFETCH(QString, host);
    QFETCH(QString, path);
    QFETCH(QString, expected);
    fb::ConnectParams p;
    p.host = host;
    p.database = path;
    QCOMPARE(p.connectionString(), expected);
}

void TstFb::splitScript_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("statements");
    QTest::newRow("plain") << "a; b ;\n c" << QStringList{"a", "b", "c"};
    QTest::newRow("comments") << "-- x;\n a /* ; */; b" << QStringList{"a", "b"};
    QTest::newRow("quotes") << "insert 'a;b''c;'; d" << QStringList{"insert 'a;b''c;'", "d"};
    QTest::newRow("set term") << "SET TERM ^ ;\nCREATE P AS BEGIN X; Y; END^\nSET TERM ; ^\nz;"
                              << QStringList{"CREATE P AS BEGIN X; Y; END", "z"};
}

void TstFb::splitScript()
{
    QFETCH(QString, script);
    QFETCH(QStringList, statements);
    QCOMPARE(fb::splitScript(script), statements);
}

void TstFb::decimalText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("canonical");
    QTest::newRow("comma") << "1234,5" << true << "1234.50";
    QTest::newRow("negative cents") << "-0.05" << true << "-0.05";
    QTest::newRow("trailing zeros") << "7.500" << true << "7.50";
    QTest::newRow("largest") << "92233720368547758.07" << true << "92233720368547758.07";
    QTest::newRow("overflow") << "92233720368547758.08" << false << "";
    QTest::newRow("smallest") << "-92233720368547758.08" << true << "-92233720368547758.08";
    QTest::newRow("letters") << "12a" << false << "";
    QTest::newRow("empty") << "" << false << "";
}

void TstFb::decimalText()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, canonical);
    fb::Decimal d;
    QCOMPARE(fb::Decimal::parse(text, -2, d), ok);
    if (ok)
        QCOMPARE(d.toString(), canonical);
}

QTEST_GUILESS_MAIN(TstFb)
#include "tst_fb.moc"
