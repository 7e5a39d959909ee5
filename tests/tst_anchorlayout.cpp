#include <QTest>
#include <QWidget>

#include "panel/anchorlayout.h"

class TestAnchorLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void baseTextSize_data();
    void baseTextSize();
    void scaleDesignRect_data();
    void scaleDesignRect();
    void edgeModes_data();
    void edgeModes();
    void rebaseReturnsToDesign();
    void fittingPixelSize_data();
    void fittingPixelSize();
};

void TestAnchorLayout::baseTextSize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("size");
    QTest::newRow("design width") << 990 << 12;
    QTest::newRow("lowest 13") << 1120 << 13;
    QTest::newRow("highest 13") << 1259 << 13;
    QTest::newRow("just below 13") << 1119 << 12;
    QTest::newRow("1260") << 1260 << 14;
    QTest::newRow("narrow") << 139 << 5;
    QTest::newRow("zero") << 0 << 5;
}

void TestAnchorLayout::baseTextSize()
{
    QFETCH(int, width);
    QFETCH(int, size);
    QCOMPARE(int(::baseTextSize(width)), size);
}

void TestAnchorLayout::scaleDesignRect_data()
{
    QTest::addColumn<QRect>("design");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QSize>("reference");
    QTest::addColumn<QRect>("expected");
    const QRect key(20, 60, 51, 51);
    QTest::newRow("unchanged") << key << QSize(990, 293) << QSize(990, 293) << key;
    // Inclusive right and bottom scale as coordinates: 70*2 = 140, not 20*2 + 51*2 - 1.
    QTest::newRow("double both") << key << QSize(1980, 586) << QSize(990, 293)
                                 << QRect(QPoint(40, 120), QPoint(140, 220));
    QTest::newRow("1.5 width") << key << QSize(1485, 293) << QSize(990, 293) << QRect(QPoint(30, 60), QPoint(105, 110));
    QTest::newRow("truncates") << QRect(1, 1, 2, 2) << QSize(3, 3) << QSize(2, 2) << QRect(QPoint(1, 1), QPoint(3, 3));
    QTest::newRow("shrink") << key << QSize(495, 293) << QSize(990, 293) << QRect(QPoint(10, 60), QPoint(35, 110));
}

void TestAnchorLayout::scaleDesignRect()
{
    QFETCH(QRect, design);
    QFETCH(QSize, window);
    QFETCH(QSize, reference);
    QFETCH(QRect, expected);
    QCOMPARE(::scaleDesignRect(design, window.width(), window.height(), reference.width(), reference.height()),
             expected);
}

void TestAnchorLayout::edgeModes_data()
{
    QTest::addColumn<QVector<int>>("modes"); // left, top, right, bottom
    QTest::addColumn<QRect>("expected");
    // Host 200 x 100 grows to 260 x 130; the child starts at 10, 20, 30 x 40.
    QTest::newRow("near everywhere") << QVector<int> {1, 1, 1, 1} << QRect(10, 20, 30, 40);
    QTest::newRow("stretch horizontally") << QVector<int> {1, 1, 2, 1} << QRect(10, 20, 90, 40);
    QTest::newRow("follow bottom right") << QVector<int> {2, 2, 2, 2} << QRect(70, 50, 30, 40);
    QTest::newRow("mode 0 keeps edges") << QVector<int> {0, 0, 0, 0} << QRect(10, 20, 30, 40);
    QTest::newRow("scale ignores others") << QVector<int> {3, 0, 0, 0} << QRect(QPoint(13, 26), QPoint(50, 76));
}

void TestAnchorLayout::edgeModes()
{
    QFETCH(QVector<int>, modes);
    QFETCH(QRect, expected);
    QWidget host;
    host.resize(200, 100);
    auto* child = new QWidget(&host);
    child->setGeometry(10, 20, 30, 40);
    C4SAnchorLayout layout(&host);
    layout.anchorWidget(modes[0], modes[1], modes[2], modes[3], child);
    host.resize(260, 130);
    layout.relayout();
    QCOMPARE(child->geometry(), expected);
}

void TestAnchorLayout::rebaseReturnsToDesign()
{
    QWidget host;
    host.resize(200, 100);
    auto* child = new QWidget(&host);
    child->setGeometry(10, 20, 30, 40);
    C4SAnchorLayout layout(&host);
    QCOMPARE(layout.referenceRectangle(), QRect(0, 0, 200, 100));
    layout.anchorWidget(AnchorScale, AnchorScale, AnchorScale, AnchorScale, child);
    host.resize(333, 77);
    layout.relayout();
    QVERIFY(child->geometry() != QRect(10, 20, 30, 40));
    layout.rebase();
    QCOMPARE(child->geometry(), QRect(10, 20, 30, 40));
    QCOMPARE(layout.referenceRectangle(), QRect(0, 0, 333, 77));
}

// A caption 6 px wide per pixel of size (a five-letter word, roughly).
void TestAnchorLayout::fittingPixelSize_data()
{
    QTest::addColumn<int>("wanted");
    QTest::addColumn<int>("available");
    QTest::addColumn<int>("expected");
    QTest::newRow("fits as it is") << 13 << 80 << 13;
    QTest::newRow("fits exactly") << 13 << 78 << 13;
    QTest::newRow("one pixel too wide") << 13 << 77 << 12;
    QTest::newRow("shrinks to fit") << 13 << 47 << 7;
    QTest::newRow("never fits: the smallest") << 13 << 20 << 7;
    QTest::newRow("already below the smallest") << 6 << 10 << 7;
}

void TestAnchorLayout::fittingPixelSize()
{
    QFETCH(int, wanted);
    QFETCH(int, available);
    QFETCH(int, expected);
    QCOMPARE(::fittingPixelSize(wanted, 7, available, [](int pixels) { return 6 * pixels; }), expected);
}

QTEST_MAIN(TestAnchorLayout)
#include "tst_anchorlayout.moc"
