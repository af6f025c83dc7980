// Whatever the reader makes of any bytes, writing it and reading the result gives it back.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "core/rtf_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const DvRichText doc = DvRtfParse(std::span<const uint8_t>(data, size));
    // An old plain-text item may hold a NUL, which RTF cannot: the writer leaves it out.
    if (doc.text.find(u'\0') != std::u16string::npos) return 0;
    const std::string rtf = DvRtfWrite(doc);
    const DvRichText again = DvRtfParse(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(rtf.data()), rtf.size()));
    if (!(again == doc)) std::abort();
    return 0;
}
