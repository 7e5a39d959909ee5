// Reading and writing band following's settings, the [BandFollow] group:
// every value checked as it is read, an unusable one named; only what the
// operator changed written back.
#include "panel/bandfollow.h"

#include "app/settingskeys.h"
#include "connection/radioinfo.h"

#include <QRegularExpression>

#include <algorithm>
#include <utility>

bool BandSegment::operator==(const BandSegment& o) const
{
    return lowHz == o.lowHz && highHz == o.highHz && mode == o.mode && antennas == o.antennas && receive == o.receive &&
        outputs == o.outputs;
}

quint8 BandFollowConfig::followedOutputs() const
{
    quint8 mask = 0;
    for (const BandOutputs& band : outputs) {
        mask = quint8(mask | band.mask);
    }
    for (const BandSegment& segment : segments) {
        mask = quint8(mask | segment.outputs.mask);
    }
    return mask;
}

bool BandFollowConfig::operator==(const BandFollowConfig& other) const
{
    return source == other.source && remember == other.remember && holdManual == other.holdManual &&
        txHangMs == other.txHangMs && txHangCwMs == other.txHangCwMs && inhibitGpo == other.inhibitGpo &&
        antennas == other.antennas && outputs == other.outputs && receive == other.receive &&
        segments == other.segments && busyInterlock == other.busyInterlock;
}

