#include "forms/labelsform.h"

#include "forms/formhelpers.h"
#include "forms/theme.h"

void LabelsForm::build(QDialog* dialog)
{
    // Themed before the widgets exist, as every form is (see LanForm::build).
    applyDialogTheme(dialog);
    setupUi(dialog);

    fillGroup(antennaEditors, teA1, teA2, teA3, teA4, teA5, teA6, teA7, teA8, teA9, teA10, teA11, teA12);
    fillGroup(gpiEditors, teGPI1, teGPI2, teGPI3, teGPI4, teGPI5, teGPI6, teGPI7, teGPI8);
    fillGroup(gpoEditors, teGPO1, teGPO2, teGPO3, teGPO4, teGPO5, teGPO6, teGPO7, teGPO8);
}
