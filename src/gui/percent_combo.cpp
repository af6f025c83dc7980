#include "gui/percent_combo.h"

#include "gui/qt_ui.h"

void DvFillPercentCombo(QComboBox& combo, const DvPercentChooser& chooser) {
    combo.clear();
    for (const auto& choice : chooser.choices) combo.addItem(toQString(choice));
    const QString preselected = toQString(chooser.preselected);
    if (combo.findText(preselected) < 0) combo.addItem(preselected);
    combo.setCurrentIndex(combo.findText(preselected));
}
