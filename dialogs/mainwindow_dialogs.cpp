// The Help and File menu items that open dialogs. The dialogs are modeless;
// each releases itself when closed.
#include <QMessageBox>

#include "app/mainwindow.h"
#include "dialogs/about.h"
#include "dialogs/bandfollowdialog.h"
#include "dialogs/formlancfg.h"
#include "dialogs/labels.h"

void MainWindow::on_actionAbout_triggered()
{
    QMessageBox::aboutQt(this, tr("About Qt"));
}

void MainWindow::on_actionAbout_Quorvan_triggered()
{
    auto* dialog = new about(this);
    dialog->show();
}

void MainWindow::on_actionLabels_triggered()
{
    auto* dialog = new labels(this, this);
    dialog->show();
}

void MainWindow::on_actionLAN_Settings_triggered()
{
    auto* dialog = new formLanCFG(this, this);
    dialog->show();
}

void MainWindow::on_actionBand_Following_triggered()
{
    // One at a time: a second would show a setting the first one changes.
    if (auto* open = findChild<BandFollowDialog*>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* dialog = new BandFollowDialog(this, bandFollowing, settingsPath);
    // Antennas renamed in Labels show while it is open.
    connect(this, &MainWindow::settingsApplied, dialog, &BandFollowDialog::showAntennaNames);
    dialog->show();
}
