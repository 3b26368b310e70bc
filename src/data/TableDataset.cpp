#include "data/TableDataset.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace data {
namespace {

constexpr qint64 kDateBase = 2400001;

QString quotedName(const QString &identifier)
{
    return QLatin1Char('"') + QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// Orders two stored values of one field; NULL first.
int compareField(const FieldDef &f, const PackedRow &a, const PackedRow &b, int i)
{
    const bool na = a.isNull(i), nb = b.isNull(i);
    if (na || nb)
        return na == nb ? 0 : na ? -1 : 1;
    auto cmp = [](auto x, auto y) { return x < y ? -1 : y < x ? 1 : 0; };
    switch (f.type) {
    case FieldType::Integer:
        return cmp(a.scalar<int32_t>(i), b.scalar<int32_t>(i));
    case FieldType::Bigint:
    case FieldType::Decimal:
        return cmp(a.scalar<qint64>(i), b.scalar<qint64>(i));
    case FieldType::Double:
        return cmp(a.scalar<double>(i), b.scalar<double>(i));
    case FieldType::Boolean:
        return cmp(a.scalar<uint8_t>(i), b.scalar<uint8_t>(i));
    case FieldType::Date:
        return cmp(a.scalar<int32_t>(i), b.scalar<int32_t>(i));
    case FieldType::Time:
        return cmp(a.scalar<uint32_t>(i), b.scalar<uint32_t>(i));
    case FieldType::Timestamp: {
        const auto ba = a.bytes(i), bb = b.bytes(i);
        int32_t da, db;
        uint32_t ta, tb;
        std::memcpy(&da, ba.data(), 4);
        std::memcpy(&db, bb.data(), 4);
        std::memcpy(&ta, ba.data() + 4, 4);
        std::memcpy(&tb, bb.data() + 4, 4);
        return da != db ? cmp(da, db) : cmp(ta, tb);
    }
    case FieldType::Text:
    case FieldType::FixedText:
    case FieldType::Memo:
    case FieldType::Blob:
        return a.bytes(i).compare(b.bytes(i)) < 0 ? -1 : a.bytes(i) == b.bytes(i) ? 0 : 1;
    }
    return 0;
}

bool sameField(const PackedRow &a, const PackedRow &b, int i)
{
    if (a.isNull(i) || b.isNull(i))
        return a.isNull(i) == b.isNull(i);
    return a.bytes(i) == b.bytes(i);
}

} // namespace

const char *stateName(TableDataset::State s)
{
    switch (s) {
    case TableDataset::State::Inactive:
        return "inactive";
    case TableDataset::State::Browse:
        return "browse";
    case TableDataset::State::Edit:
        return "edit";
    case TableDataset::State::Insert:
        return "insert";
    }
    return "";
}

TableDataset::TableDataset(const QString &name, const QString &table, const QString &sql, QObject *parent)
    : QObject(parent), name_(name), table_(table.toUpper()), sql_(sql)
{
    setObjectName(name);
    // ":name" outside quotes is a parameter; everything else goes to the server as written.
    bool inQuote = false;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'')) {
            inQuote = !inQuote;
        } else if (!inQuote && c == QLatin1Char(':') && i + 1 < sql.size() &&
                   (sql.at(i + 1).isLetter() || sql.at(i + 1) == QLatin1Char('_'))) {
            qsizetype j = i + 1;
            while (j < sql.size() && (sql.at(j).isLetterOrNumber() || sql.at(j) == QLatin1Char('_')))
                ++j;
            paramNames_ << sql.mid(i + 1, j - i - 1);
            serverSql_ += QLatin1Char('?');
            i = j - 1;
            continue;
        }
        serverSql_ += c;
    }
    paramValues_.resize(paramNames_.size());
}

void TableDataset::setParam(const QString &name, const fb::Value &value)
{
    bool found = false;
    for (qsizetype i = 0; i < paramNames_.size(); ++i)
        if (paramNames_[i].compare(name, Qt::CaseInsensitive) == 0) {
            paramValues_[i] = value;
            found = true;
        }
    if (!found)
        throw DataError(QStringLiteral("%1: Parâmetro '%2' não encontrado").arg(name_, name));
}

fb::Value TableDataset::param(const QString &name) const
{
    for (qsizetype i = 0; i < paramNames_.size(); ++i)
        if (paramNames_[i].compare(name, Qt::CaseInsensitive) == 0)
            return paramValues_[i];
    throw DataError(QStringLiteral("%1: Parâmetro '%2' não encontrado").arg(name_, name));
}

TableDataset::~TableDataset() = default;

void TableDataset::setDisplayLabel(const QString &field, const QString &label)
{
    labels_.insert(field.toUpper(), label);
    if (const int i = fieldIndex(field); i >= 0)
        fields_[size_t(i)].displayLabel = label;
}

