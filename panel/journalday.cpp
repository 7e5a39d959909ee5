#include "panel/journalday.h"

#include <QRegularExpression>

#include <algorithm>

namespace journalday {

namespace {

// A row names an antenna in use, its release, or an antenna not known from
// here; anything else read from a damaged file says "not known".
bool changesAntenna(const JournalEvent& event)
{
    return event.antenna != JournalEvent::noAntenna;
}

int antennaFrom(const JournalEvent& event)
{
    const int antenna = event.antenna;
    if ((antenna >= 0 && antenna < antennas) || antenna == JournalEvent::released) {
        return antenna;
    }
    return JournalEvent::unknownAntenna;
}

bool inUse(int antenna)
{
    return antenna >= 0 && antenna < antennas;
}

// Earlier in effect, or written first within the same millisecond.
bool before(const JournalEvent* a, const JournalEvent* b)
{
    const qint64 atA = effectiveAt(*a);
    const qint64 atB = effectiveAt(*b);
    return atA != atB ? atA < atB : a->id < b->id;
}

// A switch that failed names no antenna in use; its text names the one
// asked for, "Ant 4" in whatever language it was written: a word and a
// number, and nothing else (not "SPLIT on, TX Ant 3, RX Ant 5").
int antennaAskedFor(const JournalEvent& event)
{
    if (inUse(event.antenna)) {
        return event.antenna;
    }
    static const QRegularExpression single(QStringLiteral("^\\D*\\s(\\d{1,2})$"));
    const QRegularExpressionMatch match = single.match(event.what.trimmed());
    const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
    return number >= 1 && number <= antennas ? number - 1 : -1;
}

} // namespace

qint64 Picture::inUseMs(int antenna) const
{
    if (antenna < 0 || antenna >= antennas) {
        return 0;
    }
    qint64 total = 0;
    for (const Span& span : inUse[std::size_t(antenna)]) {
        total += span.length();
    }
    return total;
}

qint64 dayStart(qint64 at)
{
    // Floor, not truncation: a time before 1970 belongs to the day before.
    qint64 days = at / dayMs;
    if (at % dayMs < 0) {
        --days;
    }
    return days * dayMs;
}

int antennaAt(const QVector<JournalEvent>& rows, qint64 at)
{
    const JournalEvent* newest = nullptr;
    for (const JournalEvent& row : rows) {
        if (changesAntenna(row) && effectiveAt(row) < at && (newest == nullptr || before(newest, &row))) {
            newest = &row;
        }
    }
    return newest ? antennaFrom(*newest) : JournalEvent::noAntenna;
}

Picture picture(const QVector<JournalEvent>& rows, qint64 start, qint64 end, int antennaAtStart, qint64 now)
{
    Picture p;
    p.start = start;
    p.end = std::max(start, end);
    // Nothing is known after now: today stops there, a day to come is empty.
    p.limit = std::clamp(now, p.start, p.end);

    std::vector<const JournalEvent*> changes;
    for (const JournalEvent& row : rows) {
        const qint64 at = effectiveAt(row);
        if (changesAntenna(row) && at >= p.start && at < p.limit) {
            changes.push_back(&row);
        }
    }
    std::sort(changes.begin(), changes.end(), before);
    int current = inUse(antennaAtStart) ? antennaAtStart : JournalEvent::noAntenna;
    qint64 from = p.start;
    const auto close = [&p, &current, &from](qint64 to) {
        if (!inUse(current) || to <= from) {
            return;
        }
        QVector<Span>& spans = p.inUse[std::size_t(current)];
        spans.append({from, to});
    };
    for (const JournalEvent* change : changes) {
        const int antenna = antennaFrom(*change);
        // The same antenna confirmed again goes on being in use.
        if (antenna == current) {
            continue;
        }
        const qint64 at = effectiveAt(*change);
        close(at);
        current = antenna;
        from = at;
    }
    close(p.limit);

    for (const JournalEvent& row : rows) {
        // Only the day before reaches into the day; a damaged time is left out.
        if (row.kind != JournalEvent::Kind::Transmit || row.at >= p.limit || row.at < p.start - dayMs) {
            continue;
        }
        qint64 to = row.at;
        if (row.lastedMs >= 0) {
            // Also a length that would overflow stops at the day's end.
            to = row.lastedMs >= p.end - row.at ? p.end : row.at + row.lastedMs;
        } else if (now < p.end) {
            // Not ended yet, as far as the journal knows.
            to = std::max(row.at, p.limit);
        }
        const qint64 clippedFrom = std::max(row.at, p.start);
        const qint64 clippedTo = std::min(to, p.limit);
        // One of no length is kept when it began on the day, to be seen.
        if (clippedTo > clippedFrom || (clippedTo == clippedFrom && row.at >= p.start)) {
            p.transmits.append({clippedFrom, clippedTo});
        }
    }
    std::sort(p.transmits.begin(), p.transmits.end(),
              [](const Span& a, const Span& b) { return a.from != b.from ? a.from < b.from : a.to < b.to; });

    for (const JournalEvent& row : rows) {
        if (row.kind != JournalEvent::Kind::Switch || row.at < p.start || row.at >= p.end ||
            !(row.failed || row.waited())) {
            continue;
        }
        Mark mark;
        mark.at = row.at;
        // Failed outweighs waited: a switch that waited and then failed is a failure.
        mark.kind = row.failed ? Mark::Kind::Failed : Mark::Kind::Waited;
        mark.id = row.id;
        mark.antenna = antennaAskedFor(row);
        p.marks.append(mark);
        ++(row.failed ? p.failed : p.waited);
    }
    std::sort(p.marks.begin(), p.marks.end(),
              [](const Mark& a, const Mark& b) { return a.at != b.at ? a.at < b.at : a.id < b.id; });
    return p;
}

bool matches(const JournalEvent& event, KindFilter kinds, const QString& text)
{
    using Kind = JournalEvent::Kind;
    switch (kinds) {
    case KindFilter::All:
        break;
    case KindFilter::Switches:
        if (event.kind != Kind::Switch && event.kind != Kind::Device) {
            return false;
        }
        break;
    case KindFilter::Link:
        if (event.kind != Kind::Link) {
            return false;
        }
        break;
    case KindFilter::Notices:
        if (event.kind != Kind::Notice) {
            return false;
        }
        break;
    case KindFilter::TransmitAndRotators:
        if (event.kind != Kind::Transmit && event.kind != Kind::Rotator) {
            return false;
        }
        break;
    }
    const QString wanted = text.trimmed();
    return wanted.isEmpty() || event.what.contains(wanted, Qt::CaseInsensitive) ||
        event.who.contains(wanted, Qt::CaseInsensitive) || event.outcome.contains(wanted, Qt::CaseInsensitive);
}

int nearestRow(const QVector<JournalEvent>& newestFirst, qint64 at)
{
    if (newestFirst.isEmpty()) {
        return -1;
    }
    // The first row at or before `at`; the one before it is the next later.
    const auto older = std::lower_bound(newestFirst.begin(), newestFirst.end(), at,
                                        [](const JournalEvent& row, qint64 t) { return row.at > t; });
    const int index = int(older - newestFirst.begin());
    if (index == newestFirst.size()) {
        return index - 1;
    }
    if (index == 0) {
        return 0;
    }
    const qint64 later = newestFirst.at(index - 1).at - at;
    const qint64 earlier = at - newestFirst.at(index).at;
    return later < earlier ? index - 1 : index;
}

} // namespace journalday
