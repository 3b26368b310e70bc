#pragma once
// The filter language of the cached datasets, parsed once into a typed predicate over packed rows.
#include "data/PackedRow.h"

#include <QString>
#include <stdexcept>
#include <vector>

namespace data {

// Anything the dataset refuses: a filter it cannot read, an operation in the wrong state, ...
class DataError : public std::runtime_error {
public:
    explicit DataError(const QString &message) : std::runtime_error(message.toStdString()), message_(message)
    {
    }
    const QString &message() const { return message_; }

private:
    QString message_;
};

// Wraps a text in single quotes, doubling the quotes inside: the quoting of every filter value.
QString quoted(const QString &text);

class FilterExpression {
public:
    // Parses `text` against the fields; throws DataError naming the text when it cannot.
    // An empty (or blank) text accepts every row.
    FilterExpression(const QString &text, const std::vector<FieldDef> &fields);
    FilterExpression() = default;

    bool acceptsAll() const { return nodes_.empty(); }
    bool matches(const PackedRow &row) const { return nodes_.empty() || eval(int(nodes_.size()) - 1, row); }

    enum class Op { Like, Eq, Ne, Lt, Le, Gt, Ge, And, Or };
    struct Node {
        Op op = Op::Eq;
        int field = -1;                    // comparisons
        int left = -1, right = -1;         // And / Or
        bool emptyText = false;            // the constant is '' (matches empty or NULL)
        QByteArray text;                   // text constant, UTF-8
        std::vector<QByteArray> likeParts; // pattern split at '%'
        bool likeAnchoredStart = true, likeAnchoredEnd = true;
        qint64 number = 0; // integer / decimal units / date day / time fractions
        double real = 0;
        int kind = 0; // how the column is compared: see the .cpp
    };

private:
    bool eval(int node, const PackedRow &row) const;
    bool compare(const Node &n, const PackedRow &row) const;
    std::vector<Node> nodes_;
    const std::vector<FieldDef> *fields_ = nullptr;
};

// LIKE with '%' as the only wildcard, over UTF-8 bytes (case-sensitive).
bool likeMatch(QByteArrayView value, const std::vector<QByteArray> &parts, bool anchoredStart,
               bool anchoredEnd);

} // namespace data
