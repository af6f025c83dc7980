#include "gui/program_icon.h"

QIcon DvProgramIcon() {
    static const QIcon icon = [] {
        QIcon built;
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            built.addFile(QStringLiteral(":/dayvault/icons/dayvault-%1.png").arg(size), QSize(size, size));
        return built;
    }();
    return icon;
}
