#include <QApplication>
#include <QStandardPaths>

#include <cstdio>

#include "app/mainwindow.h"
#include "app/platformsetup.h"
#include "app/settingslocation.h"
#include "app/termination.h"
#include "forms/theme.h"

namespace {

// --help, --version and an unknown option need no display and touch no
// settings file.
int answerCommandLine(int argc, char* argv[], CommandLineRequest request)
{
    attachToParentConsole();
    if (request == CommandLineRequest::UnknownOption) {
        std::fprintf(stderr, "zarel: unknown option '%s'\nTry 'zarel --help' for the options.\n", argv[1]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    const QString text = request == CommandLineRequest::Version
        ? QStringLiteral("zarel " ZAREL_VERSION "\n")
        : usageText(QCoreApplication::applicationDirPath(),
                    QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    // Names the configuration folder: ~/.config/zarel, with no organisation.
    QCoreApplication::setApplicationName(QStringLiteral("zarel"));
    const QStringList rawArguments =
        argc > 1 ? QStringList {QString(), QString::fromLocal8Bit(argv[1])} : QStringList();
    const CommandLineRequest request = commandLineRequest(rawArguments);
    if (request != CommandLineRequest::Run) {
        return answerCommandLine(argc, argv, request);
    }

    skipUnusedOpenGl();
    // Design sizes are device-independent pixels: on a 150 % or 200 % screen
    // the panel is scaled up instead of drawn tiny, and at 100 % nothing changes.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    QApplication app(argc, argv);
    // First, so a SIGTERM during start-up already closes the window cleanly.
    catchTerminationSignals();
    app.setWindowIcon(applicationIcon());
    qRegisterMetaType<MainWindow*>("MainWindow*");

    int exitCode = 0;
    {
        MainWindow window;
        window.show();
        closeOnTerminationSignals(&window);
        // Logging off on Windows ends the process right after this signal,
        // without returning from exec(): the link is closed here.
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &MainWindow::stopThreads);
        exitCode = app.exec();
        // The threads post to the window: join them before it goes.
        MainWindow::stopThreads();
    }
    return exitCode;
}
