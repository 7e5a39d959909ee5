#include "forms/aboutform.h"

#include "forms/formhelpers.h"
#include "forms/theme.h"

void AboutForm::build(QDialog* dialog)
{
    // The logo is a compiled-in image.
    initFormResources();
    setupUi(dialog);
    // A translated notice keeps its line whole: the dialog grows for it.
    const int margin = dialog->width() - label->geometry().right() - 1;
    for (QLabel* line : {label, label_2}) {
        widenRightToText(line, margin);
    }
}
