// Feeds arbitrary bytes to the archive reader: a variable set or an item must either load or fail
// with an archive error, never crash, hang or allocate beyond what the input could describe. What
// loads must store and load again to the same thing. The same bytes, read as UTF-16, exercise the
// row table codec.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/archive.h"
#include "core/item.h"
#include "core/row_table.h"
#include "core/var.h"

namespace {

void touchEveryReading(const CDvVarSet& set) {
    (void)set.ListAll(true);
    for (int i = 0; i < set.Count(); ++i) {
        const CDvVar& v = *set.ValueAt(i);
        (void)v.AsDouble();
        (void)v.AsInt64();
        (void)v.AsBool();
        (void)v.Compare(*set.ValueAt(0));
        CDvVar converted = v;
        (void)converted.ConvertTo(DV_VAR_STRING);
    }
}

void loadSetAndStoreAgain(std::span<const uint8_t> bytes) {
    CDvVarSet set;
    try {
        CDvArchive in(bytes);
        set.Serialize(in);
    } catch (const CDvArchiveError&) {
        return;
    }
    touchEveryReading(set);
    CDvArchive out;
    set.Serialize(out);
    CDvVarSet again;
    CDvArchive reread(out.Bytes());
    again.Serialize(reread);
    if (!(again == set) || reread.Remaining() != 0) std::abort();
}

std::vector<uint8_t> storedItem(CDvItem& item) {
    CDvArchive out;
    item.Serialize(out);
    return out.TakeBytes();
}

// Dates may hold NaN, so the check compares stored bytes rather than values.
void loadItemAndStoreAgain(std::span<const uint8_t> bytes) {
    CDvItem item;
    try {
        CDvArchive in(bytes);
        item.Serialize(in);
    } catch (const CDvArchiveError&) {
        return;
    }
    (void)item.GetVar(u"dv_taskstart_time");
    (void)item.GetPlainText();
    const std::vector<uint8_t> first = storedItem(item);
    CDvItem again;
    CDvArchive reread(first);
    again.Serialize(reread);
    if (storedItem(again) != first) std::abort();
}

void rowTableRoundTrip(std::span<const uint8_t> bytes) {
    std::u16string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) text += static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
    const DvRowTable rows = DvRowTableFromText(text);
    if (DvRowTableFromText(DvRowTableToText(rows)) != rows) std::abort();
}

// The first byte of each step picks the primitive to read next.
void readPrimitives(std::span<const uint8_t> bytes) {
    CDvArchive in(bytes);
    try {
        while (in.Remaining() > 0) {
            switch (in.ReadByte() % 9) {
                case 0: in.ReadWord(); break;
                case 1: in.ReadUInt32(); break;
                case 2: in.ReadInt64(); break;
                case 3: in.ReadDouble(); break;
                case 4: in.ReadCount(); break;
                case 5: in.ReadString(); break;
                case 6: in.ReadDateTime(); break;
                case 7: in.ReadStringArray(); break;
                default: CDvVar().Serialize(in); break;
            }
        }
    } catch (const CDvArchiveError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    loadSetAndStoreAgain(bytes);
    loadItemAndStoreAgain(bytes);
    readPrimitives(bytes);
    rowTableRoundTrip(bytes);
    return 0;
}
