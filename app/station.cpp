#include "app/station.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <utility>

#include "app/settingskeys.h"
#include "app/settingsstore.h"
#include "connection/hostlookup.h"
#include "connection/watchdog.h"
#include "link/linkclock.h"
#include "link/linklog.h"
#include "link/threadcom.h"
#include "panel/bandfollowing.h"

qint64 lastReportTime = 0;
bool splitConfigPending = false;

namespace {

// The texts are the panel's own, translated as they always were.
class Text
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

} // namespace

// For the length of an operation: what it sends is asked by `asker`.
class Station::Asking
{
public:
    Asking(Station* station, const Asker& asker)
        : station(station)
        , before(std::exchange(station->currentAsker, asker))
    {
    }
    ~Asking() { station->currentAsker = before; }
    Asking(const Asking&) = delete;
    Asking& operator=(const Asking&) = delete;

private:
    Station* station;
    Asker before;
};

Station::Station(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<Asker>();
    connect(&deviceLink, &DeviceLink::endpointChanged, this,
            [this](const QString& address, quint16 port) { linkSession.setDevice(address, port); });
    connect(&deviceLink, &DeviceLink::hostLookedUp, this, &Station::hostLookedUp);
    createBandFollowing();
    createInhibit();
    connect(&rotatorSet, &Rotators::notice, &noticeLine, &Notices::show);
}

Station::~Station() = default;

void Station::startThreads()
{
    deviceLink.startThreads([this] { pollTick(); }, [this] { watchdogTick(); });
    ThreadCOM* worker = deviceLink.worker();
    connect(worker, &ThreadCOM::datagramWritten, this, &Station::linkWrote);
    connect(worker, &ThreadCOM::datagramReceived, this, &Station::linkReceived);
    connect(worker, &ThreadCOM::reportReplied, this, &Station::reportText);
}

/* settings */

void Station::applySettings(const SettingsStore& settings)
{
    // Resolved even when the host is to be used directly, so a bad entry
    // shows up at once. Blocks; an address literal returns at once.
    setHost(settings.text(settingskey::Host), settings.text(settingskey::Port),
            settings.value(settingskey::UseIpDirectly).toBool());
    loadBandFollow(bandfollowsettings::read([&settings](const QString& key) -> std::optional<QString> {
        if (!settings.contains(key)) {
            return std::nullopt;
        }
        // An unquoted comma reads as a list; it is shown back as typed.
        const QVariant value = settings.value(key);
        return value.type() == QVariant::StringList ? value.toStringList().join(QStringLiteral(", "))
                                                    : value.toString();
    }));
    QStringList problems;
    rotatorSet.configure(RotatorsSettings::read(
        [&settings](const QString& key) -> std::optional<QString> {
            if (!settings.contains(key)) {
                return std::nullopt;
            }
            return settings.text(key);
        },
        &problems));
    if (!problems.isEmpty()) {
        noticeLine.show(problems.join(QStringLiteral("; ")));
    }
}

void Station::setHost(const QString& hostSetting, const QString& port, bool useDirectly)
{
    deviceLink.setHost(hostFromSetting(hostSetting), port, useDirectly);
    // Address and port together: the link worker gets both at once.
    if (!deviceLink.resolveNow()) {
        showHostError();
    } else if (isHostComplaint(noticeLine.current())) {
        // A corrected host must not leave the old complaint standing.
        noticeLine.clear();
    }
}

QString Station::hostErrorText() const
{
    return hostComplaint(deviceLink.hostText);
}

void Station::showHostError()
{
    // Each send looks the host up again: a complaint that stands is not said
    // again for every lookup that fails.
    if (noticeLine.current() != hostErrorText()) {
        noticeLine.show(hostErrorText());
    }
}

void Station::hostLookedUp(bool found)
{
    if (!found) {
        showHostError();
    } else if (isHostComplaint(noticeLine.current())) {
        // The host is found again: the complaint it replaced no longer holds.
        noticeLine.clear();
    }
}

