#ifndef ZAREL_PANELFORM_H
#define ZAREL_PANELFORM_H

#include <QtGlobal>

class QAction;
class QFrame;
class QLabel;
class QMainWindow;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
class QToolBar;
class QWidget;

// Non-owning pointers to every object of the main window, in creation order
// (which is also the stacking order among siblings). Object names are API:
// the window's slots are connected by name.
class PanelForm
{
public:
    void build(QMainWindow* mainWindow);
    void applyTexts(QMainWindow* mainWindow);
    QAction* actionConfigure = nullptr;
    QAction* actionConnect_to_Merax = nullptr;
    QAction* actionDisconnect = nullptr;
    QAction* actionRotors_Config = nullptr;
    QAction* actionSplit_Config = nullptr;
    QAction* actionSuper_Split_Config = nullptr;
    QAction* actionAbout = nullptr;
    QAction* actionAbout_Quorvan = nullptr;
    QAction* actionLabels = nullptr;
    QAction* actionRelease_ALL = nullptr;
    QAction* actionEnable = nullptr;
    QAction* actionOff = nullptr;
    QAction* actionRotors = nullptr;
    QAction* actionSplit = nullptr;
    QAction* actionSuper_Split = nullptr;
    QAction* actionLAN_Settings = nullptr;
    QAction* actionSerial = nullptr;
    QAction* actionLAN = nullptr;
    QAction* actionGPIO = nullptr;
    QAction* actionSkyrail_WF = nullptr;
    QWidget* centralWidget = nullptr;
    QFrame* frame = nullptr;
    QPushButton* botaoTecla1 = nullptr;
    QPushButton* botaoTecla2 = nullptr;
    QPushButton* botaoTecla3 = nullptr;
    QPushButton* botaoTecla4 = nullptr;
    QPushButton* botaoTecla5 = nullptr;
    QPushButton* botaoTecla6 = nullptr;
    QPushButton* botaoTecla7 = nullptr;
    QPushButton* botaoTecla8 = nullptr;
    QPushButton* botaoTecla9 = nullptr;
    QPushButton* botaoTecla10 = nullptr;
    QPushButton* botaoTecla11 = nullptr;
    QLabel* labelAnt1 = nullptr;
    QLabel* labelAnt2 = nullptr;
    QLabel* labelAnt3 = nullptr;
    QLabel* labelAnt4 = nullptr;
    QLabel* labelAnt5 = nullptr;
    QLabel* labelAnt6 = nullptr;
    QLabel* labelAnt7 = nullptr;
    QLabel* labelAnt8 = nullptr;
    QLabel* labelAnt9 = nullptr;
    QLabel* labelAnt10 = nullptr;
    QLabel* labelAnt11 = nullptr;
    QPushButton* botaoBusy1 = nullptr;
    QPushButton* botaoBusy2 = nullptr;
    QPushButton* botaoBusy3 = nullptr;
    QPushButton* botaoBusy4 = nullptr;
    QPushButton* botaoBusy5 = nullptr;
    QPushButton* botaoBusy6 = nullptr;
    QPushButton* botaoBusy7 = nullptr;
    QPushButton* botaoBusy8 = nullptr;
    QPushButton* botaoBusy9 = nullptr;
    QPushButton* botaoBusy10 = nullptr;
    QPushButton* botaoBusy11 = nullptr;
    QPushButton* botaoBusy12 = nullptr;
    QPushButton* botaoTecla12 = nullptr;
    QLabel* labelAnt12 = nullptr;
    QLabel* label = nullptr;
    QLabel* label_2 = nullptr;
    QPushButton* botaoPower = nullptr;
    QPushButton* botaoSplit = nullptr;
    QPushButton* botaoSend = nullptr;
    QLabel* labelID = nullptr;
    QPushButton* botaoRelease = nullptr;
    QPushButton* botaoRotor1 = nullptr;
    QPushButton* botaoRotor2 = nullptr;
    QPushButton* botaoRotor3 = nullptr;
    QPushButton* botaoRotor4 = nullptr;
    QPushButton* botaoRotor5 = nullptr;
    QPushButton* botaoRotor6 = nullptr;
    QPushButton* botaoRotor7 = nullptr;
    QPushButton* botaoRotor8 = nullptr;
    QFrame* frame_RTX = nullptr;
    QPushButton* botaoTeclaRTX = nullptr;
    QPushButton* botaoTeclaRX1 = nullptr;
    QPushButton* botaoTeclaRX2 = nullptr;
    QPushButton* botaoTeclaRX3 = nullptr;
    QPushButton* botaoTeclaRX4 = nullptr;
    QLabel* labelSkyrail = nullptr;
    QFrame* frame_GPIs = nullptr;
    QPushButton* botaoGPO1 = nullptr;
    QPushButton* botaoGPO2 = nullptr;
    QPushButton* botaoGPO3 = nullptr;
    QPushButton* botaoGPO4 = nullptr;
    QPushButton* botaoGPO5 = nullptr;
    QPushButton* botaoGPO6 = nullptr;
    QPushButton* botaoGPO7 = nullptr;
    QPushButton* botaoGPO8 = nullptr;
    QLabel* labelGPO1 = nullptr;
    QLabel* labelGPO2 = nullptr;
    QLabel* labelGPO3 = nullptr;
    QLabel* labelGPO4 = nullptr;
    QLabel* labelGPO5 = nullptr;
    QLabel* labelGPO6 = nullptr;
    QLabel* labelGPO7 = nullptr;
    QLabel* labelGPO8 = nullptr;
    QPushButton* botaoGPI1 = nullptr;
    QLabel* labelGPI1 = nullptr;
    QPushButton* botaoGPI2 = nullptr;
    QPushButton* botaoGPI3 = nullptr;
    QPushButton* botaoGPI4 = nullptr;
    QPushButton* botaoGPI5 = nullptr;
    QPushButton* botaoGPI6 = nullptr;
    QPushButton* botaoGPI7 = nullptr;
    QPushButton* botaoGPI8 = nullptr;
    QLabel* labelGPI2 = nullptr;
    QLabel* labelGPI3 = nullptr;
    QLabel* labelGPI4 = nullptr;
    QLabel* labelGPI5 = nullptr;
    QLabel* labelGPI6 = nullptr;
    QLabel* labelGPI7 = nullptr;
    QLabel* labelGPI8 = nullptr;
    QLabel* label_Quorvan = nullptr;
    QMenuBar* menuBar = nullptr;
    QMenu* menuArquivo = nullptr;
    QMenu* menuTools = nullptr;
    QMenu* menuView = nullptr;
    QToolBar* mainToolBar = nullptr;
    QStatusBar* statusBar = nullptr;

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
