#pragma once
// A small, realistic database for a first look at the program: a folder tree, this week's tasks
// (some repeating, some with reminders), to-dos with deadlines, formatted notes and contacts,
// with keywords throughout. Dates are placed around `today` so the agenda is never empty.
#include "core/date_time.h"

class CDvDoc;

void DvFillDemoDatabase(CDvDoc& doc, const DvDateTime& today);
