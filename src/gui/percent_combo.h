#pragma once
// A priority or completion drop-down filled from its chooser.
#include <QComboBox>

#include "app/item_editor_model.h"

/// Fills `combo` with the chooser's choices and selects the preselected one (added when the
/// item's percentage lies between the offered steps).
void DvFillPercentCombo(QComboBox& combo, const DvPercentChooser& chooser);
