// The main window's widget set: names, classes, parents, stacking order,
// design geometry, texts, menus and actions. Object names are API: the
// window's slots are connected by name.
#include <QAction>
#include <QDialog>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolBar>

#include "app/settingskeys.h"
#include "forms/panelform.h"
#include "testsupport.h"

namespace {

struct Expected
{
    QString name;
    QString className;
    QString parent;
    QRect geometry; // null for objects without design geometry
    QString text;
};

QString num(const char* stem, int n)
{
    return QString::fromLatin1(stem) + QString::number(n);
}

// The widgets of the central area in creation order, per parent.
QVector<Expected> expectedWidgets()
{
    QVector<Expected> all;
    const QString button = QStringLiteral("QPushButton");
    const QString label = QStringLiteral("QLabel");
    all.append({"frame", "QFrame", "centralWidget", QRect(190, 50, 751, 131), {}});
    for (int n = 1; n <= 11; ++n) {
        all.append({num("botaoTecla", n), button, "frame", QRect(20 + 60 * (n - 1), 60, 51, 51), {}});
    }
    for (int n = 1; n <= 11; ++n) {
        all.append({num("labelAnt", n), label, "frame", QRect(10 + 60 * (n - 1), 40, n == 2 ? 71 : 61, 20),
                    QStringLiteral("   Ant %1").arg(n)});
    }
    for (int n = 1; n <= 12; ++n) {
        all.append({num("botaoBusy", n), button, "frame", QRect(20 + 60 * (n - 1), 20, 51, 20), "BUSY"});
    }
    all.append({"botaoTecla12", button, "frame", QRect(680, 60, 51, 51), {}});
    all.append({"labelAnt12", label, "frame", QRect(670, 40, 61, 20), "   Ant 12"});
    all.append({"label", label, "centralWidget", QRect(850, 10, 121, 20),
                "<html><head/><body><p align=\"center\">Zarel</p></body></html>"});
    all.append({"label_2", label, "centralWidget", QRect(850, 30, 121, 20),
                "<html><head/><body><p align=\"center\">Merax Remote Control</p></body></html>"});
    all.append({"botaoPower", button, "centralWidget", QRect(120, 130, 61, 31), "POWER"});
    all.append({"botaoSplit", button, "centralWidget", QRect(120, 50, 61, 31), "SPLIT"});
    all.append({"botaoSend", button, "centralWidget", QRect(120, 90, 61, 31), "SEND"});
    all.append({"labelID", label, "centralWidget", QRect(200, 20, 611, 21), {}});
    all.append({"botaoRelease", button, "centralWidget", QRect(20, 10, 91, 31), "RELEASE"});
    for (int n = 1; n <= 8; ++n) {
        all.append({num("botaoRotor", n), button, "centralWidget",
                    QRect(n <= 4 ? 20 : 70, 50 + 30 * ((n - 1) % 4), 41, 20), num("RT ", n)});
    }
    all.append({"frame_RTX", "QFrame", "centralWidget", QRect(20, 200, 261, 91), {}});
    all.append({"botaoTeclaRTX", button, "frame_RTX", QRect(10, 10, 41, 41), "RTX"});
    for (int k = 1; k <= 4; ++k) {
        all.append({num("botaoTeclaRX", k), button, "frame_RTX", QRect(60 + 50 * (k - 1), 10, 41, 41), num("RX ", k)});
    }
    all.append({"labelSkyrail", label, "frame_RTX", QRect(70, 60, 121, 20), "SKYRAIL WF"});
    all.append({"frame_GPIs", "QFrame", "centralWidget", QRect(290, 190, 501, 121), {}});
    for (int n = 1; n <= 8; ++n) {
        all.append({num("botaoGPO", n), button, "frame_GPIs", QRect(20 + 60 * (n - 1), 60, 51, 51), {}});
    }
    for (int n = 1; n <= 8; ++n) {
        all.append({num("labelGPO", n), label, "frame_GPIs", QRect(20 + 60 * (n - 1), 40, 51, 20), num("GPO ", n)});
    }
    const auto gpiLabel = [](int n) {
        return Expected {num("labelGPI", n), "QLabel", "frame_GPIs", QRect(20 + 60 * (n - 1), 0, n == 8 ? 41 : 51, 20),
                         num("GPI ", n)};
    };
    all.append({"botaoGPI1", button, "frame_GPIs", QRect(20, 20, 51, 20), {}});
    all.append(gpiLabel(1));
    for (int n = 2; n <= 8; ++n) {
        all.append({num("botaoGPI", n), button, "frame_GPIs", QRect(20 + 60 * (n - 1), 20, 51, 20), {}});
    }
    for (int n = 2; n <= 8; ++n) {
        all.append(gpiLabel(n));
    }
    all.append({"label_Quorvan", label, "centralWidget", QRect(800, 270, 141, 61), {}});
    return all;
}

const char* const actionNames[20] = {"actionConfigure",    "actionConnect_to_Merax",
                                     "actionDisconnect",   "actionRotors_Config",
                                     "actionSplit_Config", "actionSuper_Split_Config",
                                     "actionAbout",        "actionAbout_Quorvan",
                                     "actionLabels",       "actionRelease_ALL",
                                     "actionEnable",       "actionOff",
                                     "actionRotors",       "actionSplit",
                                     "actionSuper_Split",  "actionLAN_Settings",
                                     "actionSerial",       "actionLAN",
                                     "actionGPIO",         "actionSkyrail_WF"};
const char* const actionTexts[20] = {"Serial Settings",
                                     "Connect to Merax",
                                     "Disconnect",
                                     "Rotors Config",
                                     "Split Config",
                                     "Super Split Config",
                                     "About Qt",
                                     "About Quorvan",
                                     "Labels",
                                     "Release ALL",
                                     "Enable",
                                     "Off",
                                     "Rotors",
                                     "Split",
                                     "Super Split",
                                     "LAN Settings",
                                     "Serial",
                                     "LAN",
                                     "GPIO",
                                     "Skyrail WF"};
const bool actionCheckable[20] = {false, false, false, false, false, false, false, false, false, true,
                                  true,  false, true,  true,  true,  false, true,  true,  true,  true};

// A text as the menu draws it: the mnemonic marker is not shown.
QString shown(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

QStringList menuItems(const QMenu* menu)
{
    QStringList items;
    for (const QAction* action : menu->actions()) {
        items << (action->isSeparator() ? QStringLiteral("-") : shown(action->text()));
    }
    return items;
}

} // namespace

class TestPanelForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void widgets_data();
    void widgets();
    void stackingOrder_data();
    void stackingOrder();
    void recordPointsAtEveryObject();
    void actions_data();
    void actions();
    void menus();
    void windowProperties();
    void captionsLookAndFonts();
    void everySlotConnectedByName();
    void existingObjectNameKept();
    void drawnWeight_data();
    void drawnWeight();

private:
    MainWindow* window = nullptr;
};

