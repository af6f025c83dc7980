#pragma once
// Opening the editing window of an item: "Task editing", "To do", "Note editing" or
// "Editing contact" by the item's type.
#include <string>
#include <string_view>

class QWidget;
class CDvDoc;
class CDvItem;
class ItemEditorDialog;

/// The editor of `item`'s type, not yet shown; nullptr for a type that has none. The editor is
/// for a new item when the document has no item with its GUID; a new item is filed under `folder`.
ItemEditorDialog* DvCreateItemEditor(QWidget* parent, CDvDoc& doc, const CDvItem& item, std::u16string_view folder);

/// Opens the editor of `item`'s type. Modal: waits and returns whether OK saved the item.
/// Otherwise the editor stays open beside the main window, deletes itself when closed, and 0 is
/// returned. An item of type 0 opens nothing. `options` is kept for callers that pass flags;
/// no flag changes the editors.
int DvOpenEditItemDlg(QWidget* parent, CDvDoc& doc, const CDvItem& item, std::u16string_view folder, unsigned options,
                      bool modal);
/// The editor of the document's item with this GUID; nothing when there is none.
int DvOpenEditItemDlg(QWidget* parent, CDvDoc& doc, std::u16string_view guid, bool modal);
/// The editor of a new item of `type` filed under `folder`. A temporary task starts and ends now
/// and has its "A&uto remove" ticked.
int DvOpenNewItemDlg(QWidget* parent, CDvDoc& doc, int type, std::u16string_view folder, bool modal,
                     bool temporary = false);
/// A new item as the New commands make it: of `type`, temporary (a task) when asked.
CDvItem DvNewItem(int type, bool temporary);
