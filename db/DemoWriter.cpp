// Inserts the demo rows through prepared statements in one transaction.
#include "DemoWriter.h"

#include <QStringList>

namespace demo {

DemoWriter::DemoWriter(fb::Attachment &attachment)
    : tra_(attachment, fb::TransactionOptions::readCommittedWrite(10))
{
}

DemoWriter::~DemoWriter() = default;

int DemoWriter::key(const QString &generator)
{
    auto &st = statements_[generator];
    if (!st)
        st = std::make_unique<fb::Statement>(tra_, QStringLiteral("EXECUTE PROCEDURE ") + generator);
    st->execute();
    return int(st->value(st->outputIndex(QStringLiteral("ID"))).toInt());
}

void DemoWriter::insert(const QString &table, const Row &row)
{
    QStringList columns;
    QList<fb::Value> values;
    for (const auto &[column, value] : row) {
        columns << column;
        values << value;
    }
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(table, columns.join(QStringLiteral(", ")),
                                 QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
    auto &st = statements_[sql];
    if (!st)
        st = std::make_unique<fb::Statement>(tra_, sql);
    st->execute(values);
    ++counts_[table];
}

void DemoWriter::commit()
{
    statements_.clear();
    tra_.commit();
}

} // namespace demo
