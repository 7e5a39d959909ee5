#ifndef ZAREL_PANELFORM_H
#define ZAREL_PANELFORM_H

#include "forms/ui_panelform.h"

// The main window's form, drawn in panelform.ui: non-owning pointers to every
// object, in creation order (which is also the stacking order among
// siblings). Object names are API: the window's slots are connected by name.
class PanelForm : public Ui::mainWindow
{
public:
    // Every pointer stays null until build().
    PanelForm()
        : Ui::mainWindow()
    {
    }

    void build(QMainWindow* mainWindow);
    void applyTexts(QMainWindow* mainWindow);

    // The same widgets grouped for table-driven code, filled by build().
    QPushButton* antennaButtons[12] = {};
    QPushButton* busyButtons[12] = {};
    QLabel* antennaLabels[12] = {};
    QPushButton* rotorButtons[8] = {};
    QPushButton* rxButtons[4] = {};
    QPushButton* gpiButtons[8] = {};
    QPushButton* gpoButtons[8] = {};
    QLabel* gpiLabels[8] = {};
    QLabel* gpoLabels[8] = {};
};

#endif // ZAREL_PANELFORM_H