namespace bandfollowsettings {

QStringList wordsOf(const QString& text)
{
    QString joined = text.simplified();
    joined.replace(QStringLiteral(", "), QStringLiteral(","));
    joined.replace(QStringLiteral(" ,"), QStringLiteral(","));
    return joined.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

namespace {

using Problem = SegmentProblem::Kind;

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

bool ofOutputCharacters(const QString& word)
{
    return std::all_of(word.begin(), word.end(), [](QChar c) { return QStringLiteral("01-").contains(c); });
}

bool looksLikeOutputs(const QString& word)
{
    return word.size() == 8 && ofOutputCharacters(word);
}

bool isReceiveWord(const QString& word)
{
    return word.compare(QLatin1String("rx"), Qt::CaseInsensitive) == 0;
}

// Antennas, a receive antenna ("rx 8"), then outputs, each at most once;
// whatever is left out is empty. What stops it goes to `problem`, if given.
bool takeChoice(QStringList words, AntennaList& antennas, int& receive, BandOutputs& outputs,
                SegmentProblem* problem = nullptr)
{
    const auto fail = [problem](Problem kind, const QString& word) {
        if (problem != nullptr) {
            *problem = {kind, word, {}};
        }
        return false;
    };
    if (!words.isEmpty() && !looksLikeOutputs(words.first()) && !isReceiveWord(words.first())) {
        const QString word = words.takeFirst();
        const std::optional<AntennaList> list = antennasFrom(word);
        if (!list) {
            // Outputs too short or too long, with no antennas before them.
            const bool pattern = word.contains(QLatin1Char('-')) && ofOutputCharacters(word);
            return fail(pattern ? Problem::NotOutputs : Problem::NotAntennas, word);
        }
        antennas = *list;
    }
    if (!words.isEmpty() && isReceiveWord(words.first())) {
        const QString rx = words.takeFirst();
        const std::optional<int> n = words.isEmpty() ? std::nullopt : numberFrom(words.takeFirst(), 1, 12);
        if (!n) {
            return fail(Problem::NotReceive, rx);
        }
        receive = *n;
    }
    if (!words.isEmpty()) {
        const QString word = words.takeFirst();
        const std::optional<BandOutputs> set = outputsFrom(word);
        if (!set) {
            return fail(antennasFrom(word) ? Problem::SecondAntennas : Problem::NotOutputs, word);
        }
        outputs = *set;
    }
    return words.isEmpty() || fail(Problem::LeftOver, words.first());
}

QString choiceText(const AntennaList& antennas, int receive, const BandOutputs& outputs)
{
    const QString text = antennasWithReceiveText(antennas, receive);
    return outputs.isEmpty() ? text : text + QLatin1Char(' ') + outputsText(outputs);
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

// The same digits read as MHz, written in kHz: "14.070" gives "14070",
// "3.5" gives "3500".
QString megahertzAsKilohertz(const QString& text)
{
    const int point = text.indexOf(QLatin1Char('.'));
    if (point < 0) {
        return text + QStringLiteral("000");
    }
    const QString fraction = text.mid(point + 1);
    const QString whole = text.left(point) + fraction.left(3).leftJustified(3, QLatin1Char('0'));
    return fraction.size() > 3 ? whole + QLatin1Char('.') + fraction.mid(3) : whole;
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

std::optional<QPair<AntennaList, int>> antennasWithReceiveFrom(const QString& text)
{
    QPair<AntennaList, int> choice {{}, 0};
    BandOutputs outputs;
    const QStringList words = wordsOf(text);
    // Outputs have a field of their own.
    if (!words.isEmpty() &&
        (looksLikeOutputs(words.first()) || !takeChoice(words, choice.first, choice.second, outputs) ||
         !outputs.isEmpty())) {
        return std::nullopt;
    }
    return choice;
}

QString antennasWithReceiveText(const AntennaList& antennas, int receive)
{
    return receive > 0 ? antennasText(antennas) + QStringLiteral(" rx ") + QString::number(receive)
                       : antennasText(antennas);
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

std::optional<BandSegment> segmentFrom(const QString& text, SegmentProblem* problem)
{
    SegmentProblem unused;
    SegmentProblem& why = problem != nullptr ? *problem : unused;
    why = {};
    const auto fail = [&why](Problem kind, const QString& word = {},
                             const QString& other = {}) -> std::optional<BandSegment> {
        why = {kind, word, other};
        return std::nullopt;
    };
    // The range first, blanks around its dash allowed: "3570 - 3590". Its
    // edges are taken as typed here and read as kHz below.
    static const QRegularExpression rangeFormat(QStringLiteral("^\\s*([^-]*?)\\s*-\\s*([^\\s-]*)(\\s|$)"));
    const QRegularExpressionMatch range = rangeFormat.match(text);
    if (!range.hasMatch() || range.capturedLength(1) == 0 || range.capturedLength(2) == 0) {
        return fail(Problem::Incomplete);
    }
    // Inside one band, or it could never be told which band it serves.
    std::optional<qint64> edges[2];
    for (int i : {1, 2}) {
        const QString edge = range.captured(i);
        edges[i - 1] = kilohertzFrom(edge);
        if (!edges[i - 1] || !bandplan::bandAt(*edges[i - 1])) {
            const std::optional<qint64> asMegahertz = kilohertzFrom(megahertzAsKilohertz(edge));
            if (asMegahertz && bandplan::bandAt(*asMegahertz)) {
                return fail(Problem::LooksLikeMegahertz, edge);
            }
            return fail(edges[i - 1] ? Problem::NoBand : Problem::NotKilohertz, edge);
        }
    }
    BandSegment segment;
    segment.lowHz = *edges[0];
    segment.highHz = *edges[1];
    if (segment.lowHz > segment.highHz) {
        return fail(Problem::Reversed, range.captured(1), range.captured(2));
    }
    if (bandplan::bandAt(segment.lowHz) != bandplan::bandAt(segment.highHz)) {
        return fail(Problem::TwoBands, range.captured(1), range.captured(2));
    }
    QStringList words = wordsOf(text.mid(range.capturedEnd(2)));
    // One mode at most: a second mode word is no antenna list either.
    bool modeGiven = false;
    for (RadioMode mode : {RadioMode::Cw, RadioMode::Ssb, RadioMode::Data}) {
        if (!words.isEmpty() && words.first().compare(modeText(mode), Qt::CaseInsensitive) == 0) {
            segment.mode = mode;
            words.removeFirst();
            modeGiven = true;
            break;
        }
    }
    // A word that starts with a letter where the mode goes is a mode not
    // known here: the radio's own (USB, FT8), a typo. Antennas and outputs
    // start with a digit or a dash.
    if (!modeGiven && !words.isEmpty() && !isReceiveWord(words.first()) && words.first().front().isLetter()) {
        return fail(Problem::NotAMode, words.first());
    }
    if (!takeChoice(words, segment.antennas, segment.receive, segment.outputs, &why)) {
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
    return text + QLatin1Char(' ') + choiceText(segment.antennas, segment.receive, segment.outputs);
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
    namespace key = settingskey::bandfollow;
    const auto number = [](const settingskey::NumberKey& k) { return [k](const QString& t) { return k.read(t); }; };
    const auto flag = [](const settingskey::FlagKey& k) { return [k](const QString& t) { return k.read(t); }; };

    take(key::Source, kindFrom, [&](Kind kind) { c.source.kind = kind; });
    take(key::RigHost.name, hostFrom, [&](const QString& host) { c.source.rigHost = host; });
    take(key::RigPort.name, number(key::RigPort), [&](int n) { c.source.rigPort = quint16(n); });
    take(key::LoggerPort.name, number(key::LoggerPort), [&](int n) { c.source.loggerPort = quint16(n); });
    take(key::LoggerRadio.name, number(key::LoggerRadio), [&](int n) { c.source.loggerRadio = n; });
    // Empty is a choice here: datagrams from any host, of any station.
    take(
        key::LoggerHost.name,
        [](const QString& t) { return t.trimmed().isEmpty() ? std::optional<QString>(QString()) : hostFrom(t); },
        [&](const QString& host) { c.source.loggerHost = host; });
    take(
        key::LoggerStation, [](const QString& t) { return std::optional<QString>(t.trimmed()); },
        [&](const QString& station) { c.source.loggerStation = station; });
    // A logger source set up anew trusts this computer only; one set up
    // before the host could be named keeps taking any host, as it did.
    if (!lookup(key::LoggerHost.name) && c.source.kind != Kind::Logger) {
        c.source.loggerHost = key::LoggerHost.fallback;
    }
    take(key::Remember.name, flag(key::Remember), [&](bool on) { c.remember = on; });
    take(key::HoldManual.name, flag(key::HoldManual), [&](bool on) { c.holdManual = on; });
    take(key::TxHangMs.name, number(key::TxHangMs), [&](int n) { c.txHangMs = n; });
    // Shorter than the guard can honour: raised to its floor, and named, so
    // the file is written right.
    if (c.txHangMs < TransmitGuard::minimumHangMs) {
        result.ignored << QStringLiteral("TxHangMs=") + QString::number(c.txHangMs);
        result.ignoredKeys << key::TxHangMs.name;
        c.txHangMs = TransmitGuard::minimumHangMs;
    }
    take(key::TxHangCwMs.name, number(key::TxHangCwMs), [&](int n) { c.txHangCwMs = n; });
    take(key::InhibitGpo.name, number(key::InhibitGpo), [&](int n) { c.inhibitGpo = n; });
    take(key::BusyInterlock.name, flag(key::BusyInterlock), [&](bool on) { c.busyInterlock = on; });
    for (int b = 0; b < bandplan::BandCount; ++b) {
        struct Choice
        {
            AntennaList antennas;
            int receive = 0;
            BandOutputs outputs;
        };
        take(
            key::band(b),
            [](const QString& t) {
                Choice choice;
                return takeChoice(wordsOf(t), choice.antennas, choice.receive, choice.outputs)
                    ? std::optional<Choice>(choice)
                    : std::nullopt;
            },
            [&](const Choice& choice) {
                c.antennas[std::size_t(b)] = choice.antennas;
                c.receive[std::size_t(b)] = choice.receive;
                c.outputs[std::size_t(b)] = choice.outputs;
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
        take(
            key::segment(i), [](const QString& t) { return segmentFrom(t); },
            [&](const BandSegment& segment) { c.segments.append(segment); });
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
    add(key::RigHost.name, from.source.rigHost, to.source.rigHost);
    add(key::RigPort.name, QString::number(from.source.rigPort), QString::number(to.source.rigPort));
    add(key::LoggerPort.name, QString::number(from.source.loggerPort), QString::number(to.source.loggerPort));
    add(key::LoggerRadio.name, QString::number(from.source.loggerRadio), QString::number(to.source.loggerRadio));
    // Stored with the logger source it was chosen with, default or not.
    const bool loggerChosen = to.source.kind == Kind::Logger && from.source.kind != Kind::Logger;
    if (loggerChosen || from.source.loggerHost != to.source.loggerHost || rewrite.contains(key::LoggerHost.name)) {
        list.append({key::LoggerHost.name, to.source.loggerHost});
    }
    add(key::LoggerStation, from.source.loggerStation, to.source.loggerStation);
    add(key::Remember.name, flagText(from.remember), flagText(to.remember));
    add(key::HoldManual.name, flagText(from.holdManual), flagText(to.holdManual));
    add(key::TxHangMs.name, QString::number(from.txHangMs), QString::number(to.txHangMs));
    add(key::TxHangCwMs.name, QString::number(from.txHangCwMs), QString::number(to.txHangCwMs));
    add(key::InhibitGpo.name, QString::number(from.inhibitGpo), QString::number(to.inhibitGpo));
    add(key::BusyInterlock.name, flagText(from.busyInterlock), flagText(to.busyInterlock));
    for (int b = 0; b < bandplan::BandCount; ++b) {
        const std::size_t i = std::size_t(b);
        add(key::band(b), choiceText(from.antennas[i], from.receive[i], from.outputs[i]),
            choiceText(to.antennas[i], to.receive[i], to.outputs[i]));
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
