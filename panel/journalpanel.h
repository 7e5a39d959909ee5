#ifndef ZAREL_JOURNALPANEL_H
#define ZAREL_JOURNALPANEL_H

#include <QObject>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

#include "app/settingskeys.h"
#include "app/stationjournal.h"

class JournalWindow;
class SettingsStore;
class Station;
class QWidget;

// The window's part of the journal: the station's journal itself and View ›
// Journal, read again whenever rows reach the file.
class JournalPanel : public QObject
{
    Q_OBJECT

public:
    // `announce`: says a text to the screen reader.
    JournalPanel(QWidget* window, Station& station, std::function<void(const QString&)> announce);
    ~JournalPanel() override;

    // The journal of `settingsPath`, opened once, as [Journal] says.
    void start(const QString& settingsPath, const SettingsStore& settings);
    // The operator's captions, for the day's picture.
    void setCaptions(const std::array<QString, group::Antennas>& antennas);
    void openWindow();

private:
    QWidget* window;
    std::function<void(const QString&)> announce;
    StationJournal journal;
    QString settingsPath;
    QStringList captions;
    std::unique_ptr<JournalWindow> view;
};

#endif // ZAREL_JOURNALPANEL_H
