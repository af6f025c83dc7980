// dayvault: the desktop program.
#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include "app/log.h"
#include "app/startup.h"
#include "core/doc.h"
#include "gui/main_window.h"
#include "gui/program_icon.h"
#include "gui/qt_ui.h"

namespace {

int signalPipe[2] = {-1, -1};

void onTerminate(int) {
    const char c = 1;
    (void)!::write(signalPipe[1], &c, 1);
}

// SIGTERM is how the desktop session and the system ask a program to end: run the same exit
// procedure as "E&xit", so nothing typed since the last auto-save is lost.
void catchTerminate(MainWindow& window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char c;
        (void)!::read(signalPipe[0], &c, 1);
        DV_SCOPE_TRACE(u"SIGTERM, ending like E&xit");
        window.exitProcedure();
        QApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dayvault"));
    QApplication::setWindowIcon(DvProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("dayvault"));
    QApplication::setQuitOnLastWindowClosed(false);  // hidden in the tray is still running
    QtUi ui;
    // "dayvault [DATABASE]": a main file or a database folder to open instead of the last one.
    const QStringList arguments = QApplication::arguments();
    if (!InitInstance(arguments.size() > 1 ? std::filesystem::path(arguments[1].toStdString()) : std::filesystem::path()))
        return 1;

    MainWindow window(DvCurDocSilently());
    ui.setMainWindow(&window, [&window](const QString& text) { window.offerAdvisor(text); });
    catchTerminate(window);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window](QSessionManager&) {
        DV_SCOPE_TRACE(u"session ending, closing like E&xit");
        window.exitProcedure();
    });
    window.start();
    const int status = QApplication::exec();
    window.exitProcedure();
    return status;
}
