#pragma once
// A register screen's world for one test: a fresh database, its data module as the program's
// one, and the message seam answered by the test.
#include "../db/DbQuery.h"
#include "TestDatabase.h"
#include "app/TDM.h"
#include "registers/RecordScreen.h"
#include "seams/Messages.h"
#include "widgets/DBGrid.h"
#include "widgets/DataLink.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

struct RegistersFixture {
    TestDatabase db;
    std::unique_ptr<TDM> dm;
    seams::RecordingMessages messages;
    seams::ScopedMessages guard{&messages};

    RegistersFixture() : dm(std::make_unique<TDM>(db.connectAgain())) { DM = dm.get(); }
    ~RegistersFixture() { DM = nullptr; }

    // Another workstation's statement, committed at once.
    void exec(const QString &sql, const QList<fb::Value> &params = {})
    {
        db.attachment().executeOnce(sql, params);
    }
    QStringList texts(const QString &sql) { return queryTexts(db.attachment(), sql); }
    qint64 sequence(const QString &name)
    {
        return queryRows(db.attachment(), QStringLiteral("select gen_id(%1, 0) from rdb$database").arg(name))
            .value(0)
            .value(0)
            .toInt();
    }
};

inline QPushButton *btn(QWidget *w, const char *name)
{
    return w->findChild<QPushButton *>(QString::fromLatin1(name));
}

inline QLineEdit *edit(QWidget *w, const char *name)
{
    return w->findChild<QLineEdit *>(QString::fromLatin1(name));
}

// Clicks a button that must be there and enabled, as the user would.
inline void click(QWidget *w, const char *name)
{
    QPushButton *b = btn(w, name);
    QVERIFY2(b, name);
    QVERIFY2(b->isEnabled(), name);
    b->click();
}

// Replaces a control's text by typing.
inline void type(QWidget *w, const char *name, const QString &text)
{
    QLineEdit *e = edit(w, name);
    QVERIFY2(e, name);
    e->selectAll();
    e->del();
    QTest::keyClicks(e, text);
}

// The grid's rows as the clerk reads them, column `column`.
inline QStringList gridColumn(registers::RecordScreen &s, int column = 0)
{
    QStringList out;
    QAbstractItemModel *m = s.grid()->model();
    for (int r = 0; r < m->rowCount(); ++r)
        out << m->data(m->index(r, column)).toString();
    return out;
}
