#include "ops/item_links.h"

#include <algorithm>

#include "core/doc.h"
#include "ops/document_p.h"
#include "ops/folder_operations.h"
#include "ops/folder_paths.h"
#include "ops/item_operations.h"
#include "platform/text.h"
#include "platform/ui.h"

using dv::detail::docOrCurrent;

namespace {

constexpr size_t kGuidLength = 38;

bool parseLink(std::u16string_view line, DvLink& link) {
    const size_t open = line.find(u"[{");
    if (open == std::u16string_view::npos) return false;
    const size_t guidStart = open + 1;
    const size_t guidEnd = line.find(u'}', guidStart);
    if (guidEnd == std::u16string_view::npos || guidEnd + 1 - guidStart != kGuidLength) return false;
    const size_t kindAt = guidEnd + 1;
    if (kindAt >= line.size() || (line[kindAt] != DvLink::kItem && line[kindAt] != DvLink::kFolder)) return false;
    link.documentFolder = line.substr(0, open);
    link.guid = line.substr(guidStart, kGuidLength);
    link.kind = line[kindAt];
    link.text.clear();
    const size_t after = kindAt + 1;
    if (after < line.size() && line[after] == u']') return true;
    if (after >= line.size() || line[after] != u',') return false;
    // The free text may hold "]" itself: the link ends at the last one.
    const size_t close = line.rfind(u']');
    if (close == std::u16string_view::npos || close <= after) return false;
    link.text = line.substr(after + 1, close - after - 1);
    return true;
}

std::vector<std::u16string> itemGuidsOf(const std::vector<DvLink>& links) {
    std::vector<std::u16string> guids;
    for (const auto& link : links)
        if (!link.IsFolder()) guids.push_back(link.guid);
    return guids;
}

bool namesSomething(CDvDoc& doc, const DvLink& link) {
    return link.IsFolder() ? DvFindFolderByGuid(doc.root, link.guid) != nullptr
                           : doc.FindItemByGuid(link.guid) != nullptr;
}

}  // namespace

DvLink DvItemLink(const CDvItem& item) {
    DvLink link;
    link.guid = item.guid;
    link.kind = DvLink::kItem;
    return link;
}

DvLink DvFolderLink(const CDvFolder& folder) {
    DvLink link;
    link.guid = folder.guid;
    link.kind = DvLink::kFolder;
    return link;
}

std::u16string DvLinkText(const DvLink& link) {
    std::u16string out = link.documentFolder + u"[" + link.guid + link.kind;
    if (!link.text.empty()) out += u"," + link.text;
    return out + u"]";
}

std::u16string DvLinksText(const std::vector<DvLink>& links) {
    std::vector<std::u16string> texts;
    texts.reserve(links.size());
    for (const auto& link : links) texts.push_back(DvLinkText(link));
    return dv::join(texts, u"\r\n");
}

bool DvParseLinks(std::u16string_view text, std::vector<DvLink>& out) {
    out.clear();
    if (text.size() >= kDvProgramFileName.size() &&
        dv::equalsAsciiNoCase(text.substr(0, kDvProgramFileName.size()), kDvProgramFileName))
        text.remove_prefix(std::min(text.size(), kDvProgramFileName.size() + 1));
    for (std::u16string_view line : dv::split(text, u'\n')) {
        if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
        if (line.empty()) continue;
        DvLink link;
        if (!parseLink(line, link)) {
            out.clear();
            return false;
        }
        out.push_back(std::move(link));
    }
    return !out.empty();
}

int DvItemsOperation(std::u16string_view data, int code, std::u16string_view source, std::u16string_view target,
                     unsigned flags, CDvDoc* given) {
    std::vector<DvLink> links;
    if (!DvParseLinks(data, links)) return 0;
    CDvDoc& doc = docOrCurrent(given);
    auto lock = doc.Lock();
    if (std::none_of(links.begin(), links.end(), [&](const DvLink& l) { return namesSomething(doc, l); })) return 0;
    const std::vector<std::u16string> items = itemGuidsOf(links);
    if (!items.empty()) return DvOperationItems(items, code, source, target, flags, &doc);
    return DvOperationFolderSelection(links, code, target, flags, &doc);
}

bool DvCopyItemsToClipboard(const std::vector<std::u16string>& guids, CDvDoc* given) {
    CDvDoc& doc = docOrCurrent(given);
    auto lock = doc.Lock();
    std::vector<DvLink> links;
    for (const auto& guid : guids)
        if (const CDvItem* item = doc.FindItemByGuid(guid)) links.push_back(DvItemLink(*item));
    if (links.empty()) return false;
    return dv::ui().SetClipboardText(DvLinksText(links));
}

int DvPasteItems(std::u16string_view currentFolder, CDvDoc* doc) {
    std::u16string text;
    if (!dv::ui().GetClipboardText(text)) return 0;
    return DvItemsOperation(text, DV_OPERATION_COPY, {}, currentFolder,
                            DV_OPERATION_FLAG_REFRESH | DV_OPERATION_FLAG_KEEP_TITLE, doc);
}

DvDropChoice DvDropChoiceForKeys(bool alt, bool ctrl) {
    if (alt) return {DV_OPERATION_ADD, DvDropEffect::Link};
    if (ctrl) return {DV_OPERATION_COPY, DvDropEffect::Copy};
    return {DV_OPERATION_MOVE, DvDropEffect::Move};
}

int DvDropOnFolder(std::u16string_view data, bool alt, bool ctrl, std::u16string_view currentFolder,
                   std::u16string_view dropFolder, CDvDoc* doc) {
    return DvItemsOperation(data, DvDropChoiceForKeys(alt, ctrl).code, currentFolder, dropFolder,
                            DV_OPERATION_FLAG_REFRESH, doc);
}
