#pragma once
// "Note editing": a note has only the fields every item has.
#include "gui/item_editor_dialog.h"

class NoteEditorDialog final : public ItemEditorDialog {
public:
    NoteEditorDialog(QWidget* parent, CDvDoc& doc, const CDvItem& item, std::u16string_view folder);
};
