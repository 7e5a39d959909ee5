#ifndef ZAREL_FORMHELPERS_H
#define ZAREL_FORMHELPERS_H

#include <cstddef>

// Fills a group array with the named widgets of a generated form, in order.
// The count is checked at compile time, so a group cannot lose a member.
template<class Widget, std::size_t N, class... Named>
void fillGroup(Widget* (&group)[N], Named*... widgets)
{
    static_assert(sizeof...(Named) == N, "a group needs every one of its widgets");
    std::size_t i = 0;
    ((group[i++] = widgets), ...);
}

#endif // ZAREL_FORMHELPERS_H
