// Painting the panel: the exact style sheet of every indicator for given
// device states, the blink timers, and a randomised comparison with a literal
// reset-then-light painter over long sequences of repaints.
#include <QAction>
#include <QRandomGenerator>

#include "panel/indicatorstyles.h"
#include "panelharness.h"
#include "testsupport.h"

using namespace harness;

Q_DECLARE_METATYPE(DeviceState)

using Looks = QMap<QString, QString>;

class TestRender : public QObject, private PanelFixture
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void colourStyleText_data();
    void colourStyleText();
    void styleSheets_data();
    void styleSheets();
    void clearLeavesEveryIndicatorIdle_data();
    void clearLeavesEveryIndicatorIdle();
    void rotorBlinkSequence();
    void actionsReenabledWhileDisconnected();
    void matchesLiteralPainter();
};

void TestRender::cleanup()
{
    if (panel) {
        panel->w().busyRotBlinkTimer.stop();
    }
    panel.reset();
}

void TestRender::colourStyleText_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("text");
    const QString dark = QStringLiteral("; color:  rgb(0, 0, 0);");
    const QString light = QStringLiteral("; color:  rgb(255, 255, 255);");
    QTest::newRow("red, black text") << QColor(200, 30, 30) << "background-color: rgb(200, 30, 30)" + dark;
    QTest::newRow("navy, white text") << QColor(0, 0, 128) << "background-color: rgb(0, 0, 128)" + light;
    QTest::newRow("grey 128 counts as dark") << QColor(128, 128, 128) << "background-color: rgb(128, 128, 128)" + light;
    QTest::newRow("red 129 is light") << QColor(129, 0, 0) << "background-color: rgb(129, 0, 0)" + dark;
    QTest::newRow("green 129 is light") << QColor(0, 129, 0) << "background-color: rgb(0, 129, 0)" + dark;
    QTest::newRow("blue 129 is light") << QColor(0, 0, 129) << "background-color: rgb(0, 0, 129)" + dark;
    QTest::newRow("white") << QColor(255, 255, 255) << "background-color: rgb(255, 255, 255)" + dark;
    QTest::newRow("black") << QColor(0, 0, 0) << "background-color: rgb(0, 0, 0)" + light;
    QTest::newRow("never configured") << QColor() << "background-color: rgb(0, 0, 0)" + light;
    QTest::newRow("given as HSV") << QColor::fromHsv(0, 255, 255) << "background-color: rgb(255, 0, 0)" + dark;
}

void TestRender::colourStyleText()
{
    QFETCH(QColor, colour);
    QFETCH(QString, text);
    QCOMPARE(::colourStyleText(colour.red(), colour.green(), colour.blue()), text);
    Panel& p = makePanel();
    p.w().setColourStyle(p.button("botaoGPO1"), colour);
    QCOMPARE(p.style("botaoGPO1"), text);
}

namespace {

// A state with nothing lit: no antenna, nothing busy.
DeviceState dark()
{
    DeviceState s;
    s.selectedAntenna = 15;
    s.splitRxAntenna = 15;
    return s;
}

// Colours used by every row: entry k is GPI k+1 (k < 8) or GPO k-7.
QColor paletteEntry(int k)
{
    switch (k) {
    case 0:
        return QColor(0, 129, 0);
    case 7:
        return QColor(20, 20, 20);
    case 10:
        return QColor(200, 30, 30);
    case 11:
        return QColor(0, 0, 128);
    case 12:
        return QColor(128, 128, 128);
    case 13:
        return QColor(129, 0, 0);
    default:
        return QColor(10 * k, 5 * k, 3 * k);
    }
}

} // namespace

