// The Help and File menu items that open dialogs.
#include "app/mainwindow.h"

// Placeholders until the dialogs land.
void MainWindow::on_actionAbout_triggered() { }

void MainWindow::on_actionAbout_Quorvan_triggered() { }

void MainWindow::on_actionLabels_triggered() { }

void MainWindow::on_actionLAN_Settings_triggered() { }
