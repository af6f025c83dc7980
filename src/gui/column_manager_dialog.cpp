#include "gui/column_manager_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/column_user_fields_dialog.h"
#include "gui/qt_ui.h"
#include "ops/main_window_port.h"
#include "views/column_manager.h"
#include "views/column_mgr_dlg_model.h"

using Model = CDvColumnMgrDlgModel;

namespace {

QString dialogText(std::u16string_view text) { return toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

QString titleOf(const DvColumn& column) {
    return toQString(column.displayName.empty() ? column.name : column.displayName);
}

class QtColumnMgrHost final : public DvColumnMgrHost {
public:
    QtColumnMgrHost(QWidget* parent, CDvDoc& doc) : parent_(parent), doc_(doc) {}
    bool RunVisibleColumnsDialog(CDvColumnMgrDlgModel& dialog) override {
        ColumnManagerDialog window(dialog, doc_, parent_);
        return window.exec() == QDialog::Accepted;
    }
    void RefreshViews() override {
        if (DvMainWindow()) DvMainWindow()->RefreshContents(0);
    }

private:
    QWidget* parent_;
    CDvDoc& doc_;
};

}  // namespace

ColumnManagerDialog::ColumnManagerDialog(CDvColumnMgrDlgModel& model, CDvDoc& doc, QWidget* parent)
    : QDialog(parent), model_(model), doc_(doc), available_(new QListWidget), visible_(new QTreeWidget),
      source_(new QLabel) {
    setWindowTitle(toQString(Model::kTitle));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(dialogText(model_.Heading()));
    heading->setWordWrap(true);
    layout->addWidget(heading);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Available columns")), 0, 0);
    auto* basedOn = new QHBoxLayout;
    basedOn->addWidget(new QLabel(toQString(Model::kSourceLabel)));
    basedOn->addWidget(source_, 1);
    grid->addLayout(basedOn, 0, 2);
    grid->addWidget(available_, 1, 0);
    auto* add = new QPushButton(QStringLiteral(">"));
    add->setFixedWidth(40);
    grid->addWidget(add, 1, 1, Qt::AlignVCenter);
    visible_->setRootIsDecorated(false);
    visible_->setHeaderLabels({QStringLiteral("Visible columns"), QStringLiteral("From")});
    visible_->header()->setStretchLastSection(true);
    visible_->setColumnWidth(0, 180);
    grid->addWidget(visible_, 1, 2);
    auto* side = new QVBoxLayout;
    auto* remove = new QPushButton(QStringLiteral("Delete"));
    auto* up = new QPushButton(QStringLiteral("Move up"));
    auto* down = new QPushButton(QStringLiteral("Move down"));
    auto* reset = new QPushButton(QStringLiteral("Reset all"));
    auto* manage = new QPushButton(QStringLiteral("Manage"));
    for (QPushButton* button : {remove, up, down, reset, manage}) side->addWidget(button);
    side->addStretch();
    grid->addLayout(side, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid, 1);
    auto* sources = new QCheckBox(toQString(Model::kShowSourcesLabel));
    layout->addWidget(sources);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &ColumnManagerDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    // Each button hands the visible selection to the model, runs its step and shows the result.
    const std::pair<QObject*, void (Model::*)()> steps[] = {{add, &Model::AddSelected},      {remove, &Model::DeleteSelected},
                                                           {up, &Model::MoveUp},            {down, &Model::MoveDown},
                                                           {reset, &Model::ResetAll}};
    for (const auto& [button, step] : steps)
        connect(static_cast<QPushButton*>(button), &QPushButton::clicked, this, [this, step = step] { runStep(step); });
    connect(available_, &QListWidget::itemDoubleClicked, this, [this] { runStep(&Model::AddSelected); });
    connect(manage, &QPushButton::clicked, this, [this] {
        takeSelection();
        ColumnUserFieldsDialog dialog(doc_, model_.FolderPath(), model_.ItemType(), this);
        dialog.exec();
        model_.ReloadAvailable();
        fill();
    });
    connect(sources, &QCheckBox::toggled, this, [this](bool on) {
        model_.showSources = on;
        visible_->setColumnHidden(1, !on);
    });
    sources->setChecked(model_.showSources);
    visible_->setColumnHidden(1, !model_.showSources);
    resize(760, 520);
    fill();
}

void ColumnManagerDialog::runStep(void (Model::*step)()) {
    takeSelection();
    (model_.*step)();
    fill();
}

void ColumnManagerDialog::takeSelection() {
    model_.selectedAvailable = available_->currentRow();
    QTreeWidgetItem* current = visible_->currentItem();
    model_.selectedVisible = current && current->isSelected() ? visible_->indexOfTopLevelItem(current) : -1;
}

void ColumnManagerDialog::fill() {
    available_->clear();
    for (const DvColumn& column : model_.Available()) {
        auto* entry = new QListWidgetItem(titleOf(column), available_);
        entry->setToolTip(toQString(column.name));
    }
    if (model_.selectedAvailable >= 0) available_->setCurrentRow(model_.selectedAvailable);
    visible_->clear();
    for (const DvColumn& column : model_.Visible()) {
        auto* entry = new QTreeWidgetItem(visible_, {titleOf(column), toQString(column.source)});
        entry->setToolTip(0, toQString(column.name));
    }
    if (QTreeWidgetItem* selected = visible_->topLevelItem(model_.selectedVisible)) visible_->setCurrentItem(selected);
    source_->setText(toQString(model_.VisibleSource()));
}

void ColumnManagerDialog::accept() {
    if (model_.Ok()) QDialog::accept();
}

void DvOpenColumnManager(QWidget* parent, CDvDoc& doc, const QString& folderPath, int itemType, bool askScope) {
    QtColumnMgrHost host(parent, doc);
    DvColumnsOpenColumnMgrDlg(doc, fromQString(folderPath), itemType, askScope, host);
}
