#pragma once
// Inserts the demo rows in one transaction, reusing one prepared statement per table and column
// set, and draws keys from the database's own generators so later inserts do not collide.
#include "fb/Fb.h"

#include <QMap>
#include <QString>
#include <map>
#include <memory>
#include <utility>

namespace demo {

using Row = QList<std::pair<QString, fb::Value>>;

class DemoWriter {
public:
    explicit DemoWriter(fb::Attachment &attachment);
    ~DemoWriter();
    DemoWriter(const DemoWriter &) = delete;
    DemoWriter &operator=(const DemoWriter &) = delete;

    // EXECUTE PROCEDURE of the generator, inside the writing transaction.
    int key(const QString &generator);
    void insert(const QString &table, const Row &row);
    void commit();
    // Rows inserted so far, by table.
    const QMap<QString, int> &counts() const { return counts_; }

private:
    fb::Transaction tra_;
    std::map<QString, std::unique_ptr<fb::Statement>> statements_;
    QMap<QString, int> counts_;
};

} // namespace demo
