#include "core/item.h"

#include <algorithm>
#include <type_traits>

#include "core/archive.h"
#include "core/rtf_reader.h"
#include "platform/text.h"

// The document's item array grows by moving its items, never by copying them.
static_assert(std::is_nothrow_move_constructible_v<CDvItem>);

namespace {

constexpr std::u16string_view kRelationsVar = u"dv_relations";

// Today's date at the time of day of `when` (midnight when `when` is not a valid date-time):
// lets a column show when a task starts without the day it starts on.
CDvVar timeOfDayToday(const DvDateTime& when) {
    dv::CivilTime today;
    DvDateTime::Now().ToCivil(today);
    dv::CivilTime at;
    if (!when.ToCivil(at)) at = {};
    return CDvVar::FromDouble(
        DvDateTime::FromFields(today.year, today.month, today.day, at.hour, at.minute, at.second).value);
}

struct FixedItemName {
    std::u16string_view name;
    CDvVar (*read)(const CDvItem&);
};

const FixedItemName kFixedItemNames[] = {
    {u"dv_contents_plain_text", [](const CDvItem& i) { return CDvVar::FromString(i.GetPlainText()); }},
    {u"dv_folders", [](const CDvItem& i) { return CDvVar::FromString(dv::join(i.folders, u";")); }},
    {u"dv_item_type", [](const CDvItem& i) { return CDvVar::FromString(DvItemTypeName(i.itemType)); }},
    {u"dv_priority", [](const CDvItem& i) { return CDvVar::FromInt64(i.priority); }},
    {u"dv_completion", [](const CDvItem& i) { return CDvVar::FromInt64(i.completion); }},
    {u"dv_taskstart", [](const CDvItem& i) { return CDvVar::FromDouble(i.taskStart.value); }},
    {u"dv_taskend", [](const CDvItem& i) { return CDvVar::FromDouble(i.taskEnd.value); }},
    {u"dv_taskstart_time", [](const CDvItem& i) { return timeOfDayToday(i.taskStart); }},
    {u"dv_taskend_time", [](const CDvItem& i) { return timeOfDayToday(i.taskEnd); }},
};

}  // namespace

std::u16string DvItemTypeName(int type) {
    static constexpr std::u16string_view kNames[] = {u"Undefined", u"Task", u"ToDo", u"Note", u"Contact"};
    return type >= 0 && type < static_cast<int>(std::size(kNames)) ? std::u16string(kNames[type]) : std::u16string();
}

CDvItem::CDvItem() : CDvElement(DvElementKind::Item) {}

CDvItem::CDvItem(const CDvItem& other) : CDvElement(other) { copiedFields() = other.copiedFields(); }

CDvItem& CDvItem::operator=(const CDvItem& other) {
    if (this == &other) return *this;
    CDvElement::operator=(other);
    copiedFields() = other.copiedFields();
    InvalidatePlainText();
    return *this;
}

bool operator==(const CDvItem& a, const CDvItem& b) {
    return static_cast<const CDvElement&>(a) == static_cast<const CDvElement&>(b) &&
           a.copiedFields() == b.copiedFields();
}

// ---- completion and priority

void CDvItem::SetCompletion(unsigned percent) {
    if (percent > 100) return;
    completion = static_cast<uint8_t>(percent);
    Touch();
}

void CDvItem::SetPriority(unsigned percent) {
    flags &= ~DV_ITEM_FLAG_PRIORITY_BITS;
    priority = static_cast<uint8_t>(std::min(percent, 100u));
    Touch();
}

void CDvItem::SetPriorityLevel(int level) {
    if (level < -1 || level > 1) return;
    SetPriority(static_cast<unsigned>(50 + 50 * level));
}

// Files from before priority percentages kept three priority bits in the flags; the first read
// turns them into the percent for good.
uint8_t CDvItem::GetPriority() {
    if (flags & DV_ITEM_FLAG_PRIORITY_LOW)
        priority = 0;
    else if (flags & DV_ITEM_FLAG_PRIORITY_NORMAL)
        priority = 50;
    else if (flags & DV_ITEM_FLAG_PRIORITY_HIGH)
        priority = 100;
    else
        return std::min<uint8_t>(priority, 100);
    flags &= ~DV_ITEM_FLAG_PRIORITY_BITS;
    return priority;
}

int CDvItem::GetPriorityLevel() {
    const uint8_t percent = GetPriority();
    if (percent <= 33) return -1;
    return percent <= 66 ? 0 : 1;
}

// ---- reading by name

CDvVar CDvItem::GetVar(std::u16string_view name) const {
    // The built-in names are ASCII: ASCII lower-casing matches them under every locale (a
    // Turkish one would turn "DV_TITLE" into a dotless "dv_tıtle"). Variables ignore case anyway.
    const std::u16string lower = dv::asciiLower(name);
    for (const auto& fixed : kFixedItemNames)
        if (fixed.name == lower) return fixed.read(*this);
    return GetElementVar(lower);
}

const std::u16string& CDvItem::GetPlainText() const {
    if (plainTextValid_ && plainTextMade_.value >= modified.value) return plainText_;
    plainText_ = contents.Size() ? DvRtfToPlainText(contents.Bytes()) : std::u16string();
    plainTextMade_ = DvDateTime::Now();
    plainTextValid_ = true;
    return plainText_;
}

// ---- stored form

void CDvItem::Serialize(CDvArchive& ar) {
    if (ar.IsStoring()) storeRelations();
    ar.Io(itemType);
    SerializeElement(ar);
    ar.Io(folders);
    contents.Serialize(ar);
    ar.Io(flags);
    ar.Io(completion);
    ar.Io(taskStart);
    ar.Io(taskEnd);
    for (auto& text : reservedStrings) ar.Io(text);
    for (auto& word : reservedWords) ar.Io(word);
    // The priority comes before the two reserved bytes, although it follows them in the record.
    ar.Io(priority);
    ar.Io(reservedBytes[0]);
    ar.Io(reservedBytes[1]);
    if (ar.IsLoading()) {
        loadRelations();
        InvalidatePlainText();
    }
}

// An empty list leaves the variable as it was.
void CDvItem::storeRelations() {
    std::u16string text = DvRowTableToText(relations);
    if (text.empty()) return;
    if (CDvVar* stored = vars.Get(kRelationsVar))
        stored->SetString(std::move(text));
    else
        vars.Set(kRelationsVar, CDvVar::FromString(std::move(text)));
}

void CDvItem::loadRelations() { relations = DvRowTableFromText(vars.GetText(kRelationsVar)); }

void CDvItem::Upgrade(double version) {
    if (version < 1.0) {
        // Completion used to be meaningful for to-dos only, and only as done or not done.
        const bool doneOrNot = completion == 0 || completion == 100;
        if (itemType != DV_ITEM_TODO || !doneOrNot) completion = 0;
        reservedWords = {};
        reservedBytes = {};
        priority = 50;
    }
    if (version < 1.01) {
        GetPriority();
        if (itemType != DV_ITEM_TASK && itemType != DV_ITEM_TODO) {
            flags &= ~DV_ITEM_FLAG_PRIORITY_BITS;
            priority = 50;
            Touch();
        }
    }
}
