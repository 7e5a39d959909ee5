#ifndef ZAREL_FORMHELPERS_H
#define ZAREL_FORMHELPERS_H

#include <cstddef>

#include <QWidget>

// Fills a group array with the named widgets of a generated form, in order.
// The count is checked at compile time, so a group cannot lose a member.
template<class Widget, std::size_t N, class... Named>
void fillGroup(Widget* (&group)[N], Named*... widgets)
{
    static_assert(sizeof...(Named) == N, "a group needs every one of its widgets");
    std::size_t i = 0;
    ((group[i++] = widgets), ...);
}

// Widens a widget placed by hand to what its text needs in the language
// shown, leftwards: its right edge stays where the design put it, or at
// `rightEdge` when given. A translation gets its usual word, not a clipped
// or shortened one.
inline void widenLeftToText(QWidget* widget, int rightEdge = -1)
{
    widget->ensurePolished();
    QRect frame = widget->geometry();
    if (rightEdge >= 0) {
        frame.moveRight(rightEdge);
    }
    if (widget->sizeHint().width() > frame.width()) {
        frame.setLeft(frame.right() + 1 - widget->sizeHint().width());
    }
    widget->setGeometry(frame);
}

// Widens a widget placed by hand to what its text needs, rightwards, and
// its window with it, keeping the design's margin on the right.
inline void widenRightToText(QWidget* widget, int margin)
{
    widget->ensurePolished();
    if (widget->sizeHint().width() > widget->width()) {
        widget->resize(widget->sizeHint().width(), widget->height());
    }
    QWidget* window = widget->window();
    const int needed = widget->geometry().right() + 1 + margin;
    if (window != widget && window->width() < needed) {
        window->resize(needed, window->height());
    }
}

#endif // ZAREL_FORMHELPERS_H