void Station::writeSettingsValue(const QString& key, const QVariant& value)
{
    SettingsStore store(settingsPath);
    store.setValue(key, value);
    if (const auto written = store.sync(); !written) {
        noticeLine.show(written.notice);
    }
}

/* connect and disconnect */

bool Station::connectLink()
{
    const QString& hostText = deviceLink.hostText;
    // A first start: where to set the host says more than a failed lookup.
    if (hostText.trimmed().isEmpty()) {
        noticeLine.show(hostErrorText());
        return false;
    }
    if (deviceLink.deviceAddress == unresolvedAddress) {
        emit connectRefused(Text::tr("Could not find host address. Check LAN Settings!"));
        return false;
    }
    // Used directly, a host name would address every datagram to nowhere.
    if (deviceLink.useIpDirectly && !isIpAddress(hostText)) {
        emit connectRefused(directIpProblem(hostText));
        return false;
    }
    // A hand-edited file may hold anything here; port 0 or a wrapped number
    // would send every command nowhere, or somewhere else.
    if (!isValidPort(deviceLink.devicePort)) {
        emit connectRefused(Text::tr("The device port \"%1\" is not a number from 1 to 65535. Check LAN Settings!")
                                .arg(deviceLink.devicePort));
        return false;
    }
    // A new session judges its reports afresh, with the settings in force now.
    deviceLink.startSession();
    linkSession.start(linkclock::steadyNow());
    inhibit.rule.start();
    noticeLine.linkStarted(linkclock::now());
    // No report of this session yet: POWER is not green on an earlier one's.
    lastReportTime = 0;
    connected = true;
    following->linkChanged(true);
    emit connectedChanged(true);
    noticeLine.showLink(Text::tr("LAN enabled"));
    emit linkShown(PanelSpeechInput::Link::Silent, -1);
    // The link does not depend on the file: connected either way.
    writeSettingsValue(settingskey::Connected, 1);
    return true;
}

void Station::disconnectLink()
{
    connected = false;
    // Nothing will confirm the pending commands now; the panel keeps what it
    // shows, but no figure of a link that is off. What still waits to leave
    // would reach the device unconfirmed.
    linkSession.stop();
    deviceLink.clearQueue();
    dropInhibit(true);
    showLinkFigures(linkclock::steadyNow());
    following->linkChanged(false);
    emit connectedChanged(false);
    noticeLine.showLink(Text::tr("Disconnected"));
    emit linkShown(PanelSpeechInput::Link::Off, -1);
    writeSettingsValue(settingskey::Connected, 0);
}

void Station::closing()
{
    if (connected && inhibit.rule.holds()) {
        dropInhibit(true);
        // The worker writes it within a spacing or two; the threads stop after.
        QElapsedTimer waited;
        waited.start();
        while (linkWorker != nullptr && linkWorker->queuedDatagramCount() > 0 && waited.elapsed() < 500) {
            QThread::msleep(5);
        }
    }
}

/* operations */

void Station::sendCommand(const DeviceCommand& given)
{
    if (!connected) {
        return;
    }
    deviceLink.resolveHost();
    DeviceCommand command = given;
    // Behind the inhibit a switch waits for the radio to be held, which the
    // inhibit's own notice tells.
    if (command.guarded && inhibit.rule.enabled() && inhibit.rule.phase() != TxInhibit::Phase::Held) {
        command.heldBefore = true;
    }
    // The device's reports must confirm what the operator asked for.
    if (linkSession.commandGiven(command, deviceState, linkclock::steadyNow())) {
        if (!command.isPoll()) {
            emit asked(command, currentAsker);
        }
        enqueueCommand(command);
        if (command.guarded) {
            checkInhibit();
        } else {
            showLinkChanges();
        }
    } else if (!command.isPoll()) {
        emit askedAgain(command);
    }
}

void Station::enqueueCommand(const DeviceCommand& command)
{
    deviceLink.enqueueCommand(command);
}

