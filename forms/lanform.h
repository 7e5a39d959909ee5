#ifndef ZAREL_LANFORM_H
#define ZAREL_LANFORM_H

#include "forms/ui_lanform.h"

// The LAN settings dialog's form, drawn in lanform.ui: non-owning pointers to
// its widgets. build() wires the button box to accept() and reject() (by
// signature, as every Designer connection), then the dialog's slots by name.
class LanForm : public Ui::formLanCFG
{
public:
    // Every pointer stays null until build().
    LanForm()
        : Ui::formLanCFG()
    {
    }

    void build(QDialog* dialog);
};

#endif // ZAREL_LANFORM_H
