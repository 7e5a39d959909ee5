#include "app/stationjournal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStandardPaths>

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif
#include <limits>
#include <optional>

#include "app/journalrecorder.h"
#include "app/settingskeys.h"
#include "app/settingslocation.h"
#include "app/settingsstore.h"
#include "app/station.h"

StationJournal::StationJournal(Station& station, QObject* parent)
    : QObject(parent)
    , station(station)
{
    connect(&journal, &Journal::stopped, &station.notices(), &Notices::show);
    connect(&journal, &Journal::resumed, &station.notices(),
            [&station] { station.notices().show(tr("The journal is written again")); });
    // Logging off on Windows ends the process right after this signal: the
    // end is told and written now.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
        if (recorder) {
            recorder->stationEnds();
        }
        journal.flush();
    });
}

StationJournal::~StationJournal()
{
    // The recorder goes first: nothing is handed over to a closed journal.
    if (recorder) {
        recorder->stationEnds();
    }
    recorder.reset();
}

void StationJournal::start(const QString& settingsPath, const SettingsStore& settings)
{
    if (recorder || settingsPath.isEmpty()) {
        return;
    }
    using namespace settingskey::journal;
    if (!Enabled.read(settings.text(Enabled.name)).value_or(Enabled.fallback)) {
        return;
    }
    const int keepDays = KeepDays.read(settings.text(KeepDays.name)).value_or(KeepDays.fallback);
    // Recording starts even when the file cannot be written now: it is
    // tried again, and what happened meanwhile is kept for it.
    journal.open(Journal::pathFor(settingsPath), keepDays);
    recorder = std::make_unique<JournalRecorder>(station, [this](const JournalEvent& event) { journal.add(event); });
}

namespace {

// "2026-12-09", "2026-12-09T18:00", "2026-12-09 18:00:30": UTC.
std::optional<qint64> sinceFromText(const QString& text)
{
    const QDate day = QDate::fromString(text, Qt::ISODate);
    if (day.isValid()) {
        return QDateTime(day, QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
    }
    QString stamp = text;
    stamp.replace(QLatin1Char(' '), QLatin1Char('T'));
    QDateTime time = QDateTime::fromString(stamp, Qt::ISODate);
    if (!time.isValid()) {
        return std::nullopt;
    }
    if (time.timeSpec() == Qt::LocalTime) {
        time.setTimeSpec(Qt::UTC);
    }
    return time.toMSecsSinceEpoch();
}

bool put(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout) ==
        static_cast<size_t>(bytes.size());
}

} // namespace

int printJournal(const char* program, const QStringList& arguments)
{
    QString profile;
    qint64 since = 0;
    bool csv = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--csv")) {
            csv = true;
        } else if (argument == QLatin1String("--since")) {
            const std::optional<qint64> from = sinceFromText(arguments.value(i + 1));
            if (!from) {
                std::fprintf(stderr, "%s: --since needs a UTC date or time, such as 2026-12-09 or 2026-12-09T18:00\n",
                             program);
                return 2;
            }
            since = *from;
            ++i;
        } else if (argument.startsWith(QLatin1Char('-')) || !profile.isEmpty()) {
            std::fprintf(stderr, "%s: --journal [PROFILE] [--since DATE] [--csv]: '%s' is not one of them\n", program,
                         argument.toLocal8Bit().constData());
            return 2;
        } else if (!profileFits(argument)) {
            std::fprintf(stderr, "%s: the profile name is too long to name its settings file\n", program);
            return 2;
        } else {
            profile = argument;
        }
    }
    const SettingsLocation location =
        settingsLocation(QCoreApplication::applicationDirPath(),
                         QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), profile);
    const QString path = Journal::pathFor(location.path);
    if (!QFileInfo::exists(path)) {
        // A profile mistyped must not look like an empty evening.
        std::fprintf(stderr, "%s: no journal at %s\n", program,
                     QDir::toNativeSeparators(path).toLocal8Bit().constData());
        return 1;
    }
#ifdef Q_OS_WIN
    // CSV's CR LF as written, not CR CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (csv && !put(journaltext::csvHeader())) {
        return 1;
    }
    bool written = true;
    QString error;
    const bool read = journalfile::forEach(
        path, since, std::numeric_limits<qint64>::max(), false,
        [csv, &written](const JournalEvent& event) {
            written = put(csv ? journaltext::csvRow(event) : journaltext::line(event) + QLatin1Char('\n'));
            return written;
        },
        &error);
    if (std::fflush(stdout) != 0 || !written) {
        return 1;
    }
    if (!read) {
        std::fprintf(stderr, "%s: %s: %s\n", program, QDir::toNativeSeparators(path).toLocal8Bit().constData(),
                     error.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
