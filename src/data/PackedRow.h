#pragma once
// Field definitions of a cached table and the compact in-memory form of one row.
#include "fb/FbValue.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace fb {
struct Column;
class ResultSet;
} // namespace fb

namespace data {

enum class FieldType {
    Integer,
    Bigint,
    Decimal,
    Double,
    Boolean,
    Text,
    FixedText,
    Date,
    Time,
    Timestamp,
    Memo,
    Blob
};

struct FieldDef {
    QString name; // upper case, as the server names the column
    FieldType type = FieldType::Text;
    int size = 0;          // characters, for text
    int scale = 0;         // for decimals (negative)
    bool required = false; // NOT NULL on the server
    bool key = false;      // flagged as key in the cached dataset
    QString displayLabel;  // grid title; the name when empty
    QString editMask;

    bool isBlob() const { return type == FieldType::Memo || type == FieldType::Blob; }
    bool isText() const
    {
        return type == FieldType::Text || type == FieldType::FixedText || type == FieldType::Memo;
    }
    QString title() const { return displayLabel.isEmpty() ? name : displayLabel; }
    static FieldDef fromColumn(const fb::Column &c);
};

// Memory for the rows of one load: blocks filled one row after another and freed together, so
// rows read in load order sit next to each other.
class RowArena {
public:
    char *allocate(size_t bytes);
    size_t bytes() const { return reserved_; }

private:
    std::vector<std::unique_ptr<char[]>> blocks_;
    size_t used_ = 0, capacity_ = 0, reserved_ = 0;
};

// One row, packed into a single allocation: a null bitmap, the end offset of every field and the
// fields' bytes (text as UTF-8, numbers in native form). Reading a field is one index, no decoding.
class PackedRow {
public:
    PackedRow() = default;
    ~PackedRow()
    {
        if (owned_)
            delete[] data_;
    }
    PackedRow(PackedRow &&o) noexcept : data_(o.data_), owned_(o.owned_)
    {
        o.data_ = nullptr;
        o.owned_ = false;
    }
    PackedRow &operator=(PackedRow &&o) noexcept
    {
        if (this != &o) {
            if (owned_)
                delete[] data_;
            data_ = o.data_;
            owned_ = o.owned_;
            o.data_ = nullptr;
            o.owned_ = false;
        }
        return *this;
    }
    PackedRow(const PackedRow &) = delete;
    PackedRow &operator=(const PackedRow &) = delete;
    PackedRow clone() const;

    bool isValid() const { return data_ != nullptr; }
    // False for rows that live in the arena of their load.
    bool isOwned() const { return owned_; }
    bool isNull(int field) const
    {
        const auto *bits = reinterpret_cast<const uint8_t *>(data_) + kHeader;
        return bits[field >> 3] & (1u << (field & 7));
    }
    QByteArrayView bytes(int field) const
    {
        const uint32_t start = field == 0 ? 0 : end(field - 1);
        return QByteArrayView(payload() + start, qsizetype(end(field) - start));
    }
    template <class T> T scalar(int field) const
    {
        T v{};
        std::memcpy(&v, payload() + (field == 0 ? 0 : end(field - 1)), sizeof v);
        return v;
    }
    size_t allocatedBytes() const { return data_ ? size_t(header().total) : 0; }

    // Decoded value of one field.
    fb::Value value(const std::vector<FieldDef> &defs, int field) const;

    // Builds a row from decoded values (one per field definition).
    static PackedRow fromValues(const std::vector<FieldDef> &defs, const QList<fb::Value> &values);
    // Builds a row straight from the current message of a result set; blobs are read whole.
    static PackedRow fromResult(const std::vector<FieldDef> &defs, const fb::ResultSet &rs,
                                std::vector<char> &scratch, RowArena *arena = nullptr);

private:
    struct Header {
        uint32_t total;
        uint16_t fields;
        uint8_t wide; // 1: 32-bit offsets
        uint8_t pad;
    };
    static constexpr size_t kHeader = sizeof(Header);
    const Header &header() const { return *reinterpret_cast<const Header *>(data_); }
    size_t bitmapBytes() const { return (size_t(header().fields) + 7) / 8; }
    uint32_t end(int field) const
    {
        const char *offs = data_ + kHeader + bitmapBytes();
        if (header().wide) {
            uint32_t v;
            std::memcpy(&v, offs + size_t(field) * 4, 4);
            return v;
        }
        uint16_t v;
        std::memcpy(&v, offs + size_t(field) * 2, 2);
        return v;
    }
    const char *payload() const
    {
        return data_ + kHeader + bitmapBytes() + size_t(header().fields) * (header().wide ? 4 : 2);
    }
    static PackedRow build(const std::vector<FieldDef> &defs, const std::vector<char> &payload,
                           const std::vector<uint32_t> &ends, const std::vector<bool> &nulls,
                           RowArena *arena = nullptr);

    char *data_ = nullptr;
    bool owned_ = false;
};

// Encodes one value into the field's stored bytes; throws fb::ConversionError when it does not fit.
void encodeField(const FieldDef &def, const fb::Value &value, std::vector<char> &out);

} // namespace data
