#ifndef ZAREL_JOURNAL_H
#define ZAREL_JOURNAL_H

#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>
#include <QVector>

#include <deque>
#include <functional>

#include "app/journalevent.h"

class JournalWriter;

// The journal's file, journal.sqlite beside the settings file, in SQLite's
// WAL mode so two copies on one profile both write and a crash loses at most
// the last second. Rows are handed over at once and written in batches by a
// thread of the journal's own, so a switch or a paint never waits for the
// disk. A journal that cannot be written says so once and keeps what comes
// meanwhile, up to a bound, trying again now and then; the station goes on
// without it.
class Journal : public QObject
{
    Q_OBJECT

public:
    // settings.ini: journal.sqlite beside it; settingsNAME.ini: journalNAME.sqlite.
    static QString pathFor(const QString& settingsPath);
    static constexpr int defaultKeepDays = 365;
    // How often the batch goes to the file.
    static constexpr int flushMs = 250;

    explicit Journal(QObject* parent = nullptr);
    // Writes what is left.
    ~Journal() override;

    // Opens or makes the file and drops rows older than `keepDays` days, in
    // the journal's thread; stopped() tells when it cannot be written.
    void open(const QString& path, int keepDays = defaultKeepDays);
    QString path() const { return filePath; }
    bool isWriting() const;

    // Taken now, written within flushMs.
    void add(const JournalEvent& event);
    // Waits until what was added is in the file (or the journal stopped).
    void flush();

    // For tests: the file may grow by only this many pages past what it has
    // when opened, as a full disk would let it (0: no limit). Set before open().
    static void setPageLimit(int pages);

Q_SIGNALS:
    // The journal stopped writing, and why; said once until it writes again.
    void stopped(const QString& notice);
    // It writes again: what waited meanwhile is in the file.
    void resumed();
    // Rows reached the file.
    void written();

private:
    void writerStopped(const QString& notice);

    QString filePath;
    QThread thread;
    JournalWriter* writer = nullptr;
    // Handed over, not yet taken by the writer.
    QMutex mutex;
    std::deque<JournalEvent> queue;
    bool stoppedTold = false;
};

// Reads a day of the journal in a thread of its own, so a window never
// waits on the file while rows are written.
class JournalReader : public QObject
{
    Q_OBJECT

public:
    explicit JournalReader(QObject* parent = nullptr);
    ~JournalReader() override;

    // The rows of [from, to), and those of the day before `from` that tell
    // which antenna was in use as it began; told by dayRead, only for the
    // newest request.
    void readDay(const QString& path, qint64 from, qint64 to);

Q_SIGNALS:
    void dayRead(qint64 from, const QVector<JournalEvent>& rows, const QVector<JournalEvent>& before,
                 const QString& error);

private:
    QThread thread;
    QObject* worker = nullptr;
    quint64 requested = 0;
};

namespace journalfile {

// Rows with from <= at < to, newest first, read on a connection of the
// caller's own; `error` names what went wrong (no file is no error).
QVector<JournalEvent> read(const QString& path, qint64 from, qint64 to, QString* error = nullptr);
// The same one row at a time, oldest first unless `newestFirst`, until
// `row` returns false. False when the file could not be read.
bool forEach(const QString& path, qint64 from, qint64 to, bool newestFirst,
             const std::function<bool(const JournalEvent&)>& row, QString* error = nullptr);
// The UTC day [start, end) of the oldest and newest rows, for the day strip's
// calendar; false when there are none.
bool span(const QString& path, qint64* first, qint64* last);

} // namespace journalfile

#endif // ZAREL_JOURNAL_H
