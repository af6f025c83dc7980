#pragma once
// A date field, a time field and the "..." button of the quick time menu, side by side: how the
// editors edit a start, an end or a deadline. The owner keeps the rules; this widget reports
// which part the user changed and shows what the rules decided.
#include <QWidget>
#include <functional>

#include "core/date_time.h"

class QDateEdit;
class QTimeEdit;
class QToolButton;

QDateTime DvToQDateTime(const DvDateTime& value);
DvDateTime DvFromQDateTime(const QDateTime& value);

class DateTimePair final : public QWidget {
public:
    explicit DateTimePair(QWidget* parent = nullptr);

    /// Shows a date (from `date`) and a time of day (from `time`) without reporting a change.
    void setValue(const DvDateTime& date, const DvDateTime& time);

    /// Called with the field's new value after the user changed the date or the time.
    std::function<void(const DvDateTime&)> dateEdited;
    std::function<void(const DvDateTime&)> timeEdited;
    /// Called when the "..." button is pressed.
    std::function<void()> menuRequested;

    QDateEdit* dateField() const { return date_; }
    QTimeEdit* timeField() const { return time_; }
    QToolButton* menuButton() const { return menu_; }

private:
    QDateEdit* date_;
    QTimeEdit* time_;
    QToolButton* menu_;
    bool showing_ = false;
};
