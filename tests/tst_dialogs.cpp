#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include "app/labelwrap.h"
#include "app/messages.h"
#include "app/settingsstore.h"
#include "connection/remotecertificate.h"
#include "dialogs/about.h"
#include "dialogs/formlancfg.h"
#include "dialogs/labels.h"
#include "dialogs/remoteaccessdialog.h"
#include "forms/panelform.h"
#include "forms/theme.h"
#include "testsupport.h"

namespace {

const char* const kProfile = "dialogtest";

QString settingsFile()
{
    return testsupport::profileSettingsPath(kProfile);
}

void writeSettings(const QVariantMap& values)
{
    testsupport::writeSettings(settingsFile(), values);
}

QByteArray fileBytes()
{
    return testsupport::fileBytes(settingsFile());
}

void writeBytes(const QByteArray& bytes)
{
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// Reads a copy of the file: QSettings keeps what it read of a file and would
// answer from that instead of the bytes.
QString readBack(const QString& key)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.ini"));
    return QFile::copy(settingsFile(), copy) ? SettingsStore(copy).text(key) : QStringLiteral("<no file>");
}

void makeFileReadOnly()
{
    QVERIFY(QFile::setPermissions(settingsFile(), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
}

// Triggers the menu action and returns the one dialog it opened.
template<class Dialog>
Dialog* open(MainWindow& w, QAction* action)
{
    const QList<Dialog*> before = w.findChildren<Dialog*>();
    action->trigger();
    const QList<Dialog*> after = w.findChildren<Dialog*>();
    if (after.size() != before.size() + 1) {
        return nullptr;
    }
    for (Dialog* dialog : after) {
        if (!before.contains(dialog)) {
            return dialog;
        }
    }
    return nullptr;
}

void runDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The 29 keys of the captions editor with the editor or field of each.
QList<QPair<QString, QString>> captionKeys()
{
    QList<QPair<QString, QString>> keys;
    for (int n = 1; n <= 12; ++n) {
        keys.append({QStringLiteral("K%1").arg(n), QStringLiteral("teA%1").arg(n)});
    }
    for (int n = 1; n <= 8; ++n) {
        keys.append({QStringLiteral("GPI%1").arg(n), QStringLiteral("teGPI%1").arg(n)});
    }
    for (int n = 1; n <= 8; ++n) {
        keys.append({QStringLiteral("GPO%1").arg(n), QStringLiteral("teGPO%1").arg(n)});
    }
    keys.append({QStringLiteral("ID"), QStringLiteral("lineEditID")});
    return keys;
}

QString editorText(QDialog* dialog, const QString& name)
{
    if (auto* editor = dialog->findChild<QTextEdit*>(name)) {
        return editor->toPlainText();
    }
    if (auto* field = dialog->findChild<QLineEdit*>(name)) {
        return field->text();
    }
    return QStringLiteral("<missing %1>").arg(name);
}

void setEditorText(QDialog* dialog, const QString& name, const QString& text)
{
    if (auto* editor = dialog->findChild<QTextEdit*>(name)) {
        editor->setPlainText(text);
    } else if (auto* field = dialog->findChild<QLineEdit*>(name)) {
        field->setText(text);
    } else {
        QFAIL(qPrintable(name));
    }
}

QPushButton* lanButton(QDialog* dialog, QDialogButtonBox::StandardButton which)
{
    auto* box = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    return box != nullptr ? box->button(which) : nullptr;
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void everyDialogIsModelessAndNew_data();
    void everyDialogIsModelessAndNew();

    void labelsForm();
    void labelsLoadsFile_data();
    void labelsLoadsFile();
    void labelsOkStoresAsTyped_data();
    void labelsOkStoresAsTyped();
    void labelsOkWritesAllKeys();
    void labelsClosedWithoutSaving_data();
    void labelsClosedWithoutSaving();
    void labelsOkOnReadOnlyFile();
    void labelsOkKeepsHandTypedText_data();
    void labelsOkKeepsHandTypedText();
    void labelsLongId_data();
    void labelsLongId();

    void aboutDialog();
    void aboutQt();

    void lanForm_data();
    void lanForm();
    void lanOkStoresAndResolves_data();
    void lanOkStoresAndResolves();
    void lanRefusesBadEntries_data();
    void lanRefusesBadEntries();
    void lanCancelStoresNothing();
    void lanRadioStoresAtOnce();
    void lanOkWhileConnected();
    void lanOkOnReadOnlyFile();

    void remoteOkChecksThenStoresAndServes_data();
    void remoteOkChecksThenStoresAndServes();

private:
    QStringList warnings;
};

void TestDialogs::init()
{
    connected = false;
    QFile::remove(settingsFile());
    warnings.clear();
    messages::setWarningHandler([this](QWidget*, const QString& title, const QString& text) {
        warnings.append(title + QLatin1Char('|') + text);
    });
    testsupport::capturedWarnings().clear();
}

void TestDialogs::cleanup()
{
    connected = false;
    messages::setWarningHandler({});
    QFile::setPermissions(settingsFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::remove(settingsFile());
}

void TestDialogs::everyDialogIsModelessAndNew_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("title");
    QTest::newRow("labels") << "actionLabels"
                            << "labels"
                            << "Merax Label Config";
    QTest::newRow("about") << "actionAbout_Quorvan"
                           << "about"
                           << "About Quorvan";
    QTest::newRow("LAN settings") << "actionLAN_Settings"
                                  << "formLanCFG"
                                  << "Merax LAN Settings";
}

void TestDialogs::everyDialogIsModelessAndNew()
{
    QFETCH(QString, actionName);
    QFETCH(QString, className);
    QFETCH(QString, title);
    MainWindow w;
    auto* action = w.findChild<QAction*>(actionName);
    QVERIFY(action != nullptr);
    QDialog* first = open<QDialog>(w, action);
    QDialog* second = open<QDialog>(w, action);
    QVERIFY(first != nullptr && second != nullptr && first != second);
    for (QDialog* dialog : {first, second}) {
        QCOMPARE(QString::fromLatin1(dialog->metaObject()->className()), className);
        QCOMPARE(dialog->objectName(), className);
        QCOMPARE(dialog->parent(), &w);
        QCOMPARE(dialog->windowTitle(), title);
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
    }
    for (const QString& message : testsupport::capturedWarnings()) {
        QVERIFY2(!message.contains(QLatin1String("connectSlotsByName")), qPrintable(message));
    }

    // Closing with the title-bar button releases each of them.
    QPointer<QDialog> firstAlive(first);
    QPointer<QDialog> secondAlive(second);
    first->close();
    second->close();
    runDeferredDeletes();
    QVERIFY(firstAlive.isNull());
    QVERIFY(secondAlive.isNull());
}

void TestDialogs::labelsForm()
{
    MainWindow w;
    labels* dialog = open<labels>(w, w.ui->actionLabels);
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->size(), QSize(1056, 359));
    QCOMPARE(dialog->styleSheet(), dialogStyleSheet());
    QCOMPARE(dialog->font().pointSize(), 10);
    auto* id = dialog->findChild<QLineEdit*>(QStringLiteral("lineEditID"));
    QVERIFY(id != nullptr);
    QCOMPARE(id->maxLength(), 50);
    QCOMPARE(id->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    for (const auto& key : captionKeys()) {
        QCOMPARE(editorText(dialog, key.second), QString());
    }
    const QList<QPair<QString, QString>> captions = {
        {"labelID", "ID:"},        {"label_A1", "Ant 1"},    {"label_A6", "Ant 6"},
        {"label_A6_2", "Ant 7"},   {"label_A6_7", "Ant 12"}, {"label_A1_10", " GPI 1"},
        {"label_A1_17", " GPI 8"}, {"label_A1_2", " GPO 1"}, {"label_A1_9", " GPO 8"},
    };
    for (const auto& caption : captions) {
        auto* label = dialog->findChild<QLabel*>(caption.first);
        QVERIFY2(label != nullptr, qPrintable(caption.first));
        QCOMPARE(label->text(), caption.second);
    }
    auto* antenna12 = dialog->findChild<QTextEdit*>(QStringLiteral("teA12"));
    QCOMPARE(antenna12->geometry(), QRect(920, 80, 71, 61));
    QCOMPARE(antenna12->lineWrapMode(), QTextEdit::FixedColumnWidth);
    QCOMPARE(antenna12->lineWrapColumnOrWidth(), 5);
    QCOMPARE(dialog->findChild<QTextEdit*>(QStringLiteral("teGPO8"))->parentWidget()->objectName(),
             QStringLiteral("frameGPOs"));
    QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("botaoOK"))->text(), QStringLiteral("OK"));
    QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("botaoCancel"))->text(), QStringLiteral("Cancel"));
}

