#include "app/stationremote.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cstdio>
#include <string>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

#include "app/settingslocation.h"
#include "app/settingsstore.h"
#include "app/station.h"
#include "connection/remoteaccounts.h"
#include "connection/remotecertificate.h"
#include "connection/remoteserver.h"
#include "panel/indicatorstyles.h"
#include "panel/panellooks.h"

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Remote)
};

bool bit(quint8 bits, int i)
{
    return (bits >> i) & 1;
}

QString lookName(const QString& style)
{
    if (style == panelSelectedStyle()) {
        return QStringLiteral("selected");
    }
    if (style == panelActiveStyle()) {
        return QStringLiteral("active");
    }
    if (style == panelAlarmStyle()) {
        return QStringLiteral("alarm");
    }
    if (style == panelRingStyle()) {
        return QStringLiteral("ring");
    }
    if (style == panelWaitingStyle()) {
        return QStringLiteral("waiting");
    }
    if (style.startsWith(QLatin1String("background-color: rgb("))) {
        return QStringLiteral("colour");
    }
    return QStringLiteral("idle");
}

// The two colours of a GPIO style text, as "#rrggbb".
std::pair<QString, QString> styleColours(const QString& style)
{
    static const QRegularExpression rgb(QStringLiteral("rgb\\((\\d+), (\\d+), (\\d+)\\)"));
    QStringList found;
    for (auto it = rgb.globalMatch(style); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        found << QStringLiteral("#%1%2%3")
                     .arg(m.captured(1).toInt(), 2, 16, QLatin1Char('0'))
                     .arg(m.captured(2).toInt(), 2, 16, QLatin1Char('0'))
                     .arg(m.captured(3).toInt(), 2, 16, QLatin1Char('0'));
    }
    return {found.value(0), found.value(1)};
}

QString keyId(int k)
{
    if (k < indicator::Busy) {
        return QStringLiteral("ant%1").arg(k - indicator::Antenna + 1);
    }
    if (k < indicator::Split) {
        return QStringLiteral("busy%1").arg(k - indicator::Busy + 1);
    }
    if (k == indicator::Split) {
        return QStringLiteral("split");
    }
    if (k == indicator::Send) {
        return QStringLiteral("send");
    }
    if (k < indicator::Rtx) {
        return QStringLiteral("rot%1").arg(k - indicator::Rotor + 1);
    }
    if (k == indicator::Rtx) {
        return QStringLiteral("rtx");
    }
    if (k < indicator::Gpi) {
        return QStringLiteral("rx%1").arg(k - indicator::Rx + 1);
    }
    if (k < indicator::Gpo) {
        return QStringLiteral("gpi%1").arg(k - indicator::Gpi + 1);
    }
    return QStringLiteral("gpo%1").arg(k - indicator::Gpo + 1);
}

// Whether the device said the key's switch is made.
std::optional<bool> pressedBy(const DeviceState& s, int k)
{
    if (k >= indicator::Antenna && k < indicator::Busy) {
        const int i = k - indicator::Antenna;
        return antennaIndex(s.selectedAntenna) == i || (s.splitActive == 1 && antennaIndex(s.splitRxAntenna) == i);
    }
    if (k == indicator::Split) {
        return s.splitActive == 1;
    }
    if (k == indicator::Rtx) {
        return s.rtxActive == 1;
    }
    if (k >= indicator::Rx && k < indicator::Gpi) {
        return s.rxActive == 1 && rxIndex(s.selectedRx) == k - indicator::Rx;
    }
    if (k >= indicator::Gpo && k < indicator::Count) {
        return bit(s.gpoStates, k - indicator::Gpo);
    }
    return std::nullopt;
}

} // namespace

