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
    fillGroup(bandOutputs, outputs2200m, outputs630m, outputs160m, outputs80m, outputs60m, outputs40m, outputs30m,
              outputs20m, outputs17m, outputs15m, outputs12m, outputs10m, outputs8m, outputs6m, outputs4m, outputs2m,
              outputs1_25m, outputs70cm, outputs23cm);
}