void TestPanelForm::initTestCase()
{
    QFile::remove(testsupport::profileSettingsPath("panelform"));
    testsupport::capturedWarnings().clear();
    window = new MainWindow;
}

void TestPanelForm::cleanupTestCase()
{
    delete window;
    QFile::remove(testsupport::profileSettingsPath("panelform"));
}

void TestPanelForm::widgets_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    for (const Expected& e : expectedWidgets()) {
        QTest::newRow(qPrintable(e.name)) << e.className << e.parent << e.geometry << e.text;
    }
}

void TestPanelForm::widgets()
{
    QFETCH(QString, className);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    auto* widget = window->findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    if (name != QLatin1String("label_Quorvan")) { // its place follows the window size
        QCOMPARE(widget->geometry(), geometry);
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(button->text(), text);
        QVERIFY(!button->isCheckable());
        QVERIFY(!button->isFlat());
        QVERIFY(!button->isDefault());
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), text);
    }
}

void TestPanelForm::stackingOrder_data()
{
    QTest::addColumn<QStringList>("expected");
    QMap<QString, QStringList> byParent;
    for (const Expected& e : expectedWidgets()) {
        byParent[e.parent] << e.name;
    }
    for (auto it = byParent.cbegin(); it != byParent.cend(); ++it) {
        QTest::newRow(qPrintable(it.key())) << it.value();
    }
}

void TestPanelForm::stackingOrder()
{
    QFETCH(QStringList, expected);
    auto* parent = window->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(parent);
    QStringList actual;
    for (QObject* child : parent->children()) {
        if (child->isWidgetType() && !child->objectName().isEmpty()) {
            actual << child->objectName();
        }
    }
    QCOMPARE(actual, expected);
}