void TableDataset::setEditMask(const QString &field, const QString &mask)
{
    masks_.insert(field.toUpper(), mask);
    if (const int i = fieldIndex(field); i >= 0)
        fields_[size_t(i)].editMask = mask;
}

void TableDataset::setMaster(TableDataset *master, const QString &masterField, const QString &detailField)
{
    master_ = master;
    masterField_ = masterField.toUpper();
    detailField_ = detailField.toUpper();
    master->details_.push_back(this);
    connect(master, &TableDataset::currentChanged, this, &TableDataset::masterMoved);
    connect(master, &TableDataset::currentValuesChanged, this, &TableDataset::masterMoved);
}

// ---------------------------------------------------------------------------------------------
// lifecycle

void TableDataset::requireActive() const
{
    if (state_ == State::Inactive)
        throw DataError(
            QStringLiteral("%1: Não é possível executar esta operação em um dataset fechado").arg(name_));
}

void TableDataset::requireEditing() const
{
    if (!isEditing())
        throw DataError(QStringLiteral("%1: O dataset não está em modo de edição ou inserção").arg(name_));
}

void TableDataset::open()
{
    if (state_ != State::Inactive)
        return;
    if (master_ && !master_->isActive()) {
        master_->open(); // opens its details, this one included
        return;
    }
    load();
    state_ = State::Browse;
    emit stateChanged();
    emit rowsChanged();
    emit currentChanged();
    for (TableDataset *d : details_)
        d->open();
}

void TableDataset::load()
{
    if (!att_)
        throw DataError(QStringLiteral("%1: sem conexão com o banco de dados").arg(name_));
    fb::Transaction tra(*att_, fb::TransactionOptions::readCommittedReadOnly());
    fb::Statement stmt(tra, serverSql_);
    std::vector<FieldDef> defs;
    for (const fb::Column &c : stmt.outputs()) {
        FieldDef d = FieldDef::fromColumn(c);
        d.key = d.name == keyField_;
        d.displayLabel = labels_.value(d.name);
        d.editMask = masks_.value(d.name);
        defs.push_back(d);
    }
    std::deque<Rec> rows;
    auto arena = std::make_unique<RowArena>();
    {
        auto rs = stmt.openCursor(paramValues_);
        std::vector<char> scratch;
        while (rs->next())
            rows.push_back(
                Rec{PackedRow::fromResult(defs, *rs, scratch, arena.get()), {}, RowStatus::Unchanged, 0});
    }
    tra.commit();
    fields_ = std::move(defs);
    store_ = std::move(rows); // the old rows go before the arena that holds them
    arena_ = std::move(arena);
    sortIndex_ = sortField_.isEmpty() ? -1 : fieldIndex(sortField_);
    if (!sortField_.isEmpty() && sortIndex_ < 0)
        throw DataError(QStringLiteral("%1: campo '%2' não encontrado").arg(name_, sortField_));
    for (auto &a : aggregates_)
        a.field = fieldIndex(a.column);
    // The filter text may have been set while closed: it is read now, against these fields.
    filterExpr_.reset();
    if (filtered_)
        compileFilter();
    rebuildView();
}

void TableDataset::close()
{
    if (state_ == State::Inactive)
        return;
    for (TableDataset *d : details_)
        d->close();
    store_.clear();
    arena_.reset();
    ordered_.clear();
    view_.clear();
    buffer_.clear();
    editing_ = nullptr;
    inserting_ = modified_ = false;
    cursor_ = -1;
    bof_ = eof_ = true;
    filterExpr_.reset();
    state_ = State::Inactive;
    emit stateChanged();
    emit rowsChanged();
    emit currentChanged();
}

void TableDataset::refresh()
{
    requireActive();
    checkBrowseMode();
    if (changeCount() > 0)
        throw DataError(
            QStringLiteral("%1: Deve aplicar ou cancelar as alterações antes de atualizar").arg(name_));
    for (TableDataset *d : details_)
        if (d->isActive() && d->changeCount() > 0)
            throw DataError(QStringLiteral("%1: Deve aplicar ou cancelar as alterações antes de atualizar")
                                .arg(d->name_));
    const int pos = cursor_;
    load();
    setCursor(std::min(pos, recordCount() - 1));
    emit rowsChanged();
    for (TableDataset *d : details_)
        if (d->isActive()) {
            d->load();
            emit d->rowsChanged();
            emit d->currentChanged();
        }
}

// ---------------------------------------------------------------------------------------------
// fields

