#pragma once
// Our thin layer over fbclient's object API: attachment, transaction, statement, result set.
#include "fb/FbValue.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <stdexcept>

namespace Firebird {
class IAttachment;
class ITransaction;
class IStatement;
class IResultSet;
class IMessageMetadata;
class IMaster;
class IStatus;
} // namespace Firebird

namespace fb {

// An error reported by the server or the client library, with the server's own message.
class Error : public std::runtime_error {
public:
    Error(const QString &message, QList<qint64> codes = {}, int sqlCode = 0);
    const QString &message() const { return message_; }
    const QList<qint64> &codes() const { return codes_; }
    int sqlCode() const { return sqlCode_; }
    bool hasCode(qint64 gdsCode) const { return codes_.contains(gdsCode); }
    // The row is locked by another transaction (waited and timed out, or no wait).
    bool isLockConflict() const;

private:
    QString message_;
    QList<qint64> codes_;
    int sqlCode_;
};

// A value that cannot be converted to what the caller asked for.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString &message);
    const QString &message() const { return message_; }

private:
    QString message_;
};

struct ConnectParams {
    QString host;     // empty: embedded access to the file
    QString database; // path of the database file on that host
    QString user;
    QString password;
    QString role = QStringLiteral("RoleName");
    QString charset = QStringLiteral("UTF8");
    // "host:path" as the client joins it; the path alone when the host is empty.
    QString connectionString() const;
};

struct TransactionOptions {
    enum class Isolation { ReadCommitted, Snapshot, Consistency };
    Isolation isolation = Isolation::ReadCommitted;
    bool readOnly = false;
    bool wait = true;
    int lockTimeoutSeconds = 0; // 0 with wait: wait for ever
    static TransactionOptions readCommittedReadOnly();
    // Writes wait on a locked row, but only for the given time.
    static TransactionOptions readCommittedWrite(int lockTimeoutSeconds);
};

enum class ColumnType {
    Smallint,
    Integer,
    Bigint,
    Float,
    Double,
    Char,
    Varchar,
    Date,
    Time,
    Timestamp,
    Boolean,
    TextBlob,
    BinaryBlob,
    Other
};

struct Column {
    QString name;     // alias as the statement returns it
    QString relation; // table, when the column comes from one
    ColumnType type = ColumnType::Other;
    int scale = 0;           // < 0 for NUMERIC/DECIMAL stored in an integer
    unsigned length = 0;     // in bytes, as the message holds it
    unsigned charLength = 0; // in characters, for CHAR and VARCHAR
    unsigned bytesPerChar = 1;
    bool binary = false; // OCTETS text: bytes, not characters
    bool nullable = true;
    bool isDecimal() const { return scale < 0; }
};

class Attachment;

class Transaction {
public:
    Transaction(Attachment &attachment, const TransactionOptions &options);
    ~Transaction(); // rolls back when neither commit nor rollback was called
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();
    void rollback();
    bool isActive() const { return tra_ != nullptr; }
    Firebird::ITransaction *handle() const { return tra_; }
    Attachment &attachment() const { return att_; }

private:
    Attachment &att_;
    Firebird::ITransaction *tra_ = nullptr;
};

class ResultSet;

// A prepared statement bound to one transaction's lifetime of use; parameters by position.
class Statement {
public:
    Statement(Transaction &tra, const QString &sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    const QList<Column> &inputs() const { return inputs_; }
    const QList<Column> &outputs() const { return outputs_; }
    // Runs a statement that returns no cursor; returns the rows it touched. Output values of an
    // EXECUTE PROCEDURE are read with value() afterwards.
    qint64 execute(const QList<Value> &params = {});
    std::unique_ptr<ResultSet> openCursor(const QList<Value> &params = {});
    Value value(int index) const;               // output of the last execute
    int outputIndex(const QString &name) const; // -1 when absent (case-insensitive)
    bool isSelect() const;

private:
    friend class ResultSet;
    void bindInputs(const QList<Value> &params);
    Transaction &tra_;
    Firebird::IStatement *stmt_ = nullptr;
    Firebird::IMessageMetadata *inMeta_ = nullptr;
    Firebird::IMessageMetadata *outMeta_ = nullptr;
    QList<Column> inputs_;
    QList<Column> outputs_;
    std::vector<unsigned> inOffsets_, inNullOffsets_, outOffsets_, outNullOffsets_;
    std::vector<unsigned char> inBuffer_;
    std::vector<unsigned char> outBuffer_;
    unsigned statementType_ = 0;
};

// Rows of a cursor. Values are read from the current message; blobs are read whole.
class ResultSet {
public:
    ~ResultSet();
    ResultSet(const ResultSet &) = delete;
    ResultSet &operator=(const ResultSet &) = delete;
    bool next();
    int columnCount() const { return int(stmt_.outputs_.size()); }
    const QList<Column> &columns() const { return stmt_.outputs_; }
    bool isNull(int i) const;
    Value value(int i) const;
    // Raw access for bulk loaders: the bytes of column i in the current message (not for blobs).
    // Text columns give their bytes as stored (CHAR padded), numbers their native bytes.
    const unsigned char *raw(int i) const { return stmt_.outBuffer_.data() + stmt_.outOffsets_[size_t(i)]; }
    QByteArray readBlob(int i) const;
    void close();

private:
    friend class Statement;
    ResultSet(Statement &stmt, Firebird::IResultSet *rs) : stmt_(stmt), rs_(rs) {}
    Statement &stmt_;
    Firebird::IResultSet *rs_ = nullptr;
};

class Attachment {
public:
    static std::unique_ptr<Attachment> connect(const ConnectParams &params);
    // Creates the database file (UTF8, dialect 3) and attaches to it.
    static std::unique_ptr<Attachment> create(const ConnectParams &params);
    ~Attachment();
    Attachment(const Attachment &) = delete;
    Attachment &operator=(const Attachment &) = delete;

    // Runs an isql-style script (SET TERM, comments, statements ending in the terminator); each
    // statement in its own committed transaction.
    void executeScript(const QString &script);
    // One statement in its own read-committed transaction, committed at once.
    qint64 executeOnce(const QString &sql, const QList<Value> &params = {});
    // Calls a procedure with no input and returns its named output (EXECUTE PROCEDURE).
    Value executeProcedure(const QString &procedure, const QString &output);

    void dropDatabase();
    Firebird::IAttachment *handle() const { return att_; }
    const ConnectParams &params() const { return params_; }

private:
    Attachment(Firebird::IAttachment *att, ConnectParams params) : att_(att), params_(std::move(params)) {}
    Firebird::IAttachment *att_ = nullptr;
    ConnectParams params_;
};

// Splits an isql script into statements, honouring SET TERM, comments and quoted text.
QStringList splitScript(const QString &script);

} // namespace fb
