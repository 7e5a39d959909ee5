#include "connection/rotators.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QRegularExpression>

#include <cmath>

#include "connection/rotctldclient.h"
#include "link/linkclock.h"
#include "link/linklog.h"

namespace {

// Headings within this of each other are the same: rotctld prints two
// decimals, and a controller's last step may stop short of the target.
constexpr double sameHeading = 0.05;
constexpr double targetReached = 1.0;
// A turn that has not moved for this many reads after starting has stopped
// (a controller that cannot reach the target, a stop at the controller).
constexpr int stillReads = 4;
// A controller takes a moment to start its motor.
constexpr qint64 startingMs = 2000;

double apart(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

} // namespace

bool RotatorSetting::operator==(const RotatorSetting& other) const
{
    return host == other.host && port == other.port && antennas == other.antennas && name == other.name;
}

bool RotatorsSettings::operator==(const RotatorsSettings& other) const
{
    return rotors == other.rotors && locator == other.locator;
}

std::optional<RotatorSetting> rotatorAddress(const QString& typed)
{
    const QString text = typed.trimmed();
    RotatorSetting setting;
    QString host = text;
    QString port;
    if (text.startsWith(QLatin1Char('['))) {
        const int close = text.indexOf(QLatin1Char(']'));
        if (close < 0) {
            return std::nullopt;
        }
        host = text.mid(1, close - 1);
        const QString rest = text.mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(QLatin1Char(':'))) {
                return std::nullopt;
            }
            port = rest.mid(1);
        }
        if (QHostAddress(host).protocol() != QAbstractSocket::IPv6Protocol) {
            return std::nullopt;
        }
    } else if (text.count(QLatin1Char(':')) == 1) {
        host = text.section(QLatin1Char(':'), 0, 0);
        port = text.section(QLatin1Char(':'), 1);
    } else if (text.count(QLatin1Char(':')) > 1 && QHostAddress(text).protocol() != QAbstractSocket::IPv6Protocol) {
        return std::nullopt;
    }
    // A host name's characters, or an address.
    static const QRegularExpression hostName(QStringLiteral("^[A-Za-z0-9._:-]{1,253}$"));
    if (!hostName.match(host).hasMatch()) {
        return std::nullopt;
    }
    setting.host = host;
    if (!port.isNull()) {
        bool ok = false;
        const uint number = port.toUInt(&ok);
        if (!ok || number < 1 || number > 65535) {
            return std::nullopt;
        }
        setting.port = static_cast<quint16>(number);
    }
    return setting;
}

std::optional<QList<int>> rotatorAntennas(const QString& text)
{
    QList<int> antennas;
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        bool ok = false;
        const int number = part.toInt(&ok);
        if (!ok || number < 1 || number > group::Antennas || antennas.contains(number - 1)) {
            return std::nullopt;
        }
        antennas.append(number - 1);
    }
    return antennas;
}

QString headingText(double degrees)
{
    int whole = static_cast<int>(std::lround(std::fmod(degrees, 360.0)));
    whole = ((whole % 360) + 360) % 360;
    return QStringLiteral("%1\u00b0").arg(whole);
}

RotatorsSettings RotatorsSettings::read(const Text& text, QStringList* problems)
{
    namespace keys = settingskey::rotators;
    RotatorsSettings settings;
    QList<int> taken;
    for (int i = 0; i < keys::Count; ++i) {
        const QString address = text(keys::rotor(i)).value_or(QString()).trimmed();
        if (address.isEmpty()) {
            continue;
        }
        std::optional<RotatorSetting> rotor = rotatorAddress(address);
        if (!rotor) {
            if (problems) {
                *problems << QCoreApplication::translate("Rotators", "Rotor%1: not an address: \"%2\"")
                                 .arg(i + 1)
                                 .arg(address);
            }
            continue;
        }
        const QString antennas = text(keys::antennas(i)).value_or(QString());
        std::optional<QList<int>> numbers = rotatorAntennas(antennas);
        if (!numbers) {
            if (problems) {
                *problems << QCoreApplication::translate("Rotators", "Rotor%1Antennas: not antenna numbers: \"%2\"")
                                 .arg(i + 1)
                                 .arg(antennas.trimmed());
            }
            numbers = QList<int>();
        }
        // One antenna on one mast: the first rotator named keeps it.
        for (const int antenna : *numbers) {
            if (taken.contains(antenna)) {
                if (problems) {
                    *problems << QCoreApplication::translate("Rotators",
                                                             "Rotor%1Antennas: Ant %2 is on another rotator")
                                     .arg(i + 1)
                                     .arg(antenna + 1);
                }
            } else {
                taken.append(antenna);
                rotor->antennas.append(antenna);
            }
        }
        rotor->name = text(keys::name(i)).value_or(QString()).simplified().left(40);
        settings.rotors[i] = *rotor;
    }
    settings.locator = text(keys::Locator).value_or(QString()).trimmed();
    return settings;
}

