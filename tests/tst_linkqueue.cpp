#include <QTest>

#include "link/linkqueue.h"

// The link worker's outgoing queue: which waiting datagrams give way to a new
// one, and how the queue stays bounded while nothing can leave.
class TestLinkQueue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replacement_data();
    void replacement();
    void dropsWaiting_data();
    void dropsWaiting();
    void bound_data();
    void bound();
    void unresolvableHostKeepsQueueFlat();
};

namespace {

QList<QNetworkDatagram> queueOf(const QStringList& hexPayloads)
{
    QList<QNetworkDatagram> queue;
    for (const QString& hex : hexPayloads) {
        queue.append(QNetworkDatagram(QByteArray::fromHex(hex.toLatin1())));
    }
    return queue;
}

QStringList payloadsOf(const QList<QNetworkDatagram>& queue)
{
    QStringList hex;
    for (const QNetworkDatagram& datagram : queue) {
        hex.append(QString::fromLatin1(datagram.data().toHex().toUpper()));
    }
    return hex;
}

const QString poll = QStringLiteral("FE01FD");
const QString splitOff = QStringLiteral("FE03000000FD");
const QString rtx = QStringLiteral("FE0601FD");

} // namespace

void TestLinkQueue::replacement_data()
{
    QTest::addColumn<QStringList>("waiting");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty queue") << QStringList() << "FE0205FD" << QStringList {"FE0205FD"};
    QTest::newRow("poll, poll, GPO 3 on, split off, then antenna")
        << QStringList {poll, poll, "FE040201FD", splitOff} << "FE0205FD" << QStringList {splitOff, "FE0205FD"};
    QTest::newRow("two adjacent polls, then antenna")
        << QStringList {poll, poll} << "FE020BFD" << QStringList {"FE020BFD"};
    QTest::newRow("three polls, then antenna")
        << QStringList {poll, poll, poll} << "FE0200FD" << QStringList {"FE0200FD"};
    QTest::newRow("split off stays ahead of antenna")
        << QStringList {splitOff, poll} << "FE0203FD" << QStringList {splitOff, "FE0203FD"};
    QTest::newRow("earlier antenna gives way to the newer one")
        << QStringList {"FE0201FD", poll} << "FE0207FD" << QStringList {"FE0207FD"};
    QTest::newRow("survivors keep their order")
        << QStringList {"FE040300FD", poll, splitOff, "FE050300FD", poll} << "FE020FFD"
        << QStringList {"FE040300FD", splitOff, "FE050300FD", "FE020FFD"};
    QTest::newRow("poll is appended behind polls")
        << QStringList {poll, poll} << poll << QStringList {poll, poll, poll};
    QTest::newRow("RTX is appended behind a poll") << QStringList {poll} << rtx << QStringList {poll, rtx};
    QTest::newRow("split on naming Ant 3 drops polls")
        << QStringList {poll, rtx} << "FE03010200FD" << QStringList {"FE03010200FD"};
}

void TestLinkQueue::replacement()
{
    QFETCH(QStringList, waiting);
    QFETCH(QString, added);
    QFETCH(QStringList, expected);
    QList<QNetworkDatagram> queue = queueOf(waiting);
    enqueueWithReplacement(queue, QNetworkDatagram(QByteArray::fromHex(added.toLatin1())));
    QCOMPARE(payloadsOf(queue), expected);
}

