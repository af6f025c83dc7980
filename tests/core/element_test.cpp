#include "core/element.h"

#include <gtest/gtest.h>

#include "core/archive.h"
#include "platform/text.h"
#include "support/hex.h"
#include "support/scoped_clock.h"

using dv::fromUtf8;
using dv::toUtf8;

namespace {

// The element is abstract in use (items and folders); a bare one is enough for its own rules.
class Element : public CDvElement {
public:
    Element() : CDvElement(DvElementKind::Folder) {}
    friend bool operator==(const Element& a, const Element& b) {
        return static_cast<const CDvElement&>(a) == static_cast<const CDvElement&>(b);
    }
};

}  // namespace

TEST(Element, StampsComeFromTheClockAndTouchRenewsModified) {
    dvtest::ScopedFakeClock clock({2024, 3, 5, 10, 20, 30});
    Element e;
    EXPECT_EQ(e.created, DvDateTime::FromFields(2024, 3, 5, 10, 20, 30));
    EXPECT_EQ(e.modified, e.created);
    clock.advanceSeconds(90);
    e.Touch();
    EXPECT_EQ(e.modified, DvDateTime::FromFields(2024, 3, 5, 10, 22, 0));
    EXPECT_EQ(e.created, DvDateTime::FromFields(2024, 3, 5, 10, 20, 30));
}

TEST(Element, NewGuidAndCaseInsensitiveLookup) {
    Element e;
    EXPECT_TRUE(e.guid.empty());
    EXPECT_FALSE(e.HasGuid(u""));  // an element without identity matches nothing
    e.NewGuid();
    ASSERT_TRUE(DvLooksLikeGuid(e.guid));
    const std::u16string third = e.guid.substr(15, 4), rest = e.guid.substr(0, 15) + e.guid.substr(19);
    EXPECT_EQ(third, dv::asciiLower(third));  // the third group is lower case, the rest upper
    EXPECT_EQ(rest.find_first_of(u"abcdef"), std::u16string::npos);
    EXPECT_TRUE(e.HasGuid(e.guid));
    EXPECT_TRUE(e.HasGuid(dv::asciiLower(e.guid)));
    EXPECT_FALSE(e.HasGuid(e.guid.substr(0, 37)));
    EXPECT_FALSE(e.HasGuid(u""));
    const std::u16string first = e.guid;
    e.NewGuid();
    EXPECT_NE(e.guid, first);
}

TEST(Element, WhatLooksLikeAGuid) {
    struct Case { std::u16string text; bool guid; };
    const Case cases[] = {
        {u"{6B29FC40-CA47-1067-B31D-00DD010662DA}", true},
        {u"{" + std::u16string(37, u'?'), true},  // only the length and the brace are checked
        {u"6B29FC40-CA47-1067-B31D-00DD010662DA}{", false},
        {u"{6B29FC40-CA47-1067-B31D-00DD010662D}", false},
        {u"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(DvLooksLikeGuid(c.text), c.guid) << toUtf8(c.text);
}

TEST(Element, KeywordsFromText) {
    struct Case { const char* text; std::vector<std::u16string> keywords; };
    const Case cases[] = {
        {" Work,,Home , ,urgent ", {u"work", u"home", u"", u"urgent"}},  // " " is not empty until trimmed
        {"", {}},
        {",,", {}},
        {"a, a", {u"a", u"a"}},           // duplicates stay
        {"\tTab", {u"\ttab"}},            // only spaces are trimmed
        {"ŻÓŁW,Ärger", {fromUtf8("żółw"), fromUtf8("ärger")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Element e;
        e.keywords = {u"old"};
        e.SetKeywordsFromText(fromUtf8(c.text));
        EXPECT_EQ(e.keywords, c.keywords);
    }
    Element e;
    e.SetKeywordsFromText(u" Work,,Home , ,urgent ");
    EXPECT_EQ(e.KeywordsText(), u"work,home,,urgent");
}

TEST(Element, ElementVariablesByName) {
    Element e;
    e.title = u"Plans";
    e.guid = u"{G}";
    e.created = {100.5, DvDateTimeStatus::Valid};
    e.modified = {200.25, DvDateTimeStatus::Valid};
    e.keywords = {u"a", u"b"};
    e.vars.Set(u"Company", CDvVar::FromString(u"Acme"));
    EXPECT_EQ(e.GetElementVar(u"dv_title").AsText(), u"Plans");
    EXPECT_EQ(e.GetElementVar(u"dv_guid").AsText(), u"{G}");
    EXPECT_EQ(e.GetElementVar(u"dv_created").AsDouble(), 100.5);
    EXPECT_EQ(e.GetElementVar(u"dv_modified").Type(), DV_VAR_DOUBLE);
    EXPECT_EQ(e.GetElementVar(u"dv_keywords").AsText(), u"a,b");
    EXPECT_EQ(e.GetElementVar(u"company").AsText(), u"Acme");
    EXPECT_EQ(e.GetElementVar(u"missing").Type(), DV_VAR_NONE);
}

TEST(Element, StoredOrder) {
    Element e;
    e.title = u"T";
    e.guid = u"G";
    e.keywords = {u"k"};
    e.created = {1.0, DvDateTimeStatus::Valid};
    e.modified = {2.0, DvDateTimeStatus::Null};
    e.vars.Set(u"v", CDvVar::FromBool(1));
    CDvArchive out;
    e.SerializeElement(out);
    EXPECT_EQ(dvtest::ToHex(out.Bytes()),
              "FF FE FF 01 54 00 "                          // title
              "FF FE FF 01 47 00 "                          // GUID
              "01 00 FF FE FF 01 6B 00 "                    // keywords
              "00 00 00 00 00 00 00 00 00 00 F0 3F "        // created
              "02 00 00 00 00 00 00 00 00 00 00 40 "        // modified
              "01 00 00 00 FF FE FF 01 76 00 02 00 00 00 00 01 00 00 00");  // variables

    Element back;
    CDvArchive in(out.Bytes());
    back.SerializeElement(in);
    EXPECT_EQ(back, e);
}
