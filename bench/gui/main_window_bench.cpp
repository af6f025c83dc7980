// How quickly the main window answers on a large database: opening it and showing the window,
// switching tabs, changing folders, and the refresh a keystroke in the live filter causes.
// Runs on Qt's offscreen platform unless another is chosen; the items come from the sample
// generator (DV_BENCH_ITEMS, 100000 by default).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/database_session.h"
#include "app/options.h"
#include "core/doc.h"
#include "gui/filter_pane.h"
#include "gui/main_window.h"
#include "gui/qt_ui.h"
#include "sample_database.h"

namespace fs = std::filesystem;

namespace {

fs::path gMainFile;

void settle() { QApplication::processEvents(); }

/// One window over the opened database, shared by the benchmarks that need it shown.
struct ShownWindow {
    CDvDoc doc;
    std::unique_ptr<MainWindow> window;
    ShownWindow() {
        OpenDocument(gMainFile, true, &doc);
        window = std::make_unique<MainWindow>(doc);
        window->start();
        settle();
    }
    ~ShownWindow() { window->exitWithoutSaving(); }
    QTabWidget* tabs() const { return window->findChild<QTabWidget*>(); }
    QTreeWidget* folders() const { return window->findChild<QTreeWidget*>(); }
};

ShownWindow& shown() {
    static ShownWindow w;
    return w;
}

void BM_OpenAndShowMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        CDvDoc doc;
        OpenDocument(gMainFile, true, &doc);
        MainWindow window(doc);
        window.start();
        settle();
        state.PauseTiming();
        window.exitWithoutSaving();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenAndShowMainWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_TabSwitch(benchmark::State& state) {
    QTabWidget* tabs = shown().tabs();
    int tab = 0;
    for (auto _ : state) {
        tab = tab % 4 + 1;  // Schedule, To Do, Notes, Contacts
        tabs->setCurrentIndex(tab);
        settle();
    }
}
BENCHMARK(BM_TabSwitch)->Unit(benchmark::kMillisecond);

void BM_FolderChange(benchmark::State& state) {
    QTreeWidget* folders = shown().folders();
    shown().tabs()->setCurrentIndex(2);
    QTreeWidgetItem* root = folders->topLevelItem(0);
    int child = 0;
    for (auto _ : state) {
        child = (child + 1) % root->childCount();
        folders->setCurrentItem(root->child(child));
        settle();
    }
}
BENCHMARK(BM_FolderChange)->Unit(benchmark::kMillisecond);

// A keystroke in the live filter's phrase, once the pane's 200 ms tick has passed: the lists
// refill with the items whose titles hold the phrase.
void BM_FilterKeystroke(benchmark::State& state) {
    auto* pane = shown().window->findChild<FilterPane*>();
    for (QCheckBox* box : pane->findChildren<QCheckBox*>())
        if (box->text() == QStringLiteral("Text filter active")) box->setChecked(true);
    QLineEdit* phrase = pane->findChild<QLineEdit*>();
    shown().tabs()->setCurrentIndex(2);
    shown().folders()->setCurrentItem(shown().folders()->topLevelItem(0));
    const QString typed[] = {QStringLiteral("b"), QStringLiteral("bu"), QStringLiteral("bud"), QStringLiteral("bu")};
    int i = 0;
    for (auto _ : state) {
        phrase->setText(typed[i++ % 4]);
        pane->tick();
        settle();
    }
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const fs::path home = fs::temp_directory_path() / ("dayvault-window-bench-" + std::to_string(getpid()));
    fs::create_directories(home);
    setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    QApplication app(argc, argv);
    QtUi ui;
    GetOptions(false).LoadOptions();

    const char* count = std::getenv("DV_BENCH_ITEMS");
    gMainFile = home / "db" / "_main_data.dayvault";
    CreateDatabaseFolder(home / "db");
    {
        CDvDoc sample;
        DvFillSampleDatabase(sample, count ? std::atoi(count) : 100000);
        sample.Save(gMainFile);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(home);
    return 0;
}
