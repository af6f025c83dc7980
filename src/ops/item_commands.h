#pragma once
// The item context menu and the executor of its commands, for a selection of item (and folder)
// references wherever items are listed. Every command stops at the first folder of the selection.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ops/item_actions.h"
#include "ops/item_conversion.h"
#include "ops/item_links.h"

class CDvDoc;
class CDvItem;

enum class DvItemCommandKind {
    Open,
    Copy,
    Paste,
    CopyTitleOnly,
    CopyTitleAndContents,
    CopyEverything,
    ConvertToTask,
    ConvertToTodo,
    ConvertToNote,
    ConvertToContact,
    Priority,          // value: the percent
    Completion,        // value: the percent
    ToggleCompletion,  // "Toogle": 0 when done, else 100
    Remove,
    Locate,
    Properties,
    RunAction,  // value: the index of an item action
};

struct DvItemCommand {
    DvItemCommandKind kind = DvItemCommandKind::Open;
    int value = 0;
    friend bool operator==(const DvItemCommand&, const DvItemCommand&) = default;
};

struct DvItemMenuEntry {
    std::u16string text;                   // with the hint after a tab
    std::optional<DvItemCommand> command;  // none for a submenu
    std::vector<DvItemMenuEntry> submenu;
};

/// The "Item context menu"; the "Item specific" submenu comes last when `actions` is not empty.
std::vector<DvItemMenuEntry> DvItemContextMenu(const std::vector<DvItemAction>& actions = {});

/// One column line of "&Everything": the column's title and this item's value as shown.
struct DvColumnText {
    std::u16string title;
    std::u16string value;
};
/// The columns the column manager defines for an item's type, with the item's values.
using DvItemColumnTexts = std::function<std::vector<DvColumnText>(const CDvItem&)>;
/// Installed by the column manager; until then "&Everything" has no column lines.
void DvSetItemColumnTexts(DvItemColumnTexts provider);

enum class DvCopyDepth { TitleOnly, TitleAndContents, Everything };
/// The text that "Copy as &text" puts on the clipboard.
std::u16string DvItemsAsText(const std::vector<DvLink>& selection, DvCopyDepth depth, CDvDoc* doc = nullptr);

/// Carries out `command` on the selection. `currentFolder` is where paste puts copies and what
/// remove takes the items out of; DV_ITEM_COMMAND_NO_QUESTIONS skips the confirmations.
/// `actions` are the item actions the menu offered (for RunAction). Returns 1 when it did something.
int DvExecuteItemCommand(const std::vector<DvLink>& selection, DvItemCommand command, unsigned flags,
                         std::u16string_view currentFolder, CDvDoc* doc = nullptr,
                         const std::vector<DvItemAction>& actions = {});