// Every antenna choice, by key, RELEASE, F-key or band following, ends
// here. The station's copy of the state changes at once, even while the
// link is down; only the command waits for the link.
void Station::switchTo(signed char pos, bool whenReceiving, bool heldBefore)
{
    const AntennaChoice choice = chooseAntenna(deviceState, splitConfigPending, pos);
    DeviceCommand command = choice.command;
    command.guarded = whenReceiving && switchesAntenna(command);
    command.heldBefore = command.guarded && heldBefore;
    sendCommand(command);
    if (choice.completesSplitSetup) {
        noticeLine.show(Text::tr("Split configured succesfuly!"));
        splitConfigPending = false;
        emit splitSetupDone();
    }
    if (choice.repaint) {
        emit repaintWanted(true);
    }
}

void Station::pickAntenna(int antenna, const Asker& asker)
{
    const Asking asking(this, asker);
    if (following->operatorPicks(antenna)) {
        // With the hold option the press is checked again as it leaves.
        switchTo(static_cast<signed char>(antenna), following->config().holdManual);
        following->follow();
    }
}

void Station::release(const Asker& asker)
{
    const Asking asking(this, asker);
    following->operatorReleases();
    switchTo(DeviceCommand::NoAntenna, false);
    following->follow();
}

void Station::nextAntenna(const Asker& asker)
{
    const Asking asking(this, asker);
    following->nextAntenna();
}

SplitClick Station::splitPressed(const Asker& asker)
{
    const Asking asking(this, asker);
    const SplitClick action = splitClickAction(deviceState, splitConfigPending);
    switch (action) {
    case SplitClick::TurnOff:
        splitConfigPending = false;
        deviceState.splitActive = 0;
        sendCommand(DeviceCommand::splitOff());
        noticeLine.show(Text::tr("Split disabled"));
        break;
    case SplitClick::BeginSetup:
        splitConfigPending = true;
        noticeLine.show(Text::tr("Choose the RX position:"));
        break;
    case SplitClick::CancelSetup:
        splitConfigPending = false;
        noticeLine.show(Text::tr("Split config cancelled!"));
        break;
    }
    return action;
}

// The radio keys light only from the device's report.
void Station::rtx(const Asker& asker)
{
    if (connected) {
        const Asking asking(this, asker);
        sendCommand(DeviceCommand::rtx());
    }
}

void Station::selectReceiver(quint8 receiver, const Asker& asker)
{
    if (!connected) {
        return;
    }
    const Asking asking(this, asker);
    sendCommand(DeviceCommand::receiver(receiver));
    deviceState.selectedRx = receiver;
}

// The device's report is the only record of an output: nothing changes
// until it reports the new state.
void Station::toggleGpo(int index, const Asker& asker)
{
    if (!connected) {
        return;
    }
    if (inhibit.rule.holds() && index == inhibit.rule.output() - 1) {
        noticeLine.show(Text::tr("GPO %1 holds the radio off the air until the switch is confirmed").arg(index + 1));
        return;
    }
    const Asking asking(this, asker);
    sendCommand(gpoToggleCommand(deviceState, index));
}

/* polling and watchdog */

void Station::pollTick()
{
    // While the first round trip is measured, one poll is out at a time.
    if (connected && linkSession.pollDue(linkclock::steadyNow())) {
        sendCommand(DeviceCommand::poll());
    }
}

void Station::watchdogTick()
{
    const bool fresh = reportIsFresh(linkclock::now() - lastReportTime);
    emit powerChecked(fresh);
    // The operator who cannot see the POWER key hears it change.
    noticeLine.linkChecked(connected, fresh, linkclock::now());
    if (connected) {
        emit linkShown(fresh ? PanelSpeechInput::Link::Up : PanelSpeechInput::Link::Silent, linkSession.roundTrip());
    }
    if (!fresh) {
        emit stateWithdrawn();
        // What the device has is unknown until it answers again.
        following->deviceSilent();
        // A session still waiting for its first answer is not silent yet.
        if (!reportIsFresh(linkSession.silentFor(linkclock::steadyNow()))) {
            linkSession.deviceSilent();
        }
        dropInhibit(false);
    }
    // The silence of the device counts up here, between reports.
    if (linkSession.isActive()) {
        showLinkFigures(linkclock::steadyNow());
    }
}

