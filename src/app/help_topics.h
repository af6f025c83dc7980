#pragma once
// Help pages ship with the program in its "help" folder; a topic names the page after "::/", as
// in "dayvault.chm::/tools/smartbox.htm".
#include <filesystem>
#include <string_view>

/// The page file of `topic` in the help folder among the program's resources. A topic without
/// "::" is a page path itself.
std::filesystem::path DvHelpTopicFile(std::u16string_view topic);
