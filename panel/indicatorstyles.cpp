#include "panel/indicatorstyles.h"

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
        "border-style: solid;border-radius: 6;padding: 3px;font-size: 12px;padding-left: 5px;padding-right: 5px; "
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

QString colourStyleText(int red, int green, int blue)
{
    const bool light = red > 128 || green > 128 || blue > 128;
    return QStringLiteral("background-color: rgb(") + QString::number(red) + QStringLiteral(", ") +
        QString::number(green) + QStringLiteral(", ") + QString::number(blue) +
        (light ? QStringLiteral("); color:  rgb(0, 0, 0);") : QStringLiteral("); color:  rgb(255, 255, 255);"));
}
