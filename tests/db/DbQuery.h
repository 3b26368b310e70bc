#pragma once
// Reads a whole result set in its own read-only transaction; what the checks of these tests need.
#include "fb/Fb.h"

#include <QList>

inline QList<QList<fb::Value>> queryRows(fb::Attachment &att, const QString &sql,
                                         const QList<fb::Value> &params = {})
{
    fb::Transaction tra(att, fb::TransactionOptions::readCommittedReadOnly());
    QList<QList<fb::Value>> rows;
    {
        fb::Statement st(tra, sql);
        auto rs = st.openCursor(params);
        while (rs->next()) {
            QList<fb::Value> row;
            for (int i = 0; i < rs->columnCount(); ++i)
                row << rs->value(i);
            rows << row;
        }
    }
    tra.commit();
    return rows;
}

// The first column of every row as text, as stored (system-table names need trim() in the query).
inline QStringList queryTexts(fb::Attachment &att, const QString &sql, const QList<fb::Value> &params = {})
{
    QStringList out;
    for (const auto &row : queryRows(att, sql, params))
        out << row.value(0).toString();
    return out;
}