void TestDialogs::labelsLoadsFile_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("value");
    QTest::newRow("antenna") << "K3"
                             << "teA3"
                             << "Dipole";
    QTest::newRow("GPI with line break") << "GPI2"
                                         << "teGPI2"
                                         << "AB\nCD";
    QTest::newRow("GPO non-Latin-1") << "GPO7"
                                     << "teGPO7" << QString::fromUtf8("Ω-Beam");
    // Shown as typed, not taken for markup.
    QTest::newRow("markup-like caption") << "K9"
                                         << "teA9"
                                         << "<b>9</b>";
    QTest::newRow("ID") << "ID"
                        << "lineEditID" << QString::fromUtf8("Station Süd");
}

void TestDialogs::labelsLoadsFile()
{
    QFETCH(QString, key);
    QFETCH(QString, editor);
    QFETCH(QString, value);
    writeSettings({{key, value}});
    MainWindow w;
    labels* dialog = open<labels>(w, w.ui->actionLabels);
    QVERIFY(dialog != nullptr);
    QCOMPARE(editorText(dialog, editor), value);
}

void TestDialogs::labelsOkStoresAsTyped_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("panelWidget");
    QTest::addColumn<QString>("shown");
    QTest::newRow("antenna wrapped") << "teA1"
                                     << "K1"
                                     << "ANTENNA 1"
                                     << "botaoTecla1"
                                     << "ANTEN\nNA 1";
    QTest::newRow("umlaut") << "teA12"
                            << "K12" << QString::fromUtf8("Süd") << "botaoTecla12" << QString::fromUtf8("Süd");
    QTest::newRow("beyond Latin-1") << "teGPO3"
                                    << "GPO3" << QString::fromUtf8("Ω-Beam") << "botaoGPO3"
                                    << QString::fromUtf8("Ω-Bea\nm");
    QTest::newRow("own line break") << "teGPI8"
                                    << "GPI8"
                                    << "AB\nCDEFGHIJ"
                                    << "botaoGPI8"
                                    << "AB\nCDEFG\nHIJ";
    QTest::newRow("markup-like") << "teA5"
                                 << "K5"
                                 << "<i>x</i>"
                                 << "botaoTecla5"
                                 << "<i>x<\n/i>";
    QTest::newRow("ID exactly") << "lineEditID"
                                << "ID" << QString::fromUtf8("Zarel Süd — Ω 1234567890") << "labelID"
                                << QString::fromUtf8("Zarel Süd — Ω 1234567890");
}