StationRemote::StationRemote(Station& station, QObject* parent)
    : QObject(parent)
    , station(station)
{
    // Every signal of one report makes one message.
    coalesce.setSingleShot(true);
    coalesce.setInterval(0);
    connect(&coalesce, &QTimer::timeout, this, &StationRemote::sendPanel);

    connect(&station, &Station::repaintWanted, this, [this](bool evenIfWithdrawn) {
        if (evenIfWithdrawn || showsState) {
            showsState = true;
            changed();
        }
    });
    connect(&station, &Station::stateWithdrawn, this, [this] {
        showsState = false;
        reportedKnown = false;
        changed();
    });
    connect(&station, &Station::powerChecked, this, [this](bool isFresh) {
        if (fresh != isFresh) {
            fresh = isFresh;
            changed();
        }
    });
    connect(&station, &Station::linkShown, this, [this](PanelSpeechInput::Link shown, int roundTrip) {
        const qint64 said = shown == PanelSpeechInput::Link::Off ? -1 : roundTripToSay(roundTripMs, roundTrip);
        if (shown != link || said != roundTripMs) {
            link = shown;
            roundTripMs = said;
            if (link == PanelSpeechInput::Link::Off) {
                showsState = false;
                reportedKnown = false;
                told = PanelSpeechInput();
            }
            changed();
        }
    });
    connect(&station, &Station::linkFigures, this, [this](const QString& text) {
        linkText = text;
        changed();
    });
    connect(&station, &Station::radioFigures, this, [this](const QString& text) {
        radioText = text;
        changed();
    });
    connect(&station, &Station::rotorBlinkWanted, this, [this](bool blinking) {
        rotorBlinking = blinking;
        changed();
    });
    connect(&station, &Station::connectedChanged, this, &StationRemote::changed);
    connect(&station, &Station::reported, this, [this](const DeviceState& device) {
        reportedState = device;
        reportedKnown = true;
        changed();
    });
    Notices& notices = station.notices();
    connect(&notices, &Notices::changed, this, [this](const QString& text) {
        if (server != nullptr) {
            server->notice(text);
        }
        changed();
    });
    connect(&notices, &Notices::heard, this, [this](const QString& text) {
        if (server != nullptr) {
            server->notice(text);
        }
    });
}

StationRemote::~StationRemote() = default;

void StationRemote::readPanelSettings(const SettingsStore& settings)
{
    for (int n = 1; n <= group::Antennas; ++n) {
        antennaCaptions[n - 1] = settings.text(settingskey::antennaCaption(n));
    }
    for (int n = 1; n <= group::Gpis; ++n) {
        gpiCaptions[n - 1] = settings.text(settingskey::gpiCaption(n));
    }
    for (int n = 1; n <= group::Gpos; ++n) {
        gpoCaptions[n - 1] = settings.text(settingskey::gpoCaption(n));
    }
    stationName = settings.text(settingskey::StationId);
    // As the window reads them: an entry never stored gets its default.
    for (int i = 0; i < group::Colours; ++i) {
        const bool stored = settings.contains(settingskey::gpioColour(i, 0)) ||
            settings.contains(settingskey::gpioColour(i, 1)) || settings.contains(settingskey::gpioColour(i, 2));
        const settingskey::ColourDefault fallback = settingskey::gpioColourDefault(i);
        const auto component = [&](int c, int otherwise) {
            return stored ? qBound(0, settings.value(settingskey::gpioColour(i, c)).toInt(), 255) : otherwise;
        };
        colourStyles[i] =
            colourStyleText(component(0, fallback.red), component(1, fallback.green), component(2, fallback.blue));
    }
}

