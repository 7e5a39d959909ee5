#include <QTest>

#include "app/locator.h"

#include <cmath>

namespace {
const double pi = 3.14159265358979323846; // M_PI is not standard C++: MinGW leaves it out
const double none = qQNaN();
const double arcKm = pi / 180 * 6371; // a degree of the great circle
const QString noHome = QStringLiteral("Set the station's locator to turn to a locator");

// A text read as a locator (a published point in it, within half the square
// or subsquare plus the source's rounding) and as a field without a home.
struct Field
{
    const char* text;
    double lat, lon, latTolerance, lonTolerance;
    const char* shown;
    double bearing; // none: refused with `problem`
    QString problem;
};

// `to`, or `field` read with `from` as home; a none bearing is any bearing.
struct Way
{
    locator::Position from, to;
    const char* field;
    bool longWay;
    double bearing, bearingTolerance, km, kmTolerance;
};
} // namespace
Q_DECLARE_METATYPE(Field)
Q_DECLARE_METATYPE(Way)

class TestLocator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fieldText_data()
    {
        QTest::addColumn<Field>("c");
        const double dublinLat = 53 + 20 / 60., dublinLon = -(6 + 16 / 60.);
        const auto add = [](const Field& row) { QTest::newRow(row.text) << row; };
        const auto notLocator = [&](const char* text, double bearing, const QString& problem) {
            add({text, none, none, 0, 0, "", bearing, problem});
        };
        // qsl.net/gj7jhf "Grids and locators": Les Platons mast, Jersey, 2-06-00W 49-14-49N, is IN89wf.
        add({"IN89wf", 49 + 14 / 60. + 49 / 3600., -2.1, (1.25 + 1 / 120.) / 60, 2.5 / 60, "IN89wf", none, noHome});
        // EI8IC's grid locator help (mapability.com): Dublin, 53d20m N 06d16m W, is IO63ui, in IO63.
        add({" io63UI ", dublinLat, dublinLon, 1.75 / 60, 3.0 / 60, "IO63ui", none, noHome});
        add({"IO63", dublinLat, dublinLon, 0.5 + 0.5 / 60, 1 + 0.5 / 60, "IO63", none, noHome});
        // The grid counts from 180° W and the South Pole in 2° x 1° squares of 5' x 2.5' subsquares.
        add({"RR99XX", 90 - 1.25 / 60, 180 - 2.5 / 60, 1e-9, 1e-9, "RR99xx", none, noHome});
        for (const char* wrong : {"JS58", "JN5", "JN58t", "J158", "JN58ty", ""}) {
            notLocator(wrong, none, QStringLiteral("Not a bearing or a locator: %1").arg(wrong));
        }
        notLocator("135", 135, "");
        notLocator("135°", 135, "");
        notLocator(" 135,5 ", 135.5, "");
        notLocator("360", 0, "");
        notLocator("361", none, QString::fromUtf8("Bearings go from 0° to 360°"));
    }
    void fieldText()
    {
        QFETCH(Field, c);
        const std::optional<locator::Position> at = locator::position(c.text);
        QCOMPARE(at.has_value(), !qIsNaN(c.lat));
        const locator::Position p = at.value_or(locator::Position {});
        QVERIFY2(!at || (qAbs(p.latitude - c.lat) <= c.latTolerance && qAbs(p.longitude - c.lon) <= c.lonTolerance),
                 qPrintable(QStringLiteral("%1 %2").arg(p.latitude).arg(p.longitude)));
        QCOMPARE(locator::normalised(c.text), QString(c.shown));
        const locator::AimReading reading = locator::aimFromText(c.text, std::nullopt, false);
        QCOMPARE(reading.problem, c.problem);
        QCOMPARE(reading.aim.has_value(), !qIsNaN(c.bearing));
        QVERIFY(!reading.aim || (reading.aim->bearing == c.bearing && !reading.aim->distanceKm));
    }

    void path_data()
    {
        QTest::addColumn<Way>("c");
        // Ed Williams, Aviation Formulary, worked examples (their inputs rounded to 6 decimals of a
        // radian): LAX 33:57N 118:24W to JFK 40:38N 73:47W is 0.623585 rad with initial course
        // 1.150035 rad; LAX to D 34:30N 116:30W is 99.8665 nm (arc minutes) at 70.17°.
        const locator::Position lax {33 + 57 / 60., -(118 + 24 / 60.)}, jfk {40 + 38 / 60., -(73 + 47 / 60.)};
        const double course = 1.150035 * 180 / pi, km = 0.623585 * 6371;
        QTest::newRow("LAX-JFK") << Way {lax, jfk, "", false, course, 1e-4, km, 0.01};
        QTest::newRow("LAX-JFK long") << Way {lax, jfk, "", true, course + 180, 1e-4, 360 * arcKm - km, 0.01};
        QTest::newRow("LAX-D") << Way {lax, {34.5, -116.5}, "", false, 70.17, 0.005, 99.8665 / 60 * arcKm, 0.01};
        // Rosetta Code "Haversine formula": BNA (36.12, -86.67) to LAX (33.94, -118.40), R 6371.0 km: 2886.444 km.
        QTest::newRow("BNA-LAX") << Way {{36.12, -86.67}, {33.94, -118.40}, "", false, none, 0, 2886.44444, 0.001};
        QTest::newRow("same point") << Way {{48.1, 11.6}, {48.1, 11.6}, "", false, 0, 0, 0, 0};
        QTest::newRow("antipodes") << Way {{45, 10}, {-45, -170}, "", false, none, 0, 180 * arcKm, 1e-6};
        QTest::newRow("to the pole") << Way {{50, 10}, {90, 0}, "", false, 0, 1e-9, 40 * arcKm, 1e-6};
        QTest::newRow("from the pole") << Way {{90, 0}, {0, 0}, "", false, 180, 1e-9, 90 * arcKm, 1e-6};
        // From the centre of JJ00 to JJ09, nine squares north on the same meridian.
        QTest::newRow("locator") << Way {{0.5, 1}, {}, "jj09", false, 0, 1e-9, 9 * arcKm, 1e-6};
        QTest::newRow("locator long") << Way {{0.5, 1}, {}, "JJ09", true, 180, 1e-9, 351 * arcKm, 1e-6};
    }
    void path()
    {
        QFETCH(Way, c);
        locator::Path got = c.longWay ? locator::longPath(c.from, c.to) : locator::shortPath(c.from, c.to);
        if (*c.field) {
            const locator::AimReading reading = locator::aimFromText(c.field, c.from, c.longWay);
            QVERIFY(reading.aim && reading.aim->distanceKm && reading.aim->longPath == c.longWay);
            got = {reading.aim->bearing, *reading.aim->distanceKm};
        }
        const double off = std::fmod(std::fabs(got.bearing - c.bearing), 360.0);
        QVERIFY2(got.bearing >= 0 && got.bearing < 360 &&
                     (qIsNaN(c.bearing) || std::min(off, 360 - off) <= c.bearingTolerance),
                 qPrintable(QString::number(got.bearing, 'g', 17)));
        QVERIFY2(qAbs(got.distanceKm - c.km) <= c.kmTolerance, qPrintable(QString::number(got.distanceKm, 'f', 6)));
    }
};

QTEST_APPLESS_MAIN(TestLocator)
#include "tst_locator.moc"
