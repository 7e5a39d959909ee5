#include "forms/panelform.h"
#include "forms/formhelpers.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include "forms/theme.h"

// Registers the compiled-in images once; the static library would otherwise
// drop them at link time.
static void initResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(done)
}

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("mainWindow", text);
}

QAction* makeAction(QMainWindow* window, const char* name, bool checkable)
{
    auto* action = new QAction(window);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

// Every panel button inherits the window's bold font and has no style of its
// own until the renderer gives it one.
QPushButton* makeButton(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFont(QFont());
    button->setStyleSheet(QString());
    return button;
}

QPalette captionPalette()
{
    const QBrush white(QColor(255, 255, 255, 255), Qt::SolidPattern);
    const QBrush transparent(QColor(0, 0, 0, 0), Qt::SolidPattern);
    const QBrush grey(QColor(64, 64, 64, 255), Qt::SolidPattern);
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QBrush& text = group == QPalette::Disabled ? grey : white;
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setBrush(group, role, text);
        }
        for (QPalette::ColorRole role : {QPalette::Button, QPalette::Base, QPalette::Window}) {
            palette.setBrush(group, role, transparent);
        }
    }
    return palette;
}

// The 28 small captions above the antenna and GPIO buttons.
QLabel* makeCaption(QWidget* parent, const QString& name, const QRect& geometry)
{
    static const QPalette palette = captionPalette();
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setPalette(palette);
    label->setStyleSheet(QStringLiteral("background-color: rgba(0,0,0,0%);"));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return label;
}

} // namespace