void TestRender::styleSheets_data()
{
    QTest::addColumn<DeviceState>("state");
    QTest::addColumn<bool>("pending");
    QTest::addColumn<bool>("rotorTimer");
    QTest::addColumn<Looks>("lit"); // every other indicator idle

    const auto row = [](const char* name, DeviceState s, Looks lit, bool pending = false, bool rotorTimer = false) {
        QTest::newRow(name) << s << pending << rotorTimer << lit;
    };
    const auto with = [](auto change) {
        DeviceState s = dark();
        change(s);
        return s;
    };

    row("nothing lit", dark(), {});
    row("Ant 4, no split", with([](DeviceState& s) { s.selectedAntenna = 3; }), {{"botaoTecla4", selected}});
    row("Ant 1 is position 0", with([](DeviceState& s) { s.selectedAntenna = 0; }), {{"botaoTecla1", selected}});
    row("position 15 lights nothing", with([](DeviceState& s) { s.selectedAntenna = 15; }), {});
    row("position 12 lights nothing", with([](DeviceState& s) { s.selectedAntenna = 12; }), {});
    row("position 255 lights nothing", with([](DeviceState& s) { s.selectedAntenna = 255; }), {});
    row("split pair receiving", with([](DeviceState& s) {
            s.splitActive = 1;
            s.selectedAntenna = 0;
            s.splitRxAntenna = 5;
        }),
        {{"botaoTecla1", ring}, {"botaoTecla6", selected}, {"botaoSplit", alarm}});
    row("split pair sending", with([](DeviceState& s) {
            s.splitActive = 1;
            s.sendActive = 1;
            s.selectedAntenna = 0;
            s.splitRxAntenna = 5;
        }),
        {{"botaoTecla1", selected}, {"botaoTecla6", ring}, {"botaoSplit", alarm}, {"botaoSend", alarm}});
    row("split receive 15: ring only", with([](DeviceState& s) {
            s.splitActive = 1;
            s.selectedAntenna = 2;
            s.splitRxAntenna = 15;
        }),
        {{"botaoTecla3", ring}, {"botaoSplit", alarm}});
    row("split receive 15 sending: white only", with([](DeviceState& s) {
            s.splitActive = 1;
            s.sendActive = 1;
            s.selectedAntenna = 2;
            s.splitRxAntenna = 15;
        }),
        {{"botaoTecla3", selected}, {"botaoSplit", alarm}, {"botaoSend", alarm}});
    row("split on one antenna: white wins", with([](DeviceState& s) {
            s.splitActive = 1;
            s.selectedAntenna = 11;
            s.splitRxAntenna = 11;
        }),
        {{"botaoTecla12", selected}, {"botaoSplit", alarm}});
    row("split value 2 is not split", with([](DeviceState& s) {
            s.splitActive = 2;
            s.selectedAntenna = 1;
            s.splitRxAntenna = 4;
        }),
        {{"botaoTecla2", selected}});
    row("sending without split", with([](DeviceState& s) {
            s.sendActive = 1;
            s.selectedAntenna = 6;
        }),
        {{"botaoTecla7", selected}, {"botaoSend", alarm}});
    row("send value 2 is not sending", with([](DeviceState& s) { s.sendActive = 2; }), {});
    row("GPO 3 light colour", with([](DeviceState& s) { s.gpoStates = 0x04; }),
        {{"botaoGPO3", "background-color: rgb(200, 30, 30); color:  rgb(0, 0, 0);"}});
    row("GPO 4 dark colour", with([](DeviceState& s) { s.gpoStates = 0x08; }),
        {{"botaoGPO4", "background-color: rgb(0, 0, 128); color:  rgb(255, 255, 255);"}});
    row("GPO 5 and 6 at the 128 boundary", with([](DeviceState& s) { s.gpoStates = 0x30; }),
        {{"botaoGPO5", "background-color: rgb(128, 128, 128); color:  rgb(255, 255, 255);"},
         {"botaoGPO6", "background-color: rgb(129, 0, 0); color:  rgb(0, 0, 0);"}});
    row("GPI 1 and 8", with([](DeviceState& s) { s.gpiStates = 0x81; }),
        {{"botaoGPI1", "background-color: rgb(0, 129, 0); color:  rgb(0, 0, 0);"},
         {"botaoGPI8", "background-color: rgb(20, 20, 20); color:  rgb(255, 255, 255);"}});
    row("RTX", with([](DeviceState& s) { s.rtxActive = 1; }), {{"botaoTeclaRTX", active}});
    row("RX, selectedRx 0 falls back to RX 1", with([](DeviceState& s) { s.rxActive = 1; }),
        {{"botaoTeclaRX1", active}});
    row("RX, selectedRx 1", with([](DeviceState& s) {
            s.rxActive = 1;
            s.selectedRx = 1;
        }),
        {{"botaoTeclaRX1", active}});
    row("RX, selectedRx 3", with([](DeviceState& s) {
            s.rxActive = 1;
            s.selectedRx = 3;
        }),
        {{"botaoTeclaRX3", active}});
    row("RX, selectedRx 4", with([](DeviceState& s) {
            s.rxActive = 1;
            s.selectedRx = 4;
        }),
        {{"botaoTeclaRX4", active}});
    row("RX, selectedRx 5 falls back to RX 1", with([](DeviceState& s) {
            s.rxActive = 1;
            s.selectedRx = 5;
        }),
        {{"botaoTeclaRX1", active}});
    row("no RX while rxActive is 0", with([](DeviceState& s) { s.selectedRx = 3; }), {});
    row("busy 1 and 8", with([](DeviceState& s) { s.busyMask1to8 = 0x81; }),
        {{"botaoBusy1", alarm}, {"botaoBusy8", alarm}});
    row("busy 9 to 12", with([](DeviceState& s) { s.busyMask9to12 = 0x0F; }),
        {{"botaoBusy9", alarm}, {"botaoBusy10", alarm}, {"botaoBusy11", alarm}, {"botaoBusy12", alarm}});
    row("busy 0xF0 lights nothing", with([](DeviceState& s) { s.busyMask9to12 = 0xF0; }), {});
    row("rotors 1 and 3", with([](DeviceState& s) { s.rotorStates = 0x05; }),
        {{"botaoRotor1", alarm}, {"botaoRotor3", alarm}});
    row("rotors left dark while blinking", with([](DeviceState& s) { s.rotorStates = 0x05; }), {}, false, true);
    row("set-up pending leaves SPLIT alone", with([](DeviceState& s) { s.selectedAntenna = 2; }),
        {{"botaoTecla3", selected}, {"botaoSplit", untouched}}, true);
    row("set-up pending, split reported on", with([](DeviceState& s) {
            s.splitActive = 1;
            s.selectedAntenna = 2;
            s.splitRxAntenna = 3;
        }),
        {{"botaoTecla3", ring}, {"botaoTecla4", selected}, {"botaoSplit", alarm}}, true);
}