QList<QPair<QString, QString>> RotatorsSettings::keys() const
{
    namespace keys = settingskey::rotators;
    QList<QPair<QString, QString>> all;
    for (int i = 0; i < keys::Count; ++i) {
        const RotatorSetting& rotor = rotors[i];
        QString address;
        QStringList antennas;
        if (rotor.isSet()) {
            const bool ipv6 = rotor.host.contains(QLatin1Char(':'));
            address = (ipv6 ? QStringLiteral("[%1]:%2") : QStringLiteral("%1:%2")).arg(rotor.host).arg(rotor.port);
            for (const int antenna : rotor.antennas) {
                antennas << QString::number(antenna + 1);
            }
        }
        all << qMakePair(keys::rotor(i), address) << qMakePair(keys::antennas(i), antennas.join(QStringLiteral(", ")))
            << qMakePair(keys::name(i), rotor.isSet() ? rotor.name : QString());
    }
    all << qMakePair(QString(keys::Locator), locator);
    return all;
}

struct Rotators::Rotor
{
    RotatorSetting setting;
    RotctldClient client;
    std::optional<double> heading;
    std::optional<double> target;
    bool turning = false;
    int still = 0; // reads without movement while turning
    qint64 turnedAt = 0; // steady clock
    bool wasConnected = false;
    bool saidLost = false;
};

Rotators::Rotators(QObject* parent)
    : QObject(parent)
{
}

Rotators::~Rotators() = default;

void Rotators::configure(const RotatorsSettings& settings)
{
    for (int i = 0; i < settingskey::rotators::Count; ++i) {
        const RotatorSetting& wanted = settings.rotors[i];
        Rotor* rotor = rotors[i].get();
        if (rotor && rotor->setting.host == wanted.host && rotor->setting.port == wanted.port) {
            rotor->setting = wanted; // a new name or antennas: same daemon
            continue;
        }
        rotors[i].reset();
        if (wanted.isSet()) {
            rotors[i] = std::make_unique<Rotor>();
            rotors[i]->setting = wanted;
            follow(i);
            rotors[i]->client.start(wanted.host, wanted.port);
        }
    }
    current = settings;
    for (int i = 0; i < settingskey::rotators::Count; ++i) {
        Q_EMIT changed(i);
    }
}

void Rotators::follow(int index)
{
    Rotor& rotor = *rotors[index];
    RotctldClient& client = rotor.client;
    connect(&client, &RotctldClient::position, this, [this, index](double azimuth, double) {
        Rotor& r = *rotors[index];
        const std::optional<double> before = r.heading;
        const bool wasTurning = r.turning;
        r.heading = azimuth;
        const bool moved = before && apart(*before, azimuth) > sameHeading;
        bool stopped = false;
        if (r.turning) {
            if (r.target && apart(azimuth, *r.target) <= targetReached) {
                stopped = true;
            } else if (moved) {
                r.still = 0;
            } else if (++r.still >= stillReads && linkclock::steadyNow() - r.turnedAt >= startingMs) {
                stopped = true;
            }
        } else if (moved) {
            // Turned by someone else: its controller, another program.
            r.turning = true;
            r.still = 0;
            r.turnedAt = linkclock::steadyNow();
            r.client.watchClosely(true);
        }
        if (stopped) {
            r.turning = false;
            r.target.reset();
            r.still = 0;
            r.client.watchClosely(false);
            Q_EMIT notice(tr("%1 stopped at %2").arg(view(index).name, headingText(azimuth)));
        }
        if (!before && r.saidLost) {
            r.saidLost = false;
            Q_EMIT notice(tr("%1: rotctld back").arg(view(index).name));
        }
        if (!before || headingText(*before) != headingText(azimuth) || wasTurning != r.turning) {
            Q_EMIT changed(index);
        }
    });
    connect(&client, &RotctldClient::modelRead, this, [this, index] { Q_EMIT changed(index); });
    connect(&client, &RotctldClient::commandAnswered, this,
            [this, index](RotctldClient::Command command, bool ok, const QByteArray& code) {
                if (ok) {
                    return;
                }
                Rotor& r = *rotors[index];
                if (command == RotctldClient::Command::Turn) {
                    r.target.reset();
                    Q_EMIT notice(tr("%1 refused the turn: %2").arg(view(index).name, QString::fromLatin1(code)));
                } else {
                    Q_EMIT notice(tr("%1 refused to stop: %2").arg(view(index).name, QString::fromLatin1(code)));
                }
                Q_EMIT changed(index);
            });
    const auto troubled = [this, index] {
        Rotor& r = *rotors[index];
        const bool connected = r.client.state() == HamlibClient::State::Connected;
        if (!connected) {
            // Where it points is not known while rotctld does not tell.
            r.heading.reset();
            r.target.reset();
            r.turning = false;
            r.still = 0;
        }
        // Said once each way; a start is not news, nor every retry.
        if (r.wasConnected && !connected) {
            r.saidLost = true;
            Q_EMIT notice(tr("%1: rotctld lost").arg(view(index).name));
        }
        r.wasConnected = connected;
        Q_EMIT changed(index);
    };
    connect(&client, &HamlibClient::stateChanged, this, troubled);
    connect(&client, &HamlibClient::troubleChanged, this, troubled);
}

