#ifndef ZAREL_ROTATORSFORM_H
#define ZAREL_ROTATORSFORM_H

#include "app/settingskeys.h"
#include "forms/ui_rotatorsform.h"

// The rotators dialog's form, drawn in rotatorsform.ui.
class RotatorsForm : public Ui::rotatorsDialog
{
public:
    RotatorsForm()
        : Ui::rotatorsDialog()
    {
    }

    void build(QDialog* dialog);

    // lineEditAddress1 .. lineEditAddress4, and so on, by rotator.
    QLineEdit* addresses[settingskey::rotators::Count] = {};
    QLineEdit* antennas[settingskey::rotators::Count] = {};
    QLineEdit* names[settingskey::rotators::Count] = {};
};

#endif // ZAREL_ROTATORSFORM_H
