#pragma once
// File chooser filters written as "Name|patterns|Name|patterns||", in the form Qt's file dialogs read.
#include <QString>
#include <string_view>

/// "Image files|*.jpg;*.png|All Files|*.*||" becomes "Image files (*.jpg *.png);;All Files (*.*)".
QString DvQtFileFilter(std::u16string_view filter);
