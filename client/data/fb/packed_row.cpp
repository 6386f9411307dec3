#include "packed_row.h"

#include <cstring>
#include <stdexcept>

namespace vexo::fb {

namespace {

enum Tag : std::uint8_t { Int = 1, Num, Dbl, Text, Day, Stamp, Bool };

// Header: 1 byte offset width (2 or 4), 2 bytes field count, then count + 1 offsets.
constexpr size_t kHeader = 3;

template <class T> void put(std::vector<std::uint8_t>& out, const T& v) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&v);
    out.insert(out.end(), p, p + sizeof v);
}

template <class T> T read(const std::uint8_t* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

void encode(std::vector<std::uint8_t>& out, const Value& value) {
    const Value::Storage& s = value.storage();
    if (auto p = std::get_if<std::int64_t>(&s)) {
        out.push_back(Int);
        put(out, *p);
    } else if (auto p = std::get_if<Numeric>(&s)) {
        out.push_back(Num);
        put(out, p->units);
        out.push_back(static_cast<std::uint8_t>(p->scale));
    } else if (auto p = std::get_if<double>(&s)) {
        out.push_back(Dbl);
        put(out, *p);
    } else if (auto p = std::get_if<std::string>(&s)) {
        out.push_back(Text);
        out.insert(out.end(), p->begin(), p->end());
    } else if (auto p = std::get_if<Date>(&s)) {
        out.push_back(Day);
        put(out, static_cast<std::int32_t>(p->year * 10000 + p->month * 100 + p->day));
    } else if (auto p = std::get_if<Timestamp>(&s)) {
        out.push_back(Stamp);
        put(out, static_cast<std::int32_t>(p->date.year * 10000 + p->date.month * 100 + p->date.day));
        put(out, static_cast<std::int32_t>(p->hour * 10000 + p->minute * 100 + p->second));
        put(out, static_cast<std::int32_t>(p->fraction));
    } else if (auto p = std::get_if<bool>(&s)) {
        out.push_back(Bool);
        out.push_back(*p ? 1 : 0);
    }
    // Null: nothing, the field's span stays empty.
}

Date dateOf(std::int32_t packed) { return Date{packed / 10000, packed / 100 % 100, packed % 100}; }

}  // namespace

PackedRow PackedRow::pack(const std::vector<Value>& values) {
    const size_t count = values.size();
    if (count > 0xFFFF) throw std::length_error("too many fields in a row");
    std::vector<std::uint8_t> body;
    std::vector<std::uint32_t> offsets;
    offsets.reserve(count + 1);
    for (const Value& v : values) {
        offsets.push_back(static_cast<std::uint32_t>(body.size()));
        encode(body, v);
    }
    offsets.push_back(static_cast<std::uint32_t>(body.size()));

    const std::uint8_t width = body.size() <= 0xFFFF ? 2 : 4;
    const size_t total = kHeader + (count + 1) * width + body.size();
    PackedRow row;
    row.data_ = std::make_unique<std::uint8_t[]>(total);
    row.size_ = static_cast<std::uint32_t>(total);
    std::uint8_t* p = row.data_.get();
    p[0] = width;
    const auto n = static_cast<std::uint16_t>(count);
    std::memcpy(p + 1, &n, 2);
    p += kHeader;
    for (std::uint32_t off : offsets) {
        if (width == 2) {
            const auto o = static_cast<std::uint16_t>(off);
            std::memcpy(p, &o, 2);
        } else {
            std::memcpy(p, &off, 4);
        }
        p += width;
    }
    if (!body.empty()) std::memcpy(p, body.data(), body.size());
    return row;
}

int PackedRow::fieldCount() const { return data_ ? read<std::uint16_t>(data_.get() + 1) : 0; }

namespace {

struct Span {
    const std::uint8_t* begin;
    size_t size;
};

Span spanOf(const std::uint8_t* data, int index) {
    const std::uint8_t width = data[0];
    const int count = read<std::uint16_t>(data + 1);
    if (index < 0 || index >= count) throw std::out_of_range("no field " + std::to_string(index));
    const std::uint8_t* offsets = data + kHeader;
    auto offsetAt = [&](int i) -> size_t {
        return width == 2 ? read<std::uint16_t>(offsets + i * 2) : read<std::uint32_t>(offsets + i * 4);
    };
    const std::uint8_t* body = offsets + static_cast<size_t>(count + 1) * width;
    const size_t a = offsetAt(index), b = offsetAt(index + 1);
    return Span{body + a, b - a};
}

}  // namespace

bool PackedRow::isNull(int index) const { return !data_ || spanOf(data_.get(), index).size == 0; }

Value PackedRow::get(int index) const {
    if (!data_) return Null{};
    const Span s = spanOf(data_.get(), index);
    if (s.size == 0) return Null{};
    const std::uint8_t* p = s.begin + 1;
    switch (s.begin[0]) {
        case Int: return read<std::int64_t>(p);
        case Num: return Numeric{read<std::int64_t>(p), p[8]};
        case Dbl: return read<double>(p);
        case Text: return std::string(reinterpret_cast<const char*>(p), s.size - 1);
        case Day: return dateOf(read<std::int32_t>(p));
        case Stamp: {
            const std::int32_t t = read<std::int32_t>(p + 4);
            return Timestamp{dateOf(read<std::int32_t>(p)), t / 10000, t / 100 % 100, t % 100,
                             read<std::int32_t>(p + 8)};
        }
        case Bool: return p[0] != 0;
        default: return Null{};
    }
}

std::vector<Value> PackedRow::unpack() const {
    std::vector<Value> out;
    const int n = fieldCount();
    out.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) out.push_back(get(i));
    return out;
}

PackedRow packCurrentRow(const Statement& statement) { return PackedRow::pack(statement.row()); }

}  // namespace vexo::fb