void TestDialogs::labelsOkStoresAsTyped()
{
    QFETCH(QString, editor);
    QFETCH(QString, key);
    QFETCH(QString, typed);
    QFETCH(QString, panelWidget);
    QFETCH(QString, shown);
    MainWindow w;
    labels* dialog = open<labels>(w, w.ui->actionLabels);
    QVERIFY(dialog != nullptr);
    QPointer<labels> alive(dialog);
    setEditorText(dialog, editor, typed);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("botaoOK")), Qt::LeftButton);

    // The panel shows it at once; the file holds it exactly.
    QCOMPARE(w.findChild<QWidget*>(panelWidget)->property("text").toString(), shown);
    QCOMPARE(readBack(key), typed);

    // Hidden now, released once the click has been delivered.
    QVERIFY(!alive.isNull());
    QVERIFY(dialog->isHidden());
    runDeferredDeletes();
    QVERIFY(alive.isNull());
}

void TestDialogs::labelsOkWritesAllKeys()
{
    writeSettings({{"IP", "127.0.0.1"}, {"GPI1R", 200}});
    MainWindow w;
    labels* dialog = open<labels>(w, w.ui->actionLabels);
    QVERIFY(dialog != nullptr);
    const auto keys = captionKeys();
    for (int i = 0; i < keys.size(); ++i) {
        setEditorText(dialog, keys.at(i).second, QStringLiteral("v%1").arg(i));
    }
    setEditorText(dialog, QStringLiteral("teA4"), QString()); // an emptied editor is stored empty
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("botaoOK")), Qt::LeftButton);

    const QSettings file(settingsFile(), QSettings::IniFormat);
    QStringList expectedKeys {QStringLiteral("IP"), QStringLiteral("GPI1R")};
    for (int i = 0; i < keys.size(); ++i) {
        const QString expected = keys.at(i).first == QLatin1String("K4") ? QString() : QStringLiteral("v%1").arg(i);
        QVERIFY2(file.contains(keys.at(i).first), qPrintable(keys.at(i).first));
        QCOMPARE(file.value(keys.at(i).first).toString(), expected);
        expectedKeys.append(keys.at(i).first);
    }
    QStringList stored = file.allKeys();
    stored.sort();
    expectedKeys.sort();
    QCOMPARE(stored, expectedKeys);
    // Other settings survive and are applied again.
    QCOMPARE(testsupport::linkAddressOf(&w), QStringLiteral("127.0.0.1"));
    QCOMPARE(w.gpioColors[0], QColor(200, 0, 0));
    QCOMPARE(w.ui->labelID->text(), QStringLiteral("v28"));
    QCOMPARE(w.ui->botaoGPO8->text(), QStringLiteral("v27"));
}

