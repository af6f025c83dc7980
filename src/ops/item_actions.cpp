#include "ops/item_actions.h"

#include <algorithm>

#include "core/doc.h"
#include "ops/document_p.h"
#include "platform/text.h"
#include "platform/ui.h"

using dv::detail::docOrCurrent;

namespace {

constexpr size_t kMaxLabelLength = 100;
constexpr size_t kMinAddressLength = 8;  // longer than a bare "http://"

struct ContactActionField {
    std::u16string_view name;
    int kind;
};

constexpr ContactActionField kContactActionFields[] = {
    {u"[Personal] E-mails", DV_ITEM_ACTION_EMAIL},     {u"[Business] E-mails", DV_ITEM_ACTION_EMAIL},
    {u"[Personal] Web", DV_ITEM_ACTION_VISIT},         {u"[Business] Web", DV_ITEM_ACTION_VISIT},
    {u"[Personal] Mobile phone", DV_ITEM_ACTION_CALL}, {u"[Business] Mobile phone", DV_ITEM_ACTION_CALL},
    {u"[Personal] Phone", DV_ITEM_ACTION_CALL},        {u"[Business] Phone", DV_ITEM_ACTION_CALL},
    {u"[Personal] Skype", DV_ITEM_ACTION_CALL},        {u"[Business] Skype", DV_ITEM_ACTION_CALL},
};

void appendWebAddresses(std::u16string_view text, std::vector<DvItemAction>& out) {
    size_t from = 0;
    for (;;) {
        const size_t at = std::min(text.find(u"http:", from), text.find(u"https:", from));
        if (at == std::u16string_view::npos) return;
        const size_t end = std::min(text.find_first_of(u" \r\n\t", at), text.size());
        const std::u16string_view address = text.substr(at, end - at);
        if (address.size() >= kMinAddressLength) out.push_back({DV_ITEM_ACTION_VISIT, std::u16string(address), {}});
        from = end;
    }
}

}  // namespace

std::u16string DvItemActionKindName(int kind) {
    switch (kind) {
    case DV_ITEM_ACTION_OPEN:
        return u"Open";
    case DV_ITEM_ACTION_EMAIL:
        return u"Write e-mail to";
    case DV_ITEM_ACTION_VISIT:
        return u"Visit";
    case DV_ITEM_ACTION_CALL:
        return u"Call";
    default:
        return {};
    }
}

std::u16string DvItemActionLabel(const DvItemAction& action) {
    std::u16string label = DvItemActionKindName(action.kind) + u" " + action.target;
    if (!action.extra.empty()) label += u"\t(" + action.extra + u")";
    if (label.size() > kMaxLabelLength) {
        label.resize(kMaxLabelLength);
        label += u"...";
    }
    return label;
}

std::vector<DvItemAction> DvItemActionsOf(const CDvItem& item) {
    std::vector<DvItemAction> actions;
    if (item.itemType == DV_ITEM_CONTACT) {
        for (const auto& field : kContactActionFields) {
            std::u16string value = item.vars.GetText(field.name);
            if (!value.empty()) actions.push_back({field.kind, std::move(value), std::u16string(field.name)});
        }
    }
    appendWebAddresses(item.title + u" " + item.GetPlainText(), actions);
    return actions;
}

std::vector<DvItemAction> DvBuildItemActions(const std::vector<DvLink>& selection, CDvDoc* given) {
    if (selection.size() != 1 || selection.front().IsFolder()) return {};
    CDvDoc& doc = docOrCurrent(given);
    auto lock = doc.Lock();
    const CDvItem* item = doc.FindItemByGuid(selection.front().guid);
    return item ? DvItemActionsOf(*item) : std::vector<DvItemAction>{};
}

void DvRunItemAction(const DvItemAction& action) {
    std::u16string target = action.target;
    if (action.kind == DV_ITEM_ACTION_EMAIL) target = u"mailto:" + target;
    if (action.kind == DV_ITEM_ACTION_CALL) target = u"callto:" + target;
    dv::ui().OpenWithDefaultHandler(std::filesystem::path(dv::toUtf8(target)));
}
