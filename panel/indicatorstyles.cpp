#include "panel/indicatorstyles.h"

#include <QtGlobal>

#include <cmath>

#include "app/settingskeys.h"

const QString& panelIdleStyle()
{
    static const QString text = QStringLiteral(
        "background-color: QLinearGradient( x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #565656, stop: 0.1 #525252, "
        "stop: 0.5 #4e4e4e, stop: 0.9 #4a4a4a, stop: 1 #464646);");
    return text;
}

const QString& panelRingStyle()
{
    static const QString text = QStringLiteral(
        "background-color: QLinearGradient( x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #565656, stop: 0.1 #525252, "
        "stop: 0.5 #4e4e4e, stop: 0.9 #4a4a4a, stop: 1 #464646);border-width: 1px;border-color: #1e1e1e;"
        "border-style: solid;border-radius: 6;padding: 0px 2px; "
        "border: 2px solid QLinearGradient( x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #ffa02f, stop: 1 #d7801a);");
    return text;
}

const QString& panelSelectedStyle()
{
    static const QString text = QStringLiteral("background-color:  rgb(255, 255, 255); color:  rgb(0, 0, 0);");
    return text;
}

const QString& panelActiveStyle()
{
    static const QString text = QStringLiteral("background-color:  rgb(254, 237, 137); color:  rgb(0, 0, 0);");
    return text;
}

const QString& panelAlarmStyle()
{
    static const QString text = QStringLiteral("background-color: rgb(255, 0, 0);");
    return text;
}

const QString& panelWaitingStyle()
{
    static const QString text = QStringLiteral(
        "background-color: QLinearGradient( x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #565656, stop: 0.1 #525252, "
        "stop: 0.5 #4e4e4e, stop: 0.9 #4a4a4a, stop: 1 #464646);border-radius: 6;padding: 0px 1px; "
        "border: 3px dashed #ffa02f;");
    return text;
}

const QString& powerFreshStyle()
{
    static const QString text =
        QStringLiteral("background-color: rgb(0, 220, 0);color: rgb(0,0,0);border-style: inset");
    return text;
}

// The panel's plain dark button gradient.
const QString& powerStaleStyle()
{
    return panelIdleStyle();
}

namespace {

// WCAG 2 relative luminance: 0 for black, 1 for white.
double relativeLuminance(int red, int green, int blue)
{
    const auto linear = [](int component) {
        const double c = qBound(0, component, 255) / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue);
}

} // namespace

QString colourStyleText(int red, int green, int blue)
{
    // The operator may pick any colour, so the caption takes black or white,
    // whichever has the higher WCAG 2 contrast ratio (L1 + 0.05) / (L2 + 0.05)
    // against it: black (L = 0) above L = 0.179, white below. The better of
    // the two never falls under 4.58:1, so every caption gets 4.5:1.
    // Guessing from single components put black on dark red (1.9:1).
    const double background = relativeLuminance(red, green, blue);
    const double onBlack = (background + 0.05) / 0.05;
    const double onWhite = 1.05 / (background + 0.05);
    return QStringLiteral("background-color: rgb(") + QString::number(red) + QStringLiteral(", ") +
        QString::number(green) + QStringLiteral(", ") + QString::number(blue) +
        (onBlack >= onWhite ? QStringLiteral("); color:  rgb(0, 0, 0);")
                            : QStringLiteral("); color:  rgb(255, 255, 255);"));
}
