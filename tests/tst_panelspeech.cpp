// What a screen reader hears for the panel's keys and lamps, read against the
// state a report gives; and which translation the panel picks.
#include <QtTest>

#include <map>

#include "app/languages.h"
#include "panel/panelspeech.h"

namespace {

// A report's fields by name; any antenna field left out names no antenna.
DeviceState reported(std::initializer_list<std::pair<const char*, int>> values)
{
    static const std::map<QByteArray, quint8 DeviceState::*> fields {{"antenna", &DeviceState::selectedAntenna},
                                                                     {"split", &DeviceState::splitActive},
                                                                     {"rxAntenna", &DeviceState::splitRxAntenna},
                                                                     {"send", &DeviceState::sendActive},
                                                                     {"busy1to8", &DeviceState::busyMask1to8},
                                                                     {"busy9to12", &DeviceState::busyMask9to12},
                                                                     {"rotors", &DeviceState::rotorStates},
                                                                     {"blink", &DeviceState::rotorBlink},
                                                                     {"gpo", &DeviceState::gpoStates},
                                                                     {"rx", &DeviceState::rxActive},
                                                                     {"selectedRx", &DeviceState::selectedRx}};
    DeviceState s;
    s.selectedAntenna = 15;
    for (const auto& [name, value] : values) {
        s.*fields.at(name) = static_cast<quint8>(value);
    }
    return s;
}

} // namespace

Q_DECLARE_METATYPE(DeviceState)

class TestPanelSpeech : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saysWhatThePanelShows_data();
    void saysWhatThePanelShows();
    void announcesWhatChanged_data();
    void announcesWhatChanged();
    void summarySaysTheState();
    void powerSaysTheLink_data();
    void powerSaysTheLink();
    void roundTripSaidSteadily_data();
    void roundTripSaidSteadily();
    void languageChosen_data();
    void languageChosen();
    void languageOptionTakenOut_data();
    void languageOptionTakenOut();
};

void TestPanelSpeech::saysWhatThePanelShows_data()
{
    QTest::addColumn<DeviceState>("state");
    QTest::addColumn<bool>("known");
    QTest::addColumn<int>("indicator");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("waiting"); // the antenna key a switch waits for; -1: none

    QTest::newRow("selected, two-line caption")
        << reported({{"antenna", 3}}) << true << indicator::Antenna + 3 << "Ant 4, 20M YAGI, selected" << -1;
    QTest::newRow("FF names no antenna") << reported({{"antenna", 0xFF}}) << true << indicator::Antenna + 3
                                         << "Ant 4, 20M YAGI" << -1;
    QTest::newRow("busy elsewhere, Ant 7")
        << reported({{"busy1to8", 0x40}}) << true << indicator::Antenna + 6 << "Ant 7, busy elsewhere" << -1;
    QTest::newRow("busy elsewhere, Ant 9")
        << reported({{"busy9to12", 0x01}}) << true << indicator::Antenna + 8 << "Ant 9, busy elsewhere" << -1;
    QTest::newRow("split: transmit antenna") << reported({{"split", 1}, {"antenna", 2}, {"rxAntenna", 3}}) << true
                                             << indicator::Antenna + 2 << "Ant 3, transmit antenna (split)" << -1;
    QTest::newRow("split: receive antenna")
        << reported({{"split", 1}, {"antenna", 2}, {"rxAntenna", 3}}) << true << indicator::Antenna + 3
        << "Ant 4, 20M YAGI, receive antenna (split)" << -1;
    QTest::newRow("rotor blinking") << reported({{"rotors", 0x04}, {"blink", 1}}) << true << indicator::Rotor + 2
                                    << "RT 3, blinking" << -1;
    QTest::newRow("rotor off while others blink")
        << reported({{"rotors", 0x04}, {"blink", 1}}) << true << indicator::Rotor + 1 << "RT 2" << -1;
    QTest::newRow("GPO on with caption") << reported({{"gpo", 0x02}}) << true << indicator::Gpo + 1 << "GPO 2, FAN, on"
                                         << -1;
    QTest::newRow("RX 1 for an odd receiver")
        << reported({{"rx", 1}, {"selectedRx", 9}}) << true << indicator::Rx << "RX 1, on" << -1;
    QTest::newRow("RX 2 chosen, no receiver active")
        << reported({{"rx", 0}, {"selectedRx", 2}}) << true << indicator::Rx + 1 << "RX 2" << -1;
    QTest::newRow("a switch waits for it") << reported({{"antenna", 3}, {"send", 1}}) << true << indicator::Antenna + 2
                                           << "Ant 3, waits for the end of the transmission" << 2;
    QTest::newRow("the device's antenna stays selected") << reported({{"antenna", 3}, {"send", 1}}) << true
                                                         << indicator::Antenna + 3 << "Ant 4, 20M YAGI, selected" << 2;
    // The watchdog cleared the panel: nothing of the old state is said.
    QTest::newRow("cleared: no state") << reported({{"antenna", 3}, {"gpo", 0x02}}) << false << indicator::Antenna + 3
                                       << "Ant 4, 20M YAGI" << -1;
}

