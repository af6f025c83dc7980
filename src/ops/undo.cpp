#include "ops/undo.h"

#include <system_error>

#include "core/doc.h"
#include "ops/document_p.h"
#include "ops/main_window_port.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "platform/ui.h"

using dv::detail::docOrCurrent;

namespace {

constexpr size_t kDisplayLength = 220;

// The same database whatever spelling of its path opened it.
std::filesystem::path databaseKey(const CDvDoc& doc) {
    if (doc.mainFilePath.empty()) return {};
    std::error_code ec;
    std::filesystem::path key = std::filesystem::weakly_canonical(doc.mainFilePath, ec);
    return ec ? doc.mainFilePath.lexically_normal() : key;
}

CDvItem* findRecorded(CDvDoc& doc, const CDvItem& copy, int position) {
    if (position >= 0 && static_cast<size_t>(position) < doc.items.size() &&
        doc.items[static_cast<size_t>(position)]->HasGuid(copy.guid))
        return doc.items[static_cast<size_t>(position)].get();
    return doc.FindItemByGuid(copy.guid);
}

}  // namespace

std::u16string DvUndoKindName(int kind) {
    switch (kind) {
    case 1:
        return u"Delete";
    case 2:
        return u"Remove";
    case 3:
        return u"Modify";
    default:
        return u"None";
    }
}

std::u16string DvUndoDisplayText(const CDvUndoEntry& entry) {
    std::u16string text = DvUndoKindName(static_cast<int>(entry.kind)) + u" " +
                          dv::formatInt64(static_cast<int64_t>(entry.items.size())) + u" items (";
    for (size_t i = 0; i < entry.items.size(); ++i) {
        if (i) text += u", ";
        text += u"\"" + entry.items[i].title + u"\"";
        if (text.size() > kDisplayLength) break;
    }
    if (text.size() > kDisplayLength) {
        text.resize(kDisplayLength);
        text += u"...";
    }
    return text + u")";
}

int CDvUndoList::Record(const std::vector<const CDvItem*>& items, DvUndoKind kind, const CDvDoc& doc) {
    CDvUndoEntry entry;
    entry.kind = kind;
    entry.document = databaseKey(doc);
    entry.items.reserve(items.size());
    for (const CDvItem* item : items) {
        entry.items.push_back(*item);
        entry.positions.push_back(item->index);
    }
    entries_.push_back(std::move(entry));
    return Count() - 1;
}

int CDvUndoList::RecordItem(const CDvItem& item, DvUndoKind kind, const CDvDoc& doc) {
    return Record({&item}, kind, doc);
}

bool CDvUndoList::BelongsTo(int position, const CDvDoc& doc) const {
    return position >= 0 && position < Count() && At(position).document == databaseKey(doc);
}

bool CDvUndoList::Apply(int position, CDvDoc* given) {
    if (position < 0 || position >= Count()) {
        dv::ui().Beep();
        return false;
    }
    CDvDoc& doc = docOrCurrent(given);
    auto lock = doc.Lock();
    const CDvUndoEntry& entry = At(position);
    if (!BelongsTo(position, doc)) {
        dv::ui().ShowMessage(u"This undo entry belongs to another database (" + dv::fromUtf8(entry.document.string()) +
                             u"). Open that database to undo it.");
        return false;
    }
    for (size_t i = 0; i < entry.items.size(); ++i) {
        const CDvItem& copy = entry.items[i];
        if (CDvItem* existing = findRecorded(doc, copy, entry.positions[i])) {
            *existing = copy;
        } else {
            doc.items.push_back(std::make_unique<CDvItem>(copy));
            doc.items.back()->index = static_cast<int>(doc.items.size() - 1);
        }
        // Folders deleted since then come back, so the restored entries have their tree nodes.
        for (const auto& path : copy.folders) FindOrCreateFolderPath(doc.root, path);
    }
    entries_.erase(entries_.begin() + position);
    DvRefreshMainWindow();
    return true;
}

CDvUndoList& DvUndoList() {
    static CDvUndoList list;
    return list;
}

CDvUndoingDlgModel::CDvUndoingDlgModel(CDvDoc* doc) : doc_(doc) { Fill(); }

int CDvUndoingDlgModel::ColumnWidth(int listWidth, int scrollBarWidth) {
    return scrollBarWidth >= 1 && scrollBarWidth <= 199 ? listWidth - scrollBarWidth : listWidth;
}

void CDvUndoingDlgModel::Fill() {
    rows_.clear();
    positions_.clear();
    CDvUndoList& list = DvUndoList();
    const CDvDoc& doc = doc_ ? *doc_ : DvCurDocSilently();
    for (int i = 0; i < list.Count(); ++i) {
        if (!list.BelongsTo(i, doc)) continue;
        rows_.push_back(DvUndoDisplayText(list.At(i)));
        positions_.push_back(i);
    }
    selectedRow = static_cast<int>(rows_.size()) - 1;
}

bool CDvUndoingDlgModel::Ok() {
    if (selectedRow < 0 || selectedRow >= static_cast<int>(rows_.size())) {
        dv::ui().Beep();
        return false;
    }
    if (!DvUndoList().Apply(positions_[static_cast<size_t>(selectedRow)], doc_)) return false;
    Fill();
    return true;
}