int TableDataset::fieldIndex(const QString &name) const
{
    for (size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

const FieldDef &TableDataset::field(const QString &name) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw DataError(QStringLiteral("%1: Campo '%2' não encontrado").arg(name_, name));
    return fields_[size_t(i)];
}

fb::Value TableDataset::value(int i) const
{
    if (i < 0 || i >= int(fields_.size()))
        throw DataError(QStringLiteral("%1: campo %2 não existe").arg(name_).arg(i));
    if (isEditing())
        return buffer_.at(i);
    const Rec *r = currentRec();
    return r ? r->current.value(fields_, i) : fb::Value();
}

fb::Value TableDataset::value(const QString &name) const
{
    requireActive();
    const int i = fieldIndex(name);
    if (i < 0)
        throw DataError(QStringLiteral("%1: Campo '%2' não encontrado").arg(name_, name));
    return value(i);
}

fb::Value TableDataset::oldValue(const QString &name) const
{
    requireActive();
    const int i = fieldIndex(name);
    if (i < 0)
        throw DataError(QStringLiteral("%1: Campo '%2' não encontrado").arg(name_, name));
    const Rec *r = editing_ ? editing_ : currentRec();
    if (!r)
        return {};
    return r->original.isValid() ? r->original.value(fields_, i) : r->current.value(fields_, i);
}

void TableDataset::setValue(const QString &name, const fb::Value &v)
{
    requireEditing();
    const int i = fieldIndex(name);
    if (i < 0)
        throw DataError(QStringLiteral("%1: Campo '%2' não encontrado").arg(name_, name));
    const FieldDef &f = fields_[size_t(i)];
    fb::Value stored = v;
    // An empty text clears a field that is not text, as typing nothing would.
    if (!f.isText() && f.type != FieldType::Blob && !v.isNull() && v.holds<QString>() &&
        v.get<QString>().trimmed().isEmpty())
        stored = fb::Value();
    if (!stored.isNull()) {
        // Normalise to the field's own form now, so a bad value fails here and not at post.
        std::vector<char> bytes;
        encodeField(f, stored, bytes);
        const PackedRow one = PackedRow::fromValues({f}, {stored});
        stored = one.value({f}, 0);
    }
    buffer_[i] = stored;
    modified_ = true;
    emit currentValuesChanged();
}

// ---------------------------------------------------------------------------------------------
// cursor

TableDataset::Rec *TableDataset::currentRec() const
{
    if (cursor_ < 0 || cursor_ >= int(view_.size()))
        return nullptr;
    return view_[size_t(cursor_)];
}

void TableDataset::setCursor(int pos, bool notify)
{
    const int old = cursor_;
    cursor_ = view_.empty() ? -1 : std::clamp(pos, 0, int(view_.size()) - 1);
    if (notify && old != cursor_)
        emit currentChanged();
}

void TableDataset::first()
{
    requireActive();
    checkBrowseMode();
    setCursor(0);
    bof_ = true;
    eof_ = view_.empty();
    emit currentChanged();
}

void TableDataset::last()
{
    requireActive();
    checkBrowseMode();
    setCursor(int(view_.size()) - 1);
    eof_ = true;
    bof_ = view_.empty();
    emit currentChanged();
}

void TableDataset::next()
{
    requireActive();
    checkBrowseMode();
    if (cursor_ + 1 < int(view_.size())) {
        setCursor(cursor_ + 1);
        bof_ = eof_ = false;
    } else {
        eof_ = true;
    }
}

void TableDataset::prior()
{
    requireActive();
    checkBrowseMode();
    if (cursor_ > 0) {
        setCursor(cursor_ - 1);
        bof_ = eof_ = false;
    } else {
        bof_ = true;
    }
}

void TableDataset::moveTo(int visibleRow)
{
    requireActive();
    checkBrowseMode();
    setCursor(visibleRow);
    bof_ = eof_ = false;
}

bool TableDataset::locate(const QString &fieldList, const QList<fb::Value> &values, bool caseInsensitive,
                          bool partialKey)
{
    requireActive();
    checkBrowseMode();
    const QStringList names = fieldList.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (names.size() != values.size())
        throw DataError(QStringLiteral("%1: locate com %2 campo(s) e %3 valor(es)")
                            .arg(name_)
                            .arg(names.size())
                            .arg(values.size()));
    std::vector<int> idx;
    for (const QString &n : names) {
        idx.push_back(fieldIndex(n.trimmed()));
        if (idx.back() < 0)
            throw DataError(QStringLiteral("%1: Campo '%2' não encontrado").arg(name_, n));
    }
    const Qt::CaseSensitivity cs = caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (size_t r = 0; r < view_.size(); ++r) {
        bool all = true;
        for (size_t k = 0; k < idx.size() && all; ++k) {
            const fb::Value have = view_[r]->current.value(fields_, idx[k]);
            const fb::Value &want = values[qsizetype(k)];
            if (want.isNull() || have.isNull()) {
                all = want.isNull() && have.isNull();
            } else if (fields_[size_t(idx[k])].isText()) {
                const QString h = have.toString(), w = want.toString();
                all = partialKey ? h.startsWith(w, cs) : h.compare(w, cs) == 0;
            } else {
                all = have.toString() == fb::Value(PackedRow::fromValues({fields_[size_t(idx[k])]}, {want})
                                                       .value({fields_[size_t(idx[k])]}, 0))
                                             .toString();
            }
        }
        if (all) {
            setCursor(int(r));
            bof_ = eof_ = false;
            emit currentChanged();
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// editing

void TableDataset::startEditBuffer(Rec *rec)
{
    buffer_.clear();
    for (int i = 0; i < int(fields_.size()); ++i)
        buffer_ << (rec && rec->current.isValid() ? rec->current.value(fields_, i) : fb::Value());
    modified_ = false;
}

void TableDataset::insert()
{
    requireActive();
    checkBrowseMode();
    if (master_ && (!master_->isActive() || (master_->isEmpty() && !master_->isEditing())))
        throw DataError(QStringLiteral("%1: o registro mestre não existe").arg(name_));
    store_.push_back(Rec{});
    Rec *rec = &store_.back();
    rec->status = RowStatus::Inserted;
    const int at = cursor_ < 0 ? 0 : cursor_;
    view_.insert(view_.begin() + at, rec);
    cursor_ = at;
    editing_ = rec;
    inserting_ = true;
    startEditBuffer(nullptr);
    if (master_)
        buffer_[fieldIndex(detailField_)] = master_->value(masterField_);
    state_ = State::Insert;
    emit rowsChanged();
    emit stateChanged();
    emit currentChanged();
}

void TableDataset::append()
{
    requireActive();
    checkBrowseMode();
    setCursor(int(view_.size()));
    if (!view_.empty())
        cursor_ = int(view_.size()); // insert after the last row
    insert();
}

void TableDataset::edit()
{
    requireActive();
    if (isEditing())
        return;
    if (view_.empty()) {
        insert();
        return;
    }
    editing_ = currentRec();
    startEditBuffer(editing_);
    state_ = State::Edit;
    emit stateChanged();
}

void TableDataset::post()
{
    requireActive();
    if (!isEditing())
        return;
    for (size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].required && buffer_[qsizetype(i)].isNull())
            throw DataError(QStringLiteral("O campo '%1' deve ter um valor").arg(fields_[i].name));
    Rec *rec = editing_;
    if (state_ == State::Insert || modified_) {
        PackedRow row = PackedRow::fromValues(fields_, buffer_);
        if (rec->status == RowStatus::Unchanged) {
            rec->original = std::move(rec->current);
            rec->status = RowStatus::Modified;
        }
        rec->current = std::move(row);
        if (!rec->changeSeq)
            rec->changeSeq = nextSeq_++;
    }
    editing_ = nullptr;
    inserting_ = modified_ = false;
    buffer_.clear();
    state_ = State::Browse;
    placeInOrder(rec);
    refilter(rec);
    emit stateChanged();
    emit rowsChanged();
    emit currentChanged();
    emit currentValuesChanged();
}

void TableDataset::cancel()
{
    requireActive();
    if (!isEditing())
        return;
    if (state_ == State::Insert) {
        const auto it = std::find(view_.begin(), view_.end(), editing_);
        const int pos = int(it - view_.begin());
        view_.erase(it);
        store_.pop_back(); // the row being inserted is always the last one stored
        editing_ = nullptr;
        setCursor(pos, false);
        emit rowsChanged();
    }
    editing_ = nullptr;
    inserting_ = modified_ = false;
    buffer_.clear();
    state_ = State::Browse;
    emit stateChanged();
    emit currentChanged();
    emit currentValuesChanged();
}

void TableDataset::checkBrowseMode()
{
    if (!isEditing())
        return;
    if (state_ == State::Insert || modified_)
        post();
    else
        cancel();
}

void TableDataset::remove()
{
    requireActive();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (state_ == State::Edit)
        cancel();
    Rec *rec = currentRec();
    if (!rec)
        throw DataError(QStringLiteral("%1: Não é possível excluir em um dataset vazio").arg(name_));
    if (rec->status == RowStatus::Unchanged)
        rec->original = rec->current.clone();
    if (!rec->changeSeq || rec->status != RowStatus::Inserted)
        rec->changeSeq = nextSeq_++;
    // A row inserted and deleted before any apply leaves nothing for the server.
    if (rec->status == RowStatus::Inserted)
        rec->original = PackedRow();
    rec->status = RowStatus::Deleted;
    const int pos = cursor_;
    ordered_.erase(std::find(ordered_.begin(), ordered_.end(), rec));
    view_.erase(view_.begin() + pos);
    computeAggregates();
    setCursor(pos, false);
    emit rowsChanged();
    emit currentChanged();
}

// ---------------------------------------------------------------------------------------------
// view: sort, filter, master link

bool TableDataset::rowLess(const Rec *a, const Rec *b) const
{
    return compareField(fields_[size_t(sortIndex_)], a->current, b->current, sortIndex_) < 0;
}

namespace {

// An order-preserving 64-bit prefix of a field: equal prefixes need a full comparison only for
// text longer than eight bytes.
uint64_t sortPrefix(const FieldDef &f, const PackedRow &row, int i)
{
    constexpr uint64_t kSign = uint64_t(1) << 63;
    switch (f.type) {
    case FieldType::Integer:
    case FieldType::Date:
        return uint64_t(int64_t(row.scalar<int32_t>(i))) ^ kSign;
    case FieldType::Bigint:
    case FieldType::Decimal:
        return uint64_t(row.scalar<qint64>(i)) ^ kSign;
    case FieldType::Time:
        return row.scalar<uint32_t>(i);
    case FieldType::Boolean:
        return row.scalar<uint8_t>(i);
    case FieldType::Double: {
        uint64_t bits;
        const double d = row.scalar<double>(i);
        std::memcpy(&bits, &d, 8);
        return (bits & kSign) ? ~bits : bits | kSign;
    }
    case FieldType::Timestamp: {
        const auto b = row.bytes(i);
        int32_t day;
        uint32_t t;
        std::memcpy(&day, b.data(), 4);
        std::memcpy(&t, b.data() + 4, 4);
        return (uint64_t(uint32_t(day) ^ 0x80000000u) << 32) | t;
    }
    case FieldType::Text:
    case FieldType::FixedText:
    case FieldType::Memo:
    case FieldType::Blob: {
        const auto b = row.bytes(i);
        uint64_t key = 0;
        const qsizetype n = std::min<qsizetype>(8, b.size());
        for (qsizetype k = 0; k < n; ++k)
            key |= uint64_t(uint8_t(b[k])) << (56 - 8 * k);
        return key;
    }
    }
    return 0;
}

} // namespace

void TableDataset::rebuildOrder()
{
    ordered_.clear();
    ordered_.reserve(store_.size());
    if (sortIndex_ < 0) {
        for (Rec &r : store_)
            if (r.status != RowStatus::Deleted && &r != pendingInsert())
                ordered_.push_back(&r);
        return;
    }
    // Sort on keys copied out of the rows: the comparisons stay in contiguous memory instead of
    // visiting two rows each time. Text keys keep all their bytes in one buffer.
    struct Key {
        uint64_t prefix;
        uint32_t offset, length;
        Rec *rec;
    };
    const int fi = sortIndex_;
    const FieldDef &f = fields_[size_t(fi)];
    const bool text = f.isText() || f.type == FieldType::Blob;
    std::vector<Key> keys;
    std::vector<char> bytes;
    keys.reserve(store_.size());
    for (Rec &r : store_) {
        if (r.status == RowStatus::Deleted || &r == pendingInsert())
            continue;
        if (r.current.isNull(fi)) {
            ordered_.push_back(&r); // NULL first, in load order
            continue;
        }
        Key k{sortPrefix(f, r.current, fi), 0, 0, &r};
        if (text) {
            const auto b = r.current.bytes(fi);
            k.offset = uint32_t(bytes.size());
            k.length = uint32_t(b.size());
            bytes.insert(bytes.end(), b.begin(), b.end());
        }
        keys.push_back(k);
    }
    const char *base = bytes.data();
    std::stable_sort(keys.begin(), keys.end(), [text, base](const Key &a, const Key &b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        if (!text)
            return false;
        const int c = std::memcmp(base + a.offset, base + b.offset, std::min(a.length, b.length));
        return c != 0 ? c < 0 : a.length < b.length;
    });
    for (const Key &k : keys)
        ordered_.push_back(k.rec);
}

void TableDataset::placeInOrder(Rec *rec)
{
    const auto it = std::find(ordered_.begin(), ordered_.end(), rec);
    if (sortIndex_ < 0) {
        if (it == ordered_.end())
            ordered_.push_back(rec); // a new row goes after the rows loaded before it
        return;
    }
    if (it != ordered_.end())
        ordered_.erase(it);
    ordered_.insert(std::upper_bound(ordered_.begin(), ordered_.end(), rec,
                                     [this](const Rec *a, const Rec *b) { return rowLess(a, b); }),
                    rec);
}

void TableDataset::refilter(Rec *keep)
{
    view_.clear();
    view_.reserve(ordered_.size());
    const bool useFilter = filtered_ && filterExpr_ && !filterExpr_->acceptsAll();
    // A detail shows the rows whose link field holds the master's current value: that value is
    // packed once, then compared byte for byte.
    int linkField = -1;
    QByteArray linkBytes;
    bool linkOk = true;
    if (master_) {
        linkField = fieldIndex(detailField_);
        linkOk = false;
        if (linkField >= 0 && master_->isActive() && (!master_->isEmpty() || master_->isEditing())) {
            const fb::Value m = master_->value(masterField_);
            if (!m.isNull()) {
                const FieldDef &lf = fields_[size_t(linkField)];
                linkBytes = PackedRow::fromValues({lf}, {m}).bytes(0).toByteArray();
                linkOk = true;
            }
        }
    }
    if (linkOk) {
        for (Rec *r : ordered_) {
            if (linkField >= 0 && (r->current.isNull(linkField) || r->current.bytes(linkField) != linkBytes))
                continue;
            if (useFilter && !filterExpr_->matches(r->current))
                continue;
            view_.push_back(r);
        }
    }
    computeAggregates();
    int pos = view_.empty() ? -1 : 0;
    if (keep) {
        const auto it = std::find(view_.begin(), view_.end(), keep);
        if (it != view_.end())
            pos = int(it - view_.begin());
        else if (cursor_ >= 0)
            pos = std::min(cursor_, int(view_.size()) - 1);
    }
    cursor_ = pos;
    bof_ = eof_ = view_.empty();
}

void TableDataset::rebuildView(Rec *keep)
{
    rebuildOrder();
    refilter(keep);
}

void TableDataset::masterMoved()
{
    if (!isActive() || isEditing())
        return;
    refilter();
    emit rowsChanged();
    emit currentChanged();
}

void TableDataset::compileFilter()
{
    filterExpr_ = std::make_unique<FilterExpression>(filterText_, fields_);
}

void TableDataset::setFilter(const QString &text)
{
    if (isActive() && filtered_) {
        checkBrowseMode();
        // Read the new text first: a text that cannot be read leaves the old filter in force.
        auto expr = std::make_unique<FilterExpression>(text, fields_);
        filterText_ = text;
        filterExpr_ = std::move(expr);
        refilter();
        emit rowsChanged();
        emit currentChanged();
        return;
    }
    filterText_ = text;
}

void TableDataset::setFiltered(bool on)
{
    if (on == filtered_)
        return;
    if (isActive()) {
        checkBrowseMode();
        if (on)
            compileFilter();
        filtered_ = on;
        refilter();
        emit rowsChanged();
        emit currentChanged();
        return;
    }
    filtered_ = on;
}

void TableDataset::setIndexFieldNames(const QString &field)
{
    if (isActive()) {
        const int idx = field.isEmpty() ? -1 : fieldIndex(field);
        if (!field.isEmpty() && idx < 0)
            throw DataError(QStringLiteral("%1: Campo '%2' não encontrado").arg(name_, field));
        checkBrowseMode();
        Rec *keep = currentRec();
        sortField_ = field;
        sortIndex_ = idx;
        rebuildView(keep);
        emit rowsChanged();
        emit currentChanged();
        return;
    }
    sortField_ = field;
}

void TableDataset::addAggregate(const QString &name, const QString &expression)
{
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*(sum|count)\s*\(\s*([A-Za-z_][A-Za-z0-9_$]*)\s*\)\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(expression);
    if (!m.hasMatch())
        throw DataError(QStringLiteral("%1: agregado inválido: %2").arg(name_, expression));
    Aggregate a;
    a.name = name;
    a.sum = m.captured(1).compare(QLatin1String("sum"), Qt::CaseInsensitive) == 0;
    a.column = m.captured(2);
    a.field = fieldIndex(a.column);
    aggregates_.push_back(a);
}

std::optional<fb::Value> TableDataset::aggregate(const QString &name) const
{
    const auto it = std::find_if(aggregates_.begin(), aggregates_.end(), [&](const Aggregate &a) {
        return a.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (it == aggregates_.end())
        throw DataError(QStringLiteral("%1: agregado '%2' não encontrado").arg(name_, name));
    if (!isActive() || view_.empty())
        return std::nullopt;
    if (it->field < 0)
        throw DataError(QStringLiteral("%1: Campo '%2' não encontrado").arg(name_, it->column));
    const FieldType t = fields_[size_t(it->field)].type;
    if (it->sum && t != FieldType::Integer && t != FieldType::Bigint && t != FieldType::Decimal &&
        t != FieldType::Double)
        throw DataError(QStringLiteral("%1: não é possível somar o campo %2").arg(name_, it->column));
    return it->value;
}

void TableDataset::computeAggregates()
{
    // Kept up to date whenever the visible rows change, while those rows are at hand.
    for (Aggregate &a : aggregates_) {
        a.value.reset();
        if (a.field < 0 || view_.empty())
            continue;
        const int fi = a.field;
        const FieldDef &f = fields_[size_t(fi)];
        if (!a.sum) {
            qint64 n = 0;
            for (const Rec *r : view_)
                n += r->current.isValid() && !r->current.isNull(fi) ? 1 : 0;
            a.value = fb::Value(n);
            continue;
        }
        switch (f.type) {
        case FieldType::Integer: {
            qint64 sum = 0;
            for (const Rec *r : view_)
                if (r->current.isValid() && !r->current.isNull(fi))
                    sum += r->current.scalar<int32_t>(fi);
            a.value = fb::Value(sum);
            break;
        }
        case FieldType::Bigint:
        case FieldType::Decimal: {
            qint64 sum = 0;
            for (const Rec *r : view_)
                if (r->current.isValid() && !r->current.isNull(fi))
                    sum += r->current.scalar<qint64>(fi);
            a.value = f.type == FieldType::Decimal ? fb::Value(fb::Decimal{sum, f.scale}) : fb::Value(sum);
            break;
        }
        case FieldType::Double: {
            double sum = 0;
            for (const Rec *r : view_)
                if (r->current.isValid() && !r->current.isNull(fi))
                    sum += r->current.scalar<double>(fi);
            a.value = fb::Value(sum);
            break;
        }
        default:
            break; // refused when asked for
        }
    }
}

fb::Value TableDataset::visibleValue(int row, int fieldIdx) const
{
    if (row < 0 || row >= int(view_.size()))
        return {};
    if (row == cursor_ && isEditing())
        return buffer_.at(fieldIdx);
    const Rec *r = view_[size_t(row)];
    return r->current.isValid() ? r->current.value(fields_, fieldIdx) : fb::Value();
}

size_t TableDataset::cacheBytes() const
{
    size_t n = store_.size() * sizeof(Rec) + (ordered_.capacity() + view_.capacity()) * sizeof(Rec *);
    if (arena_)
        n += arena_->bytes();
    for (const Rec &r : store_)
        for (const PackedRow *row : {&r.current, &r.original})
            if (row->isOwned())
                n += row->allocatedBytes();
    return n;
}

// ---------------------------------------------------------------------------------------------
// change log and apply

int TableDataset::changeCount() const
{
    int n = 0;
    for (const Rec &r : store_) {
        if (&r == editing_ && inserting_)
            continue;
        if (r.status == RowStatus::Deleted ? r.original.isValid() : r.status != RowStatus::Unchanged)
            ++n;
    }
    return n;
}

TableDataset::RowStatus TableDataset::rowStatus(int row) const
{
    if (row < 0 || row >= int(view_.size()))
        return RowStatus::Unchanged;
    return view_[size_t(row)]->status;
}

QString TableDataset::whereAll(QList<fb::Value> &params, const PackedRow &old) const
{
    QStringList terms;
    for (int i = 0; i < int(fields_.size()); ++i) {
        if (fields_[size_t(i)].isBlob())
            continue;
        if (old.isNull(i)) {
            terms << quotedName(fields_[size_t(i)].name) + QStringLiteral(" IS NULL");
        } else {
            terms << quotedName(fields_[size_t(i)].name) + QStringLiteral(" = ?");
            params << old.value(fields_, i);
        }
    }
    return terms.join(QStringLiteral(" AND "));
}

QString TableDataset::insertSql(QList<fb::Value> &params, const Rec &rec) const
{
    QStringList cols, marks;
    for (int i = 0; i < int(fields_.size()); ++i) {
        cols << quotedName(fields_[size_t(i)].name);
        marks << QStringLiteral("?");
        params << rec.current.value(fields_, i);
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(quotedName(table_), cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
}

QString TableDataset::updateSql(QList<fb::Value> &params, const Rec &rec) const
{
    QStringList sets;
    for (int i = 0; i < int(fields_.size()); ++i) {
        if (sameField(rec.current, rec.original, i))
            continue;
        sets << quotedName(fields_[size_t(i)].name) + QStringLiteral(" = ?");
        params << rec.current.value(fields_, i);
    }
    if (sets.isEmpty())
        return {};
    const QString where = whereAll(params, rec.original);
    return QStringLiteral("UPDATE %1 SET %2 WHERE %3")
        .arg(quotedName(table_), sets.join(QStringLiteral(", ")), where);
}

QString TableDataset::deleteSql(QList<fb::Value> &params, const Rec &rec) const
{
    return QStringLiteral("DELETE FROM %1 WHERE %2").arg(quotedName(table_), whereAll(params, rec.original));
}

ApplyResult TableDataset::applyUpdates(int maxErrors)
{
    if (master_)
        return master_->applyUpdates(maxErrors);
    requireActive();
    checkBrowseMode();
    for (TableDataset *d : details_)
        if (d->isActive())
            d->checkBrowseMode();
    if (!att_)
        throw DataError(QStringLiteral("%1: sem conexão com o banco de dados").arg(name_));

    struct Change {
        TableDataset *ds;
        Rec *rec;
    };
    std::vector<Change> changes;
    auto collect = [&](TableDataset *ds, bool deletes) {
        std::vector<Change> part;
        for (Rec &r : ds->store_) {
            const bool isDelete = r.status == RowStatus::Deleted;
            if (r.status == RowStatus::Unchanged || isDelete != deletes ||
                (isDelete && !r.original.isValid()))
                continue;
            part.push_back({ds, &r});
        }
        std::sort(part.begin(), part.end(),
                  [](const Change &a, const Change &b) { return a.rec->changeSeq < b.rec->changeSeq; });
        changes.insert(changes.end(), part.begin(), part.end());
    };
    // Parents before children on the way in, children before parents on the way out.
    collect(this, false);
    for (TableDataset *d : details_)
        if (d->isActive()) {
            collect(d, true);
            collect(d, false);
        }
    collect(this, true);

    ApplyResult result;
    if (changes.empty())
        return result;
    fb::Transaction tra(*att_, fb::TransactionOptions::readCommittedWrite(lockTimeout_));
    QHash<QString, std::shared_ptr<fb::Statement>> prepared;
    for (const Change &c : changes) {
        QList<fb::Value> params;
        QString sql;
        switch (c.rec->status) {
        case RowStatus::Inserted:
            sql = c.ds->insertSql(params, *c.rec);
            break;
        case RowStatus::Modified:
            sql = c.ds->updateSql(params, *c.rec);
            break;
        case RowStatus::Deleted:
            sql = c.ds->deleteSql(params, *c.rec);
            break;
        case RowStatus::Unchanged:
            break;
        }
        if (sql.isEmpty()) {
            ++result.applied;
            continue;
        }
        const QString &key = sql; // one prepared statement per distinct text
        QString reason;
        try {
            auto &stmt = prepared[key];
            if (!stmt)
                stmt = std::make_shared<fb::Statement>(tra, sql);
            const qint64 rows = stmt->execute(params);
            if (rows != 1)
                reason = rows == 0
                             ? QStringLiteral("Registro não encontrado: foi alterado ou excluído por outro "
                                              "usuário desde que foi lido")
                             : QStringLiteral("O comando alcançou %1 registros em vez de um").arg(rows);
        } catch (const fb::Error &e) {
            reason = e.isLockConflict()
                         ? QStringLiteral(
                               "O registro está bloqueado por outro usuário (tempo de espera esgotado). ") +
                               e.message()
                         : e.message();
        } catch (const fb::ConversionError &e) {
            reason = e.message();
        }
        if (reason.isEmpty()) {
            ++result.applied;
            continue;
        }
        ++result.refused;
        result.reasons << QStringLiteral("%1: %2").arg(c.ds->table_, reason);
        if (maxErrors >= 0 && result.refused > maxErrors)
            break;
    }
    prepared.clear();
    if (result.refused > 0) {
        // All or nothing: everything stays pending, the server is left as it was.
        tra.rollback();
        result.applied = 0;
        return result;
    }
    tra.commit();
    commitLog();
    for (TableDataset *d : details_)
        if (d->isActive())
            d->commitLog();
    return result;
}

void TableDataset::commitLog()
{
    Rec *cur = currentRec();
    const bool hadDeletes = std::any_of(store_.begin(), store_.end(),
                                        [](const Rec &r) { return r.status == RowStatus::Deleted; });
    for (Rec &r : store_) {
        if (&r == editing_)
            continue;
        if (r.status != RowStatus::Deleted) {
            r.status = RowStatus::Unchanged;
            r.original = PackedRow();
            r.changeSeq = 0;
        }
    }
    if (!hadDeletes)
        return;
    std::deque<Rec> kept;
    Rec *newCur = nullptr;
    for (Rec &r : store_) {
        if (r.status == RowStatus::Deleted)
            continue;
        kept.push_back(std::move(r));
        if (&r == cur)
            newCur = &kept.back();
    }
    store_ = std::move(kept);
    rebuildView(newCur);
    emit rowsChanged();
    emit currentChanged();
}

void TableDataset::cancelUpdates()
{
    requireActive();
    if (isEditing())
        cancel();
    std::deque<Rec> kept;
    for (Rec &r : store_) {
        if (r.status == RowStatus::Inserted || (r.status == RowStatus::Deleted && !r.original.isValid()))
            continue;
        if (r.original.isValid()) {
            r.current = std::move(r.original);
            r.original = PackedRow();
        }
        r.status = RowStatus::Unchanged;
        r.changeSeq = 0;
        kept.push_back(std::move(r));
    }
    store_ = std::move(kept);
    rebuildView();
    emit rowsChanged();
    emit currentChanged();
}

} // namespace data
