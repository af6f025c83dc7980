#pragma once
// What the four editing windows share: title, keywords, folders, image, the rich-text contents
// with their format bar, the read-only note, "Item..." and OK/Cancel. Each editor adds its own
// fields between the title and the keywords and writes them into the working copy on OK.
#include <QDialog>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/item_editor_model.h"

class QComboBox;
class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;
class ImageField;
class KeywordsEdit;

class ItemEditorDialog : public QDialog {
public:
    ItemEditorDialog(QWidget* parent, CDvDoc& doc, const CDvItem& item, std::u16string_view folder);

    CDvItemEditorModel& model() { return model_; }
    QLineEdit* titleField() const { return title_; }
    KeywordsEdit* keywordsField() const { return keywords_; }
    QListWidget* folderList() const { return folders_; }
    QTextEdit* contentsField() const { return contents_; }
    QPushButton* okButton() const;

    /// The folders ticked in the folder list.
    std::vector<std::u16string> selectedFolders() const;

    /// OK: the editor's own fields, the contents, then the common save; stays open when it fails.
    void accept() override;

protected:
    // The editor's own fields go in rows under the title, labels lined up with "Title:" and
    // "Keywords:". Rows added here are disabled together when the editor is read-only.
    void addFieldRow(const QString& label, QWidget* field);
    void addFieldRow(QWidget* caption, QWidget* field);
    void addFieldRow(const QString& label, QLayout* fields);
    void addFieldRow(QWidget* wholeRow);
    /// The "Priority:" row with its completion drop-down beside it; returns the two drop-downs.
    std::pair<QComboBox*, QComboBox*> addPercentRow(const DvPercentChooser& priority, const DvPercentChooser& completion);
    /// Lays the window out; every editor calls it once at the end of its constructor, after its
    /// own rows. `width` and `height` are the first size.
    void assemble(int width = 780, int height = 580);
    /// Writes the editor's own fields into the working copy.
    virtual void applyFields() {}
    /// The title OK saves.
    virtual QString titleText() const;

private:
    void showItemCommands();
    void writeContents();

    CDvItemEditorModel model_;
    std::u16string folder_;
    QLabel* note_;
    QLineEdit* title_;
    KeywordsEdit* keywords_;
    QListWidget* folders_;
    QTextEdit* contents_;
    ImageField* image_;
    QGridLayout* grid_;
    std::vector<QWidget*> ownFields_;
    QDialogButtonBox* buttons_;
    QPushButton* itemCommands_;
};
