#include "panel/bandfollow.h"

#include "app/settingskeys.h"
#include "connection/radioinfo.h"

#include <QRegularExpression>

#include <algorithm>
#include <utility>

bool BandSegment::operator==(const BandSegment& o) const
{
    return lowHz == o.lowHz && highHz == o.highHz && mode == o.mode && antennas == o.antennas && outputs == o.outputs;
}

bool BandFollowConfig::operator==(const BandFollowConfig& other) const
{
    return source == other.source && remember == other.remember && holdManual == other.holdManual &&
        txHangMs == other.txHangMs && antennas == other.antennas && outputs == other.outputs &&
        segments == other.segments && busyInterlock == other.busyInterlock;
}

namespace bandfollowsettings {

namespace {

using Kind = RadioSourceSettings::Kind;

QString kindText(Kind kind)
{
    switch (kind) {
    case Kind::Rigctld:
        return QStringLiteral("rigctld");
    case Kind::Logger:
        return QStringLiteral("logger");
    case Kind::Off:
        break;
    }
    return QStringLiteral("off");
}

std::optional<Kind> kindFrom(const QString& text)
{
    for (Kind kind : {Kind::Off, Kind::Rigctld, Kind::Logger}) {
        if (text.trimmed().compare(kindText(kind), Qt::CaseInsensitive) == 0) {
            return kind;
        }
    }
    return std::nullopt;
}

std::optional<int> numberFrom(const QString& text, int lowest, int highest)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n >= lowest && n <= highest ? std::optional<int>(n) : std::nullopt;
}

QString flagText(bool on)
{
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

// The words of a value, with the blanks around commas taken out: "4, 9, 2
// 1-0-----" gives "4,9,2" and "1-0-----".
QStringList wordsOf(const QString& text)
{
    QString joined = text.simplified();
    joined.replace(QStringLiteral(", "), QStringLiteral(","));
    joined.replace(QStringLiteral(" ,"), QStringLiteral(","));
    return joined.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool looksLikeOutputs(const QString& word)
{
    return word.size() == 8 &&
        std::all_of(word.begin(), word.end(), [](QChar c) { return QStringLiteral("01-").contains(c); });
}

// Antennas, then outputs, each at most once; whatever is left out is empty.
bool takeChoice(QStringList words, AntennaList& antennas, BandOutputs& outputs)
{
    if (!words.isEmpty() && !looksLikeOutputs(words.first())) {
        const std::optional<AntennaList> list = antennasFrom(words.takeFirst());
        if (!list) {
            return false;
        }
        antennas = *list;
    }
    if (!words.isEmpty()) {
        const std::optional<BandOutputs> set = outputsFrom(words.takeFirst());
        if (!set) {
            return false;
        }
        outputs = *set;
    }
    return words.isEmpty();
}

QString choiceText(const AntennaList& antennas, const BandOutputs& outputs)
{
    return outputs.isEmpty() ? antennasText(antennas)
                             : antennasText(antennas) + QLatin1Char(' ') + outputsText(outputs);
}

// "3500", "3573.5": kilohertz to the hertz.
std::optional<qint64> kilohertzFrom(const QString& text)
{
    const int point = text.indexOf(QLatin1Char('.'));
    if (point >= 0 && text.size() - point - 1 > 3) {
        return std::nullopt;
    }
    const QString hz = point < 0 ? text : text.left(point) + text.mid(point + 1).leftJustified(3, QLatin1Char('0'));
    return point < 0 ? frequencyFromText(hz, 1000) : frequencyFromText(hz, 1);
}

} // namespace

std::optional<AntennaList> antennasFrom(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t == QLatin1String("0")) {
        return AntennaList();
    }
    AntennaList list;
    for (const QString& part : t.split(QLatin1Char(','))) {
        const std::optional<int> n = numberFrom(part, 1, 12);
        if (!n) {
            return std::nullopt;
        }
        if (!list.contains(*n)) {
            list.append(*n);
        }
    }
    return list;
}

std::optional<BandOutputs> outputsFrom(const QString& text)
{
    const QString t = text.trimmed();
    if (!looksLikeOutputs(t)) {
        return std::nullopt;
    }
    BandOutputs outputs;
    for (int i = 0; i < 8; ++i) {
        if (t.at(i) != QLatin1Char('-')) {
            outputs.mask = quint8(outputs.mask | (1u << i));
            if (t.at(i) == QLatin1Char('1')) {
                outputs.on = quint8(outputs.on | (1u << i));
            }
        }
    }
    return outputs;
}

QString antennasText(const AntennaList& antennas)
{
    if (antennas.isEmpty()) {
        return QStringLiteral("0");
    }
    QStringList parts;
    for (int n : antennas) {
        parts << QString::number(n);
    }
    return parts.join(QStringLiteral(", "));
}

QString outputsText(const BandOutputs& outputs)
{
    QString text;
    for (int i = 0; i < 8; ++i) {
        const bool named = outputs.mask & (1u << i);
        text += !named ? QLatin1Char('-') : (outputs.on & (1u << i)) ? QLatin1Char('1') : QLatin1Char('0');
    }
    return text;
}

QString modeText(RadioMode mode)
{
    switch (mode) {
    case RadioMode::Cw:
        return QStringLiteral("CW");
    case RadioMode::Ssb:
        return QStringLiteral("SSB");
    case RadioMode::Data:
        return QStringLiteral("DATA");
    case RadioMode::Unknown:
    case RadioMode::Other:
        break;
    }
    return QString();
}

std::optional<BandSegment> segmentFrom(const QString& text)
{
    // The range first, blanks around its dash allowed: "3570 - 3590".
    static const QRegularExpression rangeFormat(QStringLiteral("^\\s*([0-9.]+)\\s*-\\s*([0-9.]+)(\\s|$)"));
    const QRegularExpressionMatch range = rangeFormat.match(text);
    if (!range.hasMatch()) {
        return std::nullopt;
    }
    QStringList words = wordsOf(text.mid(range.capturedEnd(2)));
    BandSegment segment;
    const std::optional<qint64> low = kilohertzFrom(range.captured(1));
    const std::optional<qint64> high = kilohertzFrom(range.captured(2));
    // Inside one band, or it could never be told which band it serves.
    if (!low || !high || *low > *high || !bandplan::bandAt(*low) || bandplan::bandAt(*low) != bandplan::bandAt(*high)) {
        return std::nullopt;
    }
    segment.lowHz = *low;
    segment.highHz = *high;
    // One mode at most: a second mode word is no antenna list either.
    for (RadioMode mode : {RadioMode::Cw, RadioMode::Ssb, RadioMode::Data}) {
        if (!words.isEmpty() && words.first().compare(modeText(mode), Qt::CaseInsensitive) == 0) {
            segment.mode = mode;
            words.removeFirst();
            break;
        }
    }
    if (!takeChoice(words, segment.antennas, segment.outputs)) {
        return std::nullopt;
    }
    return segment;
}

QString segmentText(const BandSegment& segment)
{
    QString text = kilohertzText(segment.lowHz) + QLatin1Char('-') + kilohertzText(segment.highHz);
    if (segment.mode != RadioMode::Unknown) {
        text += QLatin1Char(' ') + modeText(segment.mode);
    }
    return text + QLatin1Char(' ') + choiceText(segment.antennas, segment.outputs);
}

QString kilohertzText(qint64 hz)
{
    QString text = QString::number(hz / 1000);
    if (hz % 1000 != 0) {
        text += QStringLiteral(".%1").arg(hz % 1000, 3, 10, QLatin1Char('0'));
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
    }
    return text;
}

std::optional<QString> hostFrom(const QString& text)
{
    // A host name or address holds no blanks or commas.
    const QString host = text.trimmed();
    const bool usable = !host.isEmpty() && !host.contains(QLatin1Char(',')) &&
        std::none_of(host.begin(), host.end(), [](QChar c) { return c.isSpace(); });
    return usable ? std::optional<QString>(host) : std::nullopt;
}

Read read(const std::function<std::optional<QString>(const QString& key)>& lookup)
{
    Read result;
    BandFollowConfig& c = result.config;
    // Takes the key's value when parse accepts it; otherwise names it.
    const auto take = [&](const QString& key, auto parse, auto store) {
        const std::optional<QString> text = lookup(key);
        if (!text) {
            return;
        }
        if (const auto value = parse(*text)) {
            store(*value);
        } else {
            result.ignored << key.section(QLatin1Char('/'), 1) + QLatin1Char('=') + *text;
            result.ignoredKeys << key;
        }
    };
    const auto port = [](const QString& t) { return numberFrom(t, 1, 65535); };
    namespace key = settingskey::bandfollow;

    take(key::Source, kindFrom, [&](Kind kind) { c.source.kind = kind; });
    take(key::RigHost, hostFrom, [&](const QString& host) { c.source.rigHost = host; });
    take(key::RigPort, port, [&](int n) { c.source.rigPort = quint16(n); });
    take(key::LoggerPort, port, [&](int n) { c.source.loggerPort = quint16(n); });
    take(
        key::LoggerRadio, [](const QString& t) { return numberFrom(t, 1, 99); },
        [&](int n) { c.source.loggerRadio = n; });
    // Empty is a choice here: datagrams from any host, of any station.
    take(
        key::LoggerHost,
        [](const QString& t) { return t.trimmed().isEmpty() ? std::optional<QString>(QString()) : hostFrom(t); },
        [&](const QString& host) { c.source.loggerHost = host; });
    take(
        key::LoggerStation, [](const QString& t) { return std::optional<QString>(t.trimmed()); },
        [&](const QString& station) { c.source.loggerStation = station; });
    // A logger source set up anew trusts this computer only; one set up
    // before the host could be named keeps taking any host, as it did.
    if (!lookup(key::LoggerHost) && c.source.kind != Kind::Logger) {
        c.source.loggerHost = QStringLiteral("127.0.0.1");
    }
    take(key::Remember, flagFromText, [&](bool on) { c.remember = on; });
    take(key::HoldManual, flagFromText, [&](bool on) { c.holdManual = on; });
    take(
        key::TxHangMs, [](const QString& t) { return numberFrom(t, 0, 5000); }, [&](int n) { c.txHangMs = n; });
    // Shorter than the guard can honour: raised to its floor, and named, so
    // the file is written right.
    if (c.txHangMs < TransmitGuard::minimumHangMs) {
        result.ignored << QStringLiteral("TxHangMs=") + QString::number(c.txHangMs);
        result.ignoredKeys << key::TxHangMs;
        c.txHangMs = TransmitGuard::minimumHangMs;
    }
    take(key::BusyInterlock, flagFromText, [&](bool on) { c.busyInterlock = on; });
    for (int b = 0; b < bandplan::BandCount; ++b) {
        using Choice = std::pair<AntennaList, BandOutputs>;
        take(
            key::band(b),
            [](const QString& t) {
                Choice choice;
                return takeChoice(wordsOf(t), choice.first, choice.second) ? std::optional<Choice>(choice)
                                                                           : std::nullopt;
            },
            [&](const Choice& choice) {
                c.antennas[std::size_t(b)] = choice.first;
                c.outputs[std::size_t(b)] = choice.second;
            });
    }
    // Segment1, Segment2, ...: gaps close up, an empty one is none. Lines
    // past the limit (an older dialog wrote them) are named, so the next
    // save empties them.
    for (int i = 0; i < MaxSegments || lookup(key::segment(i)); ++i) {
        const std::optional<QString> text = lookup(key::segment(i));
        if (!text || text->trimmed().isEmpty()) {
            continue;
        }
        result.segmentSlots = i + 1;
        if (i >= MaxSegments) {
            result.ignored << key::segment(i).section(QLatin1Char('/'), 1) + QLatin1Char('=') + *text;
            result.ignoredKeys << key::segment(i);
            continue;
        }
        take(key::segment(i), segmentFrom, [&](const BandSegment& segment) { c.segments.append(segment); });
    }
    return result;
}

QVector<QPair<QString, QString>> changes(const BandFollowConfig& from, const BandFollowConfig& to,
                                         const QStringList& rewrite, int segmentSlots)
{
    QVector<QPair<QString, QString>> list;
    const auto add = [&list, &rewrite](const QString& key, const QString& old, const QString& now) {
        if (old != now || rewrite.contains(key)) {
            list.append({key, now});
        }
    };
    namespace key = settingskey::bandfollow;
    add(key::Source, kindText(from.source.kind), kindText(to.source.kind));
    add(key::RigHost, from.source.rigHost, to.source.rigHost);
    add(key::RigPort, QString::number(from.source.rigPort), QString::number(to.source.rigPort));
    add(key::LoggerPort, QString::number(from.source.loggerPort), QString::number(to.source.loggerPort));
    add(key::LoggerRadio, QString::number(from.source.loggerRadio), QString::number(to.source.loggerRadio));
    // Stored with the logger source it was chosen with, default or not.
    const bool loggerChosen = to.source.kind == Kind::Logger && from.source.kind != Kind::Logger;
    if (loggerChosen || from.source.loggerHost != to.source.loggerHost || rewrite.contains(key::LoggerHost)) {
        list.append({key::LoggerHost, to.source.loggerHost});
    }
    add(key::LoggerStation, from.source.loggerStation, to.source.loggerStation);
    add(key::Remember, flagText(from.remember), flagText(to.remember));
    add(key::HoldManual, flagText(from.holdManual), flagText(to.holdManual));
    add(key::TxHangMs, QString::number(from.txHangMs), QString::number(to.txHangMs));
    add(key::BusyInterlock, flagText(from.busyInterlock), flagText(to.busyInterlock));
    for (int b = 0; b < bandplan::BandCount; ++b) {
        const std::size_t i = std::size_t(b);
        add(key::band(b), choiceText(from.antennas[i], from.outputs[i]), choiceText(to.antennas[i], to.outputs[i]));
    }
    // The file's numbers need not match the list's (gaps, unusable lines
    // closed up): on any change all are written from 1, the rest emptied.
    const QString segmentKey = key::segment(0).chopped(1); // without its number
    const bool segmentIgnored =
        std::any_of(rewrite.begin(), rewrite.end(), [&](const QString& k) { return k.startsWith(segmentKey); });
    if (from.segments != to.segments || segmentIgnored) {
        const int highest = std::max({segmentSlots, int(from.segments.size()), int(to.segments.size())});
        for (int i = 0; i < highest; ++i) {
            list.append({key::segment(i), i < to.segments.size() ? segmentText(to.segments.at(i)) : QString()});
        }
    }
    return list;
}

} // namespace bandfollowsettings

