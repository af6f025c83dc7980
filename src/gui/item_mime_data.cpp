#include "gui/item_mime_data.h"

#include <QMimeData>

#include "core/doc.h"
#include "gui/qt_ui.h"
#include "ops/item_links.h"

QString DvItemsLinkText(CDvDoc& doc, const QStringList& guids) {
    auto lock = doc.Lock();
    std::vector<DvLink> links;
    for (const QString& guid : guids)
        if (const CDvItem* item = doc.FindItemByGuid(fromQString(guid))) links.push_back(DvItemLink(*item));
    return toQString(DvLinksText(links));
}

QMimeData* DvItemsMimeData(CDvDoc& doc, const QStringList& guids) {
    const QString text = DvItemsLinkText(doc, guids);
    if (text.isEmpty()) return nullptr;
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kDvItemsMimeType), text.toUtf8());
    data->setText(text);
    return data;
}

QString DvLinkTextOf(const QMimeData& data) {
    const QString type = QString::fromLatin1(kDvItemsMimeType);
    if (data.hasFormat(type)) return QString::fromUtf8(data.data(type));
    return data.text();
}