void PanelForm::build(QMainWindow* mainWindow)
{
    initResources();
    if (mainWindow->objectName().isEmpty()) {
        mainWindow->setObjectName(QStringLiteral("mainWindow"));
    }
    mainWindow->setWindowModality(Qt::NonModal);
    mainWindow->setEnabled(true);
    mainWindow->resize(1057, 436);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHorizontalStretch(0);
    policy.setVerticalStretch(0);
    policy.setHeightForWidth(mainWindow->sizePolicy().hasHeightForWidth());
    mainWindow->setSizePolicy(policy);
    mainWindow->setMinimumSize(QSize(0, 0));
    QFont windowFont;
    windowFont.setWeight(75);
    mainWindow->setFont(windowFont);
    mainWindow->setWindowOpacity(1.0);
    mainWindow->setLayoutDirection(Qt::LeftToRight);
    mainWindow->setAutoFillBackground(false);
    mainWindow->setStyleSheet(panelStyleSheet());

    actionConfigure = makeAction(mainWindow, "actionConfigure", false);
    actionConnect_to_Merax = makeAction(mainWindow, "actionConnect_to_Merax", false);
    actionDisconnect = makeAction(mainWindow, "actionDisconnect", false);
    actionRotors_Config = makeAction(mainWindow, "actionRotors_Config", false);
    actionSplit_Config = makeAction(mainWindow, "actionSplit_Config", false);
    actionSuper_Split_Config = makeAction(mainWindow, "actionSuper_Split_Config", false);
    actionAbout = makeAction(mainWindow, "actionAbout", false);
    actionAbout_Quorvan = makeAction(mainWindow, "actionAbout_Quorvan", false);
    actionLabels = makeAction(mainWindow, "actionLabels", false);
    actionRelease_ALL = makeAction(mainWindow, "actionRelease_ALL", true);
    actionEnable = makeAction(mainWindow, "actionEnable", true);
    actionOff = makeAction(mainWindow, "actionOff", false);
    actionRotors = makeAction(mainWindow, "actionRotors", true);
    actionSplit = makeAction(mainWindow, "actionSplit", true);
    actionSuper_Split = makeAction(mainWindow, "actionSuper_Split", true);
    actionSuper_Split->setShortcutContext(Qt::WindowShortcut);
    actionLAN_Settings = makeAction(mainWindow, "actionLAN_Settings", false);
    actionSerial = makeAction(mainWindow, "actionSerial", true);
    actionLAN = makeAction(mainWindow, "actionLAN", true);
    actionGPIO = makeAction(mainWindow, "actionGPIO", true);
    actionSkyrail_WF = makeAction(mainWindow, "actionSkyrail_WF", true);

    centralWidget = new QWidget(mainWindow);
    centralWidget->setObjectName(QStringLiteral("centralWidget"));

    // Antenna frame: keys 1-11, their captions, the twelve busy lamps, then key
    // and caption 12 (this order is also the stacking order).
    frame = makeFrame(centralWidget, "frame", QRect(190, 50, 751, 131));
    for (int n = 1; n <= 11; ++n) {
        antennaButtons[n - 1] = makeButton(frame, numbered("botaoTecla", n), QRect(20 + 60 * (n - 1), 60, 51, 51));
    }
    for (int n = 1; n <= 11; ++n) {
        const int width = n == 2 ? 71 : 61;
        antennaLabels[n - 1] = makeCaption(frame, numbered("labelAnt", n), QRect(10 + 60 * (n - 1), 40, width, 20));
    }
    for (int n = 1; n <= 12; ++n) {
        busyButtons[n - 1] = makeButton(frame, numbered("botaoBusy", n), QRect(20 + 60 * (n - 1), 20, 51, 20));
    }
    antennaButtons[11] = makeButton(frame, QStringLiteral("botaoTecla12"), QRect(680, 60, 51, 51));
    antennaLabels[11] = makeCaption(frame, QStringLiteral("labelAnt12"), QRect(670, 40, 61, 20));

    label = makeLabel(centralWidget, "label", QRect(850, 10, 121, 20));
    label->setFont(pointFont(12, true));
    label_2 = makeLabel(centralWidget, "label_2", QRect(850, 30, 121, 20));
    label_2->setFont(pointFont(7, false));
    botaoPower = makeButton(centralWidget, QStringLiteral("botaoPower"), QRect(120, 130, 61, 31));
    botaoSplit = makeButton(centralWidget, QStringLiteral("botaoSplit"), QRect(120, 50, 61, 31));
    botaoSend = makeButton(centralWidget, QStringLiteral("botaoSend"), QRect(120, 90, 61, 31));
    labelID = makeLabel(centralWidget, "labelID", QRect(200, 20, 611, 21));
    labelID->setFont(pointFont(12, true));
    labelID->setAutoFillBackground(false);
    labelID->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    botaoRelease = makeButton(centralWidget, QStringLiteral("botaoRelease"), QRect(20, 10, 91, 31));
    for (int n = 1; n <= 8; ++n) {
        const int x = n <= 4 ? 20 : 70;
        const int y = 50 + 30 * ((n - 1) % 4);
        rotorButtons[n - 1] = makeButton(centralWidget, numbered("botaoRotor", n), QRect(x, y, 41, 20));
    }

    frame_RTX = makeFrame(centralWidget, "frame_RTX", QRect(20, 200, 261, 91));
    botaoTeclaRTX = makeButton(frame_RTX, QStringLiteral("botaoTeclaRTX"), QRect(10, 10, 41, 41));
    for (int k = 1; k <= 4; ++k) {
        rxButtons[k - 1] = makeButton(frame_RTX, numbered("botaoTeclaRX", k), QRect(60 + 50 * (k - 1), 10, 41, 41));
    }
    labelSkyrail = makeLabel(frame_RTX, "labelSkyrail", QRect(70, 60, 121, 20));
    labelSkyrail->setFont(pointFont(11, true));

    // GPIO frame: outputs, their captions, then inputs (input 1's caption
    // comes right after its button).
    frame_GPIs = makeFrame(centralWidget, "frame_GPIs", QRect(290, 190, 501, 121));
    for (int n = 1; n <= 8; ++n) {
        gpoButtons[n - 1] = makeButton(frame_GPIs, numbered("botaoGPO", n), QRect(20 + 60 * (n - 1), 60, 51, 51));
    }
    for (int n = 1; n <= 8; ++n) {
        gpoLabels[n - 1] = makeCaption(frame_GPIs, numbered("labelGPO", n), QRect(20 + 60 * (n - 1), 40, 51, 20));
    }
    const auto gpiLabelRect = [](int n) { return QRect(20 + 60 * (n - 1), 0, n == 8 ? 41 : 51, 20); };
    gpiButtons[0] = makeButton(frame_GPIs, QStringLiteral("botaoGPI1"), QRect(20, 20, 51, 20));
    gpiLabels[0] = makeCaption(frame_GPIs, QStringLiteral("labelGPI1"), gpiLabelRect(1));
    for (int n = 2; n <= 8; ++n) {
        gpiButtons[n - 1] = makeButton(frame_GPIs, numbered("botaoGPI", n), QRect(20 + 60 * (n - 1), 20, 51, 20));
    }
    for (int n = 2; n <= 8; ++n) {
        gpiLabels[n - 1] = makeCaption(frame_GPIs, numbered("labelGPI", n), gpiLabelRect(n));
    }

    label_Quorvan = makeLabel(centralWidget, "label_Quorvan", QRect(800, 270, 141, 61));
    label_Quorvan->setPixmap(QPixmap(QStringLiteral(":/images/Logomarca Branco.png")));
    label_Quorvan->setScaledContents(true);

    botaoTecla1 = antennaButtons[0];
    botaoTecla2 = antennaButtons[1];
    botaoTecla3 = antennaButtons[2];
    botaoTecla4 = antennaButtons[3];
    botaoTecla5 = antennaButtons[4];
    botaoTecla6 = antennaButtons[5];
    botaoTecla7 = antennaButtons[6];
    botaoTecla8 = antennaButtons[7];
    botaoTecla9 = antennaButtons[8];
    botaoTecla10 = antennaButtons[9];
    botaoTecla11 = antennaButtons[10];
    botaoTecla12 = antennaButtons[11];
    labelAnt1 = antennaLabels[0];
    labelAnt2 = antennaLabels[1];
    labelAnt3 = antennaLabels[2];
    labelAnt4 = antennaLabels[3];
    labelAnt5 = antennaLabels[4];
    labelAnt6 = antennaLabels[5];
    labelAnt7 = antennaLabels[6];
    labelAnt8 = antennaLabels[7];
    labelAnt9 = antennaLabels[8];
    labelAnt10 = antennaLabels[9];
    labelAnt11 = antennaLabels[10];
    labelAnt12 = antennaLabels[11];
    botaoBusy1 = busyButtons[0];
    botaoBusy2 = busyButtons[1];
    botaoBusy3 = busyButtons[2];
    botaoBusy4 = busyButtons[3];
    botaoBusy5 = busyButtons[4];
    botaoBusy6 = busyButtons[5];
    botaoBusy7 = busyButtons[6];
    botaoBusy8 = busyButtons[7];
    botaoBusy9 = busyButtons[8];
    botaoBusy10 = busyButtons[9];
    botaoBusy11 = busyButtons[10];
    botaoBusy12 = busyButtons[11];
    botaoRotor1 = rotorButtons[0];
    botaoRotor2 = rotorButtons[1];
    botaoRotor3 = rotorButtons[2];
    botaoRotor4 = rotorButtons[3];
    botaoRotor5 = rotorButtons[4];
    botaoRotor6 = rotorButtons[5];
    botaoRotor7 = rotorButtons[6];
    botaoRotor8 = rotorButtons[7];
    botaoTeclaRX1 = rxButtons[0];
    botaoTeclaRX2 = rxButtons[1];
    botaoTeclaRX3 = rxButtons[2];
    botaoTeclaRX4 = rxButtons[3];
    botaoGPO1 = gpoButtons[0];
    botaoGPO2 = gpoButtons[1];
    botaoGPO3 = gpoButtons[2];
    botaoGPO4 = gpoButtons[3];
    botaoGPO5 = gpoButtons[4];
    botaoGPO6 = gpoButtons[5];
    botaoGPO7 = gpoButtons[6];
    botaoGPO8 = gpoButtons[7];
    labelGPO1 = gpoLabels[0];
    labelGPO2 = gpoLabels[1];
    labelGPO3 = gpoLabels[2];
    labelGPO4 = gpoLabels[3];
    labelGPO5 = gpoLabels[4];
    labelGPO6 = gpoLabels[5];
    labelGPO7 = gpoLabels[6];
    labelGPO8 = gpoLabels[7];
    botaoGPI1 = gpiButtons[0];
    botaoGPI2 = gpiButtons[1];
    botaoGPI3 = gpiButtons[2];
    botaoGPI4 = gpiButtons[3];
    botaoGPI5 = gpiButtons[4];
    botaoGPI6 = gpiButtons[5];
    botaoGPI7 = gpiButtons[6];
    botaoGPI8 = gpiButtons[7];
    labelGPI1 = gpiLabels[0];
    labelGPI2 = gpiLabels[1];
    labelGPI3 = gpiLabels[2];
    labelGPI4 = gpiLabels[3];
    labelGPI5 = gpiLabels[4];
    labelGPI6 = gpiLabels[5];
    labelGPI7 = gpiLabels[6];
    labelGPI8 = gpiLabels[7];

    mainWindow->setCentralWidget(centralWidget);

    menuBar = new QMenuBar(mainWindow);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setGeometry(QRect(0, 0, 1057, 20));
    menuBar->setStyleSheet(QString());
    menuArquivo = new QMenu(menuBar);
    menuArquivo->setObjectName(QStringLiteral("menuArquivo"));
    menuTools = new QMenu(menuBar);
    menuTools->setObjectName(QStringLiteral("menuTools"));
    menuView = new QMenu(menuBar);
    menuView->setObjectName(QStringLiteral("menuView"));
    mainWindow->setMenuBar(menuBar);
    mainToolBar = new QToolBar(mainWindow);
    mainToolBar->setObjectName(QStringLiteral("mainToolBar"));
    mainWindow->addToolBar(Qt::TopToolBarArea, mainToolBar);
    statusBar = new QStatusBar(mainWindow);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    mainWindow->setStatusBar(statusBar);

    menuBar->addAction(menuArquivo->menuAction());
    menuBar->addAction(menuView->menuAction());
    menuBar->addAction(menuTools->menuAction());
    menuArquivo->addAction(actionConnect_to_Merax);
    menuArquivo->addAction(actionDisconnect);
    menuArquivo->addAction(actionLabels);
    menuArquivo->addAction(actionLAN_Settings);
    menuTools->addSeparator();
    menuTools->addAction(actionAbout);
    menuTools->addAction(actionAbout_Quorvan);
    menuView->addAction(actionGPIO);
    menuView->addAction(actionSkyrail_WF);

    applyTexts(mainWindow);
    QMetaObject::connectSlotsByName(mainWindow);
}

