#include "app/smart_box_model.h"

#include <memory>

#include "core/doc.h"
#include "core/folder.h"
#include "platform/locale_text.h"
#include "platform/ui.h"

namespace {

// First hit wins, so "todo task" is a task and "notes and contacts" a note.
struct TypeKeyword {
    std::u16string_view word;
    int type;
};
constexpr TypeKeyword kTypeKeywords[] = {
    {u"task", DV_ITEM_TASK},
    {u"todo", DV_ITEM_TODO},
    {u"note", DV_ITEM_NOTE},
    {u"contact", DV_ITEM_CONTACT},
};

int typeOfKeyword(std::u16string_view keyword) {
    for (const auto& k : kTypeKeywords)
        if (keyword.find(k.word) != std::u16string_view::npos) return k.type;
    return DV_ITEM_UNDEFINED;
}

bool isTypeButton(int type) { return type >= DV_ITEM_TASK && type <= DV_ITEM_CONTACT; }

const DvDateTimeSpan kDefaultLead = DvDateTimeSpan::FromParts(0, 0, 30);
const DvDateTimeSpan kTaskLength = DvDateTimeSpan::FromParts(0, 0, 15);

}  // namespace

CDvSmartBoxModel::CDvSmartBoxModel() { Reset(); }

void CDvSmartBoxModel::Reset() {
    text.clear();
    selectedType = DV_ITEM_TODO;
    folder = std::u16string(kDvRootPath);
    datePicker = DvDateTime::Now();
    timePicker = datePicker + kDefaultLead;
}

CDvSmartBoxModel::Entry CDvSmartBoxModel::splitEntry() const {
    const std::u16string_view entry = text;
    const size_t semicolon = entry.find(u';');
    if (semicolon == std::u16string_view::npos) return {{}, text};
    // The title is not trimmed: "task;" gives an empty title.
    return {dv::toLowerLocale(entry.substr(0, semicolon)), std::u16string(entry.substr(semicolon + 1))};
}

int CDvSmartBoxModel::typeFor(std::u16string_view keyword) const {
    const int type = typeOfKeyword(keyword);
    if (type != DV_ITEM_UNDEFINED) return type;
    return isTypeButton(selectedType) ? selectedType : DV_ITEM_UNDEFINED;
}

bool CDvSmartBoxModel::Parse(CDvItem& item) const {
    if (text.empty()) return false;
    item.NewGuid();
    item.created = item.modified = DvDateTime::Now();

    Entry entry = splitEntry();
    item.title = std::move(entry.title);
    const int type = typeFor(entry.keyword);
    if (type == DV_ITEM_UNDEFINED) return false;
    item.itemType = type;

    item.folders = {folder.empty() ? std::u16string(kDvRootPath) : folder};

    if (type == DV_ITEM_TASK) {
        item.taskStart = DvDateTime::Combine(datePicker, timePicker);
        item.taskEnd = item.taskStart + kTaskLength;
    }
    return true;
}

DvSmartBoxAdded CDvSmartBoxModel::Add(CDvDoc& doc) {
    auto item = std::make_unique<CDvItem>();
    if (!Parse(*item)) {
        dv::ui().Beep();
        return {};
    }
    DvSmartBoxAdded added;
    {
        auto lock = doc.Lock();
        item->index = static_cast<int>(doc.items.size());
        added.item = doc.items.emplace_back(std::move(item)).get();
    }
    added.refreshContents = true;
    Reset();
    return added;
}

// What Parse would give as the type, without making an item (and a GUID) five times a second.
int CDvSmartBoxModel::resolvedType() const {
    if (text.empty()) return DV_ITEM_UNDEFINED;
    return typeFor(splitEntry().keyword);
}

bool CDvSmartBoxModel::Tick() {
    const bool bringToFront = justShown_;
    justShown_ = false;
    if (const int type = resolvedType(); type != DV_ITEM_UNDEFINED) selectedType = type;
    return bringToFront;
}

bool CDvSmartBoxModel::PickersEnabled() const { return resolvedType() == DV_ITEM_TASK; }
