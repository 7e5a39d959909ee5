// zarel-station: the station of the panel with no window, for a computer
// without a screen or a service manager. Connects at start and stays
// connected, follows the band, and writes the panel's notices to standard
// error, one line each.
#include <QCoreApplication>
#include <QHostInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <vector>

#include "app/languages.h"
#include "app/platformsetup.h"
#include "app/settingslocation.h"
#include "app/settingsstore.h"
#include "app/station.h"
#include "app/stationjournal.h"
#include "app/stationremote.h"
#include "app/stopsignals.h"
#include "connection/hostlookup.h"
#include "link/devicelink.h"

namespace {

const char program[] = "zarel-station";

// Every notice on its own line. The same line twice in a row says nothing
// new: a Connect tried again must not fill the journal.
class NoticeLines
{
public:
    void print(const QString& text)
    {
        if (text.isEmpty() || text == last) {
            return;
        }
        last = text;
        std::fprintf(stderr, "%s: %s\n", program, text.toLocal8Bit().constData());
        std::fflush(stderr);
    }

private:
    QString last;
};

// Connect until it holds. A refusal is tried again every few seconds: the
// device's name may come up in the name server later. Once connected the
// link stays on, and the watchdog tells when the device falls silent and
// answers again.
class Connector : public QObject
{
public:
    static constexpr int retryMs = 5000;

    explicit Connector(Station& station)
        : station(station)
    {
        retry.setSingleShot(true);
        retry.setInterval(retryMs);
        connect(&retry, &QTimer::timeout, this, &Connector::tryAgain);
    }
    ~Connector() override
    {
        if (lookup != -1) {
            QHostInfo::abortHostLookup(lookup);
        }
    }

    void start()
    {
        if (!station.connectLink()) {
            retry.start();
        }
    }

private:
    void tryAgain()
    {
        const DeviceLink& link = station.link();
        if (connected) {
            return;
        }
        // Looked up in the background, so a slow name server never holds a
        // SIGTERM up; a host found again is set once it answers.
        if (link.deviceAddress == unresolvedAddress && !link.hostText.trimmed().isEmpty()) {
            lookup = QHostInfo::lookupHost(link.hostText, this, &Connector::lookedUp);
            return;
        }
        start();
    }

    void lookedUp(const QHostInfo& host)
    {
        lookup = -1;
        if (addressFromLookup(host) == unresolvedAddress) {
            retry.start();
            return;
        }
        const DeviceLink& link = station.link();
        station.setHost(link.hostText, link.devicePort, link.useIpDirectly);
        start();
    }

    Station& station;
    QTimer retry;
    int lookup = -1;
};

// --help, --version and an unknown option touch no settings file.
int answerCommandLine(int argc, char* argv[], CommandLineRequest request, const QString& option)
{
    if (request == CommandLineRequest::UnknownOption) {
        std::fprintf(stderr, "%s: unknown option '%s'\nTry '%s --help' for the options.\n", program,
                     option.toLocal8Bit().constData(), program);
        return 2;
    }
    if (request == CommandLineRequest::ProfileTooLong) {
        std::fprintf(stderr, "%s: the profile name is too long to name its settings file\n", program);
        return 2;
    }
    QCoreApplication app(argc, argv);
    const QString text = request == CommandLineRequest::Version
        ? QStringLiteral("zarel-station " ZAREL_VERSION "\n")
        : usageText(QString::fromLatin1(program),
                    QStringLiteral("zarel-station is the station of the Zarel panel without its window: it\n"
                                   "connects to the Merax at start and stays connected, follows the band,\n"
                                   "and writes every notice the panel would show to standard error.\n"
                                   "It reads the settings file of 'zarel PROFILE'; SIGTERM or Ctrl+C end it."),
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
    // The panel's configuration folder: ~/.config/zarel.
    QCoreApplication::setApplicationName(QStringLiteral("zarel"));

    std::vector<QByteArray> recoded;
    QStringList arguments = readArguments(argc, argv, recoded);
    const languages::Option language = languages::takeOption(arguments);
    if (language.given && (language.code.isEmpty() || language.code.startsWith(QLatin1Char('-')))) {
        std::fprintf(stderr, "%s: --lang needs a language: de, es, fr, it, ja, pt_BR or en\n", program);
        return 2;
    }
    const CommandLineRequest request = commandLineRequest(arguments);
    if (request == CommandLineRequest::Journal) {
        QCoreApplication app(argc, argv);
        return printJournal(program, arguments.mid(2));
    }
    if (request == CommandLineRequest::Accounts) {
        QCoreApplication app(argc, argv);
        return manageAccounts(program, arguments);
    }
    if (request != CommandLineRequest::Run) {
        return answerCommandLine(argc, argv, request, arguments.value(1));
    }

    QCoreApplication app(argc, argv);
    // First, so a SIGTERM during start-up (a slow host lookup) ends it as
    // soon as the event loop runs.
    StopSignals stopSignals;
    const QString code = languages::choose(language.code, QLocale::system().uiLanguages());
    if (language.given && code.isEmpty() && !languages::isEnglish(language.code)) {
        std::fprintf(stderr, "%s: no translation for '%s'; the station speaks English (--lang %s)\n", program,
                     language.code.toLocal8Bit().constData(),
                     languages::available().join(QLatin1Char('|')).toLocal8Bit().constData());
    }
    if (!languages::install(app, code)) {
        std::fprintf(stderr, "%s: the translation '%s' could not be loaded\n", program, code.toLocal8Bit().constData());
    }

    int exitCode = 0;
    {
        const SettingsLocation location = settingsLocationForProgram(arguments);
        SettingsStore::copyOnFirstWrite(location.path, location.copiedFrom);

        Station station;
        NoticeLines lines;
        Notices& notices = station.notices();
        QObject::connect(&notices, &Notices::changed, &app, [&lines](const QString& text) { lines.print(text); });
        QObject::connect(&notices, &Notices::heard, &app, [&lines](const QString& text) { lines.print(text); });
        QObject::connect(&station, &Station::connectRefused, &app,
                         [&lines](const QString& reason) { lines.print(reason); });
        station.setSettingsPath(location.path);
        station.startThreads();

        const SettingsStore settings(location.path);
        // First, so what the settings lead to is in it.
        StationJournal journal(station);
        journal.start(location.path, settings);
        station.applySettings(settings);
        StationRemote remote(station);
        remote.start(location.path, settings);
        if (remote.serving()) {
            std::fprintf(stderr, "%s: the certificate's SHA-256 fingerprint: %s\n", program,
                         remote.fingerprint().toLatin1().constData());
        }
        // Beside a complaint about the host, as the panel puts them.
        notices.append(settingsReadingNotice(settings));
        notices.append(settingsNotice(location, QCoreApplication::applicationDirPath()));

        Connector connector(station);
        QTimer::singleShot(0, &connector, &Connector::start);
        // Not disconnectLink(): that would write Connected=0 into the
        // operator's file. The radio held by the guard is let go first.
        QObject::connect(&stopSignals, &StopSignals::stopRequested, &app, [&station] {
            station.closing();
            QCoreApplication::quit();
        });
        // Logging off on Windows ends the process right after this signal,
        // without returning from exec().
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &DeviceLink::stopThreads);
        exitCode = app.exec();
        DeviceLink::stopThreads();
    }
    return exitCode;
}