/* reports */

void Station::linkWrote(const DeviceCommand& command, qint64 at)
{
    linkSession.wrote(command, at);
    if (!command.isPoll()) {
        qCDebug(lcLink).noquote() << "wrote" << frameCommand(command).toHex(' ');
        emit written(command, at);
    }
    // An antenna, or the transmit antenna of a split pair.
    if (command.type == DeviceCommand::Antenna || (command.type == DeviceCommand::Split && command.first == 1)) {
        following->switchWritten(command.type == DeviceCommand::Antenna ? command.first : command.third);
    }
    showLinkChanges();
}

void Station::showLinkChanges(bool repaint)
{
    const LinkSession::Shown shown = linkSession.refresh(deviceState);
    noticeLine.replace(shown.withdrawn, shown.notice);
    if (!shown.notice.isEmpty() && noticeLine.current() != shown.notice) {
        noticeLine.show(shown.notice);
    }
    // While the watchdog has the panel cleared, nothing old is painted back.
    if (repaint && shown.changed) {
        emit repaintWanted(false);
    }
}

void Station::linkReceived(const QByteArray& bytes, const QHostAddress& sender, quint16 senderPort, qint64 at)
{
    if (!connected) {
        // Late answers after Disconnect, or anyone's datagram: the station
        // shows nothing the operator did not ask to follow.
        return;
    }
    // Another host on the network must not light lamps or keep the watchdog
    // green.
    const QString from = plainAddress(sender).toString();
    const QString text = datagramText(bytes);
    const StatusReport report = parseStatusReport(text);
    LinkSession::Sender verdict = linkSession.classify(sender, senderPort);
    if (verdict == LinkSession::Sender::NewDevicePort) {
        // Only a report teaches the port: junk from that host does not.
        if (report.valid) {
            verdict = linkSession.answerFromNewPort(senderPort, at);
        } else {
            linkSession.malformedReport();
        }
    }
    switch (verdict) {
    case LinkSession::Sender::PortLearnt:
        noticeLine.showLink(answerPortText(senderPort));
        applyReport(report, text, at);
        return;
    case LinkSession::Sender::DevicePortAgain:
        // What was said of the other port is no longer true.
        noticeLine.replace(answerPortText(linkSession.portGivenUp()), QString());
        applyReport(report, text, at);
        return;
    case LinkSession::Sender::Device:
        applyReport(report, text, at);
        return;
    case LinkSession::Sender::FirstStranger:
        // The device's own address from another port: named with its port.
        noticeLine.show(
            Text::tr("Ignored a status report from %1")
                .arg(linkSession.isDeviceAddress(sender) ? QStringLiteral("%1:%2").arg(from).arg(senderPort) : from));
        break;
    case LinkSession::Sender::NewDevicePort:
    case LinkSession::Sender::Learning:
    case LinkSession::Sender::Stranger:
        break;
    }
    qCInfo(lcLink).noquote() << "ignored a datagram from" << from << "port" << senderPort;
}

QString Station::answerPortText(quint16 port)
{
    return Text::tr("The Merax answers from port %1").arg(port);
}

void Station::reportText(const QString& text)
{
    applyReport(parseStatusReport(text), text, linkclock::steadyNow());
}

