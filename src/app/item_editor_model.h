#pragma once
// What the four item editors share, without a toolkit: the working copy of the item, new or
// existing, the read-only rules, the window title, the folder list, the image and the common save
// that OK ends with. The Qt editors bind their widgets to this model and its per-type companions
// (task, to-do and contact editor models).
#include <string>
#include <string_view>
#include <vector>

#include "core/item.h"

class CDvDoc;

/// The caption of a type's editor: "Task editing", "To do", "Note editing", "Editing contact";
/// empty for a type that has no editor.
std::u16string_view DvEditorCaption(int itemType);

/// One row of an editor's folder list: a folder of the tree (or one the item names that the tree
/// lacks) and whether the item is filed there.
struct DvFolderChoice {
    std::u16string path;
    bool selected = false;
    friend bool operator==(const DvFolderChoice&, const DvFolderChoice&) = default;
};

/// Every folder of the document's tree, root first, depth first, with the item's folders
/// selected (compared ignoring case); folders of the item that the tree lacks come last.
std::vector<DvFolderChoice> DvFolderChoices(const CDvDoc& doc, const std::vector<std::u16string>& itemFolders);

/// A priority or completion drop-down: the choices the options give, the entry preselected, and
/// the one chosen. Only a changed choice is written back, so opening and confirming an item whose
/// percentage lies between the offered steps (45% shown as "medium") keeps it.
struct DvPercentChooser {
    std::vector<std::u16string> choices;
    std::u16string preselected;
    std::u16string chosen;

    static DvPercentChooser Priority(const CDvItem& item, bool asPercents);
    static DvPercentChooser Completion(const CDvItem& item, bool asPercents);
    /// The percentage to store, or -1 when the choice is unchanged or not understood.
    int PriorityToStore() const;
    int CompletionToStore() const;
};

class CDvItemEditorModel {
public:
    static constexpr std::u16string_view kNewSuffix = u" [New]";
    static constexpr std::u16string_view kReadonlySuffix = u" [Readonly]";
    static constexpr std::u16string_view kSubscribedNote = u"\"Subscribed\" item, readonly";
    static constexpr std::u16string_view kDocumentReadonlyNote = u"The document is readonly.";
    static constexpr std::u16string_view kNoTitleMessage = u"You must specify the title of item.";
    static constexpr std::u16string_view kNoFolderMessage =
        u"You have to specify a folder, you can select the '' folder, which means: the root";
    static constexpr std::u16string_view kImageFilter =
        u"Image files|*.jpg;*.jpeg;*.bmp;*.tif;*.gif;*.png|All Files|*.*||";
    static constexpr std::u16string_view kClearImageQuestion = u"Are you sure you want to clear the image?";
    static constexpr std::u16string_view kImageVar = u"dv_image_file";

    /// Opens on a copy of `item`. The editor is for a new item when no item of the document has
    /// its GUID; a new item is filed under `folder` when that is not empty.
    CDvItemEditorModel(CDvDoc& doc, const CDvItem& item, std::u16string_view folder);

    CDvDoc& Doc() const { return doc_; }
    /// The working copy the fields edit; the document changes only on a successful Save.
    CDvItem& Item() { return copy_; }
    const CDvItem& Item() const { return copy_; }
    bool IsNew() const { return new_; }

    /// The note shown instead of nothing when the editor cannot be confirmed: subscribed item
    /// first, then a read-only document; empty when editing is allowed.
    std::u16string_view ReadonlyNote() const;
    bool IsReadonly() const { return !ReadonlyNote().empty(); }
    /// The OK button.
    bool CanConfirm() const { return !IsReadonly(); }
    /// The "Item..." button: item commands need an item that is in the document.
    bool ItemCommandsEnabled() const { return !new_; }
    /// `caption` with " [New]" and " [Readonly]" as they apply.
    std::u16string WindowTitle(std::u16string_view caption) const;
    std::u16string WindowTitle() const { return WindowTitle(DvEditorCaption(copy_.itemType)); }

    std::vector<DvFolderChoice> FolderChoices() const { return DvFolderChoices(doc_, copy_.folders); }

    /// The image file named by dv_image_file, empty when none.
    std::u16string ImageFile() const;
    /// "change image...": the chosen file replaces the image.
    void SetImageFile(std::u16string_view path);
    /// "clear image": asks first; true when the image was cleared.
    bool ClearImage();

    /// The common save of OK, after the editor has written its own fields into the copy: title,
    /// folders, keywords, then the document. Shows the reason and returns false, changing nothing
    /// in the document, when the title is empty or no folder is selected (or when the editor is
    /// read-only). An existing item gets an undo entry holding it as it was.
    bool Save(std::u16string_view title, const std::vector<std::u16string>& folders, std::u16string_view keywordsText);
    /// After a successful Save: the saved item's GUID and its place in the item array.
    const std::u16string& SavedGuid() const { return copy_.guid; }
    int SavedPosition() const { return savedPosition_; }

private:
    CDvDoc& doc_;
    CDvItem copy_;
    bool new_ = true;
    bool subscribed_ = false;
    int savedPosition_ = -1;
};
