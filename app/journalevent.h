#ifndef ZAREL_JOURNALEVENT_H
#define ZAREL_JOURNALEVENT_H

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>

// One row of the station's journal: what happened, when (UTC, ms since the
// epoch), who asked and what came of it. The texts are the panel's own, in
// the language it spoke then.
struct JournalEvent
{
    enum class Kind {
        Switch, // a switch this station asked for
        Device, // what the device did that this station did not ask for
        Link, // connect, disconnect, lost, back; the radio source too
        Notice, // a notice the status line showed
        Transmit, // a transmission, at its start, lasting `lastedMs`
        Rotator, // a turn or stop asked for
    };
    // Set by the store: a row read back has its number.
    qint64 id = 0;
    // Ties a row written early to its outcome written later; empty: none.
    QString ref;
    qint64 at = 0;
    Kind kind = Kind::Notice;
    QString what; // "Ant 4", "RELEASE", "SPLIT on, TX Ant 3, RX Ant 5", "GPO 2 on", "link lost"
    QString who; // "key", "F4", "band following: 14.074 MHz · 20 m", "browser: anna"
    QString outcome; // "confirmed after 180 ms", "not sent: superseded by Ant 5"
    // How long the transmit guard held it back; -1: it was not held.
    qint64 heldMs = -1;
    // When the outcome was known; 0: not yet.
    qint64 settled = 0;
    // The antenna in use from `settled` on (0 is Ant 1) for switches
    // confirmed and device rows; -1: none (RELEASE); -2: unknown from here.
    int antenna = noAntenna;
    // A transmission's length.
    qint64 lastedMs = -1;
    // The switch waited for the end of a transmission, or it failed: marked
    // on the day's picture.
    bool waited() const { return heldMs > 0; }
    bool failed = false;

    static constexpr int noAntenna = -3; // says nothing of the antenna in use
    static constexpr int released = -1;
    static constexpr int unknownAntenna = -2;

    // The kind as stored and printed: "switch", "device", "link", "notice",
    // "transmit", "rotator".
    static QString kindName(Kind kind);
    static bool kindFromName(const QString& name, Kind* kind);
};

Q_DECLARE_METATYPE(JournalEvent)

namespace journaltext {

// The header row and one row each, as RFC 4180 CSV (fields with commas,
// quotes or line breaks quoted; CRLF line ends).
QString csvHeader();
QString csvRow(const JournalEvent& event);
QString csv(const QVector<JournalEvent>& events);
// One line for a terminal: "2026-12-10 09:14:02.118 UTC  switch  Ant 4  key  confirmed after 180 ms".
QString line(const JournalEvent& event);
// "2026-12-10 09:14:02.118" (UTC).
QString timeText(qint64 at);

} // namespace journaltext

#endif // ZAREL_JOURNALEVENT_H
