#include "gui/general_tab.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include "gui/qt_ui.h"

namespace {

// A command text such as "dv_item_edit:{GUID}" is no valid URL (the underscore may not be in a
// scheme), and the browser hands links over as URLs: the anchor names the run instead.
constexpr char kLinkScheme[] = "agenda-run";

QTextCharFormat formatFor(const DvAgendaRun& run, size_t index) {
    QTextCharFormat f;
    switch (run.style) {
    case DvAgendaStyle::Plain:
        break;
    case DvAgendaStyle::Heading:
        f.setFontPointSize(15);
        f.setFontWeight(QFont::Bold);
        f.setFontItalic(true);
        f.setForeground(QColor(0x1f, 0x3a, 0x68));
        break;
    case DvAgendaStyle::Hint:
        f.setFontPointSize(8);
        f.setForeground(QColor(0x70, 0x70, 0x70));
        break;
    case DvAgendaStyle::DayHeading:
        f.setFontWeight(QFont::Bold);
        f.setForeground(QColor(0x1f, 0x3a, 0x68));
        break;
    case DvAgendaStyle::TodayHeading:
        f.setFontWeight(QFont::Bold);
        f.setForeground(QColor(0xc0, 0x39, 0x2b));
        break;
    case DvAgendaStyle::Entry:
        f.setForeground(QColor(0x1a, 0x5f, 0xb4));
        break;
    case DvAgendaStyle::ImportantEntry:
        f.setFontWeight(QFont::Bold);
        f.setForeground(QColor(0xb0, 0x00, 0x20));
        break;
    case DvAgendaStyle::Contents:
        f.setFontItalic(true);
        f.setForeground(QColor(0x55, 0x55, 0x55));
        break;
    case DvAgendaStyle::AddLink:
        f.setFontPointSize(8);
        f.setFontUnderline(true);
        f.setForeground(QColor(0x2e, 0x7d, 0x32));
        break;
    }
    if (!run.link.empty()) {
        f.setAnchor(true);
        f.setAnchorHref(QStringLiteral("%1:%2").arg(QLatin1String(kLinkScheme)).arg(index));
    }
    return f;
}

// The page's line breaks are "\r\n"; a text document wants one paragraph break per line.
QString documentText(std::u16string_view text) {
    QString out = toQString(text);
    out.remove(QLatin1Char('\r'));
    return out;
}

}  // namespace

GeneralTab::GeneralTab(CDvDoc& doc, QWidget* toDoList, QWidget* parent)
    : QWidget(parent), doc_(doc), browser_(new QTextBrowser), calendar_(new QCalendarWidget), slider_(new QSlider),
      sliderLabel_(new QLabel), toDoList_(toDoList) {
    setObjectName(QStringLiteral("generalTab"));
    browser_->setObjectName(QStringLiteral("agenda"));
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() != QLatin1String(kLinkScheme)) return;
        bool ok = false;
        const qsizetype run = url.path().toLongLong(&ok);
        if (ok && run >= 0 && run < static_cast<qsizetype>(page_.runs.size()))
            openLink(toQString(page_.runs[static_cast<size_t>(run)].link));
    });

    calendar_->setObjectName(QStringLiteral("agendaCalendar"));
    calendar_->setGridVisible(false);
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar_->setSelectedDate(QDate(agenda_.startDate.Year(), agenda_.startDate.Month(), agenda_.startDate.Day()));
    // A day picked by the mouse or the arrow keys alike.
    connect(calendar_, &QCalendarWidget::selectionChanged, this, [this] { startDatePicked(); });

    slider_->setOrientation(Qt::Horizontal);
    slider_->setObjectName(QStringLiteral("agendaDetails"));
    slider_->setRange(0, CDvAgendaModel::kMaxDetailLevel);
    slider_->setValue(agenda_.DetailLevel());
    slider_->setPageStep(1);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setToolTip(QStringLiteral("Details"));
    sliderLabel_->setText(QStringLiteral("Details:"));
    connect(slider_, &QSlider::valueChanged, this, [this](int level) {
        agenda_.SetDetailLevel(level);
        rebuild();
    });

    auto* side = new QWidget;
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(calendar_);
    auto* details = new QHBoxLayout;
    details->addWidget(sliderLabel_);
    details->addWidget(slider_, 1);
    sideLayout->addLayout(details);
    auto* toDoCaption = new QLabel(QStringLiteral("<b>To Do</b>"));
    sideLayout->addWidget(toDoCaption);
    sideLayout->addWidget(toDoList_, 1);

    side->setMinimumWidth(calendar_->sizeHint().width());
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(browser_);
    splitter->addWidget(side);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
}

void GeneralTab::startDatePicked() {
    const QDate picked = calendar_->selectedDate();
    // The time of day stays: tasks added by a day's link start at it.
    agenda_.startDate.SetDate(picked.year(), picked.month(), picked.day());
    rebuild();
}

void GeneralTab::setCalendarVisible(bool visible) { calendar_->setVisible(visible); }

void GeneralTab::rebuild() {
    page_ = agenda_.Build(doc_);
    const int scroll = browser_->verticalScrollBar()->value();
    // The page is written in one go; nothing is drawn while it is half written.
    browser_->setUpdatesEnabled(false);
    render(page_, *browser_->document());
    // The browser's own caret was pushed to the end by the writing; left there it would pull the
    // view down to the last day.
    browser_->moveCursor(QTextCursor::Start);
    browser_->verticalScrollBar()->setValue(scroll);
    browser_->setUpdatesEnabled(true);
}

void GeneralTab::render(const DvAgendaPage& page, QTextDocument& document) {
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (size_t i = 0; i < page.runs.size(); ++i) cursor.insertText(documentText(page.runs[i].text), formatFor(page.runs[i], i));
    cursor.endEditBlock();
}

void GeneralTab::openLink(const QString& command) {
    const DvAgendaLink link = CDvAgendaModel::ParseLink(fromQString(command));
    switch (link.kind) {
    case DvAgendaLink::Kind::Edit:
        emit editItemRequested(toQString(link.guid));
        break;
    case DvAgendaLink::Kind::Add:
        emit addItemRequested(link.day);
        break;
    case DvAgendaLink::Kind::None:
        break;
    }
}
