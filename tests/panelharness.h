#ifndef ZAREL_PANELHARNESS_H
#define ZAREL_PANELHARNESS_H

// Shared by the panel's window tests: a fresh main window per test, the
// commands it queues, and the style texts an indicator may carry, written out
// here independently of the program's own copies.
#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QString>
#include <QTest>
#include <QVariantMap>

#include <algorithm>
#include <cmath>
#include <memory>

#include "app/mainwindow.h"
#include "forms/panelform.h"
#include "seams.h"

namespace harness {

const QString idle = QStringLiteral(
    "background-color: QLinearGradient( x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #565656, stop: 0.1 #525252, stop: 0.5 "
    "#4e4e4e, stop: 0.9 #4a4a4a, stop: 1 #464646);");
const QString ring = QStringLiteral(
    "background-color: QLinearGradient( x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #565656, stop: 0.1 #525252, stop: 0.5 "
    "#4e4e4e, stop: 0.9 #4a4a4a, stop: 1 #464646);border-width: 1px;border-color: #1e1e1e;border-style: "
    "solid;border-radius: 6;padding: 0px 2px; border: 2px solid "
    "QLinearGradient( x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #ffa02f, stop: 1 #d7801a);");
const QString selected = QStringLiteral("background-color:  rgb(255, 255, 255); color:  rgb(0, 0, 0);");
const QString active = QStringLiteral("background-color:  rgb(254, 237, 137); color:  rgb(0, 0, 0);");
const QString alarm = QStringLiteral("background-color: rgb(255, 0, 0);");
// POWER while reports arrive; without them it is idle.
const QString powerOn = QStringLiteral("background-color: rgb(0, 220, 0);color: rgb(0,0,0);border-style: inset");
// Marks a widget so a test can tell whether anything painted it.
const QString untouched = QStringLiteral("/* untouched */");

// Relative luminance of an sRGB colour after WCAG 2: 0 for black, 1 for white.
inline double luminance(int r, int g, int b)
{
    const auto linear = [](int component) {
        const double c = component / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
}

// WCAG 2 contrast ratio of two luminances, 1 to 21, in either order.
inline double contrast(double first, double second)
{
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// A lit GPIO button: black or white text, whichever contrasts more.
inline QString colour(int r, int g, int b)
{
    const double background = luminance(r, g, b);
    const bool blackText = contrast(background, 0.0) >= contrast(background, 1.0);
    return QStringLiteral("background-color: rgb(%1, %2, %3); color:  rgb(%4);")
        .arg(r)
        .arg(g)
        .arg(b)
        .arg(blackText ? QStringLiteral("0, 0, 0") : QStringLiteral("255, 255, 255"));
}

// The indicators in the order the panel resets them.
inline QStringList indicatorNames()
{
    QStringList names;
    const auto add = [&names](const char* stem, int count) {
        for (int n = 1; n <= count; ++n) {
            names << QString::fromLatin1(stem) + QString::number(n);
        }
    };
    add("botaoTecla", 12);
    add("botaoBusy", 12);
    names << QStringLiteral("botaoSplit") << QStringLiteral("botaoSend");
    add("botaoRotor", 8);
    names << QStringLiteral("botaoTeclaRTX");
    add("botaoTeclaRX", 4);
    add("botaoGPI", 8);
    add("botaoGPO", 8);
    return names;
}

inline QByteArray bytes(const char* hex)
{
    return QByteArray::fromHex(hex);
}

// One main window with its commands recorded. Polls (FE 01 FD) from the
// polling thread are left out: they are not the panel's doing.
class Panel
{
public:
    // The profile is the one the test executable was started with; the
    // window starts from a settings file holding only the given keys.
    explicit Panel(const QVariantMap& stored = {})
        : settingsFile(QCoreApplication::applicationDirPath() + QStringLiteral("/settings") +
                       QCoreApplication::arguments().value(1) + QStringLiteral(".ini"))
    {
        QFile::remove(settingsFile);
        if (!stored.isEmpty()) {
            QSettings file(settingsFile, QSettings::IniFormat);
            for (auto it = stored.constBegin(); it != stored.constEnd(); ++it) {
                file.setValue(it.key(), it.value());
            }
        }
        connected = false;
        splitConfigPending = false;
        // Far in the future: the watchdog stays quiet whatever the test does.
        lastReportTime = QDateTime::currentMSecsSinceEpoch() + 3600 * 1000;
        window = std::make_unique<MainWindow>();
    }

    ~Panel()
    {
        connected = false;
        splitConfigPending = false;
        window.reset();
        QFile::remove(settingsFile);
    }

    MainWindow& w() { return *window; }
    PanelForm& ui() { return *window->ui; }
    QPushButton* button(const QString& name) { return window->findChild<QPushButton*>(name); }
    QString style(const QString& name) { return button(name)->styleSheet(); }
    QString message() { return window->ui->statusBar->currentMessage(); }

    void mark(const QStringList& names)
    {
        for (const QString& name : names) {
            button(name)->setStyleSheet(untouched);
        }
    }

    void invoke(const char* slot) { QVERIFY(QMetaObject::invokeMethod(window.get(), slot)); }
    void updateUI() { QVERIFY(QMetaObject::invokeMethod(window.get(), "updateUI", Q_ARG(MainWindow*, window.get()))); }
    void clearUI() { QVERIFY(QMetaObject::invokeMethod(window.get(), "clearUI", Q_ARG(MainWindow*, window.get()))); }

    // A left press and release, as the operator's click.
    void click(const QString& name)
    {
        QTest::mousePress(button(name), Qt::LeftButton);
        QTest::mouseRelease(button(name), Qt::LeftButton);
    }

    const QString settingsFile;
    QList<QByteArray> sent;

private:
    const ScopedCommandTap tap {[this](const QByteArray& payload) {
        if (payload != bytes("fe01fd")) {
            sent.append(payload);
        }
    }};
    std::unique_ptr<MainWindow> window;
};

// For a test class: one panel per test function, made on demand; the class's
// cleanup() drops it.
class PanelFixture
{
protected:
    Panel& makePanel(const QVariantMap& stored = {})
    {
        panel.reset(); // the old panel's tap must go before the new one is set
        panel = std::make_unique<Panel>(stored);
        return *panel;
    }

    std::unique_ptr<Panel> panel;
};

} // namespace harness

#endif // ZAREL_PANELHARNESS_H
