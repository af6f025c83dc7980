#pragma once
// The smart box without a window: one line such as "task;Call the dentist" becomes a new item in
// the chosen folder. The keyword before the first ";" picks the type, otherwise the type buttons
// do; a task starts at the picked date and time and lasts 15 minutes.
#include <string>
#include <string_view>

#include "core/date_time.h"
#include "core/item.h"

class CDvDoc;

/// What a successful Add leaves to the window.
struct DvSmartBoxAdded {
    CDvItem* item = nullptr;       // the appended item; nullptr when nothing was added
    bool refreshContents = false;  // the main window must run RefreshContents, and the box hide
    explicit operator bool() const { return item != nullptr; }
};

class CDvSmartBoxModel {
public:
    static constexpr std::u16string_view kTitle = u"Dayvault :: Smart Box";
    static constexpr std::u16string_view kHelpTopic = u"dayvault.chm::/tools/smartbox.htm";

    /// Starts as Reset leaves it.
    CDvSmartBoxModel();

    std::u16string text;               // "Quickly &add:"
    int selectedType = DV_ITEM_TODO;   // the type button selected, DV_ITEM_TASK..DV_ITEM_CONTACT; 0 none
    std::u16string folder;             // the folder chooser; empty means the root
    DvDateTime datePicker;             // "Task &Start:" date; only its calendar date counts
    DvDateTime timePicker;             // and time; only its time of day counts

    /// Empty text, "ToDo" selected, the root folder, the date now and the time 30 minutes on.
    void Reset();

    /// Fills a freshly constructed item from the box: fresh GUID and stamps, type, title, the one
    /// folder, and for a task its start and 15-minute end. False (the item half filled) for an
    /// empty text, or when neither the keyword nor a type button gives a type.
    bool Parse(CDvItem& item) const;

    /// "&Add": parses into a new item and appends it to `doc` under its lock, then resets the box.
    /// On failure it beeps and leaves the box and its text as they are.
    DvSmartBoxAdded Add(CDvDoc& doc);

    /// Every showing of the window.
    void Shown() { justShown_ = true; }
    /// The 200-millisecond timer: selects the type button the text resolves to, and returns true
    /// once after each showing, when the window must come to the front with the focus in the text.
    bool Tick();
    /// The date and time pickers and their "..." button are enabled while the text resolves to a
    /// task.
    bool PickersEnabled() const;

private:
    struct Entry {
        std::u16string keyword;  // lower case; empty without a ";"
        std::u16string title;
    };
    Entry splitEntry() const;
    /// The keyword's type, else the selected button's; DV_ITEM_UNDEFINED when neither gives one.
    int typeFor(std::u16string_view keyword) const;
    int resolvedType() const;

    bool justShown_ = false;
};
