#include "app/item_editor_model.h"

#include <algorithm>

#include "core/doc.h"
#include "ops/main_window_port.h"
#include "ops/undo.h"
#include "platform/ui.h"
#include "views/priority_completion.h"

namespace {

bool samePath(std::u16string_view a, std::u16string_view b) {
    // Folder paths compare without regard to case, as the folder tree finds them.
    return a.size() == b.size() && PathDepth(a, b) == 0;
}

void collectFolders(const CDvFolder& folder, std::vector<DvFolderChoice>& out) {
    out.push_back({FolderPath(&folder), false});
    for (const auto& child : folder.Children()) collectFolders(*child, out);
}

}  // namespace

std::u16string_view DvEditorCaption(int itemType) {
    switch (itemType) {
    case DV_ITEM_TASK: return u"Task editing";
    case DV_ITEM_TODO: return u"To do";
    case DV_ITEM_NOTE: return u"Note editing";
    case DV_ITEM_CONTACT: return u"Editing contact";
    default: return {};
    }
}

std::vector<DvFolderChoice> DvFolderChoices(const CDvDoc& doc, const std::vector<std::u16string>& itemFolders) {
    std::vector<DvFolderChoice> out;
    {
        auto lock = doc.Lock();
        collectFolders(doc.root, out);
    }
    for (const auto& path : itemFolders) {
        auto found = std::find_if(out.begin(), out.end(), [&](const DvFolderChoice& c) { return samePath(c.path, path); });
        if (found != out.end())
            found->selected = true;
        else
            out.push_back({path, true});
    }
    return out;
}

DvPercentChooser DvPercentChooser::Priority(const CDvItem& item, bool asPercents) {
    DvChoiceList list = DvPriorityChoices(DvPriorityPercent(item), asPercents);
    return {std::move(list.choices), list.preselected, list.preselected};
}

DvPercentChooser DvPercentChooser::Completion(const CDvItem& item, bool asPercents) {
    DvChoiceList list = DvCompletionChoices(item.completion, asPercents);
    return {std::move(list.choices), list.preselected, list.preselected};
}

int DvPercentChooser::PriorityToStore() const { return chosen == preselected ? -1 : DvPriorityFromChoice(chosen); }

int DvPercentChooser::CompletionToStore() const { return chosen == preselected ? -1 : DvCompletionFromChoice(chosen); }

CDvItemEditorModel::CDvItemEditorModel(CDvDoc& doc, const CDvItem& item, std::u16string_view folder)
    : doc_(doc), copy_(item), subscribed_(item.subscribed) {
    {
        auto lock = doc_.Lock();
        new_ = item.guid.empty() || doc_.FindItemByGuid(item.guid) == nullptr;
    }
    if (new_ && !folder.empty() &&
        std::none_of(copy_.folders.begin(), copy_.folders.end(), [&](const auto& p) { return samePath(p, folder); }))
        copy_.folders.emplace_back(folder);
}

std::u16string_view CDvItemEditorModel::ReadonlyNote() const {
    if (subscribed_) return kSubscribedNote;
    if (doc_.readOnly) return kDocumentReadonlyNote;
    return {};
}

std::u16string CDvItemEditorModel::WindowTitle(std::u16string_view caption) const {
    std::u16string title(caption);
    if (new_) title += kNewSuffix;
    if (IsReadonly()) title += kReadonlySuffix;
    return title;
}

std::u16string CDvItemEditorModel::ImageFile() const {
    const CDvVar* image = copy_.vars.Get(kImageVar);
    return image ? image->AsText() : std::u16string();
}

void CDvItemEditorModel::SetImageFile(std::u16string_view path) { copy_.vars.SetText(kImageVar, path); }

bool CDvItemEditorModel::ClearImage() {
    if (dv::ui().Ask(kClearImageQuestion, dv::Buttons::YesNo) != dv::Answer::Yes) return false;
    copy_.vars.Remove(kImageVar);
    return true;
}

bool CDvItemEditorModel::Save(std::u16string_view title, const std::vector<std::u16string>& folders,
                              std::u16string_view keywordsText) {
    if (!CanConfirm()) return false;
    if (title.empty()) {
        dv::ui().ShowMessage(kNoTitleMessage);
        return false;
    }
    if (folders.empty()) {
        dv::ui().ShowMessage(kNoFolderMessage);
        return false;
    }
    copy_.title = std::u16string(title);
    copy_.folders = folders;
    copy_.SetKeywordsFromText(keywordsText);
    copy_.Touch();

    auto lock = doc_.Lock();
    int position = -1;
    CDvItem* existing = new_ ? nullptr : doc_.FindItemByGuid(copy_.guid, &position);
    if (existing) {
        DvUndoList().RecordItem(*existing, DvUndoKind::Modify, doc_);
        *existing = copy_;
        savedPosition_ = position;
    } else {
        // Also an existing item deleted while its editor was open: it comes back as saved.
        if (copy_.guid.empty()) copy_.NewGuid();
        doc_.items.push_back(std::make_unique<CDvItem>(copy_));
        doc_.items.back()->index = static_cast<int>(doc_.items.size()) - 1;
        savedPosition_ = doc_.items.back()->index;
        new_ = false;
    }
    // The lists show titles, dates and folders: an edited item changes them as a new one does.
    if (DvMainWindowPort* window = DvMainWindow()) window->RefreshContents(0);
    return true;
}
