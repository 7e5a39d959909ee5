// Painting the panel: the exact style sheet of every indicator for given
// device states, the blink timers, and a randomised comparison with a literal
// reset-then-light painter over long sequences of repaints.
#include <QAction>
#include <QRandomGenerator>
#include <QVector>

#include <algorithm>

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
    void textNeverTheWeakerContrast();
    void styleSheets_data();
    void styleSheets();
    void clearLeavesEveryIndicatorIdle_data();
    void clearLeavesEveryIndicatorIdle();
    void rotorBlinkSequence();
    void blinkingRotorLitHalfTheTime_data();
    void blinkingRotorLitHalfTheTime();
    void rotorShowsItsStateOnceBlinkStops_data();
    void rotorShowsItsStateOnceBlinkStops();
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
    QTest::addColumn<bool>("blackText");
    // Rows marked "was" chose the other text colour under the old rule
    // (black as soon as a component exceeded 128) and now read better.
    QTest::newRow("red 200, white text (was black)") << QColor(200, 30, 30) << false;
    QTest::newRow("navy, white text") << QColor(0, 0, 128) << false;
    QTest::newRow("grey 128, black text (was white)") << QColor(128, 128, 128) << true;
    QTest::newRow("dark red 129, white text (was black)") << QColor(129, 0, 0) << false;
    QTest::newRow("green 129, white text (was black)") << QColor(0, 129, 0) << false;
    QTest::newRow("blue 129, white text (was black)") << QColor(0, 0, 129) << false;
    QTest::newRow("pure blue, white text (was black)") << QColor(0, 0, 255) << false;
    QTest::newRow("pure red, black text") << QColor(255, 0, 0) << true;
    QTest::newRow("green 128, white text") << QColor(0, 128, 0) << false;
    QTest::newRow("yellow, black text") << QColor(255, 255, 0) << true;
    QTest::newRow("grey 117, white text") << QColor(117, 117, 117) << false;
    QTest::newRow("grey 118, black text") << QColor(118, 118, 118) << true;
    QTest::newRow("white") << QColor(255, 255, 255) << true;
    QTest::newRow("black") << QColor(0, 0, 0) << false;
    QTest::newRow("never configured: black") << QColor() << false;
    QTest::newRow("given as HSV") << QColor::fromHsv(0, 255, 255) << true;
}

void TestRender::colourStyleText()
{
    QFETCH(QColor, colour);
    QFETCH(bool, blackText);
    const QString text = QStringLiteral("background-color: rgb(%1, %2, %3); color:  rgb(%4);")
                             .arg(colour.red())
                             .arg(colour.green())
                             .arg(colour.blue())
                             .arg(blackText ? "0, 0, 0" : "255, 255, 255");
    QCOMPARE(::colourStyleText(colour.red(), colour.green(), colour.blue()), text);
    const double background = luminance(colour.red(), colour.green(), colour.blue());
    const double chosen = contrast(background, blackText ? 0.0 : 1.0);
    QVERIFY2(chosen >= 4.5, qPrintable(QString::number(chosen)));
    Panel& p = makePanel();
    p.w().setColourStyle(p.button("botaoGPO1"), colour);
    QCOMPARE(p.style("botaoGPO1"), text);
}

