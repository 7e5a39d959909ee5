#ifndef ZAREL_JOURNALDAY_H
#define ZAREL_JOURNALDAY_H

#include <QString>
#include <QVector>

#include <array>

#include "app/journalevent.h"

// What the journal window's day picture draws, from the journal's rows of one
// UTC day: which antenna was in use when, the transmissions, and the
// switches that waited or failed. Window-free, so the rules are tested alone.
namespace journalday {

constexpr int antennas = 12;
constexpr qint64 dayMs = 24 * 60 * 60 * 1000;

struct Span
{
    qint64 from = 0;
    qint64 to = 0; // not included
    qint64 length() const { return to - from; }
    bool operator==(const Span& other) const { return from == other.from && to == other.to; }
};

struct Mark
{
    enum class Kind { Waited, Failed };
    qint64 at = 0;
    Kind kind = Kind::Waited;
    qint64 id = 0; // the row's
    // The lane: the antenna the switch was for, 0..11 (for one that failed,
    // as its text names it); -1: not known.
    int antenna = -1;
};

struct Picture
{
    qint64 start = 0;
    qint64 end = 0; // not included
    // Where spans still open stop: the day's end, or now for today.
    qint64 limit = 0;
    std::array<QVector<Span>, antennas> inUse;
    QVector<Span> transmits; // oldest first
    QVector<Mark> marks; // oldest first
    int waited = 0;
    int failed = 0;

    qint64 inUseMs(int antenna) const;
};

// The UTC day holding `at`: [start, start + dayMs).
qint64 dayStart(qint64 at);

// When a row's antenna takes effect: when its outcome was known, or when it
// was written while that is not known.
inline qint64 effectiveAt(const JournalEvent& event)
{
    return event.settled > 0 ? event.settled : event.at;
}

// The antenna in use at `at` by the newest row before it that says (rows in
// any order): 0..11, JournalEvent::released or unknownAntenna, and
// JournalEvent::noAntenna when none says.
int antennaAt(const QVector<JournalEvent>& rows, qint64 at);

// The picture of [start, end) from rows in any order; rows outside the day
// are taken only for what reaches into it. `antennaAtStart` as antennaAt()
// gives it; `now` ends what is still open on today (and leaves the future
// empty).
Picture picture(const QVector<JournalEvent>& rows, qint64 start, qint64 end, int antennaAtStart, qint64 now);

// The window's filters: kinds by group, text in what, who or outcome.
enum class KindFilter { All, Switches, Link, Notices, TransmitAndRotators };
bool matches(const JournalEvent& event, KindFilter kinds, const QString& text);

// Index of the row nearest `at` in rows newest first; -1 when there are none.
int nearestRow(const QVector<JournalEvent>& newestFirst, qint64 at);

} // namespace journalday

#endif // ZAREL_JOURNALDAY_H
