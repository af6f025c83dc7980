#pragma once
// A main window for tests: installs itself and records what the operations ask of it, one line
// per call ("tree", "refresh 0", "select \A", ...), in order.
#include <string>
#include <vector>

#include "ops/main_window_port.h"
#include "platform/text.h"

class RecordingMainWindow final : public DvMainWindowPort {
public:
    RecordingMainWindow() { DvSetMainWindow(this); }
    ~RecordingMainWindow() override { DvSetMainWindow(nullptr); }
    RecordingMainWindow(const RecordingMainWindow&) = delete;
    RecordingMainWindow& operator=(const RecordingMainWindow&) = delete;

    std::vector<std::string> calls;

    void RebuildFolderTree() override { calls.push_back("tree"); }
    void SelectFolder(std::u16string_view path) override { calls.push_back("select " + dv::toUtf8(path)); }
    void RefreshContents(int flags) override { calls.push_back("refresh " + std::to_string(flags)); }
    void ShowTreeHint(std::u16string_view text) override { calls.push_back("hint " + dv::toUtf8(text)); }
    void OpenItemEditor(std::u16string_view guid) override { calls.push_back("edit " + dv::toUtf8(guid)); }
    void ShowItemProperties(const std::vector<std::u16string>& guids) override {
        calls.push_back("properties " + dv::toUtf8(dv::join(guids, u" ")));
    }
    void LocateItem(std::u16string_view folderPath, std::u16string_view guid) override {
        calls.push_back("locate " + dv::toUtf8(folderPath) + " " + dv::toUtf8(guid));
    }
    void OpenFolderProperties(std::u16string_view folderGuid) override {
        calls.push_back("folder properties " + dv::toUtf8(folderGuid));
    }
};
