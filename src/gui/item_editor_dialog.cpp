#include "gui/item_editor_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/doc.h"
#include "gui/format_toolbar.h"
#include "gui/image_field.h"
#include "gui/keywords_edit.h"
#include "gui/percent_combo.h"
#include "gui/qt_ui.h"
#include "gui/rich_text_document.h"
#include "ops/item_commands.h"

namespace {

void addMenuEntries(QMenu& menu, const std::vector<DvItemMenuEntry>& entries, std::vector<DvItemCommand>& commands) {
    for (const DvItemMenuEntry& entry : entries) {
        if (entry.text.empty() && !entry.command) {
            menu.addSeparator();
            continue;
        }
        if (!entry.command) {
            addMenuEntries(*menu.addMenu(toQString(entry.text)), entry.submenu, commands);
            continue;
        }
        menu.addAction(toQString(entry.text))->setData(static_cast<int>(commands.size()));
        commands.push_back(*entry.command);
    }
}

}  // namespace

ItemEditorDialog::ItemEditorDialog(QWidget* parent, CDvDoc& doc, const CDvItem& item, std::u16string_view folder)
    : QDialog(parent),
      model_(doc, item, folder),
      folder_(folder),
      note_(new QLabel),
      title_(new QLineEdit),
      keywords_(new KeywordsEdit),
      folders_(new QListWidget),
      contents_(new QTextEdit),
      image_(new ImageField(model_)),
      grid_(new QGridLayout),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel)),
      itemCommands_(new QPushButton(QStringLiteral("Item..."))) {
    setWindowTitle(toQString(model_.WindowTitle()));
    title_->setObjectName(QStringLiteral("title"));
    title_->setText(toQString(model_.Item().title));
    keywords_->setObjectName(QStringLiteral("keywords"));
    keywords_->setContext(&doc, [this] { return selectedFolders(); });
    keywords_->setText(toQString(model_.Item().KeywordsText()));
    folders_->setObjectName(QStringLiteral("folders"));
    for (const DvFolderChoice& choice : model_.FolderChoices()) {
        auto* row = new QListWidgetItem(toQString(choice.path), folders_);
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        row->setCheckState(choice.selected ? Qt::Checked : Qt::Unchecked);
    }
    contents_->setObjectName(QStringLiteral("contents"));
    contents_->setAcceptRichText(true);
    DvSetDocumentRtf(*contents_->document(), model_.Item().contents.Bytes());
    contents_->document()->setModified(false);
    note_->setObjectName(QStringLiteral("readonlyNote"));
    note_->setText(toQString(model_.ReadonlyNote()));
    note_->setVisible(model_.IsReadonly());
    note_->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold"));
    itemCommands_->setObjectName(QStringLiteral("itemCommands"));
    itemCommands_->setEnabled(model_.ItemCommandsEnabled());
    okButton()->setEnabled(model_.CanConfirm());
    auto* titleLabel = new QLabel(QStringLiteral("&Title:"));
    titleLabel->setBuddy(title_);
    grid_->addWidget(titleLabel, 0, 0);
    grid_->addWidget(title_, 0, 1);
    grid_->setColumnStretch(1, 1);
    connect(buttons_, &QDialogButtonBox::accepted, this, &ItemEditorDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &ItemEditorDialog::reject);
    connect(itemCommands_, &QPushButton::clicked, this, &ItemEditorDialog::showItemCommands);
}

QPushButton* ItemEditorDialog::okButton() const { return buttons_->button(QDialogButtonBox::Ok); }

void ItemEditorDialog::addFieldRow(const QString& label, QWidget* field) {
    auto* caption = new QLabel(label);
    caption->setBuddy(field);
    addFieldRow(caption, field);
}

void ItemEditorDialog::addFieldRow(QWidget* caption, QWidget* field) {
    const int row = grid_->rowCount();
    grid_->addWidget(caption, row, 0);
    grid_->addWidget(field, row, 1);
    ownFields_.push_back(caption);
    ownFields_.push_back(field);
}

void ItemEditorDialog::addFieldRow(const QString& label, QLayout* fields) {
    auto* box = new QWidget;
    fields->setContentsMargins(0, 0, 0, 0);
    box->setLayout(fields);
    addFieldRow(label, box);
}

void ItemEditorDialog::addFieldRow(QWidget* wholeRow) {
    grid_->addWidget(wholeRow, grid_->rowCount(), 0, 1, 2);
    ownFields_.push_back(wholeRow);
}

