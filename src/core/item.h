#pragma once
// An item: one task, to-do, note or contact, with its fixed fields on top of the element.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/element.h"
#include "core/row_table.h"
#include "core/var.h"

enum DvItemType : int32_t {
    DV_ITEM_UNDEFINED = 0,
    DV_ITEM_TASK = 1,
    DV_ITEM_TODO = 2,
    DV_ITEM_NOTE = 3,
    DV_ITEM_CONTACT = 4,
};

/// Bits of CDvItem::flags.
inline constexpr uint32_t DV_ITEM_FLAG_PRIORITY_LOW = 0x1;  // legacy priority bits, older files only
inline constexpr uint32_t DV_ITEM_FLAG_PRIORITY_NORMAL = 0x2;
inline constexpr uint32_t DV_ITEM_FLAG_PRIORITY_HIGH = 0x4;
inline constexpr uint32_t DV_ITEM_FLAG_PRIORITY_BITS = 0x7;
inline constexpr uint32_t DV_ITEM_FLAG_DEADLINE = 0x400;       // a to-do whose task end is its deadline
inline constexpr uint32_t DV_ITEM_FLAG_TEMPORARY = 0x2000000;  // a task deleted some time after its end

/// "Undefined", "Task", "ToDo", "Note", "Contact"; the empty text for any other number.
std::u16string DvItemTypeName(int type);

class CDvItem : public CDvElement {
public:
    CDvItem();
    /// Copies every stored field, the variables and the relations; the copy keeps the GUID until
    /// the caller gives it a new one, and is not placed in a document (index -1, not subscribed).
    CDvItem(const CDvItem& other);
    /// Takes the other item's stored fields and relations; keeps this item's place and
    /// subscription.
    CDvItem& operator=(const CDvItem& other);
    CDvItem(CDvItem&&) = default;
    CDvItem& operator=(CDvItem&&) = default;

    // Stored fields, in declaration order of the record.
    int32_t itemType = DV_ITEM_UNDEFINED;
    std::vector<std::u16string> folders;  // folder paths such as \Work\Projects; the root is "\"
    CDvByteMem contents;                  // RTF as saved by the rich-text editor
    uint32_t flags = DV_ITEM_FLAG_PRIORITY_NORMAL;
    uint8_t completion = 0;  // percent done
    DvDateTime taskStart;
    DvDateTime taskEnd;
    std::array<std::u16string, 3> reservedStrings;
    std::array<uint32_t, 3> reservedWords{};
    std::array<uint8_t, 2> reservedBytes{};
    uint8_t priority = 50;  // percent

    // Run-time fields, never stored.
    DvRowTable relations;     // rows of the relations text, kept in dv_relations when stored
    int index = -1;           // place in the document's item array
    bool subscribed = false;  // came from a subscription; left out when the document is saved
    double relevance = 0.0;   // the last quick search's score; orders lists sorted without a key

    /// Values above 100 are ignored; otherwise stores and touches.
    void SetCompletion(unsigned percent);
    /// Clears the legacy priority bits, stores min(percent, 100) and touches.
    void SetPriority(unsigned percent);
    /// -1 stores 0, 0 stores 50, 1 stores 100; other levels change nothing.
    void SetPriorityLevel(int level);
    /// The priority percent, converting legacy priority bits on the way (without touching).
    uint8_t GetPriority();
    /// -1 up to 33 percent, 0 up to 66, 1 above.
    int GetPriorityLevel();

    /// A fixed field or a variable by name (any letter case); a "none" value when unknown.
    CDvVar GetVar(std::u16string_view name) const;

    /// The contents as plain text; cached until the item is modified after the cache was made.
    const std::u16string& GetPlainText() const;
    /// For code that changes `contents` without touching the item.
    void InvalidatePlainText() const { plainTextValid_ = false; }

    /// The stored record: type, element, folders, contents, flags, completion, task start and
    /// end, reserved strings and words, priority, reserved bytes. Before writing, non-empty
    /// relations are put into the variable dv_relations; after reading, they are taken from it.
    void Serialize(CDvArchive& ar);
    /// Applies the rules for items written by documents older than `version` (missing: 0).
    void Upgrade(double version);

    /// Equal elements, stored fields and relations.
    friend bool operator==(const CDvItem& a, const CDvItem& b);

private:
    // One list of what a copy takes and what equality compares, so the two cannot drift apart.
    auto copiedFields() {
        return std::tie(itemType, folders, contents, flags, completion, taskStart, taskEnd, reservedStrings,
                        reservedWords, reservedBytes, priority, relations);
    }
    auto copiedFields() const {
        return std::tie(itemType, folders, contents, flags, completion, taskStart, taskEnd, reservedStrings,
                        reservedWords, reservedBytes, priority, relations);
    }
    void storeRelations();
    void loadRelations();

    mutable std::u16string plainText_;
    mutable DvDateTime plainTextMade_;
    mutable bool plainTextValid_ = false;
};
