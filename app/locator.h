#ifndef ZAREL_LOCATOR_H
#define ZAREL_LOCATOR_H

#include <QString>

#include <optional>

// Where a rotator turns: Maidenhead locators and great-circle bearings on a
// sphere, so a beam heading can be typed as a locator instead of degrees.
namespace locator {

struct Position
{
    double latitude = 0; // degrees, north positive
    double longitude = 0; // degrees, east positive
};

// The centre of a 4- or 6-character locator ("JN58", "JN58td", any case,
// blanks around ignored); none when the text is not one.
std::optional<Position> position(const QString& text);

// "JN58td": field upper, subsquare lower, as locators are written; empty
// when the text is not a locator.
QString normalised(const QString& text);

struct Path
{
    double bearing = 0; // from true north, 0 <= bearing < 360
    double distanceKm = 0;
};

// The great circle on a sphere of mean radius 6371 km. The same point is
// 0 km at bearing 0; at a pole, bearings are taken from the meridian of the
// position's longitude.
Path shortPath(const Position& from, const Position& to);
// The other way round the same circle.
Path longPath(const Position& from, const Position& to);

// What a "bearing or locator" field holds.
struct Aim
{
    double bearing = 0;
    QString locator; // normalised; empty for degrees
    std::optional<double> distanceKm; // for a locator
    bool longPath = false;
};

struct AimReading
{
    std::optional<Aim> aim;
    QString problem; // translated; empty when read
};

// Degrees ("135", "135°", "135.5", "135,5", 0 to 360 with 360 read as 0) or
// a locator seen from home, by the long path when wanted. A locator needs a
// home; degrees are taken as typed, whichever path is wanted.
AimReading aimFromText(const QString& text, const std::optional<Position>& home, bool longPathWanted);

} // namespace locator

#endif // ZAREL_LOCATOR_H
