// GPIO button colours: a right press picks a colour through the colour
// dialog seam and stores that button's; the application-wide filter never
// consumes an event.
#include <QMouseEvent>
#include <QSettings>

#include "app/settingskeys.h"
#include "panelharness.h"
#include "seams.h"
#include "testsupport.h"

using namespace harness;

class TestColours : public QObject, private PanelFixture
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void keyOrder();
    void rightPressPicksColour_data();
    void rightPressPicksColour();
    void cancelWritesNothing();
    void filterNeverConsumes();
    void otherEventsDoNothing_data();
    void otherEventsDoNothing();
    void storedOrDefault_data();
    void storedOrDefault();

private:
    QList<QColor> offered; // initial colours the dialog was opened with
    QColor answer;
    const ScopedColourPicker picker {[this](const QColor& initial) {
        offered.append(initial);
        return answer;
    }};
};

void TestColours::cleanup()
{
    offered.clear();
    panel.reset();
}

void TestColours::keyOrder()
{
    QStringList keys;
    for (int entry = 0; entry < 16; ++entry) {
        for (int component = 0; component < 3; ++component) {
            keys << settingskey::gpioColour(entry, component);
        }
    }
    QCOMPARE(keys.size(), 48);
    QCOMPARE(keys.mid(0, 4), (QStringList {"GPI1R", "GPI1G", "GPI1B", "GPI2R"}));
    QCOMPARE(keys.mid(21, 6), (QStringList {"GPI8R", "GPI8G", "GPI8B", "GPO1R", "GPO1G", "GPO1B"}));
    QCOMPARE(keys.last(), QStringLiteral("GPO8B"));
    QCOMPARE(keys.at(31), QStringLiteral("GPO3G"));
}

void TestColours::rightPressPicksColour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QColor>("chosen");
    QTest::newRow("GPO 3") << "botaoGPO3" << 10 << "GPO3" << QColor(10, 200, 10);
    QTest::newRow("GPI 8") << "botaoGPI8" << 7 << "GPI8" << QColor(1, 2, 3);
    QTest::newRow("GPI 1") << "botaoGPI1" << 0 << "GPI1" << QColor(255, 255, 255);
    QTest::newRow("GPO 8") << "botaoGPO8" << 15 << "GPO8" << QColor(0, 0, 0);
}

void TestColours::rightPressPicksColour()
{
    QFETCH(QString, name);
    QFETCH(int, entry);
    QFETCH(QString, stem);
    QFETCH(QColor, chosen);
    Panel& p = makePanel();
    for (int k = 0; k < 16; ++k) {
        p.w().gpioColors[k] = QColor(k, 100 + k, 200 + k);
    }
    answer = chosen;
    connected = true;

    QTest::mousePress(p.button(name), Qt::RightButton);
    QTest::mouseRelease(p.button(name), Qt::RightButton);

    QCOMPARE(offered, QList<QColor> {QColor(Qt::white)});
    QCOMPARE(p.w().gpioColors[entry], chosen);
    QVERIFY(p.sent.isEmpty()); // a right press toggles nothing
    // The other buttons' colours in memory are not written: another copy
    // may have picked them since.
    QSettings file(p.settingsFile, QSettings::IniFormat);
    QCOMPARE(file.allKeys().size(), 3);
    QCOMPARE(file.value(stem + "R").toInt(), chosen.red());
    QCOMPARE(file.value(stem + "G").toInt(), chosen.green());
    QCOMPARE(file.value(stem + "B").toInt(), chosen.blue());
}

void TestColours::cancelWritesNothing()
{
    Panel& p = makePanel();
    p.w().gpioColors[10] = QColor(1, 1, 1);
    answer = QColor();
    QTest::mousePress(p.button(QStringLiteral("botaoGPO3")), Qt::RightButton);
    QCOMPARE(offered.size(), 1);
    QCOMPARE(p.w().gpioColors[10], QColor(1, 1, 1));
    QVERIFY(!QFile::exists(p.settingsFile));
}

