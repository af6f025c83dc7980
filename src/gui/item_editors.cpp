#include "gui/item_editors.h"

#include "core/doc.h"
#include "gui/contact_editor_dialog.h"
#include "gui/note_editor_dialog.h"
#include "gui/task_editor_dialog.h"
#include "gui/todo_editor_dialog.h"

ItemEditorDialog* DvCreateItemEditor(QWidget* parent, CDvDoc& doc, const CDvItem& item, std::u16string_view folder) {
    switch (item.itemType) {
    case DV_ITEM_TASK: return new TaskEditorDialog(parent, doc, item, folder);
    case DV_ITEM_TODO: return new TodoEditorDialog(parent, doc, item, folder);
    case DV_ITEM_NOTE: return new NoteEditorDialog(parent, doc, item, folder);
    case DV_ITEM_CONTACT: return new ContactEditorDialog(parent, doc, item, folder);
    default: return nullptr;
    }
}

int DvOpenEditItemDlg(QWidget* parent, CDvDoc& doc, const CDvItem& item, std::u16string_view folder, unsigned options,
                      bool modal) {
    (void)options;
    ItemEditorDialog* editor = DvCreateItemEditor(parent, doc, item, folder);
    if (!editor) return 0;
    if (modal) {
        const int result = editor->exec() == QDialog::Accepted ? 1 : 0;
        delete editor;
        return result;
    }
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->show();
    editor->raise();
    editor->activateWindow();
    return 0;
}

int DvOpenEditItemDlg(QWidget* parent, CDvDoc& doc, std::u16string_view guid, bool modal) {
    const CDvItem* item = nullptr;
    {
        auto lock = doc.Lock();
        item = doc.FindItemByGuid(guid);
    }
    // The editor copies the item at once, so the pointer is not kept past this call.
    return item ? DvOpenEditItemDlg(parent, doc, *item, u"", 0, modal) : 0;
}

CDvItem DvNewItem(int type, bool temporary) {
    CDvItem item;
    item.itemType = type;
    if (temporary && type == DV_ITEM_TASK) {
        item.flags |= DV_ITEM_FLAG_TEMPORARY;
        item.taskStart = item.taskEnd = DvDateTime::Now();
    }
    return item;
}

int DvOpenNewItemDlg(QWidget* parent, CDvDoc& doc, int type, std::u16string_view folder, bool modal, bool temporary) {
    return DvOpenEditItemDlg(parent, doc, DvNewItem(type, temporary), folder, 0, modal);
}
