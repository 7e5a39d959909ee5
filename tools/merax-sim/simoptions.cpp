#include "simoptions.h"

#include <QCommandLineParser>

#include <cmath>

namespace {

// Whole milliseconds from a seconds text such as "7" or "0.5".
bool readSeconds(const QCommandLineParser& parser, const QString& name, int& ms, QString& error)
{
    if (!parser.isSet(name)) {
        return true;
    }
    bool ok = false;
    const double seconds = parser.value(name).toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds < 0 || seconds > 86400.0 * 24) {
        error = QStringLiteral("--%1 needs a number of seconds, got \"%2\"").arg(name, parser.value(name));
        return false;
    }
    ms = int(std::lround(seconds * 1000));
    return true;
}

bool readInt(const QCommandLineParser& parser, const QString& name, int low, int high, int& value, QString& error)
{
    if (!parser.isSet(name)) {
        return true;
    }
    bool ok = false;
    const int v = parser.value(name).toInt(&ok, 10);
    if (!ok || v < low || v > high) {
        error = QStringLiteral("--%1 needs a whole number from %2 to %3, got \"%4\"")
                    .arg(name)
                    .arg(low)
                    .arg(high)
                    .arg(parser.value(name));
        return false;
    }
    value = v;
    return true;
}

} // namespace

void addSimOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {"listen", "Address to listen on (default 127.0.0.1).", "address", "127.0.0.1"},
        {"port", "UDP port to listen on (default 4001; 0 picks a free one).", "port", "4001"},
        {"activity", "Scripted activity: inputs, busy antennas, sending and rotors change in a 24 s cycle."},
        {"activity-step", "Milliseconds per step of the activity cycle (default 1000).", "ms", "1000"},
        {"silent", "Start without answering (SIGUSR1, or \"silence\" with --stdin-commands, toggles answering)."},
        {"silent-after", "Stop answering after this many seconds.", "seconds"},
        {"resume-after", "Answer again this many seconds after falling silent.", "seconds"},
        {"delay", "Delay every report by this many milliseconds.", "ms", "0"},
        {"jitter",
         "Delay every report by up to this many milliseconds more, drawn at random for each one "
         "(reports may overtake each other).",
         "ms", "0"},
        {"loss", "Lose this percentage of the reports at random.", "percent", "0"},
        {"loss-in", "Lose this percentage of the datagrams received at random: not carried out, not answered.",
         "percent", "0"},
        {"seed", "Seed of the random losses and jitter (default 1).", "number", "1"},
        {"log", "Print a line for every datagram received."},
        {"initial-antenna", "Antenna connected at start: 1 to 12, 0 for none (default 1).", "n", "1"},
        {"refuse-antenna",
         "Do not carry out the antenna command FE 02 p FD for antenna n (1 to 12, p = n - 1), in split "
         "too; it is logged as refused. Split commands naming it and all other commands still work.",
         "n"},
        {"send-file",
         "Hold the SEND input active while this file exists (checked every 10 ms; prints \"send on\" and "
         "\"send off\" as it changes; --activity then leaves SEND alone).",
         "path"},
        {"busy",
         "Antennas busy elsewhere at start, as a list: 4,9 (--activity changes them; \"busy 4,9\" with "
         "--stdin-commands sets them at run time, \"busy\" alone clears them).",
         "list"},
        {"keyer",
         "Key the SEND input in CW at this many words per minute, with standard Morse timing: the "
         "--keyer-text call, then a --keyer-pause, over and over.",
         "wpm"},
        {"keyer-text", "The call the keyer sends (default \"CQ TEST DL1ABC DL1ABC TEST\").", "text"},
        {"keyer-pause", "Milliseconds between the keyer's calls (default 1500).", "ms", "1500"},
        {"inhibit-gpo",
         "The GPO wired to the radio's TX-inhibit input (1 to 8): while it is on, the radio stays off "
         "the air and SEND reads off, whatever keys it.",
         "n"},
        {"quit-after", "Quit after this many seconds.", "seconds"},
        {"restart-down", "Seconds a \"restart\" keeps it silent (default 2).", "seconds"},
        {"stdin-commands",
         "Read lines on standard input: \"quit\" ends it as Ctrl+C does, \"silence\" toggles answering, "
         "\"restart\" restarts the device (silent for --restart-down, then as at start: the initial "
         "antenna, no split, outputs off) "
         "(for scripts and tests, on every system)."},
    });
}

bool readSimOptions(const QCommandLineParser& parser, SimOptions& options, QString& error)
{
    SimOptions o;
    const QString address = parser.value("listen");
    if (!o.listen.setAddress(address)) {
        error = QStringLiteral("--listen needs an IP address, got \"%1\"").arg(address);
        return false;
    }
    int port = o.port;
    int antenna = 1;
    int seed = 1;
    int refused = 0;
    if (!readInt(parser, "port", 0, 65535, port, error) || !readInt(parser, "delay", 0, 60000, o.delayMs, error) ||
        !readInt(parser, "activity-step", 10, 60000, o.activityStepMs, error) ||
        !readInt(parser, "loss", 0, 100, o.lossPercent, error) ||
        !readInt(parser, "loss-in", 0, 100, o.lossInPercent, error) ||
        !readInt(parser, "jitter", 0, 60000, o.jitterMs, error) ||
        !readInt(parser, "refuse-antenna", 1, 12, refused, error) ||
        !readInt(parser, "seed", 0, 2147483647, seed, error) ||
        !readInt(parser, "initial-antenna", 0, 12, antenna, error) ||
        !readSeconds(parser, "silent-after", o.silentAfterMs, error) ||
        !readSeconds(parser, "resume-after", o.resumeAfterMs, error) ||
        !readSeconds(parser, "restart-down", o.restartDownMs, error) ||
        !readSeconds(parser, "quit-after", o.quitAfterMs, error) ||
        !readInt(parser, "keyer", 5, 60, o.keyerWpm, error) ||
        !readInt(parser, "keyer-pause", 0, 60000, o.keyerPauseMs, error) ||
        !readInt(parser, "inhibit-gpo", 1, 8, o.inhibitGpo, error)) {
        return false;
    }
    o.port = quint16(port);
    o.seed = quint32(seed);
    o.initialAntenna = antenna == 0 ? 15 : quint8(antenna - 1);
    o.refusedAntenna = refused - 1;
    o.activity = parser.isSet("activity");
    o.silent = parser.isSet("silent");
    o.log = parser.isSet("log");
    o.stdinCommands = parser.isSet("stdin-commands");
    o.sendFile = parser.value("send-file");
    if (parser.isSet("keyer-text")) {
        o.keyerText = parser.value("keyer-text");
    }
    if (parser.isSet("busy")) {
        const std::optional<quint16> busy = busyAntennasFrom(parser.value("busy"));
        if (!busy) {
            error = QStringLiteral("--busy needs antennas 1 to 12 such as 4,9, got \"%1\"").arg(parser.value("busy"));
            return false;
        }
        o.busy = *busy;
    }
    options = o;
    return true;
}

std::optional<quint16> busyAntennasFrom(const QString& text)
{
    quint16 mask = 0;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok, 10);
        if (!ok || n < 1 || n > 12) {
            return std::nullopt;
        }
        mask = quint16(mask | (1u << (n - 1)));
    }
    return mask;
}
