#ifndef ZAREL_STATIONJOURNAL_H
#define ZAREL_STATIONJOURNAL_H

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

#include "app/journal.h"

class JournalRecorder;
class SettingsStore;
class Station;

// A station's journal: what the station does, recorded into the file beside
// its settings as [Journal] says. Its notices go on the station's line.
class StationJournal : public QObject
{
    Q_OBJECT

public:
    StationJournal(Station& station, QObject* parent = nullptr);
    ~StationJournal() override;

    // Opens the journal of `settingsPath` (once; later calls change nothing)
    // unless [Journal] Enabled is false.
    void start(const QString& settingsPath, const SettingsStore& settings);
    QString path() const { return journal.path(); }
    Journal& store() { return journal; }

private:
    Station& station;
    Journal journal;
    std::unique_ptr<JournalRecorder> recorder;
};

// `program --journal [PROFILE] [--since DATE] [--csv]`: prints the journal of
// the profile's settings file to standard output, oldest first; `arguments`
// are those after --journal. Returns the exit code.
int printJournal(const char* program, const QStringList& arguments);

#endif // ZAREL_STATIONJOURNAL_H