void Station::applyReport(const StatusReport& report, const QString& text, qint64 at)
{
    if (report.malformed) {
        // Believed, garbled fields would read as Ant 1 and "not sending".
        linkSession.malformedReport();
        qCInfo(lcLink).noquote() << "ignored a malformed report:" << text.left(80);
        return;
    }
    if (!report.valid) {
        // While the watchdog has the panel of a silent device cleared, a
        // stray datagram paints nothing old back.
        emit repaintWanted(!connected);
        return;
    }
    // An answer overtaken by a newer one shows a state the device has left.
    if (!linkSession.reportArrived(at)) {
        return;
    }
    // The guard hears SEND before a switch is sent again on this report.
    following->deviceSends(report.sendActive != 0);
    applyStatusReport(deviceState, report);
    lastReportTime = linkclock::now();
    emit reported(deviceState);

    // What the operator asked for and the device has not confirmed stays
    // shown, so reports still on their way do not paint the old state back.
    const LinkSession::Verdicts verdicts = linkSession.reportApplied(deviceState);
    for (const DeviceCommand& command : verdicts.resend) {
        qCInfo(lcLink).noquote() << "sending again:" << frameCommand(command).toHex(' ');
        enqueueCommand(command);
    }
    if (!verdicts.confirmed.isEmpty() || !verdicts.notConfirmed.isEmpty()) {
        emit judged(verdicts.confirmed, verdicts.notConfirmed);
    }
    if (!verdicts.notConfirmed.isEmpty()) {
        noticeLine.show(
            Text::tr("%1 not confirmed by the Merax").arg(verdicts.notConfirmed.join(QStringLiteral(", "))));
    }
    // The device's own outputs and SEND, before anything is shown over them.
    inhibitReported(report.gpoStates, report.sendActive != 0);

    // Before the repaint: the rotors are painted only while they do not blink.
    emit rotorBlinkWanted(deviceState.rotorBlink == 1);

    showLinkFigures(at, true);
    // One repaint for the report, whatever the session now shows.
    showLinkChanges(false);
    emit repaintWanted(true);
    emit linkShown(PanelSpeechInput::Link::Up, linkSession.roundTrip());
    // What the device said against what is shown, for a trace.
    qCDebug(lcLink).noquote() << "report: device" << int(report.selectedAntenna) << "send" << int(report.sendActive)
                              << "shown" << int(deviceState.selectedAntenna) << "waiting" << waitingAntenna();
    following->deviceReported(deviceState.sendActive != 0);
}

void Station::showLinkFigures(qint64 now, bool reportApplied)
{
    if (linkSession.figuresChanged(now, reportApplied)) {
        emit linkFigures(linkSession.figures());
    }
}

int Station::waitingAntenna() const
{
    if (!connected) {
        return -1;
    }
    // A switch held by the rule (the newest wish), or one given that waits
    // in the link.
    std::optional<int> waiting = following != nullptr ? following->heldAntenna() : std::nullopt;
    if (!waiting) {
        waiting = linkSession.waitingAntenna();
    }
    return waiting.value_or(-1);
}

/* band following */