void TestPanelSpeech::saysWhatThePanelShows()
{
    QFETCH(DeviceState, state);
    QFETCH(bool, known);
    QFETCH(int, indicator);
    QFETCH(QString, name);
    QFETCH(int, waiting);
    PanelSpeechInput input;
    input.state = state;
    input.stateKnown = known;
    input.flags.waitingAntenna = waiting;
    input.antennaCaptions[3] = QStringLiteral("20M\nYAGI");
    input.gpoCaptions[1] = QStringLiteral("  FAN ");
    QCOMPARE(panelSpeech(input).names[indicator], name);
}

// What an operator hears when a report comes: every change the device
// confirmed, said together; nothing for a report that changes nothing, nor
// for the station's own activity on the lamps.
void TestPanelSpeech::announcesWhatChanged_data()
{
    QTest::addColumn<DeviceState>("before");
    QTest::addColumn<bool>("knownBefore");
    QTest::addColumn<DeviceState>("after");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("told"); // the keys the text speaks of

    const DeviceState ant1 = reported({{"antenna", 0}, {"rx", 1}, {"selectedRx", 1}});
    QTest::newRow("nothing changed") << ant1 << true << ant1 << true << "" << QList<int> {};
    QTest::newRow("activity only")
        << ant1 << true
        << reported({{"antenna", 0}, {"rx", 1}, {"selectedRx", 1}, {"send", 1}, {"busy1to8", 0x08}, {"rotors", 0x01}})
        << true << "" << QList<int> {};
    QTest::newRow("antenna, receiver and output at once")
        << ant1 << true << reported({{"antenna", 3}, {"rx", 1}, {"selectedRx", 2}, {"gpo", 0x02}}) << true
        << "Ant 4, 20M YAGI. RX 2, on. GPO 2, FAN, on"
        << QList<int> {indicator::Antenna, indicator::Antenna + 3, indicator::Rx, indicator::Rx + 1,
                       indicator::Gpo + 1};
    QTest::newRow("not yet confirmed: nothing yet")
        << ant1 << true << reported({{"antenna", 3}}) << false << "" << QList<int> {};
    // The first report after Connect is one announcement, of what is on.
    QTest::newRow("first report") << reported({{"antenna", 3}, {"gpo", 0x01}}) << false
                                  << reported({{"antenna", 3}, {"gpo", 0x02}, {"send", 1}}) << true
                                  << "Ant 4, 20M YAGI. GPO 2, FAN, on"
                                  << QList<int> {indicator::Antenna + 3, indicator::Gpo + 1};
    QTest::newRow("split with its two roles")
        << reported({{"antenna", 3}}) << true << reported({{"antenna", 3}, {"split", 1}, {"rxAntenna", 6}}) << true
        << "SPLIT on: transmit Ant 4, 20M YAGI; receive Ant 7"
        << QList<int> {indicator::Antenna + 3, indicator::Antenna + 6, indicator::Split};
    QTest::newRow("RELEASE in split") << reported({{"antenna", 3}, {"split", 1}, {"rxAntenna", 6}}) << true
                                      << reported({{"antenna", 3}, {"split", 1}, {"rxAntenna", 15}}) << true
                                      << "SPLIT on: transmit Ant 4, 20M YAGI; receive no antenna"
                                      << QList<int> {indicator::Antenna + 3, indicator::Antenna + 6};
    QTest::newRow("split off, output off")
        << reported({{"antenna", 3}, {"split", 1}, {"rxAntenna", 6}, {"gpo", 0x02}}) << true
        << reported({{"antenna", 3}}) << true << "SPLIT off: Ant 4, 20M YAGI. GPO 2, FAN, off"
        << QList<int> {indicator::Antenna + 3, indicator::Antenna + 6, indicator::Split, indicator::Gpo + 1};
    QTest::newRow("RELEASE") << reported({{"antenna", 3}}) << true << reported({{"antenna", 15}}) << true
                             << "No antenna" << QList<int> {indicator::Antenna + 3};
    QTest::newRow("the antenna in use turns busy")
        << reported({{"antenna", 3}}) << true << reported({{"antenna", 3}, {"busy1to8", 0x09}}) << true
        << "Ant 4 is now in use elsewhere too" << QList<int> {indicator::Antenna + 3};
    QTest::newRow("still busy: said once")
        << reported({{"antenna", 3}, {"busy1to8", 0x08}}) << true
        << reported({{"antenna", 3}, {"busy1to8", 0x08}, {"send", 1}}) << true << "" << QList<int> {};
}

