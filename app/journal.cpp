#include "app/journal.h"

#include "link/linklock.h"
#include "panel/journalday.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QVariant>

#include <atomic>
#include <deque>
#include <utility>

Q_LOGGING_CATEGORY(lcJournal, "zarel.journal", QtWarningMsg)

namespace {

std::atomic<int> pageLimit {0};
// What a call posted to another thread carries (its captures among it) is
// handed over under Qt's posted-event lock, out of the sanitizer's sight: it
// is told of each such hand-over at this address, known on both sides
// before any capture is read.
char handOver = 0;
std::atomic<int> connectionSerial {0};

class Text
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
};

const char schema[] =
    "CREATE TABLE IF NOT EXISTS events(id INTEGER PRIMARY KEY AUTOINCREMENT, ref TEXT UNIQUE,"
    " at INTEGER NOT NULL, kind TEXT NOT NULL, what TEXT NOT NULL DEFAULT '', who TEXT NOT NULL DEFAULT '',"
    " outcome TEXT NOT NULL DEFAULT '', held_ms INTEGER NOT NULL DEFAULT -1, settled INTEGER NOT NULL DEFAULT 0,"
    " antenna INTEGER NOT NULL DEFAULT -3, lasted_ms INTEGER NOT NULL DEFAULT -1, failed INTEGER NOT NULL DEFAULT 0)";

// A row known by its ref is written again with its outcome.
const char insertRow[] =
    "INSERT INTO events(ref, at, kind, what, who, outcome, held_ms, settled, antenna, lasted_ms, failed)"
    " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT(ref) DO UPDATE SET what = excluded.what,"
    " who = excluded.who, outcome = excluded.outcome, held_ms = excluded.held_ms, settled = excluded.settled,"
    " antenna = excluded.antenna, lasted_ms = excluded.lasted_ms, failed = excluded.failed";

// Texts are never NULL in the file: a null QString would bind as one.
QVariant textValue(const QString& text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

QString connectionName(const char* what)
{
    return QStringLiteral("zarel-journal-%1-%2").arg(QLatin1String(what)).arg(++connectionSerial);
}

// SQLite's own words, which name the trouble best ("database or disk is full").
QString problem(const QSqlError& error)
{
    const QString text = error.databaseText();
    return text.isEmpty() ? error.text().trimmed() : text;
}

bool exec(QSqlDatabase& db, const QString& statement, QString* error)
{
    QSqlQuery query(db);
    if (!query.exec(statement)) {
        *error = problem(query.lastError());
        return false;
    }
    return true;
}

JournalEvent rowOf(const QSqlQuery& query)
{
    JournalEvent event;
    event.id = query.value(0).toLongLong();
    event.ref = query.value(1).toString();
    event.at = query.value(2).toLongLong();
    JournalEvent::kindFromName(query.value(3).toString(), &event.kind);
    event.what = query.value(4).toString();
    event.who = query.value(5).toString();
    event.outcome = query.value(6).toString();
    event.heldMs = query.value(7).toLongLong();
    event.settled = query.value(8).toLongLong();
    event.antenna = query.value(9).toInt();
    event.lastedMs = query.value(10).toLongLong();
    event.failed = query.value(11).toInt() != 0;
    return event;
}

} // namespace

// Lives in the journal's thread and is the only user of its connection.
class JournalWriter : public QObject
{
    Q_OBJECT

public:
    // Rows waiting to be written, kept while the file cannot take them.
    static constexpr int keptAtMost = 20000;
    static constexpr int retryMs = 30000;
    static constexpr std::size_t rowsPerWrite = 500;

    explicit JournalWriter(QMutex& mutex, std::deque<JournalEvent>& queue)
        : mutex(mutex)
        , queue(queue)
        , name(connectionName("write"))
    {
    }
    ~JournalWriter() override { close(); }

    // Runs in the journal's thread.
    Q_INVOKABLE bool open(const QString& path, int keepDays)
    {
        markHandOverAcquire(&handOver);
        timer = new QTimer(this);
        timer->setInterval(Journal::flushMs);
        connect(timer, &QTimer::timeout, this, [this] { write(); });
        filePath = path;
        QString error;
        if (!connectNow(&error)) {
            fail(error);
            timer->start();
            return false;
        }
        // Pruned at start only: the panel never waits on a long delete later.
        if (keepDays > 0) {
            QSqlQuery prune(db());
            prune.prepare(QStringLiteral("DELETE FROM events WHERE at < ?"));
            prune.addBindValue(QDateTime::currentMSecsSinceEpoch() - qint64(keepDays) * 86400000);
            if (!prune.exec()) {
                qCWarning(lcJournal).noquote() << "pruning:" << problem(prune.lastError());
            }
        }
        timer->start();
        return true;
    }

