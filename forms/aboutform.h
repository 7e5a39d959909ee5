#ifndef ZAREL_ABOUTFORM_H
#define ZAREL_ABOUTFORM_H

class QDialog;
class QLabel;

// Non-owning pointers to the five labels of the About box; the labels are
// children of the dialog and die with it.
class AboutForm
{
public:
    void build(QDialog* dialog);
    void applyTexts(QDialog* dialog);

    QLabel* labelLogo = nullptr;
    QLabel* labelTopo = nullptr;
    QLabel* labelVersion = nullptr;
    QLabel* label = nullptr;
    QLabel* label_2 = nullptr;
};

#endif // ZAREL_ABOUTFORM_H
