#include <QTest>

#include "link/command.h"

// Command framing: the bytes on the wire for every command the panel sends,
// and the destination port taken from the configured text.
class TestCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void framing_data();
    void framing();
    void commandPortFromText_data();
    void commandPortFromText();
    void validPort_data();
    void validPort();
};

void TestCommand::framing_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("third");
    QTest::addColumn<QByteArray>("wire");

    QTest::newRow("poll") << 1 << 0 << 0 << 0 << QByteArray::fromHex("FE01FD");
    QTest::newRow("poll ignores arguments") << 1 << 7 << 8 << 9 << QByteArray::fromHex("FE01FD");
    QTest::newRow("Ant 1") << 2 << 0 << 0 << 0 << QByteArray::fromHex("FE0200FD");
    QTest::newRow("Ant 12") << 2 << 11 << 0 << 0 << QByteArray::fromHex("FE020BFD");
    QTest::newRow("release") << 2 << 15 << 0 << 0 << QByteArray::fromHex("FE020FFD");
    QTest::newRow("antenna sends one argument only") << 2 << 4 << 9 << 9 << QByteArray::fromHex("FE0204FD");
    QTest::newRow("split on rx Ant 3 tx Ant 1") << 3 << 1 << 2 << 0 << QByteArray::fromHex("FE03010200FD");
    QTest::newRow("split off") << 3 << 0 << 0 << 0 << QByteArray::fromHex("FE03000000FD");
    QTest::newRow("GPO 1 bit set: switch off") << 4 << 0 << 0 << 0 << QByteArray::fromHex("FE040000FD");
    QTest::newRow("GPO 1 bit clear: switch on") << 4 << 0 << 1 << 0 << QByteArray::fromHex("FE040001FD");
    QTest::newRow("GPO 3 on") << 4 << 2 << 1 << 0 << QByteArray::fromHex("FE040201FD");
    QTest::newRow("GPO 8 off, third dropped") << 4 << 7 << 0 << 5 << QByteArray::fromHex("FE040700FD");
    QTest::newRow("RX 1") << 5 << 1 << 0 << 0 << QByteArray::fromHex("FE050100FD");
    QTest::newRow("RX 4 keeps trailing zero") << 5 << 4 << 0 << 0 << QByteArray::fromHex("FE050400FD");
    QTest::newRow("RTX") << 6 << 1 << 0 << 0 << QByteArray::fromHex("FE0601FD");
    QTest::newRow("type 0 carries nothing") << 0 << 1 << 2 << 3 << QByteArray::fromHex("FE00FD");
    QTest::newRow("type 7 carries nothing") << 7 << 1 << 2 << 3 << QByteArray::fromHex("FE07FD");
    QTest::newRow("type 128 carries nothing") << 128 << 1 << 2 << 3 << QByteArray::fromHex("FE80FD");
    QTest::newRow("type 255 carries nothing") << 255 << 1 << 2 << 3 << QByteArray::fromHex("FEFFFD");
    QTest::newRow("argument bytes are raw") << 3 << 0xFE << 0xFD << 0xFF << QByteArray::fromHex("FE03FEFDFFFD");
}

void TestCommand::framing()
{
    QFETCH(int, type);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, third);
    QFETCH(QByteArray, wire);
    const QByteArray framed = frameCommand(static_cast<quint8>(type), static_cast<quint8>(first),
                                           static_cast<quint8>(second), static_cast<quint8>(third));
    QCOMPARE(framed.toHex(' '), wire.toHex(' '));
    QCOMPARE(framed.size(), 3 + commandArgumentCount(static_cast<quint8>(type)));
}

void TestCommand::commandPortFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("port");
    QTest::newRow("number") << "4210" << 4210;
    QTest::newRow("highest") << "65535" << 65535;
    QTest::newRow("letters only") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("hex is not decimal") << "0x10" << 0;
    QTest::newRow("digits then letters") << "12ab" << 0;
    QTest::newRow("beyond 16 bits wraps") << "70000" << 70000 - 65536;
}

void TestCommand::commandPortFromText()
{
    QFETCH(QString, text);
    QFETCH(int, port);
    QCOMPARE(int(commandPort(text)), port);
}

void TestCommand::validPort_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("usual") << "4210" << true;
    QTest::newRow("lowest") << "1" << true;
    QTest::newRow("highest") << "65535" << true;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("above 16 bits") << "70000" << false;
    QTest::newRow("negative") << "-5" << false;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("empty") << "" << false;
}

void TestCommand::validPort()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(isValidPort(text), valid);
}

QTEST_APPLESS_MAIN(TestCommand)
#include "tst_command.moc"
