// The main window's life cycle, design sizes and proportional scaling.
#include <QAction>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "forms/panelform.h"
#include "panel/anchorlayout.h"
#include "testsupport.h"

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

// What a program printed; on Windows its CR LF line ends read as LF.
QString printedText(const QByteArray& bytes)
{
#ifdef Q_OS_WIN
    return QString::fromLocal8Bit(bytes).remove(QLatin1Char('\r'));
#else
    return QString::fromLocal8Bit(bytes);
#endif
}

const char profile[] = "mainwindow";

void writeViewOptions(bool gpio, bool skyrail)
{
    QSettings settings(testsupport::profileSettingsPath(profile), QSettings::IniFormat);
    settings.setValue(QStringLiteral("GPI"), gpio);
    settings.setValue(QStringLiteral("SK"), skyrail);
}

QList<QWidget*> anchoredWidgets(const PanelForm* ui)
{
    QList<QWidget*> widgets {ui->frame, ui->frame_GPIs, ui->frame_RTX, ui->botaoTeclaRTX};
    for (QPushButton* b : ui->rxButtons) {
        widgets << b;
    }
    widgets << ui->labelSkyrail;
    for (int i = 0; i < 8; ++i) {
        widgets << ui->gpiButtons[i] << ui->gpiLabels[i] << ui->gpoButtons[i] << ui->gpoLabels[i]
                << ui->rotorButtons[i];
    }
    for (int i = 0; i < 12; ++i) {
        widgets << ui->busyButtons[i] << ui->antennaButtons[i] << ui->antennaLabels[i];
    }
    widgets << ui->botaoSplit << ui->botaoPower << ui->botaoSend << ui->botaoRelease << ui->label << ui->label_2
            << ui->labelID;
    return widgets;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startSize_data();
    void startSize();
    void scaling_data();
    void scaling();
    void textSizes_data();
    void textSizes();
    void longCaptionShrinksToFit();
    void longMessageShortenedWholeInTooltip();
    void updateUISizeRestoresDesign();
    void logoWholeAndFree_data();
    void logoWholeAndFree();
    void closingEndsTheLoop();
    void processExitsCleanlyOnTerminate();
    void commandLineAnswers_data();
    void commandLineAnswers();
};

void TestMainWindow::init()
{
    QFile::remove(testsupport::profileSettingsPath(profile));
}

void TestMainWindow::cleanup()
{
    QFile::remove(testsupport::profileSettingsPath(profile));
}

void TestMainWindow::startSize_data()
{
    QTest::addColumn<bool>("gpio");
    QTest::addColumn<bool>("skyrail");
    QTest::addColumn<int>("height");
    QTest::newRow("no views") << false << false << 293;
    QTest::newRow("Skyrail WF") << false << true << 351;
    QTest::newRow("GPIO") << true << false << 391;
    QTest::newRow("both") << true << true << 391;
}

void TestMainWindow::startSize()
{
    QFETCH(bool, gpio);
    QFETCH(bool, skyrail);
    QFETCH(int, height);
    writeViewOptions(gpio, skyrail);
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.size(), QSize(990, height));
    QCOMPARE(w.ui->frame_GPIs->isHidden(), !gpio);
    QCOMPARE(w.ui->frame_RTX->isHidden(), !skyrail);
    // 1015 x 293 was only the layout's first reference; the settings re-based it.
    QCOMPARE(w.anchorLayout->referenceRectangle(), QRect(0, 0, 990, height));
    QCOMPARE(w.anchorLayout->count(), 93);
}

void TestMainWindow::scaling_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("key1");
    QTest::newRow("design") << QSize(990, 293) << QRect(20, 60, 51, 51);
    QTest::newRow("double both") << QSize(1980, 586) << QRect(QPoint(40, 120), QPoint(140, 220));
    QTest::newRow("1.5 x width") << QSize(1485, 293) << QRect(QPoint(30, 60), QPoint(105, 110));
    QTest::newRow("taller only") << QSize(990, 586) << QRect(QPoint(20, 120), QPoint(70, 220));
}

