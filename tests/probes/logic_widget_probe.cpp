// Must fail to compile: the logic library offers no widget headers.
#include <QWidget>

int main()
{
    QWidget widget;
    return widget.isVisible() ? 1 : 0;
}