BandFollower::Place BandFollower::placeAt(qint64 hz, RadioMode mode) const
{
    Place at;
    const std::optional<int> b = bandplan::bandAt(hz);
    if (!b) {
        return at;
    }
    at.band = *b;
    // A segment of the radio's mode wins over one for any mode.
    for (int i = 0; i < cfg.segments.size(); ++i) {
        const BandSegment& segment = cfg.segments.at(i);
        if (hz < segment.lowHz || hz > segment.highHz) {
            continue;
        }
        if (segment.mode == RadioMode::Unknown) {
            if (at.segment < 0) {
                at.segment = i;
            }
        } else if (segment.mode == mode) {
            at.segment = i;
            return at;
        }
    }
    return at;
}

const AntennaList& BandFollower::antennasOf(const Place& at) const
{
    if (at.segment >= 0 && !cfg.segments.at(at.segment).antennas.isEmpty()) {
        return cfg.segments.at(at.segment).antennas;
    }
    return cfg.antennas[std::size_t(at.band)];
}

AntennaList& BandFollower::antennasOf(const Place& at)
{
    if (at.segment >= 0 && !cfg.segments.at(at.segment).antennas.isEmpty()) {
        return cfg.segments[at.segment].antennas;
    }
    return cfg.antennas[std::size_t(at.band)];
}

