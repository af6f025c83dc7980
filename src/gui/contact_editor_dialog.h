#pragma once
// "Editing contact": the names, the title composed from them or typed by hand, and one section
// of address and communication fields at a time, "Per&sonal" or "&Business".
#include <vector>

#include "app/contact_editor_model.h"
#include "gui/item_editor_dialog.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class ContactEditorDialog final : public ItemEditorDialog {
public:
    ContactEditorDialog(QWidget* parent, CDvDoc& doc, const CDvItem& item, std::u16string_view folder);

    CDvContactEditorModel& contactModel() { return contact_; }
    /// The name fields, in the order of DvContactNameFieldNames().
    const std::vector<QLineEdit*>& nameFields() const { return names_; }
    /// The shown section's fields, in the order of DvContactSectionFieldNames().
    const std::vector<QLineEdit*>& sectionFields() const { return section_; }
    void showSection(DvContactSection section);

protected:
    void applyFields() override;
    QString titleText() const override;

private:
    void buildFields();
    void readFields();
    void showTitle();

    CDvContactEditorModel contact_;
    std::vector<QLineEdit*> names_;
    std::vector<QLineEdit*> section_;
    QCheckBox* manualTitle_ = nullptr;
    QPushButton* personal_ = nullptr;
    QPushButton* business_ = nullptr;
};
