#include "gui/quick_time_popup.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

#include "gui/qt_ui.h"

DvQuickTimeChoice DvShowQuickTimeMenu(QWidget* parent, const DvQuickTimeMenu& menu) {
    QMenu popup(parent);
    for (const DvQuickTimeSubmenu& sub : menu.Submenus()) {
        // Menu texts already escape "&" as "&&", the way Qt menus read them too.
        QMenu* entries = popup.addMenu(toQString(sub.title));
        for (size_t i = 0; i < sub.labels.size(); ++i)
            entries->addAction(toQString(sub.labels[i]))->setData(sub.firstEntry + static_cast<int>(i));
    }
    const QAction* chosen = popup.exec(QCursor::pos());
    return menu.Choose(chosen ? chosen->data().toInt() : -1);
}
