#include "forms/screenroom.h"

#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>

namespace {

ScreenRoom& replacement()
{
    static ScreenRoom room;
    return room;
}

// The window a dialog opens over: it opens on that one's screen.
const QWidget* opensOver(const QWidget* window)
{
    return window->parentWidget() != nullptr ? window->parentWidget()->window() : window;
}

} // namespace

QRect screenRoom(const QWidget* window)
{
    if (replacement()) {
        return replacement()(window);
    }
    return opensOver(window)->screen()->availableGeometry();
}

void setScreenRoom(ScreenRoom room)
{
    replacement() = std::move(room);
}

void fitToScreen(QWidget* window, QScrollArea* scrolled)
{
    window->ensurePolished();
    window->layout()->activate();
    // The scroll area's own hint is capped at a few dozen lines: what it
    // holds says what showing it whole takes.
    const int frame = 2 * scrolled->frameWidth();
    const QSize whole = scrolled->widget()->sizeHint() + QSize(frame, frame);
    const QSize hint = window->sizeHint();
    const QMargins margins = window->layout()->contentsMargins();
    QSize wanted(std::max(hint.width(), whole.width() + margins.left() + margins.right()),
                 hint.height() - scrolled->sizeHint().height() + whole.height());
    // The window manager frames it as it framed the window it opens over
    // (nothing yet, when that one was never shown).
    const QWidget* over = opensOver(window);
    const QSize decoration = over->isVisible() ? over->frameGeometry().size() - over->size() : QSize();
    const QSize room = screenRoom(window).size() - decoration;
    if (wanted.height() > room.height()) {
        wanted.setHeight(room.height());
        // The scroll bar then takes its width beside the settings.
        wanted.rwidth() += scrolled->verticalScrollBar()->sizeHint().width();
    }
    wanted.setWidth(std::min(wanted.width(), room.width()));
    window->resize(wanted);
}
