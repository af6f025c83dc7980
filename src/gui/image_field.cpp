#include "gui/image_field.h"

#include <QFileDialog>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/item_editor_model.h"
#include "gui/file_filter.h"
#include "gui/qt_ui.h"

namespace {
constexpr int kSide = 120;
}

ImageField::ImageField(CDvItemEditorModel& editor, QWidget* parent)
    : QWidget(parent), editor_(editor), picture_(new QLabel), clear_(new QPushButton(QStringLiteral("clear image"))) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    picture_->setObjectName(QStringLiteral("image"));
    picture_->setFixedSize(kSide, kSide);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setFrameShape(QFrame::StyledPanel);
    auto* change = new QPushButton(QStringLiteral("change image..."));
    column->addWidget(picture_, 0, Qt::AlignHCenter);
    column->addWidget(change);
    column->addWidget(clear_);
    connect(change, &QPushButton::clicked, this, [this] { this->change(); });
    connect(clear_, &QPushButton::clicked, this, [this] { this->clear(); });
    refresh();
}

void ImageField::refresh() {
    const QString file = toQString(editor_.ImageFile());
    const QPixmap pixmap(file);
    if (pixmap.isNull())
        picture_->setText(file.isEmpty() ? QStringLiteral("(no image)") : QStringLiteral("(cannot show)"));
    else
        picture_->setPixmap(pixmap.scaled(kSide, kSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture_->setToolTip(file);
    clear_->setEnabled(!file.isEmpty());
}

bool ImageField::change() {
    const QString file = QFileDialog::getOpenFileName(this, QString(), toQString(editor_.ImageFile()),
                                                      DvQtFileFilter(CDvItemEditorModel::kImageFilter));
    if (file.isEmpty()) return false;
    editor_.SetImageFile(fromQString(file));
    refresh();
    return true;
}

void ImageField::clear() {
    if (editor_.ClearImage()) refresh();
}