void TestRender::styleSheets()
{
    QFETCH(DeviceState, state);
    QFETCH(bool, pending);
    QFETCH(bool, rotorTimer);
    QFETCH(Looks, lit);
    Panel& p = makePanel();
    for (int k = 0; k < 16; ++k) {
        p.w().gpioColors[k] = paletteEntry(k);
    }
    // Something lit everywhere first: the repaint must put out what it does not light.
    DeviceState all;
    all.selectedAntenna = 1;
    all.sendActive = all.rtxActive = all.rxActive = all.splitActive = 1;
    all.gpiStates = all.gpoStates = all.busyMask1to8 = all.busyMask9to12 = all.rotorStates = 0xFF;
    p.w().deviceState = all;
    p.updateUI();
    p.mark({QStringLiteral("botaoSplit")});

    p.w().deviceState = state;
    splitConfigPending = pending;
    if (rotorTimer) {
        p.w().busyRotBlinkTimer.start(600);
    }
    p.updateUI();

    for (const QString& name : indicatorNames()) {
        QCOMPARE(p.style(name), lit.value(name, idle));
    }
    QCOMPARE(p.w().busyRotBlinkTimer.isActive(), rotorTimer); // painting never starts or stops it
}

void TestRender::clearLeavesEveryIndicatorIdle_data()
{
    QTest::addColumn<bool>("pending");
    QTest::newRow("split set-up not pending") << false;
    QTest::newRow("split set-up pending") << true;
}

