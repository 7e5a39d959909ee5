#ifndef ZAREL_REMOTEACCESSFORM_H
#define ZAREL_REMOTEACCESSFORM_H

#include "forms/ui_remoteaccessform.h"

// The remote access dialog's form, drawn in remoteaccessform.ui.
class RemoteAccessForm : public Ui::remoteAccessDialog
{
public:
    RemoteAccessForm()
        : Ui::remoteAccessDialog()
    {
    }

    void build(QDialog* dialog);
};

#endif // ZAREL_REMOTEACCESSFORM_H
