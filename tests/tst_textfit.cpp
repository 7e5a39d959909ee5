// Every text of every form measured against the room its widget draws it in,
// with the widget's own font after the theme is applied: the panel with long
// and multi-line captions (at its design size and scaled up by the window),
// and the four dialogs. The scale factor is fixed when Qt starts, so the same
// checks also run in a child process at 125 % and 150 % (QT_SCALE_FACTOR).
// The Band Following dialog, the tallest, also keeps every control within
// reach on a laptop's screen.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTextDocument>
#include <QTextEdit>
#include <QtMath>

#include <cmath>

#include "app/languages.h"
#include "dialogs/about.h"
#include "dialogs/bandfollowdialog.h"
#include "dialogs/formlancfg.h"
#include "dialogs/labels.h"
#include "panelharness.h"
#include "testsupport.h"

namespace {

// Where a widget draws its text, in its own coordinates; null for widgets
// whose texts are not measured here.
QRect textRoom(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        const int m = label->margin();
        return label->contentsRect().adjusted(m, m, -m, -m);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        QStyle::SubElement element = QStyle::SE_PushButtonContents;
        if (qobject_cast<const QRadioButton*>(button) != nullptr) {
            element = QStyle::SE_RadioButtonContents;
        } else if (qobject_cast<const QCheckBox*>(button) != nullptr) {
            element = QStyle::SE_CheckBoxContents;
        }
        return button->style()->subElementRect(element, &option, button);
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        return combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    }
    if (const auto* edit = qobject_cast<const QTextEdit*>(widget)) {
        const int margin = qCeil(edit->document()->documentMargin());
        return QRect(QPoint(), edit->maximumViewportSize()).adjusted(margin, margin, -margin, -margin);
    }
    return QRect();
}

// The texts a widget shows, each to fit its room on its own.
QStringList shownTexts(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return {label->text()};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return {button->text()};
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) {
            items << combo->itemText(i);
        }
        return items;
    }
    if (const auto* edit = qobject_cast<const QTextEdit*>(widget)) {
        return {edit->toPlainText()};
    }
    return {};
}

// The size a text takes in the widget's real font, line feeds and word
// wrapping as the widget lays it out.
QSize textNeed(const QWidget* widget, const QString& text, const QRect& room)
{
    const QFontMetrics metrics(widget->font());
    const auto* label = qobject_cast<const QLabel*>(widget);
    const bool rich = label != nullptr &&
        (label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)));
    if (rich) {
        QTextDocument document;
        document.setDefaultFont(widget->font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        if (label->wordWrap()) {
            document.setTextWidth(room.width());
        }
        return QSize(qCeil(document.idealWidth()), qCeil(document.size().height()));
    }
    if (label != nullptr && label->wordWrap()) {
        return metrics.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, text).size();
    }
    return metrics.size(Qt::TextShowMnemonic, text);
}

// "name "text": needs WxH, has WxH" for every text under `root` that does not fit.
QStringList clippedTexts(const QWidget* root)
{
    QStringList clipped;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root) && widget != root) {
            continue;
        }
        const QRect room = textRoom(widget);
        if (room.isNull()) {
            continue;
        }
        for (const QString& text : shownTexts(widget)) {
            if (text.isEmpty()) {
                continue;
            }
            const QSize need = textNeed(widget, text, room);
            if (need.width() > room.width() || need.height() > room.height()) {
                clipped << QStringLiteral("%1 \"%2\": needs %3x%4 px, has %5x%6 (font %7 px)")
                               .arg(widget->objectName(), QString(text).replace(QLatin1Char('\n'), QLatin1Char('|')))
                               .arg(need.width())
                               .arg(need.height())
                               .arg(room.width())
                               .arg(room.height())
                               .arg(QFontInfo(widget->font()).pixelSize());
            }
        }
    }
    return clipped;
}

// Long, wide and multi-line captions; the program wraps them as it always has.
QVariantMap hardCaptions()
{
    return {
        {"GPI", true},
        {"SK", true},
        {"K1", "ONE\nTWO\nTHREE\nFOUR"},
        {"K2", "WWWWW"},
        {"K3", "DUMMYLOAD"},
        {"K12", "Beam\n20 m"},
        {"GPI1", "Door open"},
        {"GPI2", "WWWWWWWWWW"},
        {"GPO1", "Amp on"},
        {"GPO8", "MMMMMMMMMM"},
        // 50 characters, the most the Labels dialog takes, descenders included.
        {"ID", "Jolly Gypsy Quay Contest Group WWWW pjqy 123456789"},
    };
}

