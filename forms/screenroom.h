#ifndef ZAREL_SCREENROOM_H
#define ZAREL_SCREENROOM_H

#include <QRect>

#include <functional>

class QScrollArea;
class QWidget;

// The available geometry of the screen `window` opens on (its parent's, for
// a dialog): the screen without the taskbar and docks.
QRect screenRoom(const QWidget* window);

// Test seam: a screen of the test's own size; an empty function restores it.
using ScreenRoom = std::function<QRect(const QWidget* window)>;
void setScreenRoom(ScreenRoom room);

// Sizes `window`, whose settings scroll in `scrolled`, to show them whole
// where its screen has room; otherwise as tall as the screen allows, the
// settings scrolling and the rest of the window (its buttons) in sight.
void fitToScreen(QWidget* window, QScrollArea* scrolled);

#endif // ZAREL_SCREENROOM_H