BandOutputs BandFollower::outputsOf(const Place& at) const
{
    if (at.segment >= 0 && !cfg.segments.at(at.segment).outputs.isEmpty()) {
        return cfg.segments.at(at.segment).outputs;
    }
    return cfg.outputs[std::size_t(at.band)];
}

AntennaList BandFollower::currentAntennas() const
{
    return followed ? antennasOf(*followed) : AntennaList();
}

namespace {

bool busyElsewhere(int antenna, const BandFollower::Situation& s)
{
    return antenna >= 0 && antenna < 16 && (s.busy & (1u << antenna)) != 0;
}

} // namespace

std::optional<int> BandFollower::firstFree(const AntennaList& antennas, const Situation& s) const
{
    for (int n : antennas) {
        // The antenna the device gives this station is its own.
        if (n - 1 == s.selectedAntenna || !busyElsewhere(n - 1, s)) {
            return n - 1;
        }
    }
    return std::nullopt;
}

void BandFollower::entered(const Place& at)
{
    followedBand = at.band;
    followed = at;
    due = true;
    handPicked = false;
    restoring = false;
    pauseAnnounced = false;
    allBusyTold = false;
    stepped.reset();
    outputsDue = !outputsOf(at).isEmpty();
    // The last wanted antenna wins over one still waiting.
    if (!antennasOf(at).isEmpty() || heldByBand) {
        clearHeld();
    }
}

