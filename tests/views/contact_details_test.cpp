#include "views/contact_details.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "support/test_items.h"

TEST(ContactDetails, PartsWithContentOnly) {
    struct Field { const char16_t* name; const char16_t* value; };
    struct Case {
        const char* what;
        std::vector<Field> fields;
        const char* contents;
        const char16_t* text;
    };
    const Case cases[] = {
        {"nothing", {}, "", u""},
        {"personal reach in order",
         {{u"[Personal] Phone", u"12"}, {u"[Personal] E-mails", u"a@b.c"}, {u"[Personal] Tellvo", u"t"},
          {u"[Personal] Web", u"w.pl"}, {u"[Personal] Mobile phone", u"600"}},
         "",
         u"Personal: a@b.c, t, 600, 12, w.pl"},
        {"business without personal",
         {{u"[Business] Phone", u"34"}, {u"[Business] Fax", u"not shown"}},
         "",
         u"\r\nBusiness: 34"},
        {"company with either part",
         {{u"Company", u"Acme"}, {u"[Business] E-mails", u"x@acme.com"}},
         "",
         u"Personal: Acme\r\nBusiness: x@acme.com, Acme"},
        {"address and note",
         {{u"[Personal] City", u"Kraków"}, {u"[Personal] Street address", u"Long 1"}, {u"[Personal] Country", u"PL"},
          {u"[Business] City", u"not shown"}},
         "Call after 5",
         u"\r\nPersonal address: Long 1, Kraków, PL\r\nnote:Call after 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CDvDoc doc;
        CDvItem& contact = dvtest::addItem(doc, DV_ITEM_CONTACT, u"Anna");
        for (const Field& f : c.fields) contact.vars.SetText(f.name, f.value);
        dvtest::setContents(contact, c.contents);
        EXPECT_EQ(dv::toUtf8(DvContactDetailsText(contact)), dv::toUtf8(c.text));
    }
}
