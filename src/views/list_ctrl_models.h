#pragma once
// The five list views of the program: the any-item list (search results, relations) and one list
// per item type. They share everything but their type, a hint, and the contacts' details lines.
#include <string>
#include <string_view>

#include "views/item_list_ctrl_model.h"

inline constexpr std::u16string_view kDvToDoUnsortedHint =
    u"Now the items are unsorted. If you wanted to sort by 'completion' click the 'completion' column instead.";
inline constexpr std::u16string_view kDvInvalidItemRowText = u"error, item invalid";

class CDvAnyItemListCtrlModel final : public CDvItemListCtrlModel {
public:
    explicit CDvAnyItemListCtrlModel(CDvDoc& doc) : CDvItemListCtrlModel(doc, 0) {}
};

class CDvTasksListCtrlModel final : public CDvItemListCtrlModel {
public:
    explicit CDvTasksListCtrlModel(CDvDoc& doc, const DvViewTest* viewTest = nullptr)
        : CDvItemListCtrlModel(doc, 1, viewTest) {}
};

class CDvToDoListCtrlModel final : public CDvItemListCtrlModel {
public:
    explicit CDvToDoListCtrlModel(CDvDoc& doc, const DvViewTest* viewTest = nullptr)
        : CDvItemListCtrlModel(doc, 2, viewTest) {}

protected:
    // The first column of the to-do list is the completion check box, which users click
    // expecting to sort by completion.
    std::u16string_view UnsortedHint() const override { return kDvToDoUnsortedHint; }
    std::u16string_view InvalidRowText() const override { return kDvInvalidItemRowText; }
};

class CDvNotesListCtrlModel final : public CDvItemListCtrlModel {
public:
    explicit CDvNotesListCtrlModel(CDvDoc& doc, const DvViewTest* viewTest = nullptr)
        : CDvItemListCtrlModel(doc, 3, viewTest) {}
};

class CDvContactsListCtrlModel final : public CDvItemListCtrlModel {
public:
    explicit CDvContactsListCtrlModel(CDvDoc& doc, const DvViewTest* viewTest = nullptr)
        : CDvItemListCtrlModel(doc, 4, viewTest) {}

    /// Lines per contact, chosen in the main window; 1 shows the name only.
    int detailsLevel = 1;

    /// The details under the contact's name (DvContactDetailsText) when the details level is
    /// above 1; empty otherwise or when the row's item is gone.
    std::u16string DetailsText(int row) const;
};
