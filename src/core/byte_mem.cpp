#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "core/archive.h"
#include "core/var.h"

namespace {

// Grows and shrinks leave a fifth of headroom, so a buffer edited a byte at a time does not
// reallocate on every change.
uint32_t withHeadroom(uint32_t n) {
    const uint64_t wanted = uint64_t{n} * 6 / 5;  // floor(1.2 n), exactly
    return static_cast<uint32_t>(std::min<uint64_t>(wanted, std::numeric_limits<uint32_t>::max()));
}

bool farBelowCapacity(uint32_t n, uint32_t capacity) { return uint64_t{n} * 5 < uint64_t{capacity} * 4; }

}  // namespace

CDvByteMem::CDvByteMem(const CDvByteMem& other) { *this = other; }

CDvByteMem& CDvByteMem::operator=(const CDvByteMem& other) {
    if (this == &other) return *this;
    Assign(other.Bytes());
    keepCapacity_ = other.keepCapacity_;
    return *this;
}

void CDvByteMem::SetSize(uint32_t n) {
    if (n > capacity_)
        reallocate(withHeadroom(n));
    else if (!keepCapacity_ && farBelowCapacity(n, capacity_))
        reallocate(withHeadroom(n));
    size_ = n;
}

void CDvByteMem::Assign(std::span<const uint8_t> bytes) {
    if (bytes.size() > std::numeric_limits<uint32_t>::max()) throw std::length_error("byte buffer over 4 GiB");
    // Copy first: `bytes` may point into this very buffer.
    std::unique_ptr<uint8_t[]> copy;
    const auto n = static_cast<uint32_t>(bytes.size());
    if (n) {
        copy = std::make_unique<uint8_t[]>(n);
        std::memcpy(copy.get(), bytes.data(), n);
    }
    data_.reset();
    capacity_ = 0;
    size_ = 0;
    SetSize(n);
    if (n) std::memcpy(data_.get(), copy.get(), n);
}

void CDvByteMem::reallocate(uint32_t capacity) {
    if (capacity == 0) {
        data_.reset();
    } else {
        auto bigger = std::make_unique<uint8_t[]>(capacity);
        const uint32_t kept = std::min(size_, capacity);
        if (kept) std::memcpy(bigger.get(), data_.get(), kept);
        data_ = std::move(bigger);
    }
    capacity_ = capacity;
}

void CDvByteMem::Serialize(CDvArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteUInt32(size_);
        ar.WriteUInt32(1);
        ar.WriteBytes(Bytes());
        return;
    }
    const uint32_t size = ar.ReadUInt32();
    ar.CheckCount(uint64_t{size} + 4, 1);  // the second number, then the bytes
    SetSize(size);
    keepCapacity_ = true;
    ar.ReadUInt32();  // always 1; carries no meaning
    ar.ReadBytes({data_.get(), size_});
}

// The keep-capacity flag is a sizing policy, not content: buffers with equal bytes are equal.
bool operator==(const CDvByteMem& a, const CDvByteMem& b) {
    const auto x = a.Bytes();
    const auto y = b.Bytes();
    return std::equal(x.begin(), x.end(), y.begin(), y.end());
}
