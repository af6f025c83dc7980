// Any bytes: no crash, no hang, and the result keeps the shape a writer relies on.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/rtf_reader.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

void checkShape(const DvRichText& doc) {
    std::size_t at = 0;
    for (const DvTextRun& run : doc.runs) {
        check(run.start == at && run.length > 0);
        at += run.length;
    }
    check(at == doc.text.size());
    check(!doc.paragraphs.empty());
    std::size_t next = 0;
    for (const DvParagraph& p : doc.paragraphs) {
        check(p.start == next && p.start + p.length <= doc.text.size());
        next = p.start + p.length + 2;
    }
    check(next - 2 == doc.text.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::span<const uint8_t> input(data, size);
    checkShape(DvRtfParse(input));
    return 0;
}
