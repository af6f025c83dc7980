// Feeds arbitrary bytes to the archive reader: a variable set must either load or fail with an
// archive error, never crash, hang or allocate beyond what the input could describe. A set that
// loads must store and load again to an equal set.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/archive.h"
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
    readPrimitives(bytes);
    return 0;
}
