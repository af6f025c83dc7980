#pragma once
// The search tool: a folder with its subfolders, the item types, a keyword filter of its own and
// up to six text conditions, all or any of which must match. Double-clicking a result shows the
// item in the main window.
#include <QDialog>
#include <array>

#include "views/search_tool_dlg_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class CDvDoc;
class FilterPane;
class KeywordsEdit;

class SearchToolDialog final : public QDialog {
    Q_OBJECT
public:
    /// Opens on `currentFolder` with the box of the current tab's item type checked (all four for
    /// the General tab, type 0).
    SearchToolDialog(CDvDoc& doc, const QString& currentFolder, int currentTabType, QWidget* parent = nullptr);

    CDvSearchToolDlgModel& model() { return model_; }
    QComboBox* folderBox() const { return folder_; }
    QCheckBox* typeBox(int itemType) const { return types_.at(static_cast<size_t>(itemType - 1)); }
    QComboBox* fieldBox(int row) const { return rows_.at(static_cast<size_t>(row)).field; }
    KeywordsEdit* textBox(int row) const { return rows_.at(static_cast<size_t>(row)).text; }
    QRadioButton* anyModeButton() const { return anyMode_; }
    QTreeWidget* results() const { return results_; }
    QLabel* resultLabel() const { return label_; }
    FilterPane* filterPane() const { return filter_; }

    /// "Find": reads the criteria from the controls and lists the matches.
    void find();
    /// The GUID of result row `row`; empty when its item is gone.
    QString resultGuid(int row);

signals:
    /// Show this item in the main window.
    void itemChosen(const QString& guid);
    /// "Export...": the general export tool on the result items.
    void exportRequested(const QStringList& guids);

private:
    void fillFolders(const QString& current);
    void typesChanged();
    void refreshFieldChoices();
    void showResults();

    CDvDoc& doc_;
    CDvSearchToolDlgModel model_;
    QComboBox* folder_ = nullptr;
    std::array<QCheckBox*, 4> types_{};
    FilterPane* filter_ = nullptr;
    struct Row {
        QComboBox* field;
        KeywordsEdit* text;
    };
    std::array<Row, CDvSearchToolDlgModel::kConditionCount> rows_{};
    QRadioButton* allMode_ = nullptr;
    QRadioButton* anyMode_ = nullptr;
    QTreeWidget* results_ = nullptr;
    QLabel* label_ = nullptr;
    QPushButton* export_ = nullptr;
};