void TestRender::clearLeavesEveryIndicatorIdle()
{
    QFETCH(bool, pending);
    Panel& p = makePanel();
    DeviceState& s = p.w().deviceState;
    s.selectedAntenna = 4;
    s.splitActive = s.sendActive = s.rtxActive = s.rxActive = 1;
    s.gpiStates = s.gpoStates = s.busyMask1to8 = s.busyMask9to12 = s.rotorStates = 0xFF;
    p.updateUI();
    QCOMPARE(p.style("botaoSplit"), alarm);
    splitConfigPending = pending;
    p.ui().actionConnect_to_Merax->setEnabled(false);
    p.ui().botaoPower->setStyleSheet(untouched);

    p.clearUI();

    for (const QString& name : indicatorNames()) {
        QCOMPARE(p.style(name), name == QLatin1String("botaoSplit") && pending ? alarm : idle);
    }
    // Only indicators: POWER and the actions belong to others.
    QCOMPARE(p.style("botaoPower"), untouched);
    QVERIFY(!p.ui().actionConnect_to_Merax->isEnabled());
}

void TestRender::rotorBlinkSequence()
{
    Panel& p = makePanel();
    p.w().deviceState.rotorStates = 0x05;
    p.w().busyRotBlinkTimer.start(600);
    p.updateUI();
    const auto rotorLooks = [&p] {
        QStringList looks;
        for (int n = 1; n <= 8; ++n) {
            looks << (p.style(QStringLiteral("botaoRotor%1").arg(n)) == alarm ? "red" : "dark");
        }
        return looks.join(' ');
    };
    QCOMPARE(rotorLooks(), QStringLiteral("dark dark dark dark dark dark dark dark"));
    p.invoke("blinkBusyRot"); // the phase starts true
    QCOMPARE(rotorLooks(), QStringLiteral("red dark red dark dark dark dark dark"));
    p.invoke("blinkBusyRot");
    QCOMPARE(rotorLooks(), QStringLiteral("dark dark dark dark dark dark dark dark"));
    p.invoke("blinkBusyRot");
    QCOMPARE(rotorLooks(), QStringLiteral("red dark red dark dark dark dark dark"));

    // A repaint turns them dark early; the phase goes on from where it was.
    p.updateUI();
    QCOMPARE(rotorLooks(), QStringLiteral("dark dark dark dark dark dark dark dark"));
    p.w().deviceState.rotorStates = 0x80;
    p.invoke("blinkBusyRot"); // phase false: all dark
    QCOMPARE(rotorLooks(), QStringLiteral("dark dark dark dark dark dark dark dark"));
    // Only the set rotors are painted red; the others keep what they have.
    p.mark({QStringLiteral("botaoRotor2")});
    p.invoke("blinkBusyRot");
    QCOMPARE(rotorLooks(), QStringLiteral("dark dark dark dark dark dark dark red"));
    QCOMPARE(p.style("botaoRotor2"), untouched);

    // A lost link clears the panel but the rotors go on blinking.
    p.clearUI();
    p.invoke("blinkBusyRot");
    p.invoke("blinkBusyRot");
    QCOMPARE(rotorLooks(), QStringLiteral("dark dark dark dark dark dark dark red"));
}

void TestRender::actionsReenabledWhileDisconnected()
{
    Panel& p = makePanel();
    QAction* connect = p.ui().actionConnect_to_Merax;
    QAction* lan = p.ui().actionLAN_Settings;

    connected = true;
    connect->setEnabled(false);
    lan->setEnabled(false);
    p.updateUI();
    QVERIFY(!connect->isEnabled());
    QVERIFY(!lan->isEnabled());

    connected = false;
    p.clearUI();
    QVERIFY(!connect->isEnabled());
    p.updateUI();
    QVERIFY(connect->isEnabled());
    QVERIFY(lan->isEnabled());
}

