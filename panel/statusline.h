#ifndef ZAREL_STATUSLINE_H
#define ZAREL_STATUSLINE_H

// The status bar as the operator reads it: the station's notice at the left
// (link/notices.h), shortened where it no longer fits (whole in the tooltip
// and to a screen reader); the radio's figures and the link's at the right,
// where no message pushes them away.

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

    // What stands now (empty: nothing), as the station's notices tell it.
    void shown(const QString& text);
    // Said again, or said without standing on the bar.
    void heard(const QString& text);

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
};

#endif // ZAREL_STATUSLINE_H
