#pragma once
// What the main window's RefreshContents does, without the window: rebuild the live filter's
// keywords for the current folder and tab, count each type for the tab captions, and refill the
// view of the selected tab. The agenda and the calendar are other code's; they are reached
// through the listener.
#include <array>
#include <string>
#include <string_view>

#include "views/list_ctrl_models.h"
#include "views/view_test.h"

class CDvDoc;
class CDvLiveFilter;

/// The tab item type when no tab is selected.
inline constexpr int kDvNoTab = 100;
/// RefreshContents flag: leave the live filter's keyword list as it is.
inline constexpr unsigned DV_REFRESH_KEEP_KEYWORDS = 1;

inline constexpr std::u16string_view kDvTabTypeError = u"Internal error #1a62";

/// "General", "Schedule", "To Do", "Notes", "Contacts" for the tabs 0 to 4; "No such tab" else.
std::u16string DvTabName(int tab);

/// The refills that other parts of the window carry out.
class DvViewContentsListener {
public:
    virtual ~DvViewContentsListener() = default;
    /// The General tab's agenda text.
    virtual void RefillAgenda() {}
    /// The Schedule tab (its list mode fills CDvViewContents::TasksList()).
    virtual void RefreshCalendar() {}
    /// The tab captions changed; read them with TabCaption().
    virtual void TabCaptionsChanged() {}
    /// The item display panel and the status texts, last step of a refresh.
    virtual void UpdateDependentPanels() {}
};

class CDvViewContents {
public:
    CDvViewContents(CDvDoc& doc, CDvLiveFilter& filter, DvViewContentsListener* listener = nullptr);

    /// The folder selected in the folder tree.
    const std::u16string& CurrentFolder() const { return folder_; }
    void SetCurrentFolder(std::u16string path) { folder_ = std::move(path); }
    /// The selected tab's item type: 0 General, 1 Schedule, 2 To Do, 3 Notes, 4 Contacts, or
    /// kDvNoTab.
    int TabItemType() const { return tabType_; }
    void SetTabItemType(int type) { tabType_ = type; }

    /// "Hide completed tasks / todo(s)".
    bool HideCompleted() const { return viewTest_.hideCompleted; }
    void SetHideCompleted(bool hide) { viewTest_.hideCompleted = hide; }

    /// Whether a collected item is shown: the hide-completed rule, then the live filter.
    bool ItemPassesView(const CDvItem& item) const { return viewTest_.ItemPassesView(item); }
    const DvViewTest& ViewTest() const { return viewTest_; }

    /// Refills the view of the selected tab, under the document lock. Unless `flags` holds
    /// DV_REFRESH_KEEP_KEYWORDS the live filter first rebuilds its keywords for the folder and
    /// tab. No tab: nothing more. A tab type outside 0 to 4 is reported ("Internal error #1a62")
    /// and refilled as the General tab.
    void RefreshContents(unsigned flags = 0);

    /// The caption of tab 0 to 4: the tab's name, for the typed tabs followed by " (", the number
    /// of items of the type in the current folder and below, and ")" once a refresh counted them.
    std::u16string TabCaption(int tab) const;

    CDvTasksListCtrlModel& TasksList() { return tasks_; }
    CDvToDoListCtrlModel& ToDoList() { return toDos_; }
    CDvNotesListCtrlModel& NotesList() { return notes_; }
    CDvContactsListCtrlModel& ContactsList() { return contacts_; }

private:
    void countItems();

    CDvDoc& doc_;
    CDvLiveFilter& filter_;
    DvViewContentsListener* listener_;
    DvViewTest viewTest_;
    std::u16string folder_ = u"\\";
    int tabType_ = kDvNoTab;
    std::array<int, 5> counts_{-1, -1, -1, -1, -1};  // per type 1 to 4; -1 before the first count
    CDvTasksListCtrlModel tasks_;
    CDvToDoListCtrlModel toDos_;
    CDvNotesListCtrlModel notes_;
    CDvContactsListCtrlModel contacts_;
};
