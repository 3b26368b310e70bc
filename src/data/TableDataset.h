#pragma once
// A table dataset: the server query, the provider that writes changes back, and the cached rows
// with cursor, filter, sort index, aggregates and change log.
#include "data/FilterExpression.h"
#include "data/PackedRow.h"
#include "fb/Fb.h"

#include <QObject>
#include <QStringList>
#include <deque>
#include <optional>

namespace data {

// What one apply sent back: how many changes the server refused, and why.
struct ApplyResult {
    int applied = 0;
    int refused = 0;
    QStringList reasons;
    bool ok() const { return refused == 0; }
};

class TableDataset : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    enum class RowStatus : uint8_t { Unchanged, Inserted, Modified, Deleted };

    // `sql` is the server query ("select * from T" or with a "where ... = :id" for details);
    // `table` the table the provider writes to.
    TableDataset(const QString &name, const QString &table, const QString &sql, QObject *parent = nullptr);
    ~TableDataset() override;

    const QString &name() const { return name_; }
    const QString &tableName() const { return table_; }
    const QString &sql() const { return sql_; }
    void setConnection(fb::Attachment *attachment) { att_ = attachment; }
    fb::Attachment *connection() const { return att_; }
    // How long an apply waits for a row another workstation holds, in seconds.
    void setLockTimeout(int seconds) { lockTimeout_ = seconds; }

    // Parameters of the server query, written ":name" in its text; their values are sent at open.
    QStringList paramNames() const { return paramNames_; }
    void setParam(const QString &name, const fb::Value &value);
    fb::Value param(const QString &name) const;

    // Declared field properties, kept across open and close.
    void setKeyField(const QString &field) { keyField_ = field.toUpper(); }
    const QString &keyField() const { return keyField_; }
    void setDisplayLabel(const QString &field, const QString &label);
    void setEditMask(const QString &field, const QString &mask);

    // Nested detail: this dataset shows the rows whose `detailField` equals the master's
    // current `masterField`; the master's apply also sends this dataset's changes.
    void setMaster(TableDataset *master, const QString &masterField = QStringLiteral("ID"),
                   const QString &detailField = QStringLiteral("ID"));
    TableDataset *master() const { return master_; }

    // --- lifecycle -------------------------------------------------------------------------
    void open();    // no effect when already open
    void close();   // drops rows and pending changes
    void refresh(); // refused while changes are pending
    bool isActive() const { return state_ != State::Inactive; }
    State state() const { return state_; }
    bool isEditing() const { return state_ == State::Edit || state_ == State::Insert; }

    // --- fields ----------------------------------------------------------------------------
    const std::vector<FieldDef> &fields() const { return fields_; }
    int fieldIndex(const QString &name) const;        // any letter case; -1 when absent
    const FieldDef &field(const QString &name) const; // throws DataError when absent
    fb::Value value(const QString &name) const;       // current row (its edit buffer while editing)
    fb::Value value(int field) const;
    QString asString(const QString &name) const { return value(name).toString(); }
    qint64 asInteger(const QString &name) const { return value(name).toInt(); }
    QDate asDate(const QString &name) const { return value(name).toDate(); }
    bool isNull(const QString &name) const { return value(name).isNull(); }
    void setValue(const QString &name, const fb::Value &value); // requires edit or insert state
    fb::Value oldValue(const QString &name) const;              // as loaded, before pending changes

    // --- cursor ----------------------------------------------------------------------------
    int recordCount() const { return int(view_.size()); }
    int recNo() const { return cursor_; } // 0-based position in the visible rows; -1 when empty
    bool isEmpty() const { return view_.empty(); }
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    void first();
    void last();
    void next();
    void prior();
    void moveTo(int visibleRow); // posts a pending edit first, as every move does
    bool locate(const QString &fields, const QList<fb::Value> &values, bool caseInsensitive = false,
                bool partialKey = false);

    // --- editing ---------------------------------------------------------------------------
    void insert();
    void append();
    void edit();
    void post();
    void cancel();
    void remove();          // "delete"
    void checkBrowseMode(); // posts a pending edit (cancels an untouched one)
    bool isModified() const { return modified_; }

