#pragma once
// The picture of an item in its editor (the file named by dv_image_file) with "change image..."
// and "clear image".
#include <QWidget>

class QLabel;
class QPushButton;
class CDvItemEditorModel;

class ImageField final : public QWidget {
public:
    ImageField(CDvItemEditorModel& editor, QWidget* parent = nullptr);

    /// Shows the model's image again.
    void refresh();
    /// "change image...": asks for a file; false when cancelled.
    bool change();
    /// "clear image", after the question.
    void clear();

private:
    CDvItemEditorModel& editor_;
    QLabel* picture_;
    QPushButton* clear_;
};
