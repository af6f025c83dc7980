#pragma once
// Texts shared by the column dialogs; only views/*.cpp include this.
#include <string>
#include <string_view>

namespace dv::detail {

/// The dialogs' heading: `first` line, the scope, the item type and the hint about other views.
std::u16string columnDialogHeading(std::u16string_view first, std::u16string_view folderPath, int itemType);

}  // namespace dv::detail