void BandFollower::setConfig(const BandFollowConfig& config)
{
    const AntennaList antennasBefore = currentAntennas();
    const BandOutputs outputsBefore = followed ? outputsOf(*followed) : BandOutputs();
    const BandFollowConfig old = cfg;
    cfg = config;
    if (config.source != old.source) {
        // Another radio, or none: what the old one said no longer counts.
        if (radioTransmitting) {
            giveUpWaiting();
        } else if (heldByBand) {
            clearHeld();
        }
        band.reset();
        place.reset();
        followedBand.reset();
        followed.reset();
        readHz.reset();
        readMode = RadioMode::Unknown;
        stepped.reset();
        outputsDue = false;
        allBusyTold = false;
        sourceLost = false;
        radioTransmitting = false;
        due = false;
        handPicked = false;
        return;
    }
    if (!followed) {
        return;
    }
    // Segments added or moved may put the radio in another one. One edited
    // in its row, or only moved in the table (another deleted above it), is
    // the same place: the hand pick stays unless its antennas changed.
    const Place now = placeAt(readHz.value_or(0), readMode);
    if (place) {
        place = now; // numbered as in the new list
    }
    const auto sameSegment = [&]() {
        if (now.segment < 0 || followed->segment < 0 || now.segment == followed->segment) {
            return now.segment == followed->segment;
        }
        const BandSegment& a = cfg.segments.at(now.segment);
        const BandSegment& b = old.segments.at(followed->segment);
        return a.lowHz == b.lowHz && a.highHz == b.highHz && a.mode == b.mode;
    }();
    if (now.band == followed->band && !sameSegment) {
        entered(now);
        return;
    }
    // Off the bands since: the band's own setting.
    followed->segment = now.band == followed->band ? now.segment : -1;
    if (currentAntennas() != antennasBefore) {
        // The operator's new choice for this band replaces the one waiting.
        if (heldByBand) {
            clearHeld();
        }
        due = true;
        handPicked = false;
        allBusyTold = false;
    }
    if (outputsOf(*followed) != outputsBefore) {
        outputsDue = !outputsOf(*followed).isEmpty();
    }
}

