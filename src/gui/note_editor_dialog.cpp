#include "gui/note_editor_dialog.h"

NoteEditorDialog::NoteEditorDialog(QWidget* parent, CDvDoc& doc, const CDvItem& item, std::u16string_view folder)
    : ItemEditorDialog(parent, doc, item, folder) {
    assemble();
}