    // --- change log and apply --------------------------------------------------------------
    int changeCount() const;
    RowStatus rowStatus(int visibleRow) const;
    ApplyResult applyUpdates(int maxErrors = 0);
    void cancelUpdates();

    // --- filter, sort, aggregates ----------------------------------------------------------
    void setFilter(const QString &text);
    const QString &filter() const { return filterText_; }
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }
    void setIndexFieldNames(const QString &field); // empty: load order
    const QString &indexFieldNames() const { return sortField_; }
    // "sum(col)" or "count(col)"; the value has no value when no row is visible.
    void addAggregate(const QString &name, const QString &expression);
    std::optional<fb::Value> aggregate(const QString &name) const;

    // --- for grids and reports -------------------------------------------------------------
    fb::Value visibleValue(int visibleRow, int field) const;
    // Bytes held by the cached rows (for the benchmark).
    size_t cacheBytes() const;

signals:
    void stateChanged();
    void rowsChanged();          // rows, filter or order changed: the visible list was rebuilt
    void currentChanged();       // cursor moved
    void currentValuesChanged(); // a value of the current row changed (edit buffer, post, cancel)

private:
    struct Rec {
        PackedRow current;
        PackedRow original; // values as loaded, kept while modified or deleted
        RowStatus status = RowStatus::Unchanged;
        quint64 changeSeq = 0;
    };
    struct Aggregate {
        QString name;
        bool sum = true;
        int field = -1;
        QString column;
        std::optional<fb::Value> value;
    };

    void requireActive() const;
    void requireEditing() const;
    void load();
    void rebuildView(Rec *keep = nullptr); // order and filter anew
    void rebuildOrder();
    void refilter(Rec *keep = nullptr); // the visible rows from the ordered ones
    void placeInOrder(Rec *rec);        // after a post: the row's place in the order
    void computeAggregates();
    Rec *pendingInsert() const { return inserting_ ? editing_ : nullptr; }
    void setCursor(int pos, bool notify = true);
    Rec *currentRec() const;
    void startEditBuffer(Rec *rec);
    void compileFilter();
    void masterMoved();
    bool rowLess(const Rec *a, const Rec *b) const;
    ApplyResult applyInTransaction(fb::Transaction &tra, int phase);
    void commitLog();
    QString insertSql(QList<fb::Value> &params, const Rec &rec) const;
    QString updateSql(QList<fb::Value> &params, const Rec &rec) const;
    QString deleteSql(QList<fb::Value> &params, const Rec &rec) const;
    QString whereAll(QList<fb::Value> &params, const PackedRow &old) const;

    QString name_, table_, sql_, keyField_;
    QString serverSql_; // sql_ with its ":name" parameters turned into markers
    QStringList paramNames_;
    QList<fb::Value> paramValues_;
    fb::Attachment *att_ = nullptr;
    int lockTimeout_ = 10;
    State state_ = State::Inactive;
    std::vector<FieldDef> fields_;
    QHash<QString, QString> labels_, masks_;
    std::unique_ptr<RowArena> arena_; // memory of the loaded rows
    std::deque<Rec> store_;           // stable addresses
    std::vector<Rec *> ordered_;      // live rows in sort order (deleted excluded)
    std::vector<Rec *> view_;         // visible rows
    int cursor_ = -1;
    bool bof_ = true, eof_ = true;
    quint64 nextSeq_ = 1;
    // edit buffer
    Rec *editing_ = nullptr;
    QList<fb::Value> buffer_;
    bool modified_ = false;
    bool inserting_ = false;
    // filter and sort
    QString filterText_;
    bool filtered_ = false;
    std::unique_ptr<FilterExpression> filterExpr_;
    QString sortField_;
    int sortIndex_ = -1;
    std::vector<Aggregate> aggregates_;
    // master/detail
    TableDataset *master_ = nullptr;
    QString masterField_, detailField_;
    std::vector<TableDataset *> details_;
};

const char *stateName(TableDataset::State s);

} // namespace data