    // Runs in the journal's thread: what was handed over goes to the file.
    // Runs in the journal's thread: what was handed over goes to the file.
    // `now`: a last try, whenever the one before failed (the program ends).
    void write(bool now = false)
    {
        std::deque<JournalEvent> batch;
        {
            LinkLocker lock(&mutex);
            batch.swap(queue);
        }
        // Rows kept from a failed write go first, in their order.
        for (JournalEvent& event : batch) {
            waiting.push_back(std::move(event));
        }
        if (static_cast<int>(waiting.size()) > keptAtMost) {
            const auto over = waiting.size() - static_cast<std::size_t>(keptAtMost);
            waiting.erase(waiting.begin(), waiting.begin() + static_cast<std::ptrdiff_t>(over));
            dropped += static_cast<qint64>(over);
        }
        if (waiting.empty() || (!now && !failed.isEmpty() && retry.isValid() && retry.elapsed() < retryMs)) {
            return;
        }
        QString error;
        if (!connected && !connectNow(&error)) {
            fail(error);
            return;
        }
        // A row says what could not be kept while the file took nothing.
        if (dropped > 0) {
            JournalEvent lost;
            lost.at = QDateTime::currentMSecsSinceEpoch();
            lost.kind = JournalEvent::Kind::Notice;
            lost.what =
                Text::tr("%n event(s) could not be kept while the journal could not be written", "", int(dropped));
            waiting.push_front(lost);
        }
        // In parts, so a file short of room takes what it can.
        while (!waiting.empty()) {
            const std::size_t part = std::min<std::size_t>(waiting.size(), rowsPerWrite);
            if (!writeRows(part, &error)) {
                if (dropped > 0) {
                    waiting.pop_front();
                }
                fail(error);
                return;
            }
            waiting.erase(waiting.begin(), waiting.begin() + static_cast<std::ptrdiff_t>(part));
            dropped = 0;
        }
        if (!failed.isEmpty()) {
            failed.clear();
            emit resumed();
        }
        emit written();
    }

    // Called from the journal's side, which waits for them.
    Q_INVOKABLE void flushNow()
    {
        markHandOverAcquire(&handOver);
        write();
        markHandOverRelease(&handOver);
    }
    // A last try, even soon after a failed one; the connection is closed in
    // the thread that used it.
    Q_INVOKABLE void finish()
    {
        markHandOverAcquire(&handOver);
        write(true);
        if (timer != nullptr) {
            timer->stop();
        }
        close();
        markHandOverRelease(&handOver);
    }

Q_SIGNALS:
    void stopped(const QString& notice);
    void resumed();
    void written();

private:
    QSqlDatabase db() const { return QSqlDatabase::database(name, false); }

    bool connectNow(QString* error)
    {
        if (QSqlDatabase::contains(name)) {
            QSqlDatabase::removeDatabase(name);
        }
        {
            QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            database.setDatabaseName(filePath);
            // Another copy on the same profile writing at this moment.
            database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
            if (!QFileInfo(filePath).dir().exists()) {
                *error = Text::tr("no folder %1").arg(QDir::toNativeSeparators(QFileInfo(filePath).path()));
                return false;
            }
            if (!database.open()) {
                *error = problem(database.lastError());
                return false;
            }
            // Each its own statement: the driver runs one at a time.
            const QStringList setup {QStringLiteral("PRAGMA journal_mode=WAL"),
                                     QStringLiteral("PRAGMA synchronous=NORMAL"), QString::fromLatin1(schema),
                                     QStringLiteral("CREATE INDEX IF NOT EXISTS events_at ON events(at)")};
            for (const QString& statement : setup) {
                if (!exec(database, statement, error)) {
                    database.close();
                    return false;
                }
            }
            if (const int pages = pageLimit.load(); pages > 0) {
                QSqlQuery count(database);
                if (count.exec(QStringLiteral("PRAGMA page_count")) && count.next()) {
                    exec(database, QStringLiteral("PRAGMA max_page_count=%1").arg(count.value(0).toInt() + pages),
                         error);
                }
            }
            // A file SQLite may open but not write (read-only) says so only on
            // the first write: found out now, not with the first switch.
            QSqlQuery probe(database);
            if (!probe.exec(QStringLiteral("BEGIN IMMEDIATE")) || !probe.exec(QStringLiteral("COMMIT"))) {
                *error = problem(probe.lastError());
                database.close();
                return false;
            }
        }
        connected = true;
        return true;
    }

