#include "gui/search_tool_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/list_options.h"
#include "core/doc.h"
#include "core/folder.h"
#include "gui/filter_pane.h"
#include "gui/keywords_edit.h"
#include "gui/qt_ui.h"

namespace {

constexpr const char* kTypeNames[] = {"Tasks", "To do(s)", "Notes", "Contacts"};

void addFolderPaths(const CDvFolder& folder, QStringList& paths) {
    paths << toQString(FolderPath(&folder));
    for (const auto& child : folder.Children()) addFolderPaths(*child, paths);
}

}  // namespace

SearchToolDialog::SearchToolDialog(CDvDoc& doc, const QString& currentFolder, int currentTabType, QWidget* parent)
    : QDialog(parent), doc_(doc), model_(doc, fromQString(currentFolder), currentTabType) {
    setObjectName(QStringLiteral("searchTool"));
    setWindowTitle(QStringLiteral("Search"));

    auto* criteria = new QWidget;
    auto* left = new QVBoxLayout(criteria);
    left->setContentsMargins(0, 0, 0, 0);

    auto* folderRow = new QHBoxLayout;
    folder_ = new QComboBox;
    folder_->setToolTip(toQString(kDvSearchFolderTooltip));
    folderRow->addWidget(new QLabel(QStringLiteral("Folder:")));
    folderRow->addWidget(folder_, 1);
    left->addLayout(folderRow);
    fillFolders(toQString(model_.Folder()));

    auto* typeRow = new QHBoxLayout;
    for (int type = 1; type <= 4; ++type) {
        auto* box = new QCheckBox(QString::fromLatin1(kTypeNames[type - 1]));
        box->setChecked(model_.IsTypeChecked(type));
        connect(box, &QCheckBox::toggled, this, [this, type](bool on) {
            model_.SetTypeChecked(type, on);
            typesChanged();
        });
        types_[static_cast<size_t>(type - 1)] = box;
        typeRow->addWidget(box);
    }
    auto* selectAll = new QPushButton(QStringLiteral("Select all"));
    connect(selectAll, &QPushButton::clicked, this, [this] {
        model_.SelectAllTypes();
        for (QCheckBox* box : types_) {
            const QSignalBlocker block(box);
            box->setChecked(true);
        }
        typesChanged();
    });
    typeRow->addStretch(1);
    typeRow->addWidget(selectAll);
    left->addLayout(typeRow);

    auto* conditions = new QGroupBox(QStringLiteral("Text"));
    auto* grid = new QGridLayout(conditions);
    for (int row = 0; row < CDvSearchToolDlgModel::kConditionCount; ++row) {
        auto* field = new QComboBox;
        auto* text = new KeywordsEdit;
        text->setContext(&doc_, {model_.Folder()});
        grid->addWidget(field, row, 0);
        grid->addWidget(new QLabel(QStringLiteral("Contains:")), row, 1);
        grid->addWidget(text, row, 2);
        // Only a condition on the keywords offers keyword completion and the comma hint.
        connect(field, &QComboBox::currentTextChanged, text,
                [text](const QString& name) { text->setKeywordsMode(name == toQString(kDvFieldKeywords)); });
        rows_[static_cast<size_t>(row)] = {field, text};
    }
    grid->setColumnStretch(2, 1);
    refreshFieldChoices();
    allMode_ = new QRadioButton(QStringLiteral("All strings should match (AND)"));
    anyMode_ = new QRadioButton(QStringLiteral("Any string should match (OR)"));
    (model_.allMustMatch ? allMode_ : anyMode_)->setChecked(true);
    grid->addWidget(allMode_, CDvSearchToolDlgModel::kConditionCount, 0, 1, 3);
    grid->addWidget(anyMode_, CDvSearchToolDlgModel::kConditionCount + 1, 0, 1, 3);
    left->addWidget(conditions);

    auto* buttons = new QHBoxLayout;
    auto* findButton = new QPushButton(QStringLiteral("Find"));
    findButton->setDefault(true);
    export_ = new QPushButton(QStringLiteral("Export..."));
    export_->setEnabled(false);
    label_ = new QLabel;
    buttons->addWidget(findButton);
    buttons->addWidget(export_);
    buttons->addStretch(1);
    buttons->addWidget(label_);
    left->addLayout(buttons);
    connect(findButton, &QPushButton::clicked, this, [this] { find(); });
    connect(export_, &QPushButton::clicked, this, [this] {
        QStringList guids;
        for (int row = 0; row < results_->topLevelItemCount(); ++row)
            if (const QString guid = resultGuid(row); !guid.isEmpty()) guids << guid;
        emit exportRequested(guids);
    });

    filter_ = new FilterPane(model_.FilterPanel());
    filter_->setMinimumWidth(190);

    auto* top = new QHBoxLayout;
    top->addWidget(criteria, 1);
    top->addWidget(filter_);
    auto* upper = new QWidget;
    upper->setLayout(top);

    results_ = new QTreeWidget;
    results_->setObjectName(QStringLiteral("searchResults"));
    results_->setRootIsDecorated(false);
    results_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    results_->setUniformRowHeights(true);
    connect(results_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QString guid = resultGuid(results_->indexOfTopLevelItem(item));
        if (!guid.isEmpty()) emit itemChosen(guid);
    });

    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(upper);
    split->addWidget(results_);
    split->setStretchFactor(1, 1);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addWidget(close);

    connect(folder_, &QComboBox::currentTextChanged, this, [this](const QString& path) {
        model_.SetFolder(fromQString(path));
        for (Row& row : rows_) row.text->setContext(&doc_, {model_.Folder()});
        filter_->syncKeywordList();
        refreshFieldChoices();
    });
    showResults();
    resize(860, 640);
}

