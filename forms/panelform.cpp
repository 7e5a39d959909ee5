#include <algorithm>

#include "forms/panelform.h"

#include "forms/formhelpers.h"
#include "forms/theme.h"

void PanelForm::build(QMainWindow* mainWindow)
{
    // The logo's pixmap is loaded while the form is set up.
    initFormResources();
    // The theme goes on before the widgets exist, as it always has: set
    // afterwards, every widget would first take the window's bold font and
    // keep it where the theme says otherwise.
    applyPanelTheme(mainWindow);
    setupUi(mainWindow);

    fillGroup(antennaButtons, botaoTecla1, botaoTecla2, botaoTecla3, botaoTecla4, botaoTecla5, botaoTecla6, botaoTecla7,
              botaoTecla8, botaoTecla9, botaoTecla10, botaoTecla11, botaoTecla12);
    fillGroup(busyButtons, botaoBusy1, botaoBusy2, botaoBusy3, botaoBusy4, botaoBusy5, botaoBusy6, botaoBusy7,
              botaoBusy8, botaoBusy9, botaoBusy10, botaoBusy11, botaoBusy12);
    fillGroup(antennaLabels, labelAnt1, labelAnt2, labelAnt3, labelAnt4, labelAnt5, labelAnt6, labelAnt7, labelAnt8,
              labelAnt9, labelAnt10, labelAnt11, labelAnt12);
    fillGroup(rotorButtons, botaoRotor1, botaoRotor2, botaoRotor3, botaoRotor4, botaoRotor5, botaoRotor6, botaoRotor7,
              botaoRotor8);
    fillGroup(rxButtons, botaoTeclaRX1, botaoTeclaRX2, botaoTeclaRX3, botaoTeclaRX4);
    fillGroup(gpiButtons, botaoGPI1, botaoGPI2, botaoGPI3, botaoGPI4, botaoGPI5, botaoGPI6, botaoGPI7, botaoGPI8);
    fillGroup(gpoButtons, botaoGPO1, botaoGPO2, botaoGPO3, botaoGPO4, botaoGPO5, botaoGPO6, botaoGPO7, botaoGPO8);
    fillGroup(gpiLabels, labelGPI1, labelGPI2, labelGPI3, labelGPI4, labelGPI5, labelGPI6, labelGPI7, labelGPI8);
    fillGroup(gpoLabels, labelGPO1, labelGPO2, labelGPO3, labelGPO4, labelGPO5, labelGPO6, labelGPO7, labelGPO8);
}

std::array<QPushButton*, indicator::Count> PanelForm::indicatorButtons() const
{
    std::array<QPushButton*, indicator::Count> buttons {};
    std::copy(antennaButtons, antennaButtons + group::Antennas, buttons.begin() + indicator::Antenna);
    std::copy(busyButtons, busyButtons + group::Antennas, buttons.begin() + indicator::Busy);
    buttons[indicator::Split] = botaoSplit;
    buttons[indicator::Send] = botaoSend;
    std::copy(rotorButtons, rotorButtons + group::Rotors, buttons.begin() + indicator::Rotor);
    buttons[indicator::Rtx] = botaoTeclaRTX;
    std::copy(rxButtons, rxButtons + group::Receivers, buttons.begin() + indicator::Rx);
    std::copy(gpiButtons, gpiButtons + group::Gpis, buttons.begin() + indicator::Gpi);
    std::copy(gpoButtons, gpoButtons + group::Gpos, buttons.begin() + indicator::Gpo);
    return buttons;
}
