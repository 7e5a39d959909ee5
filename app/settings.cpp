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
#include "forms/panelform.h"

namespace {

QString numberedKey(const char* stem, int n)
{
    return QString::fromLatin1(stem) + QString::number(n);
}

} // namespace

void MainWindow::applySettings()
{
    SettingsStore settings(settingsPath);
    const auto text = [&settings](const QString& key) { return settings.value(key).toString(); };

    for (int n = 1; n <= 12; ++n) {
        ui->antennaButtons[n - 1]->setText(wrapLabelText(text(numberedKey("K", n))));
    }
    for (int n = 1; n <= 8; ++n) {
        ui->gpiButtons[n - 1]->setText(wrapLabelText(text(numberedKey("GPI", n))));
    }
    for (int n = 1; n <= 8; ++n) {
        ui->gpoButtons[n - 1]->setText(wrapLabelText(text(numberedKey("GPO", n))));
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
    // Resolved even when the host is to be used directly, so a bad entry
    // shows up at once. Blocks; an address literal returns at once.
    const QString address = addressFromLookup(QHostInfo::fromName(hostText));
    const QString hostError = tr("HOST error: check LAN Settings!");
    if (address == QLatin1String("error")) {
        ui->statusBar->showMessage(hostError);
    } else if (ui->statusBar->currentMessage() == hostError) {
        // A corrected host must not leave the old complaint standing.
        ui->statusBar->clearMessage();
    }
    setDeviceAddress(address);

    devicePort = text(QStringLiteral("PORT"));

    // GPI 1..8 then GPO 1..8; out-of-range components leave the colour invalid.
    for (int i = 0; i < 16; ++i) {
        const QString stem = numberedKey(i < 8 ? "GPI" : "GPO", i % 8 + 1);
        const int blue = settings.value(stem + QLatin1Char('B')).toInt();
        const int green = settings.value(stem + QLatin1Char('G')).toInt();
        const int red = settings.value(stem + QLatin1Char('R')).toInt();
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
