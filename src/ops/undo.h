#pragma once
// Undo by snapshots: before an operation changes items, whole copies of them go into an entry of
// the one undo list of the process; undoing an entry puts the copies back.
//
// Entries remember the database they were recorded in (its main file). The list outlives the
// document, so after another database is opened its entries stay, unseen and unapplied, until
// their own database is open again: undoing never writes one database's items into another.
#include <filesystem>
#include <string>
#include <vector>

#include "core/item.h"

class CDvDoc;

enum class DvUndoKind : int { None = 0, Delete = 1, Remove = 2, Modify = 3 };

/// "None", "Delete", "Remove", "Modify"; "None" for any other number.
std::u16string DvUndoKindName(int kind);

struct CDvUndoEntry {
    DvUndoKind kind = DvUndoKind::None;
    std::vector<CDvItem> items;      // as they were before the change
    std::vector<int> positions;      // each one's place in the item array then, tried first
    std::filesystem::path document;  // the main file of the database they belong to
};

/// The line of the undo dialog: kind, count and the quoted titles, cut after 220 characters.
std::u16string DvUndoDisplayText(const CDvUndoEntry& entry);

class CDvUndoList {
public:
    /// Appends an entry with copies of `items`; returns its position.
    int Record(const std::vector<const CDvItem*>& items, DvUndoKind kind, const CDvDoc& doc);
    int RecordItem(const CDvItem& item, DvUndoKind kind, const CDvDoc& doc);

    /// Puts the entry's copies back into `doc` (the open document unless given): an item that is
    /// gone is appended, with its folders re-created; one that exists is overwritten. Then the
    /// entry leaves the list. A position outside the list beeps; an entry of another database is
    /// refused with a message and kept. False in both cases.
    bool Apply(int position, CDvDoc* doc = nullptr);

    int Count() const { return static_cast<int>(entries_.size()); }
    const CDvUndoEntry& At(int position) const { return entries_.at(static_cast<size_t>(position)); }
    /// Whether the entry was recorded in the database `doc` holds.
    bool BelongsTo(int position, const CDvDoc& doc) const;
    /// The program keeps every entry until it is applied; tests start from an empty list.
    void Clear() { entries_.clear(); }

private:
    std::vector<CDvUndoEntry> entries_;
};

/// The undo list of the process, oldest entry first.
CDvUndoList& DvUndoList();

/// The undo dialog's rules: one column "Action", one row per entry of the open database, oldest
/// at the top, the newest selected.
class CDvUndoingDlgModel {
public:
    static constexpr std::u16string_view kColumnTitle = u"Action";

    explicit CDvUndoingDlgModel(CDvDoc* doc = nullptr);

    /// The list's width less the vertical scroll bar's, when the system reports one of 1 to 199.
    static int ColumnWidth(int listWidth, int scrollBarWidth);

    /// Rebuilds the rows from the undo list and selects the newest.
    void Fill();
    const std::vector<std::u16string>& Rows() const { return rows_; }
    int selectedRow = -1;

    /// OK: beeps and stays open without a selection; otherwise undoes the selected entry and, on
    /// success, refills the rows. True when the dialog closes.
    bool Ok();

private:
    CDvDoc* doc_;
    std::vector<std::u16string> rows_;
    std::vector<int> positions_;  // the undo list position of each row
};