void PanelForm::applyTexts(QMainWindow* mainWindow)
{
    mainWindow->setWindowTitle(tr("Zarel Remote Control"));
    actionConfigure->setText(tr("Serial Settings"));
    actionConnect_to_Merax->setText(tr("Connect to Merax"));
    actionDisconnect->setText(tr("Disconnect"));
    actionRotors_Config->setText(tr("Rotors Config"));
    actionSplit_Config->setText(tr("Split Config"));
    actionSuper_Split_Config->setText(tr("Super Split Config"));
    actionAbout->setText(tr("About Qt"));
    actionAbout_Quorvan->setText(tr("About Quorvan"));
    actionLabels->setText(tr("Labels"));
    actionRelease_ALL->setText(tr("Release ALL"));
    actionEnable->setText(tr("Enable"));
    actionOff->setText(tr("Off"));
    actionRotors->setText(tr("Rotors"));
    actionSplit->setText(tr("Split"));
    actionSuper_Split->setText(tr("Super Split"));
    actionLAN_Settings->setText(tr("LAN Settings"));
    actionSerial->setText(tr("Serial"));
    actionLAN->setText(tr("LAN"));
    actionGPIO->setText(tr("GPIO"));
    actionSkyrail_WF->setText(tr("Skyrail WF"));

    // Translation keys are the literal captions, so the numbered ones are
    // spelled out rather than built.
    static const char* const antennaCaptions[12] = {"   Ant 1", "   Ant 2",  "   Ant 3",  "   Ant 4",
                                                    "   Ant 5", "   Ant 6",  "   Ant 7",  "   Ant 8",
                                                    "   Ant 9", "   Ant 10", "   Ant 11", "   Ant 12"};
    static const char* const rotorCaptions[8] = {"RT 1", "RT 2", "RT 3", "RT 4", "RT 5", "RT 6", "RT 7", "RT 8"};
    static const char* const rxCaptions[4] = {"RX 1", "RX 2", "RX 3", "RX 4"};
    static const char* const gpiCaptions[8] = {"GPI 1", "GPI 2", "GPI 3", "GPI 4", "GPI 5", "GPI 6", "GPI 7", "GPI 8"};
    static const char* const gpoCaptions[8] = {"GPO 1", "GPO 2", "GPO 3", "GPO 4", "GPO 5", "GPO 6", "GPO 7", "GPO 8"};
    for (int i = 0; i < 12; ++i) {
        antennaButtons[i]->setText(QString());
        antennaLabels[i]->setText(tr(antennaCaptions[i]));
        busyButtons[i]->setText(tr("BUSY"));
    }
    label->setText(tr("<html><head/><body><p align=\"center\">Zarel</p></body></html>"));
    label_2->setText(tr("<html><head/><body><p align=\"center\">Merax Remote Control</p></body></html>"));
    botaoPower->setText(tr("POWER"));
    botaoSplit->setText(tr("SPLIT"));
    botaoSend->setText(tr("SEND"));
    labelID->setText(QString());
    botaoRelease->setText(tr("RELEASE"));
    for (int i = 0; i < 8; ++i) {
        rotorButtons[i]->setText(tr(rotorCaptions[i]));
    }
    botaoTeclaRTX->setText(tr("RTX"));
    for (int i = 0; i < 4; ++i) {
        rxButtons[i]->setText(tr(rxCaptions[i]));
    }
    labelSkyrail->setText(tr("SKYRAIL WF"));
    for (int i = 0; i < 8; ++i) {
        gpoButtons[i]->setText(QString());
        gpoLabels[i]->setText(tr(gpoCaptions[i]));
        gpiButtons[i]->setText(QString());
        gpiLabels[i]->setText(tr(gpiCaptions[i]));
    }
    label_Quorvan->setText(QString());
    menuArquivo->setTitle(tr("File"));
    menuTools->setTitle(tr("Help"));
    menuView->setTitle(tr("View"));
}
