#include "panel/journalpanel.h"

#include "app/journal.h"
#include "panel/journalwindow.h"

JournalPanel::JournalPanel(QWidget* window, Station& station, std::function<void(const QString&)> announce)
    : QObject(window)
    , window(window)
    , announce(std::move(announce))
    , journal(station)
{
    connect(&journal.store(), &Journal::written, this, [this] {
        if (view) {
            view->refresh();
        }
    });
}

JournalPanel::~JournalPanel() = default;

void JournalPanel::start(const QString& path, const SettingsStore& settings)
{
    if (settingsPath.isEmpty()) {
        settingsPath = path;
        journal.start(path, settings);
    }
}

void JournalPanel::setCaptions(const std::array<QString, group::Antennas>& antennas)
{
    captions = QStringList(antennas.begin(), antennas.end());
    if (view) {
        view->setCaptions(captions);
    }
}

void JournalPanel::openWindow()
{
    if (!view) {
        // The file a disabled journal would have: an older journal is still read.
        view = std::make_unique<JournalWindow>(Journal::pathFor(settingsPath), captions, window);
        view->setAnnouncer(announce);
    }
    view->show();
    view->raise();
    view->activateWindow();
}