// Descenders at the size the window gives the station ID.
QVariantMap descenderId()
{
    return {{"ID", "gjpqy"}};
}

// What the Labels dialog shows: five-letter captions on two lines.
QVariantMap editorCaptions()
{
    QVariantMap stored {{"K1", "ALARM\nRELAY"}, {"ID", "Jolly Gypsy Quay Contest Group WWWW pjqy 123456789"}};
    for (int n = 1; n <= 8; ++n) {
        stored.insert(QStringLiteral("GPI%1").arg(n), "Door\nopen");
        stored.insert(QStringLiteral("GPO%1").arg(n), "ALARM\nRELAY");
    }
    return stored;
}

bool childRun()
{
    return qEnvironmentVariableIsSet("ZAREL_TEXTFIT_CHILD");
}

// Runs test functions of this program again with one more environment
// variable: settings Qt reads only when it starts. Empty when they passed,
// else what the child printed.
QString runChild(const QString& variable, const QString& value, const QStringList& functions)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(variable, value);
    environment.insert(QStringLiteral("ZAREL_TEXTFIT_CHILD"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), functions);
    if (!child.waitForFinished(60000)) {
        return QStringLiteral("the child run did not end");
    }
    if (child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0) {
        return QString();
    }
    // Only what failed, so that a log cut short still says which text.
    QStringList failed;
    for (const QString& line : QString::fromLocal8Bit(child.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("FAIL!")) || line.contains(QLatin1String("clipped:")) ||
            line.contains(QLatin1String("Loc: ["))) {
            failed << line;
        }
    }
    return failed.isEmpty() ? QStringLiteral("the child run failed") : failed.join(QLatin1Char('\n'));
}

// A laptop's screen at the run's scale factor, less a task bar: 1280x720,
// or 1920x1080 when scaled.
QRect laptopRoom()
{
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    const QSize screen = factor > 1 ? QSize(1920, 1080) : QSize(1280, 720);
    return QRect(0, 0, qFloor(screen.width() / factor), qFloor(screen.height() / factor) - 40);
}

} // namespace

class TestTextFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyTextWhole_data();
    void everyTextWhole();
    void wholeAtScaleFactor_data();
    void wholeAtScaleFactor();
    void wholeInEveryLanguage_data();
    void wholeInEveryLanguage();
    void bandFollowingReachable();
    void menusReachableByLetter();
    void themeColoursReadable_data();
    void themeColoursReadable();
};

void TestTextFit::initTestCase()
{
    // A child run in another language measures the translated texts.
    const QString language = qEnvironmentVariable("ZAREL_TEXTFIT_LANGUAGE");
    if (!language.isEmpty()) {
        QVERIFY(languages::install(*QCoreApplication::instance(), language));
    }
    // Measuring another family would prove nothing about the packaged one.
    QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("DejaVu Sans"));
}

void TestTextFit::everyTextWhole_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<double>("windowScale"); // the panel's own scaling
    QTest::newRow("panel, design size") << "panel" << hardCaptions() << 1.0;
    QTest::newRow("panel, 125 % window") << "panel" << hardCaptions() << 1.25;
    QTest::newRow("panel, 150 % window") << "panel" << hardCaptions() << 1.5;
    QTest::newRow("panel, ID descenders") << "panel" << descenderId() << 1.0;
    QTest::newRow("panel, plain") << "panel" << QVariantMap {{"GPI", true}, {"SK", true}} << 1.0;
    QTest::newRow("about") << "about" << QVariantMap() << 1.0;
    QTest::newRow("LAN settings") << "lan" << QVariantMap {{"IP", "192.168.100.200"}, {"PORT", "65535"}} << 1.0;
    QTest::newRow("labels") << "labels" << editorCaptions() << 1.0;
    QTest::newRow("band following") << "bandfollow" << hardCaptions() << 1.0;
}