void StationRemote::start(const QString& settingsPath, const SettingsStore& settings)
{
    readPanelSettings(settings);
    accounts = remoteaccounts::pathFor(settingsPath);
    const bool enabled = settingskey::remote::Enabled.read(settings.text(settingskey::remote::Enabled.name))
                             .value_or(settingskey::remote::Enabled.fallback);
    QString listenText = settings.text(settingskey::remote::Listen.name).trimmed();
    if (listenText.isEmpty()) {
        listenText = settingskey::remote::Listen.fallback;
    }
    const int port = settingskey::remote::Port.read(settings.text(settingskey::remote::Port.name))
                         .value_or(settingskey::remote::Port.fallback);
    const remotecertificate::Files files {settings.text(settingskey::remote::Certificate),
                                          settings.text(settingskey::remote::Key)};
    const QString wanted = enabled
        ? QStringList {listenText, QString::number(port), files.certificate, files.key}.join(QLatin1Char('\n'))
        : QString();
    if (wanted == listening && (server != nullptr) == enabled) {
        if (server != nullptr) {
            server->setStationName(stationName);
            changed();
        }
        return;
    }
    stop();
    if (!enabled) {
        return;
    }
    Notices& notices = station.notices();
    QHostAddress address;
    if (!address.setAddress(listenText)) {
        notices.append(Text::tr("Remote access: Listen=%1 is not an IP address").arg(listenText));
        return;
    }
    const remotecertificate::Loaded loaded = remotecertificate::load(files, settingsPath);
    if (!loaded.error.isEmpty()) {
        notices.append(loaded.error);
        return;
    }
    server = new RemoteServer(this);
    server->setCredentials(loaded.certificate, loaded.key);
    server->setAccountsPath(accounts);
    server->setStationName(stationName);
    if (!server->listen(address, quint16(port))) {
        notices.append(Text::tr("Remote access cannot listen on %1 port %2: %3")
                           .arg(address.toString(), QString::number(port), server->errorString()));
        delete server;
        server = nullptr;
        return;
    }
    connect(server, &RemoteServer::pressed, this, &StationRemote::press);
    listening = wanted;
    certificateFingerprint = remotecertificate::fingerprint(loaded.certificate);
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
        ? QLatin1Char('[') + address.toString() + QLatin1Char(']')
        : address.toString();
    url = QStringLiteral("https://%1:%2/").arg(host).arg(server->port());
    if (remoteaccounts::Store(accounts).users().isEmpty()) {
        notices.append(Text::tr("Remote access at %1 has no users yet: add one to log in").arg(url));
    } else {
        notices.append(Text::tr("Remote access at %1").arg(url));
    }
    sendPanel();
    emit servingChanged();
}

void StationRemote::stop()
{
    if (server == nullptr) {
        return;
    }
    server->close();
    server->deleteLater();
    server = nullptr;
    listening.clear();
    url.clear();
    certificateFingerprint.clear();
    emit servingChanged();
}

bool StationRemote::serving() const
{
    return server != nullptr;
}

void StationRemote::endSessionsOf(const QString& user)
{
    if (server != nullptr) {
        server->endSessionsOf(user);
    }
}

int StationRemote::browsers() const
{
    return server != nullptr ? server->clientCount() : 0;
}

void StationRemote::changed()
{
    if (server != nullptr && !coalesce.isActive()) {
        coalesce.start();
    }
}

PanelSpeechInput StationRemote::shownInput() const
{
    PanelSpeechInput input;
    input.state = station.state();
    input.stateKnown = showsState && link != PanelSpeechInput::Link::Off;
    input.flags.splitConfigPending = splitConfigPending;
    input.flags.rotorBlinkRunning = rotorBlinking;
    input.flags.waitingAntenna = station.waitingAntenna();
    input.antennaCaptions = antennaCaptions;
    input.gpiCaptions = gpiCaptions;
    input.gpoCaptions = gpoCaptions;
    input.confirmed = !station.session().showsUnconfirmed();
    input.link = link;
    input.roundTripMs = roundTripMs;
    return input;
}

