#include <QApplication>
#include <QStandardPaths>

#include <QLocale>

#include <cstdio>
#include <vector>

#include "app/languages.h"
#include "app/mainwindow.h"
#include "app/platformsetup.h"
#include "app/settingslocation.h"
#include "app/stationjournal.h"
#include "app/stationremote.h"
#include "app/termination.h"
#include "forms/theme.h"

namespace {

// --help, --version and an unknown option need no display and touch no
// settings file.
int answerCommandLine(int argc, char* argv[], CommandLineRequest request, const QString& option)
{
    attachToParentConsole();
    if (request == CommandLineRequest::UnknownOption) {
        std::fprintf(stderr, "zarel: unknown option '%s'\nTry 'zarel --help' for the options.\n",
                     option.toLocal8Bit().constData());
        return 2;
    }
    if (request == CommandLineRequest::ProfileTooLong) {
        std::fprintf(stderr, "zarel: the profile name is too long to name its settings file\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    const QString text = request == CommandLineRequest::Version
        ? QStringLiteral("zarel " ZAREL_VERSION "\n")
        : usageText(QStringLiteral("zarel"),
                    QStringLiteral("Zarel is the remote-control panel of the Merax network antenna switch."),
                    QCoreApplication::applicationDirPath(),
                    QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    const QString shown =
        request == CommandLineRequest::Help ? text + QLatin1Char('\n') + remoteHelpText(argc, argv) : text;
    std::fputs(shown.toLocal8Bit().constData(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    // Names the configuration folder: ~/.config/zarel, with no organisation.
    QCoreApplication::setApplicationName(QStringLiteral("zarel"));

    // Read without --lang, so the profile stays the first argument.
    std::vector<QByteArray> recoded;
    QStringList arguments = readArguments(argc, argv, recoded);
    const languages::Option language = languages::takeOption(arguments);
    if (language.given && (language.code.isEmpty() || language.code.startsWith(QLatin1Char('-')))) {
        attachToParentConsole();
        std::fputs("zarel: --lang needs a language: de, es, fr, it, ja, pt_BR or en\n", stderr);
        return 2;
    }
    const CommandLineRequest request = commandLineRequest(arguments);
    if (request == CommandLineRequest::Journal) {
        attachToParentConsole();
        QCoreApplication app(argc, argv);
        return printJournal("zarel", arguments.mid(2));
    }
    if (request == CommandLineRequest::Accounts) {
        attachToParentConsole();
        QCoreApplication app(argc, argv);
        return manageAccounts("zarel", arguments);
    }
    if (request != CommandLineRequest::Run) {
        return answerCommandLine(argc, argv, request, arguments.value(1));
    }

    skipUnusedOpenGl();
    // Design sizes are device-independent pixels: on a 150 % or 200 % screen
    // the panel is scaled up instead of drawn tiny, and at 100 % nothing changes.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    QApplication app(argc, argv);
    // First, so a SIGTERM during start-up already closes the window cleanly.
    catchTerminationSignals();
    const QString code = languages::choose(language.code, QLocale::system().uiLanguages());
    if (language.given && code.isEmpty() && !languages::isEnglish(language.code)) {
        std::fprintf(stderr, "zarel: no translation for '%s'; the panel speaks English (--lang %s)\n",
                     language.code.toLocal8Bit().constData(),
                     languages::available().join(QLatin1Char('|')).toLocal8Bit().constData());
    }
    if (!languages::install(app, code)) {
        std::fprintf(stderr, "zarel: the translation '%s' could not be loaded\n", code.toLocal8Bit().constData());
    }
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