void BandFollower::setReading(const RadioReading& reading)
{
    const bool wasTransmitting = radioTransmitting;
    radioTransmitting = reading.transmitting;
    if (!reading.frequencyHz) {
        band.reset();
        place.reset();
        sourceLost = true;
        // The source went away while the radio sent: nobody can tell when the
        // transmission ends, so nothing waiting is switched.
        if (wasTransmitting && !reading.transmitting) {
            giveUpWaiting();
        }
        return;
    }
    // A split radio transmits on the other frequency: that band's antenna
    // takes the power.
    const qint64 hz = reading.txFrequencyHz.value_or(*reading.frequencyHz);
    // A mode not read this time is taken as unchanged: a segment must not
    // flip on one unanswered question.
    if (reading.mode != RadioMode::Unknown) {
        readMode = reading.mode;
    }
    band = bandplan::bandAt(hz);
    place = band ? std::optional<Place>(placeAt(hz, readMode)) : std::nullopt;
    settleRemembered();
    const bool cameBack = std::exchange(sourceLost, false);
    if (!band) {
        return; // outside every band nothing changes
    }
    readHz = hz;
    if (place == followed) {
        // Back in the same band is no entry; back after the source was lost,
        // the band's antenna is put back unless a key chose another since.
        if (cameBack && !handPicked) {
            due = true;
        }
        return;
    }
    entered(*place);
}

