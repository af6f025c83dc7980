#pragma once
// What decides how a list row is drawn, short of fonts and colours: overdue rows take the overdue
// colour, uncompleted tasks and to-dos the list's emphasis font.
#include "core/date_time.h"

class CDvItem;

struct DvRowStyle {
    bool overdue = false;
    bool emphasized = false;
    friend bool operator==(const DvRowStyle&, const DvRowStyle&) = default;
};

/// An uncompleted task that does not repeat and whose end lies before `now`, or an uncompleted
/// to-do with a deadline that lies before `now`. A repeating task always has an occurrence to
/// come, so it is never overdue.
bool DvIsOverdue(const CDvItem& item, const DvDateTime& now);

/// Overdue as above; emphasized for every uncompleted task or to-do.
DvRowStyle DvRowStyleOf(const CDvItem& item, const DvDateTime& now);
