#include "forms/bandfollowform.h"

#include "forms/formhelpers.h"
#include "forms/theme.h"

void BandFollowForm::build(QDialog* dialog)
{
    // Themed before the widgets exist, as every form is (see LanForm::build).
    applyDialogTheme(dialog);
    setupUi(dialog);
    fillGroup(bandAntennas, combo2200m, combo630m, combo160m, combo80m, combo60m, combo40m, combo30m, combo20m,
              combo17m, combo15m, combo12m, combo10m, combo8m, combo6m, combo4m, combo2m, combo1_25m, combo70cm,
              combo23cm);
}