void TestMainWindow::scaling()
{
    QFETCH(QSize, size);
    QFETCH(QRect, key1);
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.resize(size);
    QTRY_COMPARE(w.size(), size);
    QCOMPARE(w.ui->botaoTecla1->geometry(), key1);
    // Hidden frames scale like visible ones.
    const QRect gpio = ::scaleDesignRect(QRect(290, 190, 501, 121), size.width(), size.height(), 990, 293);
    QCOMPARE(w.ui->frame_GPIs->geometry(), gpio);
}

void TestMainWindow::textSizes_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("s");
    QTest::newRow("990") << 990 << 12;
    QTest::newRow("1120") << 1120 << 13;
    QTest::newRow("1259") << 1259 << 13;
    QTest::newRow("1980") << 1980 << 19;
}

void TestMainWindow::textSizes()
{
    QFETCH(int, width);
    QFETCH(int, s);
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.resize(width, 293);
    QTRY_COMPARE(w.width(), width);
    QCOMPARE(w.ui->botaoTecla5->font().pixelSize(), s + 1);
    QCOMPARE(w.ui->botaoBusy12->font().pixelSize(), s - 1);
    QCOMPARE(w.ui->botaoRotor3->font().pixelSize(), s - 1);
    QCOMPARE(w.ui->botaoPower->font().pixelSize(), s);
    QCOMPARE(w.ui->labelAnt2->font().pixelSize(), s);
    QCOMPARE(w.ui->botaoTeclaRX4->font().pixelSize(), s);
    QCOMPARE(w.ui->labelSkyrail->font().pixelSize(), s + 3);
    QCOMPARE(w.ui->label->font().pixelSize(), s + 3);
    QCOMPARE(w.ui->label_2->font().pixelSize(), s - 2);
    QCOMPARE(w.ui->labelGPI8->font().pixelSize(), s);
    QCOMPARE(w.ui->botaoGPO1->font().pixelSize(), s);
    // The station ID wants s + 8 but gets no taller than its label, descenders included.
    const QFont id = w.ui->labelID->font();
    QFont larger = id;
    larger.setPixelSize(id.pixelSize() + 1);
    QVERIFY(id.pixelSize() <= s + 8);
    QVERIFY(QFontMetrics(id).height() <= w.ui->labelID->height());
    QVERIFY(id.pixelSize() == s + 8 || QFontMetrics(larger).height() > w.ui->labelID->height());
    // Bold captions stay bold at their new size.
    QVERIFY(w.ui->labelID->font().bold());
    QVERIFY(w.ui->label->font().bold());
}

// Bold five-letter words are wider than a key: drawn smaller, never clipped.
void TestMainWindow::longCaptionShrinksToFit()
{
    testsupport::writeSettings(testsupport::profileSettingsPath(profile),
                               {{"K11", "DUMMYLOAD"}, {"GPI5", "ALARM"}, {"K1", "AB"}});
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const int scaled = baseTextSize(w.width()) + 1;
    QCOMPARE(w.ui->botaoTecla1->font().pixelSize(), scaled);
    for (QPushButton* key : {w.ui->botaoTecla11, w.ui->botaoGPI5}) {
        const QFontMetrics metrics(key->font());
        const int widest = std::max(metrics.horizontalAdvance(key->text().section(QLatin1Char('\n'), 0, 0)),
                                    metrics.horizontalAdvance(key->text().section(QLatin1Char('\n'), 1, 1)));
        // Inside the key's border and padding (1 + 5 px a side; the Windows
        // style, under the indicator styles, leaves the label a pixel more).
#ifdef Q_OS_WIN
        const int margins = 11;
#else
        const int margins = 12;
#endif
        QVERIFY2(widest <= key->width() - margins, qPrintable(key->objectName()));
        QVERIFY(key->font().pixelSize() < scaled);
        QVERIFY(QFontInfo(key->font()).bold());
    }
}

void TestMainWindow::longMessageShortenedWholeInTooltip()
{
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QStatusBar* bar = w.ui->statusBar;
    const QString longText = QStringLiteral("Band following ignores ") + QStringLiteral("20m=thirteen, ").repeated(20);
    w.ui->statusBar->showMessage(longText);
    QVERIFY(bar->currentMessage().endsWith(QChar(0x2026)));
    QVERIFY(QFontMetrics(bar->font()).horizontalAdvance(bar->currentMessage()) < bar->width());
    QCOMPARE(bar->toolTip(), longText);
    // A message that fits is left whole, and the tooltip goes.
    w.ui->statusBar->showMessage(QStringLiteral("LAN enabled"));
    QCOMPARE(bar->currentMessage(), QStringLiteral("LAN enabled"));
    QCOMPARE(bar->toolTip(), QString());
}

