#include "forms/aboutform.h"

#include "forms/theme.h"

void AboutForm::build(QDialog* dialog)
{
    // The logo is a compiled-in image.
    initFormResources();
    setupUi(dialog);
}
