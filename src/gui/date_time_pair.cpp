#include "gui/date_time_pair.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QToolButton>

QDateTime DvToQDateTime(const DvDateTime& value) {
    dv::CivilTime t;
    if (!value.ToCivil(t)) return {};
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
}

DvDateTime DvFromQDateTime(const QDateTime& value) {
    const QDate d = value.date();
    const QTime t = value.time();
    return DvDateTime::FromFields(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

DateTimePair::DateTimePair(QWidget* parent)
    : QWidget(parent), date_(new QDateEdit), time_(new QTimeEdit), menu_(new QToolButton) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(QStringLiteral("ddd dd MMM yyyy"));
    time_->setDisplayFormat(QStringLiteral("HH:mm"));
    menu_->setText(QStringLiteral("..."));
    row->addWidget(date_, 1);
    row->addWidget(time_);
    row->addWidget(menu_);
    connect(date_, &QDateEdit::dateChanged, this, [this](QDate) {
        if (!showing_ && dateEdited) dateEdited(DvFromQDateTime(QDateTime(date_->date(), time_->time())));
    });
    connect(time_, &QTimeEdit::timeChanged, this, [this](QTime) {
        if (!showing_ && timeEdited) timeEdited(DvFromQDateTime(QDateTime(date_->date(), time_->time())));
    });
    connect(menu_, &QToolButton::clicked, this, [this] {
        if (menuRequested) menuRequested();
    });
}

void DateTimePair::setValue(const DvDateTime& date, const DvDateTime& time) {
    showing_ = true;
    const QDateTime d = DvToQDateTime(date);
    const QDateTime t = DvToQDateTime(time);
    if (d.isValid()) date_->setDate(d.date());
    if (t.isValid()) time_->setTime(t.time());
    showing_ = false;
}
