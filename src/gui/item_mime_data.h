#pragma once
// Items on their way through drag and drop and the clipboard: the link text of the items, as the
// program's own format and as plain text, so that a drop onto the folder tree and a paste read
// the same thing.
#include <QString>
#include <QStringList>

class CDvDoc;
class QMimeData;

/// The drag and clipboard format of items: the UTF-8 link text of the items.
inline constexpr char kDvItemsMimeType[] = "application/x-dayvault-items";

/// The link text of those of `guids` still in the document, joined with "\r\n".
QString DvItemsLinkText(CDvDoc& doc, const QStringList& guids);
/// The link text as kDvItemsMimeType (UTF-8) and as plain text; nullptr when no item exists.
QMimeData* DvItemsMimeData(CDvDoc& doc, const QStringList& guids);
/// The link text that `data` carries: the program's format first, else its plain text.
QString DvLinkTextOf(const QMimeData& data);