void BandFollower::setDeviceSending(bool sending)
{
    deviceSending = sending;
}

void BandFollower::resume()
{
    // A key pressed since the band was entered still stands.
    due = followed.has_value() && !handPicked;
    // Outputs still owed (a key pressed meanwhile moves no relay) stay owed.
    outputsDue = outputsDue || (due && !outputsOf(*followed).isEmpty());
}

void BandFollower::linkDown()
{
    clearHeld();
    stepped.reset();
    deviceSending = false;
    pauseAnnounced = false;
    allBusyTold = false; // the notice would outlive what it tells of
    deviceAntenna = -1;
    restoring = false;
    noAntennaDue = false;
}

void BandFollower::deviceShows(int antenna, bool afterSilence)
{
    const bool lost = deviceAntenna >= 0 && antenna < 0;
    deviceAntenna = antenna;
    if (!lost || releasedHere) {
        return;
    }
    // Only a device that came back (a restart) is given its antenna again:
    // without a silence before, someone else may have released it.
    if (afterSilence && followed && !antennasOf(*followed).isEmpty()) {
        due = true;
        handPicked = false;
        restoring = true;
        // A restart turns the outputs off.
        outputsDue = !outputsOf(*followed).isEmpty();
    } else {
        noAntennaDue = true;
    }
}

bool BandFollower::holdsPress(int antenna, const Situation& situation)
{
    if (!cfg.holdManual || (!transmitting() && situation.receiving) || !situation.connected || situation.splitBusy ||
        antenna == situation.selectedAntenna) {
        return false;
    }
    clearHeld();
    stepped.reset();
    held = antenna;
    due = false;
    handPicked = true;
    releasedHere = false;
    restoring = false;
    allBusyTold = false;
    remember(antenna);
    return true;
}

void BandFollower::pressed(int antenna)
{
    released();
    releasedHere = false;
    handPicked = true;
    remember(antenna);
}

void BandFollower::released()
{
    clearHeld();
    stepped.reset();
    due = false;
    releasedHere = true;
    restoring = false;
}

BandFollower::Stepped BandFollower::stepNext(const Situation& s)
{
    const AntennaList antennas = currentAntennas();
    if (antennas.isEmpty()) {
        return Stepped::NoList;
    }
    // From the antenna wanted last, so presses under power step on too.
    const int from = held ? *held : stepped ? *stepped : s.selectedAntenna;
    const int at = antennas.indexOf(from + 1);
    for (int k = 1; k <= antennas.size(); ++k) {
        const int candidate = antennas.at((at + k) % antennas.size()) - 1;
        if (candidate != from && candidate != s.selectedAntenna && !busyElsewhere(candidate, s)) {
            clearHeld();
            stepped = candidate;
            due = false;
            handPicked = true;
            releasedHere = false;
            restoring = false;
            allBusyTold = false;
            return Stepped::Ok;
        }
    }
    // Back to the device's own antenna from one waiting under power.
    if (held && *held != s.selectedAntenna && antennas.contains(s.selectedAntenna + 1)) {
        clearHeld();
        return Stepped::Ok;
    }
    return Stepped::NoneFree;
}

