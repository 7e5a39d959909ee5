#ifndef ZAREL_PANELFORM_H
#define ZAREL_PANELFORM_H

#include <array>

#include "app/settingskeys.h"
#include "forms/ui_panelform.h"
#include "panel/panellooks.h"

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

    // The same widgets grouped for table-driven code, filled by build().
    QPushButton* antennaButtons[group::Antennas] = {};
    QPushButton* busyButtons[group::Antennas] = {};
    QLabel* antennaLabels[group::Antennas] = {};
    QPushButton* rotorButtons[group::Rotors] = {};
    QPushButton* rxButtons[group::Receivers] = {};
    QPushButton* gpiButtons[group::Gpis] = {};
    QPushButton* gpoButtons[group::Gpos] = {};
    QLabel* gpiLabels[group::Gpis] = {};
    QLabel* gpoLabels[group::Gpos] = {};

    // The panel's indicators in the order of panel/panellooks.h.
    std::array<QPushButton*, indicator::Count> indicatorButtons() const;
};

#endif // ZAREL_PANELFORM_H