void TestDialogs::labelsClosedWithoutSaving_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Esc") << "escape";
    QTest::newRow("close button") << "close";
}

void TestDialogs::labelsClosedWithoutSaving()
{
    QFETCH(QString, how);
    writeSettings({{"K1", "Old"}});
    const QByteArray before = fileBytes();
    MainWindow w;
    labels* dialog = open<labels>(w, w.ui->actionLabels);
    QVERIFY(dialog != nullptr);
    QPointer<labels> alive(dialog);
    setEditorText(dialog, QStringLiteral("teA1"), QStringLiteral("New"));
    setEditorText(dialog, QStringLiteral("lineEditID"), QStringLiteral("New ID"));
    if (how == QLatin1String("cancel")) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("botaoCancel")), Qt::LeftButton);
    } else if (how == QLatin1String("escape")) {
        QTest::keyClick(dialog, Qt::Key_Escape);
    } else {
        dialog->close();
    }
    runDeferredDeletes();
    QVERIFY(alive.isNull());
    QCOMPARE(fileBytes(), before);
    QCOMPARE(w.ui->botaoTecla1->text(), QStringLiteral("Old"));
    QCOMPARE(w.ui->labelID->text(), QString());
}

void TestDialogs::labelsOkOnReadOnlyFile()
{
    writeSettings({{"K1", "Old"}});
    makeFileReadOnly();
    const QByteArray before = fileBytes();
    MainWindow w;
    labels* dialog = open<labels>(w, w.ui->actionLabels);
    QVERIFY(dialog != nullptr);
    QPointer<labels> alive(dialog);
    setEditorText(dialog, QStringLiteral("teA1"), QString::fromUtf8("Süd"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("botaoOK")), Qt::LeftButton);
    runDeferredDeletes();

    QCOMPARE(fileBytes(), before);
    QVERIFY2(w.ui->statusBar->currentMessage().startsWith(QLatin1String("Settings NOT saved")),
             qPrintable(w.ui->statusBar->currentMessage()));
    QCOMPARE(w.ui->botaoTecla1->text(), QStringLiteral("Old"));
    // Still open with what was typed, for another try or Cancel.
    QVERIFY(!alive.isNull());
    QVERIFY(dialog->isVisible());
    QCOMPARE(editorText(dialog, QStringLiteral("teA1")), QString::fromUtf8("Süd"));
}

void TestDialogs::labelsOkKeepsHandTypedText_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("everyKey"); // the file holds all the dialog's keys: nothing to write
    QTest::newRow("UTF-8 ID") << QByteArray("ID=Esta\xc3\xa7\xc3\xa3o") << QString::fromUtf8("Estação") << false;
    QTest::newRow("old escapes") << QByteArray("K2=S\\xfc\\x64 \\x3a9") << QString::fromUtf8("Süd Ω") << false;
    QTest::newRow("comma and blank") << QByteArray("K3=40m, 20m") << QStringLiteral("40m, 20m") << false;
    QTest::newRow("trailing comma") << QByteArray("GPI2=a,") << QStringLiteral("a,") << false;
    QTest::newRow("UTF-8 ID with comma") << QByteArray("ID=S\xc3\xbc\x64,Norte") << QString::fromUtf8("Süd,Norte")
                                         << false;
    QTest::newRow("nothing to write") << QByteArray("K12=40m,20m") << QStringLiteral("40m,20m") << true;
}

void TestDialogs::labelsOkKeepsHandTypedText()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, typed);
    QFETCH(bool, everyKey);
    const QString key = QString::fromLatin1(line.left(line.indexOf('=')));
    QByteArray contents = "[General]\n" + line + "\n";
    QString editor;
    for (const auto& other : captionKeys()) {
        if (other.first == key) {
            editor = other.second;
        } else if (everyKey) {
            contents += other.first.toLatin1() + "=\n";
        }
    }
    writeBytes(contents);
    // ID is labelID, K3 botaoTecla3, GPI2 botaoGPI2.
    const bool id = key == QLatin1String("ID");
    const QString panel = id ? QStringLiteral("labelID") : "botao" + QString(key).replace("K", "Tecla");
    const QString shown = id ? typed : wrapLabelText(typed);
    MainWindow w;
    QCOMPARE(w.findChild<QWidget*>(panel)->property("text").toString(), shown);
    labels* dialog = open<labels>(w, w.ui->actionLabels);
    QVERIFY(dialog != nullptr);
    QCOMPARE(editorText(dialog, editor), typed);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("botaoOK")), Qt::LeftButton);

    QCOMPARE(w.findChild<QWidget*>(panel)->property("text").toString(), shown);
    QCOMPARE(readBack(key), typed);
    // A file that holds every key already is not written.
    if (everyKey) {
        QCOMPARE(fileBytes(), contents);
    }
}

