#include "gui/contact_editor_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/contact_fields.h"
#include "gui/qt_ui.h"

namespace {
constexpr int kNameColumns = 3;
constexpr int kSectionColumns = 2;
}  // namespace

ContactEditorDialog::ContactEditorDialog(QWidget* parent, CDvDoc& doc, const CDvItem& item, std::u16string_view folder)
    : ItemEditorDialog(parent, doc, item, folder), contact_(model()) {
    buildFields();
    assemble(920, 760);
    showTitle();
}

void ContactEditorDialog::buildFields() {
    manualTitle_ = new QCheckBox(toQString(CDvContactEditorModel::kManualTitleBox));
    manualTitle_->setObjectName(QStringLiteral("manualTitle"));
    manualTitle_->setChecked(contact_.manualTitle);
    addFieldRow(QString(), manualTitle_);
    connect(manualTitle_, &QCheckBox::toggled, this, [this](bool on) {
        contact_.manualTitle = on;
        if (on && contact_.title.empty()) contact_.title = contact_.ComposedTitle();  // a start to edit from
        showTitle();
    });
    connect(titleField(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (contact_.manualTitle) contact_.title = fromQString(text);
    });

    auto* namesBox = new QWidget;
    auto* names = new QGridLayout(namesBox);
    names->setContentsMargins(0, 0, 0, 0);
    const auto& nameFields = DvContactNameFieldNames();
    for (size_t i = 0; i < nameFields.size(); ++i) {
        auto* field = new QLineEdit(toQString(contact_.names[i]));
        field->setObjectName(toQString(nameFields[i]));
        auto* label = new QLabel(toQString(nameFields[i]) + QLatin1Char(':'));
        label->setBuddy(field);
        const int row = static_cast<int>(i) / kNameColumns * 2;
        const int col = static_cast<int>(i) % kNameColumns;
        names->addWidget(label, row, col);
        names->addWidget(field, row + 1, col);
        names_.push_back(field);
        connect(field, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            contact_.names[i] = fromQString(text);
            if (!contact_.manualTitle) showTitle();
        });
    }
    addFieldRow(namesBox);

    personal_ = new QPushButton(toQString(CDvContactEditorModel::kPersonalButton));
    business_ = new QPushButton(toQString(CDvContactEditorModel::kBusinessButton));
    personal_->setObjectName(QStringLiteral("personal"));
    business_->setObjectName(QStringLiteral("business"));
    auto* sections = new QButtonGroup(this);
    for (QPushButton* button : {personal_, business_}) {
        button->setCheckable(true);
        sections->addButton(button);
    }
    personal_->setChecked(true);
    auto* switchBox = new QWidget;
    auto* switchRow = new QHBoxLayout(switchBox);
    switchRow->setContentsMargins(0, 0, 0, 0);
    switchRow->addWidget(personal_);
    switchRow->addWidget(business_);
    switchRow->addStretch();
    addFieldRow(switchBox);
    connect(personal_, &QPushButton::clicked, this, [this] { showSection(DvContactSection::Personal); });
    connect(business_, &QPushButton::clicked, this, [this] { showSection(DvContactSection::Business); });

    auto* fieldsBox = new QFrame;
    fieldsBox->setFrameShape(QFrame::StyledPanel);
    auto* fields = new QGridLayout(fieldsBox);
    const auto& sectionFields = DvContactSectionFieldNames();
    const int rows = (static_cast<int>(sectionFields.size()) + kSectionColumns - 1) / kSectionColumns;
    for (size_t i = 0; i < sectionFields.size(); ++i) {
        auto* field = new QLineEdit(toQString(contact_.sectionFields[i]));
        field->setObjectName(toQString(sectionFields[i]));
        auto* label = new QLabel(toQString(sectionFields[i]) + QLatin1Char(':'));
        label->setBuddy(field);
        // Down the first column, then the second, as an address reads.
        const int row = static_cast<int>(i) % rows;
        const int col = static_cast<int>(i) / rows * 2;
        fields->addWidget(label, row, col);
        fields->addWidget(field, row, col + 1);
        section_.push_back(field);
    }
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    addFieldRow(fieldsBox);
}

void ContactEditorDialog::readFields() {
    for (size_t i = 0; i < names_.size(); ++i) contact_.names[i] = fromQString(names_[i]->text());
    for (size_t i = 0; i < section_.size(); ++i) contact_.sectionFields[i] = fromQString(section_[i]->text());
    if (contact_.manualTitle) contact_.title = fromQString(titleField()->text());
}

void ContactEditorDialog::showSection(DvContactSection section) {
    readFields();
    contact_.ShowSection(section);
    for (size_t i = 0; i < section_.size(); ++i) section_[i]->setText(toQString(contact_.sectionFields[i]));
    (section == DvContactSection::Personal ? personal_ : business_)->setChecked(true);
}

void ContactEditorDialog::showTitle() {
    titleField()->setReadOnly(contact_.TitleReadOnly() || model().IsReadonly());
    titleField()->setText(toQString(contact_.manualTitle ? contact_.title : contact_.Title()));
}

QString ContactEditorDialog::titleText() const { return toQString(contact_.Title()); }

void ContactEditorDialog::applyFields() {
    readFields();
    contact_.Apply();
}
