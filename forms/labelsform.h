#ifndef ZAREL_LABELSFORM_H
#define ZAREL_LABELSFORM_H

#include "app/settingskeys.h"
#include "forms/ui_labelsform.h"

// The captions editor's form, drawn in labelsform.ui: non-owning pointers to
// its widgets, in creation order. Object names are API: the dialog's slots
// are connected by name.
class LabelsForm : public Ui::labels
{
public:
    // Every pointer stays null until build().
    LabelsForm()
        : Ui::labels()
    {
    }

    void build(QDialog* dialog);

    // teA1 .. teA12, for the keys K1 .. K12.
    QTextEdit* antennaEditors[group::Antennas] = {};
    // teGPI1 .. teGPI8 and teGPO1 .. teGPO8.
    QTextEdit* gpiEditors[group::Gpis] = {};
    QTextEdit* gpoEditors[group::Gpos] = {};
};

#endif // ZAREL_LABELSFORM_H
