// The settings file and how it is applied to the panel.
#include <QAction>
#include <QFrame>
#include <QHostInfo>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "app/labelwrap.h"
#include "app/mainwindow.h"
#include "app/settingsstore.h"
#include "connection/hostlookup.h"
#include "forms/formhelpers.h"
#include "forms/panelform.h"
#include "panel/colourkeys.h"

void MainWindow::applySettings()
{
    SettingsStore settings(settingsPath);
    const auto text = [&settings](const QString& key) { return settings.value(key).toString(); };

    for (int n = 1; n <= 12; ++n) {
        ui->antennaButtons[n - 1]->setText(wrapLabelText(text(numbered("K", n))));
    }
    for (int n = 1; n <= 8; ++n) {
        ui->gpiButtons[n - 1]->setText(wrapLabelText(text(numbered("GPI", n))));
    }
    for (int n = 1; n <= 8; ++n) {
        ui->gpoButtons[n - 1]->setText(wrapLabelText(text(numbered("GPO", n))));
    }
    ui->labelID->setText(text(QStringLiteral("ID")));

    ui->actionRelease_ALL->setChecked(settings.value(QStringLiteral("RL")).toBool());
    ui->actionSkyrail_WF->setChecked(settings.value(QStringLiteral("SK")).toBool());
    ui->actionGPIO->setChecked(settings.value(QStringLiteral("GPI")).toBool());
    useIpDirectly = settings.value(QStringLiteral("IPdir")).toBool();
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

    hostText = hostFromSetting(text(QStringLiteral("IP")));
    // A lookup still running for the old host must not overwrite this one.
    cancelHostLookup();
    // Resolved even when the host is to be used directly, so a bad entry
    // shows up at once. Blocks; an address literal returns at once.
    const QString address = addressFromLookup(QHostInfo::fromName(hostText));
    if (address == unresolvedAddress) {
        showHostError();
    } else if (ui->statusBar->currentMessage() == hostErrorText()) {
        // A corrected host must not leave the old complaint standing.
        ui->statusBar->clearMessage();
    }
    setDeviceAddress(address);

    devicePort = text(QStringLiteral("PORT"));

    // GPI 1..8 then GPO 1..8; out-of-range components leave the colour invalid.
    for (int i = 0; i < 16; ++i) {
        const int blue = settings.value(gpioColourKey(i, 2)).toInt();
        const int green = settings.value(gpioColourKey(i, 1)).toInt();
        const int red = settings.value(gpioColourKey(i, 0)).toInt();
        gpioColors[i].setRgb(red, green, blue, 255);
    }
}

void MainWindow::setUseIpDirectly(bool useDirectly)
{
    useIpDirectly = useDirectly;
    SettingsStore settings(settingsPath);
    settings.setValue(QStringLiteral("IPdir"), useDirectly);
    if (!settings.sync()) {
        reportSettingsWriteFailure();
    }
}
