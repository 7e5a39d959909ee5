#include "panel/rotatorpanel.h"

#include <QFontMetrics>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

#include "app/labelwrap.h"
#include "app/station.h"
#include "dialogs/rotatorsdialog.h"
#include "forms/panelform.h"
#include "panel/panelaccess.h"
#include "panel/rotatorswindow.h"

RotatorPanel::RotatorPanel(QWidget* window_, PanelForm* ui_, Station& station_, PanelAccess* access_,
                           std::function<bool(const QList<QPair<QString, QString>>&)> store_)
    : window(window_)
    , ui(ui_)
    , station(station_)
    , access(access_)
    , store(std::move(store_))
{
    connect(&station.rotators(), &Rotators::changed, this, &RotatorPanel::showHeadings);
}

RotatorPanel::~RotatorPanel()
{
    // Before the station and its rotators go.
    delete rotatorsWindow;
}

void RotatorPanel::setCaptions(const std::array<QString, group::Antennas>& newCaptions)
{
    captions = newCaptions;
    showHeadings();
}

void RotatorPanel::showHeadings()
{
    const Rotators& rotators = station.rotators();
    std::array<QString, group::Antennas> said;
    for (int i = 0; i < group::Antennas; ++i) {
        QPushButton* key = ui->antennaButtons[i];
        const QString caption = wrapLabelText(captions[i]);
        QString text = caption;
        const int rotor = rotators.rotorOf(i);
        const RotatorView view = rotators.view(rotor);
        if (rotor >= 0 && view.heading) {
            // Seen: where it points now, and where to while it turns, under
            // the caption where the key has room for it at its size; the
            // heading alone where the target does not fit beside it.
            QStyleOptionButton option;
            option.initFrom(key);
            const QSize room = key->style()->subElementRect(QStyle::SE_PushButtonContents, &option, key).size();
            const QFontMetrics metrics(key->font());
            QStringList lines {headingText(*view.heading)};
            if (view.target) {
                lines.prepend(headingText(*view.heading) + QStringLiteral(" \u2192 ") + headingText(*view.target));
            }
            for (const QString& line : lines) {
                const QString both = caption.isEmpty() ? line : caption + QLatin1Char('\n') + line;
                const QSize needed = metrics.size(Qt::TextShowMnemonic, both);
                if (needed.width() <= room.width() && needed.height() <= room.height()) {
                    text = both;
                    break;
                }
            }
            // Heard: the heading while still, where to while turning; the
            // turn's end is told once by its notice.
            said[i] = view.turning && view.target ? tr("turning to %1").arg(headingText(*view.target))
                                                  : (view.turning ? tr("turning") : headingText(*view.heading));
        }
        if (key->text() != text) {
            key->setText(text);
        }
    }
    access->setHeadings(said);
}

void RotatorPanel::openWindow()
{
    if (!rotatorsWindow) {
        rotatorsWindow = new RotatorsWindow(
            station.rotators(), [this](const QString& text) { access->announce(text); }, window);
        rotatorsWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    rotatorsWindow->show();
    rotatorsWindow->raise();
    rotatorsWindow->activateWindow();
}

void RotatorPanel::turnSelected(int antenna)
{
    if (antenna < 0) {
        station.notices().show(tr("No antenna is selected"));
        return;
    }
    const int rotor = station.rotators().rotorOf(antenna);
    if (rotor < 0) {
        station.notices().show(tr("Ant %1 is on no rotator").arg(antenna + 1));
        return;
    }
    openWindow();
    rotatorsWindow->focusRotator(rotor);
}

void RotatorPanel::openSettings()
{
    if (auto* open = window->findChild<RotatorsDialog*>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* dialog = new RotatorsDialog(window, station.rotators().settings(), [this](const RotatorsSettings& settings) {
        if (!store(settings.keys())) {
            return false;
        }
        station.rotators().configure(settings);
        if (rotatorsWindow) {
            rotatorsWindow->refresh();
        }
        return true;
    });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