bool BandFollower::busyPressGoes(int antenna, const Situation& s, qint64 now)
{
    if (!cfg.busyInterlock || antenna == s.selectedAntenna || !busyElsewhere(antenna, s)) {
        interlockAntenna.reset();
        return true;
    }
    if (interlockAntenna == antenna && now - interlockAt <= interlockMs) {
        interlockAntenna.reset();
        return true;
    }
    interlockAntenna = antenna;
    interlockAt = now;
    return false;
}

void BandFollower::clearHeld()
{
    held.reset();
    heldByBand = false;
    announcedHold.reset();
}

void BandFollower::giveUpWaiting()
{
    if (held) {
        dropped = held;
    }
    clearHeld();
    stepped.reset();
    due = false;
    outputsDue = false;
}

void BandFollower::remember(int antenna)
{
    // The reading at hand may predate a QSY the operator made just before
    // the press: the band is the next reading's.
    if (cfg.remember) {
        rememberWaiting = antenna;
    }
}

void BandFollower::settleRemembered()
{
    if (rememberWaiting && place) {
        // First in the list; the others stay behind it, in their order.
        AntennaList& antennas = antennasOf(*place);
        antennas.removeAll(*rememberWaiting + 1);
        antennas.prepend(*rememberWaiting + 1);
    }
    rememberWaiting.reset();
}

BandFollower::Step BandFollower::next(const Situation& situation)
{
    if (dropped) {
        const int antenna = *dropped;
        dropped.reset();
        return {Action::Dropped, antenna, {}};
    }
    if (!situation.connected || !situation.stateKnown) {
        return {};
    }
    if (std::exchange(noAntennaDue, false)) {
        return {Action::NoAntenna, -1, {}};
    }
    // Taken elsewhere while it waited: the band's list is gone through again.
    if (held && heldByBand && *held != situation.selectedAntenna && busyElsewhere(*held, situation)) {
        clearHeld();
        due = true;
    }
    if (stepped && busyElsewhere(*stepped, situation)) {
        stepped.reset();
    }
    const bool mayGo = !transmitting() && situation.receiving && !situation.splitBusy;
    // Band outputs go with the switch, or alone once nothing is to switch.
    const auto withOutputs = [&](Step step) {
        if (outputsDue && mayGo && followed) {
            step.outputs = outputsOf(*followed);
            outputsDue = false;
        }
        return step;
    };
    std::optional<int> wanted = held ? held : stepped;
    bool allBusy = false;
    if (!wanted && due && followed) {
        const AntennaList& antennas = antennasOf(*followed);
        wanted = firstFree(antennas, situation);
        allBusy = !antennas.isEmpty() && !wanted;
    }
    if (!wanted) {
        Step step;
        if (allBusy) {
            // The current antenna stays; the band follows when one frees.
            if (!allBusyTold) {
                allBusyTold = true;
                step.action = Action::AllBusy;
            }
        } else {
            // Nothing to follow (a key chose since): nothing waits for a free one.
            due = false;
            restoring = false;
            allBusyTold = false;
        }
        return withOutputs(step);
    }
    if (situation.splitBusy) {
        // Split picks its own pair of antennas; following waits until it ends.
        if (pauseAnnounced) {
            return {};
        }
        pauseAnnounced = true;
        return {Action::Paused, *wanted, {}};
    }
    pauseAnnounced = false;
    allBusyTold = false;
    if (*wanted == situation.selectedAntenna) {
        clearHeld();
        stepped.reset();
        due = false;
        restoring = false;
        return withOutputs({});
    }
    // The guard ends the wait, not the signals dropping: a break-in gap
    // shorter than the hang time releases nothing.
    if (!mayGo) {
        if (!held) {
            held = wanted;
            heldByBand = true;
        }
        stepped.reset();
        due = false;
        if (announcedHold == wanted) {
            return {};
        }
        announcedHold = wanted;
        return {Action::Hold, *wanted, {}};
    }
    clearHeld();
    stepped.reset();
    due = false;
    releasedHere = false;
    return withOutputs({std::exchange(restoring, false) ? Action::Restore : Action::Switch, *wanted, {}});
}
