// The settings file and how it is applied to the panel.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "app/labelwrap.h"
#include "app/mainwindow.h"
#include "app/settingskeys.h"
#include "app/settingsstore.h"
#include "forms/panelform.h"
#include "panel/journalpanel.h"
#include "panel/panelaccess.h"
#include "panel/remotepanel.h"
#include "panel/rotatorpanel.h"

void MainWindow::applySettings()
{
    Notices& notices = station->notices();
    const QString shownBefore = notices.current();
    SettingsStore settings(settingsPath);
    const auto text = [&settings](const QString& key) { return settings.text(key); };

    std::array<QString, group::Antennas> antennas;
    std::array<QString, group::Gpis> gpis;
    std::array<QString, group::Gpos> gpos;
    for (int n = 1; n <= group::Antennas; ++n) {
        antennas[n - 1] = text(settingskey::antennaCaption(n));
        ui->antennaButtons[n - 1]->setText(wrapLabelText(antennas[n - 1]));
    }
    for (int n = 1; n <= group::Gpis; ++n) {
        gpis[n - 1] = text(settingskey::gpiCaption(n));
        ui->gpiButtons[n - 1]->setText(wrapLabelText(gpis[n - 1]));
    }
    for (int n = 1; n <= group::Gpos; ++n) {
        gpos[n - 1] = text(settingskey::gpoCaption(n));
        ui->gpoButtons[n - 1]->setText(wrapLabelText(gpos[n - 1]));
    }
    ui->labelID->setText(text(settingskey::StationId));
    // Captions are part of what the keys are called.
    access->setCaptions(antennas, gpis, gpos);
    rotators->setCaptions(antennas);
    journal->setCaptions(antennas);

    ui->actionRelease_ALL->setChecked(settings.value(settingskey::ReleaseAll).toBool());
    ui->actionSkyrail_WF->setChecked(settings.value(settingskey::SkyrailView).toBool());
    ui->actionGPIO->setChecked(settings.value(settingskey::GpioView).toBool());
    ui->actionConnectAtStart->setChecked(settingskey::ConnectAtStart.read(text(settingskey::ConnectAtStart.name))
                                             .value_or(settingskey::ConnectAtStart.fallback));
    if (connected) {
        ui->actionConnect_to_Merax->setEnabled(false);
    }
    // Only hides: the frames are shown by the form and by the view toggles.
    if (!ui->actionSkyrail_WF->isChecked()) {
        ui->frame_RTX->hide();
    }
    if (!ui->actionGPIO->isChecked()) {
        ui->frame_GPIs->hide();
    }
    updateUISize();
    // New captions may not fit their keys at the size the window gave them.
    resizeAllTexts(baseTextSize(width()));

    // GPI 1..8 then GPO 1..8. An entry with none of its three keys was never
    // stored: it gets a visible default rather than black, which would paint a
    // lit GPIO darker than an unlit one. A stored entry is honoured as it is,
    // black included; a component missing from it reads as 0 and one out of
    // range leaves the colour invalid, as they always have.
    for (int i = 0; i < group::Colours; ++i) {
        const bool stored = settings.contains(settingskey::gpioColour(i, 0)) ||
            settings.contains(settingskey::gpioColour(i, 1)) || settings.contains(settingskey::gpioColour(i, 2));
        if (!stored) {
            const settingskey::ColourDefault colour = settingskey::gpioColourDefault(i);
            gpioColors[i].setRgb(colour.red, colour.green, colour.blue, 255);
            continue;
        }
        const int blue = settings.value(settingskey::gpioColour(i, 2)).toInt();
        const int green = settings.value(settingskey::gpioColour(i, 1)).toInt();
        const int red = settings.value(settingskey::gpioColour(i, 0)).toInt();
        gpioColors[i].setRgb(red, green, blue, 255);
    }

    // First, so what the settings lead to is in it.
    journal->start(settingsPath, settings);
    // Again at every reading: the browsers show the new captions too.
    remote->start(settingsPath, settings);
    // The host, the port and band following.
    station->applySettings(settings);

    const QString notice = settingsReadingNotice(settings);
    if (!notice.isEmpty()) {
        // Beside what this reading put up, the host error above all.
        const QString shown = notices.current();
        const bool fresh = !shown.isEmpty() && (shown != shownBefore || shown == station->hostErrorText());
        if (fresh) {
            notices.append(notice);
        } else {
            notices.show(notice);
        }
    }
    emit settingsApplied();
}

void MainWindow::setUseIpDirectly(bool useDirectly)
{
    useIpDirectly = useDirectly;
    SettingsStore settings(settingsPath);
    settings.setValue(settingskey::UseIpDirectly, useDirectly);
    if (const auto written = settings.sync(); !written) {
        reportSettingsWriteFailure(written.notice);
    }
}
