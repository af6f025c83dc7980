#include "views/filter_panel_model.h"

CDvFilterDlgModel::CDvFilterDlgModel(CDvDoc& doc, DvFilterListener* owner)
    : own_(std::make_unique<CDvLiveFilter>(doc)), filter_(*own_), owner_(owner) {}

CDvFilterDlgModel::CDvFilterDlgModel(CDvLiveFilter& filter, DvFilterListener* owner) : filter_(filter), owner_(owner) {}

void CDvFilterDlgModel::SetTextFilterActive(bool on) {
    filter_.SetTextFilterOn(on);
    // Without a phrase the text filter lets everything through either way.
    if (!filter_.Phrase().empty()) changed_ = true;
}

void CDvFilterDlgModel::SetPhrase(std::u16string phrase) {
    filter_.SetPhrase(std::move(phrase));
    changed_ = true;
}

void CDvFilterDlgModel::SetKeywordFilterActive(bool on) {
    filter_.SetKeywordFilterOn(on);
    filter_.RebuildKeywordList();
    changed_ = true;
}

void CDvFilterDlgModel::SetAllKeywordsMode(bool all) {
    if (filter_.allKeywords == all) return;
    filter_.allKeywords = all;
    changed_ = true;
}

void CDvFilterDlgModel::SetRowSelected(int row, bool selected) {
    filter_.SetRowSelected(row, selected);
    changed_ = true;
}

std::vector<DvFilterMenuEntry> CDvFilterDlgModel::OptionsMenu() const {
    std::vector<DvFilterMenuEntry> menu{{DvFilterMenuCommand::SelectAll, u"select all"},
                                        {DvFilterMenuCommand::UnselectAll, u"unselect all"},
                                        {DvFilterMenuCommand::Separator, u""}};
    if (filter_.alphabetical)
        menu.push_back({DvFilterMenuCommand::SortByPopularity, u"sort by popularity"});
    else
        menu.push_back({DvFilterMenuCommand::SortAlphabetically, u"sort alphabetically"});
    return menu;
}

void CDvFilterDlgModel::RunMenuCommand(DvFilterMenuCommand command) {
    switch (command) {
    case DvFilterMenuCommand::SelectAll:
    case DvFilterMenuCommand::UnselectAll:
        filter_.SelectAll(command == DvFilterMenuCommand::SelectAll);
        break;
    case DvFilterMenuCommand::SortByPopularity:
    case DvFilterMenuCommand::SortAlphabetically:
        filter_.alphabetical = command == DvFilterMenuCommand::SortAlphabetically;
        filter_.RebuildKeywordList();
        break;
    case DvFilterMenuCommand::Separator:
        return;
    }
    changed_ = true;
}

bool CDvFilterDlgModel::IsEnabled(DvFilterControl control) const {
    switch (control) {
    case DvFilterControl::Phrase:
        return filter_.TextFilterOn();
    case DvFilterControl::KeywordList:
    case DvFilterControl::Or:
    case DvFilterControl::And:
    case DvFilterControl::Options:
        return filter_.KeywordFilterOn();
    case DvFilterControl::TextCheck:
    case DvFilterControl::KeywordCheck:
        break;
    }
    return true;
}

std::u16string CDvFilterDlgModel::Tooltip(DvFilterControl control) const {
    constexpr std::u16string_view kTextOff = u" ('text filtering' must be active)";
    constexpr std::u16string_view kKeywordsOff = u" ('keywords filtering' must be active)";
    const std::u16string_view keywordsSuffix = filter_.KeywordFilterOn() ? u"" : kKeywordsOff;
    switch (control) {
    case DvFilterControl::TextCheck:
        return u"Activate text filtering (searching in titles)";
    case DvFilterControl::Phrase:
        return u"Enter phrase to be found in items titles" +
               std::u16string(filter_.TextFilterOn() ? std::u16string_view() : kTextOff);
    case DvFilterControl::KeywordCheck:
        return u"Activate keywords filtering";
    case DvFilterControl::KeywordList:
        return u"(Un)select keywords" + std::u16string(keywordsSuffix);
    case DvFilterControl::Or:
        return u"Any of the above keywords can be present" + std::u16string(keywordsSuffix);
    case DvFilterControl::And:
        return u"All of the above keywords must be present" + std::u16string(keywordsSuffix);
    case DvFilterControl::Options:
        return u"More options..." + std::u16string(keywordsSuffix);
    }
    return {};
}

void CDvFilterDlgModel::Tick() {
    if (++ticks_ % kBlinkTicks == 0) {
        blinkShown_ = filter_.IsFilterActive() && !blinkShown_;
        status_ = blinkShown_ ? kActiveLabel : u"";
    }
    if (!changed_) return;
    changed_ = false;
    if (owner_) owner_->FilterRefreshRequested();
}
