// The settings file and how it is applied to the panel.
#include <QAction>
#include <QFrame>
#include <QSettings>

#include "app/mainwindow.h"
#include "forms/panelform.h"

// Placeholder until settings land: only the view options.
void MainWindow::applySettings()
{
    QSettings settings(settingsPath, QSettings::IniFormat);
    ui->actionRelease_ALL->setChecked(settings.value(QStringLiteral("RL"), QString()).toBool());
    ui->actionSkyrail_WF->setChecked(settings.value(QStringLiteral("SK"), QString()).toBool());
    ui->actionGPIO->setChecked(settings.value(QStringLiteral("GPI"), QString()).toBool());
    if (!ui->actionSkyrail_WF->isChecked()) {
        ui->frame_RTX->hide();
    }
    if (!ui->actionGPIO->isChecked()) {
        ui->frame_GPIs->hide();
    }
    updateUISize();
}

void MainWindow::setUseIpDirectly(bool useDirectly)
{
    useIpDirectly = useDirectly;
}
