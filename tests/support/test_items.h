#pragma once
// Items for view tests, added to a document with a GUID derived from their place so that failures
// name them readably.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/doc.h"
#include "platform/numbers.h"

namespace dvtest {

/// Appends an item of `type` titled `title` in `folders` with `keywords` (already lower case). GUIDs
/// count up through the whole test run, so an item added after a deletion never repeats one.
inline CDvItem& addItem(CDvDoc& doc, int type, std::u16string title, std::vector<std::u16string> folders = {u"\\"},
                        std::vector<std::u16string> keywords = {}) {
    auto item = std::make_unique<CDvItem>();
    item->itemType = type;
    item->title = std::move(title);
    item->folders = std::move(folders);
    item->keywords = std::move(keywords);
    static int64_t made = 0;
    const std::u16string number = dv::formatInt64(++made);
    item->guid = u"{00000000-0000-0000-0000-" + std::u16string(12 - number.size(), u'0') + number + u"}";
    item->index = static_cast<int>(doc.items.size());
    doc.items.push_back(std::move(item));
    return *doc.items.back();
}

/// Gives the item RTF contents whose plain text is `text` (ASCII).
inline void setContents(CDvItem& item, std::string_view text) {
    const std::string rtf = "{\\rtf1 " + std::string(text) + "}";
    item.contents.Assign({reinterpret_cast<const uint8_t*>(rtf.data()), rtf.size()});
    item.InvalidatePlainText();
}

}  // namespace dvtest
