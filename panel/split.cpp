// Split operation: set-up, cancel and switching off.
#include "app/mainwindow.h"

// Placeholders until split lands.
void MainWindow::on_botaoSplit_clicked() { }

void MainWindow::blinkSplit() { }