void TestPanelForm::recordPointsAtEveryObject()
{
    PanelForm* ui = window->ui.get();
    QCOMPARE(ui->botaoTecla7, window->findChild<QPushButton*>("botaoTecla7"));
    QCOMPARE(ui->labelAnt12, window->findChild<QLabel*>("labelAnt12"));
    QCOMPARE(ui->statusBar, window->statusBar());
    QCOMPARE(ui->menuBar, window->menuBar());
    QCOMPARE(ui->centralWidget, window->centralWidget());
    QCOMPARE(ui->mainToolBar, window->findChild<QToolBar*>("mainToolBar"));
    QVERIFY(ui->mainToolBar->actions().isEmpty());
    QCOMPARE(window->toolBarArea(ui->mainToolBar), Qt::TopToolBarArea);
    // The group arrays hold the named widgets, in panel order.
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(ui->antennaButtons[i]->objectName(), num("botaoTecla", i + 1));
        QCOMPARE(ui->busyButtons[i]->objectName(), num("botaoBusy", i + 1));
    }
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(ui->gpiButtons[i]->objectName(), num("botaoGPI", i + 1));
        QCOMPARE(ui->gpoButtons[i]->objectName(), num("botaoGPO", i + 1));
        QCOMPARE(ui->rotorButtons[i]->objectName(), num("botaoRotor", i + 1));
    }
}

void TestPanelForm::actions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("checkable");
    for (int i = 0; i < 20; ++i) {
        QTest::newRow(actionNames[i]) << QString::fromLatin1(actionTexts[i]) << actionCheckable[i];
    }
}

void TestPanelForm::actions()
{
    QFETCH(QString, text);
    QFETCH(bool, checkable);
    auto* action = window->findChild<QAction*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(action);
    QCOMPARE(action->parent(), window);
    QCOMPARE(shown(action->text()), text);
    QCOMPARE(action->isCheckable(), checkable);
    QVERIFY(action->shortcut().isEmpty());
    QVERIFY(action->icon().isNull());
    QVERIFY(action->toolTip() == action->text().remove(QLatin1Char('&')) || action->toolTip().isEmpty());
}

void TestPanelForm::menus()
{
    const QMenuBar* bar = window->menuBar();
    QStringList titles;
    for (const QAction* action : bar->actions()) {
        titles << shown(action->text());
    }
    QCOMPARE(titles, QStringList({"File", "View", "Help"}));
    QCOMPARE(menuItems(window->ui->menuArquivo),
             QStringList({"Connect to Merax", "Labels", "Disconnect", "LAN Settings", "Band Following...",
                          "Rotators...", "Remote Access...", "Next Antenna on This Band", "-", "Connect at Start"}));
    QCOMPARE(menuItems(window->ui->menuView),
             QStringList({"GPIO", "Skyrail WF", "-", "Rotators", "Journal", "Turn the Antenna..."}));
    QCOMPARE(menuItems(window->ui->menuTools), QStringList({"Keys", "-", "About Qt", "About Quorvan"}));
    QCOMPARE(window->ui->menuArquivo->parent(), bar);
    QCOMPARE(window->ui->menuTools->objectName(), QStringLiteral("menuTools"));

    // Twelve actions are placed nowhere but still exist by name.
    int placedNowhere = 0;
    for (const char* name : actionNames) {
        auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
        if (action->associatedWidgets().isEmpty()) {
            ++placedNowhere;
        }
    }
    QCOMPARE(placedNowhere, 12);
    QVERIFY(window->ui->actionSuper_Split->shortcutContext() == Qt::WindowShortcut);
}

