#ifndef ZAREL_LABELSFORM_H
#define ZAREL_LABELSFORM_H

class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

// Non-owning pointers to the widgets of the captions editor, in creation
// order. Object names are API: the dialog's slots are connected by name.
class LabelsForm
{
public:
    void build(QDialog* dialog);
    void applyTexts(QDialog* dialog);

    QLabel* labelID = nullptr;
    QLineEdit* lineEditID = nullptr;
    // label_A1 .. label_A6, label_A6_2 .. label_A6_7 ("Ant 1" .. "Ant 12").
    QLabel* antennaCaptions[12] = {};
    // teA1 .. teA12, for the keys K1 .. K12.
    QTextEdit* antennaEditors[12] = {};
    QFrame* frameGPIs = nullptr;
    // label_A1_10 .. label_A1_17 and teGPI1 .. teGPI8.
    QLabel* gpiCaptions[8] = {};
    QTextEdit* gpiEditors[8] = {};
    QFrame* frameGPOs = nullptr;
    // label_A1_2 .. label_A1_9 and teGPO1 .. teGPO8.
    QLabel* gpoCaptions[8] = {};
    QTextEdit* gpoEditors[8] = {};
    QPushButton* botaoOK = nullptr;
    QPushButton* botaoCancel = nullptr;
};

#endif // ZAREL_LABELSFORM_H