std::pair<QComboBox*, QComboBox*> ItemEditorDialog::addPercentRow(const DvPercentChooser& priority,
                                                                  const DvPercentChooser& completion) {
    auto* priorityBox = new QComboBox;
    priorityBox->setObjectName(QStringLiteral("priority"));
    DvFillPercentCombo(*priorityBox, priority);
    auto* completionBox = new QComboBox;
    completionBox->setObjectName(QStringLiteral("completion"));
    DvFillPercentCombo(*completionBox, completion);
    auto* row = new QHBoxLayout;
    row->addWidget(priorityBox);
    row->addSpacing(12);
    row->addWidget(new QLabel(QStringLiteral("Completion:")));
    row->addWidget(completionBox);
    row->addStretch();
    addFieldRow(QStringLiteral("Priority:"), row);
    return {priorityBox, completionBox};
}

void ItemEditorDialog::assemble(int width, int height) {
    const int keywordsRow = grid_->rowCount();
    auto* keywordsCaption = new QLabel(QStringLiteral("&Keywords:"));
    keywordsCaption->setBuddy(keywords_);
    grid_->addWidget(keywordsCaption, keywordsRow, 0);
    grid_->addWidget(keywords_, keywordsRow, 1);

    auto* left = new QVBoxLayout;
    left->addLayout(grid_);
    auto* contentsCaption = new QLabel(QStringLiteral("&Note:"));
    contentsCaption->setBuddy(contents_);
    left->addWidget(contentsCaption);
    left->addWidget(new FormatToolBar(contents_));
    left->addWidget(contents_, 1);

    auto* rightColumn = new QWidget;
    rightColumn->setFixedWidth(210);
    auto* right = new QVBoxLayout(rightColumn);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(image_);
    auto* foldersCaption = new QLabel(QStringLiteral("&Folders:"));
    foldersCaption->setBuddy(folders_);
    right->addWidget(foldersCaption);
    right->addWidget(folders_, 1);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(rightColumn);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(itemCommands_);
    bottom->addStretch();
    bottom->addWidget(buttons_);

    auto* main = new QVBoxLayout(this);
    main->addWidget(note_);
    main->addLayout(body, 1);
    main->addLayout(bottom);

    if (model_.IsReadonly()) {
        // Subscribed items and read-only documents are shown, never changed.
        title_->setReadOnly(true);
        keywords_->setReadOnly(true);
        contents_->setReadOnly(true);
        folders_->setEnabled(false);
        image_->setEnabled(false);
        for (QWidget* field : ownFields_) field->setEnabled(false);
    }
    resize(width, height);
}

std::vector<std::u16string> ItemEditorDialog::selectedFolders() const {
    std::vector<std::u16string> out;
    for (int i = 0; i < folders_->count(); ++i)
        if (folders_->item(i)->checkState() == Qt::Checked) out.push_back(fromQString(folders_->item(i)->text()));
    return out;
}

QString ItemEditorDialog::titleText() const { return title_->text(); }

void ItemEditorDialog::writeContents() {
    if (!contents_->document()->isModified()) return;  // unchanged contents keep their stored form
    const std::string rtf = DvDocumentRtf(*contents_->document());
    CDvItem& item = model_.Item();
    item.contents.Assign({reinterpret_cast<const uint8_t*>(rtf.data()), rtf.size()});
    item.InvalidatePlainText();
}

void ItemEditorDialog::accept() {
    if (!model_.CanConfirm()) return;
    applyFields();
    writeContents();
    if (!model_.Save(fromQString(titleText()), selectedFolders(), fromQString(keywords_->text()))) return;
    QDialog::accept();
}

void ItemEditorDialog::showItemCommands() {
    CDvDoc& doc = model_.Doc();
    const DvLink link{{}, model_.Item().guid, DvLink::kItem, {}};
    const std::vector<DvItemAction> actions = DvBuildItemActions({link}, &doc);
    std::vector<DvItemCommand> commands;
    QMenu menu(this);
    addMenuEntries(menu, DvItemContextMenu(actions), commands);
    const QAction* chosen = menu.exec(itemCommands_->mapToGlobal(QPoint(0, itemCommands_->height())));
    if (!chosen) return;
    DvExecuteItemCommand({link}, commands[static_cast<size_t>(chosen->data().toInt())], 0, folder_, &doc, actions);
}