void TestMainWindow::updateUISizeRestoresDesign()
{
    writeViewOptions(true, false);
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QList<QWidget*> widgets = anchoredWidgets(w.ui.get());
    QCOMPARE(widgets.size(), 92); // all registered widgets but the logo
    QList<QRect> design;
    for (QWidget* widget : widgets) {
        design << widget->geometry();
    }
    QCOMPARE(design.first(), QRect(190, 50, 751, 131));
    w.resize(1777, 555);
    QTRY_COMPARE(w.size(), QSize(1777, 555));
    QVERIFY(w.ui->frame->geometry() != design.first());
    QVERIFY(QMetaObject::invokeMethod(&w, "updateUISize"));
    QCOMPARE(w.size(), QSize(990, 391));
    for (int i = 0; i < widgets.size(); ++i) {
        QCOMPARE(widgets[i]->geometry(), design[i]);
    }
    QCOMPARE(w.ui->label_Quorvan->geometry(), logoRectFor(QSize(990, 391)));
}

void TestMainWindow::logoWholeAndFree_data()
{
    QTest::addColumn<bool>("gpio");
    QTest::addColumn<bool>("skyrail");
    QTest::newRow("293") << false << false;
    QTest::newRow("351") << false << true;
    QTest::newRow("391") << true << false;
}

void TestMainWindow::logoWholeAndFree()
{
    QFETCH(bool, gpio);
    QFETCH(bool, skyrail);
    writeViewOptions(gpio, skyrail);
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (const QSize& size : {w.size(), w.size() * 2, QSize(w.width() * 3 / 2, w.height())}) {
        w.resize(size);
        QTRY_COMPARE(w.size(), size);
        const QRect logo = w.ui->label_Quorvan->geometry();
        QVERIFY2(w.centralWidget()->rect().contains(logo),
                 qPrintable(QStringLiteral("logo %1,%2 %3x%4 outside the central area %5x%6")
                                .arg(logo.x())
                                .arg(logo.y())
                                .arg(logo.width())
                                .arg(logo.height())
                                .arg(w.centralWidget()->width())
                                .arg(w.centralWidget()->height())));
        for (QObject* child : w.centralWidget()->children()) {
            auto* sibling = qobject_cast<QWidget*>(child);
            if (sibling && sibling != w.ui->label_Quorvan && sibling->isVisible()) {
                QVERIFY2(!sibling->geometry().intersects(logo), qPrintable(sibling->objectName()));
            }
        }
    }
}

void TestMainWindow::closingEndsTheLoop()
{
    MainWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTimer::singleShot(0, &w, &QWidget::close);
    QCOMPARE(QApplication::exec(), 0);
    QTimer::singleShot(0, [] { QCoreApplication::exit(7); });
    QCOMPARE(QApplication::exec(), 7);
}

void TestMainWindow::processExitsCleanlyOnTerminate()
{
#ifdef Q_OS_UNIX
    const QString program = qEnvironmentVariable("ZAREL_BIN");
    if (program.isEmpty()) {
        QSKIP("ZAREL_BIN is not set");
    }
    QProcess zarel;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    zarel.setProcessEnvironment(env);
    zarel.start(program, {QStringLiteral("exitcheck")});
    QVERIFY(zarel.waitForStarted());
    // Once the polling thread and the link worker run, the window exists.
    const auto threads = [&zarel] {
        return QDir(QStringLiteral("/proc/%1/task").arg(zarel.processId()))
            .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
            .size();
    };
    QTRY_VERIFY_WITH_TIMEOUT(threads() >= 3, 10000);
    QCOMPARE(zarel.state(), QProcess::Running);
    ::kill(static_cast<pid_t>(zarel.processId()), SIGTERM);
    QVERIFY(zarel.waitForFinished(10000));
    QCOMPARE(zarel.exitStatus(), QProcess::NormalExit);
    const QString errors = QString::fromLocal8Bit(zarel.readAllStandardError());
    QCOMPARE(zarel.exitCode(), 0);
    QVERIFY2(!errors.contains(QLatin1String("ERROR")) && !errors.contains(QLatin1String("runtime error")) &&
                 !errors.contains(QLatin1String("WARNING: ThreadSanitizer")),
             qPrintable(errors));
    QFile::remove(QFileInfo(program).absolutePath() + QStringLiteral("/settingsexitcheck.ini"));
#else
    QSKIP("needs Unix signals");
#endif
}

