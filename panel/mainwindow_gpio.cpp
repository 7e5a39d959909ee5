// GPO toggles and the two view toggles.
#include <QAction>
#include <QFrame>

#include "app/mainwindow.h"
#include "app/settingskeys.h"
#include "app/settingsstore.h"
#include "forms/panelform.h"

void MainWindow::toggleGpo(int index)
{
    station->toggleGpo(index, {Asker::Kind::Key, QString()});
}

void MainWindow::on_botaoGPO1_pressed()
{
    toggleGpo(0);
}
void MainWindow::on_botaoGPO2_pressed()
{
    toggleGpo(1);
}
void MainWindow::on_botaoGPO3_pressed()
{
    toggleGpo(2);
}
void MainWindow::on_botaoGPO4_pressed()
{
    toggleGpo(3);
}
void MainWindow::on_botaoGPO5_pressed()
{
    toggleGpo(4);
}
void MainWindow::on_botaoGPO6_pressed()
{
    toggleGpo(5);
}
void MainWindow::on_botaoGPO7_pressed()
{
    toggleGpo(6);
}
void MainWindow::on_botaoGPO8_pressed()
{
    toggleGpo(7);
}

// Shows or hides a frame, fits the window to what is visible and remembers
// the choice at once.
void MainWindow::toggleView(bool checked, QWidget* frame, const QString& key)
{
    frame->setVisible(checked);
    updateUISize();
    SettingsStore store(settingsPath);
    store.setValue(key, checked);
    if (const auto written = store.sync(); !written) {
        reportSettingsWriteFailure(written.notice);
    }
}

void MainWindow::on_actionGPIO_triggered()
{
    toggleView(ui->actionGPIO->isChecked(), ui->frame_GPIs, settingskey::GpioView);
}

void MainWindow::on_actionSkyrail_WF_triggered()
{
    toggleView(ui->actionSkyrail_WF->isChecked(), ui->frame_RTX, settingskey::SkyrailView);
}
