#include "platform/large_buffer.h"

#include <sys/mman.h>

namespace dv {
namespace {

constexpr uintptr_t kHugePage = uintptr_t{2} << 20;

// Only whole huge pages inside the block can be advised; the advice is a hint, so a kernel
// without transparent huge pages simply ignores it.
void adviseHugePages(uint8_t* begin, size_t size) {
    const uintptr_t start = (reinterpret_cast<uintptr_t>(begin) + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(begin) + size) & ~(kHugePage - 1);
    if (end > start) ::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

}  // namespace

void reserveLargeBuffer(std::vector<uint8_t>& buffer, size_t capacity) {
    if (capacity <= buffer.capacity()) return;
    // Reserving first leaves the new pages untouched until they are filled.
    buffer.reserve(capacity);
    adviseHugePages(buffer.data(), capacity);
}

void resizeLargeBuffer(std::vector<uint8_t>& buffer, size_t size) {
    reserveLargeBuffer(buffer, size);
    buffer.resize(size);
}

}  // namespace dv
