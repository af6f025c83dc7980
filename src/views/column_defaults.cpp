#include "views/column_defaults.h"

#include <initializer_list>
#include <string_view>

#include "core/contact_fields.h"
#include "core/item.h"

namespace {

struct BuiltIn {
    std::u16string_view displayName;
    std::u16string_view name;  // empty: the display name is the variable name
    int width;
};

std::vector<DvColumn> make(std::initializer_list<BuiltIn> table) {
    std::vector<DvColumn> out;
    out.reserve(table.size());
    for (const BuiltIn& b : table) {
        DvColumn c;
        c.displayName = b.displayName;
        c.name = b.name.empty() ? b.displayName : b.name;
        c.width = b.width;
        c.source = kDvColumnBuiltIn;
        out.push_back(std::move(c));
    }
    return out;
}

void append(std::vector<DvColumn>& to, std::vector<DvColumn> more) {
    to.insert(to.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

// Type-specific available columns have no width of their own; they get the common default.
constexpr int kOfferedWidth = 100;
constexpr int kContactFieldWidth = 150;

}  // namespace

std::vector<DvColumn> DvColumnsDefaultVisible(int itemType) {
    switch (itemType) {
    case DV_ITEM_TASK:
        return make({{u"Completion %", u"dv_completion", 50},
                     {u"Priority %", u"dv_priority", 80},
                     {u"Title", u"dv_title", 400},
                     {u"Folders", u"dv_folders", 100},
                     {u"Task start", u"dv_taskstart", 150},
                     {u"Task end", u"dv_taskend", 150},
                     {u"Created", u"dv_created", 100},
                     {u"Modified", u"dv_modified", 100}});
    case DV_ITEM_TODO:
        return make({{u"Completion %", u"dv_completion", 50},
                     {u"Priority %", u"dv_priority", 20},
                     {u"Title", u"dv_title", 400},
                     {u"Folders", u"dv_folders", 100},
                     {u"Deadline", u"dv_taskend", 150},
                     {u"Created", u"dv_created", 100},
                     {u"Modified", u"dv_modified", 100}});
    case DV_ITEM_NOTE:
        return make({{u"Title", u"dv_title", 500},
                     {u"Folders", u"dv_folders", 100},
                     {u"Created", u"dv_created", 100},
                     {u"Modified", u"dv_modified", 100}});
    case DV_ITEM_CONTACT: {
        auto out = make({{u"Title", u"dv_title", 200}, {u"Folders", u"dv_folders", 100}});
        append(out, make({{u"Company", {}, kContactFieldWidth},
                          {u"[Personal] E-mails", {}, kContactFieldWidth},
                          {u"[Business] E-mails", {}, kContactFieldWidth},
                          {u"[Personal] Tellvo", {}, kContactFieldWidth},
                          {u"[Business] Tellvo", {}, kContactFieldWidth},
                          {u"[Personal] Phone", {}, kContactFieldWidth},
                          {u"[Business] Phone", {}, kContactFieldWidth},
                          {u"[Personal] Mobile phone", {}, kContactFieldWidth},
                          {u"[Business] Mobile phone", {}, kContactFieldWidth},
                          {u"[Personal] Fax", {}, kContactFieldWidth},
                          {u"[Business] Fax", {}, kContactFieldWidth},
                          {u"[Personal] Skype", {}, kContactFieldWidth},
                          {u"[Business] Skype", {}, kContactFieldWidth}}));
        append(out, make({{u"Created", u"dv_created", 100}, {u"Modified", u"dv_modified", 100}}));
        return out;
    }
    default:
        return {};
    }
}

std::vector<DvColumn> DvColumnsBuiltInAvailable(int itemType) {
    auto out = make({{u"Title", u"dv_title", 200},
                     {u"GUID", u"dv_guid", 100},
                     {u"Created", u"dv_created", 100},
                     {u"Modified", u"dv_modified", 100},
                     {u"Keywords", u"dv_keywords", 100},
                     {u"Item type", u"dv_item_type", 100},
                     {u"Folders", u"dv_folders", 100}});
    switch (itemType) {
    case DV_ITEM_TASK:
        append(out, make({{u"Task start", u"dv_taskstart", kOfferedWidth},
                          {u"Task end", u"dv_taskend", kOfferedWidth},
                          {u"Completion", u"dv_completion", kOfferedWidth},
                          {u"Priority", u"dv_priority", kOfferedWidth}}));
        break;
    case DV_ITEM_TODO:
        append(out, make({{u"Completion", u"dv_completion", kOfferedWidth},
                          {u"Priority", u"dv_priority", kOfferedWidth},
                          {u"Deadline", u"dv_taskend", kOfferedWidth}}));
        break;
    case DV_ITEM_CONTACT:
        for (const std::u16string& field : DvContactFieldNames()) {
            DvColumn c;
            c.name = c.displayName = field;
            c.width = kOfferedWidth;
            c.source = kDvColumnBuiltIn;
            out.push_back(std::move(c));
        }
        break;
    default:
        break;
    }
    return out;
}

std::vector<DvColumn> DvColumnsAnyItemList() {
    return make({{u"Item type", u"dv_item_type", 80},
                 {u"Title", u"dv_title", 400},
                 {u"Folders", u"dv_folders", 100},
                 {u"Created", u"dv_created", 100},
                 {u"Modified", u"dv_modified", 100},
                 {u"Keywords", u"dv_keywords", 100}});
}
