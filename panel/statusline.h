#ifndef ZAREL_STATUSLINE_H
#define ZAREL_STATUSLINE_H

// The status bar as the operator reads it: a message at the left, shortened
// where it no longer fits (whole in the tooltip and to a screen reader); the
// radio's figures and the link's at the right, where no message pushes them
// away; and which notice outlives which event.

#include <QMetaObject>
#include <QString>

class PanelAccess;
class QLabel;
class QStatusBar;

class StatusLine
{
public:
    StatusLine(QStatusBar* bar, PanelAccess* access);
    ~StatusLine();
    StatusLine(const StatusLine&) = delete;
    StatusLine& operator=(const StatusLine&) = delete;

    // Shows `text`; the same text again is said again all the same (the
    // operator who pressed again must hear it).
    void show(const QString& text);
    // `text`, if the bar still shows it, gives way to `replacement` (empty:
    // the standing notice, if any).
    void replace(const QString& text, const QString& replacement);
    // A notice that the guard is weaker than the settings make it ("PTT
    // unknown: ..."): it stands until it is no longer true (empty). Other
    // notices may cover it and it comes back when they give way; the link's
    // own notices are heard but leave it on the bar.
    void setStanding(const QString& text);
    // A notice of the link's ("LAN enabled", "Disconnected", a port).
    void showLink(const QString& text);

    // Connect: a device silent from the start is told of after the
    // watchdog's time as well.
    void linkStarted(qint64 now);
    // The watchdog's verdict (`fresh`: a report in time) at `now`: a link
    // that goes quiet or answers again is told once.
    void linkChecked(bool connected, bool fresh, qint64 now);

    // The round trip and loss field; the radio's figures (hidden when empty).
    void setLinkFigures(const QString& text);
    void setRadioFigures(const QString& text);

private:
    void fit(const QString& text);

    QStatusBar* bar;
    PanelAccess* access;
    QLabel* radio;
    QLabel* link;
    QMetaObject::Connection fitConnection;
    bool fitting = false;
    // The link as the operator was last told: lost, or answering.
    bool linkLostTold = false;
    QString standing;
    qint64 connectedAt = 0;
};

#endif // ZAREL_STATUSLINE_H
