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

// One row, packed into a single allocation: a null bitmap, the end offset of every field and the
// fields' bytes (text as UTF-8, numbers in native form). Reading a field is one index, no decoding.
class PackedRow {
public:
    PackedRow() = default;
    PackedRow(PackedRow &&) noexcept = default;
    PackedRow &operator=(PackedRow &&) noexcept = default;
    PackedRow clone() const;

    bool isValid() const { return bool(data_); }
    bool isNull(int field) const
    {
        const auto *bits = reinterpret_cast<const uint8_t *>(data_.get()) + kHeader;
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
                                std::vector<char> &scratch);

private:
    struct Header {
        uint32_t total;
        uint16_t fields;
        uint8_t wide; // 1: 32-bit offsets
        uint8_t pad;
    };
    static constexpr size_t kHeader = sizeof(Header);
    const Header &header() const { return *reinterpret_cast<const Header *>(data_.get()); }
    size_t bitmapBytes() const { return (size_t(header().fields) + 7) / 8; }
    uint32_t end(int field) const
    {
        const char *offs = data_.get() + kHeader + bitmapBytes();
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
        return data_.get() + kHeader + bitmapBytes() + size_t(header().fields) * (header().wide ? 4 : 2);
    }
    static PackedRow build(const std::vector<FieldDef> &defs, const std::vector<char> &payload,
                           const std::vector<uint32_t> &ends, const std::vector<bool> &nulls);

    std::unique_ptr<char[]> data_;
};

// Encodes one value into the field's stored bytes; throws fb::ConversionError when it does not fit.
void encodeField(const FieldDef &def, const fb::Value &value, std::vector<char> &out);

} // namespace data
