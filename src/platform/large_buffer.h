#pragma once
// Buffers the size of a whole document (tens or hundreds of megabytes).
#include <cstddef>
#include <cstdint>
#include <vector>

namespace dv {

/// Resizes `buffer` to `size` zero bytes. Large new storage is backed by huge pages where the
/// kernel offers them: a fresh 100 MB buffer otherwise costs some 25000 page faults, which can
/// take longer than encrypting the bytes that fill it.
void resizeLargeBuffer(std::vector<uint8_t>& buffer, size_t size);

/// Reserves room for `capacity` bytes the same way, for a buffer that is then filled by appending.
void reserveLargeBuffer(std::vector<uint8_t>& buffer, size_t capacity);

}  // namespace dv
