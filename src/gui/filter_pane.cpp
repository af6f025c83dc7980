#include "gui/filter_pane.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/qt_ui.h"

FilterPane::FilterPane(CDvLiveFilter& filter, QWidget* parent)
    : QWidget(parent), own_(std::make_unique<CDvFilterDlgModel>(filter, static_cast<DvFilterListener*>(this))), model_(*own_) {
    build();
}

FilterPane::FilterPane(CDvFilterDlgModel& model, QWidget* parent) : QWidget(parent), model_(model) { build(); }

FilterPane::~FilterPane() = default;

void FilterPane::build() {
    setObjectName(QStringLiteral("liveFilterPane"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    status_ = new QLabel(toQString(model_.StatusText()), this);
    status_->setObjectName(QStringLiteral("filterStatus"));
    status_->setStyleSheet(QStringLiteral("color: #b00020; font-weight: bold;"));
    layout->addWidget(status_);

    textCheck_ = new QCheckBox(QStringLiteral("Text filter active"), this);
    phrase_ = new QLineEdit(this);
    phrase_->setObjectName(QStringLiteral("filterPhrase"));
    layout->addWidget(textCheck_);
    layout->addWidget(phrase_);

    keywordCheck_ = new QCheckBox(QStringLiteral("Keywords filter active"), this);
    keywords_ = new QListWidget(this);
    keywords_->setObjectName(QStringLiteral("filterKeywords"));
    keywords_->setSelectionMode(QAbstractItemView::MultiSelection);
    layout->addWidget(keywordCheck_);
    layout->addWidget(keywords_, 1);

    auto* modes = new QHBoxLayout;
    or_ = new QRadioButton(QStringLiteral("OR"), this);
    and_ = new QRadioButton(QStringLiteral("And"), this);
    options_ = new QToolButton(this);
    options_->setText(QStringLiteral(">>"));
    modes->addWidget(or_);
    modes->addWidget(and_);
    modes->addStretch(1);
    modes->addWidget(options_);
    layout->addLayout(modes);

    textCheck_->setChecked(model_.Filter().TextFilterOn());
    phrase_->setText(toQString(model_.Filter().Phrase()));
    keywordCheck_->setChecked(model_.Filter().KeywordFilterOn());
    (model_.Filter().allKeywords ? and_ : or_)->setChecked(true);

    connect(textCheck_, &QCheckBox::toggled, this, [this](bool on) {
        model_.SetTextFilterActive(on);
        updateControls();
    });
    connect(phrase_, &QLineEdit::textChanged, this, [this](const QString& text) { model_.SetPhrase(fromQString(text)); });
    connect(keywordCheck_, &QCheckBox::toggled, this, [this](bool on) {
        model_.SetKeywordFilterActive(on);
        syncKeywordList();
        updateControls();
    });
    connect(keywords_, &QListWidget::itemSelectionChanged, this, [this] { keywordSelectionChanged(); });
    connect(or_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) model_.SetAllKeywordsMode(false);
    });
    connect(and_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) model_.SetAllKeywordsMode(true);
    });
    connect(options_, &QToolButton::clicked, this, [this] { showOptionsMenu(); });

    syncKeywordList();
    updateControls();
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    timer_.start(CDvFilterDlgModel::kTickMs);
}

void FilterPane::updateControls() {
    const struct {
        QWidget* widget;
        DvFilterControl control;
    } controls[] = {{textCheck_, DvFilterControl::TextCheck}, {phrase_, DvFilterControl::Phrase},
                    {keywordCheck_, DvFilterControl::KeywordCheck}, {keywords_, DvFilterControl::KeywordList},
                    {or_, DvFilterControl::Or}, {and_, DvFilterControl::And}, {options_, DvFilterControl::Options}};
    for (const auto& c : controls) {
        c.widget->setEnabled(model_.IsEnabled(c.control));
        c.widget->setToolTip(toQString(model_.Tooltip(c.control)));
    }
}

void FilterPane::syncKeywordList() {
    const CDvLiveFilter& filter = model_.Filter();
    syncing_ = true;
    keywords_->clear();
    for (int row = 0; row < filter.RowCount(); ++row) {
        auto* item = new QListWidgetItem(toQString(filter.RowText(row)), keywords_);
        item->setSelected(filter.IsRowSelected(row));
    }
    syncing_ = false;
}

// The list widget reports a selection, not which row changed: hand over the rows that differ.
void FilterPane::keywordSelectionChanged() {
    if (syncing_) return;
    const CDvLiveFilter& filter = model_.Filter();
    for (int row = 0; row < keywords_->count() && row < filter.RowCount(); ++row) {
        const bool selected = keywords_->item(row)->isSelected();
        if (selected != filter.IsRowSelected(row)) model_.SetRowSelected(row, selected);
    }
}

void FilterPane::showOptionsMenu() {
    QMenu menu(this);
    for (const DvFilterMenuEntry& entry : model_.OptionsMenu()) {
        if (entry.command == DvFilterMenuCommand::Separator) {
            menu.addSeparator();
            continue;
        }
        const DvFilterMenuCommand command = entry.command;
        connect(menu.addAction(toQString(entry.text)), &QAction::triggered, this,
                [this, command] { runMenuCommand(command); });
    }
    menu.exec(options_->mapToGlobal(QPoint(0, options_->height())));
}

void FilterPane::runMenuCommand(DvFilterMenuCommand command) {
    model_.RunMenuCommand(command);
    syncKeywordList();
}

void FilterPane::tick() {
    model_.Tick();
    status_->setText(toQString(model_.StatusText()));
}
