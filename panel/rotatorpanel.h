#ifndef ZAREL_ROTATORPANEL_H
#define ZAREL_ROTATORPANEL_H

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>

#include "app/settingskeys.h"

class PanelAccess;
class PanelForm;
class QWidget;
class RotatorsWindow;
class Station;

// The rotators on the panel window: headings on the antenna keys and in
// their names, View > Rotators, Ctrl+T and File > Rotators...
class RotatorPanel : public QObject
{
    Q_OBJECT

public:
    // `store` writes the settings file and says whether it holds them.
    RotatorPanel(QWidget* window, PanelForm* ui, Station& station, PanelAccess* access,
                 std::function<bool(const QList<QPair<QString, QString>>& keys)> store);
    ~RotatorPanel() override;

    // The operator's captions, as stored: the keys show them with the heading.
    void setCaptions(const std::array<QString, group::Antennas>& captions);
    void openWindow();
    // The rotator of the antenna the panel shows selected (-1: none), its
    // bearing field focused.
    void turnSelected(int antenna);
    void openSettings();

private:
    void showHeadings();

    QWidget* window;
    PanelForm* ui;
    Station& station;
    PanelAccess* access;
    std::function<bool(const QList<QPair<QString, QString>>&)> store;
    std::array<QString, group::Antennas> captions;
    QPointer<RotatorsWindow> rotatorsWindow;
};

#endif // ZAREL_ROTATORPANEL_H