RotatorView Rotators::view(int index) const
{
    RotatorView v;
    if (index < 0 || index >= settingskey::rotators::Count || !rotors[index]) {
        return v;
    }
    const Rotor& r = *rotors[index];
    v.set = true;
    v.name = r.setting.name.isEmpty() ? tr("Rotator %1").arg(index + 1) : r.setting.name;
    v.antennas = r.setting.antennas;
    v.heading = r.heading;
    v.target = r.target;
    v.turning = r.turning;
    v.model = r.client.model();
    switch (r.client.trouble()) {
    case HamlibClient::Trouble::None:
        if (r.client.state() != HamlibClient::State::Connected) {
            v.trouble = tr("rotctld: not connected");
        } else if (!r.heading) {
            v.trouble = tr("rotctld: connected");
        }
        break;
    case HamlibClient::Trouble::NotConnected:
        v.trouble = tr("rotctld: not connected");
        break;
    case HamlibClient::Trouble::Refused:
        v.trouble = tr("rotctld: connection refused");
        break;
    case HamlibClient::Trouble::UnknownHost:
        v.trouble = tr("rotctld: unknown host");
        break;
    case HamlibClient::Trouble::NoAnswer:
        v.trouble = tr("rotctld: connected, no answer");
        break;
    case HamlibClient::Trouble::ErrorAnswer:
        v.trouble = tr("rotctld: connected, error %1").arg(QString::fromLatin1(r.client.errorAnswer()));
        break;
    case HamlibClient::Trouble::Unreadable:
        v.trouble = tr("rotctld: connected, unreadable answer");
        break;
    }
    return v;
}

int Rotators::rotorOf(int antenna) const
{
    for (int i = 0; i < settingskey::rotators::Count; ++i) {
        if (rotors[i] && rotors[i]->setting.antennas.contains(antenna)) {
            return i;
        }
    }
    return -1;
}

QString Rotators::antennaHeading(int antenna) const
{
    const int index = rotorOf(antenna);
    if (index < 0 || !rotors[index]->heading) {
        return QString();
    }
    const Rotor& r = *rotors[index];
    const QString heading = headingText(*r.heading);
    if (r.turning && r.target) {
        return tr("%1, turning to %2").arg(heading, headingText(*r.target));
    }
    if (r.turning) {
        return tr("%1, turning").arg(heading);
    }
    return heading;
}

bool Rotators::turn(int index, double bearing, const Asker& asker)
{
    if (index < 0 || index >= settingskey::rotators::Count || !rotors[index]) {
        Q_EMIT notice(tr("No rotator there"));
        return false;
    }
    if (!std::isfinite(bearing) || bearing < 0 || bearing > 360) {
        Q_EMIT notice(tr("Bearings go from 0\u00b0 to 360\u00b0"));
        return false;
    }
    Rotor& r = *rotors[index];
    const QString name = view(index).name;
    if (!r.client.turnTo(bearing)) {
        Q_EMIT notice(tr("%1 cannot turn: %2").arg(name, view(index).trouble));
        return false;
    }
    qCInfo(lcRadio).noquote() << "rotctld" << r.setting.host << r.setting.port << "turn to" << bearing;
    r.target = std::fmod(bearing, 360.0);
    r.turning = true;
    r.still = 0;
    r.turnedAt = linkclock::steadyNow();
    r.client.watchClosely(true);
    Q_EMIT asked(index, bearing, asker);
    Q_EMIT notice(tr("%1 turns to %2").arg(name, headingText(bearing)));
    Q_EMIT changed(index);
    return true;
}

bool Rotators::stop(int index, const Asker& asker)
{
    if (index < 0 || index >= settingskey::rotators::Count || !rotors[index]) {
        return false;
    }
    Rotor& r = *rotors[index];
    if (!r.client.halt()) {
        Q_EMIT notice(tr("%1 cannot stop: %2").arg(view(index).name, view(index).trouble));
        return false;
    }
    // The next reads tell where it came to rest, and say it once.
    r.target.reset();
    r.turning = true;
    r.still = 0;
    r.turnedAt = linkclock::steadyNow() - startingMs;
    r.client.watchClosely(true);
    Q_EMIT asked(index, std::nullopt, asker);
    Q_EMIT changed(index);
    return true;
}
