#include "panel/remotepanel.h"

#include <QWidget>

#include "app/station.h"
#include "dialogs/remoteaccessdialog.h"

RemotePanel::RemotePanel(QWidget* window, Station& station, Store store)
    : QObject(window)
    , window(window)
    , station(station)
    , store(std::move(store))
    , remote(station)
{
}

RemotePanel::~RemotePanel() = default;

void RemotePanel::start(const QString& path, const SettingsStore& settings)
{
    settingsPath = path;
    remote.start(path, settings);
}

void RemotePanel::openDialog()
{
    if (auto* open = window->findChild<RemoteAccessDialog*>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* dialog =
        new RemoteAccessDialog(window, remote, settingsPath, [this](const RemoteAccessDialog::Keys& keys) -> QString {
            const SettingsStore::Written written = store(keys);
            if (!written) {
                return written.notice;
            }
            Notices& notices = station.notices();
            const QString before = notices.current();
            remote.start(settingsPath, SettingsStore(settingsPath));
            const bool wanted = keys.contains({settingskey::remote::Enabled.name, QStringLiteral("true")});
            if (!wanted || remote.serving()) {
                return QString();
            }
            // Why not, as the station put it beside what stood before.
            QString why = notices.current();
            const QString separator = QStringLiteral("  \u00b7  ");
            if (!before.isEmpty() && why.startsWith(before + separator)) {
                why = why.mid(before.size() + separator.size());
            }
            return tr("Stored, but not served: %1").arg(why);
        });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}
