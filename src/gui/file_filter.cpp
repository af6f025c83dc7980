#include "gui/file_filter.h"

#include <QStringList>

#include "gui/qt_ui.h"

QString DvQtFileFilter(std::u16string_view filter) {
    const QStringList parts = toQString(filter).split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        out << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
    }
    return out.join(QStringLiteral(";;"));
}