void TestDialogs::labelsLongId_data()
{
    const QString longId = QString::fromUtf8("Estação-Zarel-").repeated(6); // 84 characters
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("backspaces");
    QTest::addColumn<QString>("typing");
    QTest::addColumn<QString>("kept");
    QTest::newRow("long, not edited") << longId << 0 << QString() << longId;
    QTest::newRow("long, typing stops at its length") << longId << 1 << QStringLiteral("XYZ") << longId.left(83) + "X";
    QTest::newRow("long, shortened") << longId << 40 << QString() << longId.left(44);
    QTest::newRow("short, typing stops at 50")
        << QStringLiteral("abc") << 0 << QString(60, QLatin1Char('x')) << "abc" + QString(47, QLatin1Char('x'));
}

void TestDialogs::labelsLongId()
{
    QFETCH(QString, stored);
    QFETCH(int, backspaces);
    QFETCH(QString, typing);
    QFETCH(QString, kept);
    writeBytes("[General]\nID=" + stored.toUtf8() + "\n");
    MainWindow w;
    labels* dialog = open<labels>(w, w.ui->actionLabels);
    QVERIFY(dialog != nullptr);
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("lineEditID"));
    QCOMPARE(field->text(), stored);
    field->end(false);
    for (int i = 0; i < backspaces; ++i) {
        QTest::keyClick(field, Qt::Key_Backspace);
    }
    QTest::keyClicks(field, typing);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("botaoOK")), Qt::LeftButton);

    QCOMPARE(w.ui->labelID->text(), kept);
    QCOMPARE(readBack(QStringLiteral("ID")), kept);
}

void TestDialogs::aboutDialog()
{
    MainWindow w;
    about* dialog = open<about>(w, w.ui->actionAbout_Quorvan);
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->size(), QSize(553, 300));
    QVERIFY(dialog->findChildren<QPushButton*>().isEmpty());
    struct Expected
    {
        const char* name;
        QRect geometry;
        int points; // -1: not set
        bool bold;
        QString text;
    };
    const Expected expected[] = {
        {"labelLogo", QRect(90, 110, 311, 111), -1, false, QString()},
        {"labelTopo", QRect(30, 20, 511, 41), 20, true, QStringLiteral("Zarel :  Merax Remote Control")},
        {"labelVersion", QRect(150, 60, 331, 31), 16, false, QStringLiteral("Version: 1.1.2 (12/2019)")},
        {"label", QRect(10, 232, 533, 24), 12, false,
         QString::fromUtf8("Copyright © 2019 Zarel Radio Systems. All rights reserved.")},
        {"label_2", QRect(10, 262, 533, 24), 12, false, QStringLiteral("www.zarel-radio.example")},
    };
    for (const Expected& e : expected) {
        auto* label = dialog->findChild<QLabel*>(QString::fromLatin1(e.name));
        QVERIFY2(label != nullptr, e.name);
        QCOMPARE(label->geometry(), e.geometry);
        QCOMPARE(label->text(), e.text);
        QCOMPARE(label->font().bold(), e.bold);
        if (e.points > 0) {
            QCOMPARE(label->font().pointSize(), e.points);
        }
    }
    auto* logo = dialog->findChild<QLabel*>(QStringLiteral("labelLogo"));
    QCOMPARE(logo->styleSheet(), QStringLiteral("image: url(:/images/Logomarca.png);"));
    QVERIFY(QFile::exists(QStringLiteral(":/images/Logomarca.png")));
    QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("label_2"))->textFormat(), Qt::PlainText);
}

void TestDialogs::aboutQt()
{
    MainWindow w;
    QString title;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            box->close();
        }
    });
    closer.start(10);
    w.ui->actionAbout->trigger(); // returns once the modal box is closed
    closer.stop();
    QCOMPARE(title, QStringLiteral("About Qt"));
}

void TestDialogs::lanForm_data()
{
    QTest::addColumn<bool>("ipDirectly");
    QTest::newRow("looked up") << false;
    QTest::newRow("used directly") << true;
}