void TestTextFit::everyTextWhole()
{
    QFETCH(QString, form);
    QFETCH(QVariantMap, stored);
    QFETCH(double, windowScale);
    // The offscreen screen is 800x600 at any scale factor, which no laptop is.
    const QRect room = laptopRoom();
    ScopedScreenRoom laptop([room](const QWidget*) { return room; });
    harness::Panel panel(stored);
    MainWindow& w = panel.w();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Proof that a child run really draws at its scale factor.
    QCOMPARE(w.devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
    QWidget* root = &w;
    if (form == QLatin1String("panel")) {
        const QSize size = designWindowSize(true, true) * windowScale;
        w.resize(size);
        QTRY_COMPARE(w.size(), size);
        // Split on: the transmit antenna stands by with the orange ring.
        w.setRingStyle(panel.ui().botaoTecla2);
        w.setRingStyle(panel.ui().botaoSplit);
    } else {
        QDialog* dialog = nullptr;
        if (form == QLatin1String("about")) {
            dialog = new about(&w);
        } else if (form == QLatin1String("lan")) {
            dialog = new formLanCFG(&w, &w);
        } else if (form == QLatin1String("labels")) {
            dialog = new labels(&w, &w);
        } else {
            dialog = new BandFollowDialog(&w, w.bandFollow(), w.settingsFilePath());
        }
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        root = dialog;
    }
    QCoreApplication::processEvents();
    const QStringList clipped = clippedTexts(root);
    for (const QString& text : clipped) {
        qWarning("clipped: %s", qPrintable(text));
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(QStringLiteral("%1 texts clipped").arg(clipped.size())));
}

void TestTextFit::wholeAtScaleFactor_data()
{
    QTest::addColumn<QString>("factor");
    QTest::newRow("125 %") << "1.25";
    QTest::newRow("150 %") << "1.5";
}

void TestTextFit::wholeAtScaleFactor()
{
    if (childRun()) {
        QSKIP("this is the run at a scale factor");
    }
    QFETCH(QString, factor);
    const QString failure = runChild(QStringLiteral("QT_SCALE_FACTOR"), factor,
                                     {QStringLiteral("everyTextWhole"), QStringLiteral("bandFollowingReachable")});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestTextFit::wholeInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : languages::available()) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

// The translations are installed before any widget exists, as the program does.
void TestTextFit::wholeInEveryLanguage()
{
    if (childRun()) {
        QSKIP("this is a child run");
    }
    QFETCH(QString, language);
    const QString failure = runChild(QStringLiteral("ZAREL_TEXTFIT_LANGUAGE"), language,
                                     {QStringLiteral("everyTextWhole"), QStringLiteral("menusReachableByLetter"),
                                      QStringLiteral("bandFollowingReachable")});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

// Opened from the menu on a laptop's screen, 1280x720 (at 150 %: 1920x1080)
// or 1920x1080 at 125 %, less a taskbar: the dialog fits it, scrolls only
// when the screen is full and only up and down, and every control and text
// in it can be scrolled into sight, with Close always in sight.
void TestTextFit::bandFollowingReachable()
{
    const QRect room = laptopRoom();
    ScopedScreenRoom laptop([room](const QWidget*) { return room; });
    harness::Panel panel(hardCaptions());
    panel.w().show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel.w()));
    panel.ui().actionBand_Following->trigger();
    auto* dialog = panel.w().findChild<BandFollowDialog*>();
    QVERIFY(dialog != nullptr && QTest::qWaitForWindowExposed(dialog));
    const QSize size = dialog->frameGeometry().size();
    const QString figures = QStringLiteral("%1x%2, least %3x%4, on %5x%6")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(dialog->minimumSizeHint().width())
                                .arg(dialog->minimumSizeHint().height())
                                .arg(room.width())
                                .arg(room.height());
    QVERIFY2(size.width() <= room.width() && size.height() <= room.height(), qPrintable(figures));
    auto* scroll = dialog->findChild<QScrollArea*>();
    if (scroll != nullptr) {
        QVERIFY2(scroll->verticalScrollBar()->maximum() == 0 || size.height() == room.height(), qPrintable(figures));
        QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
        QVERIFY(!scroll->isAncestorOf(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)));
    }
    QStringList unreachable;
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(control);
        const bool takesFocus = (control->focusPolicy() & Qt::TabFocus) && control->focusProxy() == nullptr;
        if (!control->isVisibleTo(dialog) || control == scroll || !(label ? !label->text().isEmpty() : takesFocus)) {
            continue;
        }
        QWidget* seenIn = dialog;
        if (scroll != nullptr && scroll->widget()->isAncestorOf(control)) {
            scroll->ensureWidgetVisible(control, 0, 0);
            seenIn = scroll->viewport();
        }
        if (!seenIn->rect().contains(QRect(control->mapTo(seenIn, QPoint()), control->size()))) {
            unreachable << control->objectName();
        }
    }
    QVERIFY2(unreachable.isEmpty(),
             qPrintable(figures + QStringLiteral(": ") + unreachable.join(QStringLiteral(", "))));
}

