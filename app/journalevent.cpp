#include "app/journalevent.h"

#include <QDateTime>

namespace {

struct KindName
{
    JournalEvent::Kind kind;
    const char* name;
};
constexpr KindName kindNames[] = {
    {JournalEvent::Kind::Switch, "switch"},     {JournalEvent::Kind::Device, "device"},
    {JournalEvent::Kind::Link, "link"},         {JournalEvent::Kind::Notice, "notice"},
    {JournalEvent::Kind::Transmit, "transmit"}, {JournalEvent::Kind::Rotator, "rotator"},
};

QString csvField(const QString& text)
{
    // A caption or a user's name read by a spreadsheet must stay text, not
    // become a formula.
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.at(0))) {
        return csvField(QLatin1Char('\'') + text);
    }
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r'))) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString number(qint64 value)
{
    return value < 0 ? QString() : QString::number(value);
}

QString antennaText(int antenna)
{
    if (antenna >= 0) {
        return QStringLiteral("Ant %1").arg(antenna + 1);
    }
    if (antenna == JournalEvent::released) {
        return QStringLiteral("none");
    }
    return antenna == JournalEvent::unknownAntenna ? QStringLiteral("unknown") : QString();
}

} // namespace

QString JournalEvent::kindName(Kind kind)
{
    for (const KindName& entry : kindNames) {
        if (entry.kind == kind) {
            return QString::fromLatin1(entry.name);
        }
    }
    return QString();
}

bool JournalEvent::kindFromName(const QString& name, Kind* kind)
{
    for (const KindName& entry : kindNames) {
        if (name == QLatin1String(entry.name)) {
            *kind = entry.kind;
            return true;
        }
    }
    return false;
}

namespace journaltext {

QString timeText(qint64 at)
{
    return QDateTime::fromMSecsSinceEpoch(at, Qt::UTC).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

QString csvHeader()
{
    return QStringLiteral("time_utc,kind,what,who,outcome,held_ms,settled_utc,antenna,lasted_ms\r\n");
}

QString csvRow(const JournalEvent& event)
{
    const QStringList fields {timeText(event.at),
                              JournalEvent::kindName(event.kind),
                              csvField(event.what),
                              csvField(event.who),
                              csvField(event.outcome),
                              number(event.heldMs),
                              event.settled > 0 ? timeText(event.settled) : QString(),
                              antennaText(event.antenna),
                              number(event.lastedMs)};
    return fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

QString csv(const QVector<JournalEvent>& events)
{
    QString text = csvHeader();
    for (const JournalEvent& event : events) {
        text += csvRow(event);
    }
    return text;
}

QString line(const JournalEvent& event)
{
    QStringList parts {timeText(event.at) + QStringLiteral(" UTC"), JournalEvent::kindName(event.kind), event.what};
    if (!event.who.isEmpty()) {
        parts << event.who;
    }
    if (event.heldMs > 0) {
        parts << QStringLiteral("held %1 ms").arg(event.heldMs);
    }
    if (!event.outcome.isEmpty()) {
        parts << event.outcome;
    }
    if (event.lastedMs >= 0) {
        parts << QStringLiteral("%1 ms").arg(event.lastedMs);
    }
    return parts.join(QStringLiteral("  "));
}

} // namespace journaltext
