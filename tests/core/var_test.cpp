#include "core/var.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "core/archive.h"
#include "platform/text.h"
#include "support/hex.h"

using dvtest::Hex;
using dvtest::ToHex;

namespace {

CDvVar ByteMemOf(std::vector<uint8_t> bytes) {
    CDvVar v;
    v.SetType(DV_VAR_BYTEMEM);
    v.ByteMem()->Assign(bytes);
    return v;
}

CDvVar ListOf(std::vector<CDvVar> values) {
    CDvVar v;
    v.SetType(DV_VAR_EVARS);
    v.VarList()->values = std::move(values);
    return v;
}

CDvVar WithType(uint8_t code) {
    CDvVar v;
    v.SetType(code);
    return v;
}

template <class T>
std::vector<uint8_t> Stored(T& value) {
    CDvArchive ar;
    value.Serialize(ar);
    return ar.TakeBytes();
}

template <class T>
T Loaded(const std::vector<uint8_t>& bytes) {
    T value;
    CDvArchive ar(bytes);
    value.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u);
    return value;
}

CDvArchiveError::Kind LoadFailure(const std::vector<uint8_t>& bytes, const std::function<void(CDvArchive&)>& load) {
    CDvArchive ar(bytes);
    try {
        load(ar);
    } catch (const CDvArchiveError& e) {
        return e.kind();
    }
    ADD_FAILURE() << "loaded without failure: " << ToHex(bytes);
    return CDvArchiveError::Kind::WrongDirection;
}

}  // namespace

