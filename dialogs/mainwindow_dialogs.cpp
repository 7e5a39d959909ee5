// The Help and File menu items that open dialogs. The three dialogs are
// modeless, a new one on every use; each releases itself when closed.
#include <QMessageBox>

#include "app/mainwindow.h"
#include "dialogs/about.h"
#include "dialogs/formlancfg.h"
#include "dialogs/labels.h"

void MainWindow::on_actionAbout_triggered()
{
    QMessageBox::aboutQt(this, QStringLiteral("About Qt"));
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