void TestColours::filterNeverConsumes()
{
    Panel& p = makePanel();
    answer = QColor(9, 9, 9);
    connected = true;
    p.w().deviceState.gpoStates = 0x00;

    // A left press still reaches the button and toggles the output.
    QTest::mousePress(p.button(QStringLiteral("botaoGPO4")), Qt::LeftButton);
    QTest::mouseRelease(p.button(QStringLiteral("botaoGPO4")), Qt::LeftButton);
    QCOMPARE(p.sent, QList<QByteArray> {bytes("fe040301fd")});
    QVERIFY(offered.isEmpty());

    // Even the press that opens the dialog is passed on.
    QMouseEvent right(QEvent::MouseButtonPress, QPointF(5, 5), Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    bool consumed = true;
    QVERIFY(QMetaObject::invokeMethod(&p.w(), "eventFilter", Q_RETURN_ARG(bool, consumed),
                                      Q_ARG(QObject*, p.button(QStringLiteral("botaoGPO4"))), Q_ARG(QEvent*, &right)));
    QVERIFY(!consumed);
    QCOMPARE(offered.size(), 1);
    QCOMPARE(p.w().gpioColors[11], QColor(9, 9, 9));
}

void TestColours::otherEventsDoNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("button");
    QTest::newRow("right press on an antenna")
        << "botaoTecla1" << int(QEvent::MouseButtonPress) << int(Qt::RightButton);
    QTest::newRow("right press on a rotor") << "botaoRotor1" << int(QEvent::MouseButtonPress) << int(Qt::RightButton);
    QTest::newRow("right press on POWER") << "botaoPower" << int(QEvent::MouseButtonPress) << int(Qt::RightButton);
    QTest::newRow("right release on a GPO") << "botaoGPO3" << int(QEvent::MouseButtonRelease) << int(Qt::RightButton);
    QTest::newRow("right double-click on a GPI")
        << "botaoGPI2" << int(QEvent::MouseButtonDblClick) << int(Qt::RightButton);
    QTest::newRow("middle press on a GPO") << "botaoGPO1" << int(QEvent::MouseButtonPress) << int(Qt::MiddleButton);
    QTest::newRow("left press on a GPI") << "botaoGPI5" << int(QEvent::MouseButtonPress) << int(Qt::LeftButton);
    QTest::newRow("key press on a GPO") << "botaoGPO2" << int(QEvent::KeyPress) << 0;
}

void TestColours::otherEventsDoNothing()
{
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(int, button);
    Panel& p = makePanel();
    answer = QColor(9, 9, 9);
    QWidget* target = p.button(name);
    if (type == QEvent::KeyPress) {
        QTest::keyClick(target, Qt::Key_A);
    } else {
        const auto b = static_cast<Qt::MouseButton>(button);
        QMouseEvent event(static_cast<QEvent::Type>(type), QPointF(5, 5), b, b, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    QVERIFY(offered.isEmpty());
    QVERIFY(!QFile::exists(p.settingsFile));
}

// Stored colours, black and partial entries included, are read as
// tst_settings checks; here the colours of entries never stored.
void TestColours::storedOrDefault_data()
{
    QTest::addColumn<int>("entry");
    QTest::newRow("GPI never stored") << 0;
    QTest::newRow("GPO never stored") << 15;
}

void TestColours::storedOrDefault()
{
    QFETCH(int, entry);
    Panel& p = makePanel();
    const QColor read = p.w().gpioColors[entry];
    QVERIFY(read.isValid());
    // Lit, it stands out from the lightest stop of the unlit gradient
    // (#565656) by at least the 3:1 asked of controls, and is lighter.
    const double lit = luminance(read.red(), read.green(), read.blue());
    const double unlit = luminance(0x56, 0x56, 0x56);
    QVERIFY2(lit > unlit && contrast(lit, unlit) >= 3.0, qPrintable(read.name()));

    // The lit button shows it.
    const bool input = entry < 8;
    const int bit = 1 << (entry % 8);
    (input ? p.w().deviceState.gpiStates : p.w().deviceState.gpoStates) = static_cast<quint8>(bit);
    p.updateUI();
    const QString name = QStringLiteral("botao%1%2").arg(input ? "GPI" : "GPO").arg(entry % 8 + 1);
    QCOMPARE(p.style(name), harness::colour(read.red(), read.green(), read.blue()));
}

ZAREL_TEST_MAIN(TestColours, "panel_colours")
#include "tst_colours.moc"
