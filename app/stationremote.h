#ifndef ZAREL_STATIONREMOTE_H
#define ZAREL_STATIONREMOTE_H

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>

#include "app/settingskeys.h"
#include "link/devicestate.h"
#include "panel/panelspeech.h"

class RemoteServer;
class SettingsStore;
class Station;

// The browser panel of a station: serves it as [Remote] says, shows every
// browser what the panel shows, named as the panel names it, and hands an
// operator's press to the station as the panel's keys do. The desktop panel
// and zarel-station both keep one.
class StationRemote : public QObject
{
    Q_OBJECT

public:
    explicit StationRemote(Station& station, QObject* parent = nullptr);
    ~StationRemote() override;

    // Serves the page when the settings say so, stops serving when they no
    // longer do. What it did, or why it could not, goes to the station's
    // notices.
    void start(const QString& settingsPath, const SettingsStore& settings);
    void stop();

    bool serving() const;
    // "https://127.0.0.1:8443/", empty while not serving.
    QString address() const { return url; }
    // The certificate's SHA-256 as browsers show it, empty while none.
    QString fingerprint() const { return certificateFingerprint; }
    QString accountsPath() const { return accounts; }
    // The account is gone: its browsers are logged out.
    void endSessionsOf(const QString& user);
    int browsers() const;

Q_SIGNALS:
    void servingChanged();

private:
    void readPanelSettings(const SettingsStore& settings);
    void changed();
    void sendPanel();
    void press(const QString& key, const QString& user);
    PanelSpeechInput shownInput() const;

    Station& station;
    RemoteServer* server = nullptr;
    QString url;
    QString certificateFingerprint;
    QString accounts;
    QString listening; // "address:port:certificate:key" served now

    std::array<QString, group::Antennas> antennaCaptions;
    std::array<QString, group::Gpis> gpiCaptions;
    std::array<QString, group::Gpos> gpoCaptions;
    std::array<QString, group::Colours> colourStyles;
    QString stationName;

    // What the panel shows, as the window follows it.
    bool showsState = false;
    bool rotorBlinking = false;
    bool fresh = false;
    PanelSpeechInput::Link link = PanelSpeechInput::Link::Off;
    qint64 roundTripMs = -1;
    QString linkText;
    QString radioText;
    // The device's own word in its last report: what a key's pressed state
    // shows, so nothing counts as done before the device says so.
    DeviceState reportedState;
    bool reportedKnown = false;
    PanelSpeechInput told;
    QTimer coalesce;
};

// `program [PROFILE] --add-user NAME [--viewer] | --remove-user NAME |
// --list-users`: the exit code.
int manageAccounts(const char* program, const QStringList& arguments);

// For --help: how the browser panel is reached and the certificate's
// fingerprint, for the profile the command line names.
QString remoteHelpText(int argc, char* argv[]);

#endif // ZAREL_STATIONREMOTE_H
