// The operator's GPIO button colours: a right press on a GPI or GPO button
// (or the menu key while it has the focus) picks its colour, kept in memory
// and in the settings file, where a pick writes only its own button.
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPushButton>

#include "app/mainwindow.h"
#include "app/settingskeys.h"
#include "app/settingsstore.h"
#include "forms/panelform.h"
#include "panel/colourpicker.h"

namespace {

// Only the picked button's keys: another copy's picks for other buttons, and
// the colours this one read before they were made, are not written back.
SettingsStore::Written storeColour(const QString& path, int entry, const QColor& colour)
{
    SettingsStore store(path);
    const int components[] = {colour.red(), colour.green(), colour.blue()};
    for (int component = 0; component < 3; ++component) {
        store.setValue(settingskey::gpioColour(entry, component), components[component]);
    }
    return store.sync();
}

} // namespace

// Installed on the application, so it sees every event of the program; it
// never consumes one.
bool MainWindow::eventFilter(QObject* object, QEvent* event)
{
    const bool fromKeyboard = event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
    if ((event->type() != QEvent::MouseButtonPress && !fromKeyboard) || ui == nullptr) {
        return false;
    }
    for (int i = 0; i < group::Gpis; ++i) {
        auxEFGPIOsColors(object, event, ui->gpiButtons[i], &gpioColors[i]);
    }
    for (int i = 0; i < group::Gpos; ++i) {
        auxEFGPIOsColors(object, event, ui->gpoButtons[i], &gpioColors[group::Gpis + i]);
    }
    return false;
}

void MainWindow::auxEFGPIOsColors(QObject* object, QEvent* e, QPushButton* b, QColor* c)
{
    if (object != b) {
        return;
    }
    if (e->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(e)->button() != Qt::RightButton) {
        return;
    }
    // Always starts from white, not from the button's colour. A lit button
    // takes the new colour at the next repaint.
    const QColor chosen = pickColour(Qt::white);
    if (chosen.isValid()) {
        *c = chosen;
        if (const auto written = storeColour(settingsPath, static_cast<int>(c - gpioColors), chosen); !written) {
            reportSettingsWriteFailure(written.notice);
        }
    }
}
