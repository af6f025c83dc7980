#include "core/archive.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "platform/text.h"
#include "support/hex.h"

using dvtest::Hex;
using dvtest::ToHex;
using Kind = CDvArchiveError::Kind;

namespace {

std::vector<uint8_t> Written(const std::function<void(CDvArchive&)>& write) {
    CDvArchive ar;
    write(ar);
    return ar.TakeBytes();
}

// Runs `read` over `bytes` and returns the kind of the archive failure it raised.
Kind FailureOf(const std::vector<uint8_t>& bytes, const std::function<void(CDvArchive&)>& read) {
    CDvArchive ar(bytes);
    try {
        read(ar);
    } catch (const CDvArchiveError& e) {
        return e.kind();
    }
    ADD_FAILURE() << "no archive failure for " << ToHex(bytes);
    return Kind::WrongDirection;
}

std::u16string Units(size_t n) { return std::u16string(n, u'x'); }

}  // namespace

TEST(Archive, PrimitivesAreLittleEndianAndReadBack) {
    struct Case {
        const char* name;
        std::function<void(CDvArchive&)> write;
        const char* bytes;
        std::function<void(CDvArchive&)> readAndCheck;
    };
    const Case cases[] = {
        {"byte", [](auto& a) { a.WriteByte(0xAB); }, "AB", [](auto& a) { EXPECT_EQ(a.ReadByte(), 0xAB); }},
        {"word", [](auto& a) { a.WriteWord(0x1234); }, "34 12", [](auto& a) { EXPECT_EQ(a.ReadWord(), 0x1234); }},
        {"uint32", [](auto& a) { a.WriteUInt32(0x12345678); }, "78 56 34 12",
         [](auto& a) { EXPECT_EQ(a.ReadUInt32(), 0x12345678u); }},
        {"int32", [](auto& a) { a.WriteInt32(-2); }, "FE FF FF FF", [](auto& a) { EXPECT_EQ(a.ReadInt32(), -2); }},
        {"int64", [](auto& a) { a.WriteInt64(-2); }, "FE FF FF FF FF FF FF FF",
         [](auto& a) { EXPECT_EQ(a.ReadInt64(), -2); }},
        {"int64 low half first", [](auto& a) { a.WriteInt64(0x0102030405060708); }, "08 07 06 05 04 03 02 01",
         [](auto& a) { EXPECT_EQ(a.ReadInt64(), 0x0102030405060708); }},
        {"double", [](auto& a) { a.WriteDouble(1.5); }, "00 00 00 00 00 00 F8 3F",
         [](auto& a) { EXPECT_EQ(a.ReadDouble(), 1.5); }},
        {"small count", [](auto& a) { a.WriteCount(65534); }, "FE FF", [](auto& a) { EXPECT_EQ(a.ReadCount(), 65534u); }},
        {"count 65535 escapes", [](auto& a) { a.WriteCount(65535); }, "FF FF FF FF 00 00",
         [](auto& a) { EXPECT_EQ(a.ReadCount(), 65535u); }},
        {"large count", [](auto& a) { a.WriteCount(70000); }, "FF FF 70 11 01 00",
         [](auto& a) { EXPECT_EQ(a.ReadCount(), 70000u); }},
        {"empty string", [](auto& a) { a.WriteString(u""); }, "FF FE FF 00",
         [](auto& a) { EXPECT_EQ(a.ReadString(), u""); }},
        {"string", [](auto& a) { a.WriteString(u"a\u0141"); }, "FF FE FF 02 61 00 41 01",
         [](auto& a) { EXPECT_EQ(a.ReadString(), u"a\u0141"); }},
        {"date-time", [](auto& a) { a.WriteDateTime({1.5, DvDateTimeStatus::Null}); }, "02 00 00 00 00 00 00 00 00 00 F8 3F",
         [](auto& a) { EXPECT_EQ(a.ReadDateTime(), (DvDateTime{1.5, DvDateTimeStatus::Null})); }},
        {"string array", [](auto& a) { a.WriteStringArray({u"a", u""}); }, "02 00 FF FE FF 01 61 00 FF FE FF 00",
         [](auto& a) { EXPECT_EQ(a.ReadStringArray(), (std::vector<std::u16string>{u"a", u""})); }},
        {"raw bytes", [](auto& a) { a.WriteBytes(Hex("01 02 03")); }, "01 02 03",
         [](auto& a) {
             uint8_t got[3] = {};
             a.ReadBytes(got);
             EXPECT_EQ(got[2], 3);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto bytes = Written(c.write);
        EXPECT_EQ(ToHex(bytes), ToHex(Hex(c.bytes)));
        CDvArchive in(bytes);
        c.readAndCheck(in);
        EXPECT_EQ(in.Remaining(), 0u);
    }
}

// The length prefix changes form at 255 and 65534 units; 0xFFFE itself would read as the marker.
TEST(Archive, StringLengthPrefixForms) {
    struct Case { size_t units; const char* prefix; };
    const Case cases[] = {
        {254, "FF FE FF FE"},
        {255, "FF FE FF FF FF 00"},
        {300, "FF FE FF FF 2C 01"},
        {65533, "FF FE FF FF FD FF"},
        {65534, "FF FE FF FF FF FF FE FF 00 00"},
        {70000, "FF FE FF FF FF FF 70 11 01 00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.units);
        const auto bytes = Written([&](auto& a) { a.WriteString(Units(c.units)); });
        const auto prefix = Hex(c.prefix);
        ASSERT_EQ(bytes.size(), prefix.size() + 2 * c.units);
        EXPECT_EQ(ToHex({bytes.begin(), bytes.begin() + static_cast<long>(prefix.size())}), ToHex(prefix));
        EXPECT_EQ(bytes[prefix.size()], 'x');
        EXPECT_EQ(bytes[prefix.size() + 1], 0);
        CDvArchive in(bytes);
        EXPECT_EQ(in.ReadString(), Units(c.units));
    }
}

// Forms this program never writes but must accept from older files.
TEST(Archive, ReadsSingleByteAndLongFormStrings) {
    struct Case { const char* name; const char* bytes; std::u16string text; };
    const Case cases[] = {
        {"single-byte, byte length", "03 41 42 43", u"ABC"},
        {"single-byte, word length", "FF 02 00 41 42", u"AB"},
        {"single-byte, 32-bit length", "FF FF FF 02 00 00 00 41 42", u"AB"},
        {"UTF-16, 32-bit length", "FF FE FF FF FF FF 01 00 00 00 61 00", u"a"},
        {"UTF-16, word length after the marker", "FF FE FF FF 01 00 61 00", u"a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto bytes = Hex(c.bytes);
        CDvArchive in(bytes);
        EXPECT_EQ(in.ReadString(), c.text);
        EXPECT_EQ(in.Remaining(), 0u);
    }
}

TEST(Archive, SingleByteStringsGoThroughTheCodePage) {
    if (std::getenv("DAYVAULT_CODEPAGE")) GTEST_SKIP() << "code page overridden";
    const auto bytes = Hex("02 A3 F3");  // "Łó" in windows-1250
    CDvArchive in(bytes);
    EXPECT_EQ(in.ReadString(), dv::fromUtf8("Łó"));
}

TEST(Archive, WrongDirectionIsAnArchiveFailure) {
    CDvArchive writing;
    EXPECT_EQ(FailureOf({}, [&](auto&) { writing.ReadByte(); }), Kind::WrongDirection);
    EXPECT_EQ(FailureOf({}, [](auto& a) { a.WriteByte(1); }), Kind::WrongDirection);
    EXPECT_EQ(FailureOf({}, [](auto& a) { a.WriteString(u"x"); }), Kind::WrongDirection);
}

TEST(Archive, ShortOrHostileInputFailsBeforeAllocating) {
    struct Case { const char* name; const char* bytes; std::function<void(CDvArchive&)> read; Kind kind; };
    const Case cases[] = {
        {"word from one byte", "01", [](auto& a) { a.ReadWord(); }, Kind::Truncated},
        {"double from seven bytes", "00 00 00 00 00 00 00", [](auto& a) { a.ReadDouble(); }, Kind::Truncated},
        {"escaped count without its value", "FF FF 01", [](auto& a) { a.ReadCount(); }, Kind::Truncated},
        {"string without its marker word", "FF FE", [](auto& a) { a.ReadString(); }, Kind::Truncated},
        {"string ends before its length", "FF FE FF 03 61 00 62 00", [](auto& a) { a.ReadString(); }, Kind::Damaged},
        {"4-gigaunit string", "FF FE FF FF FF FF FF FF FF FF 61 00", [](auto& a) { a.ReadString(); }, Kind::Damaged},
        {"4-gigabyte single-byte string", "FF FF FF FF FF FF FF 41", [](auto& a) { a.ReadString(); }, Kind::Damaged},
        {"huge string array", "FF FF FF FF FF 7F 00", [](auto& a) { a.ReadStringArray(); }, Kind::Damaged},
        {"string array short of strings", "03 00 00 00", [](auto& a) { a.ReadStringArray(); }, Kind::Damaged},
        {"date-time without its day count", "00 00 00 00 00", [](auto& a) { a.ReadDateTime(); }, Kind::Truncated},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FailureOf(Hex(c.bytes), c.read), c.kind);
    }
}

TEST(Archive, CheckCountMeasuresAgainstTheRemainingBytes) {
    const auto bytes = Hex("00 01 02 03 04 05 06");
    CDvArchive in(bytes);
    in.ReadByte();  // six bytes remain
    EXPECT_NO_THROW(in.CheckCount(3, 2));
    EXPECT_NO_THROW(in.CheckCount(6, 1));
    EXPECT_THROW(in.CheckCount(4, 2), CDvArchiveError);
    EXPECT_THROW(in.CheckCount(uint64_t{1} << 62, 8), CDvArchiveError);  // no wrap-around in the product
}