// Each row: one waiting datagram and one new datagram; does the waiting one go?
void TestLinkQueue::dropsWaiting_data()
{
    QTest::addColumn<QString>("waiting");
    QTest::addColumn<QString>("added");
    QTest::addColumn<bool>("dropped");

    // New commands, against a waiting poll.
    QTest::newRow("new antenna 1") << poll << "FE0200FD" << true;
    QTest::newRow("new antenna 6") << poll << "FE0205FD" << true;
    QTest::newRow("new release") << poll << "FE020FFD" << true;
    QTest::newRow("new split on r = 2") << poll << "FE03010203FD" << true;
    QTest::newRow("new split on t = 2") << poll << "FE03010402FD" << true;
    QTest::newRow("new split on r = 3 t = 4") << poll << "FE03010304FD" << false;
    QTest::newRow("new split off") << poll << splitOff << false;
    QTest::newRow("new GPO 3 on") << poll << "FE040201FD" << true;
    QTest::newRow("new GPO 3 off") << poll << "FE040200FD" << true;
    QTest::newRow("new GPO 4 on") << poll << "FE040301FD" << false;
    QTest::newRow("new GPO 2 on") << poll << "FE040101FD" << false;
    QTest::newRow("new RX 2") << poll << "FE050200FD" << true;
    QTest::newRow("new RX 3") << poll << "FE050300FD" << false;
    QTest::newRow("new poll") << poll << poll << false;
    QTest::newRow("new RTX") << poll << rtx << false;

    // Waiting commands, against a new antenna command.
    const QString antenna = QStringLiteral("FE0205FD");
    QTest::newRow("waiting poll") << poll << antenna << true;
    QTest::newRow("waiting antenna") << "FE0209FD" << antenna << true;
    QTest::newRow("waiting RTX") << rtx << antenna << true;
    QTest::newRow("waiting split on") << "FE03010504FD" << antenna << true;
    QTest::newRow("waiting split off") << splitOff << antenna << false;
    QTest::newRow("waiting GPO 2 off") << "FE040100FD" << antenna << true;
    QTest::newRow("waiting GPO 3 off") << "FE040200FD" << antenna << true;
    QTest::newRow("waiting GPO 5 on") << "FE040401FD" << antenna << true;
    QTest::newRow("waiting GPO 5 off") << "FE040400FD" << antenna << false;
    QTest::newRow("waiting RX 1") << "FE050100FD" << antenna << true;
    QTest::newRow("waiting RX 2") << "FE050200FD" << antenna << true;
    QTest::newRow("waiting RX 4") << "FE050400FD" << antenna << false;
}

void TestLinkQueue::dropsWaiting()
{
    QFETCH(QString, waiting);
    QFETCH(QString, added);
    QFETCH(bool, dropped);
    QList<QNetworkDatagram> queue = queueOf({waiting});
    enqueueWithReplacement(queue, QNetworkDatagram(QByteArray::fromHex(added.toLatin1())));
    const QStringList expected = dropped ? QStringList {added} : QStringList {waiting, added};
    QCOMPARE(payloadsOf(queue), expected);
}

void TestLinkQueue::bound_data()
{
    QTest::addColumn<QStringList>("waiting");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("expected");

    const QString gpo4 = QStringLiteral("FE040300FD");
    const QString gpo5 = QStringLiteral("FE040400FD");
    const QString rx3 = QStringLiteral("FE050300FD");
    QTest::newRow("below the bound nothing goes") << QStringList {poll, poll} << rtx << QStringList {poll, poll, rtx};
    QTest::newRow("full of polls: oldest poll goes")
        << QStringList {poll, poll, poll, poll} << poll << QStringList {poll, poll, poll, poll};
    QTest::newRow("full: oldest poll goes, commands keep their place")
        << QStringList {gpo4, poll, gpo5, poll} << rx3 << QStringList {gpo4, gpo5, poll, rx3};
    QTest::newRow("full without polls: oldest datagram goes")
        << QStringList {gpo4, gpo5, rx3, rtx} << splitOff << QStringList {gpo5, rx3, rtx, splitOff};
    QTest::newRow("full: replacement makes room first")
        << QStringList {poll, gpo5, poll, poll} << "FE0203FD" << QStringList {gpo5, "FE0203FD"};
    QTest::newRow("full: split off survives an antenna command")
        << QStringList {splitOff, poll, poll, poll} << "FE0203FD" << QStringList {splitOff, "FE0203FD"};
}

void TestLinkQueue::bound()
{
    QFETCH(QStringList, waiting);
    QFETCH(QString, added);
    QFETCH(QStringList, expected);
    QList<QNetworkDatagram> queue = queueOf(waiting);
    enqueueWithReplacement(queue, QNetworkDatagram(QByteArray::fromHex(added.toLatin1())), 4);
    QCOMPARE(payloadsOf(queue), expected);
}

void TestLinkQueue::unresolvableHostKeepsQueueFlat()
{
    // Polls every 160 ms for an hour with nothing leaving, then a command.
    QList<QNetworkDatagram> queue;
    for (int i = 0; i < 3600 * 6; ++i) {
        enqueueWithReplacement(queue, QNetworkDatagram(QByteArray::fromHex("FE01FD")));
    }
    QCOMPARE(queue.size(), maxWaitingDatagrams);
    enqueueWithReplacement(queue, QNetworkDatagram(QByteArray::fromHex("FE0601FD")));
    QCOMPARE(queue.size(), maxWaitingDatagrams);
    QCOMPARE(queue.last().data(), QByteArray::fromHex("FE0601FD"));
    enqueueWithReplacement(queue, QNetworkDatagram(QByteArray::fromHex("FE0204FD")));
    QCOMPARE(payloadsOf(queue), QStringList {"FE0204FD"});
}

QTEST_APPLESS_MAIN(TestLinkQueue)
#include "tst_linkqueue.moc"
