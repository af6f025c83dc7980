#include "app/list_options.h"

#include "app/options.h"

DvListOptions DvCurrentListOptions() {
    const CDvOptions& options = GetOptions();
    return {options.GetBool(kDvOptPriorityAsPercents), options.GetBool(kDvOptCompletedAsPercents)};
}
