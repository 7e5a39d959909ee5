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
    void applyTexts(QDialog* dialog);

    // label_A1 .. label_A6, label_A6_2 .. label_A6_7 ("Ant 1" .. "Ant 12").
    QLabel* antennaCaptions[group::Antennas] = {};
    // teA1 .. teA12, for the keys K1 .. K12.
    QTextEdit* antennaEditors[group::Antennas] = {};
    // label_A1_10 .. label_A1_17 and teGPI1 .. teGPI8.
    QLabel* gpiCaptions[group::Gpis] = {};
    QTextEdit* gpiEditors[group::Gpis] = {};
    // label_A1_2 .. label_A1_9 and teGPO1 .. teGPO8.
    QLabel* gpoCaptions[group::Gpos] = {};
    QTextEdit* gpoEditors[group::Gpos] = {};
};

#endif // ZAREL_LABELSFORM_H