// Alt and a letter opens each menu, and the letter picks each item: one
// letter per menu bar and per menu, in whatever language the texts are.
void TestTextFit::menusReachableByLetter()
{
    harness::Panel panel;
    QList<QList<QAction*>> groups {panel.w().menuBar()->actions()};
    for (QAction* menu : groups.first()) {
        groups << menu->menu()->actions();
    }
    for (const QList<QAction*>& group : groups) {
        QStringList letters;
        for (const QAction* action : group) {
            if (action->isSeparator()) {
                continue;
            }
            const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
            QVERIFY2(!mnemonic.isEmpty(), qPrintable(action->text()));
            const QString letter = mnemonic.toString();
            QVERIFY2(!letters.contains(letter), qPrintable(action->text() + QStringLiteral(": ") + letter));
            letters << letter;
        }
    }
}

void TestTextFit::themeColoursReadable_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QPalette::ColorGroup>("group");
    QTest::addColumn<QPalette::ColorRole>("foreground");
    QTest::addColumn<QPalette::ColorRole>("background");
    QTest::newRow("disabled field") << "QLineEdit" << QPalette::Disabled << QPalette::Text << QPalette::Base;
    QTest::newRow("disabled label") << "QLabel" << QPalette::Disabled << QPalette::WindowText << QPalette::Window;
    QTest::newRow("disabled check box") << "QCheckBox" << QPalette::Disabled << QPalette::WindowText
                                        << QPalette::Window;
    QTest::newRow("disabled radio") << "QRadioButton" << QPalette::Disabled << QPalette::WindowText << QPalette::Window;
    QTest::newRow("disabled button") << "QPushButton" << QPalette::Disabled << QPalette::ButtonText << QPalette::Button;
    QTest::newRow("link") << "QLabel" << QPalette::Active << QPalette::Link << QPalette::Window;
    QTest::newRow("visited link") << "QLabel" << QPalette::Active << QPalette::LinkVisited << QPalette::Window;
}

// WCAG 2: at least 4.5:1 between text and its background, in a dialog over
// the themed window (the About Qt box is one such).
void TestTextFit::themeColoursReadable()
{
    QFETCH(QString, widget);
    QFETCH(QPalette::ColorGroup, group);
    QFETCH(QPalette::ColorRole, foreground);
    QFETCH(QPalette::ColorRole, background);
    harness::Panel panel;
    auto* dialog = new QDialog(&panel.w());
    QWidget* probe = nullptr;
    if (widget == QLatin1String("QLineEdit")) {
        probe = new QLineEdit(QStringLiteral("192.168.1.1"), dialog);
    } else if (widget == QLatin1String("QCheckBox")) {
        probe = new QCheckBox(QStringLiteral("Remember"), dialog);
    } else if (widget == QLatin1String("QRadioButton")) {
        probe = new QRadioButton(QStringLiteral("Off"), dialog);
    } else if (widget == QLatin1String("QPushButton")) {
        probe = new QPushButton(QStringLiteral("OK"), dialog);
    } else {
        probe = new QLabel(QStringLiteral("<a href=\"https://www.qt.io/\">qt.io</a>"), dialog);
    }
    probe->setEnabled(group != QPalette::Disabled);
    dialog->show();
    probe->ensurePolished();
    const QPalette palette = probe->palette();
    const QColor text = palette.color(group, foreground);
    const QColor back = palette.color(group, background);
    const double ratio = harness::contrast(harness::luminance(text.red(), text.green(), text.blue()),
                                           harness::luminance(back.red(), back.green(), back.blue()));
    QVERIFY2(ratio >= 4.5,
             qPrintable(QStringLiteral("%1 on %2: %3:1").arg(text.name(), back.name()).arg(ratio, 0, 'f', 2)));
}

ZAREL_TEST_MAIN(TestTextFit, "textfit")
#include "tst_textfit.moc"