namespace {

// The literal painter: reset every indicator, then light what the state says.
class LiteralPainter
{
public:
    QHash<QString, QString> looks; // by object name; empty until painted
    bool splitPhase = false;
    bool rotorPhase = true;

    void clear(bool pending)
    {
        for (const QString& name : indicatorNames()) {
            if (name != QLatin1String("botaoSplit") || !pending) {
                looks[name] = idle;
            }
        }
    }

    void update(const DeviceState& s, const QColor* colours, bool pending, bool rotorTimer)
    {
        clear(pending);
        const auto antenna = [this](int position, const QString& look) {
            if (position >= 0 && position <= 11) {
                looks[QStringLiteral("botaoTecla%1").arg(position + 1)] = look;
            }
        };
        if (s.splitActive == 1) {
            looks["botaoSplit"] = alarm;
            const bool sending = s.sendActive == 1;
            antenna(sending ? s.splitRxAntenna : s.selectedAntenna, ring);
            antenna(sending ? s.selectedAntenna : s.splitRxAntenna, selected);
        } else {
            antenna(s.selectedAntenna, selected);
        }
        if (s.sendActive == 1) {
            looks["botaoSend"] = alarm;
        }
        for (int i = 0; i < 8; ++i) {
            if (s.gpoStates & (1 << i)) {
                looks[QStringLiteral("botaoGPO%1").arg(i + 1)] = colourText(colours[8 + i]);
            }
        }
        for (int i = 0; i < 8; ++i) {
            if (s.gpiStates & (1 << i)) {
                looks[QStringLiteral("botaoGPI%1").arg(i + 1)] = colourText(colours[i]);
            }
        }
        if (s.rtxActive == 1) {
            looks["botaoTeclaRTX"] = active;
        }
        if (s.rxActive == 1) {
            const int rx = s.selectedRx == 2 || s.selectedRx == 3 || s.selectedRx == 4 ? s.selectedRx : 1;
            looks[QStringLiteral("botaoTeclaRX%1").arg(rx)] = active;
        }
        if (!rotorTimer) {
            for (int i = 0; i < 8; ++i) {
                if (s.rotorStates & (1 << i)) {
                    looks[QStringLiteral("botaoRotor%1").arg(i + 1)] = alarm;
                }
            }
        }
        for (int i = 0; i < 8; ++i) {
            if (s.busyMask1to8 & (1 << i)) {
                looks[QStringLiteral("botaoBusy%1").arg(i + 1)] = alarm;
            }
        }
        for (int i = 0; i < 4; ++i) {
            if (s.busyMask9to12 & (1 << i)) {
                looks[QStringLiteral("botaoBusy%1").arg(i + 9)] = alarm;
            }
        }
    }

    void blinkSplit(bool pending)
    {
        if (!pending) {
            return;
        }
        looks["botaoSplit"] = splitPhase ? idle : ring;
        splitPhase = !splitPhase;
    }

    void blinkRotors(quint8 rotorStates)
    {
        for (int i = 0; i < 8; ++i) {
            const QString name = QStringLiteral("botaoRotor%1").arg(i + 1);
            if (!rotorPhase) {
                looks[name] = idle;
            } else if (rotorStates & (1 << i)) {
                looks[name] = alarm;
            }
        }
        rotorPhase = !rotorPhase;
    }

    static QString colourText(const QColor& c) { return colour(c.red(), c.green(), c.blue()); }
};

quint8 randomByte(QRandomGenerator& random)
{
    return static_cast<quint8>(random.bounded(256));
}

// Mostly meaningful values, now and then anything.
quint8 randomFlag(QRandomGenerator& random)
{
    const int pick = random.bounded(10);
    return static_cast<quint8>(pick < 4 ? 0 : pick < 9 ? 1 : random.bounded(256));
}

quint8 randomPosition(QRandomGenerator& random)
{
    const int pick = random.bounded(20);
    return static_cast<quint8>(pick < 12 ? pick : pick < 18 ? 15 : random.bounded(256));
}

} // namespace

