#ifndef ZAREL_REMOTEPANEL_H
#define ZAREL_REMOTEPANEL_H

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <functional>

#include "app/settingsstore.h"
#include "app/stationremote.h"

class Station;
class QWidget;

// The window's part of the browser panel: the station's remote access,
// served as [Remote] says, and File › Remote Access…
class RemotePanel : public QObject
{
    Q_OBJECT

public:
    // `store` writes settings keys, saying why when it could not.
    using Store = std::function<SettingsStore::Written(const QList<QPair<QString, QString>>& keys)>;
    RemotePanel(QWidget* window, Station& station, Store store);
    ~RemotePanel() override;

    // Serves, or stops serving, as the settings at `settingsPath` say; again
    // at every reading, so browsers show the captions as the panel does.
    void start(const QString& settingsPath, const SettingsStore& settings);
    void openDialog();

private:
    QWidget* window;
    Station& station;
    Store store;
    StationRemote remote;
    QString settingsPath;
};

#endif // ZAREL_REMOTEPANEL_H
