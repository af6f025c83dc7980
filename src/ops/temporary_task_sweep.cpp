#include "ops/temporary_task_sweep.h"

#include "ops/item_operations.h"
#include "ops/operation_codes.h"
#include "schedule/temporary_tasks.h"

int DvSweepExpiredTemporaryTasks(CDvDoc& doc) {
    return DvSweepTemporaryTasks(doc, [](CDvDoc& target, const std::vector<std::u16string>& guids) {
        DvOperationItems(guids, DV_OPERATION_DELETE, u"\\", u"", 0, &target);
    });
}
