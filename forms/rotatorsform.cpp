#include "forms/rotatorsform.h"

#include "forms/formhelpers.h"
#include "forms/theme.h"

void RotatorsForm::build(QDialog* dialog)
{
    // Themed before the widgets exist, as every form is (see LanForm::build).
    applyDialogTheme(dialog);
    setupUi(dialog);
    fillGroup(addresses, lineEditAddress1, lineEditAddress2, lineEditAddress3, lineEditAddress4);
    fillGroup(antennas, lineEditAntennas1, lineEditAntennas2, lineEditAntennas3, lineEditAntennas4);
    fillGroup(names, lineEditName1, lineEditName2, lineEditName3, lineEditName4);
}
