#pragma once
#include <string>
#include <vector>

#include "ops/item_links.h"

namespace dv::detail {

/// The item GUIDs of a selection up to its first folder, where every item command stops.
inline std::vector<std::u16string> itemsBeforeFirstFolder(const std::vector<DvLink>& selection) {
    std::vector<std::u16string> guids;
    for (const auto& link : selection) {
        if (link.IsFolder()) break;
        guids.push_back(link.guid);
    }
    return guids;
}

}  // namespace dv::detail
