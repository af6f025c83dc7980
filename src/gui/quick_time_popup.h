#pragma once
// The quick time menu as a popup at the mouse: five submenus of times relative to a base.
#include "schedule/quick_time_menu.h"

class QWidget;

/// Shows `menu` at the mouse position and waits; the choice, or entry -1 when dismissed.
DvQuickTimeChoice DvShowQuickTimeMenu(QWidget* parent, const DvQuickTimeMenu& menu);