void TestDialogs::lanForm()
{
    QFETCH(bool, ipDirectly);
    writeSettings({{"IP", "http://127.0.0.1"}, {"PORT", "5000"}, {"IPdir", ipDirectly}});
    MainWindow w;
    formLanCFG* dialog = open<formLanCFG>(w, w.ui->actionLAN_Settings);
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->size(), QSize(400, 221));
    QCOMPARE(dialog->styleSheet(), dialogStyleSheet());
    QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("lineEditIP"))->text(), QStringLiteral("http://127.0.0.1"));
    QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("lineEditPort"))->text(), QStringLiteral("5000"));
    auto* radio = dialog->findChild<QRadioButton*>(QStringLiteral("radioButton"));
    QCOMPARE(radio->text(), QStringLiteral("Directly use IP"));
    QCOMPARE(radio->isChecked(), ipDirectly);
    QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("label"))->text(),
             QStringLiteral("Insert the Merax's IP and port in use:"));
    auto* box = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    QCOMPARE(box->orientation(), Qt::Vertical);
    QCOMPARE(box->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
}

void TestDialogs::lanOkStoresAndResolves_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("hostText");
    QTest::newRow("address") << "127.0.0.1"
                             << "5000"
                             << "127.0.0.1";
    QTest::newRow("prefix kept in the file") << "http://127.0.0.1"
                                             << "1"
                                             << "127.0.0.1";
    QTest::newRow("host name") << "localhost"
                               << "65535"
                               << "localhost";
}

void TestDialogs::lanOkStoresAndResolves()
{
    QFETCH(QString, host);
    QFETCH(QString, port);
    QFETCH(QString, hostText);
    writeSettings({{"K2", "Loop"}});
    MainWindow w;
    QCOMPARE(testsupport::linkAddressOf(&w), QStringLiteral("error"));
    formLanCFG* dialog = open<formLanCFG>(w, w.ui->actionLAN_Settings);
    QVERIFY(dialog != nullptr);
    QPointer<formLanCFG> alive(dialog);
    setEditorText(dialog, QStringLiteral("lineEditIP"), host);
    setEditorText(dialog, QStringLiteral("lineEditPort"), port);
    QTest::mouseClick(lanButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);

    QVERIFY(warnings.isEmpty());
    const QSettings file(settingsFile(), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("IP")).toString(), host);
    QCOMPARE(file.value(QStringLiteral("PORT")).toString(), port);
    QCOMPARE(w.hostText, hostText);
    QCOMPARE(w.devicePort, port);
    QVERIFY(QHostAddress(testsupport::linkAddressOf(&w)).isLoopback());
    QVERIFY(w.ui->statusBar->currentMessage() != QLatin1String("HOST error: check LAN Settings!"));
    QCOMPARE(w.ui->botaoTecla2->text(), QStringLiteral("Loop"));

    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(dialog->isHidden());
    QVERIFY(!alive.isNull());
    runDeferredDeletes();
    QVERIFY(alive.isNull());
}

void TestDialogs::lanRefusesBadEntries_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("direct");
    QTest::newRow("host name used directly") << "localhost"
                                             << "5000" << true;
    QTest::newRow("empty host") << ""
                                << "5000" << false;
    QTest::newRow("blank host") << "   "
                                << "5000" << false;
    QTest::newRow("prefix only") << "http://"
                                 << "5000" << false;
    QTest::newRow("port 0") << "127.0.0.1"
                            << "0" << false;
    QTest::newRow("port 65536") << "127.0.0.1"
                                << "65536" << false;
    QTest::newRow("negative port") << "127.0.0.1"
                                   << "-1" << false;
    QTest::newRow("port not a number") << "127.0.0.1"
                                       << "50a" << false;
    QTest::newRow("empty port") << "127.0.0.1"
                                << "" << false;
}

