#pragma once
// The live filter pane: a phrase looked for in titles and a selection of the keywords of the
// current scope, all of them or any. A burst of changes within one 200 ms tick becomes one
// refresh request; the status line blinks while a filter is in force.
#include <QTimer>
#include <QWidget>
#include <memory>

#include "views/filter_panel_model.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QToolButton;

class FilterPane final : public QWidget, private DvFilterListener {
    Q_OBJECT
public:
    /// The main window's pane, on the window's own filter; asks for refreshes by refreshRequested.
    FilterPane(CDvLiveFilter& filter, QWidget* parent = nullptr);
    /// A pane over a panel model owned elsewhere (the search tool's); it asks for nothing.
    explicit FilterPane(CDvFilterDlgModel& model, QWidget* parent = nullptr);
    ~FilterPane() override;

    CDvFilterDlgModel& model() { return model_; }
    /// Shows the filter's keyword list again after the filter rebuilt it.
    void syncKeywordList();
    /// One 200 ms tick of the pane's timer.
    void tick();
    /// Runs a command of the ">>" menu.
    void runMenuCommand(DvFilterMenuCommand command);

signals:
    void refreshRequested();

private:
    void build();
    void updateControls();
    void keywordSelectionChanged();
    void showOptionsMenu();
    void FilterRefreshRequested() override { emit refreshRequested(); }

    std::unique_ptr<CDvFilterDlgModel> own_;
    CDvFilterDlgModel& model_;
    QTimer timer_;
    QLabel* status_ = nullptr;
    QCheckBox* textCheck_ = nullptr;
    QLineEdit* phrase_ = nullptr;
    QCheckBox* keywordCheck_ = nullptr;
    QListWidget* keywords_ = nullptr;
    QRadioButton* or_ = nullptr;
    QRadioButton* and_ = nullptr;
    QToolButton* options_ = nullptr;
    bool syncing_ = false;
};
