#pragma once
// A document built in a few lines for the folder and item operation tests: items are added with
// their folder lists, and every folder they name exists in the tree.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "core/doc.h"
#include "ops/undo.h"
#include "platform/text.h"
#include "support/scripted_ui.h"

class OpsDocument {
public:
    CDvDoc doc;

    /// Appends an item filed under `folders`; returns its GUID.
    std::u16string add(std::u16string title, std::initializer_list<std::u16string> folders, int type = DV_ITEM_NOTE) {
        auto item = std::make_unique<CDvItem>();
        item->NewGuid();
        item->title = std::move(title);
        item->itemType = type;
        for (const auto& path : folders) {
            item->folders.push_back(path);
            folder(path);
        }
        doc.items.push_back(std::move(item));
        doc.RenumberItems();
        return doc.items.back()->guid;
    }

    /// The folder at `path`, created when missing.
    CDvFolder* folder(std::u16string_view path) { return FindOrCreateFolderPath(doc.root, path); }

    CDvItem* find(const std::u16string& guid) { return doc.FindItemByGuid(guid); }
    CDvItem& item(const std::u16string& guid) {
        CDvItem* found = find(guid);
        if (!found) throw std::runtime_error("no item " + dv::toUtf8(guid));
        return *found;
    }
    /// The item's folder list joined with ";", or "(gone)" when it was deleted.
    std::string folders(const std::u16string& guid) {
        const CDvItem* found = find(guid);
        return found ? dv::toUtf8(dv::join(found->folders, u";")) : "(gone)";
    }
    /// Every folder path of the tree, depth first, joined with " ".
    std::string tree() const {
        std::vector<std::u16string> paths;
        collect(doc.root, paths);
        return dv::toUtf8(dv::join(paths, u" "));
    }
    std::vector<std::string> titles() const {
        std::vector<std::string> out;
        for (const auto& item : doc.items) out.push_back(dv::toUtf8(item->title));
        return out;
    }

private:
    static void collect(const CDvFolder& folder, std::vector<std::u16string>& out) {
        for (const auto& child : folder.Children()) {
            out.push_back(FolderPath(child.get()));
            collect(*child, out);
        }
    }
};

/// Each test starts with an empty undo list and a scripted user.
class OpsTest : public ::testing::Test {
protected:
    void SetUp() override { DvUndoList().Clear(); }
    void TearDown() override { DvUndoList().Clear(); }

    ScriptedUi ui;
    OpsDocument d;
};