void TestRender::textNeverTheWeakerContrast()
{
    for (int r = 0; r <= 255; r += 15) {
        for (int g = 0; g <= 255; g += 15) {
            for (int b = 0; b <= 255; b += 15) {
                const bool blackText = ::colourStyleText(r, g, b).endsWith("; color:  rgb(0, 0, 0);");
                const double background = luminance(r, g, b);
                const double chosen = contrast(background, blackText ? 0.0 : 1.0);
                const double other = contrast(background, blackText ? 1.0 : 0.0);
                if (chosen < other - 1e-9 || chosen < 4.5) {
                    QFAIL(qPrintable(
                        QStringLiteral("rgb(%1, %2, %3): %4 over %5").arg(r).arg(g).arg(b).arg(chosen).arg(other)));
                }
            }
        }
    }
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
    QTest::addColumn<bool>("rotorLitHalf"); // the blink has ticked into its lit half
    QTest::addColumn<Looks>("lit"); // every other indicator idle

    const auto row = [](const char* name, DeviceState s, Looks lit, bool pending = false, bool rotorTimer = false,
                        bool rotorLitHalf = false) {
        QTest::newRow(name) << s << pending << rotorTimer << rotorLitHalf << lit;
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
    row("GPO 3 red, white text", with([](DeviceState& s) { s.gpoStates = 0x04; }),
        {{"botaoGPO3", "background-color: rgb(200, 30, 30); color:  rgb(255, 255, 255);"}});
    row("GPO 4 dark colour", with([](DeviceState& s) { s.gpoStates = 0x08; }),
        {{"botaoGPO4", "background-color: rgb(0, 0, 128); color:  rgb(255, 255, 255);"}});
    row("GPO 5 grey, GPO 6 dark red", with([](DeviceState& s) { s.gpoStates = 0x30; }),
        {{"botaoGPO5", "background-color: rgb(128, 128, 128); color:  rgb(0, 0, 0);"},
         {"botaoGPO6", "background-color: rgb(129, 0, 0); color:  rgb(255, 255, 255);"}});
    row("GPI 1 and 8", with([](DeviceState& s) { s.gpiStates = 0x81; }),
        {{"botaoGPI1", "background-color: rgb(0, 129, 0); color:  rgb(255, 255, 255);"},
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
    row("rotors dark in the blink's dark half", with([](DeviceState& s) { s.rotorStates = 0x05; }), {}, false, true);
    row("rotors lit in the blink's lit half", with([](DeviceState& s) { s.rotorStates = 0x05; }),
        {{"botaoRotor1", alarm}, {"botaoRotor3", alarm}}, false, true, true);
    row("dark blink half ignored while not blinking", with([](DeviceState& s) { s.rotorStates = 0x02; }),
        {{"botaoRotor2", alarm}}, false, false, false);
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
    QFETCH(bool, rotorLitHalf);
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
    if (rotorLitHalf) {
        p.invoke("blinkBusyRot");
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

    // A repaint keeps the lit half lit (it used to put the rotors out early).
    p.updateUI();
    QCOMPARE(rotorLooks(), QStringLiteral("red dark red dark dark dark dark dark"));
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

namespace {

// A status report with no antenna, nothing busy, and the given rotor field.
QString rotorReport(int rotors, bool blink)
{
    return QStringLiteral("F.0.0.F.0.0.FF.0.FF.F.%1.%2.FF").arg(rotors, 0, 16).arg(blink ? 1 : 0);
}

} // namespace

void TestRender::blinkingRotorLitHalfTheTime_data()
{
    QTest::addColumn<int>("reportsPerSecond");
    QTest::newRow("reports at 6 Hz") << 6;
    QTest::newRow("reports at 10 Hz, some with a tick") << 10;
    QTest::newRow("reports at 1 Hz") << 1;
}

// Simulated time: reports asking rotors 1 and 3 to blink, and the 600 ms
// blink ticks, which the first report starts. Each look holds until the next
// event. Two whole blink cycles (2.4 s), so the share does not depend on which
// half the window ends in.
void TestRender::blinkingRotorLitHalfTheTime()
{
    QFETCH(int, reportsPerSecond);
    Panel& p = makePanel();
    MainWindow& w = p.w();
    constexpr int half = 600;
    constexpr int span = 4 * half;
    struct Event
    {
        int at;
        bool tick;
    };
    QVector<Event> events;
    for (int k = 0; k * 1000 < span * reportsPerSecond; ++k) {
        events.append({k * 1000 / reportsPerSecond, false});
    }
    for (int at = half; at < span; at += half) {
        events.append({at, true});
    }
    // A report and a tick at the same moment: the report first.
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.at < b.at; });

    QVector<bool> lit(span, false); // rotor 1, per millisecond
    for (int i = 0; i < events.size(); ++i) {
        if (events[i].tick) {
            QVERIFY(w.busyRotBlinkTimer.isActive());
            p.invoke("blinkBusyRot");
        } else {
            w.processaPDRLan(&w, rotorReport(0x05, true));
        }
        QCOMPARE(p.style("botaoRotor2"), idle); // not on: never lit
        const int until = i + 1 < events.size() ? events[i + 1].at : span;
        std::fill(lit.begin() + events[i].at, lit.begin() + until, p.style("botaoRotor1") == alarm);
    }

    const int litMs = static_cast<int>(std::count(lit.begin(), lit.end(), true));
    const int share = litMs * 100 / span;
    QVERIFY2(share >= 40 && share <= 60, qPrintable(QStringLiteral("lit %1 ms of %2").arg(litMs).arg(span)));
    // Every whole half is all lit or all dark, the halves taking turns.
    for (int start = 0; start + half <= span; start += half) {
        const auto first = lit.begin() + start;
        const int litInHalf = static_cast<int>(std::count(first, first + half, true));
        QVERIFY2(litInHalf == 0 || litInHalf == half,
                 qPrintable(QStringLiteral("%1 ms lit in the half from %2 ms").arg(litInHalf).arg(start)));
        if (start > 0) {
            QVERIFY(lit[start] != lit[start - 1]);
        }
    }
}

void TestRender::rotorShowsItsStateOnceBlinkStops_data()
{
    QTest::addColumn<bool>("litHalf"); // where the blink stands when the report comes
    QTest::addColumn<int>("rotors"); // rotor field of that report
    QTest::addColumn<bool>("blinking"); // its blink field
    QTest::addColumn<bool>("rotor1Lit");
    QTest::newRow("stops in the dark half, rotor on") << false << 0x01 << false << true;
    QTest::newRow("stops in the lit half, rotor on") << true << 0x01 << false << true;
    QTest::newRow("stops in the lit half, rotor off") << true << 0x00 << false << false;
    QTest::newRow("stops in the dark half, rotor off") << false << 0x00 << false << false;
    QTest::newRow("goes on blinking, rotor off in the lit half") << true << 0x02 << true << false;
    QTest::newRow("goes on blinking, dark half stays dark") << false << 0x01 << true << false;
}

void TestRender::rotorShowsItsStateOnceBlinkStops()
{
    QFETCH(bool, litHalf);
    QFETCH(int, rotors);
    QFETCH(bool, blinking);
    QFETCH(bool, rotor1Lit);
    Panel& p = makePanel();
    MainWindow& w = p.w();
    w.processaPDRLan(&w, rotorReport(0x01, true));
    if (litHalf) {
        p.invoke("blinkBusyRot");
    }
    QCOMPARE(p.style("botaoRotor1"), litHalf ? alarm : idle);

    // The very report that changes it shows the new state, and so do the next.
    for (int report = 0; report < 3; ++report) {
        w.processaPDRLan(&w, rotorReport(rotors, blinking));
        QCOMPARE(w.busyRotBlinkTimer.isActive(), blinking);
        QCOMPARE(p.style("botaoRotor1"), rotor1Lit ? alarm : idle);
        QCOMPARE(p.style("botaoRotor2"), (rotors & 0x02) && (!blinking || litHalf) ? alarm : idle);
    }
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
    bool rotorPhase = true; // true: the next blink tick lights

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
        // While blinking, the rotors follow the blink's half.
        if (!rotorTimer || !rotorPhase) {
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