    // The first `count` rows waiting, in one transaction.
    bool writeRows(std::size_t count, QString* error)
    {
        QSqlDatabase database = db();
        if (!database.transaction()) {
            *error = problem(database.lastError());
            return false;
        }
        QSqlQuery insert(database);
        insert.prepare(QString::fromLatin1(insertRow));
        for (std::size_t i = 0; i < count; ++i) {
            const JournalEvent& event = waiting[i];
            insert.bindValue(0, event.ref.isEmpty() ? QVariant(QVariant::String) : QVariant(event.ref));
            insert.bindValue(1, event.at);
            insert.bindValue(2, JournalEvent::kindName(event.kind));
            insert.bindValue(3, textValue(event.what));
            insert.bindValue(4, textValue(event.who));
            insert.bindValue(5, textValue(event.outcome));
            insert.bindValue(6, event.heldMs);
            insert.bindValue(7, event.settled);
            insert.bindValue(8, event.antenna);
            insert.bindValue(9, event.lastedMs);
            insert.bindValue(10, event.failed ? 1 : 0);
            if (!insert.exec()) {
                *error = problem(insert.lastError());
                insert.finish();
                database.rollback();
                return false;
            }
        }
        insert.finish();
        if (!database.commit()) {
            *error = problem(database.lastError());
            database.rollback();
            return false;
        }
        return true;
    }

    void fail(const QString& error)
    {
        retry.start();
        if (failed.isEmpty()) {
            failed = error.isEmpty() ? QStringLiteral("?") : error;
            qCWarning(lcJournal).noquote() << "cannot write" << filePath << ":" << failed;
            emit stopped(failed);
        }
    }

    void close()
    {
        if (!QSqlDatabase::contains(name)) {
            return;
        }
        if (connected) {
            {
                QSqlDatabase database = db();
                database.close();
            }
            connected = false;
        }
        QSqlDatabase::removeDatabase(name);
    }

    QMutex& mutex;
    std::deque<JournalEvent>& queue;
    const QString name;
    QString filePath;
    QTimer* timer = nullptr;
    bool connected = false;
    // Why the last write failed; empty while writing.
    QString failed;
    QElapsedTimer retry;
    std::deque<JournalEvent> waiting;
    // Rows given up while the file took nothing, for a row saying so.
    qint64 dropped = 0;
};

QString Journal::pathFor(const QString& settingsPath)
{
    const QFileInfo settings(settingsPath);
    QString base = settings.completeBaseName();
    // settingsNAME.ini: journalNAME.sqlite; a file named otherwise keeps its name.
    if (base.startsWith(QLatin1String("settings"))) {
        base = QStringLiteral("journal") + base.mid(8);
    } else {
        base = QStringLiteral("journal-") + base;
    }
    return settings.dir().filePath(base + QStringLiteral(".sqlite"));
}

void Journal::setPageLimit(int pages)
{
    pageLimit = pages;
}

Journal::Journal(QObject* parent)
    : QObject(parent)
{
    thread.setObjectName(QStringLiteral("journal"));
}

Journal::~Journal()
{
    if (writer != nullptr) {
        markHandOverRelease(&handOver);
        QMetaObject::invokeMethod(writer, "finish", Qt::BlockingQueuedConnection);
        markHandOverAcquire(&handOver);
    }
    thread.quit();
    thread.wait();
    // Its thread is gone: nothing else can touch it now.
    delete std::exchange(writer, nullptr);
}

void Journal::open(const QString& path, int keepDays)
{
    if (writer != nullptr) {
        return;
    }
    filePath = path;
    writer = new JournalWriter(mutex, queue);
    writer->moveToThread(&thread);
    connect(writer, &JournalWriter::stopped, this, &Journal::writerStopped);
    connect(writer, &JournalWriter::resumed, this, [this] {
        stoppedTold = false;
        emit resumed();
    });
    connect(writer, &JournalWriter::written, this, &Journal::written);
    thread.start();
    // Opened, and pruned, in the journal's thread: a slow disk or another
    // copy's lock never holds the panel's start up.
    markHandOverRelease(&handOver);
    QMetaObject::invokeMethod(writer, "open", Qt::QueuedConnection, Q_ARG(QString, path), Q_ARG(int, keepDays));
}

bool Journal::isWriting() const
{
    return writer != nullptr && !stoppedTold;
}

void Journal::add(const JournalEvent& event)
{
    if (writer == nullptr) {
        return;
    }
    LinkLocker lock(&mutex);
    queue.push_back(event);
}

void Journal::flush()
{
    if (writer != nullptr) {
        markHandOverRelease(&handOver);
        QMetaObject::invokeMethod(writer, "flushNow", Qt::BlockingQueuedConnection);
        markHandOverAcquire(&handOver);
    }
}

