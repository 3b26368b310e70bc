#include "fb/Fb.h"

#include <firebird/Interface.h>
#include <ibase.h>

#include <QRegularExpression>
#include <cstring>

using namespace Firebird;

namespace fb {
namespace {

IMaster *master()
{
    static IMaster *m = fb_get_master_interface();
    return m;
}

// Calls the object API with a throwing status and turns its exception into fb::Error.
class Status {
public:
    Status() : raw_(master()->getStatus()), wrapper_(raw_) {}
    ~Status() { raw_->dispose(); }
    Status(const Status &) = delete;
    Status &operator=(const Status &) = delete;
    ThrowStatusWrapper *operator&() { return &wrapper_; }

private:
    IStatus *raw_;
    ThrowStatusWrapper wrapper_;
};

Error toError(const FbException &e)
{
    char buf[2048];
    master()->getUtilInterface()->formatStatus(buf, sizeof buf, e.getStatus());
    QList<qint64> codes;
    const ISC_STATUS *v = e.getStatus()->getErrors();
    for (const ISC_STATUS *p = v; *p != isc_arg_end;) {
        const ISC_STATUS kind = *p++;
        if (kind == isc_arg_gds)
            codes << qint64(*p++);
        else if (kind == isc_arg_cstring)
            p += 2;
        else
            ++p;
    }
    return Error(QString::fromUtf8(buf), codes, int(isc_sqlcode(v)));
}

template <class F> auto guarded(F &&f) -> decltype(f())
{
    try {
        return f();
    } catch (const FbException &e) {
        throw toError(e);
    }
}

constexpr int kUtf8 = 4, kUnicodeFss = 3, kOctets = 1;

ColumnType columnType(unsigned sqlType, int subType)
{
    switch (sqlType & ~1u) {
    case SQL_SHORT:
        return ColumnType::Smallint;
    case SQL_LONG:
        return ColumnType::Integer;
    case SQL_INT64:
        return ColumnType::Bigint;
    case SQL_FLOAT:
        return ColumnType::Float;
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return ColumnType::Double;
    case SQL_TEXT:
        return ColumnType::Char;
    case SQL_VARYING:
        return ColumnType::Varchar;
    case SQL_TYPE_DATE:
        return ColumnType::Date;
    case SQL_TYPE_TIME:
        return ColumnType::Time;
    case SQL_TIMESTAMP:
        return ColumnType::Timestamp;
    case SQL_BOOLEAN:
        return ColumnType::Boolean;
    case SQL_BLOB:
        return subType == 1 ? ColumnType::TextBlob : ColumnType::BinaryBlob;
    default:
        return ColumnType::Other;
    }
}

QList<Column> describe(IMessageMetadata *meta, std::vector<unsigned> &offsets, std::vector<unsigned> &nulls)
{
    Status st;
    QList<Column> cols;
    const unsigned n = meta->getCount(&st);
    offsets.resize(n);
    nulls.resize(n);
    for (unsigned i = 0; i < n; ++i) {
        Column c;
        c.name = QString::fromUtf8(meta->getAlias(&st, i));
        c.relation = QString::fromUtf8(meta->getRelation(&st, i));
        c.type = columnType(meta->getType(&st, i), meta->getSubType(&st, i));
        c.scale = meta->getScale(&st, i);
        c.length = meta->getLength(&st, i);
        c.nullable = meta->isNullable(&st, i);
        const unsigned cs = meta->getCharSet(&st, i);
        c.binary = cs == kOctets;
        c.bytesPerChar = cs == kUtf8 ? 4 : cs == kUnicodeFss ? 3 : 1;
        if (c.type == ColumnType::Char || c.type == ColumnType::Varchar)
            c.charLength = c.length / c.bytesPerChar;
        offsets[i] = meta->getOffset(&st, i);
        nulls[i] = meta->getNullOffset(&st, i);
        cols << c;
    }
    return cols;
}

constexpr qint64 kDateBase = 2400001; // Julian day of 17 Nov 1858, day 0 of ISC_DATE

ISC_DATE encodeDate(const QDate &d)
{
    return ISC_DATE(d.toJulianDay() - kDateBase);
}
QDate decodeDate(ISC_DATE d)
{
    return QDate::fromJulianDay(qint64(d) + kDateBase);
}

template <class T> T readAs(const unsigned char *p)
{
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
template <class T> void writeAs(unsigned char *p, T v)
{
    std::memcpy(p, &v, sizeof v);
}

QByteArray readBlobAt(IAttachment *att, ITransaction *tra, const ISC_QUAD &id)
{
    return guarded([&] {
        Status st;
        QByteArray out;
        ISC_QUAD quad = id;
        IBlob *blob = att->openBlob(&st, tra, &quad, 0, nullptr);
        char buf[32768];
        for (;;) {
            unsigned len = 0;
            const int r = blob->getSegment(&st, sizeof buf, buf, &len);
            if (r == IStatus::RESULT_NO_DATA)
                break;
            out.append(buf, int(len));
        }
        blob->close(&st);
        return out;
    });
}

ISC_QUAD writeBlob(IAttachment *att, ITransaction *tra, const QByteArray &data)
{
    return guarded([&] {
        Status st;
        ISC_QUAD quad;
        IBlob *blob = att->createBlob(&st, tra, &quad, 0, nullptr);
        for (qsizetype pos = 0; pos < data.size(); pos += 32768) {
            const auto n = std::min<qsizetype>(32768, data.size() - pos);
            blob->putSegment(&st, unsigned(n), data.constData() + pos);
        }
        blob->close(&st);
        return quad;
    });
}

// Reads one column of a message into a Value.
Value readValue(const Column &c, const unsigned char *data, IAttachment *att, ITransaction *tra)
{
    switch (c.type) {
    case ColumnType::Smallint:
        return c.scale < 0 ? Value(Decimal{readAs<qint16>(data), c.scale})
                           : Value(qint64(readAs<qint16>(data)));
    case ColumnType::Integer:
        return c.scale < 0 ? Value(Decimal{readAs<qint32>(data), c.scale})
                           : Value(qint64(readAs<qint32>(data)));
    case ColumnType::Bigint:
        return c.scale < 0 ? Value(Decimal{readAs<qint64>(data), c.scale}) : Value(readAs<qint64>(data));
    case ColumnType::Float:
        return Value(double(readAs<float>(data)));
    case ColumnType::Double:
        return Value(readAs<double>(data));
    case ColumnType::Varchar: {
        const auto len = readAs<quint16>(data);
        const char *bytes = reinterpret_cast<const char *>(data) + 2;
        return c.binary ? Value(QByteArray(bytes, len)) : Value(QString::fromUtf8(bytes, len));
    }
    case ColumnType::Char: {
        const char *bytes = reinterpret_cast<const char *>(data);
        if (c.binary)
            return Value(QByteArray(bytes, int(c.length)));
        // A multi-byte CHAR(n) arrives padded to its byte length: keep n characters, as stored.
        QString s = QString::fromUtf8(bytes, int(c.length));
        if (c.bytesPerChar > 1) {
            qsizetype chars = 0, i = 0;
            for (; i < s.size() && chars < qsizetype(c.charLength); ++chars)
                i += s.at(i).isHighSurrogate() ? 2 : 1;
            s.truncate(i);
        }
        return Value(s);
    }
    case ColumnType::Date:
        return Value(decodeDate(readAs<ISC_DATE>(data)));
    case ColumnType::Time:
        return Value(Time{readAs<ISC_TIME>(data)});
    case ColumnType::Timestamp: {
        const auto ts = readAs<ISC_TIMESTAMP>(data);
        return Value(Timestamp{decodeDate(ts.timestamp_date), Time{ts.timestamp_time}});
    }
    case ColumnType::Boolean:
        return Value(bool(*data));
    case ColumnType::TextBlob:
        return Value(QString::fromUtf8(readBlobAt(att, tra, readAs<ISC_QUAD>(data))));
    case ColumnType::BinaryBlob:
        return Value(readBlobAt(att, tra, readAs<ISC_QUAD>(data)));
    case ColumnType::Other:
        break;
    }
    throw Error(QStringLiteral("Tipo de coluna não suportado: %1").arg(c.name));
}

[[noreturn]] void badParam(const Column &c, int index, const Value &v, const char *why)
{
    throw ConversionError(QStringLiteral("Parâmetro %1 (%2): valor '%3' %4")
                              .arg(index + 1)
                              .arg(c.name, v.toString(), QString::fromUtf8(why)));
}

qint64 integerFor(const Column &c, int index, const Value &v)
{
    if (c.scale < 0) {
        Decimal d;
        if (v.holds<Decimal>())
            d = v.get<Decimal>().rescaled(c.scale);
        else if (v.holds<qint64>())
            d = Decimal{v.get<qint64>(), 0}.rescaled(c.scale);
        else if (v.holds<double>())
            d = Decimal::fromDouble(v.get<double>(), c.scale);
        else if (!Decimal::parse(v.toString(), c.scale, d))
            badParam(c, index, v, "não é um número");
        return d.units;
    }
    try {
        return v.toInt();
    } catch (const ConversionError &) {
        badParam(c, index, v, "não é um inteiro");
    }
}

void writeValue(const Column &c, int index, const Value &v, unsigned char *data, IAttachment *att,
                ITransaction *tra)
{
    switch (c.type) {
    case ColumnType::Smallint: {
        const qint64 x = integerFor(c, index, v);
        if (x < -32768 || x > 32767)
            badParam(c, index, v, "fora do intervalo");
        writeAs<qint16>(data, qint16(x));
        return;
    }
    case ColumnType::Integer: {
        const qint64 x = integerFor(c, index, v);
        if (x < INT32_MIN || x > INT32_MAX)
            badParam(c, index, v, "fora do intervalo");
        writeAs<qint32>(data, qint32(x));
        return;
    }
    case ColumnType::Bigint:
        writeAs<qint64>(data, integerFor(c, index, v));
        return;
    case ColumnType::Float:
        writeAs<float>(data, float(v.toDouble()));
        return;
    case ColumnType::Double:
        writeAs<double>(data, v.toDouble());
        return;
    case ColumnType::Varchar:
    case ColumnType::Char: {
        const QByteArray bytes = v.holds<QByteArray>() ? v.get<QByteArray>() : v.toString().toUtf8();
        const bool tooLong =
            unsigned(bytes.size()) > c.length ||
            (!c.binary && !v.holds<QByteArray>() && unsigned(v.toString().toUcs4().size()) > c.charLength);
        if (tooLong)
            badParam(c, index, v, "é maior que o tamanho da coluna");
        if (c.type == ColumnType::Varchar) {
            writeAs<quint16>(data, quint16(bytes.size()));
            std::memcpy(data + 2, bytes.constData(), size_t(bytes.size()));
        } else {
            std::memcpy(data, bytes.constData(), size_t(bytes.size()));
            std::memset(data + bytes.size(), ' ', c.length - unsigned(bytes.size()));
        }
        return;
    }
    case ColumnType::Date: {
        QDate d;
        try {
            d = v.toDate();
        } catch (const ConversionError &) {
            badParam(c, index, v, "não é uma data");
        }
        writeAs<ISC_DATE>(data, encodeDate(d));
        return;
    }
    case ColumnType::Time: {
        Time t;
        if (v.holds<Time>())
            t = v.get<Time>();
        else if (v.holds<Timestamp>())
            t = v.get<Timestamp>().time;
        else if (!Time::parse(v.toString(), t))
            badParam(c, index, v, "não é uma hora");
        writeAs<ISC_TIME>(data, t.fractions);
        return;
    }
    case ColumnType::Timestamp: {
        Timestamp ts;
        if (v.holds<Timestamp>())
            ts = v.get<Timestamp>();
        else if (v.holds<QDate>())
            ts = Timestamp{v.get<QDate>(), Time{}};
        else {
            const QString s = v.toString().trimmed();
            const auto sp = s.indexOf(QLatin1Char(' '));
            try {
                ts.date = Value(sp < 0 ? s : s.left(sp)).toDate();
            } catch (const ConversionError &) {
                badParam(c, index, v, "não é uma data e hora");
            }
            if (sp >= 0 && !Time::parse(s.mid(sp + 1), ts.time))
                badParam(c, index, v, "não é uma data e hora");
        }
        ISC_TIMESTAMP raw{encodeDate(ts.date), ts.time.fractions};
        writeAs(data, raw);
        return;
    }
    case ColumnType::Boolean:
        *data = v.toInt() ? 1 : 0;
        return;
    case ColumnType::TextBlob:
    case ColumnType::BinaryBlob: {
        const QByteArray bytes = v.holds<QByteArray>() ? v.get<QByteArray>() : v.toString().toUtf8();
        writeAs(data, writeBlob(att, tra, bytes));
        return;
    }
    case ColumnType::Other:
        break;
    }
    badParam(c, index, v, "tem um tipo não suportado");
}

QByteArray clientString(const QString &s)
{
    return s.toUtf8();
}

IXpbBuilder *dpbFor(const ConnectParams &p, bool creating)
{
    Status st;
    IXpbBuilder *dpb = master()->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
    // Empty settings are left out altogether, as if never given.
    if (!p.user.isEmpty())
        dpb->insertString(&st, isc_dpb_user_name, clientString(p.user).constData());
    if (!p.password.isEmpty())
        dpb->insertString(&st, isc_dpb_password, clientString(p.password).constData());
    if (!p.role.isEmpty())
        dpb->insertString(&st, isc_dpb_sql_role_name, clientString(p.role).constData());
    if (!p.charset.isEmpty())
        dpb->insertString(&st, isc_dpb_lc_ctype, clientString(p.charset).constData());
    dpb->insertInt(&st, isc_dpb_sql_dialect, 3);
    if (creating) {
        dpb->insertString(&st, isc_dpb_set_db_charset, "UTF8");
        dpb->insertInt(&st, isc_dpb_page_size, 8192);
    }
    return dpb;
}

} // namespace

Error::Error(const QString &message, QList<qint64> codes, int sqlCode)
    : std::runtime_error(message.toStdString()), message_(message), codes_(std::move(codes)),
      sqlCode_(sqlCode)
{
}

bool Error::isLockConflict() const
{
    return hasCode(isc_lock_conflict) || hasCode(isc_update_conflict) || hasCode(isc_lock_timeout) ||
           hasCode(isc_deadlock);
}

ConversionError::ConversionError(const QString &message)
    : std::runtime_error(message.toStdString()), message_(message)
{
}

QString ConnectParams::connectionString() const
{
    return host.isEmpty() ? database : host + QLatin1Char(':') + database;
}

TransactionOptions TransactionOptions::readCommittedReadOnly()
{
    TransactionOptions o;
    o.readOnly = true;
    return o;
}

TransactionOptions TransactionOptions::readCommittedWrite(int lockTimeoutSeconds)
{
    TransactionOptions o;
    o.wait = true;
    o.lockTimeoutSeconds = lockTimeoutSeconds;
    return o;
}

// ---------------------------------------------------------------------------------------------

Transaction::Transaction(Attachment &attachment, const TransactionOptions &o) : att_(attachment)
{
    guarded([&] {
        Status st;
        IXpbBuilder *tpb = master()->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0);
        switch (o.isolation) {
        case TransactionOptions::Isolation::ReadCommitted:
            tpb->insertTag(&st, isc_tpb_read_committed);
            tpb->insertTag(&st, isc_tpb_rec_version);
            break;
        case TransactionOptions::Isolation::Snapshot:
            tpb->insertTag(&st, isc_tpb_concurrency);
            break;
        case TransactionOptions::Isolation::Consistency:
            tpb->insertTag(&st, isc_tpb_consistency);
            break;
        }
        tpb->insertTag(&st, o.readOnly ? isc_tpb_read : isc_tpb_write);
        tpb->insertTag(&st, o.wait ? isc_tpb_wait : isc_tpb_nowait);
        if (o.wait && o.lockTimeoutSeconds > 0)
            tpb->insertInt(&st, isc_tpb_lock_timeout, o.lockTimeoutSeconds);
        try {
            tra_ = att_.handle()->startTransaction(&st, tpb->getBufferLength(&st), tpb->getBuffer(&st));
        } catch (...) {
            tpb->dispose();
            throw;
        }
        tpb->dispose();
    });
}

Transaction::~Transaction()
{
    if (!tra_)
        return;
    try {
        rollback();
    } catch (const Error &) {
        // The connection may be gone already; nothing more to undo.
        if (tra_)
            tra_->release();
        tra_ = nullptr;
    }
}

void Transaction::commit()
{
    if (!tra_)
        throw Error(QStringLiteral("A transação não está ativa"));
    guarded([&] {
        Status st;
        tra_->commit(&st); // releases the interface on success
        tra_ = nullptr;
    });
}

void Transaction::rollback()
{
    if (!tra_)
        return;
    guarded([&] {
        Status st;
        tra_->rollback(&st);
        tra_ = nullptr;
    });
}

// ---------------------------------------------------------------------------------------------

Statement::Statement(Transaction &tra, const QString &sql) : tra_(tra)
{
    if (!tra.isActive())
        throw Error(QStringLiteral("A transação não está ativa"));
    guarded([&] {
        Status st;
        stmt_ = tra.attachment().handle()->prepare(&st, tra.handle(), 0, sql.toUtf8().constData(), 3,
                                                   IStatement::PREPARE_PREFETCH_METADATA);
        statementType_ = stmt_->getType(&st);
        inMeta_ = stmt_->getInputMetadata(&st);
        outMeta_ = stmt_->getOutputMetadata(&st);
        inputs_ = describe(inMeta_, inOffsets_, inNullOffsets_);
        outputs_ = describe(outMeta_, outOffsets_, outNullOffsets_);
        inBuffer_.assign(inMeta_->getMessageLength(&st), 0);
        outBuffer_.assign(outMeta_->getMessageLength(&st), 0);
    });
}

Statement::~Statement()
{
    if (inMeta_)
        inMeta_->release();
    if (outMeta_)
        outMeta_->release();
    if (stmt_) {
        try {
            Status st;
            stmt_->free(&st);
        } catch (const FbException &) {
            stmt_->release();
        }
    }
}

bool Statement::isSelect() const
{
    return statementType_ == isc_info_sql_stmt_select;
}

void Statement::bindInputs(const QList<Value> &params)
{
    if (params.size() != inputs_.size())
        throw Error(QStringLiteral("O comando espera %1 parâmetro(s) e recebeu %2")
                        .arg(inputs_.size())
                        .arg(params.size()));
    std::fill(inBuffer_.begin(), inBuffer_.end(), 0);
    for (int i = 0; i < params.size(); ++i) {
        auto *nullFlag = reinterpret_cast<short *>(inBuffer_.data() + inNullOffsets_[size_t(i)]);
        if (params[i].isNull()) {
            *nullFlag = -1;
            continue;
        }
        *nullFlag = 0;
        writeValue(inputs_[i], i, params[i], inBuffer_.data() + inOffsets_[size_t(i)],
                   tra_.attachment().handle(), tra_.handle());
    }
}

qint64 Statement::execute(const QList<Value> &params)
{
    bindInputs(params);
    return guarded([&] {
        Status st;
        stmt_->execute(&st, tra_.handle(), inMeta_, inBuffer_.data(), outMeta_, outBuffer_.data());
        return qint64(stmt_->getAffectedRecords(&st));
    });
}

std::unique_ptr<ResultSet> Statement::openCursor(const QList<Value> &params)
{
    bindInputs(params);
    return guarded([&] {
        Status st;
        IResultSet *rs = stmt_->openCursor(&st, tra_.handle(), inMeta_, inBuffer_.data(), outMeta_, 0);
        return std::unique_ptr<ResultSet>(new ResultSet(*this, rs));
    });
}

Value Statement::value(int index) const
{
    if (*reinterpret_cast<const short *>(outBuffer_.data() + outNullOffsets_[size_t(index)]))
        return {};
    return readValue(outputs_[index], outBuffer_.data() + outOffsets_[size_t(index)],
                     tra_.attachment().handle(), tra_.handle());
}

int Statement::outputIndex(const QString &name) const
{
    for (int i = 0; i < outputs_.size(); ++i)
        if (outputs_[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// ---------------------------------------------------------------------------------------------

ResultSet::~ResultSet()
{
    try {
        close();
    } catch (const Error &) {
        if (rs_)
            rs_->release();
        rs_ = nullptr;
    }
}

bool ResultSet::next()
{
    if (!rs_)
        return false;
    return guarded([&] {
        Status st;
        return rs_->fetchNext(&st, stmt_.outBuffer_.data()) == IStatus::RESULT_OK;
    });
}

bool ResultSet::isNull(int i) const
{
    return *reinterpret_cast<const short *>(stmt_.outBuffer_.data() + stmt_.outNullOffsets_[size_t(i)]) != 0;
}

Value ResultSet::value(int i) const
{
    return stmt_.value(i);
}

QByteArray ResultSet::readBlob(int i) const
{
    if (isNull(i))
        return {};
    return readBlobAt(stmt_.tra_.attachment().handle(), stmt_.tra_.handle(), readAs<ISC_QUAD>(raw(i)));
}

void ResultSet::close()
{
    if (!rs_)
        return;
    guarded([&] {
        Status st;
        rs_->close(&st);
        rs_ = nullptr;
    });
}

// ---------------------------------------------------------------------------------------------

namespace {

IAttachment *openAttachment(const ConnectParams &params, bool creating)
{
    return guarded([&] {
        Status st;
        IXpbBuilder *dpb = dpbFor(params, creating);
        IProvider *prov = master()->getDispatcher();
        const QByteArray where = params.connectionString().toUtf8();
        IAttachment *att = nullptr;
        try {
            att = creating ? prov->createDatabase(&st, where.constData(), dpb->getBufferLength(&st),
                                                  dpb->getBuffer(&st))
                           : prov->attachDatabase(&st, where.constData(), dpb->getBufferLength(&st),
                                                  dpb->getBuffer(&st));
        } catch (...) {
            dpb->dispose();
            prov->release();
            throw;
        }
        dpb->dispose();
        prov->release();
        return att;
    });
}

} // namespace

std::unique_ptr<Attachment> Attachment::connect(const ConnectParams &params)
{
    return std::unique_ptr<Attachment>(new Attachment(openAttachment(params, false), params));
}

std::unique_ptr<Attachment> Attachment::create(const ConnectParams &params)
{
    return std::unique_ptr<Attachment>(new Attachment(openAttachment(params, true), params));
}

Attachment::~Attachment()
{
    if (!att_)
        return;
    try {
        Status st;
        att_->detach(&st);
    } catch (const FbException &) {
        att_->release();
    }
}

void Attachment::dropDatabase()
{
    guarded([&] {
        Status st;
        att_->dropDatabase(&st);
        att_ = nullptr;
    });
}

qint64 Attachment::executeOnce(const QString &sql, const QList<Value> &params)
{
    Transaction tra(*this, TransactionOptions{});
    qint64 n = 0;
    {
        Statement stmt(tra, sql);
        n = stmt.execute(params);
    }
    tra.commit();
    return n;
}

Value Attachment::executeProcedure(const QString &procedure, const QString &output)
{
    static const QRegularExpression ident(QStringLiteral("^[A-Za-z_][A-Za-z0-9_$]*$"));
    if (!ident.match(procedure).hasMatch())
        throw Error(QStringLiteral("Nome de procedimento inválido: %1").arg(procedure));
    Transaction tra(*this, TransactionOptions{});
    Value v;
    {
        Statement stmt(tra, QStringLiteral("EXECUTE PROCEDURE ") + procedure);
        stmt.execute();
        const int idx = stmt.outputIndex(output);
        if (idx < 0)
            throw Error(
                QStringLiteral("O procedimento %1 não tem o parâmetro de saída %2").arg(procedure, output));
        v = stmt.value(idx);
    }
    tra.commit();
    return v;
}

void Attachment::executeScript(const QString &script)
{
    static const QRegularExpression skip(
        QStringLiteral(
            R"(^(COMMIT|ROLLBACK|SET\s+(SQL\s+DIALECT|NAMES|AUTODDL|LIST|ECHO|BAIL|STATS|WARNINGS|HEADING|BLOB))\b)"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QString &sql : splitScript(script)) {
        if (skip.match(sql).hasMatch())
            continue;
        guarded([&] {
            Transaction tra(*this, TransactionOptions{});
            Status st;
            att_->execute(&st, tra.handle(), 0, sql.toUtf8().constData(), 3, nullptr, nullptr, nullptr,
                          nullptr);
            tra.commit();
        });
    }
}

QStringList splitScript(const QString &script)
{
    QStringList out;
    QString term = QStringLiteral(";");
    QString current;
    static const QRegularExpression setTerm(QStringLiteral(R"(^\s*SET\s+TERM\s+(\S+)\s*$)"),
                                            QRegularExpression::CaseInsensitiveOption);
    auto flush = [&] {
        const QString sql = current.trimmed();
        current.clear();
        if (sql.isEmpty())
            return;
        const auto m = setTerm.match(sql);
        if (m.hasMatch())
            term = m.captured(1);
        else
            out << sql;
    };
    for (qsizetype i = 0; i < script.size();) {
        const QChar c = script.at(i);
        if (c == QLatin1Char('-') && script.mid(i, 2) == QLatin1String("--")) {
            const auto end = script.indexOf(QLatin1Char('\n'), i);
            i = end < 0 ? script.size() : end;
        } else if (c == QLatin1Char('/') && script.mid(i, 2) == QLatin1String("/*")) {
            const auto end = script.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? script.size() : end + 2;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            auto end = script.indexOf(c, i + 1);
            end = end < 0 ? script.size() : end + 1;
            current += script.mid(i, end - i);
            i = end;
        } else if (script.mid(i, term.size()) == term) {
            i += term.size();
            flush();
        } else {
            current += c;
            ++i;
        }
    }
    flush();
    return out;
}

} // namespace fb