void SearchToolDialog::fillFolders(const QString& current) {
    QStringList paths;
    {
        auto lock = doc_.Lock();
        addFolderPaths(doc_.root, paths);
    }
    const QSignalBlocker block(folder_);
    folder_->clear();
    folder_->addItems(paths);
    int index = -1;
    for (int i = 0; i < paths.size() && index < 0; ++i)
        if (paths[i].compare(current, Qt::CaseInsensitive) == 0) index = i;
    // A folder that no longer exists falls back to the root, as the tree would show it.
    if (index < 0) {
        index = 0;
        model_.SetFolder(fromQString(paths.value(0, QStringLiteral("\\"))));
    }
    folder_->setCurrentIndex(index);
}

void SearchToolDialog::typesChanged() {
    filter_->syncKeywordList();
    refreshFieldChoices();
}

void SearchToolDialog::refreshFieldChoices() {
    QStringList choices;
    {
        auto lock = doc_.Lock();
        for (const std::u16string& name : model_.FieldChoices()) choices << toQString(name);
    }
    for (Row& row : rows_) {
        const QString keep = row.field->currentText();
        const QSignalBlocker block(row.field);
        row.field->clear();
        row.field->addItems(choices);
        row.field->setCurrentIndex(std::max(0, static_cast<int>(choices.indexOf(keep))));
        row.text->setKeywordsMode(row.field->currentText() == toQString(kDvFieldKeywords));
    }
}

void SearchToolDialog::find() {
    for (int row = 0; row < CDvSearchToolDlgModel::kConditionCount; ++row) {
        DvFindCondition& condition = model_.Condition(row);
        condition.field = fromQString(rows_[static_cast<size_t>(row)].field->currentText());
        condition.text = fromQString(rows_[static_cast<size_t>(row)].text->text());
    }
    model_.allMustMatch = allMode_->isChecked();
    model_.Find();
    showResults();
}

void SearchToolDialog::showResults() {
    CDvAnyItemListCtrlModel& list = model_.Results();
    const DvListOptions options = DvCurrentListOptions();
    QStringList headers;
    for (const DvColumn& column : list.Columns()) headers << toQString(column.displayName);
    results_->clear();
    results_->setColumnCount(static_cast<int>(headers.size()));
    results_->setHeaderLabels(headers);
    for (int c = 0; c < static_cast<int>(list.Columns().size()); ++c)
        results_->setColumnWidth(c, list.Columns()[static_cast<size_t>(c)].width);
    {
        auto lock = doc_.Lock();
        for (int row = 0; row < list.RowCount(); ++row) {
            QStringList cells;
            for (int c = 0; c < static_cast<int>(headers.size()); ++c) cells << toQString(list.CellText(row, c, options));
            new QTreeWidgetItem(results_, cells);
        }
    }
    label_->setText(toQString(model_.ResultLabel()));
    // Until the export tool is there to take them, the button would do nothing.
    export_->setEnabled(list.RowCount() > 0 && isSignalConnected(QMetaMethod::fromSignal(&SearchToolDialog::exportRequested)));
}

QString SearchToolDialog::resultGuid(int row) {
    auto lock = doc_.Lock();
    const CDvItem* item = model_.Results().ItemAt(row);
    return item ? toQString(item->guid) : QString();
}
