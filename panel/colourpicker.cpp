#include "panel/colourpicker.h"

#include <QColorDialog>

namespace {

ColourPicker& replacement()
{
    static ColourPicker picker;
    return picker;
}

} // namespace

QColor pickColour(const QColor& initial)
{
    if (replacement()) {
        return replacement()(initial);
    }
    return QColorDialog::getColor(initial, nullptr, QString());
}

void setColourPicker(ColourPicker picker)
{
    replacement() = std::move(picker);
}