TEST(Var, ReadingsUnderEveryType) {
    struct Case { const char* name; CDvVar value; double asDouble; int64_t asInt64; int32_t asBool; std::u16string asText; };
    const Case cases[] = {
        {"none", CDvVar(), 0, 0, 0, u""},
        {"double", CDvVar::FromDouble(3.75), 3.75, 3, 3, u"3.75"},
        {"negative double truncates toward zero", CDvVar::FromDouble(-2.5), -2.5, -2, -2, u"-2.5"},
        {"double in exponent form", CDvVar::FromDouble(1234567.0), 1234567.0, 1234567, 1234567, u"1.23457E+06"},
        {"double out of integer range", CDvVar::FromDouble(1e30), 1e30, std::numeric_limits<int64_t>::min(), 0, u"1E+30"},
        {"bool 5 is true", CDvVar::FromBool(5), 5, 5, 5, u"true"},
        {"bool 0", CDvVar::FromBool(0), 0, 0, 0, u"false"},
        {"int64 keeps its low half as bool", CDvVar::FromInt64((int64_t{1} << 40) + 7), 1099511627783.0,
         (int64_t{1} << 40) + 7, 7, u"1099511627783"},
        {"negative int64", CDvVar::FromInt64(-1), -1, -1, -1, u"-1"},
        {"string FALSE", CDvVar::FromString(u"FALSE"), 0, 0, 0, u"FALSE"},
        {"string true", CDvVar::FromString(u"true"), 0, 0, 1, u"true"},
        {"string 12", CDvVar::FromString(u"12"), 12, 12, 12, u"12"},
        {"empty string", CDvVar::FromString(u""), 0, 0, 0, u""},
        {"leading number", CDvVar::FromString(u"3.9x"), 3.9, 3, 3, u"3.9x"},
        {"string beyond 32 bits", CDvVar::FromString(u"4294967297"), 4294967297.0, 4294967297, 1, u"4294967297"},
        {"bytemem", ByteMemOf({1, 2}), 0, 0, 0, u"byte mem"},
        {"evars join their texts", ListOf({CDvVar::FromInt64(1), CDvVar::FromString(u"a"), CDvVar::FromDouble(2.5)}),
         0, 0, 0, u"1,a,2.5"},
        {"empty evars", WithType(DV_VAR_EVARS), 0, 0, 0, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(c.value.AsDouble(), c.asDouble);
        EXPECT_EQ(c.value.AsInt64(), c.asInt64);
        EXPECT_EQ(c.value.AsBool(), c.asBool);
        EXPECT_EQ(dv::toUtf8(c.value.AsText()), dv::toUtf8(c.asText));
    }
}

TEST(Var, ParseTextStoresUnderTheCurrentType) {
    struct Case { const char* name; CDvVar value; std::u16string text; bool keepNone; bool ok; uint8_t type; std::u16string after; };
    const Case cases[] = {
        {"Yes into bool", CDvVar::FromBool(0), u"Yes", true, true, DV_VAR_BOOL, u"true"},
        {"NO into bool", CDvVar::FromBool(1), u"NO", true, true, DV_VAR_BOOL, u"false"},
        {"0 into bool", CDvVar::FromBool(1), u"0", true, true, DV_VAR_BOOL, u"false"},
        {"maybe keeps the bool", CDvVar::FromBool(1), u"maybe", true, false, DV_VAR_BOOL, u"true"},
        {"2 is no truth value", CDvVar::FromBool(0), u"2", true, false, DV_VAR_BOOL, u"false"},
        {"none with the keep flag", CDvVar(), u"x", true, false, DV_VAR_NONE, u""},
        {"none without the keep flag", CDvVar(), u"x", false, false, DV_VAR_NONE, u""},
        {"double", CDvVar::FromDouble(1), u"3.5", true, true, DV_VAR_DOUBLE, u"3.5"},
        {"double from no number", CDvVar::FromDouble(1), u"abc", true, true, DV_VAR_DOUBLE, u"0"},
        {"int64 leading number", CDvVar::FromInt64(1), u"-12abc", true, true, DV_VAR_INT64, u"-12"},
        {"string", CDvVar::FromString(u"old"), u"new", true, true, DV_VAR_STRING, u"new"},
        {"evars refuse text", ListOf({CDvVar::FromInt64(1)}), u"2", false, false, DV_VAR_EVARS, u"1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CDvVar v = c.value;
        EXPECT_EQ(v.ParseText(c.text, c.keepNone), c.ok);
        EXPECT_EQ(v.Type(), c.type);
        EXPECT_EQ(dv::toUtf8(v.AsText()), dv::toUtf8(c.after));
    }
}

TEST(Var, ParseTextIntoByteMemKeepsTheTerminatingZero) {
    CDvVar v = WithType(DV_VAR_BYTEMEM);
    ASSERT_TRUE(v.ParseText(u"a\u0141", true));
    EXPECT_EQ(ToHex({v.ByteMem()->Bytes().begin(), v.ByteMem()->Bytes().end()}), "61 00 41 01 00 00");
}

TEST(Var, AttributeWordsFollowTheValueButNotANoneCopy) {
    CDvVar v = CDvVar::FromInt64(1);
    v.SetAttrA(7);
    v.SetAttrB(9);
    v.SetString(u"x");
    v.SetType(DV_VAR_EVARS);
    v.SetDouble(2);
    EXPECT_EQ(v.AttrA(), 7);
    EXPECT_EQ(v.AttrB(), 9);

    CDvVar copy;
    copy = v;
    EXPECT_EQ(copy.AttrA(), 7);
    EXPECT_EQ(copy.AttrB(), 9);

    CDvVar none;
    none.SetAttrA(3);
    copy = none;  // copying "none" clears the payload but leaves the destination's words
    EXPECT_EQ(copy.Type(), DV_VAR_NONE);
    EXPECT_EQ(copy.AttrA(), 7);
    EXPECT_EQ(copy.AttrB(), 9);
    EXPECT_EQ(CDvVar(none).AttrA(), 0);
}

TEST(Var, CopiesContainersDeeply) {
    CDvVar original = ListOf({ByteMemOf({1, 2, 3}), CDvVar::FromString(u"s")});
    CDvVar copy = original;
    copy.VarList()->values[0].ByteMem()->Data()[0] = 99;
    copy.VarList()->values[1].SetString(u"changed");
    EXPECT_EQ(original.VarList()->values[0].ByteMem()->Data()[0], 1);
    EXPECT_EQ(original.VarList()->values[1].AsText(), u"s");
    EXPECT_NE(copy, original);

    // Assigning a value from inside its own list must not read the list after releasing it.
    original = original.VarList()->values[0];
    EXPECT_EQ(original, ByteMemOf({1, 2, 3}));
}

TEST(Var, SetTypeCreatesEmptyContainersAndZeroes) {
    CDvVar v = CDvVar::FromInt64(5);
    v.SetType(DV_VAR_DOUBLE);
    EXPECT_EQ(v.AsDouble(), 0.0);
    v.SetType(DV_VAR_BYTEMEM);
    ASSERT_NE(v.ByteMem(), nullptr);
    EXPECT_EQ(v.ByteMem()->Size(), 0u);
    EXPECT_EQ(v.VarList(), nullptr);
    v.SetType(DV_VAR_EVARS);
    ASSERT_NE(v.VarList(), nullptr);
    EXPECT_TRUE(v.VarList()->values.empty());
    v.SetType(DV_VAR_STRING);
    EXPECT_EQ(v.StringPayload(), u"");
}

TEST(Var, ConvertTo) {
    struct Case { const char* name; CDvVar value; uint8_t target; bool ok; uint8_t type; std::u16string text; };
    const Case cases[] = {
        {"leading number to int64", CDvVar::FromString(u"42abc"), DV_VAR_INT64, true, DV_VAR_INT64, u"42"},
        {"double to string", CDvVar::FromDouble(2.5), DV_VAR_STRING, true, DV_VAR_STRING, u"2.5"},
        {"string to bool", CDvVar::FromString(u"TRUE"), DV_VAR_BOOL, true, DV_VAR_BOOL, u"true"},
        {"int64 to double", CDvVar::FromInt64(-3), DV_VAR_DOUBLE, true, DV_VAR_DOUBLE, u"-3"},
        {"none to int64", CDvVar(), DV_VAR_INT64, true, DV_VAR_INT64, u"0"},
        {"none to string", CDvVar(), DV_VAR_STRING, true, DV_VAR_STRING, u""},
        {"same type changes nothing", CDvVar::FromString(u"x"), DV_VAR_STRING, true, DV_VAR_STRING, u"x"},
        {"bytemem to string", ByteMemOf({1}), DV_VAR_STRING, false, DV_VAR_BYTEMEM, u"byte mem"},
        {"evars to double", ListOf({}), DV_VAR_DOUBLE, false, DV_VAR_EVARS, u""},
        {"to none", CDvVar::FromInt64(1), DV_VAR_NONE, false, DV_VAR_INT64, u"1"},
        {"to bytemem", CDvVar::FromString(u"x"), DV_VAR_BYTEMEM, false, DV_VAR_STRING, u"x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CDvVar v = c.value;
        EXPECT_EQ(v.ConvertTo(c.target), c.ok);
        EXPECT_EQ(v.Type(), c.type);
        EXPECT_EQ(dv::toUtf8(v.AsText()), dv::toUtf8(c.text));
    }
}

TEST(Var, Compare) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case { const char* name; CDvVar a; CDvVar b; int ascending; };
    const Case cases[] = {
        {"int64", CDvVar::FromInt64(1), CDvVar::FromInt64(2), -1},
        {"equal int64", CDvVar::FromInt64(2), CDvVar::FromInt64(2), 0},
        {"bool as signed numbers", CDvVar::FromBool(-1), CDvVar::FromBool(1), -1},
        {"double", CDvVar::FromDouble(2.5), CDvVar::FromDouble(-1), 1},
        {"NaN is unordered", CDvVar::FromDouble(nan), CDvVar::FromDouble(1), 1},
        {"text ignores case", CDvVar::FromString(u"apple"), CDvVar::FromString(u"Banana"), -1},
        {"text equal but for case", CDvVar::FromString(u"abc"), CDvVar::FromString(u"ABC"), 0},
        {"int64 against text compares as text", CDvVar::FromInt64(10), CDvVar::FromString(u"9"), -1},
        {"text against int64 compares as number", CDvVar::FromString(u"10"), CDvVar::FromInt64(9), 1},
        {"failed conversion is equal", ByteMemOf({1}), CDvVar::FromInt64(9), 0},
        {"none against none", CDvVar(), CDvVar(), -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.a.Compare(c.b, true), c.ascending);
        EXPECT_EQ(c.a.Compare(c.b, false), -c.ascending);
    }
}

TEST(Var, TypeNames) {
    const std::u16string names[] = {u"none", u"double", u"", u"int64", u"bytemem", u"evars", u"string"};
    for (uint8_t code = 0; code < 7; ++code) EXPECT_EQ(CDvVar::TypeName(code), names[code]) << int(code);
    EXPECT_EQ(CDvVar::TypeName(7), u"");
}

TEST(ByteMem, SizingGrowsAndShrinksWithHeadroom) {
    struct Step { uint32_t size; bool keep; uint32_t capacity; };
    const Step steps[] = {
        {10, false, 12},  // grow to floor(1.2 n)
        {12, false, 12},  // fits
        {13, false, 15},
        {12, false, 15},  // 12 is not below 0.8 x 15
        {11, false, 13},  // below 0.8 x capacity: shrink to floor(1.2 n)
        {1, true, 13},    // the keep flag holds the capacity
        {0, false, 0},    // a reallocation to nothing releases the buffer
    };
    CDvByteMem mem;
    for (const auto& s : steps) {
        SCOPED_TRACE(s.size);
        mem.SetKeepCapacity(s.keep);
        mem.SetSize(s.size);
        EXPECT_EQ(mem.Size(), s.size);
        EXPECT_EQ(mem.Capacity(), s.capacity);
    }
    EXPECT_EQ(mem.Data(), nullptr);
}

TEST(ByteMem, ResizingKeepsContentsAndAssigningReleasesFirst) {
    CDvByteMem mem;
    mem.Assign(Hex("01 02 03 04 05"));
    EXPECT_EQ(mem.Capacity(), 6u);
    mem.SetSize(20);
    EXPECT_EQ(mem.Data()[4], 5);
    mem.SetKeepCapacity(true);
    mem.Assign(Hex("AA"));  // capacity follows the new bytes even with the keep flag
    EXPECT_EQ(mem.Capacity(), 1u);
    EXPECT_EQ(mem.Data()[0], 0xAA);

    CDvByteMem copy = mem;
    EXPECT_TRUE(copy.KeepCapacity());
    EXPECT_EQ(copy, mem);
}

TEST(ByteMem, StoredBlockSetsTheKeepFlagOnReading) {
    CDvByteMem mem;
    mem.Assign(Hex("00 01 02 03 04 05 06 07 08 09"));
    EXPECT_EQ(ToHex(Stored(mem)), "0A 00 00 00 01 00 00 00 00 01 02 03 04 05 06 07 08 09");
    const auto back = Loaded<CDvByteMem>(Stored(mem));
    EXPECT_EQ(back.Size(), 10u);
    EXPECT_TRUE(back.KeepCapacity());
    EXPECT_EQ(back, mem);
    // The second number carries no meaning and is not checked.
    const auto odd = Loaded<CDvByteMem>(Hex("01 00 00 00 07 00 00 00 AB"));
    ASSERT_EQ(odd.Size(), 1u);
    EXPECT_EQ(odd.Data()[0], 0xAB);
}

TEST(Var, StoredFormsByType) {
    auto withWords = [](CDvVar v) {
        v.SetAttrA(1);
        v.SetAttrB(0x0302);
        return v;
    };
    struct Case { const char* name; CDvVar value; const char* bytes; };
    Case cases[] = {  // not copied: a copy of "none" would drop its attribute words
        {"none", CDvVar(), "00 00 00 00 00"},
        {"none keeps its words", withWords(CDvVar()), "00 01 00 02 03"},
        {"double", withWords(CDvVar::FromDouble(1.0)), "01 01 00 02 03 00 00 00 00 00 00 F0 3F"},
        {"bool", CDvVar::FromBool(5), "02 00 00 00 00 05 00 00 00"},
        {"int64", CDvVar::FromInt64(7), "03 00 00 00 00 07 00 00 00 00 00 00 00"},
        {"bytemem", ByteMemOf({0xAB}), "04 00 00 00 00 01 00 00 00 01 00 00 00 AB"},
        {"evars", ListOf({CDvVar(), CDvVar::FromBool(1)}), "05 00 00 00 00 02 00 00 00 00 00 00 00 00 02 00 00 00 00 01 00 00 00"},
        {"string", CDvVar::FromString(u"x"), "06 00 00 00 00 FF FE FF 01 78 00"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ToHex(Stored(c.value)), c.bytes);
        EXPECT_EQ(Loaded<CDvVar>(Hex(c.bytes)), c.value);
    }
}

TEST(Var, ReadingReplacesThePreviousValue) {
    CDvVar v = ListOf({CDvVar::FromInt64(1), CDvVar::FromInt64(2)});
    const auto bytes = Hex("05 00 00 00 00 01 00 00 00 00 00 00 00 00");
    CDvArchive in(bytes);
    v.Serialize(in);
    EXPECT_EQ(v, ListOf({CDvVar()}));
}

TEST(Var, NestedListsAreLimited) {
    auto nested = [](int depth) {
        CDvVar v;
        for (int i = 0; i < depth; ++i) v = ListOf({v});
        return v;
    };
    CDvVar deepest = nested(CDvVar::kMaxNesting);  // its innermost value sits at the limit
    const auto bytes = Stored(deepest);
    EXPECT_EQ(Loaded<CDvVar>(bytes), deepest);

    CDvVar tooDeep = ListOf({deepest});
    EXPECT_THROW(Stored(tooDeep), CDvArchiveError);
    // Hand-made: one more level of "a list holding one value" in front of the valid bytes.
    const auto hostile = dvtest::Concat(Hex("05 00 00 00 00 01 00 00 00"), bytes);
    EXPECT_EQ(LoadFailure(hostile, [](auto& ar) { CDvVar().Serialize(ar); }), CDvArchiveError::Kind::Damaged);
}

TEST(Var, HostileStoredValuesFailBeforeAllocating) {
    using Kind = CDvArchiveError::Kind;
    struct Case { const char* name; const char* bytes; Kind kind; };
    const Case cases[] = {
        {"unknown type code", "07 00 00 00 00", Kind::Damaged},
        {"bytemem larger than the data", "04 00 00 00 00 FF FF FF FF 01 00 00 00 AB", Kind::Damaged},
        {"bytemem without its second number", "04 00 00 00 00 00 00 00 00 01 00", Kind::Damaged},
        {"evars count larger than the data", "05 00 00 00 00 FF FF FF 7F 00 00 00 00 00", Kind::Damaged},
        {"int64 cut short", "03 00 00 00 00 07 00", Kind::Truncated},
        {"attribute word cut short", "01 00", Kind::Truncated},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LoadFailure(Hex(c.bytes), [](auto& ar) { CDvVar().Serialize(ar); }), c.kind);
    }
}

// ---- the named set

namespace {

CDvVarSet ContactFields() {
    CDvVarSet set;
    set.Set(u"First name", CDvVar::FromString(u"Ada"));
    set.Set(u"Age", CDvVar::FromDouble(36));
    set.Set(u"Vip", CDvVar::FromBool(1));
    return set;
}

}  // namespace

TEST(VarSet, NamesCompareIgnoringCase) {
    CDvVarSet set = ContactFields();
    EXPECT_EQ(set.Find(u"FIRST NAME"), 0);
    EXPECT_EQ(set.Find(dv::fromUtf8("first NAME")), 0);
    EXPECT_EQ(set.Find(u"First names"), -1);
    EXPECT_EQ(set.GetText(u"age"), u"36");
    EXPECT_EQ(set.GetText(u"missing"), u"");
    EXPECT_EQ(set.Get(u"missing"), nullptr);
}

TEST(VarSet, SetCopiesIntoTheFirstEntryUnlessForcedToAppend) {
    CDvVarSet set = ContactFields();
    set.Set(u"FIRST NAME", CDvVar::FromString(u"Grace"));
    EXPECT_EQ(set.Count(), 3);
    EXPECT_EQ(*set.NameAt(0), u"First name");  // the first spelling stays
    EXPECT_EQ(set.ValueAt(0)->AsText(), u"Grace");

    set.Set(u"first name", CDvVar::FromString(u"Second"), true);
    EXPECT_EQ(set.Count(), 4);
    EXPECT_EQ(set.Find(u"First name"), 0);
    EXPECT_EQ(set.Find(u"First name", 1), 3);
    EXPECT_EQ(set.GetText(u"First name"), u"Grace");
}

TEST(VarSet, SetTextKeepsTheTypeOfAnExistingVariable) {
    CDvVarSet set = ContactFields();
    EXPECT_TRUE(set.SetText(u"age", u"3.5"));
    EXPECT_EQ(set.Get(u"Age")->Type(), DV_VAR_DOUBLE);
    EXPECT_DOUBLE_EQ(set.Get(u"Age")->AsDouble(), 3.5);

    EXPECT_FALSE(set.SetText(u"Vip", u"maybe"));  // the parse fails, the value stays
    EXPECT_EQ(set.GetText(u"Vip"), u"true");

    EXPECT_TRUE(set.SetText(u"Company", u"Acme"));
    EXPECT_EQ(set.Get(u"Company")->Type(), DV_VAR_STRING);
    EXPECT_EQ(set.Count(), 4);
}

TEST(VarSet, RemoveKeepsNamesAndValuesAligned) {
    CDvVarSet set = ContactFields();
    EXPECT_EQ(set.Remove(u"AGE"), 1);
    EXPECT_EQ(set.Remove(u"Age"), 0);
    ASSERT_EQ(set.Count(), 2);
    EXPECT_EQ(*set.NameAt(1), u"Vip");
    EXPECT_EQ(set.ValueAt(1)->AsText(), u"true");
    EXPECT_EQ(set.NameAt(2), nullptr);
    EXPECT_EQ(set.ValueAt(-1), nullptr);
    set.Clear();
    EXPECT_EQ(set.Count(), 0);
}

TEST(VarSet, ListAll) {
    const CDvVarSet set = ContactFields();
    EXPECT_EQ(set.ListAll(false), u"First name\r\nAda\r\n\r\nAge\r\n36\r\n\r\nVip\r\ntrue\r\n\r\n");
    EXPECT_EQ(set.ListAll(true),
              u"name:First name\r\ntype:string\r\nval:Ada\r\n\r\n"
              u"name:Age\r\ntype:double\r\nval:36\r\n\r\n"
              u"name:Vip\r\ntype:\r\nval:true\r\n\r\n");
}

TEST(VarSet, StoredFormOfTwoEntries) {
    CDvVarSet set;
    set.Set(u"a", CDvVar::FromInt64(7));
    set.Set(u"b", CDvVar::FromString(u"x"));
    const auto bytes = Stored(set);
    EXPECT_EQ(ToHex(bytes),
              "02 00 00 00 "
              "FF FE FF 01 61 00 03 00 00 00 00 07 00 00 00 00 00 00 00 "
              "FF FE FF 01 62 00 06 00 00 00 00 FF FE FF 01 78 00");
    EXPECT_EQ(Loaded<CDvVarSet>(bytes), set);

    CDvVarSet reused = ContactFields();  // reading replaces everything that was there
    CDvArchive in(bytes);
    reused.Serialize(in);
    EXPECT_EQ(reused, set);
}

TEST(VarSet, EveryTruncationOfAStoredSetFails) {
    CDvVarSet set = ContactFields();
    set.Set(u"Photo", ByteMemOf({1, 2, 3}));
    set.Set(u"Tags", ListOf({CDvVar::FromString(u"a"), CDvVar::FromInt64(2)}));
    const auto bytes = Stored(set);
    for (size_t n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE(n);
        LoadFailure({bytes.begin(), bytes.begin() + static_cast<long>(n)}, [](auto& ar) { CDvVarSet().Serialize(ar); });
    }
}

TEST(VarSet, HugeEntryCountIsDamaged) {
    EXPECT_EQ(LoadFailure(Hex("FF FF FF FF 01 61 00 00 00 00 00"), [](auto& ar) { CDvVarSet().Serialize(ar); }),
              CDvArchiveError::Kind::Damaged);
}