void TestRender::matchesLiteralPainter()
{
    Panel& p = makePanel();
    MainWindow& w = p.w();
    QRandomGenerator random(20191201);
    LiteralPainter reference;
    const QStringList names = indicatorNames();
    for (int k = 0; k < 16; ++k) {
        w.gpioColors[k] = QColor(randomByte(random), randomByte(random), randomByte(random));
    }

    const int steps = 4000;
    for (int step = 0; step < steps; ++step) {
        const int op = random.bounded(100);
        const QString& name = names.at(random.bounded(names.size()));
        QString what;
        if (op < 40) {
            DeviceState& s = w.deviceState;
            s.selectedAntenna = randomPosition(random);
            s.splitRxAntenna = randomPosition(random);
            s.splitActive = randomFlag(random);
            s.sendActive = randomFlag(random);
            s.rtxActive = randomFlag(random);
            s.rxActive = randomFlag(random);
            s.selectedRx = static_cast<quint8>(random.bounded(7));
            s.gpiStates = randomByte(random);
            s.gpoStates = randomByte(random);
            s.busyMask1to8 = randomByte(random);
            s.busyMask9to12 = randomByte(random);
            s.rotorStates = randomByte(random);
            p.updateUI();
            reference.update(s, w.gpioColors, splitConfigPending, w.busyRotBlinkTimer.isActive());
            what = QStringLiteral("updateUI");
        } else if (op < 52) {
            p.clearUI();
            reference.clear(splitConfigPending);
            what = QStringLiteral("clearUI");
        } else if (op < 60) {
            splitConfigPending = !splitConfigPending;
            what = QStringLiteral("set-up toggled");
        } else if (op < 66) {
            if (w.busyRotBlinkTimer.isActive()) {
                w.busyRotBlinkTimer.stop();
            } else {
                w.busyRotBlinkTimer.start(600); // never fires: no events are processed
            }
            what = QStringLiteral("rotor timer toggled");
        } else if (op < 73) {
            p.invoke("blinkSplit");
            reference.blinkSplit(splitConfigPending);
            what = QStringLiteral("blinkSplit");
        } else if (op < 80) {
            p.invoke("blinkBusyRot");
            reference.blinkRotors(w.deviceState.rotorStates);
            what = QStringLiteral("blinkBusyRot");
        } else if (op < 85) {
            w.setRingStyle(p.button(name));
            reference.looks[name] = ring;
            what = QStringLiteral("ring on ") + name;
        } else if (op < 90) {
            const QColor c(randomByte(random), randomByte(random), randomByte(random));
            w.setColourStyle(p.button(name), c);
            reference.looks[name] = LiteralPainter::colourText(c);
            what = QStringLiteral("colour on ") + name;
        } else if (op < 95) {
            // Someone else sets a style sheet behind the renderer's back.
            const QString foreign = random.bounded(2) ? QString() : QStringLiteral("color: red;");
            p.button(name)->setStyleSheet(foreign);
            reference.looks[name] = foreign;
            what = QStringLiteral("foreign style on ") + name;
        } else {
            const int k = random.bounded(16);
            w.gpioColors[k] =
                random.bounded(8) == 0 ? QColor() : QColor(randomByte(random), randomByte(random), randomByte(random));
            what = QStringLiteral("colour entry changed");
        }
        for (const QString& indicator : names) {
            if (p.style(indicator) != reference.looks.value(indicator)) {
                QFAIL(qPrintable(QStringLiteral("step %1 (%2): %3 is \"%4\", expected \"%5\"")
                                     .arg(step)
                                     .arg(what, indicator, p.style(indicator), reference.looks.value(indicator))));
            }
        }
    }
}

ZAREL_TEST_MAIN(TestRender, "panel_render")
#include "tst_render.moc"