void StationRemote::sendPanel()
{
    if (server == nullptr) {
        return;
    }
    const PanelSpeechInput shown = shownInput();
    const bool known = shown.stateKnown;
    const bool confirmedKnown = known && reportedKnown;
    // Names say only what the device confirmed, with what waits on it.
    PanelSpeechInput named = shown;
    if (!shown.confirmed && reportedKnown) {
        named.state = reportedState;
    }
    const PanelSpeech speech = panelSpeech(named);
    PanelLooks looks = known ? litLooks(shown.state, colourStyles, shown.flags) : clearedLooks(shown.flags);
    QJsonObject keys;
    for (int k = 0; k < indicator::Count; ++k) {
        QJsonObject key;
        QString look = looks[k].isNull() ? QStringLiteral("ring") : lookName(looks[k]);
        key.insert(QStringLiteral("name"), speech.names[k]);
        if (look == QLatin1String("colour")) {
            const auto [background, ink] = styleColours(looks[k]);
            key.insert(QStringLiteral("colour"), background);
            key.insert(QStringLiteral("ink"), ink);
        }
        if (k < indicator::Busy) {
            key.insert(QStringLiteral("caption"), antennaCaptions[k - indicator::Antenna]);
        } else if (k >= indicator::Gpi && k < indicator::Gpo) {
            key.insert(QStringLiteral("caption"), gpiCaptions[k - indicator::Gpi]);
        } else if (k >= indicator::Gpo) {
            key.insert(QStringLiteral("caption"), gpoCaptions[k - indicator::Gpo]);
        }
        if (const std::optional<bool> pressed = pressedBy(reportedState, k)) {
            const bool made = confirmedKnown && *pressed;
            key.insert(QStringLiteral("pressed"), made);
            // Shown lit, but not the device's word yet.
            const bool lit = look != QLatin1String("idle") && look != QLatin1String("waiting");
            if (known && lit != made) {
                key.insert(QStringLiteral("unconfirmed"), true);
            }
        }
        key.insert(QStringLiteral("look"), look);
        keys.insert(keyId(k), key);
    }
    keys.insert(QStringLiteral("release"), QJsonObject {{QStringLiteral("name"), speech.release}});
    keys.insert(QStringLiteral("power"),
                QJsonObject {{QStringLiteral("name"), speech.power},
                             {QStringLiteral("look"),
                              fresh && connected.load() ? QStringLiteral("fresh") : QStringLiteral("stale")}});
    QJsonObject panel {
        {QStringLiteral("station"), stationName}, {QStringLiteral("connected"), connected.load()},
        {QStringLiteral("known"), known},         {QStringLiteral("blink"), rotorBlinking},
        {QStringLiteral("keys"), keys},           {QStringLiteral("radio"), radioText},
        {QStringLiteral("link"), linkText},       {QStringLiteral("status"), station.notices().current()}};
    const QByteArray json = QJsonDocument(panel).toJson(QJsonDocument::Compact);
    server->setPanel(json.mid(1));

    // What the device confirmed is told, as the panel tells a screen reader.
    if (link == PanelSpeechInput::Link::Up && shown.stateKnown && shown.confirmed) {
        const PanelChange change = panelChange(told, shown);
        told = shown;
        server->notice(change.text);
    }
}

void StationRemote::press(const QString& key, const QString& user)
{
    const Asker asker {Asker::Kind::Remote, user};
    const auto number = [&key](int prefix) { return key.mid(prefix).toInt(); };
    if (key.startsWith(QLatin1String("ant"))) {
        station.pickAntenna(number(3) - 1, asker);
    } else if (key == QLatin1String("release")) {
        station.release(asker);
    } else if (key == QLatin1String("split")) {
        station.splitPressed(asker);
    } else if (key == QLatin1String("rtx")) {
        station.rtx(asker);
    } else if (key.startsWith(QLatin1String("rx"))) {
        station.selectReceiver(quint8(number(2)), asker);
    } else if (key.startsWith(QLatin1String("gpo"))) {
        station.toggleGpo(number(3) - 1, asker);
    }
    changed();
}

namespace {

bool isTerminal()
{
#ifdef Q_OS_WIN
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
#else
    return ::isatty(STDIN_FILENO) == 1;
#endif
}

// One line of standard input, not echoed on a terminal; nullopt at its end.
std::optional<QByteArray> readSecretLine(bool hide)
{
#ifdef Q_OS_WIN
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    const bool hidden = hide && GetConsoleMode(input, &mode) && SetConsoleMode(input, mode & ~ENABLE_ECHO_INPUT);
#else
    termios before {};
    bool hidden = false;
    if (hide && ::tcgetattr(STDIN_FILENO, &before) == 0) {
        termios quiet = before;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        hidden = ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0;
    }
#endif
    std::string line;
    int c = 0;
    bool any = false;
    while ((c = std::getchar()) != EOF && c != '\n') {
        any = true;
        if (line.size() <= std::size_t(remoteaccounts::MaxPasswordBytes)) {
            line.push_back(char(c));
        }
    }
#ifdef Q_OS_WIN
    if (hidden) {
        SetConsoleMode(input, mode);
    }
#else
    if (hidden) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &before);
    }
#endif
    if (hidden) {
        std::fputc('\n', stderr);
    }
    if (c == EOF && !any) {
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return QByteArray::fromStdString(line);
}

int fail(const char* program, const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", program, text.toLocal8Bit().constData());
    return 1;
}

} // namespace

