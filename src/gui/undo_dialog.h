#pragma once
// The undo dialog: every recorded entry of the open database, oldest at the top; OK undoes the
// selected one.
#include <QDialog>

#include "ops/undo.h"

class CDvDoc;
class QTreeWidget;

class UndoDialog final : public QDialog {
public:
    explicit UndoDialog(CDvDoc& doc, QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fill();

    CDvUndoingDlgModel model_;
    QTreeWidget* list_;
};
