#pragma once
// The program's icon at every size it is drawn in, for the windows and the tray.
#include <QIcon>

QIcon DvProgramIcon();
