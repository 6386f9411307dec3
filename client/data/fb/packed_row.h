#pragma once

#include "statement.h"
#include "value.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vexo::fb {

// One fetched row in a compact form: whole tables are kept in memory (every
// dataset fetches all its rows), and most cells of a wide data row are empty.
// Layout: null bitmap, then (column count + 1) 32-bit offsets, then the bytes
// of the non-null fields (integers and numerics as int64, doubles, dates as
// day numbers, text as its bytes).
class PackedRow {
public:
    PackedRow() = default;
    static PackedRow pack(const std::vector<Value>& values);

    bool empty() const { return !data_; }
    int fieldCount() const;
    bool isNull(int index) const;
    Value get(int index) const;
    std::vector<Value> unpack() const;
    size_t byteSize() const { return size_; }

private:
    friend class RowPacker;
    std::unique_ptr<std::uint8_t[]> data_;
    std::uint32_t size_ = 0;
};

// Packs the current row of a statement straight from its fetch buffers.
PackedRow packCurrentRow(const Statement& statement);

}  // namespace vexo::fb