void TestPanelSpeech::announcesWhatChanged()
{
    QFETCH(DeviceState, before);
    QFETCH(bool, knownBefore);
    QFETCH(DeviceState, after);
    QFETCH(bool, confirmed);
    QFETCH(QString, text);
    QFETCH(QList<int>, told);
    PanelSpeechInput was;
    was.state = before;
    was.stateKnown = knownBefore;
    PanelSpeechInput now;
    now.state = after;
    now.stateKnown = true;
    now.confirmed = confirmed;
    for (PanelSpeechInput* input : {&was, &now}) {
        input->link = PanelSpeechInput::Link::Up;
        input->antennaCaptions[3] = QStringLiteral("20M\nYAGI");
        input->gpoCaptions[1] = QStringLiteral("FAN");
    }
    const PanelChange change = panelChange(was, now);
    QCOMPARE(change.text, text);
    QList<int> toldKeys;
    for (int k = 0; k < indicator::Count; ++k) {
        if (change.told.test(k)) {
            toldKeys << k;
        }
    }
    QCOMPARE(toldKeys, told);
}

// Ctrl+I names a switch that waits, Ant 1 too, and the antennas in use elsewhere.
void TestPanelSpeech::summarySaysTheState()
{
    PanelSpeechInput in;
    in.state = reported({{"antenna", 3}, {"send", 1}, {"busy9to12", 0x08}});
    in.stateKnown = true;
    in.flags.waitingAntenna = 0;
    in.link = PanelSpeechInput::Link::Up;
    in.antennaCaptions[3] = QStringLiteral("20M\nYAGI");
    QCOMPARE(panelSummary(in, QString()),
             QStringLiteral("Ant 4, 20M YAGI. SPLIT, off. Ant 1 waits for the end of the transmission. Ant 12 in use "
                            "elsewhere. SEND, on. link up"));
}

void TestPanelSpeech::powerSaysTheLink_data()
{
    QTest::addColumn<int>("link");
    QTest::addColumn<qint64>("roundTrip");
    QTest::addColumn<QString>("name");
    QTest::newRow("up") << int(PanelSpeechInput::Link::Up) << qint64(12) << "POWER, link up, ping 12 ms";
    QTest::newRow("silent") << int(PanelSpeechInput::Link::Silent) << qint64(12) << "POWER, no answer";
    QTest::newRow("off") << int(PanelSpeechInput::Link::Off) << qint64(-1) << "POWER, not connected";
}

