#include "app/locator.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace locator {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double EarthRadiusKm = 6371.0;
constexpr double CircumferenceKm = 2 * Pi * EarthRadiusKm;

// Field, square and subsquare indexes, longitude first in each pair; the
// subsquare is -1 for a 4-character locator.
struct Parts
{
    int field[2];
    int square[2];
    int subsquare[2];
};

// 0 for 'A' or 'a'; -1 past the first `count` letters or for anything else.
int letterIndex(QChar c, int count)
{
    const ushort u = c.unicode();
    int index = -1;
    if (u >= 'A' && u <= 'Z') {
        index = u - 'A';
    } else if (u >= 'a' && u <= 'z') {
        index = u - 'a';
    }
    return index < count ? index : -1;
}

int digitIndex(QChar c)
{
    const ushort u = c.unicode();
    return u >= '0' && u <= '9' ? u - '0' : -1;
}

std::optional<Parts> parse(const QString& text)
{
    const QString t = text.trimmed();
    if (t.size() != 4 && t.size() != 6) {
        return std::nullopt;
    }
    Parts parts {};
    for (int i = 0; i < 2; ++i) {
        parts.field[i] = letterIndex(t[i], 18); // A..R
        parts.square[i] = digitIndex(t[2 + i]);
        parts.subsquare[i] = t.size() == 6 ? letterIndex(t[4 + i], 24) : -1; // A..X
        if (parts.field[i] < 0 || parts.square[i] < 0 || (t.size() == 6 && parts.subsquare[i] < 0)) {
            return std::nullopt;
        }
    }
    return parts;
}

double radians(double degrees)
{
    return degrees * Pi / 180.0;
}

// Into [0, 360): rounding noise just west of north reads north, and so does
// -0, so a display never shows 360 or -0.
double bearingInRange(double degrees)
{
    if (!std::isfinite(degrees)) {
        return 0;
    }
    double b = std::fmod(degrees, 360.0);
    if (b < 0) {
        b += 360.0;
    }
    if (b == 0 || b >= 360.0 - 1e-9) {
        b = 0;
    }
    return b;
}

} // namespace

std::optional<Position> position(const QString& text)
{
    const std::optional<Parts> parts = parse(text);
    if (!parts) {
        return std::nullopt;
    }
    // Fields are 20° x 10°, squares 2° x 1°, subsquares 5' x 2.5', counted
    // from 180° W and the South Pole.
    const double size[2] = {2.0, 1.0};
    double corner[2];
    double half[2];
    for (int i = 0; i < 2; ++i) {
        corner[i] = -90.0 * (2 - i) + parts->field[i] * size[i] * 10 + parts->square[i] * size[i];
        half[i] = size[i] / 2;
        if (parts->subsquare[i] >= 0) {
            corner[i] += parts->subsquare[i] * size[i] / 24;
            half[i] = size[i] / 48;
        }
    }
    return Position {corner[1] + half[1], corner[0] + half[0]};
}

QString normalised(const QString& text)
{
    if (!parse(text)) {
        return QString();
    }
    const QString t = text.trimmed();
    return t.left(2).toUpper() + t.mid(2, 2) + t.mid(4).toLower();
}

Path shortPath(const Position& from, const Position& to)
{
    const double phi1 = radians(from.latitude);
    const double phi2 = radians(to.latitude);
    const double dLambda = radians(to.longitude - from.longitude);
    // The atan2 forms hold near the same point and near the antipode, where
    // acos of a rounded cosine loses its digits or falls outside [-1, 1].
    const double y = std::cos(phi2) * std::sin(dLambda);
    const double x = std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(dLambda);
    const double z = std::sin(phi1) * std::sin(phi2) + std::cos(phi1) * std::cos(phi2) * std::cos(dLambda);
    const double angle = std::atan2(std::hypot(x, y), z);
    if (!std::isfinite(angle) || angle < 1e-9) {
        return Path {};
    }
    return Path {bearingInRange(std::atan2(y, x) * 180.0 / Pi), angle * EarthRadiusKm};
}

Path longPath(const Position& from, const Position& to)
{
    const Path shortWay = shortPath(from, to);
    return Path {bearingInRange(shortWay.bearing + 180.0), CircumferenceKm - shortWay.distanceKm};
}

AimReading aimFromText(const QString& text, const std::optional<Position>& home, bool longPathWanted)
{
    const QString trimmed = text.trimmed();
    AimReading reading;
    if (const std::optional<Position> target = position(trimmed)) {
        if (!home) {
            reading.problem = QCoreApplication::translate("Rotators", "Set the station's locator to turn to a locator");
            return reading;
        }
        const Path path = longPathWanted ? longPath(*home, *target) : shortPath(*home, *target);
        reading.aim = Aim {path.bearing, normalised(trimmed), path.distanceKm, longPathWanted};
        return reading;
    }

    QString number = trimmed;
    // The degree sign, or the ordinal indicator some keyboards put in its place.
    if (number.endsWith(QChar(0x00B0)) || number.endsWith(QChar(0x00BA))) {
        number.chop(1);
        number = number.trimmed();
    }
    // Plain decimals only: no exponents, no "inf", no digits of other scripts.
    static const QRegularExpression decimal(QStringLiteral("^[+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)$"));
    if (!decimal.match(number).hasMatch()) {
        reading.problem = QCoreApplication::translate("Rotators", "Not a bearing or a locator: %1").arg(trimmed);
        return reading;
    }
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double degrees = QLocale::c().toDouble(number, &ok);
    if (!ok || !(degrees >= 0 && degrees <= 360)) {
        reading.problem = QCoreApplication::translate("Rotators", "Bearings go from 0° to 360°");
        return reading;
    }
    reading.aim = Aim {bearingInRange(degrees), QString(), std::nullopt, false};
    return reading;
}

} // namespace locator
