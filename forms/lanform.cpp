#include "forms/lanform.h"

#include "forms/theme.h"

void LanForm::build(QDialog* dialog)
{
    // Themed before the widgets exist: a button box themed afterwards keeps
    // the plain button font instead of the theme's 15 px bold.
    applyDialogTheme(dialog);
    setupUi(dialog);
    // Screen readers name each field by its label.
    label_2->setBuddy(lineEditIP);
    label_3->setBuddy(lineEditPort);
}