void TestPanelForm::windowProperties()
{
    QCOMPARE(window->objectName(), QStringLiteral("mainWindow"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Zarel Remote Control"));
    QCOMPARE(window->font().weight(), 75);
    QVERIFY(window->styleSheet().contains(QLatin1String("background-color: #323232;")));
    QVERIFY(window->styleSheet().contains(QLatin1String("url(:/images/handle.png)")));
    QCOMPARE(window->windowModality(), Qt::NonModal);
    QVERIFY(!window->autoFillBackground());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window->ui->label_Quorvan->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(window->ui->label_Quorvan->hasScaledContents());
}

void TestPanelForm::captionsLookAndFonts()
{
    const QLabel* caption = window->ui->labelGPO5;
    QCOMPARE(caption->styleSheet(), QStringLiteral("background-color: rgba(0,0,0,0%);"));
    QCOMPARE(caption->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    QCOMPARE(caption->palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 255, 255, 255));
    QCOMPARE(caption->palette().color(QPalette::Disabled, QPalette::ButtonText), QColor(64, 64, 64, 255));
    QCOMPARE(caption->palette().color(QPalette::Inactive, QPalette::Window), QColor(0, 0, 0, 0));
    QVERIFY(window->ui->label->font().bold());
    QVERIFY(window->ui->labelSkyrail->font().bold());
    QVERIFY(!window->ui->label_2->font().bold() || window->ui->label_2->font().weight() == 75);
    QCOMPARE(window->ui->labelID->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    // Buttons set no font property of their own.
    QCOMPARE(window->ui->botaoTecla3->font().family(), QApplication::font().family());
}

void TestPanelForm::everySlotConnectedByName()
{
    for (const QString& warning : qAsConst(testsupport::capturedWarnings())) {
        QVERIFY2(!warning.contains(QLatin1String("connectSlotsByName")), qPrintable(warning));
    }
    // Renaming a widget would silently cut its handler: each named slot must
    // find its object.
    const QMetaObject* meta = window->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QByteArray slot = meta->method(i).name();
        if (!slot.startsWith("on_")) {
            continue;
        }
        const int split = slot.lastIndexOf('_');
        const QString objectName = QString::fromLatin1(slot.mid(3, split - 3));
        QVERIFY2(window->findChild<QObject*>(objectName), slot.constData());
    }
}

void TestPanelForm::existingObjectNameKept()
{
    QMainWindow plain;
    plain.setObjectName(QStringLiteral("keepMe"));
    PanelForm form;
    form.build(&plain);
    QCOMPARE(plain.objectName(), QStringLiteral("keepMe"));
    QMainWindow unnamed;
    PanelForm other;
    other.build(&unnamed);
    QCOMPARE(unnamed.objectName(), QStringLiteral("mainWindow"));
    int named = 0;
    for (const QAction* action : unnamed.findChildren<QAction*>()) {
        named += action->objectName().startsWith(QLatin1String("action")) ? 1 : 0;
    }
    QCOMPARE(named, 29);
}

void TestPanelForm::drawnWeight_data()
{
    // "dialog/name" is a widget of the dialog the menu opens over the window.
    QTest::addColumn<QString>("widget");
    QTest::addColumn<bool>("bold");
    QTest::newRow("antenna key") << "botaoTecla1" << true;
    QTest::newRow("busy lamp") << "botaoBusy12" << true;
    QTest::newRow("antenna caption") << "labelAnt2" << true;
    QTest::newRow("GPI caption") << "labelGPI8" << true;
    QTest::newRow("GPO caption") << "labelGPO1" << true;
    QTest::newRow("command key") << "botaoPower" << true;
    QTest::newRow("station heading") << "labelID" << true;
    QTest::newRow("subtitle stays regular") << "label_2" << false;
    QTest::newRow("menu bar") << "menuBar" << true;
    QTest::newRow("menu") << "menuArquivo" << true;
    QTest::newRow("status bar") << "statusBar" << true;
    QTest::newRow("dialog button stays bold") << "labels/botaoOK" << true;
    QTest::newRow("dialog caption stays regular") << "labels/label_A1" << false;
    QTest::newRow("LAN dialog field caption stays regular") << "formLanCFG/label_2" << false;
}

// The weight text is drawn with, measured on polished, shown widgets: the
// window's bold font does not reach widgets under a style sheet by itself.
void TestPanelForm::drawnWeight()
{
    QFETCH(QString, widget);
    QFETCH(bool, bold);
    const QString settings = testsupport::profileSettingsPath("panelform");
    testsupport::writeSettings(settings, {{settingskey::GpioView, true}});
    MainWindow shown;
    QFile::remove(settings);
    shown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));

    QWidget* parent = &shown;
    const QStringList path = widget.split(QLatin1Char('/'));
    if (path.size() == 2) {
        QAction* opener =
            path.first() == QLatin1String("labels") ? shown.ui->actionLabels : shown.ui->actionLAN_Settings;
        opener->trigger();
        parent = shown.findChild<QDialog*>(path.first());
        QVERIFY(parent != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(parent));
    }
    auto* target = parent->findChild<QWidget*>(path.last());
    QVERIFY2(target != nullptr, qPrintable(widget));
    if (auto* menu = qobject_cast<QMenu*>(target)) {
        menu->popup(shown.mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
    }
    QVERIFY(target->isVisible());
    QCOMPARE(QFontInfo(target->font()).bold(), bold);
}

ZAREL_TEST_MAIN(TestPanelForm, "panelform")
#include "tst_panelform.moc"
