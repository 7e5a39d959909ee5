#ifndef ZAREL_BANDFOLLOWFORM_H
#define ZAREL_BANDFOLLOWFORM_H

#include "app/bandplan.h"
#include "forms/ui_bandfollowform.h"

// The band-following dialog's form, drawn in bandfollowform.ui.
class BandFollowForm : public Ui::bandFollow
{
public:
    BandFollowForm()
        : Ui::bandFollow()
    {
    }

    void build(QDialog* dialog);

    // combo2200m .. combo23cm, in band order.
    QComboBox* bandAntennas[bandplan::BandCount] = {};
    // outputs2200m .. outputs23cm, in band order.
    QLineEdit* bandOutputs[bandplan::BandCount] = {};
};

#endif // ZAREL_BANDFOLLOWFORM_H