void TestMainWindow::commandLineAnswers_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("output"); // on standard output, or on standard error when refused
    QTest::addColumn<int>("exitCode");

    QTest::newRow("help") << "--help"
                          << "^Usage: zarel \\[--lang CODE\\] \\[PROFILE\\]\n(.|\n)*settings<PROFILE>\\.ini" << 0;
    QTest::newRow("short help") << "-h"
                                << "^Usage: zarel \\[--lang CODE\\] \\[PROFILE\\]\n(.|\n)*--version" << 0;
    // The language option is taken out: what follows reads as before.
    QTest::newRow("language, then help") << "--lang de --help"
                                         << "^Usage: zarel \\[--lang CODE\\] \\[PROFILE\\]\n"
                                         << 0;
    QTest::newRow("language joined, then an unknown option") << "--lang=ja --bogus"
                                                             << "^zarel: unknown option '--bogus'\n"
                                                             << 2;
    QTest::newRow("language without a code") << "--lang --help"
                                             << "^zarel: --lang needs a language" << 2;
    QTest::newRow("version") << "--version"
                             << "^zarel \\d+\\.\\d+\\.\\d+\n$" << 0;
    // Refused before anything is written, not taken for a profile.
    QTest::newRow("unknown option") << "--bogus"
                                    << "^zarel: unknown option '--bogus'\n"
                                    << 2;
}

void TestMainWindow::commandLineAnswers()
{
    QFETCH(QString, argument);
    QFETCH(QString, output);
    QFETCH(int, exitCode);
    const QString program = qEnvironmentVariable("ZAREL_BIN");
    if (program.isEmpty()) {
        QSKIP("ZAREL_BIN is not set");
    }
    const QString besideProgram =
        QFileInfo(program).absolutePath() + QStringLiteral("/settings") + argument + QStringLiteral(".ini");
    QFile::remove(besideProgram);
    QTemporaryDir config;
    QVERIFY(config.isValid());
    QProcess zarel;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // A window would need this platform, which does not exist, and abort.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    zarel.setProcessEnvironment(env);
    zarel.start(program, argument.split(QLatin1Char(' ')));
    QVERIFY(zarel.waitForFinished(10000));
    QCOMPARE(zarel.exitStatus(), QProcess::NormalExit);
    QCOMPARE(zarel.exitCode(), exitCode);
    const QString printed = printedText(exitCode == 0 ? zarel.readAllStandardOutput() : zarel.readAllStandardError());
    QVERIFY2(QRegularExpression(output).match(printed).hasMatch(), qPrintable(printed));
    if (printed.startsWith(QLatin1String("Usage"))) {
        // The folder named exactly zarel, with no organisation above it.
#ifdef Q_OS_WIN
        const QString configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
#else
        const QString configHome = config.path();
#endif
        QVERIFY2(printed.contains(QDir::toNativeSeparators(configHome + QStringLiteral("/zarel."))),
                 qPrintable(printed));
    }
    QVERIFY(!QFileInfo::exists(besideProgram));
    QCOMPARE(QDir(config.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());

    // One version for the panel and the simulator shipped with it.
    const QString simulator = qEnvironmentVariable("MERAX_SIM_BIN");
    if (argument == QLatin1String("--version") && !simulator.isEmpty()) {
        QProcess sim;
        sim.start(simulator, {argument});
        QVERIFY(sim.waitForFinished(10000));
        QCOMPARE(printedText(sim.readAllStandardOutput()).section(QLatin1Char(' '), 1),
                 printed.section(QLatin1Char(' '), 1));
    }
}

ZAREL_TEST_MAIN(TestMainWindow, "mainwindow")
#include "tst_mainwindow.moc"