void TestDialogs::lanRefusesBadEntries()
{
    QFETCH(QString, host);
    QFETCH(QString, port);
    QFETCH(bool, direct);
    writeSettings({{"IP", "127.0.0.2"}, {"PORT", "4000"}, {"IPdir", direct}});
    const QByteArray before = fileBytes();
    MainWindow w;
    formLanCFG* dialog = open<formLanCFG>(w, w.ui->actionLAN_Settings);
    QVERIFY(dialog != nullptr);
    QPointer<formLanCFG> alive(dialog);
    setEditorText(dialog, QStringLiteral("lineEditIP"), host);
    setEditorText(dialog, QStringLiteral("lineEditPort"), port);
    QTest::mouseClick(lanButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    runDeferredDeletes();

    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().startsWith(QLatin1String("Merax LAN Settings|")), qPrintable(warnings.first()));
    QVERIFY(warnings.first().size() > int(qstrlen("Merax LAN Settings|")));
    QVERIFY(!alive.isNull());
    QVERIFY(dialog->isVisible());
    QCOMPARE(fileBytes(), before);
    QCOMPARE(w.devicePort, QStringLiteral("4000"));

    // Corrected, the same dialog is accepted.
    setEditorText(dialog, QStringLiteral("lineEditIP"), QStringLiteral("127.0.0.1"));
    setEditorText(dialog, QStringLiteral("lineEditPort"), QStringLiteral("4001"));
    QTest::mouseClick(lanButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(w.devicePort, QStringLiteral("4001"));
    runDeferredDeletes();
    QVERIFY(alive.isNull());
}

void TestDialogs::lanCancelStoresNothing()
{
    writeSettings({{"IP", "127.0.0.1"}, {"PORT", "4000"}});
    const QByteArray before = fileBytes();
    MainWindow w;
    formLanCFG* dialog = open<formLanCFG>(w, w.ui->actionLAN_Settings);
    QVERIFY(dialog != nullptr);
    QPointer<formLanCFG> alive(dialog);
    setEditorText(dialog, QStringLiteral("lineEditIP"), QStringLiteral("localhost"));
    setEditorText(dialog, QStringLiteral("lineEditPort"), QStringLiteral("0"));
    QTest::mouseClick(lanButton(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
    runDeferredDeletes();
    QVERIFY(alive.isNull());
    QVERIFY(warnings.isEmpty());
    QCOMPARE(fileBytes(), before);
    QCOMPARE(w.hostText, QStringLiteral("127.0.0.1"));
}

void TestDialogs::lanRadioStoresAtOnce()
{
    writeSettings({{"IP", "127.0.0.1"}, {"PORT", "4000"}});
    MainWindow w;
    QVERIFY(!w.useIpDirectly);
    formLanCFG* dialog = open<formLanCFG>(w, w.ui->actionLAN_Settings);
    QVERIFY(dialog != nullptr);
    auto* radio = dialog->findChild<QRadioButton*>(QStringLiteral("radioButton"));
    QVERIFY(!radio->isChecked());
    radio->click();
    QVERIFY(w.useIpDirectly);
    QVERIFY(QSettings(settingsFile(), QSettings::IniFormat).value(QStringLiteral("IPdir")).toBool());
    QTest::mouseClick(lanButton(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
    runDeferredDeletes();
    QVERIFY(w.useIpDirectly);
    QVERIFY(QSettings(settingsFile(), QSettings::IniFormat).value(QStringLiteral("IPdir")).toBool());

    // The next dialog shows the choice, and switches it off again.
    formLanCFG* next = open<formLanCFG>(w, w.ui->actionLAN_Settings);
    QVERIFY(next != nullptr);
    auto* nextRadio = next->findChild<QRadioButton*>(QStringLiteral("radioButton"));
    QVERIFY(nextRadio->isChecked());
    nextRadio->click();
    QVERIFY(!nextRadio->isChecked());
    QVERIFY(!w.useIpDirectly);
    QVERIFY(!QSettings(settingsFile(), QSettings::IniFormat).value(QStringLiteral("IPdir")).toBool());
}

void TestDialogs::lanOkWhileConnected()
{
    writeSettings({{"IP", "127.0.0.1"}, {"PORT", "4000"}});
    MainWindow w;
    formLanCFG* dialog = open<formLanCFG>(w, w.ui->actionLAN_Settings);
    QVERIFY(dialog != nullptr);
    // Connected while the dialog was open.
    connected = true;
    w.ui->actionConnect_to_Merax->setEnabled(false);
    QTest::mouseClick(lanButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    const bool connectEnabled = w.ui->actionConnect_to_Merax->isEnabled();
    connected = false;
    QVERIFY(!connectEnabled);
}

void TestDialogs::lanOkOnReadOnlyFile()
{
    writeSettings({{"IP", "localhost"}, {"PORT", "4000"}});
    makeFileReadOnly();
    const QByteArray before = fileBytes();
    MainWindow w;
    formLanCFG* dialog = open<formLanCFG>(w, w.ui->actionLAN_Settings);
    QVERIFY(dialog != nullptr);
    QPointer<formLanCFG> alive(dialog);
    setEditorText(dialog, QStringLiteral("lineEditIP"), QStringLiteral("127.0.0.1"));
    setEditorText(dialog, QStringLiteral("lineEditPort"), QStringLiteral("4001"));
    QTest::mouseClick(lanButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    runDeferredDeletes();

    QCOMPARE(fileBytes(), before);
    QVERIFY2(w.ui->statusBar->currentMessage().startsWith(QLatin1String("Settings NOT saved")),
             qPrintable(w.ui->statusBar->currentMessage()));
    QCOMPARE(w.devicePort, QStringLiteral("4000"));
    QVERIFY(!alive.isNull());
    QVERIFY(dialog->isVisible());
}

void TestDialogs::remoteOkChecksThenStoresAndServes_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("listen");
    QTest::addColumn<QString>("certificate");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("accepted");
    const QString missing = QDir::temp().filePath(QStringLiteral("zarel-no-such"));
    QTest::newRow("host name") << true << "localhost"
                               << ""
                               << "" << false;
    QTest::newRow("bad address while off") << false << "127.0.0.300"
                                           << ""
                                           << "" << false;
    QTest::newRow("certificate without key") << false << "127.0.0.1" << missing + ".crt"
                                             << "" << false;
    QTest::newRow("key without certificate") << true << "127.0.0.1"
                                             << "" << missing + ".key" << false;
    QTest::newRow("files not there") << true << "127.0.0.1" << missing + ".crt" << missing + ".key" << false;
    QTest::newRow("off, files kept") << false << " 127.0.0.2 " << missing + ".crt" << missing + ".key" << true;
    QTest::newRow("served, own certificate") << true << "127.0.0.1"
                                             << ""
                                             << "" << true;
}

void TestDialogs::remoteOkChecksThenStoresAndServes()
{
    QFETCH(bool, enabled);
    QFETCH(QString, listen);
    QFETCH(QString, certificate);
    QFETCH(QString, key);
    QFETCH(bool, accepted);
    if (!ZAREL_HAVE_WEBSOCKETS && enabled && accepted) {
        QSKIP("this build serves no browser panel");
    }
    const remotecertificate::Files own = remotecertificate::ownFilesFor(settingsFile());
    const auto removeOwn = qScopeGuard([&] {
        QFile::remove(own.certificate);
        QFile::remove(own.key);
    });
    writeSettings({{"K2", "Loop"}, {"Remote/Port", "1"}});
    const QByteArray before = fileBytes();
    // A port free a moment ago.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();

    MainWindow w;
    RemoteAccessDialog* dialog = open<RemoteAccessDialog>(w, w.ui->actionRemote_Access);
    QVERIFY(dialog != nullptr);
    QPointer<RemoteAccessDialog> alive(dialog);
    dialog->findChild<QCheckBox*>(QStringLiteral("checkEnabled"))->setChecked(enabled);
    setEditorText(dialog, QStringLiteral("lineEditListen"), listen);
    dialog->findChild<QSpinBox*>(QStringLiteral("spinPort"))->setValue(port);
    setEditorText(dialog, QStringLiteral("lineEditCertificate"), certificate);
    setEditorText(dialog, QStringLiteral("lineEditKey"), key);
    QTest::mouseClick(lanButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
    runDeferredDeletes();

    QTcpSocket browser;
    browser.connectToHost(QHostAddress::LocalHost, port);
    const bool reached = browser.waitForConnected(2000);
    if (!accepted) {
        QVERIFY(!alive.isNull() && dialog->isVisible());
        QVERIFY(!dialog->findChild<QLabel*>(QStringLiteral("labelProblem"))->text().isEmpty());
        QCOMPARE(fileBytes(), before);
        QVERIFY(!reached);
        return;
    }
    QVERIFY(alive.isNull());
    QCOMPARE(reached, enabled);
    QStringList keys = SettingsStore(settingsFile()).keys();
    keys.sort();
    QCOMPARE(keys,
             QStringList({"K2", "Remote/Certificate", "Remote/Enabled", "Remote/Key", "Remote/Listen", "Remote/Port"}));
    QCOMPARE(readBack(QStringLiteral("K2")), QStringLiteral("Loop"));
    QCOMPARE(readBack(QStringLiteral("Remote/Enabled")), QVariant(enabled).toString());
    QCOMPARE(readBack(QStringLiteral("Remote/Listen")), listen.trimmed());
    QCOMPARE(readBack(QStringLiteral("Remote/Port")), QString::number(port));
    QCOMPARE(readBack(QStringLiteral("Remote/Certificate")), certificate);
    QCOMPARE(readBack(QStringLiteral("Remote/Key")), key);
}

ZAREL_TEST_MAIN(TestDialogs, "dialogtest")
#include "tst_dialogs.moc"
