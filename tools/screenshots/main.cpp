// dayvault-screenshots DATABASE OUTDIR [ACTION...]: shows the main window on DATABASE and saves
// a picture of the screen for each tab, then for each named menu action (its text without the
// '&', e.g. "Search tool...") with the window or dialog it opens. Meant for a virtual X server,
// where the whole screen is the window: scripts/screenshots.sh runs it under Xvfb.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <filesystem>

#include "app/database_session.h"
#include "app/options.h"
#include "core/doc.h"
#include "gui/main_window.h"
#include "gui/qt_ui.h"

namespace {

void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(const QString& outDir, const QString& name) {
    const QString file = QDir(outDir).filePath(name + QStringLiteral(".png"));
    const bool ok = QGuiApplication::primaryScreen()->grabWindow(0).save(file);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", file.toUtf8().constData());
    return ok;
}

QString fileNameOf(QString text) {
    text.remove(QLatin1Char('&')).remove(QStringLiteral("..."));
    return text.toLower().replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
}

QAction* findAction(QWidget& window, const QString& text) {
    for (QAction* action : window.findChildren<QAction*>())
        if (QString(action->text()).remove(QLatin1Char('&')) == text) return action;
    return nullptr;
}

/// Triggers the action; a modal dialog it opens is pictured and closed from inside its own loop.
bool pictureAction(QWidget& window, const QString& text, const QString& outDir) {
    QAction* action = findAction(window, text);
    if (!action) {
        std::fprintf(stderr, "dayvault-screenshots: no action '%s'\n", text.toUtf8().constData());
        return false;
    }
    bool ok = false;
    QTimer::singleShot(600, [&] {
        ok = save(outDir, fileNameOf(text));
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    action->trigger();
    settle(900);
    if (QWidget* popup = QApplication::activeWindow(); popup && popup != &window) popup->close();
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: dayvault-screenshots DATABASE OUTDIR [ACTION...]\n");
        return 1;
    }
    QtUi ui;
    GetOptions(false).LoadOptions();
    CDvDoc doc;
    std::filesystem::path db = args[1].toStdString();
    if (std::filesystem::is_directory(db)) db /= "_main_data.dayvault";
    if (!OpenDocument(db, true, &doc)) return 2;
    QDir().mkpath(args[2]);

    MainWindow window(doc);
    ui.setMainWindow(&window, [&window](const QString& text) { window.offerAdvisor(text); });
    window.start();
    window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry().adjusted(0, 0, -1, -1));
    settle(500);
    bool ok = true;
    auto* tabs = window.findChild<QTabWidget*>();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        settle(300);
        ok &= save(args[2], QStringLiteral("tab-%1-%2").arg(tab).arg(fileNameOf(tabs->tabText(tab).remove(QRegularExpression(QStringLiteral(" \\(\\d+\\)$"))))));
    }
    tabs->setCurrentIndex(0);
    for (int i = 3; i < args.size(); ++i) ok &= pictureAction(window, args[i], args[2]);
    window.exitWithoutSaving();
    return ok ? 0 : 3;
}
