#pragma once
// The periodic sweep of expired temporary tasks, deleting through the item operations so that
// every swept task can be brought back with undo.
class CDvDoc;

/// Deletes every temporary task whose end is more than five minutes past; returns how many.
int DvSweepExpiredTemporaryTasks(CDvDoc& doc);
