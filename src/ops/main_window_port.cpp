#include "ops/main_window_port.h"

namespace {
DvMainWindowPort* installedWindow = nullptr;
}

DvMainWindowPort* DvMainWindow() { return installedWindow; }

void DvSetMainWindow(DvMainWindowPort* window) { installedWindow = window; }

void DvRefreshMainWindow() {
    if (!installedWindow) return;
    installedWindow->RebuildFolderTree();
    installedWindow->RefreshContents(0);
}
