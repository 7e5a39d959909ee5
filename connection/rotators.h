#ifndef ZAREL_ROTATORS_H
#define ZAREL_ROTATORS_H

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "app/asker.h"
#include "app/settingskeys.h"

class RotctldClient;

// One rotator as the settings file has it.
struct RotatorSetting
{
    QString host; // empty: no rotator in this place
    quint16 port = settingskey::rotators::DefaultPort;
    QList<int> antennas; // the antennas it turns, 0 is Ant 1
    QString name; // empty: "Rotator 1"

    bool isSet() const { return !host.isEmpty(); }
    bool operator==(const RotatorSetting& other) const;
    bool operator!=(const RotatorSetting& other) const { return !(*this == other); }
};

struct RotatorsSettings
{
    std::array<RotatorSetting, settingskey::rotators::Count> rotors;
    QString locator; // the station's own Maidenhead locator, as typed

    bool operator==(const RotatorsSettings& other) const;
    bool operator!=(const RotatorsSettings& other) const { return !(*this == other); }

    // From the settings file's texts (`text` gives none for a missing key).
    // What cannot be read is left out and named in `problems` ("Rotor2: no
    // port in \"tower\"").
    using Text = std::function<std::optional<QString>(const QString& key)>;
    static RotatorsSettings read(const Text& text, QStringList* problems = nullptr);
    // Every key with the text to store; a rotator not set stores empty texts.
    QList<QPair<QString, QString>> keys() const;
};

// "host:port" or "host" (rotctld's own port); "[::1]:4533" for an IPv6
// address with a port. None when the text is not one.
std::optional<RotatorSetting> rotatorAddress(const QString& text);
// "4, 5" or "4 5": antenna numbers 1..12, each once; none when a part is not one.
std::optional<QList<int>> rotatorAntennas(const QString& text);
// A heading as it is shown and said: "45°", 0 to 359 (360 is 0).
QString headingText(double degrees);

// What the operator sees of one rotator.
struct RotatorView
{
    bool set = false;
    QString name; // as set, or "Rotator 1"
    QList<int> antennas; // 0 is Ant 1
    std::optional<double> heading; // none while rotctld does not tell it
    std::optional<double> target; // while a turn is under way
    bool turning = false;
    QString model; // what rotctld calls it ("Dummy rotator")
    QString trouble; // why no heading is read ("rotctld: not connected"); empty when read
};

// The station's rotators: a rotctld client for each one set, the heading
// of every antenna on one, and turns and stops. Nothing here waits: a
// rotctld that is away is retried by its client and named in its view.
// Turning is never held by the transmit guard (a rotator turns safely
// under power).
class Rotators : public QObject
{
    Q_OBJECT

public:
    explicit Rotators(QObject* parent = nullptr);
    ~Rotators() override;

    // Restarts only the rotators whose setting changed.
    void configure(const RotatorsSettings& settings);
    const RotatorsSettings& settings() const { return current; }
    RotatorView view(int rotor) const;
    // The rotator that turns `antenna` (0 is Ant 1); -1: none.
    int rotorOf(int antenna) const;
    // What an antenna's key and name add: "45°", "45°, turning to 135°";
    // empty when the antenna has no rotator or its heading is not known.
    QString antennaHeading(int antenna) const;

    // False when refused, with a notice saying why (no such rotator, rotctld
    // away, a bearing out of range).
    bool turn(int rotor, double bearing, const Asker& asker);
    bool stop(int rotor, const Asker& asker);

Q_SIGNALS:
    // The view of `rotor` changed: heading, target, trouble or model.
    void changed(int rotor);
    // Something the operator should hear once: a turn refused, a rotator
    // that stopped ("Tower stopped at 135°"), a rotctld lost or back.
    void notice(const QString& text);
    // A turn or a stop given to rotctld, and who asked for it; a stop has
    // no bearing.
    void asked(int rotor, std::optional<double> bearing, const Asker& asker);

private:
    struct Rotor;
    void follow(int rotor);
    std::array<std::unique_ptr<Rotor>, settingskey::rotators::Count> rotors;
    RotatorsSettings current;
};

#endif // ZAREL_ROTATORS_H
