#ifndef ZAREL_JOURNALRECORDER_H
#define ZAREL_JOURNALRECORDER_H

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

#include "app/asker.h"
#include "app/journalevent.h"
#include "link/command.h"
#include "link/devicestate.h"
#include "link/pendingcommands.h"

class Station;

// Turns what a station does into journal rows: each switch asked for with
// who asked, how long the guard held it and what came of it; what the
// device did unasked; the link, the radio source, the notices and the
// rotators. A switch's row goes out when it is asked for and again with its
// outcome (the same ref), so a crash keeps the question. GUI thread only.
class JournalRecorder : public QObject
{
    Q_OBJECT

public:
    using Sink = std::function<void(const JournalEvent&)>;
    JournalRecorder(Station& station, Sink sink, QObject* parent = nullptr);
    // The station ends: what it asked for has no outcome now, and what the
    // device does from here on is not known.
    void stationEnds();

    // After this long without SEND a transmission has ended: a CW over's
    // word spaces are not each a transmission.
    static constexpr qint64 transmitHangMs = 2000;

private:
    struct Open
    {
        JournalEvent row;
        DeviceCommand command;
        QString name; // as the device's verdicts name it: "Ant 4"
        qint64 askedAt = 0; // steady
        qint64 writtenAt = 0; // steady, the first write; 0: not yet
        qint64 ruleHeldMs = 0; // held by band following before it was asked
        bool guarded = false;
    };

    void asked(const DeviceCommand& command, const Asker& asker);
    void askedAgain(const DeviceCommand& command);
    void written(const DeviceCommand& command, qint64 at);
    void reported(const DeviceState& device);
    void judged(const QStringList& confirmed, const QStringList& notConfirmed);
    void connectedChanged(bool connected);
    void powerChecked(bool fresh);
    void radioFigures(const QString& text);
    void heldChanged();
    void rotatorAsked(int rotor, std::optional<double> bearing, const Asker& asker);
    void notice(const QString& text);
    void noticeRow(const QString& text);

    void settle(Open& open, const QString& outcome, bool failed, int antenna = JournalEvent::noAntenna);
    void deviceRow(const QString& what, const QString& outcome, int antenna);
    void endTransmission(qint64 at);
    void emitRow(JournalEvent row);
    QString askerText(const Asker& asker, const DeviceCommand& command) const;
    QString nextRef();
    qint64 now() const;

    Station& station;
    Sink sink;
    QString refPrefix;
    quint64 refSerial = 0;
    std::vector<Open> open;
    // The device as its last report had it; none since Connect or a silence.
    std::optional<DeviceState> known;
    bool connected = false;
    bool answered = false; // a report came since Connect
    bool fresh = false;
    bool lost = false; // the link's loss was recorded, its return not yet
    qint64 lastReportAt = 0; // wall clock
    qint64 silentSince = 0;
    QString radio; // the radio's figures as last shown
    QString standing; // the guard's standing notice, recorded when set
    QString lastNotice;
    qint64 lastNoticeAt = 0; // steady
    bool radioKnown = false;
    // The antenna band following holds for the end of a transmission, since when, and who.
    std::optional<int> heldAntenna;
    qint64 heldSince = 0; // steady
    Asker heldBy;
    // A transmission under way: its start, and its last report with SEND.
    qint64 sendingSince = 0;
    qint64 lastSendAt = 0;
    QTimer transmitEnd;
    bool ended = false;
};

#endif // ZAREL_JOURNALRECORDER_H