int manageAccounts(const char* program, const QStringList& arguments)
{
    QStringList rest = arguments.mid(1);
    QStringList profile;
    if (!rest.isEmpty() && !rest.first().startsWith(QLatin1Char('-'))) {
        profile << rest.takeFirst();
    }
    const QString option = rest.value(0);
    const QString name = rest.value(1);
    const bool viewer = rest.size() == 3 && rest[2] == QLatin1String("--viewer");
    const bool shapeOk = option == QLatin1String("--list-users")
        ? rest.size() == 1
        : !name.isEmpty() && !name.startsWith(QLatin1Char('-')) &&
            (rest.size() == 2 || (viewer && option == QLatin1String("--add-user")));
    if (!shapeOk) {
        std::fprintf(stderr, "usage: %s [PROFILE] --add-user NAME [--viewer] | --remove-user NAME | --list-users\n",
                     program);
        return 2;
    }
    const SettingsLocation location = settingsLocationForProgram(QStringList {QString()} + profile);
    remoteaccounts::Store store(remoteaccounts::pathFor(location.path));
    if (option == QLatin1String("--list-users")) {
        for (const remoteaccounts::User& user : store.users()) {
            std::printf("%s %s\n", user.name.toLocal8Bit().constData(),
                        remoteaccounts::roleName(user.role).toLatin1().constData());
        }
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (option == QLatin1String("--remove-user")) {
        const QString error = store.remove(name);
        return error.isEmpty() ? 0 : fail(program, error);
    }
    if (!remoteaccounts::validName(name)) {
        return fail(
            program,
            Text::tr("A user name is 1 to %1 letters, digits, '.', '_' or '-'").arg(remoteaccounts::MaxNameLength));
    }
    const bool terminal = isTerminal();
    if (terminal) {
        std::fprintf(stderr, "%s", Text::tr("Password for %1: ").arg(name).toLocal8Bit().constData());
    }
    const std::optional<QByteArray> password = readSecretLine(terminal);
    if (!password) {
        return fail(program, Text::tr("No password given"));
    }
    if (terminal) {
        std::fprintf(stderr, "%s", Text::tr("The same again: ").toLocal8Bit().constData());
        if (readSecretLine(true) != password) {
            return fail(program, Text::tr("The two passwords differ: nothing was changed"));
        }
    }
    const QString error =
        store.add(name, *password, viewer ? remoteaccounts::Role::Viewer : remoteaccounts::Role::Operator);
    if (!error.isEmpty()) {
        return fail(program, error);
    }
    std::fprintf(
        stderr, "%s: %s\n", program,
        Text::tr("%1 may log in to the browser panel as %2 (%3)")
            .arg(name, remoteaccounts::roleName(viewer ? remoteaccounts::Role::Viewer : remoteaccounts::Role::Operator),
                 QDir::toNativeSeparators(store.filePath()))
            .toLocal8Bit()
            .constData());
    return 0;
}

QString remoteHelpText(int argc, char* argv[])
{
    const QString first = QString::fromLocal8Bit(argc > 1 ? argv[1] : "");
    const QString settingsPath =
        settingsLocationForProgram({QString(), first.startsWith(QLatin1Char('-')) ? QString() : first}).path;
    const SettingsStore settings(settingsPath);
    QString certificate = settings.text(settingskey::remote::Certificate);
    if (certificate.isEmpty()) {
        certificate = remotecertificate::ownFilesFor(settingsPath).certificate;
    }
    QString fingerprint;
    QFile file(certificate);
    if (file.open(QIODevice::ReadOnly)) {
        const QList<QSslCertificate> found = QSslCertificate::fromData(file.read(1024 * 1024), QSsl::Pem);
        if (!found.isEmpty()) {
            fingerprint = remotecertificate::fingerprint(found.first());
        }
    }
    QString text = QStringLiteral("The browser panel is served over HTTPS when [Remote] Enabled=true is in the\n"
                                  "settings file (Listen, 127.0.0.1 by default; Port, 8443 by default;\n"
                                  "Certificate and Key, PEM files, or the station's own self-signed one).\n");
    text += fingerprint.isEmpty()
        ? QStringLiteral("Its own certificate is made at the first start with remote access on.\n")
        : QStringLiteral("The certificate's SHA-256 fingerprint, to check in the browser:\n  %1\n").arg(fingerprint);
    return text;
}
