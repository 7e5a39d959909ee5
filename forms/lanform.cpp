#include "forms/lanform.h"

#include "forms/formhelpers.h"
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
    // Translations get their usual words: the labels grow into the margin on
    // their left, the option and the dialog to the right, and OK and Cancel
    // stay clear of the option.
    widenLeftToText(label_2);
    widenLeftToText(label_3);
    const int margin = dialog->width() - buttonBox->geometry().right() - 1;
    widenLeftToText(buttonBox);
    widenRightToText(radioButton, margin);
    const int clear = radioButton->geometry().right() + 1 + 10;
    if (buttonBox->x() < clear) {
        buttonBox->move(clear, buttonBox->y());
    }
    widenRightToText(buttonBox, margin);
}