void Station::createBandFollowing()
{
    following = new BandFollowing([this] { return bandSituation(); }, this);
    // Band following's switches, Ctrl+N's and those for a device that came back.
    const auto band = [this] {
        if (currentAsker.kind == Asker::Kind::NextAntenna) {
            return currentAsker;
        }
        return Asker {following->restoring() ? Asker::Kind::DeviceBack : Asker::Kind::BandFollowing, QString()};
    };
    connect(following, &BandFollowing::switchWanted, this, [this, band](int antenna, bool heldBefore) {
        const Asking asking(this, band());
        switchTo(static_cast<signed char>(antenna), true, heldBefore);
    });
    connect(following, &BandFollowing::splitWanted, this, [this, band](int antenna, int receive, bool heldBefore) {
        const Asking asking(this, band());
        DeviceCommand command = DeviceCommand::splitOn(static_cast<quint8>(receive), static_cast<quint8>(antenna));
        command.guarded = true;
        command.heldBefore = heldBefore;
        sendCommand(command);
    });
    connect(following, &BandFollowing::splitEndWanted, this, [this, band](int antenna, bool heldBefore) {
        const Asking asking(this, band());
        DeviceCommand command = DeviceCommand::splitOff();
        command.guarded = true;
        command.heldBefore = heldBefore;
        // As SPLIT does: the antenna that follows is no receive antenna.
        deviceState.splitActive = 0;
        sendCommand(command);
        if (antenna != deviceState.selectedAntenna) {
            switchTo(static_cast<signed char>(antenna), true, heldBefore);
        }
    });
    connect(following, &BandFollowing::outputsWanted, this, [this, band](quint8 mask, quint8 on) {
        const Asking asking(this, band());
        // The inhibit output is the sequencer's, whatever a band names.
        const quint8 bandMask = static_cast<quint8>(mask & ~inhibit.rule.bit());
        for (const DeviceCommand& command : bandOutputCommands(deviceState, bandMask, on)) {
            sendCommand(command);
        }
    });
    connect(following, &BandFollowing::statusMessage, &noticeLine, &Notices::show);
    connect(following, &BandFollowing::guardNotice, &noticeLine, &Notices::setStanding);
    connect(following, &BandFollowing::statusReplaced, this, [this](const QString& text, const QString& replacement) {
        // Said once the inhibit is down, in place of its notice; a notice
        // withdrawn is only taken from there if it waits there.
        if (!inhibit.notice.isEmpty() && noticeLine.current() == inhibit.notice) {
            if (!replacement.isEmpty() || inhibit.after == text) {
                inhibit.after = replacement;
            }
        } else {
            noticeLine.replace(text, replacement);
        }
    });
    // The held key's look follows the rule.
    connect(following, &BandFollowing::heldChanged, this, [this] { emit repaintWanted(false); });
    connect(following, &BandFollowing::figuresChanged, this, &Station::radioFigures);
    // Guarded commands leave through the inhibit's gate.
    connect(following, &BandFollowing::guardChanged, this, [this](qint64 openAt, qint64 closesAt) {
        inhibit.guardOpenAt = openAt;
        inhibit.guardClosesAt = closesAt;
        checkInhibit();
    });
    connect(following, &BandFollowing::configChanged, this, &Station::bandFollowChanged);
    connect(following, &BandFollowing::settingsNotSaved, &noticeLine, &Notices::show);
}

const BandFollowConfig& Station::bandFollowConfig() const
{
    return following->config();
}

void Station::setBandFollowConfig(const BandFollowConfig& config)
{
    following->setConfig(config);
}

void Station::loadBandFollow(const bandfollowsettings::Read& read)
{
    const QString notice = following->load(settingsPath, read);
    if (read.config.inhibitGpo != inhibit.rule.output()) {
        dropInhibit(false);
        inhibit.rule.setOutput(read.config.inhibitGpo);
        checkInhibit();
    }
    // Never over a complaint about the host.
    if (!notice.isEmpty() && noticeLine.current() != hostErrorText()) {
        noticeLine.show(notice);
    }
}

BandFollower::Situation Station::bandSituation() const
{
    BandFollower::Situation s;
    s.connected = connected;
    s.stateKnown = following->deviceKnown();
    s.splitBusy = deviceState.splitActive != 0 || splitConfigPending;
    s.selectedAntenna = deviceState.selectedAntenna < group::Antennas ? deviceState.selectedAntenna : -1;
    s.busy = static_cast<quint16>(deviceState.busyMask1to8 | (deviceState.busyMask9to12 & 0x0F) << 8);
    s.outputs = deviceState.gpoStates;
    s.splitRx =
        deviceState.splitActive != 0 && deviceState.splitRxAntenna < group::Antennas ? deviceState.splitRxAntenna : -1;
    return s;
}

/* transmit inhibit: the link's commands and reports go in, the inhibit
   output's commands and the gate for guarded commands come out */

void Station::createInhibit()
{
    inhibit.opens.setSingleShot(true);
    inhibit.opens.setTimerType(Qt::PreciseTimer);
    connect(&inhibit.opens, &QTimer::timeout, this, &Station::checkInhibit);
    inhibit.rule.setOutput(bandFollowConfig().inhibitGpo);
    connect(following, &BandFollowing::configChanged, this, [this] {
        const int output = bandFollowConfig().inhibitGpo;
        if (output != inhibit.rule.output()) {
            dropInhibit(false);
            inhibit.rule.setOutput(output);
            checkInhibit();
        }
    });
}

