#ifndef ZAREL_NOTICES_H
#define ZAREL_NOTICES_H

// The station's notices as the operator reads them, one at a time: which
// notice outlives which event. The panel's status bar shows what this says;
// the headless station prints it.

#include <QObject>
#include <QString>

class Notices : public QObject
{
    Q_OBJECT

public:
    explicit Notices(QObject* parent = nullptr);

    // What stands now (empty: nothing).
    QString current() const { return shownText; }

    // Shows `text`; the same text again is said again all the same (the
    // operator who pressed again must hear it).
    void show(const QString& text);
    // `text`, if it still stands, gives way to `replacement` (empty: the
    // standing notice, if any).
    void replace(const QString& text, const QString& replacement);
    // Beside what stands now: "shown  ·  text".
    void append(const QString& text);
    void clear();
    // A notice that the guard is weaker than the settings make it ("PTT
    // unknown: ..."): it stands until it is no longer true (empty). Other
    // notices may cover it and it comes back when they give way; the link's
    // own notices are heard but leave it standing.
    void setStanding(const QString& text);
    // A notice of the link's ("LAN enabled", "Disconnected", a port).
    void showLink(const QString& text);

    // Connect: a device silent from the start is told of after the
    // watchdog's time as well.
    void linkStarted(qint64 now);
    // The watchdog's verdict (`fresh`: a report in time) at `now`: a link
    // that goes quiet or answers again is told once.
    void linkChecked(bool connected, bool fresh, qint64 now);

Q_SIGNALS:
    // `text` stands now (empty: nothing does).
    void changed(const QString& text);
    // Said without changing what stands: a notice shown again, or one of the
    // link's under a standing notice.
    void heard(const QString& text);

private:
    QString shownText;
    QString standing;
    // The link as the operator was last told: lost, or answering.
    bool linkLostTold = false;
    qint64 connectedAt = 0;
};

#endif // ZAREL_NOTICES_H
