#pragma once
// A database on disk with a few tasks, to-dos and notes around a fixed "now" (Thursday 5 March
// 2026, 08:00), opened the way the program opens it, for tests that drive the main window.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTreeView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "app/database_session.h"
#include "app/log.h"
#include "app/options.h"
#include "core/doc.h"
#include "core/folder.h"
#include "gui/main_window.h"
#include "support/scoped_clock.h"
#include "support/scoped_env.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "support/test_items.h"

// Failures print the text, not its UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace dvtest {

inline DvDateTime at(int day, int hour, int minute = 0) { return DvDateTime::FromFields(2026, 3, day, hour, minute); }

inline CDvItem& addTask(CDvDoc& doc, std::u16string title, std::u16string folder, DvDateTime start, DvDateTime end,
                        std::vector<std::u16string> keywords = {}) {
    CDvItem& task = addItem(doc, 1, std::move(title), {std::move(folder)}, std::move(keywords));
    task.taskStart = start;
    task.taskEnd = end;
    return task;
}

/// Lets queued events and timers run until `done` holds or `timeoutMs` have passed (a busy build
/// machine may be late with a timer); returns whether `done` came true.
template <class Done> bool pumpEventsUntil(Done done, int timeoutMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

struct GuiFixture : ::testing::Test {
    TempDir home;
    ScopedEnv config{"XDG_CONFIG_HOME", (home.path() / "config").string()};
    ScopedFakeClock clock{{2026, 3, 5, 8, 0, 0}};
    ScriptedUi ui;
    std::filesystem::path main = home.path() / "db" / "_main_data.dayvault";
    CDvDoc doc;
    // GUIDs of the seed items, as the tests look for them.
    std::u16string dentist, planning, review, groceries, minutes;

    GuiFixture() {
        DvSetLogFolder(home.path() / "logs");
        CreateDatabaseFolder(home.path() / "db");
        CDvDoc seed;
        FindOrCreateFolderPath(seed.root, u"\\Work\\Projects");
        FindOrCreateFolderPath(seed.root, u"\\Home");
        dentist = addTask(seed, u"Dentist", u"\\Home", at(5, 9), at(5, 10), {u"health"}).guid;
        planning = addTask(seed, u"Plan the week", u"\\Work", at(5, 14), at(5, 15), {u"work", u"weekly"}).guid;
        review = addTask(seed, u"Team meeting review", u"\\Work\\Projects", at(7, 11), at(7, 12), {u"work"}).guid;
        groceries = addItem(seed, 2, u"Buy groceries", {u"\\Home"}, {u"home"}).guid;
        minutes = addItem(seed, 3, u"Minutes of the meeting", {u"\\Work\\Projects"}, {u"work"}).guid;
        seed.vars.SetText(u"dv_recent_folder", u"\\");
        seed.Save(main);
        GetOptions(false).LoadOptions();
    }
    ~GuiFixture() override { DvSetLogFolder({}); }

    /// The window over the opened document, started, on the General tab and the root folder.
    std::unique_ptr<MainWindow> openWindow() {
        if (doc.mainFilePath.empty()) {
            EXPECT_TRUE(OpenDocument(main, true, &doc));
        }
        auto window = std::make_unique<MainWindow>(doc);
        window->start();
        return window;
    }

    template <class W> static W* child(QObject& parent, const char* name = nullptr) {
        return name ? parent.findChild<W*>(QString::fromLatin1(name)) : parent.findChild<W*>();
    }

    /// Selects the folder in the tree as a click would; the window refreshes.
    static void selectFolder(MainWindow& window, const QString& path) {
        auto* tree = child<QTreeWidget>(window);
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->data(0, Qt::UserRole + 1).toString() == path) return tree->setCurrentItem(*it);
        ADD_FAILURE() << "no folder " << path.toStdString();
    }

    /// The title in the row the list of the current tab has focused, empty when none.
    static QString focusedTitle(MainWindow& window) {
        auto* tabs = child<QTabWidget>(window);
        QWidget* page = tabs->currentWidget();
        auto* view = qobject_cast<QTreeView*>(page);
        if (!view) view = page->findChild<QTreeView*>();
        if (!view || !view->currentIndex().isValid()) return {};
        const QAbstractItemModel* model = view->model();
        for (int column = 0; column < model->columnCount(); ++column)
            if (model->headerData(column, Qt::Horizontal).toString() == QStringLiteral("Title"))
                return model->index(view->currentIndex().row(), column).data().toString();
        return {};
    }
};

}  // namespace dvtest