TxInhibit::Work Station::inhibitWork() const
{
    const PendingCommands::Guarded guarded = linkSession.commands().guarded();
    TxInhibit::Work work;
    work.waiting = guarded.unwritten;
    work.pending = guarded.unconfirmed;
    work.inhibitAsked =
        inhibit.rule.enabled() && linkSession.commands().asks(DeviceCommand::gpo(inhibit.rule.output() - 1, true));
    return work;
}

void Station::checkInhibit()
{
    const qint64 now = linkclock::steadyNow();
    if (connected && linkSession.isActive()) {
        // Raised on an old reading too: once it holds the radio, age does not matter.
        carryOut(inhibit.rule.update(inhibitWork(), now >= inhibit.guardOpenAt));
    }
    // Without a report to wake it, a guard that opens later is waited for.
    if (inhibit.rule.phase() == TxInhibit::Phase::Idle && inhibit.guardOpenAt > now &&
        inhibit.guardOpenAt != TransmitGuard::never) {
        inhibit.opens.start(static_cast<int>(qMin<qint64>(inhibit.guardOpenAt - now, 60000)));
    }
    const qint64 gate = inhibit.rule.gate(inhibit.guardOpenAt);
    // A radio held off the air cannot have keyed since the last reading.
    const qint64 closes = inhibit.rule.phase() == TxInhibit::Phase::Held ? TransmitGuard::never : inhibit.guardClosesAt;
    deviceLink.setGuardOpenAt(gate, closes);
    linkSession.guardMoved(gate, now, closes);
    showLinkChanges();
}

void Station::carryOut(const TxInhibit::Step& step)
{
    const int output = inhibit.rule.output();
    switch (step.act) {
    case TxInhibit::Act::None:
        return;
    case TxInhibit::Act::Raise: {
        sendCommand(DeviceCommand::gpo(output - 1, true));
        const std::optional<int> antenna = linkSession.waitingAntenna();
        const QString notice = antenna ? Text::tr("TX inhibited for the switch to Ant %1").arg(*antenna + 1)
                                       : Text::tr("TX inhibited for the band outputs");
        if (step.notConfirmed) {
            noticeLine.show(Text::tr("GPO %1 (TX inhibit) not confirmed by the Merax: switching waits").arg(output));
        } else if (notice != inhibit.notice) {
            noticeLine.replace(inhibit.notice, QString());
            inhibit.notice = notice;
            noticeLine.show(notice);
        }
        return;
    }
    case TxInhibit::Act::Lower:
        sendCommand(DeviceCommand::gpo(output - 1, false));
        noticeLine.replace(std::exchange(inhibit.notice, QString()), std::exchange(inhibit.after, QString()));
        if (step.leftOn) {
            noticeLine.show(Text::tr("GPO %1 (TX inhibit) was left on: lowered").arg(output));
        }
        return;
    }
}

void Station::inhibitReported(quint8 outputs, bool sending)
{
    carryOut(inhibit.rule.reported(outputs, sending, inhibitWork()));
    checkInhibit();
}

void Station::dropInhibit(bool stopping)
{
    inhibit.opens.stop();
    const int output = inhibit.rule.output();
    if (!inhibit.rule.stop()) {
        return;
    }
    noticeLine.replace(std::exchange(inhibit.notice, QString()), QString());
    inhibit.after.clear();
    const DeviceCommand lower = DeviceCommand::gpo(output - 1, false);
    if (!stopping) {
        sendCommand(lower);
        checkInhibit();
    } else if (ThreadCOM* worker = deviceLink.worker()) {
        // The session is over: straight to the worker, past what it dropped.
        worker->setGuardOpenAt(TransmitGuard::never);
        worker->clearQueue();
        worker->enqueueCommand(lower);
    }
}