void TestPanelSpeech::powerSaysTheLink()
{
    QFETCH(int, link);
    QFETCH(qint64, roundTrip);
    QFETCH(QString, name);
    PanelSpeechInput input;
    input.link = static_cast<PanelSpeechInput::Link>(link);
    input.roundTripMs = roundTrip;
    QCOMPARE(panelSpeech(input).power, name);
}

// A screen reader reads a name change out while the key has the focus: the
// POWER key's figure follows real changes, not the median's jitter.
void TestPanelSpeech::roundTripSaidSteadily_data()
{
    QTest::addColumn<qint64>("said");
    QTest::addColumn<qint64>("measured");
    QTest::addColumn<qint64>("saidNow");
    QTest::newRow("first figure") << qint64(-1) << qint64(12) << qint64(12);
    QTest::newRow("gone") << qint64(12) << qint64(-1) << qint64(-1);
    QTest::newRow("remote jitter") << qint64(600) << qint64(680) << qint64(600);
    QTest::newRow("remote change") << qint64(600) << qint64(760) << qint64(760);
    QTest::newRow("LAN jitter, 10 ms floor") << qint64(3) << qint64(12) << qint64(3);
    QTest::newRow("LAN to remote") << qint64(3) << qint64(250) << qint64(250);
}

void TestPanelSpeech::roundTripSaidSteadily()
{
    QFETCH(qint64, said);
    QFETCH(qint64, measured);
    QFETCH(qint64, saidNow);
    QCOMPARE(roundTripToSay(said, measured), saidNow);
}

void TestPanelSpeech::languageChosen_data()
{
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("system German") << "" << QStringList {"de-DE", "de"} << "de";
    QTest::newRow("Canadian French") << "" << QStringList {"fr-CA"} << "fr";
    QTest::newRow("Portuguese of Portugal") << "" << QStringList {"pt-PT"} << "pt_BR";
    QTest::newRow("English first wins") << "" << QStringList {"en-GB", "de-DE"} << "";
    QTest::newRow("untranslated, then Italian") << "" << QStringList {"nl-NL", "it-IT"} << "it";
    QTest::newRow("nothing translated") << "" << QStringList {"nl-NL"} << "";
    QTest::newRow("asked over the system") << "ja" << QStringList {"de-DE"} << "ja";
    QTest::newRow("asked, any spelling") << "PT-br" << QStringList {} << "pt_BR";
    QTest::newRow("asked English, any spelling") << "EN-gb" << QStringList {"de-DE"} << "";
    QTest::newRow("asked unknown") << "xx" << QStringList {"de-DE"} << "";
}

void TestPanelSpeech::languageChosen()
{
    QFETCH(QString, requested);
    QFETCH(QStringList, system);
    QFETCH(QString, chosen);
    QCOMPARE(languages::choose(requested, system), chosen);
}

void TestPanelSpeech::languageOptionTakenOut_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("rest");
    QTest::newRow("before the profile") << QStringList {"zarel", "--lang", "de", "shack"} << "de"
                                        << QStringList {"zarel", "shack"};
    QTest::newRow("after the profile") << QStringList {"zarel", "shack", "--lang=fr"} << "fr"
                                       << QStringList {"zarel", "shack"};
    QTest::newRow("code missing") << QStringList {"zarel", "--lang"} << "" << QStringList {"zarel"};
    QTest::newRow("profile named like a code") << QStringList {"zarel", "de"} << "" << QStringList {"zarel", "de"};
}

void TestPanelSpeech::languageOptionTakenOut()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, code);
    QFETCH(QStringList, rest);
    const languages::Option option = languages::takeOption(arguments);
    QCOMPARE(option.code, code);
    QCOMPARE(arguments, rest);
}

QTEST_GUILESS_MAIN(TestPanelSpeech)
#include "tst_panelspeech.moc"
