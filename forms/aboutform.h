#ifndef ZAREL_ABOUTFORM_H
#define ZAREL_ABOUTFORM_H

#include "forms/ui_aboutform.h"

// The About box's form, drawn in aboutform.ui: non-owning pointers to its five
// labels, which are children of the dialog and die with it.
class AboutForm : public Ui::about
{
public:
    // Every pointer stays null until build().
    AboutForm()
        : Ui::about()
    {
    }

    void build(QDialog* dialog);
};

#endif // ZAREL_ABOUTFORM_H
