#pragma once
// "Item passes view": the main window's test of whether a collected item is shown. Completed
// tasks and to-dos can be hidden ("Hide completed tasks / todo(s)"); then the live filter decides.
class CDvItem;
class CDvLiveFilter;

class DvViewTest {
public:
    /// Without a filter only the hide-completed rule applies.
    explicit DvViewTest(const CDvLiveFilter* filter = nullptr) : filter_(filter) {}

    bool hideCompleted = false;

    bool ItemPassesView(const CDvItem& item) const;

private:
    const CDvLiveFilter* filter_;
};

/// A task or to-do at 100 percent; notes and contacts are never completed.
bool DvIsCompletedTaskOrToDo(const CDvItem& item);
