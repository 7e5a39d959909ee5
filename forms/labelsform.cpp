#include "forms/labelsform.h"

#include "forms/formhelpers.h"
#include "forms/theme.h"

void LabelsForm::build(QDialog* dialog)
{
    // Themed before the widgets exist, as every form is (see LanForm::build).
    dialog->setStyleSheet(dialogStyleSheet());
    setupUi(dialog);

    fillGroup(antennaCaptions, label_A1, label_A2, label_A3, label_A4, label_A5, label_A6, label_A6_2, label_A6_3,
              label_A6_4, label_A6_5, label_A6_6, label_A6_7);
    fillGroup(antennaEditors, teA1, teA2, teA3, teA4, teA5, teA6, teA7, teA8, teA9, teA10, teA11, teA12);
    fillGroup(gpiCaptions, label_A1_10, label_A1_11, label_A1_12, label_A1_13, label_A1_14, label_A1_15, label_A1_16,
              label_A1_17);
    fillGroup(gpiEditors, teGPI1, teGPI2, teGPI3, teGPI4, teGPI5, teGPI6, teGPI7, teGPI8);
    fillGroup(gpoCaptions, label_A1_2, label_A1_3, label_A1_4, label_A1_5, label_A1_6, label_A1_7, label_A1_8,
              label_A1_9);
    fillGroup(gpoEditors, teGPO1, teGPO2, teGPO3, teGPO4, teGPO5, teGPO6, teGPO7, teGPO8);
}

void LabelsForm::applyTexts(QDialog* dialog)
{
    retranslateUi(dialog);
}