void Journal::writerStopped(const QString& notice)
{
    if (stoppedTold) {
        return;
    }
    stoppedTold = true;
    emit stopped(Text::tr("The journal cannot be written (%1): switching goes on without it").arg(notice));
}

// The reader's side in its own thread: reads what it is asked for and says
// what it found.
class JournalReadWorker : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void read(const QString& path, qint64 from, qint64 to, quint64 serial)
    {
        markHandOverAcquire(&handOver);
        constexpr qint64 hourMs = 3600000;
        QString error;
        const QVector<JournalEvent> rows = journalfile::read(path, from, to, &error);
        // The antenna in use when the day began: an hour back is usually enough.
        QString beforeError;
        QVector<JournalEvent> before = journalfile::read(path, from - hourMs, from, &beforeError);
        if (beforeError.isEmpty() && journalday::antennaAt(before, from) == JournalEvent::noAntenna) {
            before += journalfile::read(path, from - journalday::dayMs, from - hourMs, &beforeError);
        }
        markHandOverRelease(&handOver);
        emit done(serial, from, rows, before, error.isEmpty() ? beforeError : error);
    }

Q_SIGNALS:
    void done(quint64 serial, qint64 from, const QVector<JournalEvent>& rows, const QVector<JournalEvent>& before,
              const QString& error);
};

JournalReader::JournalReader(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<QVector<JournalEvent>>("QVector<JournalEvent>");
    thread.setObjectName(QStringLiteral("journal reader"));
    auto* reader = new JournalReadWorker;
    worker = reader;
    worker->moveToThread(&thread);
    connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
    connect(reader, &JournalReadWorker::done, this,
            [this](quint64 serial, qint64 from, const QVector<JournalEvent>& rows, const QVector<JournalEvent>& before,
                   const QString& error) {
                markHandOverAcquire(&handOver);
                if (serial == requested) {
                    emit dayRead(from, rows, before, error);
                }
            });
    thread.start();
}

JournalReader::~JournalReader()
{
    // Answers still on their way to this object are dropped with it.
    thread.quit();
    thread.wait();
}

void JournalReader::readDay(const QString& path, qint64 from, qint64 to)
{
    markHandOverRelease(&handOver);
    QMetaObject::invokeMethod(worker, "read", Qt::QueuedConnection, Q_ARG(QString, path), Q_ARG(qint64, from),
                              Q_ARG(qint64, to), Q_ARG(quint64, ++requested));
}

namespace journalfile {

bool forEach(const QString& path, qint64 from, qint64 to, bool newestFirst,
             const std::function<bool(const JournalEvent&)>& row, QString* error)
{
    if (!QFileInfo::exists(path)) {
        return true;
    }
    bool readAll = false;
    QString problemText;
    const QString name = connectionName("read");
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
        if (!database.open()) {
            problemText = problem(database.lastError());
        } else {
            QSqlQuery query(database);
            query.setForwardOnly(true);
            query.prepare(
                QStringLiteral("SELECT id, ref, at, kind, what, who, outcome, held_ms, settled, antenna,"
                               " lasted_ms, failed FROM events WHERE at >= ? AND at < ? ORDER BY at %1, id %1")
                    .arg(newestFirst ? QLatin1String("DESC") : QLatin1String("ASC")));
            query.addBindValue(from);
            query.addBindValue(to);
            if (!query.exec()) {
                problemText = problem(query.lastError());
            } else {
                readAll = true;
                while (query.next()) {
                    if (!row(rowOf(query))) {
                        break;
                    }
                }
                if (query.lastError().isValid()) {
                    problemText = problem(query.lastError());
                    readAll = false;
                }
            }
            query.finish();
            database.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!readAll && error != nullptr) {
        *error = problemText;
    }
    return readAll;
}

QVector<JournalEvent> read(const QString& path, qint64 from, qint64 to, QString* error)
{
    QVector<JournalEvent> rows;
    forEach(
        path, from, to, true,
        [&rows](const JournalEvent& event) {
            rows.append(event);
            return true;
        },
        error);
    return rows;
}

bool span(const QString& path, qint64* first, qint64* last)
{
    if (!QFileInfo::exists(path)) {
        return false;
    }
    bool found = false;
    const QString name = connectionName("span");
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
        if (database.open()) {
            QSqlQuery query(database);
            // Both ends from the index; no count of a year of rows.
            if (query.exec(QStringLiteral("SELECT MIN(at), MAX(at) FROM events")) && query.next() &&
                !query.value(0).isNull()) {
                *first = query.value(0).toLongLong();
                *last = query.value(1).toLongLong();
                found = true;
            }
            query.finish();
            database.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return found;
}

} // namespace journalfile

#include "journal.moc"
