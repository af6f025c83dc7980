#include "gui/advisor_pane.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

#include "app/options.h"

AdvisorPane::AdvisorPane(QWidget* parent) : QFrame(parent), text_(new QLabel) {
    setObjectName(QStringLiteral("advisor"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 0, 0);
    auto* icon = new QLabel;
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size, size));
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* close = new QToolButton;
    close->setAutoRaise(true);
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setToolTip(tr("Hide the advisor"));
    connect(close, &QToolButton::clicked, this, [this] { setShown(false); });
    layout->addWidget(icon);
    layout->addWidget(text_, 1);
    layout->addWidget(close);
    setHidden(GetOptions(true).GetBool(kDvOptDontShowAdvisor, false));
}

void AdvisorPane::offer(const QString& text) {
    if (isHidden()) return;
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("  ")).replace(QLatin1Char('\n'), QStringLiteral("  "));
    text_->setText(line.trimmed());
}

QString AdvisorPane::text() const { return text_->text(); }

void AdvisorPane::setShown(bool shown) {
    if (shown == !isHidden()) return;
    setHidden(!shown);
    if (!shown) text_->clear();
    GetOptions(true).SetBool(kDvOptDontShowAdvisor, !shown);
    emit shownChanged(shown);
}
