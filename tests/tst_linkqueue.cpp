#include <QTest>

#include "link/linkqueue.h"

// The link worker's outgoing queue: polls never pile up or hold a command
// back, commands are never lost, and the queue stays bounded while nothing
// can leave.
class TestLinkQueue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replacement_data();
    void replacement();
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
        << QStringList {poll, poll, "FE040201FD", splitOff} << "FE0205FD"
        << QStringList {"FE040201FD", splitOff, "FE0205FD"};
    QTest::newRow("two adjacent polls, then antenna")
        << QStringList {poll, poll} << "FE020BFD" << QStringList {"FE020BFD"};
    QTest::newRow("split off stays ahead of antenna")
        << QStringList {splitOff, poll} << "FE0203FD" << QStringList {splitOff, "FE0203FD"};
    QTest::newRow("two antennas pressed in a row both leave, in order")
        << QStringList {"FE0201FD", poll} << "FE0207FD" << QStringList {"FE0201FD", "FE0207FD"};
    QTest::newRow("commands keep their order")
        << QStringList {"FE040300FD", poll, splitOff, "FE050300FD", poll} << "FE020FFD"
        << QStringList {"FE040300FD", splitOff, "FE050300FD", "FE020FFD"};
    QTest::newRow("a new poll replaces the waiting one, behind the commands")
        << QStringList {poll, rtx} << poll << QStringList {rtx, poll};
    QTest::newRow("polls never pile up") << QStringList {poll} << poll << QStringList {poll};
    QTest::newRow("RTX sends a waiting poll away") << QStringList {poll} << rtx << QStringList {rtx};
    // Each of these used to vanish when an antenna command followed it.
    QTest::newRow("antenna keeps GPO 2, RX 1, RTX and split on")
        << QStringList {"FE040100FD", "FE050100FD", rtx, "FE03010504FD"} << "FE0205FD"
        << QStringList {"FE040100FD", "FE050100FD", rtx, "FE03010504FD", "FE0205FD"};
    QTest::newRow("GPO 3 keeps a waiting antenna")
        << QStringList {"FE0209FD"} << "FE040201FD" << QStringList {"FE0209FD", "FE040201FD"};
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

void TestLinkQueue::bound_data()
{
    QTest::addColumn<QStringList>("waiting");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("expected");

    const QString gpo4 = QStringLiteral("FE040300FD");
    const QString gpo5 = QStringLiteral("FE040400FD");
    const QString rx3 = QStringLiteral("FE050300FD");
    QTest::newRow("below the bound nothing goes") << QStringList {gpo4, gpo5} << rtx << QStringList {gpo4, gpo5, rtx};
    QTest::newRow("full: the poll goes first")
        << QStringList {gpo4, poll, gpo5, rx3} << rtx << QStringList {gpo4, gpo5, rx3, rtx};
    QTest::newRow("full without polls: oldest command goes")
        << QStringList {gpo4, gpo5, rx3, rtx} << splitOff << QStringList {gpo5, rx3, rtx, splitOff};
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
    // Polls every 160 ms for an hour with nothing leaving, then two commands:
    // the stale polls must not stand between the operator and the device.
    QList<QNetworkDatagram> queue;
    for (int i = 0; i < 3600 * 6; ++i) {
        enqueueWithReplacement(queue, QNetworkDatagram(QByteArray::fromHex("FE01FD")));
    }
    QCOMPARE(queue.size(), 1);
    enqueueWithReplacement(queue, QNetworkDatagram(QByteArray::fromHex("FE0601FD")));
    enqueueWithReplacement(queue, QNetworkDatagram(QByteArray::fromHex("FE01FD")));
    enqueueWithReplacement(queue, QNetworkDatagram(QByteArray::fromHex("FE0204FD")));
    QCOMPARE(payloadsOf(queue), (QStringList {"FE0601FD", "FE0204FD"}));
}

QTEST_APPLESS_MAIN(TestLinkQueue)
#include "tst_linkqueue.moc"
