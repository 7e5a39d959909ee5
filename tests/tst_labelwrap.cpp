#include <QTest>

#include "app/labelwrap.h"

class TestLabelWrap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wrap_data();
    void wrap();
    void neverRemovesCharacters_data();
    void neverRemovesCharacters();
};

void TestLabelWrap::wrap_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("five characters") << "ABCDE"
                                     << "ABCDE";
    QTest::newRow("six characters") << "ABCDEF"
                                    << "ABCDE\nF";
    // The second cut counts the first inserted line feed: 5 + 5 + rest.
    QTest::newRow("eleven characters") << "ABCDEFGHIJK"
                                       << "ABCDE\nFGHIJ\nK";
    QTest::newRow("twelve characters") << "ABCDEFGHIJKL"
                                       << "ABCDE\nFGHIJ\nKL";
    QTest::newRow("sixteen characters") << "ABCDEFGHIJKLMNOP"
                                        << "ABCDE\nFGHIJ\nKLMNOP";
    QTest::newRow("ANTENNA 1") << "ANTENNA 1"
                               << "ANTEN\nNA 1";
    QTest::newRow("non-Latin-1") << QString::fromUtf8("Ω-Beam 7") << QString::fromUtf8("Ω-Bea\nm 7");
    // A line feed at position 0 counts as none: the plain cuts still apply.
    QTest::newRow("leading line feed") << "\nABCDEFGHIJ"
                                       << "\nABCD\nEFGHI\nJ";
    QTest::newRow("line feed at 1, short rest") << "A\nBCDE"
                                                << "A\nBCDE";
    QTest::newRow("line feed at 1, long rest") << "A\nBCDEFGH"
                                               << "A\nBCDEF\nGH";
    QTest::newRow("own line feed at the cut") << "ABCDE\nFGHIJKLMNOP"
                                              << "ABCDE\nFGHIJ\nKLMNOP";
    QTest::newRow("own break, then more than five") << "AB\nCDEFGHIJ"
                                                    << "AB\nCDEFG\nHIJ";
    QTest::newRow("several line feeds") << "A\nB\nCDEFGHIJ"
                                        << "A\nB\nCDEFG\nHIJ";
    QTest::newRow("several short lines") << "AB\nCD\nEF"
                                         << "AB\nCD\nEF";
    // After the last own line feed only one further cut is made.
    QTest::newRow("long text after a late line feed") << "ABCDEFGH\nIJKLMNOPQRSTU"
                                                      << "ABCDE\nFGH\nIJKLM\nNOPQRSTU";
    // Words that fit a line move to the next one whole; the spaces at the
    // cut stay at the line's end, where a centred key does not show them.
    QTest::newRow("words that fit") << "20M YAGI"
                                    << "20M \nYAGI";
    QTest::newRow("several spaces") << "20M   YAGI"
                                    << "20M   \nYAGI";
    QTest::newRow("spaces to the end") << "ABCDE    "
                                       << "ABCDE    ";
    QTest::newRow("still two cuts, then the rest") << "80M 40M 20M 15M"
                                                   << "80M \n40M \n20M 15M";
    QTest::newRow("word too long after another") << "20M ANTENNA"
                                                 << "20M \nANTEN\nNA";
    QTest::newRow("word too long, then words") << "DIPOLES 40"
                                               << "DIPOL\nES 40";
    QTest::newRow("after an own line feed") << "AB\n40M 4SQ"
                                            << "AB\n40M \n4SQ";
    QTest::newRow("leading spaces") << "  20M YAGI"
                                    << "  20M \nYAGI";
    QTest::newRow("only line feeds") << "\n\n\n"
                                     << "\n\n\n";
}

void TestLabelWrap::wrap()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QCOMPARE(wrapLabelText(caption), shown);
}

void TestLabelWrap::neverRemovesCharacters_data()
{
    QTest::addColumn<QString>("caption");
    QTest::newRow("long plain") << QString(40, QLatin1Char('x'));
    QTest::newRow("mixed breaks") << "AB\n\nCDEFGHIJKLMNOP\nQ RSTUVWXYZ";
    QTest::newRow("spaces") << "      1234567890      ";
}

void TestLabelWrap::neverRemovesCharacters()
{
    QFETCH(QString, caption);
    const QString shown = wrapLabelText(caption);
    QString withoutBreaks = shown;
    withoutBreaks.remove(QLatin1Char('\n'));
    QString captionWithoutBreaks = caption;
    captionWithoutBreaks.remove(QLatin1Char('\n'));
    QCOMPARE(withoutBreaks, captionWithoutBreaks);
    QVERIFY(shown.size() >= caption.size());
}

QTEST_APPLESS_MAIN(TestLabelWrap)
#include "tst_labelwrap.moc"
