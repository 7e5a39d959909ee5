#ifndef ZAREL_LANFORM_H
#define ZAREL_LANFORM_H

class QDialog;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// Non-owning pointers to the widgets of the LAN settings dialog. build() wires
// the button box to accept() and reject(), then the dialog's slots by name.
class LanForm
{
public:
    void build(QDialog* dialog);
    void applyTexts(QDialog* dialog);

    QLabel* label = nullptr;
    QLabel* label_2 = nullptr;
    QLineEdit* lineEditIP = nullptr;
    QLabel* label_3 = nullptr;
    QLineEdit* lineEditPort = nullptr;
    QRadioButton* radioButton = nullptr;
    QDialogButtonBox* buttonBox = nullptr;
};

#endif // ZAREL_LANFORM_H
